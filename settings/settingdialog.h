#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvfd/algosetting.h"
#include "kvui_export.h"

class QComboBox;

// Content of "Setting": terrain, seamline, compute device and calibration
// choices, six combos over six fields of kvfd::AlgoSetting.
class KVUI_EXPORT SettingWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit SettingWidget(QWidget* parent = nullptr);

    void SetAlgoSetting(const kvfd::AlgoSetting& setting);
    // A default record with only the six fields of the form set.
    kvfd::AlgoSetting GetAlgoSetting() const;

public Q_SLOTS:
    void ClickOK();
    void ClickCancel();

private:
    QComboBox* m_landscape = nullptr;
    QComboBox* m_filter = nullptr;
    QComboBox* m_seamline = nullptr;
    QComboBox* m_device = nullptr;
    QComboBox* m_usage = nullptr;
    QComboBox* m_calibration = nullptr;
};

class KVUI_EXPORT SettingDialog : public kvui::ContentDialog<SettingWidget>
{
    Q_OBJECT

public:
    SettingDialog();

    void SetAlgoSetting(kvfd::AlgoSetting setting) { Content()->SetAlgoSetting(setting); }
    // Callers copy landscape, usage, seamlineMode, adjustCalibration, device
    // and demFilter into their own record; the other fields are defaults.
    kvfd::AlgoSetting GetAlgoSetting() const { return Content()->GetAlgoSetting(); }
};
