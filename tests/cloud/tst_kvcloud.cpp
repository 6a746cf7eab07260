// kvcloud, the stand-in web service that the camera and elevation tests talk
// to: its replies must have exactly the shapes the library reads, its faults
// must be the ones asked for, and no query may bring it down.

#include "camera/camerafile.h"
#include "cloudserver.h"
#include "modalanswer.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
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
Reply Fetch(const QString& url, int timeoutMs = 5000)
{
    QNetworkAccessManager manager;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&manager, &QNetworkAccessManager::finished, &loop, &QEventLoop::quit);
    QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(url)));
    timer.start(timeoutMs);
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

const char* const kCameraKeys[]
    = {"name",        "fullname", "width", "height", "ccdwidth", "ccdheight", "x0",    "y0",
       "focallength", "k1",       "k2",    "k3",     "p1",       "p2",        "alpha", "beta"};

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestKvcloud : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void cameraList();
    void calibration();
    void calibrationUnknown_data();
    void calibrationUnknown();
    void cameraBySerial_data();
    void cameraBySerial();
    void elevation_data();
    void elevation();
    void oddRequestsDoNoHarm_data();
    void oddRequestsDoNoHarm();

    void faults_data();
    void faults();
    void calibrationSize_data();
    void calibrationSize();
    void failFirst();

    void dataFiles();
    void brokenDataFileStopsStart();
    void badCommandLine_data();
    void badCommandLine();

private:
    QString Url(const QString& pathAndQuery) const { return m_cloud.Address() + pathAndQuery; }

    kvtest::CloudServer m_cloud;
};

void TestKvcloud::initTestCase()
{
    kvtest::UseTemporaryEnvironment();
    QVERIFY2(m_cloud.Start(), qPrintable(m_cloud.Error()));
    QVERIFY(m_cloud.Port() > 0);
    QCOMPARE(qEnvironmentVariable("KVUI_SERVICE_URL"), m_cloud.Address());
}

void TestKvcloud::cleanupTestCase()
{
    m_cloud.Stop();
}

void TestKvcloud::cameraList()
{
    const Reply reply = Fetch(Url("/cameracheck/other"));
    QCOMPARE(reply.status, 200);
    QVERIFY(reply.contentType.startsWith("application/json"));
    const QJsonObject object = Object(reply);
    QCOMPARE(object.value("status"), QJsonValue("0"));
    const QJsonArray data = object.value("data").toArray();
    QVERIFY2(data.size() >= 45, qPrintable(QString::number(data.size())));
    for (const QJsonValue& value : data) {
        const QJsonObject camera = value.toObject();
        for (const char* key : kCameraKeys)
            QVERIFY2(camera.value(key).isString(), key);
        // Plausible numbers: what the camera dialogs will show.
        QVERIFY(camera.value("width").toString().toInt() > 0);
        QVERIFY(camera.value("ccdwidth").toString().toDouble() > 1.0);
        QVERIFY(camera.value("focallength").toString().toDouble() > 1.0);
        QVERIFY(!camera.value("name").toString().trimmed().isEmpty());
    }
}

void TestKvcloud::calibration()
{
    const Reply address
        = Fetch(Url("/cameracheck/downloadcalibration?camera_id=1001&camera_lens_id=1"));
    QCOMPARE(address.status, 200);
    const QJsonObject object = Object(address);
    QCOMPARE(object.value("status"), QJsonValue("0"));
    const QString url = object.value("data").toObject().value("url").toString();
    QCOMPARE(url, Url("/calibration/1001_1.cam"));

    const Reply file = Fetch(url);
    QCOMPARE(file.status, 200);
    QCOMPARE(file.contentType, QStringLiteral("application/octet-stream"));
    QCOMPARE(file.body.size(), kvui::kCameraBlockSize);

    // The library's own reader takes it, with the values of the camera list.
    kvfd::CameraInfo camera;
    camera.name = "kept";
    QVERIFY(kvui::DecodeCameraBlock(file.body, camera));
    QCOMPARE(camera.name, std::string("kept"));
    QCOMPARE(camera.width, 5472);
    QCOMPARE(camera.height, 3648);
    QVERIFY(qAbs(camera.focal - 8.8) < 1e-9);
    QVERIFY(qAbs(camera.ccd_width - 13.2) < 1e-9);
    QCOMPARE(camera.x0, 2736.0);
    QCOMPARE(camera.k1, -0.0021);
    QCOMPARE(camera.p2, -0.00007);
    // And the library's writer makes the very same bytes from that record.
    kvfd::CameraInfo source = camera;
    source.focal = 8.8;
    source.pixel_size_x = 13.2 / 5472;
    QCOMPARE(kvui::EncodeCameraBlock(source), file.body);
}

void TestKvcloud::calibrationUnknown_data()
{
    QTest::addColumn<QString>("query");
    QTest::newRow("unknown camera") << "camera_id=9999&camera_lens_id=1";
    QTest::newRow("unknown lens") << "camera_id=1001&camera_lens_id=7";
    QTest::newRow("no lens") << "camera_id=1001";
    QTest::newRow("nothing") << "";
    QTest::newRow("ids swapped") << "camera_id=1&camera_lens_id=1001";
}

void TestKvcloud::calibrationUnknown()
{
    QFETCH(QString, query);
    const Reply reply = Fetch(Url("/cameracheck/downloadcalibration?" + query));
    QCOMPARE(reply.status, 200);
    QCOMPARE(Object(reply), QJsonObject({{"status", "1"}, {"data", QJsonObject()}}));
}

void TestKvcloud::cameraBySerial_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("dpi"); // empty: unknown serial
    QTest::newRow("SN0001") << "SN0001"
                            << "3.9";
    QTest::newRow("SN0002") << "SN0002"
                            << "4.4";
    QTest::newRow("unknown") << "SN9999"
                             << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("case differs") << "sn0001"
                                  << "";
}

void TestKvcloud::cameraBySerial()
{
    QFETCH(QString, serial);
    QFETCH(QString, dpi);
    const QJsonObject object = Object(Fetch(Url("/data/getcamera?uas_serial_id=" + serial)));
    if (dpi.isEmpty()) {
        QCOMPARE(object, QJsonObject({{"status", "1"}, {"data", QJsonObject()}}));
        return;
    }
    QCOMPARE(object.value("status"), QJsonValue("0"));
    const QJsonObject data = object.value("data").toObject();
    for (const char* key : {"image_width", "image_height", "dpi", "x0", "y0", "f", "k1", "k2", "k3",
                            "p1", "p2", "alpha", "beta"})
        QVERIFY2(data.value(key).isString(), key);
    QCOMPARE(data.value("image_width"), QJsonValue("6000"));
    QCOMPARE(data.value("dpi").toString(), dpi);
}

void TestKvcloud::elevation_data()
{
    QTest::addColumn<QString>("latLng");
    QTest::addColumn<bool>("valid");
    QTest::newRow("ten decimals") << "30.5000000000%2C114.2500000000" << true;
    QTest::newRow("plain comma") << "30.5,114.25" << true;
    QTest::newRow("south west") << "-33.9%2C-70.6" << true;
    QTest::newRow("poles and date line") << "90%2C-180" << true;
    QTest::newRow("latitude 91") << "91%2C0" << false;
    QTest::newRow("longitude 181") << "0%2C181" << false;
    QTest::newRow("one number") << "30.5" << false;
    QTest::newRow("three numbers") << "1%2C2%2C3" << false;
    QTest::newRow("text") << "north%2Ceast" << false;
    QTest::newRow("nan") << "nan%2C1" << false;
    QTest::newRow("huge") << "1e400%2C1" << false;
    QTest::newRow("blank") << "%2030%2C114" << false;
    QTest::newRow("empty") << "" << false;
}

void TestKvcloud::elevation()
{
    QFETCH(QString, latLng);
    QFETCH(bool, valid);
    const Reply reply = Fetch(Url("/bing/getelevationbypoint?lat_lng=" + latLng));
    QCOMPARE(reply.status, 200);
    const QJsonObject object = Object(reply);
    if (valid) {
        QCOMPARE(object.value("status"), QJsonValue("0"));
        QVERIFY(object.value("data").isDouble());
        QCOMPARE(object.value("data").toDouble(), 50.0);
    } else {
        QCOMPARE(object.value("status"), QJsonValue("1"));
    }
}

void TestKvcloud::oddRequestsDoNoHarm_data()
{
    QTest::addColumn<QString>("pathAndQuery");
    QTest::addColumn<int>("status");
    QTest::newRow("unknown path") << "/cameracheck/nothing" << 404;
    QTest::newRow("traversal") << "/calibration/..%2F..%2Fetc%2Fpasswd" << 404;
    QTest::newRow("unknown file") << "/calibration/none.cam" << 404;
    QTest::newRow("bad escapes") << "/data/getcamera?uas_serial_id=%zz%&&=%" << 200;
    QTest::newRow("long query") << "/data/getcamera?uas_serial_id=" + QString(6000, 'x') << 200;
    QTest::newRow("over-long query")
        << "/data/getcamera?uas_serial_id=" + QString(20000, 'x') << 414;
    QTest::newRow("repeated keys") << "/bing/getelevationbypoint?lat_lng=1%2C2&lat_lng=x" << 200;
    QTest::newRow("utf-8 ids")
        << "/cameracheck/downloadcalibration?camera_id=%E7%9B%B8&camera_lens_id=%00" << 200;
}

void TestKvcloud::oddRequestsDoNoHarm()
{
    QFETCH(QString, pathAndQuery);
    QFETCH(int, status);
    QCOMPARE(Fetch(Url(pathAndQuery)).status, status);
    // Still serving.
    QCOMPARE(Fetch(Url("/data/getcamera?uas_serial_id=SN0001")).status, 200);
}

void TestKvcloud::faults_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("start");    // how the body begins
    QTest::addColumn<QString>("statusValue"); // JSON "status" as text; empty when none

    QTest::newRow("status 1") << QStringList {"--status", "1"} << 200 << QByteArray("{") << "1";
    QTest::newRow("status number")
        << QStringList {"--status-number"} << 200 << QByteArray("{") << "number 0";
    QTest::newRow("not JSON") << QStringList {"--malformed"} << 200 << QByteArray("<html>") << "";
    QTest::newRow("top array") << QStringList {"--top-array"} << 200 << QByteArray("[{") << "";
    QTest::newRow("HTTP 500") << QStringList {"--http-status", "500"} << 500 << QByteArray("{")
                              << "0";
    QTest::newRow("empty data") << QStringList {"--empty-data"} << 200 << QByteArray("{") << "0";
}

void TestKvcloud::faults()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QByteArray, start);
    QFETCH(QString, statusValue);

    kvtest::CloudServer cloud(args);
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    // Every JSON endpoint carries the fault, the camera list first of all.
    for (const char* path : {"/cameracheck/other", "/data/getcamera?uas_serial_id=SN0001",
                             "/bing/getelevationbypoint?lat_lng=1%2C2",
                             "/cameracheck/downloadcalibration?camera_id=1001&camera_lens_id=1"}) {
        const Reply reply = Fetch(cloud.Address() + path);
        QCOMPARE(reply.status, status);
        QVERIFY2(reply.body.startsWith(start), reply.body.left(80).constData());
        if (statusValue.isEmpty())
            continue;
        const QJsonValue value = Object(reply).value("status");
        if (statusValue == "number 0")
            QVERIFY(value.isDouble() && value.toInt() == 0);
        else
            QCOMPARE(value, QJsonValue(statusValue));
        if (args.contains("--empty-data")) {
            const QJsonValue data = Object(reply).value("data");
            QVERIFY(data == QJsonValue(QJsonArray()) || data == QJsonValue(QJsonObject()));
        }
    }
}

void TestKvcloud::calibrationSize_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("127") << 127;
    QTest::newRow("129") << 129;
    QTest::newRow("0") << 0;
}

void TestKvcloud::calibrationSize()
{
    QFETCH(int, size);
    kvtest::CloudServer cloud({"--calibration-size", QString::number(size)});
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    const Reply normal = Fetch(m_cloud.Address() + "/calibration/1001_1.cam");
    const Reply reply = Fetch(cloud.Address() + "/calibration/1001_1.cam");
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.body.size(), size);
    // Cut or padded, never altered otherwise.
    const int common = qMin(size, kvui::kCameraBlockSize);
    QCOMPARE(reply.body.left(common), normal.body.left(common));
    QVERIFY(reply.body.mid(common).count('\0') == reply.body.size() - common);
}

void TestKvcloud::failFirst()
{
    kvtest::CloudServer cloud({"--fail-first", "2"});
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    QList<int> statuses;
    for (int i = 0; i < 4; ++i)
        statuses << Fetch(cloud.Address() + "/cameracheck/other").status;
    QCOMPARE(statuses, (QList<int> {503, 503, 200, 200}));
    // Each line is written once its reply is out, so two quick requests on
    // separate connections may log in either order.
    QStringList requests = cloud.Requests();
    requests.sort();
    QCOMPARE(requests,
             (QStringList {"GET /cameracheck/other 200", "GET /cameracheck/other 200",
                           "GET /cameracheck/other 503", "GET /cameracheck/other 503"}));
}

void TestKvcloud::dataFiles()
{
    QTemporaryDir dir;
    QVERIFY(WriteFile(dir.filePath("cameras.json"),
                      R"([{"name": " one ", "width": 6000}, {"name": "二"}])"));
    QVERIFY(WriteFile(dir.filePath("calibrations.json"),
                      R"([{"camera_id": "A-1", "lens_id": "2", "width": "4000", "height": "3000",
                           "ccdwidth": "6.17", "focallength": "4.5", "k4": "0.25"},
                          {"camera_id": "../x", "lens_id": "1", "width": 100, "height": 50,
                           "ccdwidth": 1, "focallength": 2}])"));
    QVERIFY(WriteFile(dir.filePath("serials.json"), R"({"ABC": {"dpi": 4.4}})"));
    kvtest::CloudServer cloud({"--data", dir.path(), "--elevation", "12.5"});
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));

    // The camera list is served as written, numbers and blanks included.
    QCOMPARE(
        Object(Fetch(cloud.Address() + "/cameracheck/other")).value("data"),
        QJsonDocument::fromJson(R"([{"name": " one ", "width": 6000}, {"name": "二"}])").array());

    const QString url
        = Object(Fetch(cloud.Address()
                       + "/cameracheck/downloadcalibration?camera_id=A-1&camera_lens_id=2"))
              .value("data")
              .toObject()
              .value("url")
              .toString();
    QCOMPARE(url, cloud.Address() + "/calibration/A-1_2.cam");
    kvfd::CameraInfo camera;
    QVERIFY(kvui::DecodeCameraBlock(Fetch(url).body, camera));
    QVERIFY(camera.width == 4000 && camera.height == 3000 && camera.k4 == 0.25);
    QVERIFY(qAbs(camera.focal - 4.5) < 1e-9);

    // An id that is no plain name gets a file name of the service's choosing.
    const QString other
        = Object(Fetch(cloud.Address()
                       + "/cameracheck/downloadcalibration?camera_id=..%2Fx&camera_lens_id=1"))
              .value("data")
              .toObject()
              .value("url")
              .toString();
    QVERIFY2(other.startsWith(cloud.Address() + "/calibration/calibration"), qPrintable(other));
    QCOMPARE(Fetch(other).body.size(), kvui::kCameraBlockSize);

    const QJsonObject serial = Object(Fetch(cloud.Address() + "/data/getcamera?uas_serial_id=ABC"));
    QCOMPARE(serial.value("data"), QJsonValue(QJsonObject {{"dpi", 4.4}}));
    QCOMPARE(
        Object(Fetch(cloud.Address() + "/data/getcamera?uas_serial_id=SN0001")).value("status"),
        QJsonValue("1")); // the file replaces the built-in serials
    QCOMPARE(Object(Fetch(cloud.Address() + "/bing/getelevationbypoint?lat_lng=1%2C2"))
                 .value("data")
                 .toDouble(),
             12.5);
}

void TestKvcloud::brokenDataFileStopsStart()
{
    // Serving the built-in list instead would hide the mistake.
    QTemporaryDir dir;
    QVERIFY(WriteFile(dir.filePath("cameras.json"), "[{\"name\": \"cut off"));
    kvtest::CloudServer cloud({"--data", dir.path()});
    QVERIFY(!cloud.Start());
    QVERIFY2(cloud.Error().contains("cameras.json"), qPrintable(cloud.Error()));
}

void TestKvcloud::badCommandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unknown option") << QStringList {"--frobnicate"};
    QTest::newRow("port out of range") << QStringList {"--port", "70000"};
    QTest::newRow("port not a number") << QStringList {"--port", "80x"};
    QTest::newRow("missing value") << QStringList {"--delay-ms"};
    QTest::newRow("bad elevation") << QStringList {"--elevation", "high"};
    QTest::newRow("http status 42") << QStringList {"--http-status", "42"};
}

void TestKvcloud::badCommandLine()
{
    QFETCH(QStringList, args);
    QProcess process;
    process.start(kvtest::CloudServer::Program(), args);
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().startsWith("kvcloud: "));
}

QTEST_MAIN(TestKvcloud)
#include "tst_kvcloud.moc"
