#pragma once

#include "framework/basewidget.h"
#include "kvui_export.h"
#include "map/maptype.h"

class QPushButton;

// The vertical tool bar beside the host's 2-D view: background map, zoom in,
// zoom out, pan, fit, the three selection tools and delete. Every button only
// emits its signal; the host's view does the work and tells the bar which tool
// (UpdateCheckStatus) and which map (SetMap) are current. The map button
// reports where it sits on the screen, so that the host opens the MapToolBar
// there.
class KVUI_EXPORT DpViewToolBar : public BaseWidget
{
    Q_OBJECT

public:
    // The tool codes of UpdateCheckStatus.
    enum Tool : int {
        kPan = 0,
        kZoomIn = 1,
        kZoomOut = 2,
        kSelectOne = 100,
        kSelectRect = 101,
        kSelectFree = 102,
    };

    explicit DpViewToolBar(QWidget* parent = nullptr);

public Q_SLOTS:
    // Shows the map button's picture of type; a value outside MapType changes
    // nothing.
    void SetMap(MapType type);
    void ShowMap(bool on);
    // Hides the three selection buttons and delete, for views that select nothing.
    void HideSelect();
    // Checks the button of tool and unchecks the other tool buttons; a code of
    // no tool unchecks them all.
    void UpdateCheckStatus(int tool);

Q_SIGNALS:
    void ClickZoomIn();
    void ClickZoomOut();
    void ClickPan();
    void ClickFit();
    void ClickSelectOne();
    void ClickSelectRect();
    void ClickSelectFree();
    void ClickDelete();
    // Global position of the map button's top left corner.
    void ClickMap(int x, int y);

private Q_SLOTS:
    void ClickMap();

private:
    QPushButton* m_map;
    QPushButton* m_zoomIn;
    QPushButton* m_zoomOut;
    QPushButton* m_pan;
    QPushButton* m_fit;
    QPushButton* m_selectOne;
    QPushButton* m_selectRect;
    QPushButton* m_selectFree;
    QPushButton* m_delete;
};
