#pragma once

#include "kvfd/camerainfo.h"
#include "kvui_export.h"

#include <QByteArray>
#include <QString>

// The camera files the library reads and writes itself. The format follows the
// file name's suffix, in any letter case: "xml" camera XML file, "cam" binary
// camera file, "prj" Inpho camera file (written only), "opt" optical
// properties file (written only). Any other suffix touches no file and gives
// false. A failed read leaves the caller's record untouched; a failed write
// leaves an earlier file of that name as it was and nothing beside it.
KVUI_EXPORT bool ExportCameraFile(const kvfd::CameraInfo& camera, const QString& path);
KVUI_EXPORT bool ImportCameraFile(kvfd::CameraInfo& camera, const QString& path);

namespace kvui {

// Size of a binary camera block: the content of a .cam file and of a
// calibration file delivered by the web service.
constexpr int kCameraBlockSize = 128;

// The masked 128-byte block of a camera (image size, focal length and pixel
// size, principal point and the ten coefficients, with its check word).
KVUI_EXPORT QByteArray EncodeCameraBlock(const kvfd::CameraInfo& camera);
// Unmasks and checks a block. On success sets width, height, ccd_width/height,
// pixel sizes, focal (mm), x0, y0, the ten coefficients and dtype 1, keeping id,
// name, fullname and mount_angle; returns false and changes nothing when the
// block is not exactly 128 bytes, its check word does not match or its marker
// is not 0xD7.
KVUI_EXPORT bool DecodeCameraBlock(const QByteArray& block, kvfd::CameraInfo& camera);

} // namespace kvui
