#pragma once

#include <mutex>
#include <string>

class GDALDataset;

namespace kvcloud {

// Background-map tiles cut from one raster GDAL opens (a GeoTIFF in any
// coordinate system): 256-pixel Web Mercator tiles, PNG with an alpha band.
// One band is drawn grey from its lowest to its highest value, three or four
// bands as RGB(A) bytes; outside the raster and on cells without data the
// tile is transparent. Tiles may be asked for from several threads.
class Tiles
{
public:
    static constexpr int kSize = 256;
    static constexpr int kMaxZoom = 22;

    Tiles();
    ~Tiles();
    Tiles(const Tiles&) = delete;
    Tiles& operator=(const Tiles&) = delete;

    bool Open(const std::string& path, std::string& error);
    // The PNG of tile z/x/y; false for a tile number outside the zoom level or
    // when rendering failed.
    bool Render(int z, long long x, long long y, std::string& png) const;

private:
    GDALDataset* m_dataset = nullptr;
    double m_low = 0.0;
    double m_high = 1.0;
    // GDAL datasets are not safe to share between threads.
    mutable std::mutex m_mutex;
};

} // namespace kvcloud
