#include "kvgps/gpshelper.h"

#include <cmath>

namespace kvgps {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kA = 6378137.0;
constexpr double kF = 1.0 / 298.257223563;
constexpr double kE2 = kF * (2.0 - kF); // first eccentricity squared
constexpr double kE4 = kE2 * kE2;
constexpr double kB = kA * (1.0 - kF);

// Latitude (radians) and height of a point inside the evolute, where the
// closed form does not apply, by fixed-point iteration on the latitude.
void IterateInside(double p, double z, double& lat, double& h)
{
    if (p == 0.0 && z == 0.0) {
        lat = 0.0;
        h = -kB;
        return;
    }
    lat = std::atan2(z, p * (1.0 - kE2));
    for (int i = 0; i < 100; ++i) {
        const double s = std::sin(lat);
        const double n = kA / std::sqrt(1.0 - kE2 * s * s);
        const double next = std::atan2(z + kE2 * n * s, p);
        const bool done = std::fabs(next - lat) < 1e-15;
        lat = next;
        if (done)
            break;
    }
    const double s = std::sin(lat);
    // Stable at every latitude, unlike p / cos(lat) - N.
    h = p * std::cos(lat) + z * s - kA * std::sqrt(1.0 - kE2 * s * s);
}

} // namespace

void GPSHelper::ECEF2LL(const double* xyz, double* llh)
{
    const double x = xyz[0];
    const double y = xyz[1];
    const double z = xyz[2];
    const double rho = std::hypot(x, y);

    const double p = rho * rho / (kA * kA);
    const double q = (1.0 - kE2) * z * z / (kA * kA);
    const double r = (p + q - kE4) / 6.0;

    double lat = 0.0;
    double h = 0.0;
    if (r > 0.0) {
        const double s = kE4 * p * q / (4.0 * r * r * r);
        const double t = std::cbrt(1.0 + s + std::sqrt(s * (2.0 + s)));
        const double u = r * (1.0 + t + 1.0 / t);
        const double v = std::sqrt(u * u + kE4 * q);
        const double w = kE2 * (u + v - q) / (2.0 * v);
        const double k = std::sqrt(u + v + w * w) - w;
        const double d = k * rho / (k + kE2);
        const double dz = std::hypot(d, z);
        lat = 2.0 * std::atan2(z, d + dz);
        h = (k + kE2 - 1.0) / k * dz;
    } else {
        IterateInside(rho, z, lat, h);
    }

    llh[0] = std::atan2(y, x) * 180.0 / kPi;
    llh[1] = lat * 180.0 / kPi;
    llh[2] = h;
}

void GPSHelper::LL2ECEF(const double* llh, double* xyz)
{
    const double lon = llh[0] * kPi / 180.0;
    const double lat = llh[1] * kPi / 180.0;
    const double h = llh[2];
    const double sinLat = std::sin(lat);
    const double cosLat = std::cos(lat);
    const double n = kA / std::sqrt(1.0 - kE2 * sinLat * sinLat);
    xyz[0] = (n + h) * cosLat * std::cos(lon);
    xyz[1] = (n + h) * cosLat * std::sin(lon);
    xyz[2] = (n * (1.0 - kE2) + h) * sinLat;
}

} // namespace kvgps
