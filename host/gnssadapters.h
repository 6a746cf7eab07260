#pragma once

#include "host/colmapcalibration.h"
#include "host/exifwriter.h"
#include "host/gnssrun.h"
#include "host/imagework.h"
#include "host/posexport.h"
#include "kvgps/gpsparam.h"

#include <string>
#include <utility>
#include <vector>

namespace kvkernel {
class AISContext;
}

// The records of the library's GNSS, export, EXIF, calibration and image
// correction dialogs turned into the host's jobs. Paths come in as local-code-
// page strings and leave as QString; nothing else is interpreted here, so a
// dialog's choice means in the job what it meant in the dialog.
namespace kvhost {

GnssJob ToGnssJob(const kvgps::GPSParam& param);

// The project's images (valid slots, in project order) with their flags, and
// its coordinate system from the catalogue (the local system when unknown).
PosExportJob ToPosExportJob(const kvkernel::AISContext& project, int images, int angle, int name,
                            int coord, char separator, const std::string& path);

ExifJob ToExifJob(const std::vector<std::pair<std::string, std::string>>& folders,
                  const std::string& posPath, int match);

// The full paths of the project's images that take part: every valid image,
// or with selectedOnly those whose selected flag is set.
ColmapJob ToColmapJob(const kvkernel::AISContext& project, bool selectedOnly,
                      const kvfd::CameraInfo& initial, const QString& workDir);

// One distortion step over the photos found directly in input (JPEG, TIFF,
// PNG, BMP; sorted by name) into output.
ImageJob ToImageCorrectionJob(const std::string& input, const std::string& output,
                              const kvfd::CameraInfo& camera, bool center, bool tif);

} // namespace kvhost
