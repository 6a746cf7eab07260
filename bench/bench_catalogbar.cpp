// The catalog bar over 10,000 images in 50 flights: LoadProject, Update(false)
// and Update(true) in each view, the bar shown in a window; each call is timed
// with the repaint that follows it. 520 images are selected: a block of 500
// (an area picked in the map) and 20 scattered ones; the last lines repeat
// the refresh with every third image selected (3,334 selection ranges), the
// worst case of the view's selection model. Each figure is the minimum and the
// median of 5 runs, in wall-clock time and in CPU time of the GUI thread (the
// one that tells on a machine shared with other work). Run on a Release-like
// build.

#include "benchsupport.h"
#include "imagery/catalogbar.h"
#include "kvkernel/aiscontext.h"

#include <QApplication>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kImages = 10000;
constexpr int kFlights = 50;
constexpr int kRuns = 5;

double CpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Wall-clock and CPU milliseconds of what runs between Start() and Stop().
struct Timing
{
    std::vector<double> wall;
    std::vector<double> cpu;
    std::chrono::steady_clock::time_point start;
    double cpuStart = 0;

    void Start()
    {
        start = std::chrono::steady_clock::now();
        cpuStart = CpuMs();
    }
    void Stop()
    {
        wall.push_back(kvbench::Since(start));
        cpu.push_back(CpuMs() - cpuStart);
    }
};

void Report(const char* what, Timing timing)
{
    std::sort(timing.wall.begin(), timing.wall.end());
    std::sort(timing.cpu.begin(), timing.cpu.end());
    std::printf("%-34s wall min %6.1f median %6.1f ms   cpu min %6.1f median %6.1f ms\n", what,
                timing.wall.front(), timing.wall[timing.wall.size() / 2], timing.cpu.front(),
                timing.cpu[timing.cpu.size() / 2]);
}

// Runs the posted events, deletions included, as the event loop would.
void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    kvkernel::AISContext project;
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    images.Reserve(kImages);
    for (int i = 0; i < kImages; ++i) {
        const int k = images.AddImage("DJI_" + std::to_string(100000 + i) + ".JPG",
                                      "/survey/photos", kvfd::EOP(), 0, true);
        kvfd::ImageInfoExt* ext = images.GetImageExt(k);
        ext->flight = 1 + i % kFlights;
        ext->enabled = i % 7 != 0;
        ext->selected = (i >= 2000 && i < 2500) || i % 500 == 7;
    }
    kvkernel::KvSetContext(&project);

    CatalogBar bar;
    bar.show();
    kvbench::WaitExposed(bar);
    std::printf("%d images in %d flights\n", kImages, kFlights);
    const char* const names[] = {"flight", "enable", "visible"};
    for (int view = 0; view < 3; ++view) {
        if (view == 1)
            bar.ClickEnableView();
        else if (view == 2)
            bar.ClickVisibleView();
        Timing load;
        Timing update;
        Timing changed;
        Timing rebuild;
        for (int run = 0; run < kRuns; ++run) {
            load.Start();
            bar.LoadProject();
            Settle();
            load.Stop();
            update.Start();
            bar.Update(false);
            Settle();
            update.Stop();
            // One image changes its flag, as after a click on its button.
            images.GetImageExt(run)->enabled = !images.GetImageExt(run)->enabled;
            changed.Start();
            bar.Update(false);
            Settle();
            changed.Stop();
            rebuild.Start();
            bar.Update(true);
            Settle();
            rebuild.Stop();
        }
        std::printf("%s view:\n", names[view]);
        Report("  LoadProject", load);
        Report("  Update(false)", update);
        Report("  Update(false), one flag changed", changed);
        Report("  Update(true)", rebuild);
    }
    bar.ClickFlightView();
    for (int i = 0; i < kImages; ++i)
        images.GetImageExt(i)->selected = i % 3 == 0;
    Timing scattered;
    Timing again;
    for (int run = 0; run < kRuns; ++run) {
        bar.LoadProject();
        Settle();
        scattered.Start();
        bar.Update(false);
        Settle();
        scattered.Stop();
        again.Start();
        bar.Update(false);
        Settle();
        again.Stop();
    }
    std::printf("every third image selected, flight view:\n");
    Report("  Update(false), selection new", scattered);
    Report("  Update(false), selection kept", again);
    const auto* tree = bar.findChild<QTreeWidget*>(QStringLiteral("catalog_tree_widget_"));
    std::printf("small buttons made: %d (of %d rows)\n",
                int(bar.findChildren<QWidget*>(QStringLiteral("cb_enable_btn")).size()),
                tree->topLevelItemCount());
    kvkernel::KvSetContext(nullptr);
    return 0;
}
