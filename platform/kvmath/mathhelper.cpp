#include "kvmath/mathhelper.h"

namespace kvmath {

namespace {

constexpr double kPi = 3.14159265358979323846;

} // namespace

double MathHelper::Rad2Deg(double radians)
{
    return radians * (180.0 / kPi);
}

double MathHelper::Deg2Rad(double degrees)
{
    return degrees * (kPi / 180.0);
}

} // namespace kvmath
