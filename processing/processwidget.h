#pragma once

#include "kvui_export.h"

#include <QWidget>

class QButtonGroup;
class QLabel;
class QPushButton;

// The narrow panel of the image, GPS and utility tools. It does no work
// itself: every button becomes a parameterless signal that the host answers,
// usually by opening the tool's dialog.
class KVUI_EXPORT ProcessWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ProcessWidget(QWidget* parent = nullptr);

    // Makes the eighteen tool buttons, in the order of the panel's column.
    void Init();
    // Simple mode hides the tile and geo view switches and checks the tile
    // view; otherwise they show and the geo view is checked.
    void SetSimple(bool simple);

Q_SIGNALS:
    void ClickCalibration();
    void ClickBatch();
    void ClickChangeFormat();
    void ClickResample();
    void ClickRotation();
    void ClickPyramid();
    void ClickInitCorrection();
    void ClickUnDistortion();
    void ClickEnhancement();
    void ClickBalanceColor();
    void ClickExif();
    void ClickGPSSolve();
    void ClickGPSAddFlight();
    void ClickRT27();
    void ClickATOM();
    void ClickAddEventMark();
    void ClickTileView();
    void ClickGeoView();
    void ClickDEMClick();
    void ClickRename();
    void ClickLeverArm();
    void ClickRAW2TIF();

private Q_SLOTS:
    void ShowImageButtons();
    void ShowGPSButtons();
    void ShowUtilities();

private:
    enum Group { ImageGroup, GPSGroup, UtilityGroup, HiddenGroup };
    struct Tool
    {
        QPushButton* button;
        Group group;
    };
    void ShowGroup(Group group, QSize area);

    QWidget* m_toolArea = nullptr;
    QList<Tool> m_tools;
    QPushButton* m_tileView = nullptr;
    QLabel* m_tileLabel = nullptr;
    QPushButton* m_geoView = nullptr;
    QLabel* m_geoLabel = nullptr;
};
