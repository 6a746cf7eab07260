#pragma once

#include "imagery/posdata.h"
#include "kvfd/coordinateinfo.h"
#include "kvfd/imageinfoset.h"
#include "kvui_export.h"

#include <string>
#include <vector>

// Giving the records of a POS file to the images of one camera, and choosing
// the coordinate system that the records' positions are in.
namespace kvui {

// Record k takes the name of the k-th image (in image-set order) whose camera
// is camera; records beyond the number of such images keep their names.
KVUI_EXPORT void RenameRecordsInOrder(std::vector<PosData>& records,
                                      const kvfd::ImageInfoSet& images, int camera);

// Gives each record to the first image of camera (in image-set order) whose
// name equals the record's name, letter case ignored byte by byte (ASCII
// only); with PosMatchWithoutExt an image whose name without extension equals
// the record's name without extension matches as well. PosMatchOrder first
// renames the records in order (doing that beforehand as well is harmless) and
// then matches by name. A matched image takes the record's EOP and is enabled;
// records are applied in order, so when several match one image the last one
// stays. records is replaced by the records that matched, in order. Returns
// how many images took a record.
KVUI_EXPORT int MatchPosRecords(std::vector<PosData>& records, PosMatchType type,
                                kvfd::ImageInfoSet& images, int camera);

// "UTM zone 50N": the zone of the mean longitude (integer part of
// longitude / 6 + 31, kept within 1 to 60), 'N' for a mean latitude of 0 or
// more and 'S' below.
KVUI_EXPORT std::string UtmZoneName(double meanLongitude, double meanLatitude);

// The local coordinate system: type local, id -1, named "本地坐标系".
KVUI_EXPORT kvfd::CoordinateInfo LocalCoordinate();

// The coordinate system of the records: with latLong (X longitude, Y latitude
// in degrees) and at least one record, the configuration's WGS84 UTM system of
// the records' mean position; otherwise, or when the catalogue lacks that zone
// or the mean is not a finite number, the local system.
KVUI_EXPORT kvfd::CoordinateInfo ChooseCoordinate(const std::vector<PosData>& records,
                                                  bool latLong);

} // namespace kvui
