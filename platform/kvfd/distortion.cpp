#include "kvfd/distortion.h"

namespace kvfd {

ImagePoint GetDistortionValue(const CameraInfo&, const ImagePoint&) { return {}; }

} // namespace kvfd
