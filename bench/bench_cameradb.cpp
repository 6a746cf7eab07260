// The camera database refresh with a large list: kvcloud serves N cameras on
// 127.0.0.1, DownloadThread fetches, stores and puts the database in place,
// then the configuration loads it. Budget: well under 2 s for 20000 cameras,
// under 3 s for 200000 (run it with 60000 and 200000 as well).
//
//   bench_cameradb [cameras]

#include "camera/downloadthread.h"
#include "kvfd/kvconfiguration.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

// The protected steps, timed one at a time.
class TimedDownload : public DownloadThread
{
public:
    qint64 downloadMs = 0;
    qint64 saveMs = 0;
    int received = 0;
    bool ok = false;

protected:
    void run() override
    {
        kvfd::CameraInfoSet cameras;
        QElapsedTimer clock;
        clock.start();
        ok = download(cameras);
        downloadMs = clock.restart();
        received = cameras.Size();
        if (ok)
            save(cameras);
        saveMs = clock.elapsed();
    }
};

QJsonArray MakeCameras(int count)
{
    QJsonArray cameras;
    for (int i = 0; i < count; ++i) {
        const auto number = [](double v) { return QString::number(v, 'g', 12); };
        cameras.append(QJsonObject {
            {"name", QStringLiteral("Bench camera %1").arg(i)},
            {"fullname", QStringLiteral("Bench camera %1, %2 mm").arg(i).arg(8 + i % 40)},
            {"width", QString::number(4000 + i % 2000)},
            {"height", QString::number(3000 + i % 1000)},
            {"ccdwidth", number(13.2 + i * 1e-4)},
            {"ccdheight", number(8.8 + i * 1e-4)},
            {"x0", number(2736.5 + i * 0.01)},
            {"y0", number(1824.25 + i * 0.01)},
            {"focallength", number(8 + i % 40 + 0.1234)},
            {"k1", number(-0.0021 - i * 1e-9)},
            {"k2", number(0.0013 + i * 1e-9)},
            {"k3", number(-0.0002)},
            {"p1", number(0.00011)},
            {"p2", number(-0.00007)},
            {"alpha", number(1e-5)},
            {"beta", number(-1e-5)},
        });
    }
    return cameras;
}

int Fail(const char* what)
{
    std::fprintf(stderr, "bench_cameradb: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 20000;

    QTemporaryDir temp;
    if (!temp.isValid())
        return Fail("no temporary folder");
    // Nothing of the user's data is touched.
    qputenv("KVUI_DATA_DIR", QFile::encodeName(temp.filePath("data")));

    {
        QFile file(temp.filePath("cameras.json"));
        if (!file.open(QIODevice::WriteOnly)
            || file.write(QJsonDocument(MakeCameras(count)).toJson(QJsonDocument::Compact)) <= 0)
            return Fail("cannot write cameras.json");
    }

    QProcess cloud;
    cloud.start(QCoreApplication::applicationDirPath() + "/kvcloud",
                {"--port", "0", "--data", temp.path(), "--stop-with-parent"});
    if (!cloud.waitForStarted(5000) || !cloud.waitForReadyRead(10000))
        return Fail("kvcloud did not start");
    const auto match = QRegularExpression("listening on [^:]+:(\\d+)")
                           .match(QString::fromUtf8(cloud.readLine()));
    if (!match.hasMatch())
        return Fail("kvcloud did not report its port");
    qputenv("KVUI_SERVICE_URL", ("http://127.0.0.1:" + match.captured(1)).toUtf8());

    TimedDownload thread;
    bool finished = false;
    QObject::connect(&thread, &DownloadThread::finish, [&finished] { finished = true; });
    QElapsedTimer clock;
    clock.start();
    thread.start();
    thread.wait();
    const qint64 refreshMs = clock.elapsed();
    if (!thread.ok || !finished || thread.received != count)
        return Fail("the download failed");

    clock.restart();
    kvfd::CameraInfoSet cameras;
    const bool read = kvfd::KvConfiguration::ReadCameraDatabase(
        kvfd::KvConfiguration::CameraDatabasePath(), cameras);
    const qint64 readMs = clock.restart();
    const bool reloaded = kvfd::KvConfiguration::Instance()->ReloadCameras();
    const qint64 reloadMs = clock.elapsed();
    if (!read || !reloaded || cameras.Size() != count
        || kvfd::KvConfiguration::Instance()->GetCameraInfoSet().Size() != count)
        return Fail("the database did not read back");

    std::printf("download+store %d cameras: %lld ms (request and parse %lld ms, store and "
                "replace %lld ms)\n",
                count, refreshMs, thread.downloadMs, thread.saveMs);
    std::printf("load %d cameras: %lld ms (ReadCameraDatabase), %lld ms (ReloadCameras, "
                "first use of the configuration)\n",
                count, readMs, reloadMs);
    cloud.terminate();
    cloud.waitForFinished(3000);
    return 0;
}
