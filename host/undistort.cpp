#include "host/undistort.h"

#include "host/imagework.h"
#include "host/imageworkraster.h"
#include "kvfd/distortion.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kvhost {

namespace {

// Fills bands first .. first + N - 1 of out from in through the offset grid.
// Within one grid cell of a row the source position is linear in x: one base
// and one step per cell. Positions within the last row or column read their
// neighbour with weight 0, which keeps the inner loop free of edge tests. The
// band pointers are local arrays with a fixed count, so that the compiler
// knows the byte stores cannot change them and unrolls the band loop.
template <class T, int N>
void RemapBands(const Raster& in, Raster& out, int first, const std::vector<double>& gridX,
                const std::vector<double>& gridY, int nx, int g)
{
    const int w = in.width, h = in.height;
    const T* src[N];
    T* dst[N];
    for (int b = 0; b < N; ++b) {
        src[b] = in.Band<T>(first + b);
        dst[b] = out.Band<T>(first + b);
    }
    const float maxX = float(w - 1), maxY = float(h - 1);
    std::vector<double> rowX(nx), rowY(nx);
    for (int y = 0; y < h; ++y) {
        const int j = y / g;
        const double fy = double(y - j * g) / g;
        for (int i = 0; i < nx; ++i) {
            const std::size_t k = std::size_t(j) * nx + i;
            rowX[i] = gridX[k] + (gridX[k + nx] - gridX[k]) * fy;
            rowY[i] = gridY[k] + (gridY[k + nx] - gridY[k]) * fy;
        }
        const std::size_t rowStart = std::size_t(y) * w;
        for (int i = 0; i * g < w; ++i) {
            const float stepX = float((rowX[i + 1] - rowX[i]) / g);
            const float stepY = float((rowY[i + 1] - rowY[i]) / g);
            const float baseX = float(rowX[i]), baseY = float(rowY[i]);
            const int end = std::min(w, (i + 1) * g);
            for (int x = i * g, k = 0; x < end; ++x, ++k) {
                const float sx = baseX + stepX * float(k), sy = baseY + stepY * float(k);
                const std::size_t at = rowStart + x;
                if (!(sx >= 0.0f && sy >= 0.0f && sx <= maxX && sy <= maxY)) {
                    for (int b = 0; b < N; ++b)
                        dst[b][at] = 0;
                    continue;
                }
                const int x0 = std::min(int(sx), w - 2), y0 = std::min(int(sy), h - 2);
                const float wx = sx - float(x0), wy = sy - float(y0);
                const std::size_t tap = std::size_t(y0) * w + x0;
                for (int b = 0; b < N; ++b) {
                    const T* p = src[b] + tap;
                    const float top = float(p[0]) + (float(p[1]) - float(p[0])) * wx;
                    const float bottom = float(p[w]) + (float(p[w + 1]) - float(p[w])) * wx;
                    dst[b][at] = T(top + (bottom - top) * wy + 0.5f);
                }
            }
        }
    }
}

template <class T>
void Remap(const Raster& in, Raster& out, const std::vector<double>& gridX,
           const std::vector<double>& gridY, int nx, int g)
{
    for (int first = 0; first < in.bands; first += 4) {
        switch (std::min(4, in.bands - first)) {
        case 1:
            RemapBands<T, 1>(in, out, first, gridX, gridY, nx, g);
            break;
        case 2:
            RemapBands<T, 2>(in, out, first, gridX, gridY, nx, g);
            break;
        case 3:
            RemapBands<T, 3>(in, out, first, gridX, gridY, nx, g);
            break;
        default:
            RemapBands<T, 4>(in, out, first, gridX, gridY, nx, g);
            break;
        }
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
    if (w < 2 || h < 2)
        return true; // nothing to interpolate between
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
    if (raster.wide)
        Remap<std::uint16_t>(raster, out, gridX, gridY, nx, g);
    else
        Remap<std::uint8_t>(raster, out, gridX, gridY, nx, g);
    raster = std::move(out);
    return true;
}

} // namespace kvhost
