#pragma once

#include "host/footprint.h"

#include <QGraphicsView>
#include <QHash>
#include <QImage>
#include <QPolygonF>
#include <QVector>
#include <memory>
#include <vector>

class QTimer;
class TileLayer;

namespace kvkernel {
class AISContext;
}
namespace kvmath {
class GeoPrj;
}

// The 2-D map of the open project: GPS positions, image footprints on the
// mean-elevation plane, ids, thumbnails, flight lines, links between
// overlapping images and attitude warnings, over an optional background map.
//
// The project's per-image flags (selected, enabled, visible) are the one
// source of truth: the view reads them in Refresh(), writes them when the
// operator selects or deletes, and then emits FlagsChanged(). A geographic
// project (WGS84 longitude and latitude) is shown in the UTM zone of its
// images; so are positions of a projected system that are plainly longitude
// and latitude (no projected system of the catalogue has an easting within
// +-180 m). "Map" coordinates below are the shown system's easting and
// northing in metres; "project" coordinates are the project's own.
//
// The images are painted from arrays with a grid index rather than one
// graphics item each, so a project of 100,000 images stays responsive; ids,
// thumbnails and links are left out while too many images are in sight to
// read them.
class SurveyView : public QGraphicsView
{
    Q_OBJECT

public:
    // The tool codes of the view and output-area tool bars.
    enum Tool : int {
        ToolPan = 0,
        ToolZoomIn = 1,
        ToolZoomOut = 2,
        ToolSelectOne = 100,
        ToolSelectRect = 101,
        ToolSelectPolygon = 102,
        ToolBoundaryRect = 200,
        ToolBoundaryPolygon = 201,
    };
    enum Layer : int {
        LayerGps = 1,
        LayerFootprint = 2,
        LayerImageId = 4,
        LayerImage = 8,
        LayerFlightLine = 16,
        LayerLink = 32,
        LayerImu = 64,
    };
    // How an image is drawn, from its flags; hidden wins over the others.
    enum class Look { None, Normal, Selected, Disabled, Hidden };
    // Attitude warning of an image: roll (omega) or pitch (phi) beyond the
    // low or the high threshold.
    enum class ImuLevel { Ok, Low, High };

    explicit SurveyView(QWidget* parent = nullptr);
    ~SurveyView() override;

    // The project to show; null shows nothing. The view keeps the pointer and
    // reads it on every Reload and Refresh; the caller keeps it alive.
    void SetContext(kvkernel::AISContext* context);
    kvkernel::AISContext* Context() const { return m_context; }
    // Reads positions, cameras and flags again (images added, moved or
    // removed) and fits the view the first time there is something to show.
    void Reload();
    // Redraws from the project's flags; images removed since are dropped.
    void Refresh();

    // The display bar's switches. Defaults: GPS, footprints and ids on.
    void ShowGPS(bool on) { SetLayer(LayerGps, on); }
    void ShowFootprint(bool on) { SetLayer(LayerFootprint, on); }
    void ShowImageId(bool on) { SetLayer(LayerImageId, on); }
    void ShowImage(bool on) { SetLayer(LayerImage, on); }
    void ShowFlightLine(bool on) { SetLayer(LayerFlightLine, on); }
    void ShowLink(bool on) { SetLayer(LayerLink, on); }
    void ShowIMU(bool on) { SetLayer(LayerImu, on); }
    void SetLayer(Layer layer, bool on);
    bool IsLayerShown(Layer layer) const { return (m_layers & layer) != 0; }
    // Roll low, pitch low, roll high, pitch high, in radians (as the display
    // bar's GetThreshold gives them).
    void SetImuThresholds(const double radians[4]);
    // A picture of the image to draw inside its footprint instead of reading
    // one from the image file.
    void SetThumbnail(int image, const QImage& thumbnail);
    // The picture drawn in the image's footprint, given or read; null when none.
    QImage Thumbnail(int image) const { return m_thumbnails.value(image); }

    void SetTool(int tool);
    int CurrentTool() const { return m_tool; }
    void ZoomIn();
    void ZoomOut();
    // Shows every image with a position (the boundary too, when there is one).
    void Fit();

    // Selection in map coordinates: images whose position lies inside
    // (hidden images and those without a position are never selected).
    // add keeps the earlier selection. Each writes the flags and emits
    // FlagsChanged() when something changed.
    void SelectInRect(const QRectF& mapRect, bool add = false);
    void SelectInPolygon(const QPolygonF& mapPolygon, bool add = false);
    // The image under a map point: the last footprint holding it, else the
    // nearest position within a few pixels; none clears the selection.
    void SelectAt(const QPointF& mapPoint, bool add = false);
    // Asks the operator, then removes the selected images from the project.
    // False when nothing was selected or the operator said no.
    bool DeleteSelected();
    // Enables or disables (shows or hides) the selected images in the project
    // and emits FlagsChanged(); false when nothing is selected. A right click
    // on the map offers these and Delete.
    bool EnableSelected(bool on);
    bool ShowSelected(bool on);

    // The output-area boundary drawn with the boundary tools, in project
    // coordinates (longitude, latitude for a geographic project); empty when
    // there is none.
    QVector<QPointF> Boundary() const;
    void SetBoundary(const QVector<QPointF>& projectPoints);
    void ClearBoundary();

    // Background map: an XYZ URL template ("http://host/tiles/sat/{z}/{x}/{y}.png");
    // empty draws none.
    void SetTileUrlTemplate(const QString& urlTemplate);
    // The map tool bar's choice: 0 no map, 1 to 4 its four layers, fetched
    // from the web service's /tiles/<layer>/{z}/{x}/{y}.png. Other values
    // change nothing.
    void SetMapType(int type);
    int MapType() const { return m_mapType; }
    static QString MapLayer(int type);
    TileLayer* Tiles() const { return m_tiles; }

    // What the view holds, for the host and the tests.
    int ImageCount() const { return int(m_items.size()); }
    bool HasPosition(int image) const;
    bool HasFootprint(int image) const;
    // Map coordinates; empty or null point when the image has none.
    QPolygonF FootprintOf(int image) const;
    QPointF PositionOf(int image) const;
    Look LookOf(int image) const;
    ImuLevel ImuLevelOf(int image) const;
    // Index pairs of the images whose footprints overlap, lower index first.
    std::vector<std::pair<int, int>> Links();
    // Scene and map coordinates (the scene has y downwards and its origin near
    // the survey, which keeps painting precise).
    QPointF MapToScene(const QPointF& map) const;
    QPointF SceneToMap(const QPointF& scene) const;
    // Map to project coordinates and back (the same unless the project is
    // geographic); false where the point cannot be transformed.
    bool MapToProject(const QPointF& map, QPointF& project) const;
    bool ProjectToMap(const QPointF& project, QPointF& map) const;

Q_SIGNALS:
    void MapTypeChanged(int type);
    // The view changed the project's flags or removed images.
    void FlagsChanged();
    void ToolChanged(int tool);
    // A boundary was drawn (or cleared), in project coordinates.
    void BoundaryChanged(const QVector<QPointF>& projectPoints);

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum ItemFlag : quint8 {
        HasPos = 1,
        HasFoot = 2,
        Enabled = 4,
        Visible = 8,
        Selected = 16,
        Removed = 32,
    };
    // One image as painted: positions relative to the scene origin, y down.
    struct Item
    {
        float x = 0.f, y = 0.f;
        float corners[8] = {};
        float omega = 0.f, phi = 0.f;
        qint32 flight = 0;
        quint8 flags = 0;
        quint8 imu = 0;
    };

    void SetupProjection();
    bool ToMap(double x, double y, QPointF& map) const;
    void BuildGrid();
    // Indices of the images whose bounds meet the scene rectangle.
    void Query(const QRectF& scene, std::vector<int>& out) const;
    QRectF ItemBounds(const Item& item) const;
    QRectF SceneBounds() const;
    void ReadFlags();
    void UpdateImu();
    // Writes selected flags: exactly ids (or ids added to the old ones).
    void ApplySelection(const std::vector<int>& ids, bool add);
    void ZoomBy(double factor, const QPointF& sceneAnchor);
    double MaxScale() const;
    void LoadSomeThumbnails();
    void FinishBoundary();
    bool SetSelectedFlag(bool enable, bool on);
    void ShowContextMenu(const QPoint& globalPos);
    QPolygonF ScenePolygon(const Item& item) const;

    kvkernel::AISContext* m_context = nullptr;
    std::vector<Item> m_items;
    std::vector<std::vector<int>> m_flightLines;
    std::vector<std::pair<int, int>> m_links;
    bool m_linksValid = false;
    QPointF m_origin; // map coordinates of the scene origin
    QRectF m_bounds;  // scene bounds of what has a position
    bool m_fitted = false;

    // Grid index over item bounds (cells in compressed rows).
    QRectF m_gridRect;
    double m_cell = 1.0;
    int m_gridW = 0, m_gridH = 0;
    std::vector<int> m_cellStart;
    std::vector<int> m_cellItems;
    mutable std::vector<quint32> m_stamp;
    mutable quint32 m_stampValue = 0;

    // Project <-> map transformation when the project is geographic or has a
    // projected system (the background map needs WGS84 either way).
    std::unique_ptr<kvmath::GeoPrj> m_toMap;     // project -> map
    std::unique_ptr<kvmath::GeoPrj> m_toProject; // map -> project
    std::unique_ptr<kvmath::GeoPrj> m_fromWgs;   // WGS84 -> map
    std::unique_ptr<kvmath::GeoPrj> m_toWgs;     // map -> WGS84
    bool m_projectIsDegrees = false;

    int m_layers = LayerGps | LayerFootprint | LayerImageId;
    double m_imu[4]
        = {0.08726646259971647, 0.08726646259971647, 3.141592653589793, 3.141592653589793};
    int m_tool = ToolPan;

    QHash<int, QImage> m_thumbnails;
    QHash<int, bool> m_thumbnailTried;
    QTimer* m_thumbnailTimer = nullptr;

    // Mouse gestures, in scene coordinates.
    bool m_dragging = false;
    QPoint m_pressPos;
    QPointF m_pressScene;
    QPointF m_currentScene;
    QPolygonF m_lasso;    // polygon being drawn (selection or boundary)
    QPolygonF m_boundary; // map coordinates
    TileLayer* m_tiles = nullptr;
    int m_mapType = 0;
};
