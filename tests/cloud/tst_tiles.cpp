// kvcloud's map tiles: cut from a GeoTIFF given at start, transparent where
// the raster is not, and nothing else answered as a tile.

#include "cloudserver.h"
#include "modalanswer.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QString kDem = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/dem/storml_elev.tif");

struct Reply
{
    int status = 0;
    QByteArray body;
    QString contentType;
};

Reply Fetch(const QString& url)
{
    QNetworkAccessManager manager;
    QEventLoop loop;
    QObject::connect(&manager, &QNetworkAccessManager::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kvtest::kPatienceMs, &loop, &QEventLoop::quit);
    QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(url)));
    loop.exec();
    Reply result;
    if (reply->isFinished()) {
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        result.body = reply->readAll();
        result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    }
    return result;
}

// Opaque and transparent pixels of a tile.
void CountPixels(const QImage& image, int& opaque, int& clear)
{
    opaque = clear = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            opaque += alpha == 255;
            clear += alpha == 0;
        }
    }
}

} // namespace

class TestTiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // The DEM (about 4.3 x 3.2 km around 46.07 N 113.26 W) reaches into
    // 12/759/1456 from its top, covers all of 15/6075/11649 and misses
    // 12/760/1456 and the other side of the world.
    void tilesOfTheRaster_data()
    {
        QTest::addColumn<QString>("tile");
        QTest::addColumn<bool>("someTerrain");
        QTest::addColumn<bool>("someClear");
        QTest::newRow("holds the raster") << "12/759/1456" << true << true;
        QTest::newRow("inside the raster") << "15/6075/11649" << true << false;
        QTest::newRow("beside it") << "12/760/1456" << false << true;
        QTest::newRow("far away") << "3/6/3" << false << true;
    }

    void tilesOfTheRaster()
    {
        QFETCH(QString, tile);
        QFETCH(bool, someTerrain);
        QFETCH(bool, someClear);
        // The raster under a Chinese folder name, as the operator's may be.
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("地形 数据"));
        QVERIFY(QDir().mkpath(folder));
        const QString dem = folder + QStringLiteral("/高程.tif");
        QVERIFY(QFile::copy(kDem, dem));
        kvtest::CloudServer cloud({QStringLiteral("--tiles"), dem});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));

        const Reply reply = Fetch(cloud.Address() + QStringLiteral("/tiles/sat/") + tile
                                  + QStringLiteral(".png"));
        QCOMPARE(reply.status, 200);
        QCOMPARE(reply.contentType, QStringLiteral("image/png"));
        QImage image;
        QVERIFY(image.loadFromData(reply.body, "PNG"));
        QCOMPARE(image.size(), QSize(256, 256));
        int opaque = 0, clear = 0;
        CountPixels(image, opaque, clear);
        QCOMPARE(opaque + clear, 256 * 256); // nothing half drawn
        QCOMPARE(opaque > 0, someTerrain);
        QCOMPARE(clear > 0, someClear);
    }

    // The heights are drawn grey from the lowest to the highest: the tile
    // shows relief, not one flat colour.
    void tilesShowRelief()
    {
        kvtest::CloudServer cloud({QStringLiteral("--tiles"), kDem});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        QImage image;
        QVERIFY(image.loadFromData(
            Fetch(cloud.Address() + QStringLiteral("/tiles/any_layer/15/6075/11649.png")).body));
        int low = 255, high = 0;
        for (int y = 0; y < 256; y += 8) {
            for (int x = 0; x < 256; x += 8) {
                const QRgb p = image.pixel(x, y);
                QCOMPARE(qRed(p), qBlue(p));
                low = std::min(low, qGray(p));
                high = std::max(high, qGray(p));
            }
        }
        QVERIFY2(high - low > 40, qPrintable(QStringLiteral("%1..%2").arg(low).arg(high)));
    }

    void noSuchTile_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("path");
        const QStringList tiles = {QStringLiteral("--tiles"), kDem};
        QTest::newRow("x beyond the level") << tiles << "/tiles/sat/3/8/1.png";
        QTest::newRow("zoom too deep") << tiles << "/tiles/sat/23/0/0.png";
        QTest::newRow("not a number") << tiles << "/tiles/sat/3/a/1.png";
        QTest::newRow("layer with a slash") << tiles << "/tiles/s%2Fat/3/1/1.png";
        QTest::newRow("huge x") << tiles << "/tiles/sat/22/999999999/1.png";
        QTest::newRow("no raster given") << QStringList() << "/tiles/sat/0/0/0.png";
    }

    void noSuchTile()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, path);
        kvtest::CloudServer cloud(args);
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        const Reply reply = Fetch(cloud.Address() + path);
        QCOMPARE(reply.status, 404);
        // Still serving.
        QCOMPARE(Fetch(cloud.Address() + QStringLiteral("/cameracheck/other")).status, 200);
    }

    void unreadableRaster_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a raster\n");
        QByteArray cut;
        QFile original(kDem);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QTest::newRow("truncated") << original.read(200);
    }

    void unreadableRaster()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("map.tif"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        kvtest::CloudServer cloud({QStringLiteral("--tiles"), path});
        QVERIFY(!cloud.Start());
        QVERIFY2(cloud.Error().contains(QStringLiteral("map raster")), qPrintable(cloud.Error()));
    }
};

QTEST_MAIN(TestTiles)
#include "tst_tiles.moc"
