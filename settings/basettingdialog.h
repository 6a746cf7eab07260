#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

class QCheckBox;

// Content of "BA Setting": the three switches of one bundle-adjustment run.
class KVUI_EXPORT BASettingWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit BASettingWidget(QWidget* parent = nullptr);

    bool IsCalibration() const;
    bool IsPPK() const;
    bool IsGCP() const;

public Q_SLOTS:
    void ClickOK();
    void ClickCancel();

private:
    QCheckBox* m_calibration = nullptr;
    QCheckBox* m_ppk = nullptr;
    QCheckBox* m_gcp = nullptr;
};

class KVUI_EXPORT BASettingDialog : public kvui::ContentDialog<BASettingWidget>
{
    Q_OBJECT

public:
    BASettingDialog();
};

// Runs "BA Setting" modally. Accepted: the three outputs take the boxes'
// states and the result is true. Cancelled or closed: the outputs are left
// as they were and the result is false. The incoming values are not shown;
// the form always starts with calibration on, PPK and GCP off.
KVUI_EXPORT bool ShowBASettingDialog(bool& calibration, bool& ppk, bool& gcp);
