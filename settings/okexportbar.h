#pragma once

#include "framework/basewidget.h"
#include "kvui_export.h"

// The exports of a project processed by the one-key run to other
// photogrammetry packages. Each button only asks; the host collects the
// options (for Inpho and ContextCapture XML with their option dialogs) and
// writes the files.
class KVUI_EXPORT OKExportBar : public BaseWidget
{
    Q_OBJECT

public:
    explicit OKExportBar(QWidget* parent = nullptr);

Q_SIGNALS:
    void ExportSSK();
    void ExportInpho();
    void ExportPatB();
    void ExportOKPOS();
    void ExportPhotoMod();
    void ExportCC();
};
