// How long the camera dialog takes to open over a large camera database: the
// dialog lists every camera, so its list must fill in one go.
//
//   bench_cameradialog [cameras]

#include "camera/cameradialog.h"
#include "kvfd/kvconfiguration.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 20000;

    kvfd::CameraInfoSet cameras;
    for (int i = 0; i < count; ++i) {
        kvfd::CameraInfo camera;
        camera.id = i;
        camera.name = "VR-" + std::to_string(i);
        camera.fullname = "Varnel survey camera " + std::to_string(i) + " 24mm";
        camera.width = 6000;
        camera.height = 4000;
        camera.ccd_width = 13.2;
        camera.ccd_height = 8.8;
        camera.pixel_size_x = camera.pixel_size_y = 0.0022;
        camera.focal = 8.8 + i * 1e-3;
        camera.x0 = 2999.5;
        camera.y0 = 1999.5;
        cameras.AddCamera(camera);
    }
    kvfd::KvConfiguration::Instance()->SetCameraInfoSet(cameras);
    // A camera near the end of the list, so the preset look-up walks it all.
    const kvfd::CameraInfo preset = count > 0 ? *cameras.GetCamera(count - 1) : kvfd::CameraInfo();

    // From construction until the dialog is on screen and painted.
    const auto start = std::chrono::steady_clock::now();
    CameraDialog dialog;
    dialog.SetCamera(preset);
    dialog.show();
    QElapsedTimer wait;
    wait.start();
    while (!(dialog.windowHandle() && dialog.windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    const double ms
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count();
    std::printf("camera dialog with %d cameras: %.1f ms\n", count, ms);

    // Dropping the list down must not lay out every camera either.
    QComboBox* list = nullptr;
    for (QComboBox* combo : dialog.findChildren<QComboBox*>()) {
        if (combo->property("kvFormName").toString() == QLatin1String("csw_camera_base_"))
            list = combo;
    }
    if (!list)
        return 1;
    const auto popupStart = std::chrono::steady_clock::now();
    list->showPopup();
    QCoreApplication::processEvents();
    const double popupMs
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - popupStart)
              .count();
    list->hidePopup();
    std::printf("camera list drop-down: %.1f ms\n", popupMs);
    return 0;
}
