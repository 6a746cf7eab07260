// The viewer as the library starts it: LoadImagesToViewer writes the list and
// starts Lumo_Viewer from the running program's folder (the build links it
// beside this test). The viewer tells what it shows through
// KVUI_VIEWER_REPORT and ends by itself after KVUI_VIEWER_QUIT_MS.

#include "framework/kvshared.h"
#include "host/viewer/viewerinstance.h"
#include "modalanswer.h"
#include "viewertest.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/types.h>

namespace {

using kvtest::kImages;
using kvtest::Viewer;
using Report = QMultiMap<QString, QString>;

} // namespace

class TestLaunch : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_report;
    QList<qint64> m_started;

    // The report once the viewer has finished reading the photo at current
    // (from 1) of a list of count photos.
    Report WaitReport(int count, int current)
    {
        Report report;
        // A report that never comes fails the caller's comparisons.
        (void)QTest::qWaitFor(
            [&] {
                report = kvtest::ReadReport(m_report);
                return report.value(QStringLiteral("count")) == QString::number(count)
                    && report.value(QStringLiteral("current")) == QString::number(current)
                    && report.value(QStringLiteral("loading")) == QLatin1String("0");
            },
            kvtest::kPatienceMs);
        const qint64 pid = report.value(QStringLiteral("pid")).toLongLong();
        if (pid > 0 && !m_started.contains(pid))
            m_started << pid;
        return report;
    }

    QString Copy(const QString& name, const QString& to)
    {
        const QString path = m_dir.filePath(to);
        QDir().mkpath(QFileInfo(path).path());
        QFile::copy(kImages + QLatin1Char('/') + name, path);
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY2(QFileInfo(Viewer()).isExecutable(), qPrintable(Viewer()));
        m_report = m_dir.filePath(QStringLiteral("report.txt"));
        qputenv("KVUI_VIEWER_REPORT", QFile::encodeName(m_report));
        qputenv("KVUI_VIEWER_QUIT_MS", "60000");
    }

    void init() { QFile::remove(m_report); }

    // Viewers this test started and left running are ended, by their ids,
    // and the socket a killed viewer cannot remove is removed for it.
    void cleanup()
    {
        for (const qint64 pid : m_started) {
            ::kill(pid_t(pid), SIGTERM);
            (void)QTest::qWaitFor([pid] { return ::kill(pid_t(pid), 0) != 0; }, 10000);
        }
        m_started.clear();
        const QString list = kvtest::TemporaryDataDir() + QStringLiteral("/viewer.ini");
        QLocalServer::removeServer(ViewerInstance(list).ServerName());
    }

    // The library's launch: the viewer starts, reads the list and shows the
    // first photo; the Chinese folder and name come through.
    void libraryStartsTheViewer()
    {
        const QString chinese
            = Copy(QStringLiteral("DJI_0024.JPG"), QStringLiteral("测区/照片 1.JPG"));
        LoadImagesToViewer({QString2String(chinese), kvtest::kTiny.toStdString()});
        const Report report = WaitReport(2, 1);
        QCOMPARE(report.value(QStringLiteral("list")),
                 kvtest::TemporaryDataDir() + QStringLiteral("/viewer.ini"));
        QCOMPARE(report.value(QStringLiteral("file")), chinese);
        QCOMPARE(report.value(QStringLiteral("shown")), QStringLiteral("4000x2250"));
    }

    // A second launch while a viewer runs hands over: the running viewer
    // shows the new list, and no second one stays.
    void secondLaunchHandsOver()
    {
        LoadImagesToViewer({kvtest::kTiny.toStdString()});
        const QString pid = WaitReport(1, 1).value(QStringLiteral("pid"));
        QVERIFY(!pid.isEmpty());
        LoadImagesToViewer({kvtest::kTiny.toStdString(), kvtest::kDji.toStdString()});
        QCOMPARE(WaitReport(2, 1).value(QStringLiteral("pid")), pid);
    }
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
