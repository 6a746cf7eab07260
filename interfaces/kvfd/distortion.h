#pragma once

#include "kvfd/camerainfo.h"
#include "kvfd/kvfd_export.h"

namespace kvfd {

// An image point in pixels (column x, row y) or an offset in pixels.
struct ImagePoint
{
    double x = 0.0;
    double y = 0.0;
};

// The distortion offset, in pixels, that the camera's lens adds at an image
// point under the camera's distortion model (dtype): distorted = ideal + offset.
// A record without a usable focal length or pixel size gives (0, 0).
KVFD_EXPORT ImagePoint GetDistortionValue(const CameraInfo& camera, const ImagePoint& point);

} // namespace kvfd
