#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPolygonF>
#include <QSet>
#include <QString>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QPainter;

// Background map of XYZ tiles (Web Mercator, 256 pixels, the URL template
// holding {z}, {x} and {y}) drawn under the survey. Tiles are fetched
// asynchronously and kept in a disk cache under the cache location, so the
// view never waits for the network: a tile is drawn once it has arrived, and
// a server that is down or sends something that is no picture leaves its
// tiles undrawn. Each tile is placed by its four corners, reprojected into the
// view's system, so the map lines up with the survey in any projection.
class TileLayer : public QObject
{
    Q_OBJECT

public:
    // Longitude/latitude (degrees, WGS84) to scene coordinates; false where the
    // point has none.
    using Projector = std::function<bool(double lon, double lat, double& x, double& y)>;
    // Scene coordinates back to longitude/latitude.
    using Unprojector = std::function<bool(double x, double y, double& lon, double& lat)>;

    explicit TileLayer(QObject* parent = nullptr);
    ~TileLayer() override;

    // Empty: no map. Drops the tiles of an earlier template.
    void SetUrlTemplate(const QString& urlTemplate);
    QString UrlTemplate() const { return m_template; }
    void SetProjection(Projector project, Unprojector unproject);
    // Seconds a request may take before it counts as failed.
    void SetTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    // Draws the tiles of the visible scene rectangle that are in memory and
    // asks for the missing ones; pixelSize is the scene length of one screen
    // pixel.
    void Paint(QPainter& painter, const QRectF& visible, double pixelSize);

    // Tiles drawn by the last Paint, requests on their way and requests that
    // failed so far: for tests and the status bar.
    int DrawnTiles() const { return m_drawn; }
    int PendingRequests() const { return m_pending.size(); }
    int FailedRequests() const { return m_failedCount; }

    static constexpr int kMaxZoom = 20;
    static constexpr int kMaxTilesPerPaint = 96;
    static constexpr int kMaxTilesInMemory = 600;

Q_SIGNALS:
    // A tile arrived; the view repaints.
    void TileReady();
    // A request ended without a picture.
    void TileFailed();

private:
    struct Tile
    {
        QImage image;
        QPolygonF quad; // scene corners: top-left, top-right, bottom-right, bottom-left
    };
    static quint64 Key(int z, int x, int y)
    {
        return (quint64(z) << 48) | (quint64(x) << 24) | quint64(y);
    }
    void Request(int z, int x, int y);
    void Finished(QNetworkReply* reply, quint64 key, int z, int x, int y);
    bool TileQuad(int z, int x, int y, QPolygonF& quad) const;

    QNetworkAccessManager* m_network = nullptr;
    QString m_template;
    Projector m_project;
    Unprojector m_unproject;
    QHash<quint64, Tile> m_tiles;
    QHash<quint64, QNetworkReply*> m_pending;
    QSet<quint64> m_failed;
    int m_failedCount = 0;
    int m_drawn = 0;
    int m_timeoutMs = 8000;
    // Changes with the template: replies to an earlier one are dropped.
    int m_generation = 0;
};
