#include "host/footprint.h"

#include <cmath>

namespace kvhost {

void Footprint::Rotate(const kvfd::EOP& eop, const double in[3], double out[3])
{
    const double cw = std::cos(eop.Omega), sw = std::sin(eop.Omega);
    const double cp = std::cos(eop.Phi), sp = std::sin(eop.Phi);
    const double ck = std::cos(eop.Kappa), sk = std::sin(eop.Kappa);
    // Rz(kappa) first, then Ry(phi), then Rx(omega): R = Rx Ry Rz applied to in.
    const double a[3] = {ck * in[0] - sk * in[1], sk * in[0] + ck * in[1], in[2]};
    const double b[3] = {cp * a[0] + sp * a[2], a[1], -sp * a[0] + cp * a[2]};
    out[0] = b[0];
    out[1] = cw * b[1] - sw * b[2];
    out[2] = sw * b[1] + cw * b[2];
}

bool Footprint::Compute(const kvfd::EOP& eop, const kvfd::CameraInfo& camera, double groundZ,
                        Corners& out)
{
    if (camera.width <= 0 || camera.height <= 0 || !(camera.focal > 0.0))
        return false;
    double px = camera.pixel_size_x;
    double py = camera.pixel_size_y;
    if (!(px > 0.0))
        px = camera.ccd_width > 0.0 ? camera.ccd_width / camera.width : 0.0;
    if (!(py > 0.0))
        py = camera.ccd_height > 0.0 ? camera.ccd_height / camera.height : px;
    if (!(px > 0.0))
        px = py;
    const double x0 = camera.x0 >= 0.0 ? camera.x0 : camera.width / 2.0;
    const double y0 = camera.y0 >= 0.0 ? camera.y0 : camera.height / 2.0;
    const double values[] = {eop.X,   eop.Y, eop.Z, eop.Omega, eop.Phi, eop.Kappa,
                             groundZ, px,    py,    x0,        y0,      camera.focal};
    for (double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    if (!(px > 0.0) || !(py > 0.0))
        return false;
    const double height = eop.Z - groundZ;
    if (!(height > 0.0))
        return false;

    const double columns[4] = {0.0, double(camera.width), double(camera.width), 0.0};
    const double rows[4] = {0.0, 0.0, double(camera.height), double(camera.height)};
    Corners corners;
    for (int i = 0; i < 4; ++i) {
        const double ray[3] = {(columns[i] - x0) * px, (y0 - rows[i]) * py, -camera.focal};
        double d[3];
        Rotate(eop, ray, d);
        if (!(d[2] < 0.0))
            return false;
        const double t = -height / d[2];
        const double dx = t * d[0];
        const double dy = t * d[1];
        if (!(std::hypot(dx, dy) <= kMaxReach * height))
            return false;
        corners[std::size_t(i)] = {eop.X + dx, eop.Y + dy};
    }
    out = corners;
    return true;
}

} // namespace kvhost
