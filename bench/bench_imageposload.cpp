// How long the image-and-POS page takes to open over a large project and to
// switch between its camera tabs: the table must not build a cell per image.
// Then the switch to a camera without a record whose photos carry no tags: the
// page reads a few of the photos at once and the others on a thread of its
// own, each once only; the time that background search takes is given too.
//
//   bench_imageposload [images] [photos without tags, default 50000]

#include "benchsupport.h"
#include "imagery/cameraslots.h"
#include "imagery/imageposloaddialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using kvbench::Since;
using kvbench::WaitExposed;

kvfd::CameraInfo Camera(const char* name, const char* fullname, int width, int height,
                        double ccdWidth, double ccdHeight, double focal)
{
    kvfd::CameraInfo camera;
    camera.name = name;
    camera.fullname = fullname;
    camera.width = width;
    camera.height = height;
    camera.ccd_width = ccdWidth;
    camera.ccd_height = ccdHeight;
    camera.focal = focal;
    camera.pixel_size_x = ccdWidth / width;
    camera.pixel_size_y = ccdHeight / height;
    camera.x0 = width / 2.0;
    camera.y0 = height / 2.0;
    return camera;
}

// Camera 0 has a record and two photos; camera 1 has none and untagged
// photos, hard links to one small JPEG written without tags.
void SwitchToUntaggedCamera(int photos)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string original = folder + "/untagged.jpg";
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::gray);
    if (!image.save(QString::fromStdString(original), "JPG")) {
        std::printf("untagged photos: could not write %s\n", original.c_str());
        return;
    }
    kvprj::KvProject project;
    kvfd::CameraInfo known = Camera("FC300S", "DJI FC300S", 4000, 2250, 6.16, 3.465, 3.61);
    known.id = 0;
    project.GetCameraInfoSet().AddCamera(known);
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    images.AddImage("DJI_0001.JPG", "/data/survey/flight 1", kvfd::EOP(), 0, true);
    images.AddImage("DJI_0002.JPG", "/data/survey/flight 1", kvfd::EOP(), 0, true);
    for (int i = 0; i < photos; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%05d.jpg", i);
        std::error_code error;
        std::filesystem::create_hard_link(original, folder + "/" + name, error);
        if (error) {
            std::printf("untagged photos: %s\n", error.message().c_str());
            return;
        }
        images.AddImage(name, folder, kvfd::EOP(), 1, true);
    }

    ImagePosLoadDialog dialog;
    dialog.Widget()->SetProject(&project, false);
    dialog.show();
    WaitExposed(dialog);
    std::vector<double> later;
    double first = 0.0;
    for (int k = 0; k < 8; ++k) {
        const int camera = (k + 1) % 2;
        const auto start = std::chrono::steady_clock::now();
        dialog.Widget()->SetCurrentCamera(camera);
        QCoreApplication::processEvents();
        const double ms = Since(start);
        if (camera == 1)
            (k == 0 ? first : later.emplace_back()) = ms;
    }
    std::sort(later.begin(), later.end());
    std::printf("camera without a record, %d photos without tags: first switch %.1f ms, later "
                "switches %.1f ms median, %.1f ms at worst (%zu switches)\n",
                photos, first, later[later.size() / 2], later.back(), later.size());

    // The page's search alone, to its end, in a detection of its own.
    kvui::CameraDetection detection;
    kvfd::CameraInfo camera;
    const auto start = std::chrono::steady_clock::now();
    detection.Detect(images, 1, camera);
    const double atOnce = Since(start);
    while (detection.Searching(1)) {
        QThread::msleep(1);
        QCoreApplication::processEvents();
    }
    std::printf("  the same photos searched: %.1f ms at once, %.1f ms to the end of the "
                "background search\n",
                atOnce, Since(start));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int untagged = argc > 2 ? std::atoi(argv[2]) : 50000;

    // The cameras of two real drones, as their photos' tags describe them.
    kvprj::KvProject project;
    kvfd::CameraInfo first = Camera("FC300S", "DJI FC300S", 4000, 2250, 6.16, 3.465, 3.61);
    kvfd::CameraInfo second = Camera("FC8482", "DJI FC8482", 4032, 3024, 9.7, 7.275, 6.72);
    first.id = 0;
    second.id = 1;
    project.GetCameraInfoSet().AddCamera(first);
    project.GetCameraInfoSet().AddCamera(second);
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    images.Reserve(count);
    for (int i = 0; i < count; ++i) {
        kvfd::EOP eop;
        eop.X = 114.3 + (i % 100) * 1e-4;
        eop.Y = 30.5 + (i / 100) * 1e-4;
        eop.Z = 120.0 + (i % 7);
        eop.Kappa = (i % 2) * 3.14159;
        const int camera = i < count / 2 ? 0 : 1;
        char name[32];
        std::snprintf(name, sizeof name, "DJI_%05d.JPG", i);
        const int index
            = images.AddImage(name, camera == 0 ? "/data/survey/flight 1" : "/data/survey/flight 2",
                              eop, camera, true);
        images.GetImageExt(index)->flight = 1 + i / 2500;
    }

    // The first window of a process pays for the display connection, fonts and
    // style; an empty page takes that cost out of the figures below.
    {
        const auto start = std::chrono::steady_clock::now();
        ImagePosLoadDialog warmUp;
        warmUp.show();
        WaitExposed(warmUp);
        std::printf("first window of the process (empty page): %.1f ms\n", Since(start));
    }

    for (const bool fromFlight : {false, true}) {
        const auto start = std::chrono::steady_clock::now();
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, fromFlight);
        dialog.show();
        WaitExposed(dialog);
        const double openMs = Since(start);
        std::printf("%s mode, %d images over 2 cameras: open %.1f ms\n",
                    fromFlight ? "flight" : "plain", count, openMs);

        double worst = 0.0;
        double total = 0.0;
        const int switches = 6;
        for (int k = 0; k < switches; ++k) {
            const auto switchStart = std::chrono::steady_clock::now();
            dialog.Widget()->SetCurrentCamera((k + 1) % 2);
            QCoreApplication::processEvents();
            const double ms = Since(switchStart);
            worst = std::max(worst, ms);
            total += ms;
        }
        std::printf("%s mode: tab switch %.1f ms on average, %.1f ms at worst (%d switches, %d "
                    "rows shown)\n",
                    fromFlight ? "flight" : "plain", total / switches, worst, switches,
                    dialog.findChild<QTableView*>()->model()->rowCount());
        dialog.hide();
    }

    SwitchToUntaggedCamera(untagged);
    return 0;
}
