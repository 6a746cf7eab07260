#pragma once

#include "kvfd/camerainfo.h"
#include "kvui_export.h"

#include <QString>

// A camera downloaded from the web service is meant for images of one size.
// Before it takes the place of a project's camera, whose image size is that of
// the project's images, the operator is asked when the two sizes differ, so a
// camera that fits the images is never replaced unseen by one that does not.
namespace kvui {

// Whether the downloaded camera's image size (width × height in pixels)
// differs from the project camera's. A project camera without a size (-1, 0)
// tells nothing about the images and differs from nothing.
KVUI_EXPORT bool ImageSizeDiffers(const kvfd::CameraInfo& downloaded,
                                  const kvfd::CameraInfo& inProject);
// The question that names both sizes.
KVUI_EXPORT QString ImageSizeQuestion(const kvfd::CameraInfo& downloaded,
                                      const kvfd::CameraInfo& inProject);
// True when the downloaded camera may replace the project's: the sizes agree,
// or they differ and the operator answered Yes to ImageSizeQuestion (a
// KvMessageBox with Yes and No). No or closing the box gives false.
KVUI_EXPORT bool ConfirmImageSize(const kvfd::CameraInfo& downloaded,
                                  const kvfd::CameraInfo& inProject);

} // namespace kvui
