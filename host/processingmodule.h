#pragma once

#include "host/hostmodule.h"
#include "host/imagework.h"
#include "kvfd/transient.h"
#include "processing/algoparameter.h"

#include <QString>
#include <vector>

// Image pre-processing: Tools offers each single tool (colour balance,
// enhancement, format, overviews, resampling, rotation, distortion), the batch
// chain, raw-to-TIFF and renaming. The dialogs gather the steps as records;
// Run hands them on. Renaming is done by its dialog.
class ProcessingModule : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("processing"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

    // Runs the steps of chain in order over the open project's images (each
    // record's all says whether all or the selected ones), writing into
    // output; tool names the request for the operator ("Resample", "Batch
    // Process", "Raw To Tif"). For raw-to-TIFF the chain is empty, input is
    // the RAW folder and pos the POS file. The image engine runs the job
    // behind its progress dialog and tells the outcome; a job that cannot be
    // made or that the engine refuses is told and nothing is written.
    kvhost::ImageJobResult Run(const std::vector<kvfd::KvPtr<AlgoParameter>>& chain,
                               const QString& output, const QString& tool,
                               const QString& input = QString(), const QString& pos = QString());

public Q_SLOTS:
    void ShowColor();
    void ShowEnhancement();
    void ShowFormat();
    void ShowPyramid();
    void ShowResample();
    void ShowRotate();
    void ShowDistortion();
    void ShowBatch();
    void ShowRaw2Tif();
    void ShowRename();

private:
    KvMainWindow* m_window = nullptr;
};
