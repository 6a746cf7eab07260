// Positions of real-size drone photos, 600 and 6,000 of them: hard links to the
// DJI photos of the shared real data (4000x2250), else to tests/data/images'
// DJI_0024.JPG, in a folder of the build tree.
//
// Whole process, in the same run: exifpositions (bench/exifpositions.cpp, the
// folder read as the image-and-POS page reads it), the same with --exiv2 (every
// photo through Exiv2, as before the fast reader), and
//
//     exiftool -n -fast2 -GPSLatitude -GPSLongitude -GPSAltitude <folder>
//
// In process: kvimage::GetGPSFromImage against the Exiv2 path alone, in the
// page's parallel loop. Each figure is the minimum and the median of 3 runs on a
// hot page cache (one untimed run first). Run on a Release-like build.

#include "../platform/kvimage/gpsifd.h"
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
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRuns = 3;

struct Figures
{
    double min = 0.0;
    double median = 0.0;
};

Figures Summarise(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

QStringList Originals()
{
    QStringList photos;
    const QDir shared(QStringLiteral("/work/shared/realdata/images/brighton_beach"));
    for (const QString& name : shared.entryList({QStringLiteral("DJI_*.JPG")}, QDir::Files))
        photos << shared.filePath(name);
    if (photos.isEmpty())
        photos << QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/DJI_0024.JPG");
    return photos;
}

std::vector<std::string> MakeFolder(const QString& folder, int count)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QStringList originals = Originals();
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        const QString target
            = folder + QStringLiteral("/DJI_%1.JPG").arg(i, 5, 10, QLatin1Char('0'));
        const QString& original = originals[i % originals.size()];
        if (!QFile::link(original, target) && !QFile::copy(original, target)) {
            // Symbolic links are not hard links: make real ones.
            if (::link(QFile::encodeName(original).constData(),
                       QFile::encodeName(target).constData())
                != 0)
                return {};
        }
        paths.push_back(target.toStdString());
    }
    return paths;
}

double ReadAll(const std::vector<std::string>& paths,
               const std::function<bool(const std::string&, double*)>& read, int& found)
{
    std::atomic<int> hits {0};
    QElapsedTimer timer;
    timer.start();
    const int n = static_cast<int>(paths.size());
#pragma omp parallel for schedule(dynamic)
    for (int i = 0; i < n; ++i) {
        double lla[3];
        if (read(paths[std::size_t(i)], lla))
            ++hits;
    }
    found = hits;
    return timer.nsecsElapsed() / 1e6;
}

// Milliseconds from start to exit; lines counts the times the process printed needle.
double RunProcess(const QString& program, const QStringList& arguments, int& lines,
                  const QByteArray& needle = "\n")
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    const double ms = timer.nsecsElapsed() / 1e6;
    lines = process.readAllStandardOutput().count(needle);
    return ms;
}

void Print(const char* what, int count, const Figures& f, int found)
{
    std::printf("  %-34s %5d photos: min %9.1f ms, median %9.1f ms (%d positions)\n", what, count,
                f.min, f.median, found);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString driver = QStringLiteral(KVUI_EXIFPOSITIONS);
    const QString exiftool = QStandardPaths::findExecutable(QStringLiteral("exiftool"));
    for (const int count : {600, 6000}) {
        // Hard links need the same file system as the source tree.
        const QString folder = QStringLiteral(KVUI_BINARY_DIR "/bench_exif_photos");
        const std::vector<std::string> paths = MakeFolder(folder, count);
        if (paths.empty()) {
            std::fprintf(stderr, "cannot make the photo folder %s\n", qPrintable(folder));
            return 1;
        }
        std::printf("%d photos (%d originals):\n", count, int(Originals().size()));

        // In process.
        int found = 0;
        const auto fast
            = [](const std::string& p, double* lla) { return kvimage::GetGPSFromImage(p, lla); };
        const auto exiv2 = [](const std::string& p, double* lla) {
            return kvimage::detail::GpsFromExiv2(p, lla);
        };
        ReadAll(paths, exiv2, found); // warms the page cache for everyone
        std::vector<double> fast_ms;
        std::vector<double> exiv2_ms;
        int fast_found = 0;
        int exiv2_found = 0;
        for (int run = 0; run < kRuns; ++run) {
            fast_ms.push_back(ReadAll(paths, fast, fast_found));
            exiv2_ms.push_back(ReadAll(paths, exiv2, exiv2_found));
        }
        const Figures in_fast = Summarise(fast_ms);
        const Figures in_exiv2 = Summarise(exiv2_ms);
        Print("in process, GetGPSFromImage", count, in_fast, fast_found);
        Print("in process, Exiv2 alone", count, in_exiv2, exiv2_found);
        std::printf("  in-process speed-up: %.1fx (min), %.1fx (median)\n",
                    in_exiv2.min / in_fast.min, in_exiv2.median / in_fast.median);

        // Whole processes, interleaved so that each meets the same machine.
        const QStringList exiftool_args
            = {QStringLiteral("-n"),           QStringLiteral("-fast2"),
               QStringLiteral("-GPSLatitude"), QStringLiteral("-GPSLongitude"),
               QStringLiteral("-GPSAltitude"), folder};
        std::vector<double> driver_ms;
        std::vector<double> driver_exiv2_ms;
        std::vector<double> exiftool_ms;
        int lines = 0;
        int exiv2_lines = 0;
        int exiftool_lines = 0;
        RunProcess(driver, {folder}, lines);
        for (int run = 0; run < kRuns; ++run) {
            driver_ms.push_back(RunProcess(driver, {folder}, lines));
            driver_exiv2_ms.push_back(
                RunProcess(driver, {QStringLiteral("--exiv2"), folder}, exiv2_lines));
            if (!exiftool.isEmpty())
                exiftool_ms.push_back(
                    RunProcess(exiftool, exiftool_args, exiftool_lines, "GPS Latitude"));
        }
        const Figures whole = Summarise(driver_ms);
        const Figures whole_exiv2 = Summarise(driver_exiv2_ms);
        Print("process, exifpositions", count, whole, lines);
        Print("process, exifpositions --exiv2", count, whole_exiv2, exiv2_lines);
        if (exiftool.isEmpty()) {
            std::printf("  exiftool not installed: no comparison\n");
        } else {
            const Figures peer = Summarise(exiftool_ms);
            Print("process, exiftool -n -fast2", count, peer, exiftool_lines);
            std::printf("  speed-up over exiftool: %.1fx (min), %.1fx (median); "
                        "Exiv2 alone: %.1fx (min), %.1fx (median)\n",
                        peer.min / whole.min, peer.median / whole.median,
                        peer.min / whole_exiv2.min, peer.median / whole_exiv2.median);
        }
        QDir(folder).removeRecursively();
    }
    return 0;
}
