#pragma once

#include "imagery/posdata.h"
#include "kvfd/imageinfoset.h"
#include "kvui_export.h"

#include <vector>

// Positions that the photos of a camera carry in their own GPS tags.
namespace kvui {

// Reads the GPS tags of every image of camera, several files at a time. An
// image whose tags give longitude, latitude and altitude, each with an absolute
// value above 1e-6, gets the EOP (longitude, latitude, altitude, 0, 0, 0) and
// is enabled; every other image is left as it was, so unreadable, truncated or
// tag-less files are simply skipped. Returns one record (image name, that EOP)
// per positioned image, in image-set order whatever order the reads finish in.
KVUI_EXPORT std::vector<PosData> ReadExifPositions(kvfd::ImageInfoSet& images, int camera);

} // namespace kvui
