// The viewer as the library starts it: LoadImagesToViewer writes the list and
// starts Lumo_Viewer from the running program's folder (the build links it
// beside this test). The viewer tells what it shows through
// KVUI_VIEWER_REPORT and ends by itself after KVUI_VIEWER_QUIT_MS.

#include "framework/kvshared.h"
#include "host/viewer/viewerinstance.h"
#include "modalanswer.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/types.h>

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");
const char* const kCode1 = "5D2C81A0-7E4B-4F19-A6C3-0B9E2D47F815";
const char* const kCode2 = "1A7F3C92-84D6-4B0E-9F25-C6E8B3D0A417";

QString Viewer()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Lumo_Viewer");
}

using Report = QMultiMap<QString, QString>;

Report ReadReport(const QString& path)
{
    Report report;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return report;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const int cut = line.indexOf('=');
        if (cut > 0)
            report.insert(QString::fromUtf8(line.left(cut)), QString::fromUtf8(line.mid(cut + 1)));
    }
    return report;
}

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
                report = ReadReport(m_report);
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
    // first photo, its position and camera; the Chinese folder and name
    // come through.
    void libraryStartsTheViewer()
    {
        const QString chinese
            = Copy(QStringLiteral("DJI_0024.JPG"), QStringLiteral("测区/照片 1.JPG"));
        const QString tiny = kImages + QStringLiteral("/tiny_drone_image.jpg");
        LoadImagesToViewer({QString2String(chinese), QString2String(tiny)});
        const Report report = WaitReport(2, 1);
        QCOMPARE(report.value(QStringLiteral("list")),
                 kvtest::TemporaryDataDir() + QStringLiteral("/viewer.ini"));
        QCOMPARE(report.value(QStringLiteral("file")), chinese);
        QCOMPARE(report.value(QStringLiteral("shown")), QStringLiteral("4000x2250"));
        QCOMPARE(report.value(QStringLiteral("latitude")), QStringLiteral("46.84286461"));
        QCOMPARE(report.value(QStringLiteral("camera")), QStringLiteral("DJI FC300S"));
        QVERIFY(!report.contains(QStringLiteral("problem")));
    }

    // A second launch while a viewer runs hands over: the running viewer
    // shows the new list, and no second one stays.
    void secondLaunchHandsOver()
    {
        const QString tiny = kImages + QStringLiteral("/tiny_drone_image.jpg");
        LoadImagesToViewer({QString2String(tiny)});
        const Report first = WaitReport(1, 1);
        const QString pid = first.value(QStringLiteral("pid"));
        QVERIFY(!pid.isEmpty());

        LoadImagesToViewer({QString2String(tiny), "/no/such/DJI_0001.JPG",
                            QString2String(kImages + QStringLiteral("/DJI_0024.JPG"))});
        const Report second = WaitReport(3, 1);
        QCOMPARE(second.value(QStringLiteral("pid")), pid);
        QCOMPARE(second.values(QStringLiteral("problem")),
                 QStringList {QStringLiteral("Listed files not found: 1.")});
    }

    // A damaged list: the viewer starts all the same and says what it could
    // not read.
    void badListStillStartsTheViewer()
    {
        QFile list(kvtest::TemporaryDataDir() + QStringLiteral("/viewer.ini"));
        QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
        list.write(QByteArray("\x00\x01\xFF\xFE\n\x00\n", 7));
        list.close();
        QVERIFY(QProcess::startDetached(Viewer(), {QLatin1String(kCode1), QLatin1String(kCode2)}));
        QCOMPARE(WaitReport(0, 0).values(QStringLiteral("problem")),
                 QStringList {QStringLiteral("Lines skipped because they hold NUL bytes (the list "
                                             "is not all text): 2.")});
    }

    // By hand: photos as arguments open in a window of their own (no hand
    // over); without arguments or with wrong codes the viewer refuses.
    void startedByHand_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("nothing") << QStringList {} << 2 << "not started by the application";
        QTest::newRow("codes swapped")
            << QStringList {kCode2, kCode1} << 2 << "not the launch codes";
        QTest::newRow("help") << QStringList {"--help"} << 0 << "Usage: Lumo_Viewer PHOTO...";
    }

    void startedByHand()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        QProcess viewer;
        viewer.start(Viewer(), arguments);
        QVERIFY(viewer.waitForFinished(kvtest::kPatienceMs));
        QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(viewer.exitCode(), status);
        const QString output = QString::fromLocal8Bit(viewer.readAllStandardError()
                                                      + viewer.readAllStandardOutput());
        QVERIFY2(output.contains(said), qPrintable(output));
        QVERIFY(!QFile::exists(m_report));
    }

    void photosAsArguments()
    {
        const QString chinese
            = Copy(QStringLiteral("tiny_drone_image.jpg"), QStringLiteral("航拍/小 图.jpg"));
        QProcess viewer;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KVUI_VIEWER_QUIT_MS"), QStringLiteral("3000"));
        viewer.setProcessEnvironment(environment);
        viewer.start(Viewer(), {chinese, QStringLiteral("missing.jpg")});
        const Report report = WaitReport(2, 1);
        QCOMPARE(report.value(QStringLiteral("list")), QString());
        QCOMPARE(report.value(QStringLiteral("file")), chinese);
        QCOMPARE(report.value(QStringLiteral("shown")), QStringLiteral("48x36"));
        QCOMPARE(report.value(QStringLiteral("pid")), QString::number(viewer.processId()));
        QVERIFY(viewer.waitForFinished(kvtest::kPatienceMs));
        QCOMPARE(viewer.exitCode(), 0);
        m_started.clear();
    }
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
