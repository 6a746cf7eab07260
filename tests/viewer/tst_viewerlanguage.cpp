// The image viewer's program in English and in Chinese: it follows the
// language the host stored unless --language names another.

#include "framework/kvsettingskeys.h"
#include "framework/language.h"
#include "host/kvhostsettingskeys.h"
#include "host/viewer/viewerlanguage.h"
#include "modalanswer.h"
#include "viewertest.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using kvtest::kMissing;

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
        row("--language=zh_CN", nullptr, {"--language=zh_CN", missing}, 0, zh);
        row("unknown language", "zh_CN", {"--language", "fr", missing}, 2,
            QStringLiteral("Lumo_Viewer：未知语言“fr”"));
        row("by hand, nothing", nullptr, {}, 2, "not started by the application");
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
