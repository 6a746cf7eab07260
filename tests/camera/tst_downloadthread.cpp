// DownloadThread against kvcloud on 127.0.0.1: which replies count, how often
// it tries, and that the camera database in use is replaced whole or not at all.

#include "../platform/platformtest.h"
#include "camera/downloadthread.h"
#include "cloudserver.h"
#include "kvfd/kvconfiguration.h"
#include "kvsql/database.h"
#include "modalanswer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

namespace {

// Long enough for any reply that the server sends at once, however loaded the
// machine; only the time-out case waits for it.
constexpr int kRequestMs = 10000;
constexpr int kPauseMs = 10;

QString DataPath(const char* relative)
{
    return kvtest::TemporaryDataDir() + QLatin1Char('/') + QLatin1String(relative);
}

QString InUsePath()
{
    return DataPath("config/camera.db");
}

// A camera database as an earlier download left it.
QByteArray WriteOldDatabase()
{
    QDir().mkpath(DataPath("config"));
    kvsql::Database db;
    if (!db.Create(InUsePath().toStdString())
        || !db.CreateTable("camera", {{"id", 1, 0}, {"name", 3, 0}})
        || !db.AddRecords("camera", {"0", "old camera"}, 2))
        return QByteArray();
    db.Close();
    return ReadFile(InUsePath());
}

ino_t Inode(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

const QString kNoReplyText = QStringLiteral("相机服务无有效回复，保留现有相机数据库");

// A thread run to its end: the number of finish() signals (-1 if it hangs),
// its status and what the operator is told.
struct Run
{
    int finished = -1;
    DownloadThread::Status status = DownloadThread::NotFinished;
    QString text;
};

Run RunThread()
{
    DownloadThread thread;
    QSignalSpy spy(&thread, &DownloadThread::finish);
    Run run;
    if (!thread.StatusText().isEmpty())
        return run;
    thread.start();
    if (thread.wait(2 * kvtest::kPatienceMs))
        run = {int(spy.count()), thread.GetStatus(), thread.StatusText()};
    return run;
}

// The camera database in use: none, "1" camera, "0" (a table without rows),
// or else a file of these bytes that is no database.
bool PutInUse(const QByteArray& inUse)
{
    if (inUse == "none")
        return true;
    if (inUse == "1")
        return !WriteOldDatabase().isEmpty();
    kvsql::Database db;
    return QDir().mkpath(DataPath("config"))
        && (inUse == "0" ? db.Create(InUsePath().toStdString())
                    && db.CreateTable("camera", {{"id", 1, 0}, {"name", 3, 0}})
                         : WriteFile(InUsePath(), inUse));
}

} // namespace

class TestDownloadThread : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { DownloadThread::ResetTimeouts(); }

    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_serverData.isValid());
        QVERIFY(WriteFile(m_serverData.filePath(QStringLiteral("cameras.json")), R"([
        {"name": "  Trim Me \t", "fullname": " 1-inch ", "width": "5472", "height": "3648",
         "ccdwidth": "13.2", "ccdheight": "8.8", "focallength": "8.8", "x0": "2736.5",
         "k1": "-0.0021", "p2": "0.3333333333333333", "beta": "-2.5"},
        "not an object",
        {"name": "数字相机", "width": 6000, "height": 4000, "ccdwidth": 23.5, "focallength": 24,
         "k1": 0.1}])"));
    }

    void init()
    {
        DownloadThread::ResetTimeouts();
        DownloadThread::SetTimeouts(kRequestMs, kPauseMs);
        QDir(DataPath("config")).removeRecursively();
        QDir(DataPath("download")).removeRecursively();
        QFile::remove(DataPath("download"));
    }

    void success_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("inUse"); // see PutInUse
        QTest::addColumn<int>("attempts");
        QTest::addColumn<int>("cameras");

        const QStringList empty {"--empty-data"};
        QTest::newRow("first attempt") << QStringList() << QByteArray("1") << 1 << 3;
        // A large list is no fault: the cap is far above what lists hold.
        QTest::newRow("over 16 MiB")
            << QStringList {"--pad-bytes", QString::number(17 << 20)} << QByteArray("1") << 1 << 3;
        // With no camera in use, a table with every column and no row.
        QTest::newRow("empty data, no camera in use") << empty << QByteArray("0") << 1 << 0;
    }

    void success()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, inUse);
        QFETCH(int, attempts);
        QFETCH(int, cameras);

        QVERIFY(PutInUse(inUse));
        const ino_t before = Inode(InUsePath());
        kvtest::CloudServer cloud(args + QStringList {"--data", m_serverData.path()});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        const Run run = RunThread();
        QCOMPARE(run.finished, 1);
        QCOMPARE(run.status, DownloadThread::Replaced);
        QCOMPARE(cloud.WaitForRequests(QStringLiteral("/cameracheck/other"), attempts), attempts);

        // Renamed into place: a new file, nothing left beside it.
        QCOMPARE(QDir(DataPath("config")).entryList(QDir::Files), QStringList {"camera.db"});
        if (before)
            QVERIFY(Inode(InUsePath()) != before);

        kvfd::CameraInfoSet set;
        QVERIFY(kvfd::KvConfiguration::ReadCameraDatabase(InUsePath().toStdString(), set));
        QCOMPARE(set.Size(), cameras);
        for (int i = 0; i < set.Size(); ++i)
            QCOMPARE(set.GetCamera(i)->id, i); // positions in the reply
        if (cameras == 0)
            return;
        const kvfd::CameraInfo& a = *set.GetCamera(0);
        QCOMPARE(a.name, std::string("Trim Me"));
        QVERIFY(a.width == 5472 && a.p2 == 0.3333333333333333 && a.beta == -2.5);
        QCOMPARE(a.pixel_size_x, 13.2 / 5472);
        // JSON numbers are not the texts the service sends: they read as 0.
        QCOMPARE(set.GetCamera(2)->width, 0);
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args"); // empty: no server at all
        QTest::addColumn<int>("requestMs");
        QTest::addColumn<int>("attempts"); // -1: not counted
        QTest::addColumn<int>("minMs");
        QTest::addColumn<QString>("reason"); // the network's, told to the operator

        QTest::newRow("HTTP 500") << QStringList {"--http-status", "500"} << kRequestMs << 10 << 0
                                  << "HTTP 500 Internal Server Error";
        QTest::newRow("over the size cap")
            << QStringList {"--pad-bytes", QString::number(3 << 20)} << 5000 << 10 << 0 << "";
        QTest::newRow("time-out") << QStringList {"--delay-ms", "500"} << 120 << -1 << 1200
                                  << "No reply within 0.12 s";
        QTest::newRow("server not running")
            << QStringList() << kRequestMs << -1 << 0 << "Connection refused";
    }

    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, requestMs);
        QFETCH(int, attempts);
        QFETCH(int, minMs);
        QFETCH(QString, reason);

        const QByteArray old = WriteOldDatabase();
        QVERIFY(!old.isEmpty());
        kvtest::CloudServer cloud(args);
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        if (args.isEmpty())
            cloud.Stop(); // the address stays set, its port is closed
        DownloadThread::SetTimeouts(requestMs, kPauseMs);
        DownloadThread::SetMaxReplyBytes(2 << 20);

        QElapsedTimer clock;
        clock.start();
        const Run run = RunThread();
        QCOMPARE(run.finished, 0);
        QCOMPARE(run.status, DownloadThread::KeptOnNoReply);
        QCOMPARE(run.text,
                 reason.isEmpty() ? kNoReplyText
                                  : QStringLiteral("The camera service is not available (%1); the "
                                                   "camera database in use is kept")
                                        .arg(reason));
        QVERIFY2(clock.elapsed() >= minMs, qPrintable(QString::number(clock.elapsed())));
        if (attempts >= 0)
            QCOMPARE(cloud.WaitForRequests(QStringLiteral("/cameracheck/other"), attempts),
                     attempts);
        QCOMPARE(ReadFile(InUsePath()), old);
    }

    // Replies as the service might send them, read as a JSON document reads
    // them: any fault in the text is no reply, and loses the cameras in use.
    void replyText_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("cameras"); // -1: no usable reply
        QTest::addColumn<QString>("lastName");
        QTest::addColumn<int>("lastWidth");

        const QByteArray one
            = "{\"status\":\"0\",\"data\":[{\"name\":\" A \",\"width\":\"5472\"}]}";
        QTest::newRow("plain") << one << 1 << "A" << 5472;
        for (const int cut : {12, int(one.size()) - 1})
            QTest::addRow("cut at %d", cut) << one.left(cut) << -1 << "" << 0;
        QTest::newRow("no status") << QByteArray("{\"data\":[{\"name\":\"A\"}]}") << -1 << "" << 0;
        QTest::newRow("invalid UTF-8")
            << QByteArray("{\"status\":\"0\",\"data\":[{\"name\":\"\xff\"}]}") << -1 << "" << 0;
        QTest::newRow("escapes and Chinese") << QByteArray(
            "{\"status\":\"0\",\"data\":[{\"\\u006eame\":\"\\u6570\\u5b57 \\\"x\\\"\\/\","
            "\"width\":\" 12 \"}]}") << 1 << QStringLiteral("数字 \"x\"/")
                                             << 12;
        const auto nested = [](int depth) {
            return "{\"status\":\"0\",\"x\":" + QByteArray(depth - 1, '[')
                + QByteArray(depth - 1, ']') + ",\"data\":[{\"name\":\"A\"}]}";
        };
        QTest::newRow("nested 1024 deep") << nested(1024) << 1 << "A" << 0;
        QTest::newRow("nested a million deep") << nested(1000000) << -1 << "" << 0;
    }

    void replyText()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, cameras);
        QFETCH(QString, lastName);
        QFETCH(int, lastWidth);

        const QByteArray old = WriteOldDatabase();
        const QString file = m_serverData.filePath(QStringLiteral("reply.json"));
        QVERIFY(WriteFile(file, body));
        kvtest::CloudServer cloud({"--camera-list-file", file});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        const Run run = RunThread();
        QCOMPARE(run.finished, cameras >= 0 ? 1 : 0);
        if (cameras < 0) {
            QCOMPARE(run.status, DownloadThread::KeptOnNoReply);
            QCOMPARE(ReadFile(InUsePath()), old);
            return;
        }
        QCOMPARE(run.status, DownloadThread::Replaced);
        kvfd::CameraInfoSet set;
        QVERIFY(kvfd::KvConfiguration::ReadCameraDatabase(InUsePath().toStdString(), set));
        QCOMPARE(set.Size(), cameras);
        // The last camera: an element that is no object is one of empty fields.
        const kvfd::CameraInfo* last = set.GetCamera(cameras - 1);
        QCOMPARE(QString::fromStdString(last->name), lastName);
        QCOMPARE(last->width, lastWidth);
    }

    // An empty list says nothing about the cameras in use: a database that
    // holds cameras stays as it is, no download file is even written, and the
    // status says why. (One without any camera is replaced: see success.)
    void emptyListKeepsCameras()
    {
        const QByteArray old = WriteOldDatabase();
        kvtest::CloudServer cloud({"--empty-data"});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        const Run run = RunThread();
        QCOMPARE(cloud.CountRequests(QStringLiteral("/cameracheck/other")), 1);
        QCOMPARE(run.finished, 0);
        QCOMPARE(run.status, DownloadThread::KeptOnEmptyList);
        QCOMPARE(ReadFile(InUsePath()), old);
        QVERIFY(!QFile::exists(DataPath("download/camera.db")));
    }

    void deletingRunningThreadStopsIt()
    {
        kvtest::CloudServer cloud({"--status", "1"});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        // A pause far longer than the bound below, which is far longer than
        // stopping takes even on a loaded machine.
        constexpr int kLongPauseMs = 120000;
        DownloadThread::SetTimeouts(kRequestMs, kLongPauseMs);
        auto thread = std::make_unique<DownloadThread>();
        thread->start();
        // Answered: the thread is on its way into the first pause.
        QCOMPARE(cloud.WaitForRequests(QStringLiteral("/cameracheck/other"), 1), 1);
        QElapsedTimer clock;
        clock.start();
        thread.reset();
        QVERIFY2(clock.elapsed() < kLongPauseMs / 4, qPrintable(QString::number(clock.elapsed())));
    }

private:
    QTemporaryDir m_serverData;
};

QTEST_MAIN(TestDownloadThread)
#include "tst_downloadthread.moc"
