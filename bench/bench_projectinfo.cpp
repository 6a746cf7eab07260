// How long the project summary page takes from SetProject to its first paint
// for a project of 100,000 images, with positions in degrees shown in a
// projected system and as stored.
//
//   bench_projectinfo [images, default 100000]

#include "benchsupport.h"
#include "kvprj/kvproject.h"
#include "project/kvshowprjinfodialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using kvbench::Since;
using kvbench::WaitExposed;

kvprj::KvProject MakeProject(int count, int coordinateId)
{
    kvprj::KvProject project;
    kvprj::PrjInfo& info = project.GetPrjInfo();
    info.coordinateId = coordinateId;
    info.meanElevation = 312.5;
    kvprj::CopyText(info.name, "Benchmark block 测区");
    kvfd::CameraInfo camera;
    camera.id = 0;
    camera.name = "FC6310";
    project.GetCameraInfoSet().AddCamera(camera);
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    images.Reserve(count);
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "DJI_%06d.JPG", i);
        kvfd::EOP eop;
        eop.X = 114.3 + (i % 400) * 1e-4;
        eop.Y = 30.5 + (i / 400) * 1e-5;
        eop.Z = 300.0 + (i % 17) * 0.37;
        eop.Kappa = (i / 400) % 2 ? 3.14159 : 0.0;
        images.AddImage(name, "/data/surveys/block A", eop, 0, true);
    }
    return project;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The configuration must not write into the user's data folder.
    QTemporaryDir data;
    qputenv("KVUI_DATA_DIR", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;

    {
        const auto start = std::chrono::steady_clock::now();
        KvShowPrjInfoDialog warmUp;
        warmUp.show();
        WaitExposed(warmUp);
        std::printf("first window of the process (empty page): %.1f ms\n", Since(start));
    }

    for (const int coordinateId : {32650, -1}) {
        kvprj::KvProject project = MakeProject(count, coordinateId);
        const auto start = std::chrono::steady_clock::now();
        KvShowPrjInfoDialog dialog;
        dialog.SetProject(&project);
        dialog.show();
        WaitExposed(dialog);
        std::printf("%d images, coordinate %d: first paint %.1f ms\n", count, coordinateId,
                    Since(start));
    }
    return 0;
}
