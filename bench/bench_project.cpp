// Times saving and opening a project of 100,000 images, the size of a large
// survey block. Run on a Release or RelWithDebInfo build.

#include "kvprj/kvproject.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kImages = 100000;
constexpr int kRuns = 5;

kvprj::KvProject MakeProject()
{
    kvprj::KvProject p;
    kvprj::PrjInfo& info = p.GetPrjInfo();
    info.coordinateId = 4547;
    kvprj::CopyText(info.name, "Benchmark block 测区");
    kvprj::CopyText(info.prjOperator, "bench");
    kvprj::CopyText(info.date, "2024-05-06T07:08:09");
    kvprj::CopyText(info.description, "100,000 nadir images over two cameras");
    info.meanElevation = 312.5;

    for (int c = 0; c < 2; ++c) {
        kvfd::CameraInfo camera;
        camera.id = c;
        camera.name = c ? "ILCE-7RM4" : "FC6310";
        camera.fullname = c ? "Sony A7R IV" : "DJI Phantom 4 Pro";
        camera.width = c ? 9504 : 5472;
        camera.height = c ? 6336 : 3648;
        camera.ccd_width = c ? 35.7 : 13.2;
        camera.ccd_height = c ? 23.8 : 8.8;
        camera.focal = c ? 35.0 : 8.8;
        camera.pixel_size_x = camera.ccd_width / camera.width;
        camera.pixel_size_y = camera.ccd_height / camera.height;
        camera.x0 = camera.width / 2.0;
        camera.y0 = camera.height / 2.0;
        camera.k1 = -0.0123;
        camera.k2 = 0.00045;
        p.GetCameraInfoSet().AddCamera(camera);
    }

    kvfd::ImageInfoSet& images = p.GetImageInfoSet();
    images.Reserve(kImages);
    for (int i = 0; i < kImages; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "DJI_%04d.JPG", i % 10000 + 1);
        char folder[64];
        std::snprintf(folder, sizeof folder, "/data/surveys/2024-05 block A/flight %02d",
                      i / 10000 + 1);
        kvfd::EOP eop;
        eop.X = 500000.0 + (i % 400) * 35.25;
        eop.Y = 4400000.0 + (i / 400) * 52.75;
        eop.Z = 300.0 + (i % 17) * 0.37;
        eop.Omega = 0.001 * (i % 13);
        eop.Phi = -0.002 * (i % 11);
        eop.Kappa = (i / 400) % 2 ? 3.14159 : 0.0;
        images.AddImage(name, folder, eop, i % 2, true);
        images.GetImageExt(i)->flight = i / 10000;
    }
    return p;
}

// Best and mean of kRuns runs, in milliseconds.
void Time(const char* what, const std::function<bool()>& run)
{
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!run()) {
            std::printf("%s: FAILED\n", what);
            return;
        }
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    double sum = 0;
    for (double m : ms)
        sum += m;
    std::printf("%s %d images: %.1f ms (best of %d, mean %.1f ms)\n", what, kImages,
                *std::min_element(ms.begin(), ms.end()), kRuns, sum / kRuns);
}

} // namespace

int main()
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path dir = fs::temp_directory_path(ec) / ("kvui-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir, ec);
    const std::string path = (dir / "bench project.db").string();

    const kvprj::KvProject source = MakeProject();
    kvprj::KvProject saving = source;
    Time("save", [&] { return saving.SavePrj(path); });
    std::printf("file size: %.2f MB\n", double(fs::file_size(path, ec)) / (1024.0 * 1024.0));

    Time("open", [&] {
        kvprj::KvProject p;
        return p.OpenPrj(path) && p.GetImageInfoSet().Size() == kImages;
    });
    Time("quick open", [&] {
        kvprj::KvProject p;
        return p.QuickOpenPrj(path);
    });

    fs::remove_all(dir, ec);
    return 0;
}
