#pragma once

#include "host/hostmodule.h"
#include "map/maptoolbar.h"
#include "map/maptype.h"

#include <QPointer>

class DpViewToolBar;

class OKExportBar;
class OKSettingBar;
class ProcedureBar;
class QaExportBar;
class QaSettingBar;
class QDockWidget;
class QToolBar;

// The processing side of the main window: the view tool bar at the left (its
// map button opens the background-map popup), and the one-key, QA, export and
// procedure bars in a dock at the right. Each request of those bars has its own
// slot, which for now tells the operator that this host does not run it yet;
// the work that does run it replaces exactly that slot.
//
// The view's own tools (zoom, pan, fit, selection, delete), the chosen map
// and the one-key bar's output-area tools are the survey view's to answer:
// WorkspaceGlue takes the bars from the accessors below, connects them to the
// view and tells the bars which tool and which map are current.
class BarsModule : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("bars"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

    // Null until installed.
    DpViewToolBar* ViewToolBar() const { return m_view; }
    OKSettingBar* OneKeyBar() const { return m_oneKey; }
    OKExportBar* OneKeyExportBar() const { return m_oneKeyExport; }
    QaSettingBar* QaBar() const { return m_qa; }
    QaExportBar* QaExport() const { return m_qaExport; }
    ProcedureBar* Procedures() const { return m_procedures; }
    QDockWidget* Dock() const { return m_dock; }
    QToolBar* ViewToolBarHolder() const { return m_viewHolder; }
    // The background map chosen last; MAP_NONE at start.
    MapType CurrentMap() const { return m_map; }
    // The background-map popup while it is open, else null.
    MapToolBar* MapPopup() const { return m_popup; }

Q_SIGNALS:
    // The operator chose a background map (MAP_NONE: none); the view fetches
    // its tiles from kvui::TileUrlTemplate(type).
    void MapChosen(MapType type);
    // The one-key bar's output-area tools: draw a boundary with tool 200
    // (rectangle) or 201 (polygon), or clear it. The view draws it and tells
    // the bar its current tool through OneKeyBar()->UpdateCheckStatus.
    void OutputAreaRequested(int tool);
    void OutputAreaCleared();

public Q_SLOTS:
    // Opens the background-map popup at the global point (x, y), showing the
    // current map.
    void OpenMapPopup(int x, int y);
    void ChooseMap(MapType type);

    // One-key bar.
    void RunOneKey();
    void SelectOutputRect();
    void SelectOutputPolygon();
    void SelectOutputClear();
    void ResetOneKeyPositions();
    // One-key exports.
    void ExportSSK();
    void ExportInpho();
    void ExportPatB();
    void ExportOneKeyPOS();
    void ExportPhotoMod();
    void ExportContextCapture();
    // Quality assessment.
    void RunQA();
    void ShowQAReport();
    void ResetQAPositions();
    void ExportQAReport();
    void ExportQuickDOM();
    void ExportQAPOS();
    // Procedures.
    void RunMatching();
    void RunOptimize();
    void RunBA();
    void ShowModelReport();
    void RunQuickDSM();

private:
    // The message of every request this host does not run yet.
    void TellNotRun(const QString& message);

    KvMainWindow* m_window = nullptr;
    DpViewToolBar* m_view = nullptr;
    QToolBar* m_viewHolder = nullptr;
    OKSettingBar* m_oneKey = nullptr;
    OKExportBar* m_oneKeyExport = nullptr;
    QaSettingBar* m_qa = nullptr;
    QaExportBar* m_qaExport = nullptr;
    ProcedureBar* m_procedures = nullptr;
    QDockWidget* m_dock = nullptr;
    QPointer<MapToolBar> m_popup;
    MapType m_map = MAP_NONE;
};
