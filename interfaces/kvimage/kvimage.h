#pragma once

#include "kvfd/camerainfo.h"
#include "kvimage/kvimage_export.h"

#include <string>

// Reading the camera and the GPS position that a photo's EXIF and XMP tags record.
// Both functions take a UTF-8 path, never throw, and leave their output untouched
// when they answer false. They may be called from several threads at once.
namespace kvimage {

// Fills camera from the photo's tags: image size, focal length and sensor size, with
// the pixel sizes (sensor size / image size) and the principal point at the image
// centre (x0 = width / 2, y0 = height / 2, in pixels). name is the model, fullname
// the make and the model; id is left at its value, dtype is 1 and the distortion
// coefficients are 0.
//
// Image size: Exif.Photo.PixelXDimension/PixelYDimension, else the size of the
// image data. Focal length: Exif.Photo.FocalLength (Exif.Image.FocalLength as a
// fallback). Sensor size: from the focal-plane resolution tags when they give a
// plausible sensor (2 to 100 mm wide: photos scaled down after capture keep the
// resolution of the full frame), else from a built-in table of sensor widths by make
// and model, with the height taken from the aspect ratio of the image.
//
// False, with camera unchanged, when the file cannot be read or when the image size,
// the focal length or the sensor size cannot be found.
KVIMAGE_EXPORT bool GetCameraFormImage(const std::string& path, kvfd::CameraInfo& camera);

// Reads the photo's GPS position: lla[0] longitude and lla[1] latitude in degrees
// (negative west and south), lla[2] altitude in metres (negative below sea level).
// Without Exif.GPSInfo.GPSAltitude the altitude is the drone's absolute altitude
// from XMP (Xmp.drone-dji.AbsoluteAltitude) when present, else 0.
//
// True only when latitude and longitude are present and valid (rationals with
// non-zero denominators, |latitude| <= 90, |longitude| <= 180); lla is written
// only then.
KVIMAGE_EXPORT bool GetGPSFromImage(const std::string& path, double* lla);

// The JPEG thumbnail that the photo's Exif data embeds (IFD1), as the bytes of
// a JPEG file. Cameras make it small (drones often 160 x 120) and may fit a
// picture of another shape into it with bars; what is a fair preview is the
// caller's decision. False, with jpeg unchanged, when the file cannot be read
// or holds no JPEG thumbnail.
KVIMAGE_EXPORT bool GetExifThumbnail(const std::string& path, std::string& jpeg);

} // namespace kvimage
