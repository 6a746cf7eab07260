#pragma once

#include <QByteArray>

namespace kvcloud {

// The calibration of one camera as the service keeps it: image size in
// pixels, sensor width and focal length in millimetres, principal point in
// pixels and the distortion coefficients.
struct Calibration
{
    int width = 0;
    int height = 0;
    double ccdWidth = 0.0;
    double focal = 0.0;
    double x0 = 0.0;
    double y0 = 0.0;
    double k1 = 0.0, k2 = 0.0, k3 = 0.0, k4 = 0.0, k5 = 0.0, k6 = 0.0;
    double p1 = 0.0, p2 = 0.0, alpha = 0.0, beta = 0.0;
};

// The masked 128-byte camera block that a calibration file holds: marker
// 0xD7, image size, focal length in pixels, pixel size in micrometres,
// principal point, k1..k6, p1, p2, alpha, beta, and a check word over the
// first 31 little-endian words; bytes 1..127 are XORed with the marker.
QByteArray EncodeCameraBlock(const Calibration& calibration);

} // namespace kvcloud
