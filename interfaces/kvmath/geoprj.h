#pragma once

#include "kvfd/coordinateinfo.h"
#include "kvmath/kvmath_export.h"

#include <vector>

// The projection library's context and transformation objects.
struct pj_ctx;
struct PJconsts;

namespace kvmath {

// A coordinate transformation between two coordinate systems of the catalogue,
// built by the projection library from their definitions ("EPSG:4326" to
// "EPSG:32650"), datum shifts included where the library knows one.
//
// Axis order is always easting first: geographic coordinates are longitude in
// x and latitude in y, in degrees; projected coordinates are easting in x and
// northing in y, in metres; z (height) passes through unless the two systems
// differ in their vertical datum.
//
// Each object owns its own projection context, so different objects may be used
// from different threads at once; one object must be used by one thread at a
// time. Movable, not copyable.
class KVMATH_EXPORT GeoPrj
{
public:
    GeoPrj();
    ~GeoPrj();
    GeoPrj(GeoPrj&& other) noexcept;
    GeoPrj& operator=(GeoPrj&& other) noexcept;
    GeoPrj(const GeoPrj&) = delete;
    GeoPrj& operator=(const GeoPrj&) = delete;

    // Builds the transformation from one system to the other, replacing any
    // previous one. False, leaving the object without a transformation, for the
    // local system (id -1 or no definition) on either side or for a definition the
    // library does not know.
    bool Create(const kvfd::CoordinateInfo& from, const kvfd::CoordinateInfo& to);
    bool IsValid() const { return m_pj != nullptr; }

    // Finding the transformation between two systems searches the library's
    // database: tens of milliseconds the first time in a process, over a
    // hundred between systems on different datums. Transformations found are
    // kept for the life of the process, and Create clones a kept one in well
    // under a millisecond. Prepare starts that search on a thread of its own
    // and returns at once, for a form that knows which transformation will be
    // asked for next; Create waits for a search already started.
    static void Prepare(const kvfd::CoordinateInfo& from, const kvfd::CoordinateInfo& to);

    // Transforms one point in place. False, with x, y, z unchanged, when there is
    // no transformation or the point cannot be transformed (outside the domain of
    // the projection, such as a latitude beyond 90 degrees).
    bool Transform(double& x, double& y, double& z) const;

    // Transforms every point of the three equally long arrays in place in one call.
    // True when every point was transformed; points that fail keep their values.
    // False, with nothing changed, when there is no transformation or the sizes
    // differ.
    bool TransformMany(std::vector<double>& xs, std::vector<double>& ys,
                       std::vector<double>& zs) const;

private:
    void Reset();

    pj_ctx* m_context = nullptr;
    PJconsts* m_pj = nullptr;
};

} // namespace kvmath
