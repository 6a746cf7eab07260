#include "host/undistort.h"

#include "host/imagework.h"
#include "host/imageworkraster.h"
#include "kvfd/distortion.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kvhost {

namespace {

// Where each output pixel of one row reads: the top-left source index and
// the bilinear weights; index -1 for outside.
struct RowTaps
{
    std::vector<std::int64_t> index;
    std::vector<float> wx;
    std::vector<float> wy;
    std::vector<std::uint8_t> right; // 1 when the right neighbour exists
    std::vector<std::uint8_t> down;
};

template <class T>
void SampleRow(const Raster& in, Raster& out, int band, int y, const RowTaps& taps)
{
    const T* src = in.Band<T>(band);
    T* dst = out.Band<T>(band) + std::size_t(y) * out.width;
    const std::int64_t stride = in.width;
    for (int x = 0; x < out.width; ++x) {
        const std::int64_t i = taps.index[x];
        if (i < 0) {
            dst[x] = 0;
            continue;
        }
        const float wx = taps.wx[x], wy = taps.wy[x];
        const float a = src[i];
        const float b = taps.right[x] ? src[i + 1] : a;
        const float c = taps.down[x] ? src[i + stride] : a;
        const float d
            = taps.right[x] && taps.down[x] ? src[i + stride + 1] : (taps.down[x] ? c : b);
        const float top = a + (b - a) * wx;
        const float bottom = c + (d - c) * wx;
        dst[x] = T(top + (bottom - top) * wy + 0.5f);
    }
}

} // namespace

bool Undistort(Raster& raster, const kvfd::CameraInfo& camera, bool toCenter, QString& error)
{
    // The fisheye model has no polynomial scale but needs the same two numbers.
    double focal = 0.0;
    const bool usable = camera.dtype == 6
        ? camera.focal > 0.0 && camera.pixel_size_x > 0.0 && std::isfinite(camera.focal)
        : kvfd::GetModelFocal(camera, focal);
    if (!usable) {
        error = QCoreApplication::translate("ImageWork",
                                            "The camera has no focal length or pixel size.");
        return false;
    }
    const double scale = double(raster.width) / double(camera.width);
    if (camera.width <= 0 || camera.height <= 0
        || std::abs(double(camera.height) * scale - raster.height)
            > std::max(1.0, 0.005 * raster.height)) {
        error = QCoreApplication::translate("ImageWork",
                                            "The image's shape is not the camera's (%1 x %2).")
                    .arg(camera.width)
                    .arg(camera.height);
        return false;
    }

    const int w = raster.width, h = raster.height;
    const double shiftX = toCenter ? camera.x0 - camera.width / 2.0 : 0.0;
    const double shiftY = toCenter ? camera.y0 - camera.height / 2.0 : 0.0;
    const int g = kDistortionGrid;
    const int nx = (w - 1) / g + 2, ny = (h - 1) / g + 2;
    std::vector<double> gridX(std::size_t(nx) * ny), gridY(std::size_t(nx) * ny);
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const kvfd::ImagePoint ideal {double(i) * g / scale + shiftX,
                                          double(j) * g / scale + shiftY};
            const kvfd::ImagePoint offset = kvfd::GetDistortionValue(camera, ideal);
            gridX[std::size_t(j) * nx + i] = (ideal.x + offset.x) * scale;
            gridY[std::size_t(j) * nx + i] = (ideal.y + offset.y) * scale;
        }
    }

    Raster out;
    out.Allocate(w, h, raster.bands, raster.wide);
    out.colours = raster.colours;
    RowTaps taps;
    taps.index.resize(w);
    taps.wx.resize(w);
    taps.wy.resize(w);
    taps.right.resize(w);
    taps.down.resize(w);
    std::vector<double> rowX(nx), rowY(nx);
    for (int y = 0; y < h; ++y) {
        const int j = y / g;
        const double fy = double(y - j * g) / g;
        for (int i = 0; i < nx; ++i) {
            const std::size_t k = std::size_t(j) * nx + i;
            rowX[i] = gridX[k] + (gridX[k + nx] - gridX[k]) * fy;
            rowY[i] = gridY[k] + (gridY[k + nx] - gridY[k]) * fy;
        }
        for (int x = 0; x < w; ++x) {
            const int i = x / g;
            const double fx = double(x - i * g) / g;
            const double sx = rowX[i] + (rowX[i + 1] - rowX[i]) * fx;
            const double sy = rowY[i] + (rowY[i + 1] - rowY[i]) * fx;
            if (!(sx >= 0.0 && sy >= 0.0 && sx <= w - 1 && sy <= h - 1)) {
                taps.index[x] = -1;
                continue;
            }
            const int x0 = int(sx), y0 = int(sy);
            taps.index[x] = std::int64_t(y0) * w + x0;
            taps.wx[x] = float(sx - x0);
            taps.wy[x] = float(sy - y0);
            taps.right[x] = x0 + 1 < w;
            taps.down[x] = y0 + 1 < h;
        }
        for (int b = 0; b < raster.bands; ++b) {
            if (raster.wide)
                SampleRow<std::uint16_t>(raster, out, b, y, taps);
            else
                SampleRow<std::uint8_t>(raster, out, b, y, taps);
        }
    }
    raster = std::move(out);
    return true;
}

} // namespace kvhost
