#include "host/tilelayer.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QStandardPaths>
#include <QTransform>
#include <QUrl>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
// Web Mercator stops here, as every XYZ tile set does.
constexpr double kMaxLatitude = 85.05112878;
// A reply larger than this is not a tile.
constexpr qint64 kMaxTileBytes = 4 << 20;

double TileLon(int x, int z)
{
    return x / std::ldexp(1.0, z) * 360.0 - 180.0;
}

double TileLat(int y, int z)
{
    const double n = kPi - 2.0 * kPi * y / std::ldexp(1.0, z);
    return std::atan(std::sinh(n)) * 180.0 / kPi;
}

double TileX(double lon, int z)
{
    return (lon + 180.0) / 360.0 * std::ldexp(1.0, z);
}

double TileY(double lat, int z)
{
    lat = std::max(-kMaxLatitude, std::min(kMaxLatitude, lat)) * kPi / 180.0;
    return (1.0 - std::log(std::tan(lat) + 1.0 / std::cos(lat)) / kPi) / 2.0 * std::ldexp(1.0, z);
}

} // namespace

TileLayer::TileLayer(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    const QString location = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!location.isEmpty()) {
        auto* cache = new QNetworkDiskCache(m_network);
        cache->setCacheDirectory(QDir(location).filePath(QStringLiteral("tiles")));
        cache->setMaximumCacheSize(256LL << 20);
        m_network->setCache(cache);
    }
}

TileLayer::~TileLayer()
{
    // Replies still on their way must not call back into a layer that is gone.
    for (QNetworkReply* reply : qAsConst(m_pending)) {
        reply->disconnect(this);
        reply->abort();
    }
}

void TileLayer::SetUrlTemplate(const QString& urlTemplate)
{
    if (urlTemplate == m_template)
        return;
    m_template = urlTemplate;
    ++m_generation;
    for (QNetworkReply* reply : qAsConst(m_pending)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_pending.clear();
    m_tiles.clear();
    m_failed.clear();
    m_failedCount = 0;
}

void TileLayer::SetProjection(Projector project, Unprojector unproject)
{
    m_project = std::move(project);
    m_unproject = std::move(unproject);
    m_tiles.clear();
}

bool TileLayer::TileQuad(int z, int x, int y, QPolygonF& quad) const
{
    const double lons[4] = {TileLon(x, z), TileLon(x + 1, z), TileLon(x + 1, z), TileLon(x, z)};
    const double lats[4] = {TileLat(y, z), TileLat(y, z), TileLat(y + 1, z), TileLat(y + 1, z)};
    quad.clear();
    for (int i = 0; i < 4; ++i) {
        double sx = 0.0, sy = 0.0;
        if (!m_project(lons[i], lats[i], sx, sy) || !std::isfinite(sx) || !std::isfinite(sy))
            return false;
        quad << QPointF(sx, sy);
    }
    return true;
}

void TileLayer::Paint(QPainter& painter, const QRectF& visible, double pixelSize)
{
    m_drawn = 0;
    if (m_template.isEmpty() || !m_project || !m_unproject || !(pixelSize > 0.0)
        || !visible.isValid())
        return;
    // The visible area in longitude and latitude, from its corners and edge
    // middles: enough for the small areas a survey covers.
    double lonMin = 1e9, lonMax = -1e9, latMin = 1e9, latMax = -1e9;
    const QPointF probes[] = {visible.topLeft(),
                              visible.topRight(),
                              visible.bottomLeft(),
                              visible.bottomRight(),
                              visible.center(),
                              QPointF(visible.center().x(), visible.top()),
                              QPointF(visible.center().x(), visible.bottom())};
    for (const QPointF& p : probes) {
        double lon = 0.0, lat = 0.0;
        if (!m_unproject(p.x(), p.y(), lon, lat) || !std::isfinite(lon) || !std::isfinite(lat))
            continue;
        lonMin = std::min(lonMin, lon);
        lonMax = std::max(lonMax, lon);
        latMin = std::min(latMin, lat);
        latMax = std::max(latMax, lat);
    }
    if (lonMin > lonMax || latMin > latMax)
        return;
    lonMin = std::max(lonMin, -180.0);
    lonMax = std::min(lonMax, 180.0);
    latMin = std::max(latMin, -kMaxLatitude);
    latMax = std::min(latMax, kMaxLatitude);
    if (lonMin >= lonMax || latMin >= latMax)
        return;

    // The zoom whose tile pixels are about as large as the screen's.
    const double metresPerPixel = pixelSize;
    const double latMid = (latMin + latMax) / 2.0 * kPi / 180.0;
    const double zoomExact = std::log2(156543.03392804097 * std::cos(latMid) / metresPerPixel);
    int z = int(std::lround(std::isfinite(zoomExact) ? zoomExact : 0.0));
    z = std::max(0, std::min(kMaxZoom, z));
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    for (;;) {
        const int last = (1 << z) - 1;
        x0 = std::max(0, std::min(last, int(std::floor(TileX(lonMin, z)))));
        x1 = std::max(0, std::min(last, int(std::floor(TileX(lonMax, z)))));
        y0 = std::max(0, std::min(last, int(std::floor(TileY(latMax, z)))));
        y1 = std::max(0, std::min(last, int(std::floor(TileY(latMin, z)))));
        if (z == 0 || qint64(x1 - x0 + 1) * (y1 - y0 + 1) <= kMaxTilesPerPaint)
            break;
        --z;
    }
    if (m_tiles.size() > kMaxTilesInMemory)
        m_tiles.clear();

    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QTransform base = painter.transform();
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const quint64 key = Key(z, x, y);
            const auto found = m_tiles.constFind(key);
            if (found == m_tiles.constEnd()) {
                Request(z, x, y);
                continue;
            }
            QTransform transform;
            QPolygonF from(QRectF(0, 0, found->image.width(), found->image.height()));
            from.removeLast(); // QPolygonF(QRectF) closes the ring with a fifth point
            if (!QTransform::quadToQuad(from, found->quad, transform))
                continue;
            painter.setTransform(transform * base);
            painter.drawImage(0, 0, found->image);
            ++m_drawn;
        }
    }
    painter.restore();
}

void TileLayer::Request(int z, int x, int y)
{
    const quint64 key = Key(z, x, y);
    if (m_pending.contains(key) || m_failed.contains(key))
        return;
    QString text = m_template;
    text.replace(QLatin1String("{z}"), QString::number(z));
    text.replace(QLatin1String("{x}"), QString::number(x));
    text.replace(QLatin1String("{y}"), QString::number(y));
    const QUrl url(text);
    if (!url.isValid()) {
        m_failed.insert(key);
        ++m_failedCount;
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(m_timeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferCache);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_network->get(request);
    m_pending.insert(key, reply);
    const int generation = m_generation;
    connect(reply, &QNetworkReply::finished, this, [this, reply, key, z, x, y, generation] {
        reply->deleteLater();
        if (generation != m_generation)
            return;
        Finished(reply, key, z, x, y);
    });
}

void TileLayer::Finished(QNetworkReply* reply, quint64 key, int z, int x, int y)
{
    m_pending.remove(key);
    QImage image;
    Tile tile;
    const bool ok = reply->error() == QNetworkReply::NoError
        && reply->bytesAvailable() <= kMaxTileBytes
        && image.loadFromData(reply->read(kMaxTileBytes)) && !image.isNull()
        && image.width() <= 1024 && image.height() <= 1024 && TileQuad(z, x, y, tile.quad);
    if (!ok) {
        // Not asked again in this session: a dead or confused server costs
        // one request per tile, not one per repaint.
        m_failed.insert(key);
        ++m_failedCount;
        Q_EMIT TileFailed();
        return;
    }
    tile.image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_tiles.insert(key, tile);
    Q_EMIT TileReady();
}
