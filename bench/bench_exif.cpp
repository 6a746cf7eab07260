// Reads the GPS position of 1,000 real-size drone photos through kvimage, the
// way the image-and-POS page does (one parallel loop over the images), and
// times exiftool on the same files in the same run for comparison:
//
//     exiftool -n -GPSLatitude -GPSLongitude -GPSAltitude <folder>
//
// The photos are hard links to the two real-size DJI photos of tests/data/images
// (copies where the file system refuses links). Run on a Release-like build.

#include "kvimage/kvimage.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kPhotos = 1000;

std::vector<std::string> MakeFolder(const QString& folder)
{
    const QString source = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/");
    const QStringList originals
        = {source + QStringLiteral("DJI_0024.JPG"),
           source + QStringLiteral("DJI_20251001213509_0003_D_LENS_CAP.JPG")};
    std::vector<std::string> paths;
    for (int i = 0; i < kPhotos; ++i) {
        const QString target
            = folder + QStringLiteral("/DJI_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
        const QString& original = originals[i % originals.size()];
        if (!QFile::link(original, target) && !QFile::copy(original, target))
            return {};
        paths.push_back(target.toStdString());
    }
    return paths;
}

double ReadAll(const std::vector<std::string>& paths, int& found)
{
    std::atomic<int> hits {0};
    QElapsedTimer timer;
    timer.start();
    const int n = static_cast<int>(paths.size());
#pragma omp parallel for schedule(dynamic, 8)
    for (int i = 0; i < n; ++i) {
        double lla[3];
        if (kvimage::GetGPSFromImage(paths[i], lla))
            ++hits;
    }
    found = hits;
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Hard links need the same file system as the source tree.
    const QString folder = QStringLiteral(KVUI_BINARY_DIR "/bench_exif_photos");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const std::vector<std::string> paths = MakeFolder(folder);
    if (paths.empty()) {
        std::fprintf(stderr, "cannot make the photo folder %s\n", qPrintable(folder));
        return 1;
    }

    int found = 0;
    ReadAll(paths, found); // warm the page cache for both readers
    double best = 1e30;
    for (int run = 0; run < 3; ++run)
        best = std::min(best, ReadAll(paths, found));
    std::printf("kvimage::GetGPSFromImage, %d photos: %.1f ms (%d with a position)\n", kPhotos,
                best, found);

    const QString exiftool = QStandardPaths::findExecutable(QStringLiteral("exiftool"));
    if (exiftool.isEmpty()) {
        std::printf("exiftool not installed: no comparison\n");
    } else {
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(exiftool,
                      {QStringLiteral("-n"), QStringLiteral("-GPSLatitude"),
                       QStringLiteral("-GPSLongitude"), QStringLiteral("-GPSAltitude"), folder});
        process.waitForFinished(-1);
        const double ms = timer.nsecsElapsed() / 1e6;
        const int lines = process.readAllStandardOutput().count("GPS Latitude");
        std::printf("exiftool, same photos: %.1f ms (%d latitudes printed)\n", ms, lines);
        std::printf("speed-up: %.1fx\n", ms / best);
    }
    QDir(folder).removeRecursively();
    return 0;
}
