// Times the quality report of a 10,000-image block: the assessment (ground
// sample distance, footprints, forward and side overlaps, attitude and
// position checks), the HTML page with its map, and the page shown in a web
// view as the report viewer shows it (a local file loaded until loadFinished).
// Run on a Release or RelWithDebInfo build under a display (xvfb-run).

#include "benchsupport.h"
#include "host/qualityreport.h"
#include "surveyblock.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kRuns = 3;

// Flights of 250 images, 30 m apart along the line and 60 m between lines,
// 100 m above the ground, with small attitude noise.
kvprj::KvProject Block(int images)
{
    kvprj::KvProject project;
    kvbench::FillSurveyBlock(project, images);
    return project;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const kvprj::KvProject project = Block(10000);
    QTemporaryDir dir;
    const QString path = qEnvironmentVariableIsSet("KVBENCH_KEEP")
        ? QStringLiteral("/tmp/kvbench_report.html")
        : dir.filePath(QStringLiteral("report.html"));
    kvhost::QualityJob job;
    job.resolution = 0.03;

    double assess = 1e300, page = 1e300, total = 1e300, shown = 1e300;
    int failing = 0;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const kvhost::QualityReport report = kvhost::QualityReport::Assess(project, job);
        assess = std::min(assess, kvbench::Since(start));
        const auto written = std::chrono::steady_clock::now();
        if (!report.WriteHtml(path).ok)
            return 1;
        page = std::min(page, kvbench::Since(written));
        total = std::min(total, kvbench::Since(start));
        failing = report.FailingCount();
    }

    // A page given on the command line is shown instead: to compare layouts.
    const QString shownPath = argc > 1 ? QString::fromLocal8Bit(argv[1]) : path;
    QWebEngineView view;
    view.resize(1024, 700);
    view.setUrl(QUrl(QStringLiteral("about:blank")));
    view.show();
    kvbench::WaitExposed(view);
    for (int run = 0; run < kRuns; ++run) {
        view.setUrl(QUrl(QStringLiteral("about:blank")));
        QEventLoop blank;
        QObject::connect(&view, &QWebEngineView::loadFinished, &blank, &QEventLoop::quit);
        QTimer::singleShot(5000, &blank, &QEventLoop::quit);
        blank.exec();
        QObject::disconnect(&view, &QWebEngineView::loadFinished, &blank, nullptr);

        QEventLoop loop;
        bool ok = false;
        QObject::connect(&view, &QWebEngineView::loadFinished, &loop, [&](bool finished) {
            ok = finished;
            loop.quit();
        });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        const auto start = std::chrono::steady_clock::now();
        view.load(QUrl::fromLocalFile(shownPath));
        loop.exec();
        QObject::disconnect(&view, &QWebEngineView::loadFinished, &loop, nullptr);
        if (!ok)
            return 1;
        shown = std::min(shown, kvbench::Since(start));
    }

    std::printf("quality report of 10000 images (%d failing), best of %d:\n", failing, kRuns);
    std::printf("  assessment          %8.1f ms\n", assess);
    std::printf("  HTML page written   %8.1f ms (%.1f MB)\n", page,
                QFileInfo(path).size() / 1048576.0);
    std::printf("  report total        %8.1f ms (goal < 2000)\n", total);
    std::printf("  page shown in view  %8.1f ms (goal < 1000) %s\n", shown, qPrintable(shownPath));
    return 0;
}
