// Reads the positions of the photos of a folder the way the image-and-POS page
// does (every JPEG of the folder one image of camera 0, then ReadExifPositions)
// and prints one line per positioned photo: name, longitude, latitude, altitude.
// bench_exif times it as a process beside exiftool.
//
//     exifpositions [--exiv2] <folder>
//
// --exiv2 reads every photo through Exiv2 alone, in the same parallel loop, to
// show what the whole process cost before the fast reader.

#include "imagery/exifpositions.h"

#include "../platform/kvimage/gpsifd.h"
#include "kvfd/imageinfoset.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

int ByExiv2(const std::vector<std::string>& paths, const QStringList& names)
{
    const int n = int(paths.size());
    std::vector<std::array<double, 3>> lla(paths.size());
    std::vector<char> found(paths.size(), 0);
#pragma omp parallel for schedule(dynamic)
    for (int k = 0; k < n; ++k)
        found[std::size_t(k)] = kvimage::detail::GpsFromExiv2(paths[std::size_t(k)], lla[k].data());
    int count = 0;
    for (int k = 0; k < n; ++k) {
        if (!found[std::size_t(k)])
            continue;
        ++count;
        std::printf("%s %.9f %.9f %.4f\n", qPrintable(names[k]), lla[k][0], lla[k][1], lla[k][2]);
    }
    return count;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool exiv2 = args.removeAll(QStringLiteral("--exiv2")) > 0;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: exifpositions [--exiv2] <folder>\n");
        return 2;
    }
    const QDir folder(args.front());
    const QStringList names = folder.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.JPG")},
                                               QDir::Files, QDir::Name);
    const std::string directory = folder.absolutePath().toStdString();
    if (exiv2) {
        std::vector<std::string> paths;
        for (const QString& name : names)
            paths.push_back(directory + '/' + name.toStdString());
        std::fprintf(stderr, "%d of %d photos positioned\n", ByExiv2(paths, names),
                     int(names.size()));
        return 0;
    }
    kvfd::ImageInfoSet images;
    images.Reserve(int(names.size()));
    for (const QString& name : names)
        images.AddImage(name.toStdString(), directory, kvfd::EOP(), 0, false);
    const std::vector<PosData> records = kvui::ReadExifPositions(images, 0);
    for (const PosData& record : records)
        std::printf("%s %.9f %.9f %.4f\n", record.name.c_str(), record.eop.X, record.eop.Y,
                    record.eop.Z);
    std::fprintf(stderr, "%d of %d photos positioned\n", int(records.size()), int(names.size()));
    return 0;
}
