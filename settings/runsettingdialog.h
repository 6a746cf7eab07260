#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

class QCheckBox;

// Content of "Select Method": which processing stages to run and which
// products to make. "PPK/RTK" starts checked when the configuration's
// processing settings ask for high-precision GPS.
class KVUI_EXPORT RunSettingWidget : public BaseWidget
{
    Q_OBJECT

public:
    static constexpr int kFlagCount = 9;

    explicit RunSettingWidget(QWidget* parent = nullptr);

    // out[0..8]: matching, adjustment, PPK/RTK and GCP (each only with the
    // adjustment), then the five products in form order.
    void Get(bool* out) const;

public Q_SLOTS:
    void ClickOK();
    void ClickCancel();
    // PPK/RTK and GCP only mean something with an adjustment.
    void ClickBA(bool on);
    void ClickDSM(bool on);
    void ClickTDOM(bool on);
    void ClickDSMMesh(bool on);
    void Click3DMesh(bool on);

private:
    QCheckBox* m_boxes[kFlagCount] = {};
};

class KVUI_EXPORT RunSettingDialog : public kvui::ContentDialog<RunSettingWidget>
{
    Q_OBJECT

public:
    explicit RunSettingDialog(QWidget* parent = nullptr);

    // Writes nine flags; the caller supplies room for them.
    void Get(bool* out) const { Content()->Get(out); }
};
