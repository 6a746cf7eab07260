// How much a worker pays for reporting every item, and how many events reach
// the GUI thread: a million SetInformation calls from a worker thread.
//
//   bench_progress [calls]

#include "framework/kvprogressimpl.h"

#include <QApplication>
#include <QEvent>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

// Counts the queued calls that arrive at the progress dialog.
class QueuedCallCounter : public QObject
{
public:
    int calls = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MetaCall)
            ++calls;
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int total = argc > 1 ? std::atoi(argv[1]) : 1000000;

    KvProgressImpl progress;
    QueuedCallCounter counter;
    progress.Dialog().installEventFilter(&counter);

    double seconds = 0.0;
    std::thread worker([&] {
        progress.Start("bench", total);
        const auto start = std::chrono::steady_clock::now();
        for (int i = 1; i <= total; ++i) {
            if (!progress.SetInformation("item", i))
                break;
        }
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        progress.End(true);
    });
    progress.Run();
    worker.join();
    QCoreApplication::processEvents();

    // Start and End are one queued call each; the rest are progress reports.
    std::printf("SetInformation x %d: %.1f ns per call, %.3f s in all\n", total,
                seconds * 1e9 / total, seconds);
    std::printf("queued calls at the dialog: %d (progress reports: %d; at most 101 expected)\n",
                counter.calls, counter.calls - 2);
    return 0;
}
