#pragma once

#include "kvalgorithm/kvalgorithm_export.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kvalgo {

// A point in space: plane coordinates x, y and height z.
template <typename T> struct Point3_T
{
    T x = T();
    T y = T();
    T z = T();

    Point3_T() = default;
    Point3_T(T x_, T y_, T z_)
        : x(x_)
        , y(y_)
        , z(z_)
    { }
};

// What DEMCheck did besides filling the differences.
struct DemCheckInfo
{
    enum Outcome {
        Checked,     // the DEM was read; points outside it or on no-data are -9999
        NotARaster,  // nothing GDAL reads as a georeferenced raster; all -9999
        NoTransform, // the points' system cannot be turned into the DEM's; all -9999
    };
    Outcome outcome = Checked;
    // The points were moved into the DEM's coordinate system before sampling.
    bool transformed = false;
    // Points that got a difference.
    std::size_t sampled = 0;
    // One sentence for the operator when something is worth telling: the
    // transform made, or why nothing could be sampled. Empty otherwise.
    std::string message;
};

class KVALGORITHM_EXPORT KvAlgo
{
public:
    // The difference of a point that could not be checked.
    static constexpr double kNoDifference = -9999.0;

    // Height differences of check points against a DEM: dz[i] = DEM height at
    // (points[i].x, points[i].y) minus points[i].z, one per point in point
    // order (dz is resized to the number of points).
    //
    // The DEM is the first band of any raster GDAL opens (GeoTIFF, the three
    // kinds of Surfer grid, ...); demPath is in the local code page. The
    // height is interpolated bilinearly between the centres of the four cells
    // around the point; between the outermost centres and the raster's edge
    // the nearest row or column stands in. A point outside the raster, or one
    // whose interpolation would use a no-data cell (the band's no-data value
    // or NaN), gets kNoDifference; so does a point with a coordinate that is
    // not finite or that the transform below cannot move.
    //
    // Coordinate systems: pointSystem names the points' horizontal system in
    // anything GDAL's OGRSpatialReference::SetFromUserInput takes ("EPSG:4326",
    // a PROJ string, WKT). When it is given and the DEM has a system of its
    // own, the points are transformed into the DEM's system (plane
    // coordinates only, in longitude-latitude / easting-northing order; z is
    // taken to be in the DEM's height system). When pointSystem is empty the
    // points are taken to be in the DEM's system, except that points which
    // all look like longitude and latitude while none of them falls on a
    // projected DEM are taken as WGS84 and transformed. info (when given)
    // says which of this happened.
    //
    // False when the DEM cannot be read or the points cannot be brought into
    // its system (every dz is then kNoDifference and info tells why); true
    // once the DEM was sampled, even if every point lies outside it.
    static bool DEMCheck(std::string demPath, const std::vector<Point3_T<double>>& points,
                         std::vector<double>& dz, const std::string& pointSystem = std::string(),
                         DemCheckInfo* info = nullptr);
};

} // namespace kvalgo
