#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "framework/kvshared.h"
#include "kvgps/gpsparam.h"
#include "kvui_export.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Content of the "GPS Positioning" page: the positioning mode, the satellite
// systems, the rover antenna height (measured slant values or the vertical
// height), the result folder and, for the hybrid mode, an RTK file. "OK" puts
// them into the record; a rover file under a long RINEX name beside its
// navigation file is also copied to the short ".99o"/".99n" names that some
// processors need, after asking before one of those is replaced.
class KVUI_EXPORT GPSSettingWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit GPSSettingWidget(QWidget* parent = nullptr);

    void SetGPSParam(const kvgps::GPSParam& param);
    kvgps::GPSParam GetGPSParam() const { return m_param; }
    // WR_NEXT after OK, WR_BACK after Prev, WR_CANCEL otherwise.
    WResut Result() const { return m_result; }

public Q_SLOTS:
    void ClickOK();
    void ClickCancel();
    void ClickPrev();
    void ClickOutput();
    void ClickRTK();
    void ClickSingle(bool checked);
    void ClickPPK(bool checked);
    void ClickRPK(bool checked);
    void ClickR1(bool checked);
    void ClickR2(bool checked);

private:
    void ShowRTKRow(bool show);
    // The antenna height the form gives, if any: false when the chosen input
    // holds no number or a height that cannot be (the slant root not real).
    bool AntennaHeight(double& height) const;
    void CopyShortNames(const QString& rover);

    kvgps::GPSParam m_param;
    WResut m_result = WR_CANCEL;
    QRadioButton* m_single = nullptr;
    QRadioButton* m_ppk = nullptr;
    QRadioButton* m_rpk = nullptr;
    QLabel* m_rtkLabel = nullptr;
    QLineEdit* m_rtk = nullptr;
    QPushButton* m_addRtk = nullptr;
    QLineEdit* m_output = nullptr;
    QRadioButton* m_r1 = nullptr;
    QRadioButton* m_r2 = nullptr;
    QLineEdit* m_s = nullptr;
    QLineEdit* m_p = nullptr;
    QLineEdit* m_d = nullptr;
    QLineEdit* m_l = nullptr;
    QLineEdit* m_h = nullptr;
    QCheckBox* m_gps = nullptr;
    QCheckBox* m_beidou = nullptr;
    QCheckBox* m_glonass = nullptr;
    QCheckBox* m_sbas = nullptr;
};

class KVUI_EXPORT GPSSettingDialog : public kvui::ContentDialog<GPSSettingWidget>
{
    Q_OBJECT

public:
    explicit GPSSettingDialog(QWidget* parent = nullptr);

    void SetGPSParam(const kvgps::GPSParam& param) { Content()->SetGPSParam(param); }
    kvgps::GPSParam GetGPSParam() const { return Content()->GetGPSParam(); }
    WResut Result() const { return Content()->Result(); }
    GPSSettingWidget* Widget() const { return Content(); }
};

// Runs the settings page on a copy of param and copies the page's record back
// in every case; returns the page's result, whatever exec() returned.
KVUI_EXPORT WResut ShowGPSSettingDialog(kvgps::GPSParam& param);
