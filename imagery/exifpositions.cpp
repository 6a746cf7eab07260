#include "imagery/exifpositions.h"

#include "kvimage/kvimage.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace kvui {

std::vector<PosData> ReadExifPositions(kvfd::ImageInfoSet& images, int camera)
{
    std::vector<int> indices;
    std::vector<std::string> paths;
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfo* image = std::as_const(images).GetImage(i);
        if (image && image->GetCamera() == camera) {
            indices.push_back(i);
            paths.push_back(image->GetFullName());
        }
    }

    // Each iteration reads one file; only the list of positions found is
    // shared. The images themselves are updated afterwards, in image order,
    // so the result does not depend on which thread finished first.
    std::vector<std::pair<int, kvfd::EOP>> found;
    const int count = int(indices.size());
#pragma omp parallel for schedule(dynamic)
    for (int k = 0; k < count; ++k) {
        double lla[3] = {0.0, 0.0, 0.0};
        if (!kvimage::GetGPSFromImage(paths[std::size_t(k)], lla))
            continue;
        // A zero in any value is what a camera writes before it has a fix.
        if (!(std::fabs(lla[0]) > 1e-6 && std::fabs(lla[1]) > 1e-6 && std::fabs(lla[2]) > 1e-6))
            continue;
        kvfd::EOP eop;
        eop.X = lla[0];
        eop.Y = lla[1];
        eop.Z = lla[2];
#pragma omp critical(kvui_exif_positions)
        found.emplace_back(k, eop);
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });

    std::vector<PosData> records;
    records.reserve(found.size());
    for (const auto& [k, eop] : found) {
        const int i = indices[std::size_t(k)];
        kvfd::ImageInfo* image = images.GetImage(i);
        images.GetImageExt(i)->enabled = true;
        image->SetEOP(eop);
        records.push_back(PosData {image->Name(), eop});
    }
    return records;
}

} // namespace kvui
