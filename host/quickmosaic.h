#pragma once

#include "host/exportresult.h"

#include <QString>
#include <array>

namespace kvhost {

// A quick mosaic: a thumbnail of every enabled image drawn into its ground
// footprint (on the plane of the project's mean elevation), later images over
// earlier ones, saved as an RGBA GeoTIFF in the project's coordinate system.
// A preview for the field, not an orthophoto: no terrain, no blending.
struct QuickMosaicJob
{
    QString path;            // the GeoTIFF to write
    double resolution = 0.0; // metres per mosaic pixel; 0: the longer side gets maxSize pixels
    int maxSize = 4096;      // pixels on the mosaic's longer side, at most
    int thumbnail = 512;     // pixels on an image's longer side when drawn
};

struct QuickMosaicResult : ExportResult
{
    int drawn = 0;   // images drawn
    int skipped = 0; // images without footprint or unreadable
    // GDAL's geotransform: x = gt[0] + column gt[1], y = gt[3] + row gt[5].
    std::array<double, 6> geoTransform {};
};

class QuickMosaic
{
public:
    static QuickMosaicResult Write(const kvprj::KvProject& project, const QuickMosaicJob& job);
};

} // namespace kvhost
