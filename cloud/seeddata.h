#pragma once

#include <QJsonArray>
#include <QJsonObject>

namespace kvcloud {

// The data served when the data folder holds no file of its own, in the
// formats of cameras.json, calibrations.json and serials.json (see
// cloud/data/README.md).
QJsonArray SeedCameras();
QJsonArray SeedCalibrations();
QJsonObject SeedSerials();

} // namespace kvcloud
