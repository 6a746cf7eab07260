#include "dem.h"

#include <algorithm>
#include <cmath>
#include <cpl_error.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>

namespace kvcloud {

Dem::Dem() = default;

Dem::~Dem()
{
    m_toRaster.reset();
    if (m_dataset)
        GDALClose(m_dataset);
}

bool Dem::Open(const std::string& path, std::string& error)
{
    GDALAllRegister();
    CPLPushErrorHandler(CPLQuietErrorHandler);
    m_dataset = GDALDataset::Open(path.c_str(),
                                  GDAL_OF_RASTER | GDAL_OF_READONLY | GDAL_OF_VERBOSE_ERROR);
    CPLPopErrorHandler();
    if (!m_dataset) {
        error = "cannot open the DEM " + path + ": " + CPLGetLastErrorMsg();
        return false;
    }
    double transform[6] = {};
    const OGRSpatialReference* system = m_dataset->GetSpatialRef();
    if (m_dataset->GetRasterCount() < 1 || m_dataset->GetGeoTransform(transform) != CE_None
        || !GDALInvGeoTransform(transform, m_inverse)) {
        error = "the DEM " + path + " has no band or no georeferencing";
    } else if (!system || system->IsEmpty()) {
        error = "the DEM " + path + " has no coordinate system";
    } else {
        OGRSpatialReference wgs84;
        wgs84.importFromEPSG(4326);
        // Longitude first, latitude second, whatever the EPSG axis order says.
        wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        OGRSpatialReference target(*system);
        target.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        m_toRaster.reset(OGRCreateCoordinateTransformation(&wgs84, &target));
        if (!m_toRaster)
            error = "no transformation from WGS84 to the DEM's coordinate system";
    }
    if (!m_toRaster) {
        GDALClose(m_dataset);
        m_dataset = nullptr;
        return false;
    }
    m_width = m_dataset->GetRasterXSize();
    m_height = m_dataset->GetRasterYSize();
    int hasNoData = 0;
    m_noData = m_dataset->GetRasterBand(1)->GetNoDataValue(&hasNoData);
    m_hasNoData = hasNoData != 0;
    return true;
}

bool Dem::Sample(double latitude, double longitude, double& height) const
{
    if (!m_dataset)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    double x = longitude, y = latitude;
    // Failures (a point the projection cannot take) are answers, not news.
    CPLPushErrorHandler(CPLQuietErrorHandler);
    const bool transformed = m_toRaster->Transform(1, &x, &y) != 0;
    CPLPopErrorHandler();
    if (!transformed || !std::isfinite(x) || !std::isfinite(y))
        return false;
    const double column = m_inverse[0] + x * m_inverse[1] + y * m_inverse[2];
    const double row = m_inverse[3] + x * m_inverse[4] + y * m_inverse[5];
    if (!(column >= 0.0 && column < m_width && row >= 0.0 && row < m_height))
        return false;

    // The four cell centres around the point, clamped at the raster's edges.
    const double cx = column - 0.5, cy = row - 0.5;
    const int left = std::max(0, std::min(m_width - 2, int(std::floor(cx))));
    const int top = std::max(0, std::min(m_height - 2, int(std::floor(cy))));
    const int columns = std::min(2, m_width), rows = std::min(2, m_height);
    double cells[4] = {};
    GDALRasterBand* band = m_dataset->GetRasterBand(1);
    CPLPushErrorHandler(CPLQuietErrorHandler);
    const CPLErr read = band->RasterIO(GF_Read, left, top, columns, rows, cells, columns, rows,
                                       GDT_Float64, 0, 0, nullptr);
    CPLPopErrorHandler();
    if (read != CE_None)
        return false;
    const auto valid
        = [this](double v) { return std::isfinite(v) && !(m_hasNoData && v == m_noData); };
    const double fx = std::max(0.0, std::min(1.0, cx - left));
    const double fy = std::max(0.0, std::min(1.0, cy - top));
    const auto at = [&](int i, int j) {
        return cells[std::min(j, rows - 1) * columns + std::min(i, columns - 1)];
    };
    const double c00 = at(0, 0), c10 = at(1, 0), c01 = at(0, 1), c11 = at(1, 1);
    if (valid(c00) && valid(c10) && valid(c01) && valid(c11)) {
        height = (c00 * (1 - fx) + c10 * fx) * (1 - fy) + (c01 * (1 - fx) + c11 * fx) * fy;
        return true;
    }
    const double nearest = at(fx < 0.5 ? 0 : 1, fy < 0.5 ? 0 : 1);
    if (!valid(nearest))
        return false;
    height = nearest;
    return true;
}

} // namespace kvcloud
