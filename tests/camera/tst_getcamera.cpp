#include "camera/getcameradialog.h"
#include "camera/querycamerabyserial.h"
#include "cloudserver.h"
#include "modalanswer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <tuple>

namespace {

const QString kNetworkError = QStringLiteral("网络错误!");
const QString kNoData = QStringLiteral("数据不存在!");
const QString kSerial = QStringLiteral("UAS 1&x=#2");

QJsonObject Calibration(const QString& cameraId, const QString& lensId)
{
    return QJsonObject {{"camera_id", cameraId}, {"lens_id", lensId}, {"width", 6000},
                        {"height", 4000},        {"ccdwidth", 23.5},  {"focallength", 20.0},
                        {"x0", 3012.25},         {"y0", 1994.5},      {"k1", -0.0412},
                        {"beta", -0.0002}};
}

bool WriteJson(const QString& path, const QJsonDocument& document)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(document.toJson()) > 0;
}

// Whether texts hold a message whose first line is first and whose second
// line is reason (absent when reason is empty).
bool ShowsMessage(const QStringList& texts, const QString& first, const QString& reason)
{
    for (const QString& text : texts) {
        const QString head = text.section(QLatin1Char('\n'), 0, 0);
        const QString rest = text.section(QLatin1Char('\n'), 1);
        if (head == first && rest == reason)
            return true;
    }
    return false;
}

// The values to 12 significant digits.
QString Numbers(std::initializer_list<double> values)
{
    QStringList out;
    for (const double v : values)
        out << QString::number(v, 'g', 12);
    return out.join(' ');
}

void Type(QWidget* dialog, const QString& cameraId, const QString& lensId)
{
    kvtest::Find<QLineEdit>(dialog, QStringLiteral("gcw_cameraid_"))->setText(cameraId);
    kvtest::Find<QLineEdit>(dialog, QStringLiteral("gcw_lensid_"))->setText(lensId);
}

// Clicks Download; gives the texts of the message box it showed (and
// answered), none when there was no message.
QStringList ClickDownload(QWidget* dialog)
{
    kvtest::ModalAnswer message;
    message.Click(QStringLiteral("kvsb_ok_btn_")).Arm();
    QTest::mouseClick(kvtest::Find<QPushButton>(dialog, QStringLiteral("gcw_ok_btn_")),
                      Qt::LeftButton);
    return message.Done() ? message.SeenTexts() : QStringList();
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
        const QJsonArray calibrations {Calibration("a&b=c#d", "x y+z%20")};
        QVERIFY(WriteJson(m_data.filePath("calibrations.json"), QJsonDocument(calibrations)));
        const QJsonObject serial {
            {"image_width", "6000"}, {"image_height", "4000"}, {"dpi", "4.4"},      {"f", "4500"},
            {"x0", "3001.5"},        {"k1", "-0.05"},          {"beta", "-0.00004"}};
        QVERIFY(WriteJson(m_data.filePath("serials.json"),
                          QJsonDocument(QJsonObject {{kSerial, serial}})));
    }

    void download_data()
    {
        QTest::addColumn<QStringList>("faults"); // of the first answer
        QTest::addColumn<QString>("message");    // empty: taken at once
        QTest::addColumn<QString>("reason");     // on the line below the message
        QTest::newRow("sound") << QStringList() << ""
                               << "";
        // A service that could not be reached is told with the network's
        // reason, without the long request address.
        QTest::newRow("no answer within 3 s")
            << QStringList {"--delay-ms", "20000"} << kNetworkError << "No reply within 3 s";
        // A service that answered without the camera has no such data.
        QTest::newRow("not found") << QStringList {"--http-status", "404"} << kNoData << "";
        QTest::newRow("129-byte calibration")
            << QStringList {"--calibration-size", "129"} << kNoData << "";
    }

    // Ids with reserved characters are sent encoded, and only both of them.
    // A failure is told and keeps the record and the dialog; a sound answer
    // on the next try is taken.
    void download()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, message);
        QFETCH(QString, reason);
        auto cloud = std::make_unique<kvtest::CloudServer>(Args(faults));
        QVERIFY2(cloud->Start(), qPrintable(cloud->Error()));
        GetCameraDialog dialog;
        dialog.show();
        if (message.isEmpty()) {
            for (const QString& lensId : {QString(), QStringLiteral("  ")}) { // nothing sent
                Type(&dialog, QStringLiteral("a&b=c#d"), lensId);
                QCOMPARE(ClickDownload(&dialog), QStringList());
            }
            QVERIFY(cloud->Requests().isEmpty() && dialog.isVisible());
        }
        Type(&dialog, QStringLiteral("a&b=c#d"), QStringLiteral("x y+z%20"));
        if (!message.isEmpty()) {
            QElapsedTimer clock;
            clock.start();
            const QStringList seen = ClickDownload(&dialog);
            QVERIFY2(ShowsMessage(seen, message, reason), qPrintable(seen.join(" | ")));
            if (faults.contains("--delay-ms"))
                QVERIFY2(clock.elapsed() >= 2800, qPrintable(QString::number(clock.elapsed())));
            QCOMPARE(dialog.GetCamera(), kvfd::CameraInfo());
            cloud.reset();
            cloud = std::make_unique<kvtest::CloudServer>(Args());
            QVERIFY2(cloud->Start(), qPrintable(cloud->Error()));
        }
        QCOMPARE(ClickDownload(&dialog), QStringList());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(cloud->WaitForRequests("/cameracheck/downloadcalibration", 1), 1);
        QVERIFY(cloud->Requests().contains("GET /cameracheck/downloadcalibration?camera_id="
                                           "a%26b%3Dc%23d&camera_lens_id=x%20y%2Bz%2520 200"));
        const kvfd::CameraInfo c = dialog.GetCamera();
        QCOMPARE(
            Numbers({double(c.width), double(c.dtype), c.ccd_width, c.focal, c.x0, c.k1, c.beta}),
            QStringLiteral("6000 1 23.5 20 3012.25 -0.0412 -0.0002"));
    }

    void overlongIdIsRefusedWithoutRequest_data()
    {
        QTest::addColumn<QString>("cameraId");
        QTest::addColumn<int>("urlLength"); // pads the camera id to this when not 0
        QTest::addColumn<bool>("sent");
        QTest::newRow("256 characters") << QString() << 256 << false;
        QTest::newRow("short id, long when encoded") << QString(90, '&') << 0 << false;
    }

    void overlongIdIsRefusedWithoutRequest()
    {
        QFETCH(QString, cameraId);
        QFETCH(int, urlLength);
        QFETCH(bool, sent);
        kvtest::CloudServer cloud(Args());
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        const QString rest = "/cameracheck/downloadcalibration?camera_id=&camera_lens_id=L1";
        if (urlLength > 0)
            cameraId = QString(urlLength - cloud.Address().size() - rest.size(), 'c');
        GetCameraDialog dialog;
        dialog.show();
        Type(&dialog, cameraId, QStringLiteral("L1"));
        QVERIFY(ClickDownload(&dialog).contains(kNoData));
        if (sent)
            QCOMPARE(cloud.WaitForRequests("/cameracheck/", 1), 1);
        else
            QCOMPARE(cloud.CountRequests("/cameracheck/"), 0);
    }

    void cameraBySerial_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("read"); // empty: refused, the record left as it was
        QTest::addColumn<QString>("why");  // the reason given on refusal
        // What the service does not send (k4) stays as the caller had it.
        QTest::newRow("found") << QStringList() << kSerial
                               << "0 6000 1 0.0044 26.4 17.6 19.8 3001.5 -0.05 -4e-05 0.5"
                               << "";
        QTest::newRow("unknown serial") << QStringList() << "UAS-9999" << QString() << kNoData;
    }

    void cameraBySerial()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, serial);
        QFETCH(QString, read);
        QFETCH(QString, why);
        kvtest::CloudServer cloud(Args(faults));
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        kvfd::CameraInfo camera;
        std::tie(camera.id, camera.name, camera.width, camera.dtype, camera.k4)
            = std::make_tuple(7, "kept", 123, 6, 0.5);
        const kvfd::CameraInfo before = camera;
        QString reason = QStringLiteral("untouched");
        QCOMPARE(QueryCameraBySerial(camera, serial.toStdString(), reason), !read.isEmpty());
        if (read.isEmpty()) {
            QCOMPARE(camera, before);
            QCOMPARE(reason, why);
            return;
        }
        QCOMPARE(reason, QStringLiteral("untouched"));
        QCOMPARE(camera.name, std::string("ILCE-5100"));
        QCOMPARE(Numbers({double(camera.id), double(camera.width), double(camera.dtype),
                          camera.pixel_size_y, camera.ccd_width, camera.ccd_height, camera.focal,
                          camera.x0, camera.k1, camera.beta, camera.k4}),
                 read);
    }

private:
    QStringList Args(const QStringList& faults = {}) const
    {
        return QStringList {"--data", m_data.path()} + faults;
    }

    QTemporaryDir m_data;
};

QTEST_MAIN(TestGetCamera)
#include "tst_getcamera.moc"
