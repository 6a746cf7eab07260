// kvcloud, the stand-in web service the camera and elevation tests talk to:
// the reply shapes the library reads, the faults asked for, and no query may
// bring it down.

#include "camera/camerafile.h"
#include "cloudserver.h"
#include "modalanswer.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

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
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
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

private slots:
    void initTestCase();
    void endpoints_data();
    void endpoints();
    void calibrationBlock();
    void faults_data();
    void faults();
    void oddRequestsDoNoHarm_data();
    void oddRequestsDoNoHarm();
    void dem_data();
    void dem();

private:
    QString Url(const QString& pathAndQuery) const { return m_cloud.Address() + pathAndQuery; }

    kvtest::CloudServer m_cloud;
};

void TestKvcloud::initTestCase()
{
    kvtest::UseTemporaryEnvironment();
    QVERIFY2(m_cloud.Start(), qPrintable(m_cloud.Error()));
}

void TestKvcloud::endpoints_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("status");
    QTest::addColumn<QString>("key");      // in "data"; empty: "data" itself
    QTest::addColumn<QJsonValue>("value"); // undefined: not compared

    using V = QJsonValue;
    const QString calibration = "/cameracheck/downloadcalibration?camera_id=%1&camera_lens_id=%2";
    const QString elevation = "/bing/getelevationbypoint?lat_lng=";
    QTest::newRow("camera list") << "/cameracheck/other" << V("0") << "" << V(V::Undefined);
    QTest::newRow("calibration address")
        << calibration.arg(1001).arg(1) << V("0") << "url" << V(Url("/calibration/1001_1.cam"));
    QTest::newRow("ids swapped") << calibration.arg(1).arg(1001) << V("1") << ""
                                 << V(QJsonObject());
    QTest::newRow("serial") << "/data/getcamera?uas_serial_id=SN0001" << V("0") << "dpi"
                            << V("3.9");
    QTest::newRow("serial, case differs")
        << "/data/getcamera?uas_serial_id=sn0001" << V("1") << "" << V(QJsonObject());
    QTest::newRow("elevation") << elevation + "30.5000000000%2C114.25" << V("0") << "" << V(50.0);
    QTest::newRow("latitude 91") << elevation + "91%2C0" << V("1") << "" << V(QJsonObject());
}

void TestKvcloud::endpoints()
{
    QFETCH(QString, path);
    QFETCH(QJsonValue, status);
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);

    const Reply reply = Fetch(Url(path));
    QCOMPARE(reply.status, 200);
    QVERIFY(reply.contentType.startsWith("application/json"));
    const QJsonObject object = Object(reply);
    QCOMPARE(object.value("status"), status);
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
}

void TestKvcloud::calibrationBlock()
{
    const Reply file = Fetch(Url("/calibration/1001_1.cam"));
    QCOMPARE(file.status, 200);
    QCOMPARE(file.contentType, QStringLiteral("application/octet-stream"));
    QCOMPARE(file.body.size(), kvui::kCameraBlockSize);

    kvfd::CameraInfo camera;
    camera.name = "kept";
    QVERIFY(kvui::DecodeCameraBlock(file.body, camera));
    QCOMPARE(camera.name, std::string("kept"));
    QVERIFY(camera.width == 5472 && camera.height == 3648 && camera.x0 == 2736.0);
    QVERIFY(qAbs(camera.focal - 8.8) < 1e-9 && qAbs(camera.ccd_width - 13.2) < 1e-9);
    QVERIFY(camera.k1 == -0.0021 && camera.p2 == -0.00007);
    // The library's writer makes the very same bytes.
    camera.focal = 8.8;
    camera.pixel_size_x = 13.2 / 5472;
    QCOMPARE(kvui::EncodeCameraBlock(camera), file.body);
}

void TestKvcloud::faults_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("httpStatus");
    QTest::addColumn<QByteArray>("start"); // how the body begins
    QTest::addColumn<QJsonValue>("status");

    const QString list = "/cameracheck/other";
    const QString serial = "/data/getcamera?uas_serial_id=SN0001";
    const QString elevation = "/bing/getelevationbypoint?lat_lng=1%2C2";
    const QString block = "/calibration/1001_1.cam";
    using V = QJsonValue;
    const V none(V::Undefined);
    QTest::newRow("status 1") << QStringList {"--status", "1"} << list << 200 << QByteArray("{")
                              << V("1");
    QTest::newRow("status number")
        << QStringList {"--status-number"} << serial << 200 << QByteArray("{") << V(0);
    QTest::newRow("not JSON") << QStringList {"--malformed"} << elevation << 200
                              << QByteArray("<html>") << none;
    QTest::newRow("top array") << QStringList {"--top-array"} << list << 200 << QByteArray("[{")
                               << none;
    QTest::newRow("HTTP 500") << QStringList {"--http-status", "500"} << elevation << 500
                              << QByteArray("{") << V("0");
    QTest::newRow("empty list") << QStringList {"--empty-data"} << list << 200
                                << QByteArray(R"({"data":[],)") << V("0");
    QTest::newRow("empty object") << QStringList {"--empty-data"} << serial << 200
                                  << QByteArray(R"({"data":{},)") << V("0");
    QTest::newRow("busy") << QStringList {"--fail-first", "1"} << list << 503 << QByteArray("busy")
                          << none;
    QTest::newRow("block cut") << QStringList {"--calibration-size", "127"} << block << 200
                               << QByteArray() << none;
    QTest::newRow("block padded") << QStringList {"--calibration-size", "129"} << block << 200
                                  << QByteArray() << none;
}

void TestKvcloud::faults()
{
    QFETCH(QStringList, args);
    QFETCH(QString, path);
    QFETCH(int, httpStatus);
    QFETCH(QByteArray, start);
    QFETCH(QJsonValue, status);

    kvtest::CloudServer cloud(args);
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    const Reply reply = Fetch(cloud.Address() + path);
    QCOMPARE(reply.status, httpStatus);
    QVERIFY2(reply.body.startsWith(start), reply.body.left(80).constData());
    QCOMPARE(Object(reply).value("status"), status);
    if (path == "/calibration/1001_1.cam") // cut or zero-padded, never altered otherwise
        QCOMPARE(reply.body, Fetch(Url(path)).body.leftJustified(args.last().toInt(), '\0', true));
}

void TestKvcloud::oddRequestsDoNoHarm_data()
{
    QTest::addColumn<QString>("pathAndQuery");
    QTest::addColumn<int>("status");
    QTest::newRow("unknown path") << "/cameracheck/nothing" << 404;
    QTest::newRow("traversal") << "/calibration/..%2F..%2Fetc%2Fpasswd" << 404;
    QTest::newRow("bad escapes") << "/data/getcamera?uas_serial_id=%zz%&&=%" << 200;
    QTest::newRow("over-long query")
        << "/data/getcamera?uas_serial_id=" + QString(20000, 'x') << 414;
    QTest::newRow("repeated keys") << "/bing/getelevationbypoint?lat_lng=1%2C2&lat_lng=x" << 200;
    QTest::newRow("utf-8 and NUL ids")
        << "/cameracheck/downloadcalibration?camera_id=%E7%9B%B8&camera_lens_id=%00" << 200;
}

void TestKvcloud::oddRequestsDoNoHarm()
{
    QFETCH(QString, pathAndQuery);
    QFETCH(int, status);
    QCOMPARE(Fetch(Url(pathAndQuery)).status, status);
    QCOMPARE(Fetch(Url("/data/getcamera?uas_serial_id=SN0001")).status, 200); // still serving
}

void TestKvcloud::dem_data()
{
    QTest::addColumn<QString>("dem"); // "grid": the 3 x 2 grid below
    QTest::addColumn<QString>("latLng");
    QTest::addColumn<QJsonValue>("elevation"); // undefined: the server does not start

    const QString real = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/dem/storml_elev.tif");
    // Cell (50, 40) of the real DEM holds 2520 (see tests/data/dem/SOURCES.md).
    QTest::newRow("real DEM, a cell centre")
        << real << "46.0659729861912%2C-113.262865658724" << QJsonValue(2520.0);
    QTest::newRow("real DEM, outside") << real << "30.5%2C114.25" << QJsonValue(7.0);
    QTest::newRow("bilinear") << "grid"
                              << "21.0%2C11.0" << QJsonValue(250.0);
    QTest::newRow("edge: nearest centre") << "grid"
                                          << "20.2%2C10.2" << QJsonValue(300.0);
    QTest::newRow("beside no data: nearest") << "grid"
                                             << "20.6%2C12.2" << QJsonValue(500.0);
    QTest::newRow("on no data: flat") << "grid"
                                      << "21.2%2C12.2" << QJsonValue(7.0);
    QTest::newRow("missing DEM") << "/nowhere/测试.tif"
                                 << "1%2C2" << QJsonValue(QJsonValue::Undefined);
    QTest::newRow("not a DEM") << QStringLiteral(KVUI_SOURCE_DIR "/tests/data/rinex/demo.10o")
                               << "1%2C2" << QJsonValue(QJsonValue::Undefined);
}

// Heights from a DEM through GDAL, in the DEM's own coordinate system; the
// flat height elsewhere.
void TestKvcloud::dem()
{
    QFETCH(QString, dem);
    QFETCH(QString, latLng);
    QFETCH(QJsonValue, elevation);

    QTemporaryDir dir;
    if (dem == "grid") {
        // Cell centres 10.5..12.5 E, 21.5 and 20.5 N; one cell without data.
        dem = dir.filePath("grid.asc");
        QFile grid(dem), prj(dir.filePath("grid.prj"));
        QVERIFY(grid.open(QIODevice::WriteOnly) && prj.open(QIODevice::WriteOnly));
        grid.write("ncols 3\nnrows 2\nxllcorner 10\nyllcorner 20\ncellsize 1\n"
                   "NODATA_value -9999\n100 200 -9999\n300 400 500\n");
        prj.write(R"(GEOGCS["GCS_WGS_1984",DATUM["D_WGS_1984",SPHEROID["WGS_1984",6378137.0,)"
                  R"(298.257223563]],PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]])");
    }
    kvtest::CloudServer cloud({"--dem", dem, "--elevation", "7"});
    QCOMPARE(cloud.Start(), !elevation.isUndefined());
    if (elevation.isUndefined())
        return;
    const QJsonObject reply
        = Object(Fetch(cloud.Address() + "/bing/getelevationbypoint?lat_lng=" + latLng));
    QCOMPARE(reply.value("status"), QJsonValue("0"));
    QVERIFY2(qAbs(reply.value("data").toDouble() - elevation.toDouble()) < 1e-6,
             qPrintable(QString::number(reply.value("data").toDouble(), 'f', 9)));
}

QTEST_MAIN(TestKvcloud)
#include "tst_kvcloud.moc"
