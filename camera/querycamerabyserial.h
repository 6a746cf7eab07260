#pragma once

#include "kvfd/camerainfo.h"
#include "kvui_export.h"

#include <QString>
#include <string>

// Asks the camera web service for the camera of the aircraft with this serial
// number, waiting at most 3 s on the calling thread (user input is held back
// meanwhile). On true, camera holds the service's image size, pixel size,
// focal length, principal point and coefficients under the name "ILCE-5100",
// with id 0 and dtype 1; fields the service does not send keep what the
// caller's record held. On false camera is untouched.
KVUI_EXPORT bool QueryCameraBySerial(kvfd::CameraInfo& camera, std::string serial);
// The same, telling on false why: the network's reason when the service could
// not be reached ("Connection refused", a time-out, a failing server), "数据不存在!"
// (in the operator's language) when it answered without a camera for this
// serial. why is left alone on true.
KVUI_EXPORT bool QueryCameraBySerial(kvfd::CameraInfo& camera, std::string serial, QString& why);
