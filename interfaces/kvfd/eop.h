#pragma once

namespace kvfd {

// Exterior orientation of one image: the projection centre in the project's
// coordinate system and three rotation angles in radians.
struct EOP
{
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
    double Omega = 0.0;
    double Phi = 0.0;
    double Kappa = 0.0;
};

inline bool operator==(const EOP& a, const EOP& b)
{
    return a.X == b.X && a.Y == b.Y && a.Z == b.Z && a.Omega == b.Omega && a.Phi == b.Phi
        && a.Kappa == b.Kappa;
}
inline bool operator!=(const EOP& a, const EOP& b)
{
    return !(a == b);
}

} // namespace kvfd
