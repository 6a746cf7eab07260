// kvcloud's map tiles: cut from a GeoTIFF given at start, transparent where
// the raster is not, and nothing else answered as a tile.

#include "cloudserver.h"
#include "cloudtest.h"
#include "modalanswer.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kDem = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/dem/storml_elev.tif");

} // namespace

class TestTiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    kvtest::CloudServer* m_cloud = nullptr; // serving the raster under a Chinese folder name

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        const QString folder = m_dir.filePath(QStringLiteral("地形 数据"));
        QVERIFY(QDir().mkpath(folder) && QFile::copy(kDem, folder + QStringLiteral("/高程.tif")));
        m_cloud = new kvtest::CloudServer({QStringLiteral("--tiles"), folder + "/高程.tif"});
        QVERIFY2(m_cloud->Start(), qPrintable(m_cloud->Error()));
    }

    void cleanupTestCase() { delete m_cloud; }

    // The DEM (about 4.3 x 3.2 km around 46.07 N 113.26 W) reaches into
    // 12/759/1456 from its top, covers all of 15/6075/11649 and misses
    // 12/760/1456 and the other side of the world. The heights are drawn grey
    // from the lowest to the highest: a covered tile shows relief.
    void tilesOfTheRaster_data()
    {
        QTest::addColumn<QString>("tile");
        QTest::addColumn<bool>("someTerrain");
        QTest::addColumn<bool>("someClear");
        QTest::newRow("holds the raster") << "sat/12/759/1456" << true << true;
        QTest::newRow("inside the raster, any layer") << "any_layer/15/6075/11649" << true << false;
        QTest::newRow("beside it") << "sat/12/760/1456" << false << true;
        QTest::newRow("far away") << "sat/3/6/3" << false << true;
    }

    void tilesOfTheRaster()
    {
        QFETCH(QString, tile);
        QFETCH(bool, someTerrain);
        QFETCH(bool, someClear);
        const Reply reply = Fetch(m_cloud->Address() + "/tiles/" + tile + ".png");
        QCOMPARE(reply.status, 200);
        QCOMPARE(reply.contentType, QStringLiteral("image/png"));
        QImage image;
        QVERIFY(image.loadFromData(reply.body, "PNG"));
        QCOMPARE(image.size(), QSize(256, 256));
        int opaque = 0, clear = 0, low = 255, high = 0;
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const QRgb p = image.pixel(x, y);
                opaque += qAlpha(p) == 255;
                clear += qAlpha(p) == 0;
                if (qAlpha(p) == 255) {
                    QCOMPARE(qRed(p), qBlue(p));
                    low = std::min(low, qGray(p));
                    high = std::max(high, qGray(p));
                }
            }
        }
        QCOMPARE(opaque + clear, 256 * 256); // nothing half drawn
        QCOMPARE(opaque > 0, someTerrain);
        QCOMPARE(clear > 0, someClear);
        if (!someClear)
            QVERIFY2(high - low > 40, qPrintable(QStringLiteral("%1..%2").arg(low).arg(high)));
    }

    void noSuchTile_data()
    {
        QTest::addColumn<bool>("raster");
        QTest::addColumn<QString>("path");
        QTest::newRow("x beyond the level") << true << "/tiles/sat/3/8/1.png";
        QTest::newRow("zoom too deep") << true << "/tiles/sat/23/0/0.png";
        QTest::newRow("not a number") << true << "/tiles/sat/3/a/1.png";
        QTest::newRow("layer with a slash") << true << "/tiles/s%2Fat/3/1/1.png";
        QTest::newRow("huge x") << true << "/tiles/sat/22/999999999/1.png";
        QTest::newRow("no raster given") << false << "/tiles/sat/0/0/0.png";
    }

    void noSuchTile()
    {
        QFETCH(bool, raster);
        QFETCH(QString, path);
        kvtest::CloudServer plain;
        QVERIFY2(raster || plain.Start(), qPrintable(plain.Error()));
        const QString address = raster ? m_cloud->Address() : plain.Address();
        QCOMPARE(Fetch(address + path).status, 404);
        QCOMPARE(Fetch(address + QStringLiteral("/cameracheck/other")).status,
                 200); // still serving
    }

    void unreadableRaster_data()
    {
        QTest::addColumn<QByteArray>("content");
        QFile original(kDem);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a raster\n");
        QTest::newRow("truncated") << original.read(200);
    }

    void unreadableRaster()
    {
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath(QStringLiteral("map.tif"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        kvtest::CloudServer cloud({QStringLiteral("--tiles"), path});
        QVERIFY(!cloud.Start());
        QVERIFY2(cloud.Error().contains(QStringLiteral("map raster")), qPrintable(cloud.Error()));
    }
};

QTEST_MAIN(TestTiles)
#include "tst_tiles.moc"
