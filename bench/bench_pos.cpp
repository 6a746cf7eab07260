// Times reading a POS file of 100,000 records and giving them to 100,000
// images by each match type, the size of a large survey block; then the same
// matching done the naive way (every record walks the image list) on a
// 2,000-record sample, extrapolated, and the two pages' tables filled with a
// large file and list. Run on a Release or RelWithDebInfo build.

#include "imagery/imageloaddialog.h"
#include "imagery/posfile.h"
#include "imagery/posloaddialog.h"
#include "imagery/posmatch.h"
#include "kvfd/pathhelper.h"

#include <QApplication>
#include <QStringList>
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

constexpr int kRecords = 100000;
constexpr int kSample = 2000;

double Milliseconds(const std::function<void()>& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

std::string Name(int i)
{
    char name[32];
    std::snprintf(name, sizeof name, "IMG_%06d.JPG", i);
    return name;
}

bool WritePosFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    std::fputs("Name X Y Z Omega Phi Kappa\n", file);
    for (int i = 0; i < kRecords; ++i)
        std::fprintf(file, "%s %.3f %.3f %.3f %.6f %.6f %.6f\n", Name(i).c_str(),
                     500000.0 + (i % 400) * 35.25, 4400000.0 + (i / 400) * 52.75,
                     300.0 + (i % 17) * 0.37, 0.001 * (i % 13), -0.002 * (i % 11),
                     (i / 400) % 2 ? 179.9 : 0.1);
    return std::fclose(file) == 0;
}

kvfd::ImageInfoSet MakeImages()
{
    kvfd::ImageInfoSet images;
    images.Reserve(kRecords);
    for (int i = 0; i < kRecords; ++i)
        images.AddImage(Name(i), "/data/surveys/block A", kvfd::EOP(), 0, false);
    return images;
}

std::string Lower(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return text;
}

// The matching as a walk over the images for every record.
void NaiveMatch(std::vector<PosData>& records, PosMatchType type, kvfd::ImageInfoSet& images)
{
    std::vector<PosData> kept;
    for (PosData& record : records) {
        const std::string name = Lower(record.name);
        const std::string title = kvfd::PathHelper::GetFileTitle2(name);
        for (int i = 0; i < images.Size(); ++i) {
            const kvfd::ImageInfo* image
                = static_cast<const kvfd::ImageInfoSet&>(images).GetImage(i);
            if (!image || image->GetCamera() != 0)
                continue;
            const std::string imageName = Lower(image->Name());
            if (imageName == name
                || (type == PosMatchWithoutExt
                    && kvfd::PathHelper::GetFileTitle2(imageName) == title)) {
                images.GetImage(i)->SetEOP(record.eop);
                images.GetImageExt(i)->enabled = true;
                kept.push_back(record);
                break;
            }
        }
    }
    records.swap(kept);
}

} // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path dir
        = fs::temp_directory_path(ec) / ("kvui-bench-pos-" + std::to_string(::getpid()));
    fs::create_directories(dir, ec);
    const std::string path = (dir / "pos 100000.txt").string();
    if (!WritePosFile(path)) {
        std::printf("cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("POS file: %d records, %.2f MB\n", kRecords,
                double(fs::file_size(path, ec)) / (1024.0 * 1024.0));

    const kvfd::ImageInfoSet images = MakeImages();
    const QStringList labels = {"ID", "X", "Y", "Z", "Omega", "Phi", "Kappa"};

    std::vector<std::vector<std::string>> rows;
    std::vector<PosData> records;
    double total = 0;
    const double read = Milliseconds([&] { kvui::ReadPosRows(path, rows); });
    const double make = Milliseconds([&] { records = kvui::MakePosDatas(rows, 2, labels, true); });
    std::printf("ReadPosRows:   %8.1f ms (%zu rows)\n", read, rows.size());
    // Loading the file again, as the page does when the operator picks it anew.
    double again = 1e300;
    for (int i = 0; i < 3; ++i)
        again = std::min(again, Milliseconds([&] { kvui::ReadPosRows(path, rows); }));
    std::printf("ReadPosRows again: %4.1f ms (best of 3)\n", again);
    std::printf("MakePosDatas:  %8.1f ms (%zu records)\n", make, records.size());
    total += read + make;

    const char* const typeNames[] = {"With Ext", "Without Ext", "Order"};
    for (int type = 0; type < 3; ++type) {
        std::vector<PosData> list = records;
        kvfd::ImageInfoSet set = images;
        const double match
            = Milliseconds([&] { kvui::MatchPosRecords(list, PosMatchType(type), set, 0); });
        std::printf("Match %-11s %8.1f ms (%zu matched)\n", typeNames[type], match, list.size());
        total += match;
    }
    std::printf("read + records + three matches: %.1f ms\n", total);

    // The naive walk on a sample spread over the whole file, so that records
    // meet their images at every depth of the list.
    std::printf("Reference only: this bench's own naive walk (every record scans the image "
                "list), not another program\n");
    for (int type = 0; type < 2; ++type) {
        std::vector<PosData> sample;
        for (int k = 0; k < kSample; ++k)
            sample.push_back(records[std::size_t(k) * records.size() / kSample]);
        kvfd::ImageInfoSet set = images;
        const double naive = Milliseconds([&] { NaiveMatch(sample, PosMatchType(type), set); });
        std::printf("Naive %-11s %8.1f ms for %d records (%zu matched), about %.1f s for %d\n",
                    typeNames[type], naive, kSample, sample.size(),
                    naive * kRecords / kSample / 1000.0, kRecords);
    }

    // The pages' tables.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PosLoadWidget posPage;
    posPage.show();
    const double load = Milliseconds([&] {
        posPage.LoadFile(QString::fromStdString(path));
        QApplication::processEvents();
    });
    std::printf("POS page, load and paint %d rows: %.1f ms\n", kRecords + 1, load);

    QStringList files;
    for (int i = 0; i < 10000; ++i)
        files << QStringLiteral("/data/surveys/block A/") + QString::fromStdString(Name(i));
    ImageLoadWidget imagePage;
    imagePage.show();
    const double list = Milliseconds([&] {
        imagePage.AddImages(files);
        QApplication::processEvents();
    });
    std::printf("Image page, list and paint 10000 images: %.1f ms\n", list);

    fs::remove_all(dir, ec);
    return 0;
}
