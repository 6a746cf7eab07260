#pragma once

#include "kvmath/kvmath_export.h"

namespace kvmath {

// Angle unit conversions (factor 180 / pi).
class KVMATH_EXPORT MathHelper
{
public:
    static double Rad2Deg(double radians);
    static double Deg2Rad(double degrees);
};

} // namespace kvmath
