#pragma once

#include "kvgps/kvgps_export.h"

namespace kvgps {

// Conversions between earth-centred, earth-fixed Cartesian coordinates (X, Y, Z in
// metres) and geodetic coordinates on the WGS84 ellipsoid (a = 6378137 m,
// f = 1 / 298.257223563). Geodetic triples are ordered longitude, latitude (both
// in degrees, east and north positive) and ellipsoidal height (metres).
//
// ECEF2LL uses Vermeille's closed-form solution (H. Vermeille, "Direct
// transformation from geocentric coordinates to geodetic coordinates", Journal of
// Geodesy 76, 2002): one cube root and a few square roots, no iteration, exact to
// well below a millimetre (a few nanometres in double precision) at every point farther
// than about 43 km from the earth's centre, the poles, the equator and both
// hemispheres included. Closer to the centre, where the closed form breaks down and
// which no receiver reaches, it falls back to the fixed-point iteration
// phi = atan2(Z + e^2 N sin(phi), p), whose result still maps back onto the point.
// At a pole the longitude is 0; the centre itself gives (0, 0, -b). Neither
// conversion throws.
class KVGPS_EXPORT GPSHelper
{
public:
    // xyz: X, Y, Z; llh receives longitude, latitude, height.
    static void ECEF2LL(const double* xyz, double* llh);
    // llh: longitude, latitude, height; xyz receives X, Y, Z.
    static void LL2ECEF(const double* llh, double* xyz);
};

} // namespace kvgps
