// DownloadThread against kvcloud on 127.0.0.1: what a reply must look like to
// count, how the attempts are repeated and paced, and that the camera database
// in use is replaced whole or not at all.

#include "camera/downloadthread.h"
#include "cloudserver.h"
#include "kvfd/kvconfiguration.h"
#include "kvsql/database.h"
#include "modalanswer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

using kvfd::CameraInfo;
using kvfd::CameraInfoSet;
using kvfd::KvConfiguration;

namespace {

// The protected steps, for calling one at a time.
class Probe : public DownloadThread
{
public:
    using DownloadThread::download;
    using DownloadThread::save;
};

constexpr int kRequestMs = 300;
constexpr int kPauseMs = 10;
const QString kOversized = QString::number(17 * 1024 * 1024);

QString DataPath(const QString& relative)
{
    return kvtest::TemporaryDataDir() + QLatin1Char('/') + relative;
}

QString InUsePath()
{
    return DataPath(QStringLiteral("config/camera.db"));
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A camera database with one camera named "old camera", as a previous
// download left it.
QByteArray WriteOldDatabase()
{
    QDir().mkpath(DataPath(QStringLiteral("config")));
    kvsql::Database db;
    const std::vector<kvsql::Field> fields
        = {{"id", 1, 0}, {"name", 3, 0}, {"fullname", 3, 0}, {"width", 1, 0}, {"focal", 2, 0}};
    if (!db.Create(InUsePath().toStdString()) || !db.CreateTable("camera", fields)
        || !db.AddRecords("camera", {"0", "old camera", "old camera", "100", "5"}, 5))
        return QByteArray();
    db.Close();
    return ReadBytes(InUsePath());
}

CameraInfoSet ReadInUse(bool* ok = nullptr)
{
    CameraInfoSet cameras;
    const bool read = KvConfiguration::ReadCameraDatabase(InUsePath().toStdString(), cameras);
    if (ok)
        *ok = read;
    return cameras;
}

struct RunResult
{
    bool ended = false;
    int finishes = 0;
    qint64 elapsedMs = 0;
};

RunResult RunThread(int limitMs = 20000)
{
    Probe thread;
    QSignalSpy spy(&thread, &DownloadThread::finish);
    QElapsedTimer clock;
    clock.start();
    thread.start();
    RunResult result;
    result.ended = thread.wait(static_cast<unsigned long>(limitMs));
    result.elapsedMs = clock.elapsed();
    result.finishes = spy.count();
    return result;
}

bool WriteJson(const QString& path, const QJsonDocument& document)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(document.toJson()) > 0;
}

} // namespace

class TestDownloadThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    // One request.
    void download_data();
    void download();
    void requestIsPlainGet();
    void repliesAreConverted();

    // A whole run.
    void run_data();
    void run();
    void timeOutFailsEachAttempt();
    void pausesAfterEveryFailure();
    void serviceNotRunning();
    void emptyListIsStoredWhenReceived();

    // Putting the new database in place.
    void replacesByRenaming();
    void createsConfigFolder();
    void unwritableDownloadFolderKeepsDatabase();
    void deletingRunningThreadStopsIt();

private:
    QTemporaryDir m_serverData;
};

void TestDownloadThread::initTestCase()
{
    kvtest::UseTemporaryEnvironment();
    QVERIFY(m_serverData.isValid());
    QVERIFY2(QFile::exists(kvtest::CloudServer::Program()),
             qPrintable(kvtest::CloudServer::Program()));
    DownloadThread::SetTimeouts(kRequestMs, kPauseMs);
}

void TestDownloadThread::init()
{
    DownloadThread::SetTimeouts(kRequestMs, kPauseMs);
    QDir(DataPath(QStringLiteral("config"))).removeRecursively();
    QDir(DataPath(QStringLiteral("download"))).removeRecursively();
    QFile::remove(DataPath(QStringLiteral("download")));
}

void TestDownloadThread::cleanupTestCase()
{
    DownloadThread::ResetTimeouts();
}

void TestDownloadThread::download_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("limitMs");
    QTest::addColumn<bool>("received");
    QTest::addColumn<int>("cameras"); // -1: the built-in list, at least 40

    QTest::newRow("built-in list") << QStringList() << kRequestMs << true << -1;
    QTest::newRow("status 1") << QStringList {"--status", "1"} << kRequestMs << false << 0;
    QTest::newRow("status -1") << QStringList {"--status", "-1"} << kRequestMs << false << 0;
    // toInt of a text that is no number is 0.
    QTest::newRow("status not a number")
        << QStringList {"--status", "ok"} << kRequestMs << true << -1;
    QTest::newRow("status as JSON number")
        << QStringList {"--status-number"} << kRequestMs << true << -1;
    QTest::newRow("not JSON") << QStringList {"--malformed"} << kRequestMs << false << 0;
    QTest::newRow("top-level array") << QStringList {"--top-array"} << kRequestMs << false << 0;
    QTest::newRow("empty data") << QStringList {"--empty-data"} << kRequestMs << true << 0;
    QTest::newRow("HTTP 500") << QStringList {"--http-status", "500"} << kRequestMs << false << 0;
    QTest::newRow("HTTP 404") << QStringList {"--http-status", "404"} << kRequestMs << false << 0;
    QTest::newRow("busy service") << QStringList {"--fail-first", "1"} << kRequestMs << false << 0;
    QTest::newRow("over 16 MiB") << QStringList {"--pad-bytes", kOversized} << 5000 << false << 0;
    QTest::newRow("long but under 16 MiB")
        << QStringList {"--pad-bytes", "1000000"} << 5000 << true << -1;
    QTest::newRow("slow but in time") << QStringList {"--delay-ms", "150"} << 3000 << true << -1;
    QTest::newRow("too slow") << QStringList {"--delay-ms", "1500"} << kRequestMs << false << 0;
}

void TestDownloadThread::download()
{
    QFETCH(QStringList, args);
    QFETCH(int, limitMs);
    QFETCH(bool, received);
    QFETCH(int, cameras);

    kvtest::CloudServer cloud(args);
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    DownloadThread::SetTimeouts(limitMs, kPauseMs);

    Probe probe;
    CameraInfoSet set;
    set.AddCamera(CameraInfo()); // received cameras are appended
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(probe.download(set), received);
    QVERIFY2(clock.elapsed() < limitMs + 1000, qPrintable(QString::number(clock.elapsed())));
    if (cameras < 0)
        QVERIFY2(set.Size() > 40, qPrintable(QString::number(set.Size())));
    else
        QCOMPARE(set.Size(), 1 + cameras);
    // Ids are positions in the reply, whatever the set held before.
    if (set.Size() > 1)
        QCOMPARE(set.GetCamera(1)->id, 0);
}

void TestDownloadThread::requestIsPlainGet()
{
    kvtest::CloudServer cloud;
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    Probe probe;
    CameraInfoSet set;
    QVERIFY(probe.download(set));
    QCOMPARE(cloud.Requests(), QStringList {"GET /cameracheck/other 200"});
}

void TestDownloadThread::repliesAreConverted()
{
    const QJsonArray list = QJsonDocument::fromJson(R"([
        {"name": "  Trim Me \t", "fullname": "  1-inch 20 MP  ", "width": "5472",
         "height": "3648", "ccdwidth": "13.2", "ccdheight": "8.8", "x0": "2736.5",
         "y0": "1824.25", "focallength": "8.8", "k1": "-0.0021", "k2": "1e-07", "k3": "0.1",
         "p1": "-0.00007", "p2": "0.3333333333333333", "alpha": "1.5", "beta": "-2.5"},
        {"name": "数字相机", "fullname": "numbers as numbers", "width": 6000, "height": 4000,
         "ccdwidth": 23.5, "ccdheight": 15.6, "x0": 3000, "y0": 2000, "focallength": 24,
         "k1": 0.1, "k2": true, "k3": null, "p1": "", "p2": "x", "alpha": [], "beta": {}},
        {"fullname": "missing keys", "width": "4000.5", "height": "3000"},
        "not an object",
        {"name": "last", "width": "100", "height": "50", "ccdwidth": "1", "ccdheight": "0.5",
         "focallength": "2"}
    ])")
                                .array();
    QCOMPARE(list.size(), 5);
    const QString dir = m_serverData.filePath(QStringLiteral("converted"));
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(WriteJson(dir + QStringLiteral("/cameras.json"), QJsonDocument(list)));
    kvtest::CloudServer cloud({"--data", dir});
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));

    Probe probe;
    CameraInfoSet set;
    QVERIFY(probe.download(set));
    QCOMPARE(set.Size(), 5);
    for (int i = 0; i < set.Size(); ++i) {
        const CameraInfo& c = *set.GetCamera(i);
        QCOMPARE(c.id, i);
        QCOMPARE(c.dtype, 1);
        QVERIFY(c.k4 == 0.0 && c.k5 == 0.0 && c.k6 == 0.0 && c.mount_angle == 0);
    }

    const CameraInfo& a = *set.GetCamera(0);
    QCOMPARE(a.name, std::string("Trim Me"));
    QCOMPARE(a.fullname, std::string("1-inch 20 MP"));
    QVERIFY(a.width == 5472 && a.height == 3648);
    QVERIFY(a.ccd_width == 13.2 && a.ccd_height == 8.8 && a.focal == 8.8);
    QVERIFY(a.x0 == 2736.5 && a.y0 == 1824.25);
    QVERIFY(a.k1 == -0.0021 && a.k2 == 1e-07 && a.k3 == 0.1);
    QVERIFY(a.p1 == -0.00007 && a.p2 == 0.3333333333333333);
    QVERIFY(a.alpha == 1.5 && a.beta == -2.5);
    QCOMPARE(a.pixel_size_x, 13.2 / 5472);
    QCOMPARE(a.pixel_size_y, 8.8 / 3648);

    // Values that are not JSON strings read as empty texts, and so as 0.
    const CameraInfo& b = *set.GetCamera(1);
    QCOMPARE(QString::fromStdString(b.name), QStringLiteral("数字相机"));
    QVERIFY(b.width == 0 && b.height == 0);
    QVERIFY(b.ccd_width == 0.0 && b.ccd_height == 0.0 && b.focal == 0.0);
    QVERIFY(b.x0 == 0.0 && b.y0 == 0.0 && b.k1 == 0.0 && b.k2 == 0.0 && b.k3 == 0.0);
    QVERIFY(b.p1 == 0.0 && b.p2 == 0.0 && b.alpha == 0.0 && b.beta == 0.0);

    const CameraInfo& c = *set.GetCamera(2);
    QVERIFY(c.name.empty());
    QVERIFY(c.width == 0 && c.height == 3000 && c.focal == 0.0); // "4000.5" is no integer

    const CameraInfo& d = *set.GetCamera(3);
    QVERIFY(d.name.empty() && d.fullname.empty() && d.width == 0 && d.focal == 0.0);
    QCOMPARE(set.GetCamera(4)->name, std::string("last"));

    // Stored and read back by the configuration, every value survives.
    QSignalSpy finished(&probe, &DownloadThread::finish);
    probe.save(set);
    QCOMPARE(finished.count(), 1);
    bool ok = false;
    const CameraInfoSet stored = ReadInUse(&ok);
    QVERIFY(ok);
    QCOMPARE(stored.Size(), set.Size());
    for (int i = 0; i < set.Size(); ++i)
        QVERIFY2(*stored.GetCamera(i) == *set.GetCamera(i), qPrintable(QString::number(i)));

    QVERIFY(KvConfiguration::Instance()->ReloadCameras());
    const CameraInfoSet loaded = KvConfiguration::Instance()->GetCameraInfoSet();
    QCOMPARE(loaded.Size(), 5);
    QCOMPARE(loaded.FindCamera("Trim Me", 8.8), 0);
    QCOMPARE(loaded.FindCamera("last", 2.0), 4);
}

void TestDownloadThread::run_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<int>("attempts");

    QTest::newRow("first attempt") << QStringList() << true << 1;
    QTest::newRow("after three failures") << QStringList {"--fail-first", "3"} << true << 4;
    QTest::newRow("at the tenth attempt") << QStringList {"--fail-first", "9"} << true << 10;
    QTest::newRow("ten failures") << QStringList {"--fail-first", "10"} << false << 10;
    QTest::newRow("status 1") << QStringList {"--status", "1"} << false << 10;
    QTest::newRow("status as JSON number") << QStringList {"--status-number"} << true << 1;
    QTest::newRow("not JSON") << QStringList {"--malformed"} << false << 10;
    QTest::newRow("top-level array") << QStringList {"--top-array"} << false << 10;
    QTest::newRow("HTTP 500") << QStringList {"--http-status", "500"} << false << 10;
}

void TestDownloadThread::run()
{
    QFETCH(QStringList, args);
    QFETCH(bool, replaced);
    QFETCH(int, attempts);

    const QByteArray old = WriteOldDatabase();
    QVERIFY(!old.isEmpty());
    kvtest::CloudServer cloud(args);
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    DownloadThread::SetTimeouts(3000, kPauseMs);

    const RunResult result = RunThread();
    QVERIFY(result.ended);
    QCOMPARE(result.finishes, replaced ? 1 : 0);
    QCOMPARE(cloud.CountRequests(QStringLiteral("/cameracheck/other")), attempts);
    if (replaced) {
        const CameraInfoSet cameras = ReadInUse();
        QVERIFY2(cameras.Size() > 40, qPrintable(QString::number(cameras.Size())));
        QCOMPARE(cameras.GetCamera(0)->id, 0);
        QVERIFY(QFile::exists(DataPath(QStringLiteral("download/camera.db"))));
    } else {
        // Failed attempts never cost the operator the cameras in use.
        QCOMPARE(ReadBytes(InUsePath()), old);
    }
}

void TestDownloadThread::timeOutFailsEachAttempt()
{
    const QByteArray old = WriteOldDatabase();
    kvtest::CloudServer cloud({"--delay-ms", "500"});
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    const int limitMs = 120;
    DownloadThread::SetTimeouts(limitMs, kPauseMs);

    const RunResult result = RunThread();
    QVERIFY(result.ended);
    QCOMPARE(result.finishes, 0);
    QVERIFY2(result.elapsedMs >= 10 * limitMs, qPrintable(QString::number(result.elapsedMs)));
    QVERIFY2(result.elapsedMs < 10 * (limitMs + kPauseMs) + 1500,
             qPrintable(QString::number(result.elapsedMs)));
    QCOMPARE(ReadBytes(InUsePath()), old);
}

void TestDownloadThread::pausesAfterEveryFailure()
{
    // Ten pauses, the last one after the tenth attempt, against nine if the
    // last were skipped: 1500 ms against 1350 ms plus the quick requests.
    kvtest::CloudServer cloud({"--status", "1"});
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    DownloadThread::SetTimeouts(3000, 150);

    const RunResult result = RunThread();
    QVERIFY(result.ended);
    QCOMPARE(result.finishes, 0);
    QVERIFY2(result.elapsedMs >= 1500, qPrintable(QString::number(result.elapsedMs)));
    QVERIFY2(result.elapsedMs < 3500, qPrintable(QString::number(result.elapsedMs)));
    QCOMPARE(cloud.CountRequests(QStringLiteral("/cameracheck/other")), 10);
}

void TestDownloadThread::serviceNotRunning()
{
    const QByteArray old = WriteOldDatabase();
    {
        // A port that was free a moment ago and is closed now.
        kvtest::CloudServer cloud;
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        cloud.Stop();
    }
    QVERIFY(qEnvironmentVariable("KVUI_SERVICE_URL").startsWith("http://127.0.0.1:"));

    const RunResult result = RunThread();
    QVERIFY(result.ended);
    QCOMPARE(result.finishes, 0);
    // Refused at once, so the run is the ten short pauses, not ten time-outs.
    QVERIFY2(result.elapsedMs < 10 * kRequestMs, qPrintable(QString::number(result.elapsedMs)));
    QCOMPARE(ReadBytes(InUsePath()), old);
    QVERIFY(!QFile::exists(DataPath(QStringLiteral("download/camera.db"))));
}

void TestDownloadThread::emptyListIsStoredWhenReceived()
{
    WriteOldDatabase();
    kvtest::CloudServer cloud({"--empty-data"});
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));

    const RunResult result = RunThread();
    QVERIFY(result.ended);
    QCOMPARE(result.finishes, 1);
    bool ok = false;
    QCOMPARE(ReadInUse(&ok).Size(), 0);
    QVERIFY(ok); // a database with an empty camera table, not a missing one
    kvsql::Database db;
    QVERIFY(db.Open(InUsePath().toStdString()));
    int columns = -1;
    QVERIFY(db.Select("camera", {}, [](const std::vector<std::string>&) { return true; }));
    QVERIFY(db.Select("camera",
                      {"id", "name", "fullname", "width", "height", "ccd_width", "ccd_height",
                       "focal", "x0", "y0", "dtype", "k1", "k2", "k3", "p1", "p2", "alpha", "beta"},
                      [&columns](const std::vector<std::string>& row) {
                          columns = int(row.size());
                          return true;
                      }));
    QCOMPARE(columns, -1); // no row, but every column is there
}

void TestDownloadThread::replacesByRenaming()
{
    WriteOldDatabase();
    struct stat before
    {
    };
    QCOMPARE(::stat(QFile::encodeName(InUsePath()).constData(), &before), 0);

    kvtest::CloudServer cloud;
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    const RunResult result = RunThread();
    QCOMPARE(result.finishes, 1);

    // A new file took the name; the old one was not rewritten in place, which
    // a crash half-way through could have left truncated.
    struct stat after
    {
    };
    QCOMPARE(::stat(QFile::encodeName(InUsePath()).constData(), &after), 0);
    QVERIFY(before.st_ino != after.st_ino);
    QCOMPARE(QDir(DataPath(QStringLiteral("config"))).entryList(QDir::Files),
             QStringList {"camera.db"});
    QCOMPARE(ReadBytes(InUsePath()), ReadBytes(DataPath(QStringLiteral("download/camera.db"))));
}

void TestDownloadThread::createsConfigFolder()
{
    QVERIFY(!QFile::exists(DataPath(QStringLiteral("config"))));
    kvtest::CloudServer cloud;
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    const RunResult result = RunThread();
    QCOMPARE(result.finishes, 1);
    QVERIFY(ReadInUse().Size() > 40);
}

void TestDownloadThread::unwritableDownloadFolderKeepsDatabase()
{
    const QByteArray old = WriteOldDatabase();
    QFile blocker(DataPath(QStringLiteral("download")));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder belongs
    blocker.close();

    kvtest::CloudServer cloud;
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    const RunResult result = RunThread();
    QVERIFY(result.ended);
    QCOMPARE(result.finishes, 0);
    QCOMPARE(cloud.CountRequests(QStringLiteral("/cameracheck/other")), 1);
    QCOMPARE(ReadBytes(InUsePath()), old);
}

void TestDownloadThread::deletingRunningThreadStopsIt()
{
    kvtest::CloudServer cloud({"--status", "1"});
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    DownloadThread::SetTimeouts(kRequestMs, 2000);

    auto thread = std::make_unique<Probe>();
    QSignalSpy spy(thread.get(), &DownloadThread::finish);
    thread->start();
    QTest::qWait(100); // in its first pause
    QElapsedTimer clock;
    clock.start();
    thread.reset();
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(spy.count(), 0);
}

QTEST_MAIN(TestDownloadThread)
#include "tst_downloadthread.moc"
