#include "host/surveyview.h"

#include "framework/kvmessagebox.h"
#include "framework/kvservice.h"
#include "framework/kvshared.h"
#include "host/tilelayer.h"
#include "kvfd/coordinateinfo.h"
#include "kvkernel/aiscontext.h"
#include "kvmath/geoprj.h"
#include "map/maptiles.h"

#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

const char* const kDeleteQuestion = QT_TRANSLATE_NOOP("kvui", "是否删除选中的影像？");

constexpr double kPi = 3.14159265358979323846;
// Farther than this from the origin a coordinate is taken as garbage: no
// survey spans ten thousand kilometres.
constexpr double kMaxCoordinate = 1e8;
constexpr int kWgs84 = 4326;
// Above these many images in sight the view leaves out what cannot be read.
constexpr int kMaxIds = 1500;
constexpr int kMaxThumbnails = 600;
constexpr int kMaxLinks = 4000;
constexpr int kMaxRoundMarks = 5000;
constexpr int kThumbnailSide = 256;
// Zoom limits in pixels per metre.
constexpr double kMinScale = 1e-5;
constexpr double kMaxScale = 200.0;

double NormalAngle(double a)
{
    if (!std::isfinite(a))
        return 0.0;
    a = std::fmod(a, 2.0 * kPi);
    if (a > kPi)
        a -= 2.0 * kPi;
    else if (a < -kPi)
        a += 2.0 * kPi;
    return std::fabs(a);
}

// Separating-axis test of two convex quads.
bool QuadsOverlap(const float* a, const float* b)
{
    const float* quads[2] = {a, b};
    for (const float* q : quads) {
        for (int i = 0; i < 4; ++i) {
            const int j = (i + 1) % 4;
            const double nx = -(q[2 * j + 1] - q[2 * i + 1]);
            const double ny = q[2 * j] - q[2 * i];
            double minA = 1e300, maxA = -1e300, minB = 1e300, maxB = -1e300;
            for (int k = 0; k < 4; ++k) {
                const double pa = nx * a[2 * k] + ny * a[2 * k + 1];
                const double pb = nx * b[2 * k] + ny * b[2 * k + 1];
                minA = std::min(minA, pa);
                maxA = std::max(maxA, pa);
                minB = std::min(minB, pb);
                maxB = std::max(maxB, pb);
            }
            if (maxA < minB || maxB < minA)
                return false;
        }
    }
    return true;
}

QString ShortName(const std::string& name)
{
    const QString text = String2QString(name);
    const int dot = text.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? text.left(dot) : text;
}

kvfd::CoordinateInfo Utm(int zone, bool north)
{
    kvfd::CoordinateInfo info;
    info.type = kvfd::CT_WGS84_UTM;
    info.id = (north ? 32600 : 32700) + zone;
    info.definition = "EPSG:" + std::to_string(info.id);
    return info;
}

kvfd::CoordinateInfo Wgs84()
{
    kvfd::CoordinateInfo info = kvfd::CoordinateInfoSet().GetWGS84();
    if (info.definition.empty())
        info.definition = "EPSG:4326";
    return info;
}

} // namespace

SurveyView::SurveyView(QWidget* parent)
    : QGraphicsView(parent)
    , m_thumbnailTimer(new QTimer(this))
    , m_tiles(new TileLayer(this))
{
    setObjectName(QStringLiteral("kv_survey_view"));
    setScene(new QGraphicsScene(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::AnchorViewCenter);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setCacheMode(QGraphicsView::CacheNone);
    setBackgroundBrush(QColor(246, 246, 242));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
    m_thumbnailTimer->setInterval(0);
    m_thumbnailTimer->setSingleShot(true);
    connect(m_thumbnailTimer, &QTimer::timeout, this, &SurveyView::LoadSomeThumbnails);
    connect(m_tiles, &TileLayer::TileReady, viewport(), qOverload<>(&QWidget::update));
}

SurveyView::~SurveyView() = default;

void SurveyView::SetContext(kvkernel::AISContext* context)
{
    m_context = context;
    m_fitted = false;
    m_boundary.clear();
    m_lasso.clear();
    m_thumbnails.clear();
    m_thumbnailTried.clear();
    Reload();
}

// ---------------------------------------------------------------------------
// Geometry

void SurveyView::SetupProjection()
{
    m_toMap.reset();
    m_toProject.reset();
    m_fromWgs.reset();
    m_toWgs.reset();
    m_projectIsDegrees = false;
    if (!m_context)
        return;
    const int id = m_context->GetPrjInfo().coordinateId;
    kvfd::CoordinateInfo system;
    const bool known
        = id != -1 && kvfd::CoordinateInfoSet::Catalogue().GetCoordinateByID(id, system);
    const kvfd::ImageInfoSet& images = m_context->GetImageInfoSet();

    // Longitude and latitude: the project says so, or its positions do.
    double lonSum = 0.0, latSum = 0.0;
    int count = 0;
    bool allDegrees = true;
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfo* image = images.GetImage(i);
        if (!image)
            continue;
        const kvfd::EOP& e = image->GetEOP();
        if (!std::isfinite(e.X) || !std::isfinite(e.Y) || (e.X == 0.0 && e.Y == 0.0))
            continue;
        if (std::fabs(e.X) > 180.0 || std::fabs(e.Y) > 90.0) {
            allDegrees = false;
            continue;
        }
        lonSum += e.X;
        latSum += e.Y;
        ++count;
    }
    m_projectIsDegrees = id == kWgs84 || (known && allDegrees && count > 0);
    if (m_projectIsDegrees) {
        const double lon = count ? lonSum / count : 0.0;
        const double lat = count ? latSum / count : 0.0;
        const int zone = std::max(1, std::min(60, int(std::floor((lon + 180.0) / 6.0)) + 1));
        const kvfd::CoordinateInfo utm = Utm(zone, lat >= 0.0);
        m_toMap = std::make_unique<kvmath::GeoPrj>();
        m_toProject = std::make_unique<kvmath::GeoPrj>();
        if (!m_toMap->Create(Wgs84(), utm) || !m_toProject->Create(utm, Wgs84())) {
            m_toMap.reset();
            m_toProject.reset();
            return;
        }
        m_fromWgs = std::make_unique<kvmath::GeoPrj>();
        m_toWgs = std::make_unique<kvmath::GeoPrj>();
        m_fromWgs->Create(Wgs84(), utm);
        m_toWgs->Create(utm, Wgs84());
    } else if (known) {
        m_fromWgs = std::make_unique<kvmath::GeoPrj>();
        m_toWgs = std::make_unique<kvmath::GeoPrj>();
        if (!m_fromWgs->Create(Wgs84(), system) || !m_toWgs->Create(system, Wgs84())) {
            m_fromWgs.reset();
            m_toWgs.reset();
        }
    }
}

bool SurveyView::ToMap(double x, double y, QPointF& map) const
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    if (m_projectIsDegrees) {
        if (!m_toMap || std::fabs(x) > 180.0 || std::fabs(y) > 90.0)
            return false;
        double z = 0.0;
        if (!m_toMap->Transform(x, y, z))
            return false;
    }
    if (std::fabs(x) > kMaxCoordinate || std::fabs(y) > kMaxCoordinate)
        return false;
    map = QPointF(x, y);
    return true;
}

bool SurveyView::MapToProject(const QPointF& map, QPointF& project) const
{
    double x = map.x(), y = map.y(), z = 0.0;
    if (m_projectIsDegrees && (!m_toProject || !m_toProject->Transform(x, y, z)))
        return false;
    project = QPointF(x, y);
    return true;
}

bool SurveyView::ProjectToMap(const QPointF& project, QPointF& map) const
{
    return ToMap(project.x(), project.y(), map);
}

QPointF SurveyView::MapToScene(const QPointF& map) const
{
    return QPointF(map.x() - m_origin.x(), m_origin.y() - map.y());
}

QPointF SurveyView::SceneToMap(const QPointF& scene) const
{
    return QPointF(scene.x() + m_origin.x(), m_origin.y() - scene.y());
}

void SurveyView::Reload()
{
    SetupProjection();
    m_items.clear();
    m_flightLines.clear();
    m_links.clear();
    m_linksValid = false;
    m_bounds = QRectF();
    if (!m_context) {
        BuildGrid();
        viewport()->update();
        return;
    }
    const kvfd::ImageInfoSet& images = m_context->GetImageInfoSet();
    const kvfd::CameraInfoSet& cameras = m_context->GetCameraInfoSet();
    const double ground = m_context->GetPrjInfo().meanElevation;
    const int n = std::max(0, images.Size());
    m_items.resize(std::size_t(n));
    std::vector<QPointF> maps(static_cast<std::size_t>(n));
    bool originSet = false;
    for (int i = 0; i < n; ++i) {
        Item& item = m_items[std::size_t(i)];
        const kvfd::ImageInfo* image = images.GetImage(i);
        if (!image) {
            item.flags = Removed;
            continue;
        }
        const kvfd::EOP& e = image->GetEOP();
        const bool unset = e.X == 0.0 && e.Y == 0.0 && e.Z == 0.0;
        QPointF map;
        if (unset || !std::isfinite(e.Z) || !ToMap(e.X, e.Y, map))
            continue;
        maps[std::size_t(i)] = map;
        item.flags |= HasPos;
        if (!originSet) {
            // Whole metres keep the scene's numbers exact for any zoom.
            m_origin = QPointF(std::round(map.x()), std::round(map.y()));
            originSet = true;
        }
    }
    for (int i = 0; i < n; ++i) {
        Item& item = m_items[std::size_t(i)];
        if (!(item.flags & HasPos))
            continue;
        const kvfd::ImageInfo* image = images.GetImage(i);
        const kvfd::EOP& e = image->GetEOP();
        const QPointF scene = MapToScene(maps[std::size_t(i)]);
        item.x = float(scene.x());
        item.y = float(scene.y());
        item.omega = float(e.Omega);
        item.phi = float(e.Phi);
        kvfd::EOP onMap = e;
        onMap.X = maps[std::size_t(i)].x();
        onMap.Y = maps[std::size_t(i)].y();
        const kvfd::CameraInfo* camera = cameras.GetCamera(image->GetCamera());
        kvhost::Footprint::Corners corners;
        if (camera && kvhost::Footprint::Compute(onMap, *camera, ground, corners)) {
            for (int k = 0; k < 4; ++k) {
                const QPointF c
                    = MapToScene(QPointF(corners[std::size_t(k)][0], corners[std::size_t(k)][1]));
                item.corners[2 * k] = float(c.x());
                item.corners[2 * k + 1] = float(c.y());
            }
            item.flags |= HasFoot;
        }
        m_bounds |= ItemBounds(item);
    }
    ReadFlags();
    UpdateImu();

    // Flight lines: the images of each flight in their order in the project.
    std::vector<std::pair<int, int>> byFlight;
    for (int i = 0; i < n; ++i) {
        if (m_items[std::size_t(i)].flags & HasPos)
            byFlight.emplace_back(m_items[std::size_t(i)].flight, i);
    }
    std::stable_sort(byFlight.begin(), byFlight.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 0; k < byFlight.size(); ++k) {
        if (k == 0 || byFlight[k].first != byFlight[k - 1].first)
            m_flightLines.emplace_back();
        m_flightLines.back().push_back(byFlight[k].second);
    }

    BuildGrid();
    // Room to pan well past the survey; the scroll bars carry the view.
    const QRectF b = SceneBounds();
    const double margin = std::max({1e5, b.width() * 5.0, b.height() * 5.0});
    setSceneRect(b.adjusted(-margin, -margin, margin, margin));
    m_tiles->SetProjection(
        [this](double lon, double lat, double& x, double& y) {
            if (!m_fromWgs)
                return false;
            double z = 0.0;
            if (!m_fromWgs->Transform(lon, lat, z))
                return false;
            const QPointF s = MapToScene(QPointF(lon, lat));
            x = s.x();
            y = s.y();
            return true;
        },
        [this](double x, double y, double& lon, double& lat) {
            if (!m_toWgs)
                return false;
            const QPointF m = SceneToMap(QPointF(x, y));
            double mx = m.x(), my = m.y(), z = 0.0;
            if (!m_toWgs->Transform(mx, my, z))
                return false;
            lon = mx;
            lat = my;
            return true;
        });
    if (!m_fitted && m_bounds.isValid()) {
        Fit();
        m_fitted = true;
    }
    viewport()->update();
}

QRectF SurveyView::ItemBounds(const Item& item) const
{
    if (item.flags & HasFoot) {
        float x0 = item.corners[0], x1 = x0, y0 = item.corners[1], y1 = y0;
        for (int k = 1; k < 4; ++k) {
            x0 = std::min(x0, item.corners[2 * k]);
            x1 = std::max(x1, item.corners[2 * k]);
            y0 = std::min(y0, item.corners[2 * k + 1]);
            y1 = std::max(y1, item.corners[2 * k + 1]);
        }
        x0 = std::min(x0, item.x);
        x1 = std::max(x1, item.x);
        y0 = std::min(y0, item.y);
        y1 = std::max(y1, item.y);
        return QRectF(QPointF(x0, y0), QPointF(x1, y1));
    }
    // A point: a tiny rectangle, so that united bounds include it.
    return QRectF(item.x - 1e-3, item.y - 1e-3, 2e-3, 2e-3);
}

QRectF SurveyView::SceneBounds() const
{
    QRectF b = m_bounds;
    for (const QPointF& p : m_boundary) {
        const QPointF s = MapToScene(p);
        b |= QRectF(s.x() - 1e-3, s.y() - 1e-3, 2e-3, 2e-3);
    }
    if (!b.isValid())
        return QRectF(-50, -50, 100, 100);
    if (b.width() < 100 || b.height() < 100) {
        const QPointF c = b.center();
        const double side = std::max({100.0, b.width(), b.height()});
        b = QRectF(c.x() - side / 2, c.y() - side / 2, side, side);
    }
    return b;
}

void SurveyView::BuildGrid()
{
    m_cellStart.clear();
    m_cellItems.clear();
    m_stamp.assign(m_items.size(), 0);
    m_stampValue = 0;
    m_gridW = m_gridH = 0;
    if (!m_bounds.isValid())
        return;
    m_gridRect = m_bounds;
    int placed = 0;
    for (const Item& item : m_items)
        placed += (item.flags & HasPos) ? 1 : 0;
    const double area = std::max(1.0, m_gridRect.width() * m_gridRect.height());
    m_cell = std::max(1e-3, std::sqrt(area / std::max(1.0, placed / 2.0)));
    m_gridW = std::max(1, std::min(4096, int(std::ceil(m_gridRect.width() / m_cell)) + 1));
    m_gridH = std::max(1, std::min(4096, int(std::ceil(m_gridRect.height() / m_cell)) + 1));
    m_cell = std::max(
        {m_cell, m_gridRect.width() / (m_gridW - 0.5), m_gridRect.height() / (m_gridH - 0.5)});
    std::vector<int> counts(std::size_t(m_gridW) * m_gridH + 1, 0);
    const auto cellRange = [&](const Item& item, int& cx0, int& cy0, int& cx1, int& cy1) {
        const QRectF r = ItemBounds(item);
        cx0 = std::max(0, std::min(m_gridW - 1, int((r.left() - m_gridRect.left()) / m_cell)));
        cx1 = std::max(0, std::min(m_gridW - 1, int((r.right() - m_gridRect.left()) / m_cell)));
        cy0 = std::max(0, std::min(m_gridH - 1, int((r.top() - m_gridRect.top()) / m_cell)));
        cy1 = std::max(0, std::min(m_gridH - 1, int((r.bottom() - m_gridRect.top()) / m_cell)));
    };
    for (const Item& item : m_items) {
        if (!(item.flags & HasPos))
            continue;
        int cx0, cy0, cx1, cy1;
        cellRange(item, cx0, cy0, cx1, cy1);
        for (int cy = cy0; cy <= cy1; ++cy)
            for (int cx = cx0; cx <= cx1; ++cx)
                ++counts[std::size_t(cy) * m_gridW + cx + 1];
    }
    for (std::size_t c = 1; c < counts.size(); ++c)
        counts[c] += counts[c - 1];
    m_cellStart = counts;
    m_cellItems.assign(std::size_t(counts.back()), 0);
    std::vector<int> fill(counts.begin(), counts.end() - 1);
    for (int i = 0; i < int(m_items.size()); ++i) {
        const Item& item = m_items[std::size_t(i)];
        if (!(item.flags & HasPos))
            continue;
        int cx0, cy0, cx1, cy1;
        cellRange(item, cx0, cy0, cx1, cy1);
        for (int cy = cy0; cy <= cy1; ++cy)
            for (int cx = cx0; cx <= cx1; ++cx)
                m_cellItems[std::size_t(fill[std::size_t(cy) * m_gridW + cx]++)] = i;
    }
}

void SurveyView::Query(const QRectF& scene, std::vector<int>& out) const
{
    out.clear();
    // A new stamp even for an empty answer: the painter reads the stamps as
    // "in sight".
    if (++m_stampValue == 0) {
        std::fill(m_stamp.begin(), m_stamp.end(), 0);
        m_stampValue = 1;
    }
    const double edges[] = {scene.left(), scene.right(), scene.top(), scene.bottom()};
    for (double edge : edges) {
        if (!std::isfinite(edge))
            return;
    }
    if (m_gridW == 0 || !scene.intersects(m_gridRect.adjusted(-1, -1, 1, 1)))
        return;
    // Clamped as doubles: a far rectangle must not overflow the cell numbers.
    const auto cell = [this](double offset, int cells) {
        return int(std::max(0.0, std::min(double(cells - 1), std::floor(offset / m_cell))));
    };
    const int cx0 = cell(scene.left() - m_gridRect.left(), m_gridW);
    const int cx1 = cell(scene.right() - m_gridRect.left(), m_gridW);
    const int cy0 = cell(scene.top() - m_gridRect.top(), m_gridH);
    const int cy1 = cell(scene.bottom() - m_gridRect.top(), m_gridH);
    for (int cy = cy0; cy <= cy1; ++cy) {
        for (int cx = cx0; cx <= cx1; ++cx) {
            const std::size_t at = std::size_t(cy) * m_gridW + cx;
            for (int k = m_cellStart[at]; k < m_cellStart[at + 1]; ++k) {
                const int i = m_cellItems[std::size_t(k)];
                if (m_stamp[std::size_t(i)] == m_stampValue)
                    continue;
                m_stamp[std::size_t(i)] = m_stampValue;
                out.push_back(i);
            }
        }
    }
    std::sort(out.begin(), out.end());
}

void SurveyView::ReadFlags()
{
    if (!m_context)
        return;
    const kvfd::ImageInfoSet& images = m_context->GetImageInfoSet();
    for (int i = 0; i < int(m_items.size()); ++i) {
        Item& item = m_items[std::size_t(i)];
        const kvfd::ImageInfoExt* ext = images.GetImageExt(i);
        if (!ext || !images.GetImage(i)) {
            item.flags = Removed;
            continue;
        }
        quint8 flags = item.flags & (HasPos | HasFoot);
        if (ext->enabled)
            flags |= Enabled;
        if (ext->visible)
            flags |= Visible;
        if (ext->selected)
            flags |= Selected;
        item.flags = flags;
        item.flight = ext->flight;
    }
}

void SurveyView::UpdateImu()
{
    for (Item& item : m_items) {
        const double roll = NormalAngle(item.omega);
        const double pitch = NormalAngle(item.phi);
        if (roll > m_imu[2] || pitch > m_imu[3])
            item.imu = 2;
        else if (roll > m_imu[0] || pitch > m_imu[1])
            item.imu = 1;
        else
            item.imu = 0;
    }
}

void SurveyView::Refresh()
{
    if (!m_context || m_context->GetImageInfoSet().Size() != int(m_items.size())) {
        Reload();
        return;
    }
    const std::size_t before = std::count_if(m_items.begin(), m_items.end(),
                                             [](const Item& i) { return i.flags & Removed; });
    ReadFlags();
    const std::size_t after = std::count_if(m_items.begin(), m_items.end(),
                                            [](const Item& i) { return i.flags & Removed; });
    if (after != before) {
        // Removed images leave the grid, the flight lines and the links.
        Reload();
        return;
    }
    viewport()->update();
}

// ---------------------------------------------------------------------------
// Queries

bool SurveyView::HasPosition(int image) const
{
    return image >= 0 && image < ImageCount() && (m_items[std::size_t(image)].flags & HasPos);
}

bool SurveyView::HasFootprint(int image) const
{
    return image >= 0 && image < ImageCount() && (m_items[std::size_t(image)].flags & HasFoot);
}

QPolygonF SurveyView::FootprintOf(int image) const
{
    QPolygonF polygon;
    if (!HasFootprint(image))
        return polygon;
    const Item& item = m_items[std::size_t(image)];
    for (int k = 0; k < 4; ++k)
        polygon << SceneToMap(QPointF(item.corners[2 * k], item.corners[2 * k + 1]));
    return polygon;
}

QPointF SurveyView::PositionOf(int image) const
{
    if (!HasPosition(image))
        return QPointF();
    const Item& item = m_items[std::size_t(image)];
    return SceneToMap(QPointF(item.x, item.y));
}

SurveyView::Look SurveyView::LookOf(int image) const
{
    if (image < 0 || image >= ImageCount())
        return Look::None;
    const quint8 f = m_items[std::size_t(image)].flags;
    if ((f & Removed) || !(f & HasPos))
        return Look::None;
    if (!(f & Visible))
        return Look::Hidden;
    if (f & Selected)
        return Look::Selected;
    if (!(f & Enabled))
        return Look::Disabled;
    return Look::Normal;
}

SurveyView::ImuLevel SurveyView::ImuLevelOf(int image) const
{
    if (!HasPosition(image))
        return ImuLevel::Ok;
    return ImuLevel(m_items[std::size_t(image)].imu);
}

std::vector<std::pair<int, int>> SurveyView::Links()
{
    if (m_linksValid)
        return m_links;
    m_links.clear();
    std::vector<int> near;
    for (int i = 0; i < ImageCount(); ++i) {
        const Item& a = m_items[std::size_t(i)];
        if (!(a.flags & HasFoot) || (a.flags & Removed))
            continue;
        Query(ItemBounds(a), near);
        for (int j : near) {
            if (j <= i)
                continue;
            const Item& b = m_items[std::size_t(j)];
            if ((b.flags & HasFoot) && !(b.flags & Removed) && QuadsOverlap(a.corners, b.corners))
                m_links.emplace_back(i, j);
        }
    }
    m_linksValid = true;
    return m_links;
}

QPolygonF SurveyView::ScenePolygon(const Item& item) const
{
    QPolygonF polygon(4);
    for (int k = 0; k < 4; ++k)
        polygon[k] = QPointF(item.corners[2 * k], item.corners[2 * k + 1]);
    return polygon;
}

// ---------------------------------------------------------------------------
// Layers and tools

void SurveyView::SetLayer(Layer layer, bool on)
{
    m_layers = on ? (m_layers | layer) : (m_layers & ~int(layer));
    viewport()->update();
}

void SurveyView::SetImuThresholds(const double radians[4])
{
    for (int k = 0; k < 4; ++k)
        m_imu[k] = std::isfinite(radians[k]) ? std::fabs(radians[k]) : m_imu[k];
    UpdateImu();
    viewport()->update();
}

void SurveyView::SetThumbnail(int image, const QImage& thumbnail)
{
    if (thumbnail.isNull())
        m_thumbnails.remove(image);
    else
        m_thumbnails.insert(image, thumbnail);
    viewport()->update();
}

void SurveyView::SetTool(int tool)
{
    switch (tool) {
    case ToolPan:
    case ToolZoomIn:
    case ToolZoomOut:
    case ToolSelectOne:
    case ToolSelectRect:
    case ToolSelectPolygon:
    case ToolBoundaryRect:
    case ToolBoundaryPolygon:
        break;
    default:
        return;
    }
    m_lasso.clear();
    m_dragging = false;
    if (m_tool != tool) {
        m_tool = tool;
        Q_EMIT ToolChanged(tool);
    }
    viewport()->setCursor(tool == ToolPan ? Qt::OpenHandCursor : Qt::CrossCursor);
    viewport()->update();
}

double SurveyView::MaxScale() const
{
    // The scroll bars that carry the view count pixels in an int: the scene,
    // however wide its images are spread, must stay within that.
    const QRectF r = sceneRect();
    const double extent = std::max({1.0, r.width(), r.height()});
    return std::max(kMinScale, std::min(kMaxScale, 1.0e9 / extent));
}

void SurveyView::ZoomBy(double factor, const QPointF& sceneAnchor)
{
    const double scale = transform().m11();
    const double target = std::max(kMinScale, std::min(MaxScale(), scale * factor));
    factor = target / scale;
    if (!std::isfinite(factor) || factor == 1.0)
        return;
    const QPointF viewAnchor = mapFromScene(sceneAnchor);
    QTransform t;
    t.scale(target, target);
    setTransform(t);
    // Keep the anchor under the same pixel.
    const QPointF moved = mapFromScene(sceneAnchor);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value()
                                    + int(std::lround(moved.x() - viewAnchor.x())));
    verticalScrollBar()->setValue(verticalScrollBar()->value()
                                  + int(std::lround(moved.y() - viewAnchor.y())));
    viewport()->update();
}

void SurveyView::ZoomIn()
{
    ZoomBy(2.0, mapToScene(viewport()->rect().center()));
}

void SurveyView::ZoomOut()
{
    ZoomBy(0.5, mapToScene(viewport()->rect().center()));
}

void SurveyView::Fit()
{
    const QRectF b = SceneBounds();
    const QRectF target
        = b.adjusted(-b.width() * 0.05, -b.height() * 0.05, b.width() * 0.05, b.height() * 0.05);
    const QSize size = viewport()->size();
    if (size.isEmpty())
        return;
    double scale = std::min(size.width() / target.width(), size.height() / target.height());
    scale = std::max(kMinScale, std::min(MaxScale(), scale));
    QTransform t;
    t.scale(scale, scale);
    setTransform(t);
    centerOn(target.center());
    viewport()->update();
}

// ---------------------------------------------------------------------------
// Selection

void SurveyView::ApplySelection(const std::vector<int>& ids, bool add)
{
    if (!m_context)
        return;
    kvfd::ImageInfoSet& images = m_context->GetImageInfoSet();
    bool changed = false;
    if (!add) {
        for (int i = 0; i < images.Size(); ++i) {
            kvfd::ImageInfoExt* ext = images.GetImageExt(i);
            const bool want = false;
            if (ext && images.GetImage(i) && ext->selected != want) {
                ext->selected = want;
                changed = true;
            }
        }
    }
    for (int i : ids) {
        kvfd::ImageInfoExt* ext = images.GetImageExt(i);
        if (ext && images.GetImage(i) && !ext->selected) {
            ext->selected = true;
            changed = true;
        }
    }
    ReadFlags();
    viewport()->update();
    if (changed)
        Q_EMIT FlagsChanged();
}

void SurveyView::SelectInRect(const QRectF& mapRect, bool add)
{
    const QRectF r = mapRect.normalized();
    const QRectF scene = QRectF(MapToScene(r.topLeft()), MapToScene(r.bottomRight())).normalized();
    std::vector<int> near, ids;
    Query(scene, near);
    for (int i : near) {
        const Item& item = m_items[std::size_t(i)];
        if ((item.flags & Visible) && !(item.flags & Removed) && scene.contains(item.x, item.y))
            ids.push_back(i);
    }
    ApplySelection(ids, add);
}

void SurveyView::SelectInPolygon(const QPolygonF& mapPolygon, bool add)
{
    QPolygonF scene;
    for (const QPointF& p : mapPolygon) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            return;
        scene << MapToScene(p);
    }
    std::vector<int> near, ids;
    if (scene.size() >= 3) {
        Query(scene.boundingRect(), near);
        for (int i : near) {
            const Item& item = m_items[std::size_t(i)];
            if ((item.flags & Visible) && !(item.flags & Removed)
                && scene.containsPoint(QPointF(item.x, item.y), Qt::OddEvenFill))
                ids.push_back(i);
        }
    }
    ApplySelection(ids, add);
}

void SurveyView::SelectAt(const QPointF& mapPoint, bool add)
{
    const QPointF p = MapToScene(mapPoint);
    const double pixel = 1.0 / std::max(kMinScale, transform().m11());
    const double reach = 6.0 * pixel;
    std::vector<int> near;
    Query(QRectF(p.x() - reach, p.y() - reach, 2 * reach, 2 * reach), near);
    int best = -1;
    double bestDistance = reach;
    for (int i : near) {
        const Item& item = m_items[std::size_t(i)];
        if (!(item.flags & Visible) || (item.flags & Removed))
            continue;
        const double d = std::hypot(item.x - p.x(), item.y - p.y());
        if (d <= bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    if (best < 0) {
        for (auto it = near.rbegin(); it != near.rend(); ++it) {
            const Item& item = m_items[std::size_t(*it)];
            if ((item.flags & HasFoot) && (item.flags & Visible) && !(item.flags & Removed)
                && ScenePolygon(item).containsPoint(p, Qt::OddEvenFill)) {
                best = *it;
                break;
            }
        }
    }
    std::vector<int> ids;
    if (best >= 0)
        ids.push_back(best);
    ApplySelection(ids, add);
}

bool SurveyView::DeleteSelected()
{
    if (!m_context)
        return false;
    std::vector<int> ids;
    m_context->GetSelected(ids);
    if (ids.empty())
        return false;
    if (KvMessageBox::Show(kDeleteQuestion, KvMessageBox::BT_YES_NO) != KvMessageBox::BC_OK)
        return false;
    m_context->Remove(ids);
    for (int i : ids) {
        m_thumbnails.remove(i);
        m_thumbnailTried.remove(i);
    }
    Reload();
    Q_EMIT FlagsChanged();
    return true;
}

bool SurveyView::SetSelectedFlag(bool enable, bool on)
{
    if (!m_context)
        return false;
    std::vector<int> ids;
    m_context->GetSelected(ids);
    if (ids.empty())
        return false;
    if (enable)
        m_context->SetEnable(ids, on);
    else
        m_context->SetVisible(ids, on);
    ReadFlags();
    viewport()->update();
    Q_EMIT FlagsChanged();
    return true;
}

bool SurveyView::EnableSelected(bool on)
{
    return SetSelectedFlag(true, on);
}

bool SurveyView::ShowSelected(bool on)
{
    return SetSelectedFlag(false, on);
}

void SurveyView::ShowContextMenu(const QPoint& globalPos)
{
    std::vector<int> ids;
    if (m_context)
        m_context->GetSelected(ids);
    if (ids.empty())
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("kv_survey_menu"));
    menu.addAction(tr("Enable"), this, [this] { EnableSelected(true); });
    menu.addAction(tr("Disable"), this, [this] { EnableSelected(false); });
    menu.addAction(tr("Show"), this, [this] { ShowSelected(true); });
    menu.addAction(tr("Hide"), this, [this] { ShowSelected(false); });
    menu.addAction(tr("Delete"), this, &SurveyView::DeleteSelected);
    menu.exec(globalPos);
}

// ---------------------------------------------------------------------------
// Boundary

QVector<QPointF> SurveyView::Boundary() const
{
    QVector<QPointF> points;
    for (const QPointF& p : m_boundary) {
        QPointF project;
        if (!MapToProject(p, project))
            return {};
        points << project;
    }
    return points;
}

void SurveyView::SetBoundary(const QVector<QPointF>& projectPoints)
{
    QPolygonF boundary;
    for (const QPointF& p : projectPoints) {
        QPointF map;
        if (!ProjectToMap(p, map))
            return;
        boundary << map;
    }
    m_boundary = boundary.size() >= 3 ? boundary : QPolygonF();
    viewport()->update();
}

void SurveyView::ClearBoundary()
{
    const bool had = !m_boundary.isEmpty();
    m_boundary.clear();
    viewport()->update();
    if (had)
        Q_EMIT BoundaryChanged({});
}

void SurveyView::FinishBoundary()
{
    QPolygonF boundary;
    for (const QPointF& p : m_lasso)
        boundary << SceneToMap(p);
    m_lasso.clear();
    if (boundary.size() < 3 || boundary.boundingRect().isEmpty()) {
        viewport()->update();
        return;
    }
    m_boundary = boundary;
    viewport()->update();
    Q_EMIT BoundaryChanged(Boundary());
}

QString SurveyView::MapLayer(int type)
{
    return kvui::TileLayer(::MapType(type));
}

void SurveyView::SetMapType(int type)
{
    if (type < MAP_NONE || type > MAP_GOOGLE_SAT)
        return;
    // The library's templates: a template stored for the layer wins over the
    // web service's, and no map has none.
    SetTileUrlTemplate(kvui::TileUrlTemplate(::MapType(type)));
    if (type != m_mapType) {
        m_mapType = type;
        Q_EMIT MapTypeChanged(type);
    }
}

void SurveyView::SetTileUrlTemplate(const QString& urlTemplate)
{
    m_tiles->SetUrlTemplate(urlTemplate);
    viewport()->update();
}

// ---------------------------------------------------------------------------
// Painting

void SurveyView::drawBackground(QPainter* painter, const QRectF& rect)
{
    QGraphicsView::drawBackground(painter, rect);
    m_tiles->Paint(*painter, rect, 1.0 / std::max(kMinScale, transform().m11()));
}

void SurveyView::drawForeground(QPainter* painter, const QRectF& rect)
{
    std::vector<int> visible;
    Query(rect, visible);
    if ((m_layers & LayerLink) && !m_linksValid && int(visible.size()) <= kMaxLinks) {
        // Finding the links queries the grid too: ask again for what is in
        // sight, which the stamps below must mark.
        Links();
        Query(rect, visible);
    }
    const int count = int(visible.size());
    const QTransform toView = painter->worldTransform();
    painter->setRenderHint(QPainter::Antialiasing, count <= kMaxRoundMarks);

    // Thumbnails under everything else.
    if ((m_layers & LayerImage) && count <= kMaxThumbnails) {
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        bool missing = false;
        for (int i : visible) {
            const Item& item = m_items[std::size_t(i)];
            if (!(item.flags & HasFoot) || !(item.flags & Visible))
                continue;
            const auto found = m_thumbnails.constFind(i);
            if (found == m_thumbnails.constEnd()) {
                missing |= !m_thumbnailTried.contains(i);
                continue;
            }
            QPolygonF from(QRectF(0, 0, found->width(), found->height()));
            from.removeLast();
            QTransform t;
            if (!QTransform::quadToQuad(from, ScenePolygon(item), t))
                continue;
            painter->setWorldTransform(t * toView);
            painter->drawImage(0, 0, *found);
        }
        painter->setWorldTransform(toView);
        if (missing && !m_thumbnailTimer->isActive())
            m_thumbnailTimer->start();
    }

    // Footprints, grouped by look so each pen and brush is set once.
    if (m_layers & LayerFootprint) {
        struct Style
        {
            Look look;
            QPen pen;
            QBrush brush;
        };
        QPen normal(QColor(0, 130, 220), 1);
        QPen disabled(QColor(120, 120, 120), 1, Qt::DashLine);
        QPen selected(QColor(230, 50, 30), 2);
        QPen hidden(QColor(170, 170, 170, 140), 1, Qt::DotLine);
        for (QPen* pen : {&normal, &disabled, &selected, &hidden})
            pen->setCosmetic(true);
        const bool fill = !(m_layers & LayerImage);
        const Style styles[] = {
            {Look::Hidden, hidden, Qt::NoBrush},
            {Look::Disabled, disabled, fill ? QBrush(QColor(128, 128, 128, 50)) : Qt::NoBrush},
            {Look::Normal, normal, fill ? QBrush(QColor(0, 130, 220, 35)) : Qt::NoBrush},
            {Look::Selected, selected, QBrush(QColor(230, 50, 30, fill ? 60 : 30))},
        };
        QPolygonF polygon(4);
        for (const Style& style : styles) {
            painter->setPen(style.pen);
            painter->setBrush(style.brush);
            for (int i : visible) {
                const Item& item = m_items[std::size_t(i)];
                if (!(item.flags & HasFoot) || LookOf(i) != style.look)
                    continue;
                for (int k = 0; k < 4; ++k)
                    polygon[k] = QPointF(item.corners[2 * k], item.corners[2 * k + 1]);
                painter->drawPolygon(polygon);
            }
        }
    }

    if (m_layers & LayerFlightLine) {
        QPen pen(QColor(40, 160, 60), 1.5);
        pen.setCosmetic(true);
        painter->setPen(pen);
        // Only the legs with an end in sight: a whole block's lines reach far
        // outside a zoomed view, where the painter would still clip them.
        std::vector<QLineF> legs;
        for (const std::vector<int>& flight : m_flightLines) {
            int previous = -1;
            for (int i : flight) {
                if (m_items[std::size_t(i)].flags & Removed)
                    continue;
                if (previous >= 0
                    && (m_stamp[std::size_t(i)] == m_stampValue
                        || m_stamp[std::size_t(previous)] == m_stampValue)) {
                    const Item& a = m_items[std::size_t(previous)];
                    const Item& b = m_items[std::size_t(i)];
                    legs.emplace_back(a.x, a.y, b.x, b.y);
                }
                previous = i;
            }
        }
        painter->drawLines(legs.data(), int(legs.size()));
    }

    if ((m_layers & LayerLink) && count <= kMaxLinks && m_linksValid) {
        QPen pen(QColor(150, 90, 200, 160), 1);
        pen.setCosmetic(true);
        painter->setPen(pen);
        // m_stamp marks what Query found; a link is drawn once, from the end
        // that is in sight.
        std::vector<QLineF> lines;
        for (const auto& link : m_links) {
            const Item& a = m_items[std::size_t(link.first)];
            const Item& b = m_items[std::size_t(link.second)];
            if (m_stamp[std::size_t(link.first)] == m_stampValue
                || m_stamp[std::size_t(link.second)] == m_stampValue)
                lines.emplace_back(a.x, a.y, b.x, b.y);
        }
        painter->drawLines(lines.data(), int(lines.size()));
    }

    const double pixel = 1.0 / std::max(kMinScale, transform().m11());
    if (m_layers & LayerGps) {
        const QColor colours[] = {QColor(20, 60, 200), QColor(230, 50, 30), QColor(120, 120, 120),
                                  QColor(170, 170, 170)};
        const Look looks[] = {Look::Normal, Look::Selected, Look::Disabled, Look::Hidden};
        for (int s = 0; s < 4; ++s) {
            std::vector<QPointF> points;
            for (int i : visible) {
                if (LookOf(i) == looks[s])
                    points.emplace_back(m_items[std::size_t(i)].x, m_items[std::size_t(i)].y);
            }
            if (count <= kMaxRoundMarks) {
                painter->setPen(QPen(colours[s].darker(130), 0));
                painter->setBrush(looks[s] == Look::Hidden ? QBrush(Qt::NoBrush)
                                                           : QBrush(colours[s]));
                for (const QPointF& p : points)
                    painter->drawEllipse(p, 3 * pixel, 3 * pixel);
            } else {
                QPen pen(colours[s], 3, Qt::SolidLine, Qt::SquareCap);
                pen.setCosmetic(true);
                painter->setPen(pen);
                painter->drawPoints(points.data(), int(points.size()));
            }
        }
    }

    if (m_layers & LayerImu) {
        const QColor colours[] = {QColor(240, 180, 0), QColor(220, 0, 0)};
        for (int level = 1; level <= 2; ++level) {
            QPen pen(colours[level - 1], count <= kMaxRoundMarks ? 2 : 5);
            pen.setCosmetic(true);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            for (int i : visible) {
                const Item& item = m_items[std::size_t(i)];
                if (item.imu != level || LookOf(i) == Look::None)
                    continue;
                if (count <= kMaxRoundMarks)
                    painter->drawEllipse(QPointF(item.x, item.y), 7 * pixel, 7 * pixel);
                else
                    painter->drawPoint(QPointF(item.x, item.y));
            }
        }
    }

    if ((m_layers & LayerImageId) && count <= kMaxIds && m_context) {
        const kvfd::ImageInfoSet& images = m_context->GetImageInfoSet();
        painter->save();
        painter->resetTransform();
        painter->setPen(QColor(30, 30, 30));
        for (int i : visible) {
            const Look look = LookOf(i);
            if (look == Look::None || look == Look::Hidden)
                continue;
            const kvfd::ImageInfo* image = images.GetImage(i);
            if (!image)
                continue;
            const QPointF at
                = toView.map(QPointF(m_items[std::size_t(i)].x, m_items[std::size_t(i)].y));
            painter->drawText(at + QPointF(5, -5), ShortName(image->Name()));
        }
        painter->restore();
    }

    // The output area and the gesture under way.
    if (m_boundary.size() >= 3) {
        QPolygonF scene;
        for (const QPointF& p : m_boundary)
            scene << MapToScene(p);
        QPen pen(QColor(255, 120, 0), 2);
        pen.setCosmetic(true);
        painter->setPen(pen);
        painter->setBrush(QColor(255, 120, 0, 30));
        painter->drawPolygon(scene);
    }
    QPen gesture(QColor(40, 40, 40), 1, Qt::DashLine);
    gesture.setCosmetic(true);
    painter->setPen(gesture);
    painter->setBrush(QColor(60, 120, 255, 30));
    if (m_dragging && (m_tool == ToolSelectRect || m_tool == ToolBoundaryRect))
        painter->drawRect(QRectF(m_pressScene, m_currentScene).normalized());
    if (!m_lasso.isEmpty()) {
        QPolygonF open = m_lasso;
        open << m_currentScene;
        painter->drawPolygon(open);
    }
}

void SurveyView::LoadSomeThumbnails()
{
    if (!m_context || !(m_layers & LayerImage))
        return;
    std::vector<int> visible;
    Query(mapToScene(viewport()->rect()).boundingRect(), visible);
    if (int(visible.size()) > kMaxThumbnails)
        return;
    const kvfd::ImageInfoSet& images = m_context->GetImageInfoSet();
    // A few at a time: the view stays responsive while a folder of photos is
    // read, and a timer brings the next few.
    int loaded = 0;
    for (int i : visible) {
        if (loaded >= 3)
            break;
        if (!HasFootprint(i) || m_thumbnails.contains(i) || m_thumbnailTried.contains(i))
            continue;
        m_thumbnailTried.insert(i, true);
        const kvfd::ImageInfo* image = images.GetImage(i);
        if (!image)
            continue;
        ++loaded;
        QImageReader reader(String2QString(image->GetFullName()));
        reader.setAutoTransform(false);
        const QSize size = reader.size();
        if (size.isValid() && !size.isEmpty())
            reader.setScaledSize(size.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio));
        QImage thumbnail = reader.read();
        if (!thumbnail.isNull())
            m_thumbnails.insert(i, thumbnail);
    }
    if (loaded > 0) {
        viewport()->update();
        m_thumbnailTimer->start();
    }
}

// ---------------------------------------------------------------------------
// Mouse and keys

void SurveyView::mousePressEvent(QMouseEvent* event)
{
    m_pressPos = event->pos();
    m_pressScene = mapToScene(event->pos());
    m_currentScene = m_pressScene;
    const bool pan = event->button() == Qt::MiddleButton
        || (event->button() == Qt::LeftButton && m_tool == ToolPan);
    if (pan) {
        m_dragging = true;
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (event->button() == Qt::RightButton) {
        if (m_lasso.size() >= 3 && m_tool == ToolSelectPolygon) {
            SelectInPolygon(
                [&] {
                    QPolygonF map;
                    for (const QPointF& p : m_lasso)
                        map << SceneToMap(p);
                    return map;
                }(),
                event->modifiers() & Qt::ControlModifier);
            m_lasso.clear();
        } else if (m_tool == ToolBoundaryPolygon && !m_lasso.isEmpty()) {
            FinishBoundary();
        } else if (m_lasso.isEmpty()) {
            ShowContextMenu(event->globalPos());
        }
        m_lasso.clear();
        viewport()->update();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    switch (m_tool) {
    case ToolZoomIn:
        ZoomBy(2.0, m_pressScene);
        break;
    case ToolZoomOut:
        ZoomBy(0.5, m_pressScene);
        break;
    case ToolSelectOne:
        SelectAt(SceneToMap(m_pressScene), event->modifiers() & Qt::ControlModifier);
        break;
    case ToolSelectRect:
    case ToolBoundaryRect:
        m_dragging = true;
        break;
    case ToolSelectPolygon:
    case ToolBoundaryPolygon:
        m_lasso << m_pressScene;
        viewport()->update();
        break;
    default:
        break;
    }
}

void SurveyView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF scene = mapToScene(event->pos());
    if (m_dragging && (m_tool == ToolPan || (event->buttons() & Qt::MiddleButton))) {
        const QPoint delta = event->pos() - m_pressPos;
        m_pressPos = event->pos();
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - delta.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - delta.y());
        return;
    }
    m_currentScene = scene;
    if (m_dragging || !m_lasso.isEmpty())
        viewport()->update();
}

void SurveyView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    m_currentScene = mapToScene(event->pos());
    if (m_tool == ToolPan || event->button() == Qt::MiddleButton) {
        viewport()->setCursor(m_tool == ToolPan ? Qt::OpenHandCursor : Qt::CrossCursor);
        return;
    }
    const QRectF scene = QRectF(m_pressScene, m_currentScene).normalized();
    if (m_tool == ToolSelectRect) {
        const QRectF map = QRectF(SceneToMap(scene.topLeft()), SceneToMap(scene.bottomRight()));
        SelectInRect(map, event->modifiers() & Qt::ControlModifier);
    } else if (m_tool == ToolBoundaryRect) {
        m_lasso = QPolygonF() << scene.topLeft() << scene.topRight() << scene.bottomRight()
                              << scene.bottomLeft();
        FinishBoundary();
    }
    viewport()->update();
}

void SurveyView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_lasso.isEmpty()) {
        QGraphicsView::mouseDoubleClickEvent(event);
        return;
    }
    // The press before the double click already added this corner.
    if (m_tool == ToolSelectPolygon) {
        QPolygonF map;
        for (const QPointF& p : m_lasso)
            map << SceneToMap(p);
        m_lasso.clear();
        if (map.size() >= 3)
            SelectInPolygon(map, event->modifiers() & Qt::ControlModifier);
    } else if (m_tool == ToolBoundaryPolygon) {
        FinishBoundary();
    }
    viewport()->update();
}

void SurveyView::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0.0)
        ZoomBy(std::pow(1.25, steps), mapToScene(event->position().toPoint()));
    event->accept();
}

void SurveyView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        m_lasso.clear();
        m_dragging = false;
        viewport()->update();
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        DeleteSelected();
        return;
    }
    QGraphicsView::keyPressEvent(event);
}
