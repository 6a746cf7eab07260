#include "tiles.h"

#include <algorithm>
#include <cmath>
#include <cpl_error.h>
#include <cpl_vsi.h>
#include <cstdint>
#include <gdal_alg.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <vector>

namespace kvcloud {

namespace {

constexpr double kHalfWorld = 20037508.342789244; // Web Mercator, metres

// The largest window read from the source for one tile: a tile needs no more
// than a few source cells per pixel.
constexpr int kMaxRead = 1024;

} // namespace

Tiles::Tiles() = default;

Tiles::~Tiles()
{
    if (m_dataset)
        GDALClose(m_dataset);
}

bool Tiles::Open(const std::string& path, std::string& error)
{
    GDALAllRegister();
    CPLPushErrorHandler(CPLQuietErrorHandler);
    m_dataset = GDALDataset::Open(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY);
    CPLPopErrorHandler();
    if (!m_dataset) {
        error = "cannot open the map raster " + path + ": " + CPLGetLastErrorMsg();
        return false;
    }
    double transform[6] = {};
    const OGRSpatialReference* system = m_dataset->GetSpatialRef();
    if (m_dataset->GetRasterCount() < 1 || m_dataset->GetGeoTransform(transform) != CE_None) {
        error = "the map raster " + path + " has no band or no georeferencing";
    } else if (!system || system->IsEmpty()) {
        error = "the map raster " + path + " has no coordinate system";
    } else {
        double range[2] = {0.0, 1.0};
        if (m_dataset->GetRasterCount() < 3
            && m_dataset->GetRasterBand(1)->ComputeRasterMinMax(FALSE, range) == CE_None) {
            m_low = range[0];
            m_high = range[1] > range[0] ? range[1] : range[0] + 1.0;
        }
        return true;
    }
    GDALClose(m_dataset);
    m_dataset = nullptr;
    return false;
}

bool Tiles::Render(int z, long long x, long long y, std::string& png) const
{
    if (!m_dataset || z < 0 || z > kMaxZoom || x < 0 || y < 0 || x >= (1LL << z) || y >= (1LL << z))
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    const double span = 2.0 * kHalfWorld / double(1LL << z);
    const double left = -kHalfWorld + double(x) * span;
    const double top = kHalfWorld - double(y) * span;

    // The tile as a dataset of its own, so that GDAL's transformer maps each of
    // its pixels to a source pixel.
    GDALDriver* memory = GetGDALDriverManager()->GetDriverByName("MEM");
    GDALDriver* pngDriver = GetGDALDriverManager()->GetDriverByName("PNG");
    if (!memory || !pngDriver)
        return false;
    GDALDataset* tile = memory->Create("", kSize, kSize, 4, GDT_Byte, nullptr);
    if (!tile)
        return false;
    double tileTransform[6] = {left, span / kSize, 0.0, top, 0.0, -span / kSize};
    tile->SetGeoTransform(tileTransform);
    OGRSpatialReference mercator;
    mercator.importFromEPSG(3857);
    tile->SetSpatialRef(&mercator);

    std::vector<unsigned char> rgba(std::size_t(kSize) * kSize * 4, 0);
    void* transformer = GDALCreateGenImgProjTransformer2(tile, m_dataset, nullptr);
    if (transformer) {
        // Tile pixel centres to source pixel coordinates, all at once.
        const int count = kSize * kSize;
        const std::size_t points = static_cast<std::size_t>(count);
        std::vector<double> xs(points), ys(points), zs(points);
        std::vector<int> ok(points);
        for (int r = 0; r < kSize; ++r) {
            for (int c = 0; c < kSize; ++c) {
                xs[std::size_t(r * kSize + c)] = c + 0.5;
                ys[std::size_t(r * kSize + c)] = r + 0.5;
            }
        }
        CPLPushErrorHandler(CPLQuietErrorHandler);
        GDALGenImgProjTransform(transformer, FALSE, count, xs.data(), ys.data(), zs.data(),
                                ok.data());
        CPLPopErrorHandler();
        GDALDestroyGenImgProjTransformer(transformer);

        const int width = m_dataset->GetRasterXSize();
        const int height = m_dataset->GetRasterYSize();
        double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
        for (int i = 0; i < count; ++i) {
            if (!ok[std::size_t(i)] || !std::isfinite(xs[std::size_t(i)])
                || !std::isfinite(ys[std::size_t(i)]) || xs[std::size_t(i)] < 0
                || ys[std::size_t(i)] < 0 || xs[std::size_t(i)] >= width
                || ys[std::size_t(i)] >= height) {
                ok[std::size_t(i)] = 0;
                continue;
            }
            minX = std::min(minX, xs[std::size_t(i)]);
            maxX = std::max(maxX, xs[std::size_t(i)]);
            minY = std::min(minY, ys[std::size_t(i)]);
            maxY = std::max(maxY, ys[std::size_t(i)]);
        }
        if (minX <= maxX) {
            // Read the window under the tile, shrunk by GDAL when it is large.
            const int wx = int(std::floor(minX)), wy = int(std::floor(minY));
            const int ww = std::min(width, int(std::floor(maxX)) + 1) - wx;
            const int wh = std::min(height, int(std::floor(maxY)) + 1) - wy;
            const int bw = std::min(ww, kMaxRead), bh = std::min(wh, kMaxRead);
            const int bands
                = m_dataset->GetRasterCount() >= 3 ? std::min(4, m_dataset->GetRasterCount()) : 1;
            std::vector<double> buffer(std::size_t(bw) * bh * bands);
            std::vector<int> bandList;
            for (int b = 1; b <= bands; ++b)
                bandList.push_back(b);
            int hasNoData = 0;
            const double noData = m_dataset->GetRasterBand(1)->GetNoDataValue(&hasNoData);
            CPLPushErrorHandler(CPLQuietErrorHandler);
            const CPLErr read
                = m_dataset->RasterIO(GF_Read, wx, wy, ww, wh, buffer.data(), bw, bh, GDT_Float64,
                                      bands, bandList.data(), 0, 0, 0, nullptr);
            CPLPopErrorHandler();
            if (read == CE_None) {
                const std::size_t plane = std::size_t(bw) * bh;
                for (int i = 0; i < count; ++i) {
                    if (!ok[std::size_t(i)])
                        continue;
                    const int bx = std::min(bw - 1, int((xs[std::size_t(i)] - wx) * bw / ww));
                    const int by = std::min(bh - 1, int((ys[std::size_t(i)] - wy) * bh / wh));
                    const std::size_t cell = std::size_t(by) * bw + bx;
                    unsigned char* out = &rgba[std::size_t(i) * 4];
                    if (bands == 1) {
                        const double v = buffer[cell];
                        if (!std::isfinite(v) || (hasNoData && v == noData))
                            continue;
                        const double t
                            = std::max(0.0, std::min(1.0, (v - m_low) / (m_high - m_low)));
                        out[0] = out[1] = out[2] = (unsigned char)(std::lround(30 + 210 * t));
                        out[3] = 255;
                    } else {
                        for (int b = 0; b < 3; ++b)
                            out[b] = (unsigned char)(std::max(
                                0.0, std::min(255.0, buffer[plane * b + cell])));
                        out[3] = bands == 4 ? (unsigned char)(std::max(
                                     0.0, std::min(255.0, buffer[plane * 3 + cell])))
                                            : 255;
                    }
                }
            }
        }
    }
    const CPLErr written = tile->RasterIO(GF_Write, 0, 0, kSize, kSize, rgba.data(), kSize, kSize,
                                          GDT_Byte, 4, nullptr, 4, kSize * 4, 1, nullptr);
    bool result = false;
    if (written == CE_None) {
        // Each request its own in-memory file: requests run on several threads.
        const std::string name = "/vsimem/kvcloud_tile_" + std::to_string(z) + "_"
            + std::to_string(x) + "_" + std::to_string(y) + "_"
            + std::to_string(reinterpret_cast<std::uintptr_t>(tile)) + ".png";
        CPLPushErrorHandler(CPLQuietErrorHandler);
        GDALDataset* copy
            = pngDriver->CreateCopy(name.c_str(), tile, FALSE, nullptr, nullptr, nullptr);
        CPLPopErrorHandler();
        if (copy) {
            GDALClose(copy);
            vsi_l_offset size = 0;
            GByte* bytes = VSIGetMemFileBuffer(name.c_str(), &size, FALSE);
            if (bytes) {
                png.assign(reinterpret_cast<const char*>(bytes), std::size_t(size));
                result = true;
            }
        }
        VSIUnlink(name.c_str());
        VSIUnlink((name + ".aux.xml").c_str());
    }
    GDALClose(tile);
    return result;
}

} // namespace kvcloud
