#pragma once

#include "kvfd/camerainfo.h"

#include <QString>

namespace kvhost {

struct Raster;

// Removes the lens distortion of camera from raster in place: each output
// pixel p takes the value at p + offset(p) (kvfd::GetDistortionValue),
// sampled bilinearly, black where that falls outside the image. Pixel index i
// is the camera coordinate i. The offsets are evaluated on a grid of
// kDistortionGrid pixels and interpolated between its nodes. A raster whose
// size is the camera's times a common factor is corrected at that scale. With
// toCenter the principal point (x0, y0) is moved to the image centre
// (width / 2, height / 2). False with error when the camera has no focal
// length or pixel size, or the raster's aspect is not the camera's.
bool Undistort(Raster& raster, const kvfd::CameraInfo& camera, bool toCenter, QString& error);

} // namespace kvhost
