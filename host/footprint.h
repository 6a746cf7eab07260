#pragma once

#include "kvfd/camerainfo.h"
#include "kvfd/eop.h"

#include <array>

namespace kvhost {

// Ground footprint of a frame image: its four corners, in the order top-left,
// top-right, bottom-right, bottom-left of the image, projected from the
// projection centre onto the horizontal plane at groundZ.
//
// Rotation convention (the one of the project's omega, phi, kappa, and of the
// POS interpolation): R = Rx(omega) Ry(phi) Rz(kappa) turns image space into
// map space, the map axes being east, north, up, with
//     Rx(w) = [1 0 0; 0 cos w -sin w; 0 sin w cos w]
//     Ry(p) = [cos p 0 sin p; 0 1 0; -sin p 0 cos p]
//     Rz(k) = [cos k -sin k 0; sin k cos k 0; 0 0 1].
// Image space has x to the right of the image, y to its top and z towards the
// viewer, so an image point (column c, row r) is the ray
//     (( c - x0) * pixel_x, (y0 - r) * pixel_y, -focal)
// in millimetres, x0/y0 being the principal point in pixels (the image centre
// when the camera has none). All angles zero is a nadir image with its top to
// the north.
//
// False (out untouched) when the camera cannot image (no size, no focal
// length), a value is not finite, the centre is not above the plane or a
// corner ray does not reach the plane within kMaxReach times the flying
// height (an image near the horizon has no useful footprint).
struct Footprint
{
    static constexpr double kMaxReach = 20.0;

    using Corners = std::array<std::array<double, 2>, 4>;
    static bool Compute(const kvfd::EOP& eop, const kvfd::CameraInfo& camera, double groundZ,
                        Corners& out);
    // Map-space direction of the image-space vector (x, y, z).
    static void Rotate(const kvfd::EOP& eop, const double in[3], double out[3]);
};

} // namespace kvhost
