// Conversion of a camera record between distortion models.
//
// Every frame model describes the same polynomial on coordinates relative to the
// principal point (x0, y0 in pixels); only the coordinate unit differs:
//
//   dx = x (k1 r^2 + k2 r^4 + k3 r^6 + k4 r^8 + k5 r^10 + k6 r^12)
//        + p1 (r^2 + 2 x^2) + 2 p2 x y + alpha x + beta y
//   dy = y (k1 r^2 + ... + k6 r^12) + p2 (r^2 + 2 y^2) + 2 p1 x y
//
//   dtype 1 AUS (and 0 none, 2 partial): x, y in pixels.
//   dtype 3 Brown: x, y in pixels divided by f = focal / pixel_size_x, the focal
//       length in pixels (the coordinates of the optical properties file).
//   dtype 4 Inpho: x, y in millimetres, pixels times pixel_size_x, axes along the
//       pixel columns and rows (the coordinates of the Inpho camera file).
//
// With F the focal length in a model's unit (f pixels, 1, focal mm), a term of
// degree n in the coordinates scales with F^(n-1): k_i with F^(2i), p1 and p2 with
// F, alpha and beta (ratios) not at all. So k1_brown = k1_aus f^2,
// k2_brown = k2_aus f^4, p1_brown = p1_aus f, k1_inpho = k1_aus / pixel_size_x^2,
// p1_inpho = p1_aus / pixel_size_x. Pixels are taken as square with side
// pixel_size_x, the one pixel size of the binary and Inpho files.
//
// Nothing is lost in the record: alpha, beta and k4..k6 are carried into every
// model, even where a file format has no place for them (the optical properties
// file writes none of them, the Inpho file only alpha).
//
// The target is the source record with the wanted dtype and rescaled
// coefficients (copied unchanged between models of the same unit, such as AUS
// and partial); name, ids, image and sensor size, focal length, pixel sizes,
// principal point and mounting angle are copied. Refused (false, target
// unchanged): a source without positive width, height, focal length and
// pixel_size_x; a source or wanted dtype outside 0..4, except fisheye (6) to
// fisheye, which is a copy; dtype 0 wanted for a camera with a non-zero
// coefficient, since 0 means a lens without distortion.

#include "kvmath/cameratransformer.h"

#include "kvfd/distortion.h"

#include <cmath>

namespace kvmath {

namespace {

bool IsPositive(double v)
{
    return std::isfinite(v) && v > 0.0;
}

bool HasCoefficients(const kvfd::CameraInfo& c)
{
    return c.k1 != 0.0 || c.k2 != 0.0 || c.k3 != 0.0 || c.k4 != 0.0 || c.k5 != 0.0 || c.k6 != 0.0
        || c.p1 != 0.0 || c.p2 != 0.0 || c.alpha != 0.0 || c.beta != 0.0;
}

} // namespace

bool CameraTransformer::Transform(kvfd::CameraInfo source, kvfd::CameraInfo& target)
{
    if (source.width <= 0 || source.height <= 0 || !IsPositive(source.focal)
        || !IsPositive(source.pixel_size_x))
        return false;

    constexpr int kFisheye = 6;
    const int wanted = target.dtype;
    if (source.dtype == kFisheye || wanted == kFisheye) {
        // A fisheye lens follows another projection; no polynomial stands for it.
        if (source.dtype != wanted)
            return false;
        target = source;
        return true;
    }

    kvfd::CameraInfo result = source;
    result.dtype = wanted;
    double sourceFocal = 0.0;
    double targetFocal = 0.0;
    if (!kvfd::GetModelFocal(source, sourceFocal) || !kvfd::GetModelFocal(result, targetFocal))
        return false;
    // Models of the same unit share their coefficients; copying them keeps a
    // conversion between them exact instead of off by a rounding.
    if (sourceFocal != targetFocal) {
        kvfd::NormalisedDistortion coefficients;
        if (!kvfd::GetNormalisedDistortion(source, coefficients)
            || !kvfd::SetNormalisedDistortion(coefficients, result))
            return false;
    }
    if (wanted == 0 && HasCoefficients(result))
        return false;
    target = result;
    return true;
}

} // namespace kvmath
