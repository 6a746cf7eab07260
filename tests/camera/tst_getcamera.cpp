#include "camera/camerafile.h"
#include "camera/getcameradialog.h"
#include "camera/getcamerawidget.h"
#include "camera/querycamerabyserial.h"
#include "cloudserver.h"
#include "framework/titlewidget.h"
#include "modalanswer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kNetworkError = QStringLiteral("网络错误!");
const QString kNoData = QStringLiteral("数据不存在!");

// One calibration of the test's data: the ids, then image size, sensor width
// and focal length in millimetres, principal point and coefficients.
struct Calibration
{
    QString cameraId;
    QString lensId;
    int width;
    int height;
    double ccdWidth;
    double focal;
    double x0, y0;
    double k1, k2, k3, k4, k5, k6, p1, p2, alpha, beta;
};

const Calibration kCalibrations[] = {
    {QStringLiteral("VR-C61R"), QStringLiteral("L20-0457"), 6000, 4000, 23.5, 20.0, 3012.25, 1994.5,
     -0.0412, 0.0087, -0.0011, 0.0002, -0.00003, 0.000004, 0.00012, -0.000035, 0.0001, -0.0002},
    // Ids that break a query when sent as typed.
    {QStringLiteral("a&b=c#d"), QStringLiteral("x y+z%20"), 5472, 3648, 13.2, 8.8, 2736.5, 1824.5,
     0.01, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {QStringLiteral("相机 1"), QStringLiteral("镜头/2?"), 4000, 3000, 6.17, 4.5, 2000, 1500, 0.02,
     0, 0, 0, 0, 0, 0, 0, 0, 0},
    // What a query cut at a typed "&" would ask for.
    {QStringLiteral("A1"), QStringLiteral("L1"), 1000, 800, 5.0, 10.0, 500, 400, 0, 0, 0, 0, 0, 0,
     0, 0, 0, 0},
};

QJsonObject CalibrationObject(const Calibration& c)
{
    const auto text = [](double v) { return QString::number(v, 'g', 17); };
    return QJsonObject {
        {QStringLiteral("camera_id"), c.cameraId},
        {QStringLiteral("lens_id"), c.lensId},
        {QStringLiteral("width"), QString::number(c.width)},
        {QStringLiteral("height"), QString::number(c.height)},
        {QStringLiteral("ccdwidth"), text(c.ccdWidth)},
        {QStringLiteral("focallength"), text(c.focal)},
        {QStringLiteral("x0"), text(c.x0)},
        {QStringLiteral("y0"), text(c.y0)},
        {QStringLiteral("k1"), text(c.k1)},
        {QStringLiteral("k2"), text(c.k2)},
        {QStringLiteral("k3"), text(c.k3)},
        {QStringLiteral("k4"), text(c.k4)},
        {QStringLiteral("k5"), text(c.k5)},
        {QStringLiteral("k6"), text(c.k6)},
        {QStringLiteral("p1"), text(c.p1)},
        {QStringLiteral("p2"), text(c.p2)},
        {QStringLiteral("alpha"), text(c.alpha)},
        {QStringLiteral("beta"), text(c.beta)},
    };
}

QJsonObject SerialCamera(const QString& width, const QString& dpi)
{
    return QJsonObject {
        {QStringLiteral("image_width"), width},
        {QStringLiteral("image_height"), QStringLiteral("4000")},
        {QStringLiteral("dpi"), dpi},
        {QStringLiteral("f"), QStringLiteral("4500")},
        {QStringLiteral("x0"), QStringLiteral("3001.5")},
        {QStringLiteral("y0"), QStringLiteral("1998.25")},
        {QStringLiteral("k1"), QStringLiteral("-0.05")},
        {QStringLiteral("k2"), QStringLiteral("0.01")},
        {QStringLiteral("k3"), QStringLiteral("0.001")},
        {QStringLiteral("p1"), QStringLiteral("0.0001")},
        {QStringLiteral("p2"), QStringLiteral("-0.0002")},
        {QStringLiteral("alpha"), QStringLiteral("0.00005")},
        {QStringLiteral("beta"), QStringLiteral("-0.00004")},
    };
}

bool WriteJson(const QString& path, const QJsonDocument& document)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(document.toJson()) > 0;
}

bool Near(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
}

// Every field a downloaded calibration sets, against the data it came from.
QString CompareCamera(const kvfd::CameraInfo& got, const Calibration& c)
{
    const double pixel = c.ccdWidth / c.width;
    QStringList wrong;
    const auto check = [&](const char* field, double value, double expected) {
        if (!Near(value, expected))
            wrong << QStringLiteral("%1 %2 (expected %3)")
                         .arg(QLatin1String(field))
                         .arg(value, 0, 'g', 17)
                         .arg(expected, 0, 'g', 17);
    };
    check("width", got.width, c.width);
    check("height", got.height, c.height);
    check("pixel_size_x", got.pixel_size_x, pixel);
    check("pixel_size_y", got.pixel_size_y, pixel);
    check("ccd_width", got.ccd_width, c.ccdWidth);
    check("ccd_height", got.ccd_height, c.height * pixel);
    check("focal", got.focal, c.focal);
    check("x0", got.x0, c.x0);
    check("y0", got.y0, c.y0);
    check("k1", got.k1, c.k1);
    check("k2", got.k2, c.k2);
    check("k3", got.k3, c.k3);
    check("k4", got.k4, c.k4);
    check("k5", got.k5, c.k5);
    check("k6", got.k6, c.k6);
    check("p1", got.p1, c.p1);
    check("p2", got.p2, c.p2);
    check("alpha", got.alpha, c.alpha);
    check("beta", got.beta, c.beta);
    check("dtype", got.dtype, 1);
    return wrong.join(QStringLiteral("; "));
}

// A minimal web service inside the test process, for replies that kvcloud
// does not make (a damaged calibration block) and to see the raw requests.
// It is served by the local event loop in which the request waits.
class StubService : public QObject
{
public:
    struct Reply
    {
        int status = 200;
        QByteArray body;
    };

    bool Start()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &StubService::Accept);
        return m_server.listen(QHostAddress::LocalHost, 0);
    }
    QString Address() const
    {
        return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
    }
    // Makes the library's requests come here.
    void Use() const { qputenv("KVUI_SERVICE_URL", Address().toUtf8()); }
    // The reply to every request whose path (the target without its query) is path.
    void Put(const QString& path, Reply reply) { m_replies.insert(path, std::move(reply)); }
    // The request targets as they arrived, query included.
    QStringList Targets() const { return m_targets; }

private:
    void Accept()
    {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
        }
    }

    void Read(QTcpSocket* socket)
    {
        QByteArray& seen = m_pending[socket];
        seen += socket->readAll();
        if (!seen.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> words = seen.left(seen.indexOf("\r\n")).split(' ');
        m_pending.remove(socket);
        const QString target = words.size() > 1 ? QString::fromLatin1(words[1]) : QString();
        m_targets << target;
        const Reply reply = m_replies.value(target.section(QLatin1Char('?'), 0, 0),
                                            Reply {404, QByteArray("not here")});
        socket->write(QStringLiteral("HTTP/1.1 %1 X\r\nContent-Length: %2\r\n"
                                     "Connection: close\r\n\r\n")
                          .arg(reply.status)
                          .arg(reply.body.size())
                          .toLatin1()
                      + reply.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QString, Reply> m_replies;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QStringList m_targets;
};

QByteArray AddressReply(const QString& url)
{
    return QJsonDocument(
               QJsonObject {{QStringLiteral("status"), QStringLiteral("0")},
                            {QStringLiteral("data"), QJsonObject {{QStringLiteral("url"), url}}}})
        .toJson(QJsonDocument::Compact);
}

QLineEdit* Edit(QWidget* dialog, const char* name)
{
    return kvtest::Find<QLineEdit>(dialog, QLatin1String(name));
}

QPushButton* DownloadButton(QWidget* dialog)
{
    return kvtest::Find<QPushButton>(dialog, QStringLiteral("gcw_ok_btn_"));
}

void Type(QWidget* dialog, const QString& cameraId, const QString& lensId)
{
    Edit(dialog, "gcw_cameraid_")->setText(cameraId);
    Edit(dialog, "gcw_lensid_")->setText(lensId);
}

} // namespace

class TestGetCamera : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_data.isValid());
        QJsonArray calibrations;
        for (const Calibration& c : kCalibrations)
            calibrations.append(CalibrationObject(c));
        QVERIFY(WriteJson(m_data.filePath(QStringLiteral("calibrations.json")),
                          QJsonDocument(calibrations)));

        QJsonObject numbers = SerialCamera(QString(), QString());
        numbers.insert(QStringLiteral("image_width"), 6000);
        numbers.insert(QStringLiteral("dpi"), 4.4);
        const QJsonObject serials {
            {QStringLiteral("UAS-0001"),
             SerialCamera(QStringLiteral("6000"), QStringLiteral("4.4"))},
            {QStringLiteral("UAS&0002 #x"),
             SerialCamera(QStringLiteral("5000"), QStringLiteral("2.0"))},
            {QStringLiteral("UAS-NUMBERS"), numbers},
            {QStringLiteral("UAS-EMPTY"), QJsonObject()},
        };
        QVERIFY(WriteJson(m_data.filePath(QStringLiteral("serials.json")), QJsonDocument(serials)));
    }

    void form()
    {
        GetCameraDialog dialog;
        QCOMPARE(dialog.findChild<TitleWidget*>()->Title(),
                 QStringLiteral("Get Camera From Varnel Cloud"));
        QCOMPARE(dialog.Content()->size(), QSize(400, 200));
        QCOMPARE(Edit(&dialog, "gcw_cameraid_")->objectName(), QStringLiteral("kvlineedit"));
        QCOMPARE(Edit(&dialog, "gcw_lensid_")->objectName(), QStringLiteral("kvlineedit"));
        QCOMPARE(DownloadButton(&dialog)->objectName(), QStringLiteral("kvcombtn"));
        QCOMPARE(DownloadButton(&dialog)->text(), QStringLiteral("Download"));
        auto* cancel = kvtest::Find<QPushButton>(&dialog, QStringLiteral("gcw_cancel_btn_"));
        QCOMPARE(cancel->objectName(), QStringLiteral("kvquitbtn"));
        QCOMPARE(dialog.GetCamera(), kvfd::CameraInfo());
    }

    void downloadAccepts_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("cameraId");
        QTest::addColumn<QString>("lensId");
        QTest::addColumn<int>("calibration");
        QTest::newRow("plain") << QStringList() << "VR-C61R"
                               << "L20-0457" << 0;
        QTest::newRow("blanks around the ids") << QStringList() << "  VR-C61R "
                                               << "\tL20-0457 " << 0;
        QTest::newRow("query characters in the ids") << QStringList() << "a&b=c#d"
                                                     << "x y+z%20" << 1;
        QTest::newRow("non-ASCII ids") << QStringList() << "相机 1"
                                       << "镜头/2?" << 2;
        QTest::newRow("status as a JSON number")
            << QStringList {QStringLiteral("--status-number")} << "VR-C61R"
            << "L20-0457" << 0;
    }

    // The whole run as the user sees it: type, Download, the dialog closes.
    void downloadAccepts()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, cameraId);
        QFETCH(QString, lensId);
        QFETCH(int, calibration);
        kvtest::CloudServer cloud(Args(faults));
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));

        GetCameraDialog dialog;
        kvtest::ModalAnswer answer;
        answer.Do([&](QWidget* shown) { Type(shown, cameraId, lensId); })
            .Click(QStringLiteral("gcw_ok_btn_"))
            .Arm();
        // A message instead of success is answered and ends the run, so that
        // the test fails rather than waits.
        kvtest::ModalAnswer message;
        message.Do([&dialog](QWidget*) { QTimer::singleShot(0, &dialog, &QDialog::reject); })
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(!message.Done());
        const QString wrong = CompareCamera(dialog.GetCamera(), kCalibrations[calibration]);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QCOMPARE(dialog.GetCamera().name, std::string());
        QCOMPARE(DownloadButton(&dialog)->text(), QStringLiteral("下载"));
    }

    void missingIdDoesNothing_data()
    {
        QTest::addColumn<QString>("cameraId");
        QTest::addColumn<QString>("lensId");
        QTest::newRow("empty lens id") << "VR-C61R"
                                       << "";
        QTest::newRow("blank lens id") << "VR-C61R"
                                       << "   ";
        QTest::newRow("empty camera id") << ""
                                         << "L20-0457";
    }

    void missingIdDoesNothing()
    {
        QFETCH(QString, cameraId);
        QFETCH(QString, lensId);
        StubService stub;
        QVERIFY(stub.Start());
        stub.Use();
        GetCameraDialog dialog;
        dialog.show();
        Type(&dialog, cameraId, lensId);
        // Answers a message should one come, so that a fault fails the test
        // instead of hanging it.
        kvtest::ModalAnswer unexpected;
        unexpected.Click(QStringLiteral("kvsb_ok_btn_")).Arm();
        QTest::mouseClick(DownloadButton(&dialog), Qt::LeftButton);
        QVERIFY(!unexpected.Done());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(stub.Targets().isEmpty());
        QCOMPARE(DownloadButton(&dialog)->text(), QStringLiteral("Download"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.GetCamera(), kvfd::CameraInfo());
    }

    void failureIsTold_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("lensId");
        QTest::addColumn<QString>("message");
        const QString lens = QStringLiteral("L20-0457");
        QTest::newRow("no answer within 3 s")
            << QStringList {QStringLiteral("--delay-ms"), QStringLiteral("3500")} << lens
            << kNetworkError;
        QTest::newRow("status 1") << QStringList {QStringLiteral("--status"), QStringLiteral("1")}
                                  << lens << kNoData;
        QTest::newRow("unknown lens") << QStringList() << "L99" << kNoData;
        QTest::newRow("calibration of 127 bytes")
            << QStringList {QStringLiteral("--calibration-size"), QStringLiteral("127")} << lens
            << kNoData;
        QTest::newRow("calibration of 129 bytes")
            << QStringList {QStringLiteral("--calibration-size"), QStringLiteral("129")} << lens
            << kNoData;
        QTest::newRow("reply not JSON")
            << QStringList {QStringLiteral("--malformed")} << lens << kNoData;
        QTest::newRow("reply a JSON array")
            << QStringList {QStringLiteral("--top-array")} << lens << kNoData;
        QTest::newRow("data without url")
            << QStringList {QStringLiteral("--empty-data")} << lens << kNoData;
        QTest::newRow("HTTP error")
            << QStringList {QStringLiteral("--http-status"), QStringLiteral("500")} << lens
            << kNoData;
    }

    // The message is shown, the dialog stays open and the record stays as it was.
    void failureIsTold()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, lensId);
        QFETCH(QString, message);
        kvtest::CloudServer cloud(Args(faults));
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));

        GetCameraDialog dialog;
        dialog.show();
        Type(&dialog, QStringLiteral("VR-C61R"), lensId);
        QElapsedTimer clock;
        clock.start();
        ClickDownloadExpecting(dialog, message);
        // The wait was the time-out, not a quick failure (a coarse timer may
        // end up to 5 % early).
        if (message == kNetworkError)
            QVERIFY2(clock.elapsed() >= 2800, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(dialog.GetCamera(), kvfd::CameraInfo());
        QCOMPARE(DownloadButton(&dialog)->text(), QStringLiteral("下载"));
    }

    void retryAfterFailure()
    {
        kvtest::CloudServer cloud(Args({}));
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        GetCameraDialog dialog;
        dialog.show();
        Type(&dialog, QStringLiteral("VR-C61R"), QStringLiteral("L21"));
        ClickDownloadExpecting(dialog, kNoData);
        QCOMPARE(dialog.GetCamera(), kvfd::CameraInfo());

        Edit(&dialog, "gcw_lensid_")->setText(QStringLiteral("L20-0457"));
        QTest::mouseClick(DownloadButton(&dialog), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        const QString wrong = CompareCamera(dialog.GetCamera(), kCalibrations[0]);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // A typed "&" stays inside its id: it cannot cut the query and bring in a
    // lens id of its own.
    void idCannotAddAParameter()
    {
        kvtest::CloudServer cloud(Args({}));
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        GetCameraDialog dialog;
        dialog.show();
        Type(&dialog, QStringLiteral("A1&camera_lens_id=L1#"), QStringLiteral("other"));
        ClickDownloadExpecting(dialog, kNoData);
        QCOMPARE(dialog.GetCamera(), kvfd::CameraInfo());
    }

    void queryIsPercentEncoded()
    {
        StubService stub;
        QVERIFY(stub.Start());
        stub.Use();
        GetCameraDialog dialog;
        dialog.show();
        Type(&dialog, QStringLiteral("a&b=c#d"), QStringLiteral("x y+z%20é"));
        ClickDownloadExpecting(dialog, kNoData);
        QCOMPARE(stub.Targets(),
                 QStringList {QStringLiteral("/cameracheck/downloadcalibration"
                                             "?camera_id=a%26b%3Dc%23d"
                                             "&camera_lens_id=x%20y%2Bz%2520%C3%A9")});
    }

    void overlongUrlIsRefusedWithoutRequest_data()
    {
        QTest::addColumn<QString>("cameraId");
        QTest::addColumn<int>("urlLength"); // pads the camera id to this, when not 0
        QTest::addColumn<bool>("sent");
        QTest::newRow("255 characters") << QString() << 255 << true;
        QTest::newRow("256 characters") << QString() << 256 << false;
        QTest::newRow("short id that encodes long") << QString(90, QLatin1Char('&')) << 0 << false;
    }

    void overlongUrlIsRefusedWithoutRequest()
    {
        QFETCH(QString, cameraId);
        QFETCH(int, urlLength);
        QFETCH(bool, sent);
        StubService stub;
        QVERIFY(stub.Start());
        stub.Use();
        const QString lensId = QStringLiteral("L1");
        if (urlLength > 0) {
            const QString rest = stub.Address()
                + QStringLiteral("/cameracheck/downloadcalibration?camera_id=&camera_lens_id=")
                + lensId;
            cameraId = QString(urlLength - rest.size(), QLatin1Char('c'));
        }
        GetCameraDialog dialog;
        dialog.show();
        Type(&dialog, cameraId, lensId);
        ClickDownloadExpecting(dialog, kNoData);
        QCOMPARE(stub.Targets().size(), sent ? 1 : 0);
        if (sent)
            QCOMPARE(stub.Address().size() + stub.Targets().constFirst().size(), urlLength);
    }

    void calibrationBlockIsChecked_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("flip");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("intact") << 0 << 0 << true;
        QTest::newRow("check word changed") << 126 << 0x01 << false;
        QTest::newRow("coefficient byte changed") << 50 << 0x80 << false;
        QTest::newRow("marker changed") << 0 << 0x01 << false;
    }

    void calibrationBlockIsChecked()
    {
        QFETCH(int, offset);
        QFETCH(int, flip);
        QFETCH(bool, accepted);
        kvfd::CameraInfo camera;
        camera.width = 6000;
        camera.height = 4000;
        camera.pixel_size_x = camera.pixel_size_y = 0.0039;
        camera.ccd_width = 23.4;
        camera.ccd_height = 15.6;
        camera.focal = 24.0;
        camera.x0 = 3000.5;
        camera.y0 = 2001.0;
        camera.k1 = -0.03;
        QByteArray block = kvui::EncodeCameraBlock(camera);
        QCOMPARE(block.size(), kvui::kCameraBlockSize);
        block[offset] = char(block[offset] ^ flip);

        StubService stub;
        QVERIFY(stub.Start());
        stub.Use();
        // An address relative to the service is taken as on the service.
        stub.Put(QStringLiteral("/cameracheck/downloadcalibration"),
                 {200, AddressReply(QStringLiteral("/files/1001_1.cam"))});
        stub.Put(QStringLiteral("/files/1001_1.cam"), {200, block});
        GetCameraDialog dialog;
        dialog.show();
        Type(&dialog, QStringLiteral("1001"), QStringLiteral("1"));
        if (accepted) {
            QTest::mouseClick(DownloadButton(&dialog), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.GetCamera().width, 6000);
            QVERIFY(Near(dialog.GetCamera().focal, 24.0));
        } else {
            ClickDownloadExpecting(dialog, kNoData);
            QCOMPARE(dialog.GetCamera(), kvfd::CameraInfo());
        }
        QCOMPARE(stub.Targets().size(), 2);
    }

    // The address in the reply is followed only to a web server, never to a
    // local file.
    void calibrationAddressMustBeWeb_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("file") << "file:///etc/hostname";
        QTest::newRow("qrc") << "qrc:/dialog/images/1280/dialog/Exclamation_mark.png";
        QTest::newRow("empty") << "";
        QTest::newRow("no host") << "http:///x.cam";
    }

    void calibrationAddressMustBeWeb()
    {
        QFETCH(QString, url);
        StubService stub;
        QVERIFY(stub.Start());
        stub.Use();
        stub.Put(QStringLiteral("/cameracheck/downloadcalibration"), {200, AddressReply(url)});
        GetCameraDialog dialog;
        dialog.show();
        Type(&dialog, QStringLiteral("1001"), QStringLiteral("1"));
        ClickDownloadExpecting(dialog, kNoData);
        QCOMPARE(stub.Targets().size(), 1);
        QCOMPARE(dialog.GetCamera(), kvfd::CameraInfo());
    }

    void cancelRejects()
    {
        GetCameraDialog dialog;
        kvtest::ModalAnswer answer;
        answer.Click(QStringLiteral("gcw_cancel_btn_")).Arm();
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    }

    void cameraBySerial()
    {
        kvtest::CloudServer cloud(Args({}));
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        kvfd::CameraInfo camera;
        camera.id = 7;
        camera.k4 = 0.5;
        camera.mount_angle = 2;
        camera.dtype = 6;
        QVERIFY(QueryCameraBySerial(camera, "UAS-0001"));
        QCOMPARE(camera.id, 0);
        QCOMPARE(camera.name, std::string("ILCE-5100"));
        QCOMPARE(camera.fullname, std::string("ILCE-5100"));
        QCOMPARE(camera.width, 6000);
        QCOMPARE(camera.height, 4000);
        QVERIFY(Near(camera.pixel_size_x, 0.0044));
        QVERIFY(Near(camera.pixel_size_y, 0.0044));
        QVERIFY(Near(camera.ccd_width, 26.4));
        QVERIFY(Near(camera.ccd_height, 17.6));
        QVERIFY(Near(camera.focal, 19.8));
        QVERIFY(Near(camera.x0, 3001.5));
        QVERIFY(Near(camera.y0, 1998.25));
        QCOMPARE(camera.dtype, 1);
        QVERIFY(Near(camera.k1, -0.05));
        QVERIFY(Near(camera.k2, 0.01));
        QVERIFY(Near(camera.k3, 0.001));
        QVERIFY(Near(camera.p1, 0.0001));
        QVERIFY(Near(camera.p2, -0.0002));
        QVERIFY(Near(camera.alpha, 0.00005));
        QVERIFY(Near(camera.beta, -0.00004));
        // Fields the service does not send stay as the caller had them.
        QCOMPARE(camera.k4, 0.5);
        QCOMPARE(camera.mount_angle, 2);

        kvfd::CameraInfo encoded;
        QVERIFY(QueryCameraBySerial(encoded, "UAS&0002 #x"));
        QCOMPARE(encoded.width, 5000);

        // Values sent as JSON numbers read as 0.
        kvfd::CameraInfo numbers;
        QVERIFY(QueryCameraBySerial(numbers, "UAS-NUMBERS"));
        QCOMPARE(numbers.width, 0);
        QCOMPARE(numbers.pixel_size_x, 0.0);
        QCOMPARE(numbers.height, 4000);
    }

    void cameraBySerialFails_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("serial");
        QTest::newRow("data is {}") << QStringList() << "UAS-EMPTY";
        QTest::newRow("unknown serial") << QStringList() << "UAS-9999";
        QTest::newRow("a serial that only starts alike") << QStringList() << "UAS-0001&x=1";
        QTest::newRow("no answer within 3 s")
            << QStringList {QStringLiteral("--delay-ms"), QStringLiteral("3500")} << "UAS-0001";
        QTest::newRow("status 1") << QStringList {QStringLiteral("--status"), QStringLiteral("1")}
                                  << "UAS-0001";
        QTest::newRow("reply not JSON")
            << QStringList {QStringLiteral("--malformed")} << "UAS-0001";
        QTest::newRow("empty data") << QStringList {QStringLiteral("--empty-data")} << "UAS-0001";
    }

    void cameraBySerialFails()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, serial);
        kvtest::CloudServer cloud(Args(faults));
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        kvfd::CameraInfo camera;
        camera.name = "kept";
        camera.width = 123;
        const kvfd::CameraInfo before = camera;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!QueryCameraBySerial(camera, serial.toStdString()));
        QVERIFY2(clock.elapsed() < 3400, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(camera, before);
    }

private:
    QStringList Args(const QStringList& faults) const
    {
        return QStringList {QStringLiteral("--data"), m_data.path()} + faults;
    }

    // Clicks Download and answers the one message it must show.
    void ClickDownloadExpecting(GetCameraDialog& dialog, const QString& message)
    {
        kvtest::ModalAnswer answer;
        answer.ExpectText(message).Click(QStringLiteral("kvsb_ok_btn_")).Arm();
        QTest::mouseClick(DownloadButton(&dialog), Qt::LeftButton);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    }

    QTemporaryDir m_data;
};

QTEST_MAIN(TestGetCamera)
#include "tst_getcamera.moc"
