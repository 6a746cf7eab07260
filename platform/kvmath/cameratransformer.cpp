#include "kvmath/cameratransformer.h"

namespace kvmath {

bool CameraTransformer::Transform(kvfd::CameraInfo, kvfd::CameraInfo&) { return false; }

} // namespace kvmath
