#include "kvmath/geoprj.h"

#include <cmath>
#include <future>
#include <map>
#include <mutex>
#include <proj.h>
#include <string>
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

// A transformation as the library found it, in a context of its own; null
// when the library knows no transformation between the two definitions.
struct Found
{
    PJ_CONTEXT* context = nullptr;
    PJ* pj = nullptr;
};

Found Find(const std::string& from, const std::string& to)
{
    Found found;
    found.context = proj_context_create();
    if (!found.context)
        return found;
    // Failures are reported through the return value, not on stderr.
    proj_log_level(found.context, PJ_LOG_NONE);
    if (PJ* raw = proj_create_crs_to_crs(found.context, from.c_str(), to.c_str(), nullptr)) {
        // Longitude before latitude, easting before northing, whatever the
        // axis order of the EPSG definitions.
        found.pj = proj_normalize_for_visualization(found.context, raw);
        proj_destroy(raw);
    }
    return found;
}

// Every transformation searched for in this process, by pair of definitions.
// The kept objects are only ever cloned, under the lock. Destroyed at exit
// after any search still running has ended (the projection library's own
// state was made before and outlives it).
class FoundTransformations
{
public:
    using Key = std::pair<std::string, std::string>;

    ~FoundTransformations()
    {
        for (auto& entry : m_found) {
            const Found found = entry.second.get();
            if (found.pj)
                proj_destroy(found.pj);
            if (found.context)
                proj_context_destroy(found.context);
        }
    }

    void Start(const Key& key)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_found.count(key) == 0)
            m_found.emplace(key, std::async(std::launch::async, Find, key.first, key.second));
    }

    // A clone of the transformation of key in context, searching for it first
    // when nobody has.
    PJ* Clone(const Key& key, PJ_CONTEXT* context)
    {
        std::shared_future<Found> found;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            auto it = m_found.find(key);
            if (it == m_found.end()) {
                std::promise<Found> made;
                it = m_found.emplace(key, made.get_future().share()).first;
                // The search runs under the lock: a second caller of the same
                // pair waits for it rather than searching twice.
                made.set_value(Find(key.first, key.second));
            }
            found = it->second;
        }
        // A search that Prepare started is waited for without the lock.
        const Found& ready = found.get();
        if (!ready.pj)
            return nullptr;
        std::lock_guard<std::mutex> lock(m_mutex);
        return proj_clone(context, ready.pj);
    }

private:
    std::mutex m_mutex;
    std::map<Key, std::shared_future<Found>> m_found;
};

FoundTransformations& Kept()
{
    static FoundTransformations kept;
    return kept;
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
    proj_log_level(m_context, PJ_LOG_NONE);
    m_pj = Kept().Clone({from.definition, to.definition}, m_context);
    if (!m_pj) {
        Reset();
        return false;
    }
    return true;
}

void GeoPrj::Prepare(const kvfd::CoordinateInfo& from, const kvfd::CoordinateInfo& to)
{
    if (!IsLocal(from) && !IsLocal(to))
        Kept().Start({from.definition, to.definition});
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
