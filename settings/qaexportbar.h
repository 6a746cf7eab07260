#pragma once

#include "framework/basewidget.h"
#include "kvui_export.h"

// The exports of the quality assessment: its report, the quick DOM and the
// assessed positions. The host writes them; the bar only asks.
class KVUI_EXPORT QaExportBar : public BaseWidget
{
    Q_OBJECT

public:
    explicit QaExportBar(QWidget* parent = nullptr);

Q_SIGNALS:
    void ExportReport();
    void ExportQuickDOM();
    void ExportQAPOS();
};
