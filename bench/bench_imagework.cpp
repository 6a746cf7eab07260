// The host's image engine against the field's own tools, in one run on one
// machine: (a) 1:4 resampling of 100 copies of a 4000 x 2250 drone photo,
// against two gdal_translate processes working side by side on the same
// files; (b) lens distortion removal of one such photo on one core.

#include "benchsupport.h"
#include "host/imagework.h"
#include "host/imageworkraster.h"
#include "host/undistort.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

const char* const kPhoto = KVUI_SOURCE_DIR "/tests/data/images/DJI_0024.JPG";
constexpr int kCopies = 100;

// Runs gdal_translate over files, two processes at a time.
double TimeGdalTranslate(const QStringList& files, const QString& out)
{
    const auto start = std::chrono::steady_clock::now();
    int next = 0;
    std::vector<QProcess*> running;
    while (next < files.size() || !running.empty()) {
        while (running.size() < 2 && next < files.size()) {
            auto* process = new QProcess;
            process->start(QStringLiteral("gdal_translate"),
                           {"-q", "-of", "JPEG", "-outsize", "25%", "25%", "-r", "average",
                            files.at(next),
                            out + '/' + QFileInfo(files.at(next)).completeBaseName() + ".jpg"});
            running.push_back(process);
            ++next;
        }
        running.front()->waitForFinished(-1);
        delete running.front();
        running.erase(running.begin());
    }
    return kvbench::Since(start);
}

double ThreadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

kvfd::CameraInfo DroneCamera()
{
    kvfd::CameraInfo camera;
    camera.width = 4000;
    camera.height = 2250;
    camera.pixel_size_x = camera.pixel_size_y = 6.17 / 4000;
    camera.ccd_width = 6.17;
    camera.ccd_height = 6.17 * 2250 / 4000;
    camera.focal = 3.61;
    camera.x0 = 2010.5;
    camera.y0 = 1118.0;
    camera.dtype = 3;
    camera.k1 = -0.11;
    camera.k2 = 0.04;
    camera.p1 = 0.001;
    camera.p2 = -0.0008;
    return camera;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // "bench_imagework distortion" times (b) alone.
    const bool onlyDistortion = argc > 1 && QByteArray(argv[1]) == "distortion";
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    QDir().mkpath(in);
    QStringList files;
    for (int i = 0; i < (onlyDistortion ? 0 : kCopies); ++i) {
        files << in + QStringLiteral("/DJI_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
        QFile::copy(QString::fromUtf8(kPhoto), files.last());
    }
    if (!onlyDistortion)
        std::printf("(a) resample 1:4 (average) of %d copies of a 4000 x 2250 photo\n", kCopies);
    // Warm the page cache for both sides alike.
    for (const QString& file : files) {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        f.readAll();
    }
    for (int round = 0; round < (onlyDistortion ? 0 : 2); ++round) {
        kvhost::ImageJob job;
        job.images = files;
        job.destination = dir.filePath(QStringLiteral("engine%1").arg(round));
        kvhost::ImageStep step;
        step.kind = kvhost::ImageStepKind::Resample;
        step.rate = 0.25;
        step.method = kvhost::ResampleMethod::Average;
        job.steps.push_back(step);
        job.threads = 2;
        auto start = std::chrono::steady_clock::now();
        const kvhost::ImageJobResult result
            = kvhost::RunImageJob(job, static_cast<kvkernel::KvProgress*>(nullptr));
        const double engine = kvbench::Since(start);
        const QString out = dir.filePath(QStringLiteral("gdal%1").arg(round));
        QDir().mkpath(out);
        const double gdal = TimeGdalTranslate(files, out);
        std::printf("  round %d: engine (2 threads, tags copied) %.0f ms = %.1f images/s, %d done;"
                    " 2 x gdal_translate %.0f ms = %.1f images/s; ratio %.2f\n",
                    round + 1, engine, kCopies * 1000.0 / engine, result.Done(), gdal,
                    kCopies * 1000.0 / gdal, gdal / engine);
    }

    std::printf("(b) distortion removal of one 4000 x 2250 photo, one core\n");
    kvhost::PrepareImageLibraries();
    kvhost::Raster photo;
    QString error;
    if (!kvhost::ReadRaster(QString::fromUtf8(kPhoto), 1.0, kvhost::ResampleMethod::Nearest, photo,
                            error)) {
        std::printf("  cannot read the photo: %s\n", qPrintable(error));
        return 1;
    }
    // The machine is shared: the thread's own CPU time says what one core
    // needs, the clock what this run got.
    std::vector<double> times, cpu;
    for (int i = 0; i < 7; ++i) {
        kvhost::Raster copy = photo;
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuMs();
        kvhost::Undistort(copy, DroneCamera(), true, error);
        cpu.push_back(ThreadCpuMs() - cpuStart);
        times.push_back(kvbench::Since(start));
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("  Undistort: CPU median %.0f ms (best %.0f); wall median %.0f ms (best %.0f), %zu "
                "runs\n",
                cpu[cpu.size() / 2], cpu.front(), times[times.size() / 2], times.front(),
                times.size());

    kvhost::ImageJob job;
    job.images << QString::fromUtf8(kPhoto);
    job.destination = dir.filePath(QStringLiteral("undistorted"));
    kvhost::ImageStep step;
    step.kind = kvhost::ImageStepKind::Distortion;
    step.camera = DroneCamera();
    job.steps.push_back(step);
    job.threads = 1;
    const auto start = std::chrono::steady_clock::now();
    kvhost::RunImageJob(job, static_cast<kvkernel::KvProgress*>(nullptr));
    std::printf("  whole job (read JPEG, remove distortion, write JPEG, copy tags): %.0f ms\n",
                kvbench::Since(start));
    return 0;
}
