// Times the survey map on blocks of 10,000 and 100,000 images: loading the
// project, fitting and repainting the whole block, rectangle selection, and
// the memory the view keeps per image. Run on a Release or RelWithDebInfo build
// under a display (xvfb-run).

#include "benchsupport.h"
#include "host/surveyview.h"
#include "kvkernel/aiscontext.h"
#include "surveyblock.h"

#include <QApplication>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kRuns = 5;

long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

std::unique_ptr<kvkernel::AISContext> Block(int images)
{
    auto project = std::make_unique<kvkernel::AISContext>();
    kvbench::FillSurveyBlock(*project, images);
    return project;
}

template <class Work> double Best(Work work)
{
    double best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, kvbench::Since(start));
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    for (int images : {10000, 100000}) {
        auto project = Block(images);
        SurveyView view;
        view.resize(1200, 800);
        view.show();
        kvbench::WaitExposed(view);

        const long before = ResidentKiB();
        const auto start = std::chrono::steady_clock::now();
        view.SetContext(project.get());
        const double load = kvbench::Since(start);
        const long after = ResidentKiB();

        const double fit = Best([&] {
            view.Fit();
            view.viewport()->repaint();
        });
        view.SetLayer(SurveyView::LayerFlightLine, true);
        view.SetLayer(SurveyView::LayerImu, true);
        const double fitAll = Best([&] {
            view.Fit();
            view.viewport()->repaint();
        });
        // A quarter of the block.
        const QPointF low = view.PositionOf(0);
        const QPointF high = view.PositionOf(images - 1);
        const QRectF quarter(QPointF(low.x(), low.y()),
                             QPointF((low.x() + high.x() + 7470) / 2, (low.y() + high.y()) / 2));
        const double select = Best([&] { view.SelectInRect(quarter); });
        std::vector<int> selected;
        project->GetSelected(selected);
        // Zoomed in to a few dozen images: ids, links and round marks drawn.
        view.SetLayer(SurveyView::LayerLink, true);
        for (int k = 0; k < 6; ++k)
            view.ZoomIn();
        const double near = Best([&] { view.viewport()->repaint(); });

        std::printf("%6d images: load %.1f ms, fit+repaint %.1f ms (all layers %.1f ms), "
                    "rectangle selection %.1f ms (%zu selected), zoomed repaint %.1f ms, "
                    "memory %.0f bytes per image\n",
                    images, load, fit, fitAll, select, selected.size(), near,
                    (after - before) * 1024.0 / images);
    }
    return 0;
}
