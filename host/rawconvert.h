#pragma once

#include "host/imageworkraster.h"

#include <QString>
#include <QStringList>
#include <map>

// The raw side of the image engine: developing camera raw files with LibRaw
// and reading the positions of a POS file for their GPS tags.
namespace kvhost {

// The raw files of folder (by extension, letter case ignored), sorted by name.
QStringList ListRawFiles(const QString& folder);

// Develops path to 16-bit RGB (camera white balance, LibRaw's default
// interpolation). False with error when it is not a raw file LibRaw knows or
// is damaged.
bool DevelopRaw(const QString& path, Raster& raster, QString& error);

// Positions of a POS file by lower-case image name: rows "name longitude
// latitude height ..." (the library's POS reader splits them); rows whose
// second to fourth fields are not numbers, or whose position is no longitude
// and latitude, are skipped. False with error when the file cannot be read.
bool ReadPosPositions(const QString& path, std::map<QString, GpsPosition>& positions,
                      QString& error);

// The position of the raw file at path: its name, or its name without
// extension, letter case ignored; null when none matches.
const GpsPosition* FindPosition(const std::map<QString, GpsPosition>& positions,
                                const QString& path);

} // namespace kvhost
