// Times the DEM check of 100,000 points on the largest real DEM of the tree
// (ngi_dem.tif, 327 x 508 float cells): the algorithm alone, the same points
// given in WGS84 and transformed first, and the whole dialog round (reading
// the check file, running, filling the table, writing the report). Run on a
// Release or RelWithDebInfo build.

#include "benchsupport.h"
#include "kvalgorithm/kvalgo.h"
#include "settings/demcheckdialog.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kPoints = 100000;
constexpr int kRuns = 5;
const char* const kDem = KVUI_SOURCE_DIR "/tests/data/dem/ngi_dem.tif";
// The DEM's own system, as its GeoTIFF keys give it.
const char* const kLo25 = "+proj=tmerc +lat_0=0 +lon_0=25 +k=1 +x_0=0 +y_0=0 +datum=WGS84 "
                          "+units=m +no_defs";

template <class Run> double Best(Run run)
{
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        best = std::min(best, kvbench::Since(start));
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Points over the DEM's extent and a little beyond, so that some fall
    // outside and on no-data.
    std::mt19937 random(42);
    std::uniform_real_distribution<double> east(-60600.0, -52500.0);
    std::uniform_real_distribution<double> north(-3735800.0, -3723400.0);
    std::vector<kvalgo::Point3_T<double>> points;
    points.reserve(kPoints);
    for (int i = 0; i < kPoints; ++i)
        points.emplace_back(east(random), north(random), 300.0);

    std::vector<double> dz;
    kvalgo::DemCheckInfo info;
    const double plain = Best([&] { kvalgo::KvAlgo::DEMCheck(kDem, points, dz, "", &info); });
    const auto sampled = std::count_if(dz.begin(), dz.end(),
                                       [](double d) { return d != kvalgo::KvAlgo::kNoDifference; });
    std::printf("DEMCheck, %d points, same system:        %8.1f ms (best of %d), %ld sampled\n",
                kPoints, plain, kRuns, long(sampled));
    const double transformed
        = Best([&] { kvalgo::KvAlgo::DEMCheck(kDem, points, dz, kLo25, &info); });
    const auto sampledNamed = std::count_if(
        dz.begin(), dz.end(), [](double d) { return d != kvalgo::KvAlgo::kNoDifference; });
    std::printf("DEMCheck, %d points, system named:       %8.1f ms (best of %d), %ld sampled, %s\n",
                kPoints, transformed, kRuns, long(sampledNamed),
                info.transformed ? "transformed" : "taken as they are");

    QTemporaryDir dir;
    const QString check = dir.filePath("check.txt");
    {
        QFile file(check);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 0; i < kPoints; ++i) {
            file.write(QStringLiteral("CP%1\t%2\t%3\t%4\n")
                           .arg(i)
                           .arg(points[std::size_t(i)].x, 0, 'f', 3)
                           .arg(points[std::size_t(i)].y, 0, 'f', 3)
                           .arg(points[std::size_t(i)].z, 0, 'f', 3)
                           .toLatin1());
        }
    }
    DemCheckWidget widget;
    widget.SetDemFile(QString::fromLatin1(kDem));
    auto start = std::chrono::steady_clock::now();
    widget.LoadCheckFile(check);
    const double load = kvbench::Since(start);
    start = std::chrono::steady_clock::now();
    widget.ClickRun();
    const double run = kvbench::Since(start);
    start = std::chrono::steady_clock::now();
    widget.WriteReport(dir.filePath("report.txt"));
    const double save = kvbench::Since(start);
    std::printf(
        "Dialog: read check file %8.1f ms, Run (check and table) %8.1f ms, report %8.1f ms\n", load,
        run, save);
    return 0;
}
