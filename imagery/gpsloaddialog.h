#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "framework/kvshared.h"
#include "kvgps/gpsparam.h"
#include "kvui_export.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Content of the "Import GPS" page: the rover's observation file and,
// optionally, a base station's file with the source of its position (the
// file's RINEX header, automatic, or typed in) and of the navigation data.
// "Next" builds a fresh record from the form, refusing empty required fields
// and, after a question, a typed base position more than 2 km from the one in
// the base file's header.
class KVUI_EXPORT GPSLoadWidget : public BaseWidget
{
    Q_OBJECT

public:
    // Farther than this (metres) from the header's position, a typed base
    // position is asked about.
    static constexpr double kMaxDeviation = 2000.0;

    explicit GPSLoadWidget(QWidget* parent = nullptr);

    // The record accepted last with "Next"; defaults before.
    kvgps::GPSParam GetGPSParam() const { return m_param; }
    void SetGPSParam(const kvgps::GPSParam& param);

public Q_SLOTS:
    void ClickUseBase(bool checked);
    void AddBaseObs();
    void AddMoveObs();
    void ClickOK();
    void ClickCancel();
    void ClickXYZAuto(bool checked);
    void ClickXYZCustom(bool checked);
    void ClickXYZRinex(bool checked);

private:
    // Shows the base file's header position, when it has one.
    void FillFromHeader();
    void UpdateCoordinateFields();

    kvgps::GPSParam m_param;
    QLineEdit* m_roverObs = nullptr;
    QCheckBox* m_useBase = nullptr;
    QLineEdit* m_baseObs = nullptr;
    QPushButton* m_addBase = nullptr;
    QRadioButton* m_fromRinex = nullptr;
    QRadioButton* m_auto = nullptr;
    QRadioButton* m_custom = nullptr;
    QLineEdit* m_latitude = nullptr;
    QLineEdit* m_longitude = nullptr;
    QLineEdit* m_height = nullptr;
    QRadioButton* m_navRover = nullptr;
    QRadioButton* m_navBase = nullptr;
};

class KVUI_EXPORT GPSLoadDialog : public kvui::ContentDialog<GPSLoadWidget>
{
    Q_OBJECT

public:
    explicit GPSLoadDialog(QWidget* parent = nullptr);

    kvgps::GPSParam GetGPSParam() const { return Content()->GetGPSParam(); }
    void SetGPSParam(const kvgps::GPSParam& param) { Content()->SetGPSParam(param); }
    GPSLoadWidget* Widget() const { return Content(); }
};

// Runs the loading page on a copy of param and copies the page's record back,
// accepted or not. WR_NEXT when it was accepted, WR_CANCEL otherwise.
KVUI_EXPORT WResut ShowGPSLoadDialog(kvgps::GPSParam& param);

// The two GPS pages as a wizard over stage copies of param: the loading page,
// then the settings page, with Back between them. True when the settings page
// was confirmed; param then holds its record. Otherwise param is untouched.
KVUI_EXPORT bool ShowGPSDialog(kvgps::GPSParam& param);
