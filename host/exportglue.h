#pragma once

#include "host/exportresult.h"
#include "host/qualityreport.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class KvMainWindow;
class QTemporaryDir;
class QaSettingBar;
class ScreenshotRegistry;
class QWidget;

namespace kvfd {
struct CoordinateInfo;
}

namespace kvhost {

// The packages the one-key export bar writes to.
enum class OneKeyFormat { ContextCapture, PatB, Pos, Inpho, SSK, PhotoMod };

// What the export dialogs and the one-key and quality bars ask of the host:
// each request runs its export on the open project and tells the operator
// the files written, or why none were. The last quality assessment of a
// window lives in a child object of that window, so that the report and its
// exports work on the assessment the operator saw.
class ExportGlue : public QObject
{
    Q_OBJECT

public:
    // The file names the bars write into their folders.
    static constexpr const char* kReportHtml = "quality_report.html";
    static constexpr const char* kReportPdf = "quality_report.pdf";
    static constexpr const char* kQaPos = "qa_pos.txt";
    static constexpr const char* kQuickMosaic = "quick_mosaic.tif";
    static constexpr const char* kPosText = "pos.txt";

    // "quality_report_viewer": the report viewer on the demo survey's
    // assessment.
    static void Screenshots(ScreenshotRegistry& registry);

    // The glue of window, made on first use.
    static ExportGlue& Of(KvMainWindow& window);

    // The engine's lens correction, as the exports ask for it: reads source
    // whole, removes camera's distortion (principal point kept where it is, so
    // that the written orientations stay valid) and writes target with the
    // source's format.
    static UndistortHook EngineUndistort();

    // The dialogs' exports.
    ExportResult ExportCCXml(const kvfd::CoordinateInfo& coordinate, const QString& folder,
                             bool undistortion);
    ExportResult ExportInpho(bool toCenter, bool undistortion, const QString& folder,
                             const QString& imagesFolder);

    // One-key export bar: format into the one-key bar's output folder.
    ExportResult ExportOneKey(OneKeyFormat format, const QString& folder);

    // Quality bar: assesses the project against the bar's design and shows the
    // report; the report's path, empty when none was written.
    QString RunQa(const QaSettingBar& bar);
    // Shows the last report, assessing first when there is none.
    void ShowQaReport(const QaSettingBar& bar);
    // QA export bar: into a folder the operator chooses (folder, when given).
    ExportResult ExportQaReport(const QString& folder = QString());
    ExportResult ExportQaPos(const QString& folder = QString());
    ExportResult ExportQuickMosaic(const QString& folder = QString());

    const std::optional<QualityReport>& LastReport() const { return m_report; }

    // Tells the operator the outcome of what (in the status bar and a box).
    void Tell(const QString& what, const ExportResult& result) const;

private:
    explicit ExportGlue(KvMainWindow& window);
    ~ExportGlue() override;

    // Null after telling the operator that no project is open.
    const kvprj::KvProject* Project() const;
    // The folder the QA exports go to: folder, else the operator's choice.
    QString QaFolder(const QString& folder) const;
    bool NeedReport();

    KvMainWindow& m_window;
    const UndistortHook m_undistort; // set once: every export undistorts alike
    std::optional<QualityReport> m_report;
    QString m_reportPath;
    std::unique_ptr<QTemporaryDir> m_temporary; // reports of unsaved projects
};

} // namespace kvhost
