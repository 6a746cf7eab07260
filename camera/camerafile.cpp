#include "camera/camerafile.h"

bool ExportCameraFile(const kvfd::CameraInfo&, const QString&) { return false; }
bool ImportCameraFile(kvfd::CameraInfo&, const QString&) { return false; }

namespace kvui {

QByteArray EncodeCameraBlock(const kvfd::CameraInfo&) { return {}; }
bool DecodeCameraBlock(const QByteArray&, kvfd::CameraInfo&) { return false; }

} // namespace kvui
