#pragma once

#include "framework/transparentdialog.h"
#include "kvui_export.h"
#include "map/maptype.h"

class MapBar;

// The popup from which the operator picks the background map. The host
// creates one for each use at the point DpViewToolBar::ClickMap gives; it
// deletes itself when closed, by a choice or by a click outside. Each choice
// emits exactly one signal.
class KVUI_EXPORT MapToolBar : public TransparentDialog
{
    Q_OBJECT

public:
    explicit MapToolBar(QWidget* parent = nullptr);

    // Checks the button of the current map; a value outside MapType changes
    // nothing.
    void SetMap(MapType type);
    MapBar* Bar() const { return m_bar; }

Q_SIGNALS:
    void ClickAMapHybrid();
    void ClickAMapSat();
    void ClickGGHybrid();
    void ClickGGSat();
    void ClickCloseMap();

private:
    MapBar* m_bar;
};
