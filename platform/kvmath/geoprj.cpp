#include "kvmath/geoprj.h"

#include <cmath>
#include <proj.h>
#include <utility>

namespace kvmath {

namespace {

bool IsLocal(const kvfd::CoordinateInfo& c)
{
    return c.id < 0 || c.definition.empty();
}

// The library marks a point it could not transform with HUGE_VAL.
bool Transformed(double x, double y, double z)
{
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

} // namespace

GeoPrj::GeoPrj() = default;

GeoPrj::~GeoPrj()
{
    Reset();
}

GeoPrj::GeoPrj(GeoPrj&& other) noexcept
    : m_context(std::exchange(other.m_context, nullptr))
    , m_pj(std::exchange(other.m_pj, nullptr))
{ }

GeoPrj& GeoPrj::operator=(GeoPrj&& other) noexcept
{
    if (this != &other) {
        Reset();
        m_context = std::exchange(other.m_context, nullptr);
        m_pj = std::exchange(other.m_pj, nullptr);
    }
    return *this;
}

void GeoPrj::Reset()
{
    if (m_pj)
        proj_destroy(m_pj);
    if (m_context)
        proj_context_destroy(m_context);
    m_pj = nullptr;
    m_context = nullptr;
}

bool GeoPrj::Create(const kvfd::CoordinateInfo& from, const kvfd::CoordinateInfo& to)
{
    Reset();
    if (IsLocal(from) || IsLocal(to))
        return false;

    m_context = proj_context_create();
    if (!m_context)
        return false;
    // Failures are reported through the return value, not on stderr.
    proj_log_level(m_context, PJ_LOG_NONE);

    PJ* raw = proj_create_crs_to_crs(m_context, from.definition.c_str(), to.definition.c_str(),
                                     nullptr);
    if (raw) {
        // Longitude before latitude, easting before northing, whatever the
        // axis order of the EPSG definitions.
        m_pj = proj_normalize_for_visualization(m_context, raw);
        proj_destroy(raw);
    }
    if (!m_pj) {
        Reset();
        return false;
    }
    return true;
}

bool GeoPrj::Transform(double& x, double& y, double& z) const
{
    if (!m_pj)
        return false;
    PJ_COORD c = proj_coord(x, y, z, 0.0);
    c = proj_trans(m_pj, PJ_FWD, c);
    if (!Transformed(c.xyz.x, c.xyz.y, c.xyz.z))
        return false;
    x = c.xyz.x;
    y = c.xyz.y;
    z = c.xyz.z;
    return true;
}

bool GeoPrj::TransformMany(std::vector<double>& xs, std::vector<double>& ys,
                           std::vector<double>& zs) const
{
    if (!m_pj || xs.size() != ys.size() || xs.size() != zs.size())
        return false;
    if (xs.empty())
        return true;

    std::vector<double> outX = xs;
    std::vector<double> outY = ys;
    std::vector<double> outZ = zs;
    const std::size_t n = xs.size();
    const std::size_t stride = sizeof(double);
    proj_trans_generic(m_pj, PJ_FWD, outX.data(), stride, n, outY.data(), stride, n, outZ.data(),
                       stride, n, nullptr, 0, 0);

    bool all = true;
    for (std::size_t i = 0; i < n; ++i) {
        if (Transformed(outX[i], outY[i], outZ[i])) {
            xs[i] = outX[i];
            ys[i] = outY[i];
            zs[i] = outZ[i];
        } else {
            all = false;
        }
    }
    return all;
}

} // namespace kvmath
