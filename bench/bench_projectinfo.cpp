// How long the project summary page takes from SetProject to its first paint
// for a project of 100,000 images, with positions in degrees shown in a
// projected system and as stored.
//
// In the wizard the image page before the summary has already had the
// transformation to the project's system searched for (GeoPrj::Prepare) while
// the operator worked there; the second run here does the same and waits for
// it. The first is the page in a process that never used the projection
// library, which then spends tens of milliseconds opening its database.
//
//   bench_projectinfo [images, default 100000]

#include "benchsupport.h"
#include "kvfd/kvconfiguration.h"
#include "kvmath/geoprj.h"
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

    struct Run
    {
        int coordinateId;
        bool prepared;
        const char* what;
    };
    const kvfd::CoordinateInfoSet systems
        = kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet();
    for (const Run run :
         {Run {32651, false, "first transformation of the process"},
          Run {32650, true, "after the image page"}, Run {-1, false, "as stored"}}) {
        kvprj::KvProject project = MakeProject(count, run.coordinateId);
        kvfd::CoordinateInfo target;
        if (run.prepared && systems.GetCoordinateByID(run.coordinateId, target)) {
            kvmath::GeoPrj::Prepare(systems.GetWGS84(), target);
            kvmath::GeoPrj waitForIt;
            waitForIt.Create(systems.GetWGS84(), target);
        }
        const auto start = std::chrono::steady_clock::now();
        KvShowPrjInfoDialog dialog;
        dialog.SetProject(&project);
        dialog.show();
        WaitExposed(dialog);
        std::printf("%d images, coordinate %d (%s): first paint %.1f ms\n", count, run.coordinateId,
                    run.what, Since(start));
    }
    return 0;
}
