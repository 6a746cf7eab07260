// How long the "Import Images" page takes to list and paint 1k to 1M images,
// at once and in ten batches: the table may make cells for the rows in view
// only, and a batch must cost about the same however many came before.
//
//   bench_imageload [largest count, default 1000000]

#include "benchsupport.h"
#include "imagery/imageloaddialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using kvbench::Since;
using kvbench::WaitExposed;

// Photos of a survey: a thousand to a folder, as a drone writes them.
QStringList Paths(int first, int count)
{
    QStringList paths;
    paths.reserve(count);
    for (int i = first; i < first + count; ++i)
        paths << QStringLiteral("/data/survey 2024/flight %1/DJI_%2.JPG")
                     .arg(i / 1000, 4, 10, QLatin1Char('0'))
                     .arg(i, 7, 10, QLatin1Char('0'));
    return paths;
}

// Adds paths and paints the page; the time both take.
double AddAndPaint(ImageLoadDialog& dialog, const QStringList& paths)
{
    const auto start = std::chrono::steady_clock::now();
    dialog.Widget()->AddImages(paths);
    dialog.repaint();
    QCoreApplication::processEvents();
    return Since(start);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int largest = argc > 1 ? std::atoi(argv[1]) : 1000000;

    {
        const auto start = std::chrono::steady_clock::now();
        ImageLoadDialog warmUp;
        warmUp.show();
        WaitExposed(warmUp);
        std::printf("first window of the process (empty page): %.1f ms\n", Since(start));
    }

    for (int count = 1000; count <= largest; count *= 10) {
        const QStringList paths = Paths(0, count);
        {
            ImageLoadDialog dialog;
            dialog.show();
            WaitExposed(dialog);
            const double ms = AddAndPaint(dialog, paths);
            std::printf("%8d images at once: list and paint %.1f ms (%d rows)\n", count, ms,
                        dialog.findChild<QTableWidget*>()->rowCount());
        }
        {
            ImageLoadDialog dialog;
            dialog.show();
            WaitExposed(dialog);
            const int batch = count / 10;
            double total = 0.0;
            double first = 0.0;
            double last = 0.0;
            for (int k = 0; k < 10; ++k) {
                const double ms = AddAndPaint(dialog, paths.mid(k * batch, batch));
                total += ms;
                (k == 0 ? first : last) = ms;
            }
            std::printf("%8d images in 10 batches: %.1f ms in all, first batch %.1f ms, last "
                        "%.1f ms\n",
                        count, total, first, last);
        }
    }
    return 0;
}
