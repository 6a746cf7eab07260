// kvcloud, the stand-in web service: the reply shapes the library reads, the
// faults asked for, no query may bring it down; and its map tiles, cut from a
// GeoTIFF given at start, transparent where the raster is not.

#include "camera/camerafile.h"
#include "cloudserver.h"
#include "modalanswer.h"

#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

const QString kDem = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/dem/storml_elev.tif");

struct Reply
{
    int status = 0; // 0 when no HTTP reply arrived
    QByteArray body;
    QString contentType;
};

// Unlike kvui::HttpGet, keeps the body of an error status.
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

QJsonObject Object(const Reply& reply)
{
    return QJsonDocument::fromJson(reply.body).object();
}

} // namespace

class TestKvcloud : public QObject
{
    Q_OBJECT

    kvtest::CloudServer m_cloud;
    QTemporaryDir m_dir;
    std::unique_ptr<kvtest::CloudServer> m_tiles; // the DEM under a Chinese folder name

    QString Url(const QString& pathAndQuery) const { return m_cloud.Address() + pathAndQuery; }

private slots:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY2(m_cloud.Start(), qPrintable(m_cloud.Error()));
        const QString folder = m_dir.filePath(QStringLiteral("地形 数据"));
        QVERIFY(QDir().mkpath(folder) && QFile::copy(kDem, folder + QStringLiteral("/高程.tif")));
        m_tiles.reset(new kvtest::CloudServer({QStringLiteral("--tiles"), folder + "/高程.tif"}));
        QVERIFY2(m_tiles->Start(), qPrintable(m_tiles->Error()));
    }

    // Every endpoint, odd requests that must bring nothing down, and the faults
    // the server is asked for (on a server of their own).
    void replies_data()
    {
        QTest::addColumn<QStringList>("args"); // empty: the shared server
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("http");
        QTest::addColumn<QJsonValue>("status"); // undefined: none, or not JSON
        QTest::addColumn<QString>("key");       // in "data"; empty: "data" itself
        QTest::addColumn<QJsonValue>("value");  // undefined: not compared
        QTest::addColumn<QByteArray>("start");  // how the body begins

        using V = QJsonValue;
        const V none(V::Undefined);
        const auto row = [](const char* name, const QString& path, const V& status,
                            const QString& key = QString(), const V& value = V(QJsonObject()),
                            int http = 200) {
            QTest::newRow(name) << QStringList() << path << http << status << key << value
                                << QByteArray();
        };
        const auto fault = [none](const char* name, const QStringList& args, const QString& path,
                                  const QByteArray& start, const V& status, int http = 200) {
            QTest::newRow(name) << args << path << http << status << QString() << none << start;
        };
        const QString calibration
            = "/cameracheck/downloadcalibration?camera_id=%1&camera_lens_id=%2";
        const QString list = "/cameracheck/other";
        const QString serial = "/data/getcamera?uas_serial_id=";
        const QString elevation = "/bing/getelevationbypoint?lat_lng=";
        const QString block = "/calibration/1001_1.cam";
        row("camera list", list, V("0"), "", none);
        row("calibration address", calibration.arg(1001).arg(1), V("0"), "url", V(Url(block)));
        row("serial", serial + "SN0001", V("0"), "dpi", V("3.9"));
        row("elevation", elevation + "30.5000000000%2C114.25", V("0"), "", V(50.0));
        row("latitude 91", elevation + "91%2C0", V("1"));
        row("unknown path", "/cameracheck/nothing", none, "", none, 404);
        row("traversal", "/calibration/..%2F..%2Fetc%2Fpasswd", none, "", none, 404);
        row("bad escapes", serial + "%zz%&&=%", V("1"), "", none);
        row("over-long query", serial + QString(20000, 'x'), none, "", none, 414);
        row("utf-8 and NUL ids", calibration.arg("%E7%9B%B8", "%00"), V("1"), "", none);
        fault("status 1", {"--status", "1"}, list, "{", V("1"));
        fault("not JSON", {"--malformed"}, elevation + "1%2C2", "<html>", none);
        fault("HTTP 500", {"--http-status", "500"}, elevation + "1%2C2", "{", V("0"), 500);
        fault("empty list", {"--empty-data"}, list, R"({"data":[],)", V("0"));
        fault("busy", {"--fail-first", "1"}, list, "busy", none, 503);
        fault("block cut", {"--calibration-size", "127"}, block, "", none);
    }

    void replies()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, path);
        QFETCH(int, http);
        QFETCH(QJsonValue, status);
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(QByteArray, start);

        kvtest::CloudServer own(args);
        if (!args.isEmpty())
            QVERIFY2(own.Start(), qPrintable(own.Error()));
        const Reply reply = Fetch((args.isEmpty() ? m_cloud : own).Address() + path);
        QCOMPARE(reply.status, http);
        QVERIFY2(reply.body.startsWith(start), reply.body.left(80).constData());
        const QJsonObject object = Object(reply);
        QCOMPARE(object.value("status"), status);
        if (!status.isUndefined())
            QVERIFY(reply.contentType.startsWith("application/json"));
        const QJsonValue data = object.value("data");
        if (!value.isUndefined())
            QCOMPARE(key.isEmpty() ? data : data.toObject().value(key), value);
        // Camera list items: every value a JSON string, as the download reads them.
        const QJsonArray list = data.toArray();
        for (const QJsonValue& item : list) {
            for (const char* name :
                 {"name", "fullname", "width", "height", "ccdwidth", "ccdheight", "x0", "y0",
                  "focallength", "k1", "k2", "k3", "p1", "p2", "alpha", "beta"})
                QVERIFY2(item.toObject().value(name).isString(), name);
        }
        QVERIFY(list.size() == 0 || list.size() > 40);
        if (args.contains("--calibration-size")) // cut or zero-padded, never altered otherwise
            QCOMPARE(reply.body,
                     Fetch(Url(path)).body.leftJustified(args.last().toInt(), '\0', true));
        QCOMPARE(Fetch(Url("/data/getcamera?uas_serial_id=SN0001")).status, 200); // still serving
    }

    void dem_data()
    {
        QTest::addColumn<QString>("option"); // the raster's: "--dem" or "--tiles"
        QTest::addColumn<QString>("dem");    // "grid": the 3 x 2 grid below
        QTest::addColumn<QString>("latLng");
        QTest::addColumn<double>("elevation"); // NaN: the server does not start

        const auto row = [](const char* name, const QString& dem, const char* latLng, double h,
                            const char* option = "--dem") {
            QTest::newRow(name) << option << dem << latLng << h;
        };
        // Cell (50, 40) of the real DEM holds 2520 (see tests/data/dem/SOURCES.md).
        row("real DEM, a cell centre", kDem, "46.0659729861912%2C-113.262865658724", 2520);
        row("bilinear", "grid", "21.0%2C11.0", 250);
        row("beside no data: nearest", "grid", "20.6%2C12.2", 500);
        row("on no data: flat", "grid", "21.2%2C12.2", 7);
        row("missing DEM", "/nowhere/测试.tif", "1%2C2", qQNaN());
        row("not a DEM", KVUI_SOURCE_DIR "/tests/data/rinex/demo.10o", "1%2C2", qQNaN());
        QFile original(kDem);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const std::pair<const char*, QByteArray> maps[]
            = {{"text", "not a raster\n"}, {"truncated", original.read(200)}};
        for (const auto& [name, content] : maps) {
            QFile map(m_dir.filePath(QStringLiteral("map %1.tif").arg(name)));
            QVERIFY(map.open(QIODevice::WriteOnly) && map.write(content) == content.size());
            row(qPrintable(QStringLiteral("map raster %1").arg(name)), map.fileName(), "", qQNaN(),
                "--tiles");
        }
    }

    // Heights from a DEM through GDAL, in the DEM's own coordinate system; the
    // flat height elsewhere. A raster that cannot be read stops the start.
    void dem()
    {
        QFETCH(QString, option);
        QFETCH(QString, dem);
        QFETCH(QString, latLng);
        QFETCH(double, elevation);

        QTemporaryDir dir;
        if (dem == "grid") {
            // Cell centres 10.5..12.5 E, 21.5 and 20.5 N; one cell without data.
            dem = dir.filePath("grid.asc");
            QFile grid(dem), prj(dir.filePath("grid.prj"));
            QVERIFY(grid.open(QIODevice::WriteOnly) && prj.open(QIODevice::WriteOnly));
            grid.write("ncols 3\nnrows 2\nxllcorner 10\nyllcorner 20\ncellsize 1\n"
                       "NODATA_value -9999\n100 200 -9999\n300 400 500\n");
            prj.write(
                R"(GEOGCS["GCS_WGS_1984",DATUM["D_WGS_1984",SPHEROID["WGS_1984",6378137.0,)"
                R"(298.257223563]],PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]])");
        }
        kvtest::CloudServer cloud({option, dem, "--elevation", "7"});
        QCOMPARE(cloud.Start(), !qIsNaN(elevation));
        if (option == "--tiles")
            QVERIFY2(cloud.Error().contains(QStringLiteral("map raster")),
                     qPrintable(cloud.Error()));
        if (qIsNaN(elevation))
            return;
        const QJsonObject reply
            = Object(Fetch(cloud.Address() + "/bing/getelevationbypoint?lat_lng=" + latLng));
        QCOMPARE(reply.value("status"), QJsonValue("0"));
        QVERIFY2(qAbs(reply.value("data").toDouble() - elevation) < 1e-6,
                 qPrintable(QString::number(reply.value("data").toDouble(), 'f', 9)));
    }

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
    }

    void tilesOfTheRaster()
    {
        QFETCH(QString, tile);
        QFETCH(bool, someTerrain);
        QFETCH(bool, someClear);
        const Reply reply = Fetch(m_tiles->Address() + "/tiles/" + tile + ".png");
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
        QTest::newRow("not a number") << true << "/tiles/sat/3/a/1.png";
        QTest::newRow("huge x") << true << "/tiles/sat/22/999999999/1.png";
        QTest::newRow("no raster given") << false << "/tiles/sat/0/0/0.png";
    }

    void noSuchTile()
    {
        QFETCH(bool, raster);
        QFETCH(QString, path);
        const QString address = raster ? m_tiles->Address() : m_cloud.Address();
        QCOMPARE(Fetch(address + path).status, 404);
        QCOMPARE(Fetch(address + QStringLiteral("/cameracheck/other")).status,
                 200); // still serving
    }
};

QTEST_MAIN(TestKvcloud)
#include "tst_kvcloud.moc"
