#pragma once

#include <memory>
#include <mutex>
#include <string>

class GDALDataset;
class OGRCoordinateTransformation;

namespace kvcloud {

// A terrain model read through GDAL: any raster GDAL opens whose first band
// holds heights in metres, in any coordinate system GDAL knows. Queries are
// WGS84 latitude and longitude; they may come from several threads at once.
class Dem
{
public:
    Dem();
    ~Dem();
    Dem(const Dem&) = delete;
    Dem& operator=(const Dem&) = delete;

    // Opens the raster; on false error says why.
    bool Open(const std::string& path, std::string& error);
    bool IsOpen() const { return m_dataset != nullptr; }

    // The height at a WGS84 position, bilinear between the four nearest cell
    // centres (the nearest cell where one of them has no data). False outside
    // the raster and where the cell holds no data.
    bool Sample(double latitude, double longitude, double& height) const;

private:
    GDALDataset* m_dataset = nullptr;
    std::unique_ptr<OGRCoordinateTransformation> m_toRaster;
    double m_inverse[6] = {}; // raster coordinates from the raster's system
    int m_width = 0;
    int m_height = 0;
    bool m_hasNoData = false;
    double m_noData = 0.0;
    // GDAL datasets and transformations are not safe to share between threads.
    mutable std::mutex m_mutex;
};

} // namespace kvcloud
