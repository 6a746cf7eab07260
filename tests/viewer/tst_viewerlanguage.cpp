// The image viewer in English and in Chinese: its window, and the program,
// which follows the language the host stored unless --language names another.

#include "framework/kvsettingskeys.h"
#include "framework/language.h"
#include "host/kvhostsettingskeys.h"
#include "host/viewer/viewerlanguage.h"
#include "languagecheck.h"
#include "modalanswer.h"
#include "viewertest.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using kvtest::kMissing;
using kvtest::kTiny;

// The side panel's values and the status bar's path: data.
const char* const kDataLabels[]
    = {"kvv_file",   "kvv_index", "kvv_latitude", "kvv_longitude", "kvv_altitude",
       "kvv_camera", "kvv_focal", "kvv_size",     "kvv_zoom",      "kvv_path"};

using kvtest::Label;
using kvtest::ViewMessage;
using kvtest::WaitLoaded;

void StoreLanguage(const QString& code)
{
    QSettings store {QLatin1String(kvui::settings::kOrganization),
                     QLatin1String(kvui::settings::kApplication)};
    if (code.isNull())
        store.remove(QLatin1String(kvhost::settings::kLanguage));
    else
        store.setValue(QLatin1String(kvhost::settings::kLanguage), code);
}

} // namespace

class TestViewerLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void cleanup()
    {
        QVERIFY(kvviewer::ApplyLanguage(QString()));
        StoreLanguage(QString());
    }

    // Every fixed text of the window, with a photo shown, one that cannot be,
    // and none at all.
    void windowReadsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("cannotShow");
        QTest::addColumn<QString>("notRecorded");
        QTest::addColumn<QString>("nothing");
        QTest::newRow("en") << "en"
                            << "tiny_drone_image.jpg - Image Viewer"
                            << "DJI_0009.JPG cannot be shown.\nThe file does not exist."
                            << "not recorded"
                            << "No photos to show.";
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("tiny_drone_image.jpg - 影像查看器")
                               << QStringLiteral("无法显示 DJI_0009.JPG。\n文件不存在。")
                               << QStringLiteral("未记录") << QStringLiteral("没有可显示的照片。");
    }

    void windowReadsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QString, cannotShow);
        QFETCH(QString, notRecorded);
        QFETCH(QString, nothing);
        QVERIFY(kvviewer::ApplyLanguage(language));
        ViewerWindow window;
        window.SetPhotos(kvviewer::PhotoListFromArguments({kTiny, kMissing}));
        QVERIFY(WaitLoaded(window));

        QCOMPARE(window.windowTitle(), title);
        kvtest::LanguageCheck check(language);
        // The title holds the photo's name; the tool tips name their keys.
        check.Allow(title);
        for (const char* key : {"Home", "Left", "Right", "End", "F5"})
            check.Allow(QLatin1String(key));
        for (const char* name : kDataLabels)
            check.Skip(QLatin1String(name));
        const QStringList foreign = check.Foreign(&window);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));

        window.Next();
        QVERIFY(WaitLoaded(window));
        QCOMPARE(ViewMessage(window), cannotShow);
        QCOMPARE(Label(window, "kvv_camera"), notRecorded);

        window.SetPhotos({});
        QCOMPARE(ViewMessage(window), nothing);
        QVERIFY(!check.IsForeign(window.windowTitle()));
    }

    // The program: the stored language, --language over it (before the
    // photos, in either spelling), and a name it does not know refused.
    // Started by hand it refuses without the launch codes (with photos as
    // arguments it opens them, as the launch suite shows).
    void programReadsInTheLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error"); // of the photo shown; else what it said
        const QString missing = QString::fromLatin1(kMissing);
        const QString en = QStringLiteral("The file does not exist.");
        const QString zh = QStringLiteral("文件不存在。");
        const auto row = [](const char* name, const char* stored, const QStringList& arguments,
                            int status, const QString& error) {
            QTest::newRow(name) << QString(stored) << arguments << status << error;
        };
        row("nothing stored", nullptr, {missing}, 0, en);
        row("stored zh_CN", "zh_CN", {missing}, 0, zh);
        row("stored zh_CN, --language en", "zh_CN", {"--language", "en", missing}, 0, en);
        row("--language=zh_CN", nullptr, {"--language=zh_CN", missing}, 0, zh);
        row("unknown language", "zh_CN", {"--language", "fr", missing}, 2,
            QStringLiteral("Lumo_Viewer：未知语言“fr”"));
        row("after the photos it is a photo", "zh_CN", {missing, "--language", "en"}, 0, zh);
        row("by hand, nothing", nullptr, {}, 2, "not started by the application");
        row("by hand, codes swapped", nullptr,
            {"1A7F3C92-84D6-4B0E-9F25-C6E8B3D0A417", "5D2C81A0-7E4B-4F19-A6C3-0B9E2D47F815"}, 2,
            "not the launch codes");
        row("help", nullptr, {"--help"}, 0, "Usage: Lumo_Viewer PHOTO...");
    }

    void programReadsInTheLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, error);
        StoreLanguage(stored);
        QTemporaryDir dir;
        const QString report = dir.filePath(QStringLiteral("report.txt"));
        QProcess viewer;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KVUI_VIEWER_REPORT"), report);
        environment.insert(QStringLiteral("KVUI_VIEWER_QUIT_MS"), QStringLiteral("1500"));
        viewer.setProcessEnvironment(environment);
        viewer.start(kvtest::Viewer(), arguments);
        QVERIFY(viewer.waitForFinished(kvtest::kPatienceMs));
        QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(viewer.exitCode(), status);
        if (QFile::exists(report)) {
            QCOMPARE(kvtest::ReadReport(report).value(QStringLiteral("error")), error);
        } else {
            const QString said = QString::fromLocal8Bit(viewer.readAllStandardError()
                                                        + viewer.readAllStandardOutput());
            QVERIFY2(said.contains(error), qPrintable(said));
        }
    }
};

QTEST_MAIN(TestViewerLanguage)
#include "tst_viewerlanguage.moc"
