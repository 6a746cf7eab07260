// The distortion models of the camera record (conventions in kvfd/distortion.h).
// The conversion between models (kvmath::CameraTransformer) and the offsets
// shown to the operator both go through the normalised coefficients here, so
// that a camera converted to another model describes the same lens.

#include "kvfd/distortion.h"

#include <cmath>

namespace kvfd {

namespace {

bool IsPositive(double v)
{
    return std::isfinite(v) && v > 0.0;
}

// Focal length in pixels; false when the record cannot give one.
bool PixelFocal(const CameraInfo& camera, double& focal)
{
    if (!IsPositive(camera.focal) || !IsPositive(camera.pixel_size_x))
        return false;
    focal = camera.focal / camera.pixel_size_x;
    return IsPositive(focal);
}

// Multiplies each coefficient by the power of the model focal length that its
// term carries (radial k_i: 2i, decentring: 1), or divides by it.
NormalisedDistortion Scale(const NormalisedDistortion& c, double focal, bool divide)
{
    const double f2 = focal * focal;
    double radial[6];
    double power = 1.0;
    for (double& r : radial) {
        power *= f2;
        r = power;
    }
    const auto apply
        = [divide](double v, double factor) { return divide ? v / factor : v * factor; };
    NormalisedDistortion out;
    out.k1 = apply(c.k1, radial[0]);
    out.k2 = apply(c.k2, radial[1]);
    out.k3 = apply(c.k3, radial[2]);
    out.k4 = apply(c.k4, radial[3]);
    out.k5 = apply(c.k5, radial[4]);
    out.k6 = apply(c.k6, radial[5]);
    out.p1 = apply(c.p1, focal);
    out.p2 = apply(c.p2, focal);
    out.alpha = c.alpha;
    out.beta = c.beta;
    return out;
}

ImagePoint FisheyeOffset(const CameraInfo& camera, const ImagePoint& point)
{
    double focal = 0.0;
    if (!PixelFocal(camera, focal))
        return {};
    const double x = (point.x - camera.x0) / focal;
    const double y = (point.y - camera.y0) / focal;
    const double radius = std::hypot(x, y);
    if (radius == 0.0)
        return {};
    const double t = std::atan(radius);
    const double t2 = t * t;
    const double distorted
        = t * (1.0 + t2 * (camera.k1 + t2 * (camera.k2 + t2 * (camera.k3 + t2 * camera.k4))));
    const double factor = distorted / radius - 1.0;
    return {x * factor * focal, y * factor * focal};
}

} // namespace

bool GetModelFocal(const CameraInfo& camera, double& focal)
{
    double pixels = 0.0;
    if (!PixelFocal(camera, pixels))
        return false;
    switch (camera.dtype) {
    case 0:
    case 1:
    case 2:
        focal = pixels;
        return true;
    case 3:
        focal = 1.0;
        return true;
    case 4:
        focal = camera.focal;
        return true;
    default:
        return false;
    }
}

bool GetNormalisedDistortion(const CameraInfo& camera, NormalisedDistortion& coefficients)
{
    double focal = 0.0;
    if (!GetModelFocal(camera, focal))
        return false;
    NormalisedDistortion c;
    c.k1 = camera.k1;
    c.k2 = camera.k2;
    c.k3 = camera.k3;
    c.k4 = camera.k4;
    c.k5 = camera.k5;
    c.k6 = camera.k6;
    c.p1 = camera.p1;
    c.p2 = camera.p2;
    c.alpha = camera.alpha;
    c.beta = camera.beta;
    coefficients = Scale(c, focal, false);
    return true;
}

bool SetNormalisedDistortion(const NormalisedDistortion& coefficients, CameraInfo& camera)
{
    double focal = 0.0;
    if (!GetModelFocal(camera, focal))
        return false;
    const NormalisedDistortion c = Scale(coefficients, focal, true);
    camera.k1 = c.k1;
    camera.k2 = c.k2;
    camera.k3 = c.k3;
    camera.k4 = c.k4;
    camera.k5 = c.k5;
    camera.k6 = c.k6;
    camera.p1 = c.p1;
    camera.p2 = c.p2;
    camera.alpha = c.alpha;
    camera.beta = c.beta;
    return true;
}

ImagePoint EvaluateDistortion(const NormalisedDistortion& c, const ImagePoint& point)
{
    const double x = point.x;
    const double y = point.y;
    const double r2 = x * x + y * y;
    const double radial
        = r2 * (c.k1 + r2 * (c.k2 + r2 * (c.k3 + r2 * (c.k4 + r2 * (c.k5 + r2 * c.k6)))));
    const double dx
        = x * radial + c.p1 * (r2 + 2.0 * x * x) + 2.0 * c.p2 * x * y + c.alpha * x + c.beta * y;
    const double dy = y * radial + c.p2 * (r2 + 2.0 * y * y) + 2.0 * c.p1 * x * y;
    return {dx, dy};
}

ImagePoint GetDistortionValue(const CameraInfo& camera, const ImagePoint& point)
{
    if (camera.dtype == 6)
        return FisheyeOffset(camera, point);

    NormalisedDistortion c;
    double focal = 0.0;
    if (!GetNormalisedDistortion(camera, c) || !PixelFocal(camera, focal))
        return {};
    const ImagePoint normalised {(point.x - camera.x0) / focal, (point.y - camera.y0) / focal};
    const ImagePoint offset = EvaluateDistortion(c, normalised);
    return {offset.x * focal, offset.y * focal};
}

} // namespace kvfd
