#pragma once

#include "kvfd/camerainfo.h"
#include "kvmath/kvmath_export.h"

namespace kvmath {

// Converts a camera between distortion models. The caller sets target to a
// default record with dtype set to the wanted model (3 Brown, 4 Inpho, 1 AUS);
// on success target holds the camera under that model: name, image size, focal
// length, pixel size, principal point and coefficients; on failure target is
// left as it was. The conventions of each model and the conversion are
// documented in cameratransformer.cpp's header comment (and kvfd/distortion.h).
class KVMATH_EXPORT CameraTransformer
{
public:
    static bool Transform(kvfd::CameraInfo source, kvfd::CameraInfo& target);
};

} // namespace kvmath
