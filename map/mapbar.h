#pragma once

#include "framework/basewidget.h"
#include "kvui_export.h"
#include "map/maptype.h"

class QPushButton;

// The form of the background-map popup: two AMap and two Google layers and
// "no map". Each choice emits its one signal and ends the popup it sits in.
class KVUI_EXPORT MapBar : public BaseWidget
{
    Q_OBJECT

public:
    explicit MapBar(QWidget* parent = nullptr);

    // Checks the button of type alone; a value outside MapType changes nothing.
    void SetMap(MapType type);

Q_SIGNALS:
    void ClickAMapHybrid();
    void ClickAMapSat();
    void ClickGGHybrid();
    void ClickGGSat();
    void ClickCloseMap();

public Q_SLOTS:
    void OnAMapHybrid();
    void OnAMapSat();
    void OnGGHybrid();
    void OnGGSat();
    void OnCloseMap();

private:
    void ClosePopup();

    // In the order of MapType.
    QPushButton* m_buttons[5];
};
