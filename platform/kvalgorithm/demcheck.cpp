#include "kvalgorithm/kvalgo.h"

#include <algorithm>
#include <cmath>
#include <cpl_error.h>
#include <gdal.h>
#include <limits>
#include <memory>
#include <mutex>
#include <ogr_srs_api.h>

namespace kvalgo {

namespace {

// Above this many cells the points' window is not held in memory at once;
// each point then reads its own 2 x 2 cells.
constexpr std::int64_t kMaxWindowCells = 32 * 1024 * 1024;

struct DatasetCloser
{
    void operator()(void* dataset) const { GDALClose(GDALDatasetH(dataset)); }
};
using Dataset = std::unique_ptr<void, DatasetCloser>;

struct SrsReleaser
{
    void operator()(void* srs) const { OSRRelease(OGRSpatialReferenceH(srs)); }
};
using Srs = std::unique_ptr<void, SrsReleaser>;

struct TransformDestroyer
{
    void operator()(void* t) const
    {
        OCTDestroyCoordinateTransformation(OGRCoordinateTransformationH(t));
    }
};
using Transform = std::unique_ptr<void, TransformDestroyer>;

// GDAL's own messages would go to stderr of the host; what went wrong is told
// through DemCheckInfo instead. The handler stack is per thread.
struct QuietErrors
{
    QuietErrors() { CPLPushErrorHandler(CPLQuietErrorHandler); }
    ~QuietErrors() { CPLPopErrorHandler(); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;
};

void RegisterDrivers()
{
    static std::once_flag once;
    std::call_once(once, [] { GDALAllRegister(); });
}

bool Fail(DemCheckInfo& info, DemCheckInfo::Outcome outcome, std::string message)
{
    info.outcome = outcome;
    info.message = std::move(message);
    return false;
}

Srs MakeSrs(const char* text)
{
    Srs srs(OSRNewSpatialReference(nullptr));
    if (OSRSetFromUserInput(OGRSpatialReferenceH(srs.get()), text) != OGRERR_NONE)
        return nullptr;
    // Easting before northing, longitude before latitude, whatever the
    // authority says: check files are written that way.
    OSRSetAxisMappingStrategy(OGRSpatialReferenceH(srs.get()), OAMS_TRADITIONAL_GIS_ORDER);
    return srs;
}

bool LooksGeographic(const std::vector<Point3_T<double>>& points)
{
    if (points.empty())
        return false;
    return std::all_of(points.begin(), points.end(), [](const Point3_T<double>& p) {
        return std::isfinite(p.x) && std::isfinite(p.y) && std::fabs(p.x) <= 180.0
            && std::fabs(p.y) <= 90.0;
    });
}

// Moves the points into the DEM's system where that is asked for or plainly
// needed. False when it is needed but cannot be done.
bool BringIntoDemSystem(GDALDatasetH dem, const std::vector<Point3_T<double>>& points,
                        const std::string& pointSystem, std::vector<double>& xs,
                        std::vector<double>& ys, DemCheckInfo& info)
{
    const std::size_t n = points.size();
    xs.resize(n);
    ys.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        xs[i] = points[i].x;
        ys[i] = points[i].y;
    }
    OGRSpatialReferenceH demSrs = GDALGetSpatialRef(dem);
    Srs target;
    if (demSrs) {
        target.reset(OSRClone(demSrs));
        OSRSetAxisMappingStrategy(OGRSpatialReferenceH(target.get()), OAMS_TRADITIONAL_GIS_ORDER);
    }

    Srs source;
    if (!pointSystem.empty()) {
        source = MakeSrs(pointSystem.c_str());
        if (!source) {
            return Fail(info, DemCheckInfo::NoTransform,
                        "The coordinate system of the points (" + pointSystem
                            + ") is not understood.");
        }
        if (!target) {
            info.message = "The DEM has no coordinate system; the points are taken to be in it.";
            return true;
        }
        if (OSRIsSame(OGRSpatialReferenceH(source.get()), OGRSpatialReferenceH(target.get())))
            return true;
    } else {
        // Longitude and latitude against a projected DEM they cannot lie on:
        // the usual mix-up of a GNSS check file and a mapping DEM.
        if (!target || !OSRIsProjected(OGRSpatialReferenceH(target.get()))
            || !LooksGeographic(points))
            return true;
        double gt[6];
        double inv[6];
        if (GDALGetGeoTransform(dem, gt) != CE_None || !GDALInvGeoTransform(gt, inv))
            return true;
        const int w = GDALGetRasterXSize(dem);
        const int h = GDALGetRasterYSize(dem);
        for (std::size_t i = 0; i < n; ++i) {
            const double px = inv[0] + inv[1] * xs[i] + inv[2] * ys[i];
            const double py = inv[3] + inv[4] * xs[i] + inv[5] * ys[i];
            if (px >= 0 && py >= 0 && px <= w && py <= h)
                return true;
        }
        source = MakeSrs("EPSG:4326");
    }

    Transform transform(OCTNewCoordinateTransformation(OGRSpatialReferenceH(source.get()),
                                                       OGRSpatialReferenceH(target.get())));
    if (!transform) {
        return Fail(info, DemCheckInfo::NoTransform,
                    "The points cannot be transformed into the coordinate system of the DEM.");
    }
    std::vector<int> ok(n, 0);
    if (n > 0
        && !OCTTransformEx(OGRCoordinateTransformationH(transform.get()), int(n), xs.data(),
                           ys.data(), nullptr, ok.data())) {
        // Some points failed; they are marked below, the others stand.
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (!ok[i]) {
            xs[i] = std::numeric_limits<double>::quiet_NaN();
            ys[i] = xs[i];
        }
    }
    info.transformed = true;
    info.message = pointSystem.empty()
        ? "The points look like WGS84 longitude and latitude and were transformed into the "
          "coordinate system of the DEM."
        : "The points were transformed into the coordinate system of the DEM.";
    return true;
}

// The cells of the band that the points use: a window held in memory, or
// single reads when the window would be too large.
class CellReader
{
public:
    CellReader(GDALRasterBandH band, int width, int height)
        : m_band(band)
        , m_width(width)
        , m_height(height)
    {
        int has = 0;
        const double nodata = GDALGetRasterNoDataValue(band, &has);
        m_hasNoData = has != 0;
        m_noData = nodata;
    }

    bool LoadWindow(int x0, int y0, int x1, int y1)
    {
        const std::int64_t cells = std::int64_t(x1 - x0 + 1) * (y1 - y0 + 1);
        if (cells > kMaxWindowCells)
            return true;
        m_window.resize(std::size_t(cells));
        m_x0 = x0;
        m_y0 = y0;
        m_w = x1 - x0 + 1;
        m_h = y1 - y0 + 1;
        if (GDALRasterIO(m_band, GF_Read, x0, y0, m_w, m_h, m_window.data(), m_w, m_h, GDT_Float64,
                         0, 0)
            != CE_None) {
            m_window.clear();
            return false;
        }
        m_inMemory = true;
        return true;
    }

    // The value of cell (col, row); false when it is no-data or unreadable.
    bool Cell(int col, int row, double& value) const
    {
        if (m_inMemory) {
            value = m_window[std::size_t(row - m_y0) * std::size_t(m_w) + std::size_t(col - m_x0)];
        } else if (GDALRasterIO(m_band, GF_Read, col, row, 1, 1, &value, 1, 1, GDT_Float64, 0, 0)
                   != CE_None) {
            return false;
        }
        if (std::isnan(value))
            return false;
        // Float grids hold the no-data value as a float, which need not equal
        // the double the driver reports (Surfer's 1.70141e38).
        return !(m_hasNoData
                 && (value == m_noData || float(value) == float(m_noData)
                     || std::fabs(value - m_noData) <= 1e-6 * std::fabs(m_noData)));
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    GDALRasterBandH m_band;
    int m_width;
    int m_height;
    bool m_hasNoData = false;
    double m_noData = 0;
    bool m_inMemory = false;
    std::vector<double> m_window;
    int m_x0 = 0, m_y0 = 0, m_w = 0, m_h = 0;
};

// Pixel position of a point, in cells from the raster's top-left corner.
struct PixelPos
{
    double px = -1;
    double py = -1;
    bool inside = false;
};

// Bilinear height at pixel position (px, py); false on no-data.
bool Interpolate(const CellReader& cells, double px, double py, double& height)
{
    // Cell centres sit at half-integer pixel positions.
    double u = px - 0.5;
    double v = py - 0.5;
    u = std::clamp(u, 0.0, double(cells.Width() - 1));
    v = std::clamp(v, 0.0, double(cells.Height() - 1));
    const int c0 = int(std::floor(u));
    const int r0 = int(std::floor(v));
    const int c1 = std::min(c0 + 1, cells.Width() - 1);
    const int r1 = std::min(r0 + 1, cells.Height() - 1);
    const double fu = u - c0;
    const double fv = v - r0;
    const int cols[2] = {c0, c1};
    const int rows[2] = {r0, r1};
    const double wu[2] = {1.0 - fu, fu};
    const double wv[2] = {1.0 - fv, fv};
    double sum = 0;
    for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 2; ++i) {
            const double weight = wu[i] * wv[j];
            // A corner the point does not lean on (it sits on the line of
            // the others) may be no-data without spoiling the height.
            if (weight == 0.0)
                continue;
            double value = 0;
            if (!cells.Cell(cols[i], rows[j], value))
                return false;
            sum += weight * value;
        }
    }
    height = sum;
    return true;
}

} // namespace

bool KvAlgo::DEMCheck(std::string demPath, const std::vector<Point3_T<double>>& points,
                      std::vector<double>& dz, const std::string& pointSystem, DemCheckInfo* info)
{
    DemCheckInfo local;
    DemCheckInfo& out = info ? *info : local;
    out = DemCheckInfo();
    dz.assign(points.size(), kNoDifference);

    RegisterDrivers();
    QuietErrors quiet;
    Dataset dataset(demPath.empty() ? nullptr
                                    : GDALOpenEx(demPath.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY,
                                                 nullptr, nullptr, nullptr));
    const auto dem = GDALDatasetH(dataset.get());
    if (!dem || GDALGetRasterCount(dem) < 1)
        return Fail(out, DemCheckInfo::NotARaster, "The DEM cannot be read as a raster.");
    double gt[6];
    double inv[6];
    if (GDALGetGeoTransform(dem, gt) != CE_None || !GDALInvGeoTransform(gt, inv))
        return Fail(out, DemCheckInfo::NotARaster, "The DEM has no usable georeferencing.");

    std::vector<double> xs;
    std::vector<double> ys;
    if (!BringIntoDemSystem(dem, points, pointSystem, xs, ys, out))
        return false;

    CellReader cells(GDALGetRasterBand(dem, 1), GDALGetRasterXSize(dem), GDALGetRasterYSize(dem));
    const int w = cells.Width();
    const int h = cells.Height();
    std::vector<PixelPos> pos(points.size());
    int x0 = w, y0 = h, x1 = -1, y1 = -1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        PixelPos& p = pos[i];
        if (!std::isfinite(xs[i]) || !std::isfinite(ys[i]) || !std::isfinite(points[i].z))
            continue;
        p.px = inv[0] + inv[1] * xs[i] + inv[2] * ys[i];
        p.py = inv[3] + inv[4] * xs[i] + inv[5] * ys[i];
        p.inside = p.px >= 0 && p.py >= 0 && p.px <= w && p.py <= h;
        if (!p.inside)
            continue;
        const int c = std::clamp(int(std::floor(p.px - 0.5)), 0, w - 1);
        const int r = std::clamp(int(std::floor(p.py - 0.5)), 0, h - 1);
        x0 = std::min(x0, c);
        y0 = std::min(y0, r);
        x1 = std::max(x1, std::min(c + 1, w - 1));
        y1 = std::max(y1, std::min(r + 1, h - 1));
    }
    if (x1 < 0)
        return true;
    if (!cells.LoadWindow(x0, y0, x1, y1))
        return Fail(out, DemCheckInfo::NotARaster, "The cells of the DEM cannot be read.");

    for (std::size_t i = 0; i < points.size(); ++i) {
        double height = 0;
        if (pos[i].inside && Interpolate(cells, pos[i].px, pos[i].py, height)) {
            dz[i] = height - points[i].z;
            ++out.sampled;
        }
    }
    return true;
}

} // namespace kvalgo
