// Reads the positions of the photos of a folder the way the image-and-POS page
// does (imagery/exifpositions.cpp: one parallel loop over the images, zeros
// taken for no fix, results in image order) and prints one line per positioned
// photo: name, longitude, latitude, altitude. bench_exif times it as a process
// beside exiftool. It links only the photo reader, not the widget library, so
// that the process costs what reading costs.
//
//     exifpositions [--exiv2] <folder>
//
// --exiv2 reads every photo through Exiv2 alone, as before the fast reader.

#include "../platform/kvimage/gpsifd.h"
#include "kvimage/kvimage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

int main(int argc, char** argv)
{
    const bool exiv2 = argc == 3 && std::strcmp(argv[1], "--exiv2") == 0;
    if (argc != (exiv2 ? 3 : 2)) {
        std::fprintf(stderr, "usage: exifpositions [--exiv2] <folder>\n");
        return 2;
    }
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(argv[argc - 1], error)) {
        std::string extension = entry.path().extension().string();
        if ((extension == ".jpg" || extension == ".JPG") && entry.is_regular_file(error))
            names.push_back(entry.path().filename().string());
    }
    if (error) {
        std::fprintf(stderr, "cannot list %s\n", argv[argc - 1]);
        return 1;
    }
    std::sort(names.begin(), names.end());
    const std::string folder = argv[argc - 1];

    const int count = int(names.size());
    std::vector<std::array<double, 3>> lla(names.size());
    std::vector<char> found(names.size(), 0);
#pragma omp parallel for schedule(dynamic)
    for (int k = 0; k < count; ++k) {
        const std::string path = folder + '/' + names[std::size_t(k)];
        double* position = lla[std::size_t(k)].data();
        const bool read = exiv2 ? kvimage::detail::GpsFromExiv2(path, position)
                                : kvimage::GetGPSFromImage(path, position);
        found[std::size_t(k)] = read && std::fabs(position[0]) > 1e-6
            && std::fabs(position[1]) > 1e-6 && std::fabs(position[2]) > 1e-6;
    }
    int positioned = 0;
    for (int k = 0; k < count; ++k) {
        if (!found[std::size_t(k)])
            continue;
        ++positioned;
        const double* p = lla[std::size_t(k)].data();
        std::printf("%s %.9f %.9f %.4f\n", names[std::size_t(k)].c_str(), p[0], p[1], p[2]);
    }
    std::fprintf(stderr, "%d of %d photos positioned\n", positioned, count);
    return 0;
}
