#pragma once

#include "kvfd/camerainfo.h"
#include "kvfd/kvfd_export.h"

namespace kvfd {

// An image point in pixels (column x, row y) or an offset in pixels.
struct ImagePoint
{
    double x = 0.0;
    double y = 0.0;
};

// The distortion offset, in pixels, that the camera's lens adds at an image
// point under the camera's distortion model (dtype): distorted = ideal + offset.
// A record without a usable focal length or pixel size gives (0, 0).
//
// Every frame model (dtype 0, 1, 2, 3, 4) is one polynomial on coordinates
// relative to the principal point; the models differ only in the unit of those
// coordinates, and so in the scale of their coefficients:
//
//   dx = x (k1 r^2 + k2 r^4 + k3 r^6 + k4 r^8 + k5 r^10 + k6 r^12)
//        + p1 (r^2 + 2 x^2) + 2 p2 x y + alpha x + beta y
//   dy = y (k1 r^2 + ... + k6 r^12) + p2 (r^2 + 2 y^2) + 2 p1 x y
//   r^2 = x^2 + y^2
//
//   dtype 0, 1, 2 (AUS)   x = col - x0, y = row - y0 in pixels
//   dtype 3 (Brown)       the same divided by the focal length in pixels
//   dtype 4 (Inpho)       the same times pixel_size_x, in millimetres
//
// Pixels count as square with side pixel_size_x (pixel_size_y does not enter),
// as in the binary camera file and the Inpho file, which hold one pixel size.
//
// dtype 6 (fisheye) is an equidistant projection: with rn the normalised
// radius of the ideal point and t = atan(rn), the distorted normalised radius
// is t (1 + k1 t^2 + k2 t^4 + k3 t^6 + k4 t^8); the offset is the difference
// of the two points. Any other dtype gives (0, 0).
KVFD_EXPORT ImagePoint GetDistortionValue(const CameraInfo& camera, const ImagePoint& point);

// The coefficients of a frame model on normalised coordinates (the Brown
// scale above). alpha and beta are ratios and keep their value in every model.
struct NormalisedDistortion
{
    double k1 = 0.0;
    double k2 = 0.0;
    double k3 = 0.0;
    double k4 = 0.0;
    double k5 = 0.0;
    double k6 = 0.0;
    double p1 = 0.0;
    double p2 = 0.0;
    double alpha = 0.0;
    double beta = 0.0;
};

// The focal length in the coordinate unit of the camera's model: pixels for
// dtype 0, 1, 2, 1 for dtype 3, millimetres for dtype 4. False for another
// dtype, or when focal or pixel_size_x is not a positive finite number.
KVFD_EXPORT bool GetModelFocal(const CameraInfo& camera, double& focal);

// The camera's coefficients brought to the normalised scale; false when
// GetModelFocal fails.
KVFD_EXPORT bool GetNormalisedDistortion(const CameraInfo& camera,
                                         NormalisedDistortion& coefficients);

// Writes the coefficients into camera at the scale of camera.dtype, using its
// focal and pixel_size_x; false, with camera unchanged, when GetModelFocal fails.
KVFD_EXPORT bool SetNormalisedDistortion(const NormalisedDistortion& coefficients,
                                         CameraInfo& camera);

// The polynomial above at a normalised point, as a normalised offset.
KVFD_EXPORT ImagePoint EvaluateDistortion(const NormalisedDistortion& coefficients,
                                          const ImagePoint& point);

} // namespace kvfd
