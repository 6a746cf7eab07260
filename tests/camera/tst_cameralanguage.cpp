// What the camera dialogs' actions show and the camera services give back, in
// English and in Chinese: file choosers, message boxes and outcomes. The
// dialogs themselves are read by the host's sweep of every window
// (tests/host/tst_screenlanguage).

#include "camera/cameradialog.h"
#include "camera/cameraimagesize.h"
#include "camera/downloadthread.h"
#include "camera/getcameradialog.h"
#include "camera/querycamerabyserial.h"
#include "cloudserver.h"
#include "framework/kvshared.h"
#include "framework/language.h"
#include "kvfd/kvconfiguration.h"
#include "languagecheck.h"
#include "modalanswer.h"

#include <QLibraryInfo>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>

namespace {

// Camera names in the list are data; the maker's name and the programs in
// the file filters stay as they are in Chinese.
kvtest::LanguageCheck Check(const QString& language)
{
    return kvtest::LanguageCheck(language)
        .Skip(QStringLiteral("csw_camera_base_"))
        .Allow(QStringLiteral("Varnel"))
        .Allow(QStringLiteral("Context"))
        .Allow(QStringLiteral("Capture"));
}

QString Foreign(const QString& language, QWidget* root)
{
    return Check(language).Foreign(root).join(QLatin1Char('\n'));
}

// Whether Qt's own Chinese texts (the network's reasons among them) are there.
bool QtSpeaksChinese()
{
    return QFileInfo::exists(QLibraryInfo::location(QLibraryInfo::TranslationsPath)
                             + QStringLiteral("/qtbase_zh_CN.qm"));
}

kvfd::CameraInfo Camera(int width, int height)
{
    kvfd::CameraInfo camera;
    camera.name = "测试相机 A";
    camera.width = width;
    camera.height = height;
    camera.ccd_width = width * 0.0039;
    camera.ccd_height = height * 0.0039;
    camera.pixel_size_x = camera.pixel_size_y = 0.0039;
    camera.focal = 8.8;
    return camera;
}

// Points the application at a port of 127.0.0.1 where nothing listens.
bool UseClosedPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        return false;
    const quint16 port = probe.serverPort();
    probe.close();
    qputenv("KVUI_SERVICE_URL", "http://127.0.0.1:" + QByteArray::number(port));
    return true;
}

} // namespace

class TestCameraLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        kvfd::CameraInfoSet cameras;
        cameras.AddCamera(Camera(6000, 4000));
        kvfd::KvConfiguration::Instance()->SetCameraInfoSet(cameras);
    }

    void cleanup() { QVERIFY(kvui::SetLanguage(QString())); }

    // What the camera services bring, as the operator reads it: the boxes
    // of the download dialog (the fixed text in the language, the network's
    // reason on its own line) and of the size check, the outcome of a refresh of the
    // camera database and why no camera came for a serial.
    void serviceOutcomesReadInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("service"); // "refused", "none" or kvcloud's faults
        QTest::addColumn<QString>("query");   // "download", "image size", "refresh", "serial"
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* language, const char* service, const char* query,
                            const QString& outcome) {
            QTest::addRow("%s, %s, %s", language, query, service)
                << language << service << query << outcome;
        };
        row("zh_CN", "refused", "download", QStringLiteral("网络错误!\n连接被拒绝"));
        row("zh_CN", "none", "image size",
            QStringLiteral("下载的相机适用于 6000 × 4000 px 的影像，而工程的影像为 5472 × "
                           "3648 px。仍要使用吗？"));
        row("zh_CN", "refused", "refresh",
            QStringLiteral("相机服务不可用（连接被拒绝），保留现有相机数据库"));
        row("en", "--status 1", "serial", QStringLiteral("The data does not exist!"));
    }

    void serviceOutcomesReadInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, service);
        QFETCH(QString, query);
        QFETCH(QString, outcome);
        if (service == QLatin1String("refused") && language == QLatin1String("zh_CN")
            && !QtSpeaksChinese())
            QSKIP("Qt's own Chinese catalogue (qttranslations5-l10n) is not installed");
        QVERIFY(kvui::SetLanguage(language));
        kvtest::CloudServer cloud(service.split(QLatin1Char(' ')));
        if (service == QLatin1String("refused"))
            QVERIFY(UseClosedPort());
        else if (service != QLatin1String("none"))
            QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));

        if (query == QLatin1String("refresh")) {
            DownloadThread::SetTimeouts(kvtest::kPatienceMs, 10);
            DownloadThread thread;
            thread.start();
            const bool ended = thread.wait(2 * kvtest::kPatienceMs);
            DownloadThread::ResetTimeouts();
            QVERIFY(ended);
            QCOMPARE(thread.StatusText(), outcome);
            return;
        }
        if (query == QLatin1String("serial")) {
            kvfd::CameraInfo camera;
            QString shown;
            QVERIFY(!QueryCameraBySerial(camera, "UAS 1", shown));
            QCOMPARE(shown, outcome);
            return;
        }

        const bool imageSize = query == QLatin1String("image size");
        GetCameraDialog dialog;
        QPushButton* download = kvtest::Find<QPushButton>(&dialog, QStringLiteral("gcw_ok_btn_"));
        QString foreign;
        kvtest::ModalAnswer answer;
        answer.ExpectText(outcome)
            .Do([&](QWidget* box) { foreign = Foreign(language, box); })
            .Click(QLatin1String(imageSize ? "kvbw2_cancel_" : "kvsb_ok_btn_"))
            .Arm();
        if (imageSize) {
            QVERIFY(!kvui::ConfirmImageSize(Camera(6000, 4000), Camera(5472, 3648)));
        } else {
            dialog.show();
            kvtest::SetText(&dialog, QStringLiteral("gcw_cameraid_"), QStringLiteral("1001"));
            kvtest::SetText(&dialog, QStringLiteral("gcw_lensid_"), QStringLiteral("1"));
            QTest::mouseClick(download, Qt::LeftButton);
        }
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
        if (imageSize)
            return;
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(TestCameraLanguage)
#include "tst_cameralanguage.moc"
