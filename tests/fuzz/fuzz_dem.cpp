// DEMs: any bytes given as a DEM (as a GeoTIFF and as a Surfer grid) are
// sampled or refused without crashing, with one difference per point that is
// either the marker or a finite number.

#include "fuzzsupport.h"
#include "kvalgorithm/kvalgo.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    // Points on the sample grids, on a UTM DEM and at a geographic position.
    const std::vector<kvalgo::Point3_T<double>> points = {{0, 0, 0},
                                                          {15, 5, 1},
                                                          {441050, 3750870, 100},
                                                          {324991, 5103867, 2500},
                                                          {-113.26, 46.07, 0}};
    for (const char* name : {"dem.tif", "dem.grd"}) {
        const std::string path = kvfuzz::WriteScratch(name, bytes);
        std::vector<double> dz;
        kvalgo::DemCheckInfo info;
        const bool read = kvalgo::KvAlgo::DEMCheck(path, points, dz, std::string(), &info);
        kvfuzz::Check(dz.size() == points.size(), "one difference per point");
        kvfuzz::Check(read || !info.message.empty(), "a refused DEM says why");
        std::size_t sampled = 0;
        for (double d : dz) {
            kvfuzz::Check(d == kvalgo::KvAlgo::kNoDifference || std::isfinite(d),
                          "a difference is a number or the marker");
            sampled += d != kvalgo::KvAlgo::kNoDifference;
        }
        kvfuzz::Check(read || sampled == 0, "a refused DEM samples nothing");
    }
    return 0;
}
