#pragma once

#include "kvfd/kvfd_export.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kvfd {

enum CoordinateType : std::int32_t {
    CT_WGS84_UTM = 0,
    CT_BEIJING54 = 1,
    CT_XIAN80 = 2,
    CT_CGCS2000 = 3,
    CT_LOCAL = 4,
};

// One coordinate system. The id is its EPSG code (-1 for the local system);
// definition is what the projection library accepts ("EPSG:32650"), datum the
// name of its geodetic datum.
struct CoordinateInfo
{
    CoordinateType type = CT_LOCAL;
    std::int32_t id = -1;
    std::string name;
    std::string definition;
    std::string datum;
};

// Ordered list of coordinate systems.
class KVFD_EXPORT CoordinateInfoSet
{
public:
    int Size() const { return static_cast<int>(m_items.size()); }
    // The element by value; a default (local) record for an index out of range.
    CoordinateInfo GetCoordinate(int i) const;
    void Add(const CoordinateInfo& c) { m_items.push_back(c); }
    void Clear() { m_items.clear(); }
    // The systems of that type, in stored order.
    CoordinateInfoSet GetCoordinates(CoordinateType type) const;
    CoordinateInfoSet GetCoordinates(int type) const
    {
        return GetCoordinates(CoordinateType(type));
    }
    bool GetCoordinateByID(int id, CoordinateInfo& out) const;
    // Geographic WGS84 (EPSG:4326).
    CoordinateInfo GetWGS84() const;

    // The built-in catalogue: geographic WGS84, WGS84 UTM zones 1-60 north and
    // south, the Gauss-Krueger systems of Beijing 1954, Xian 1980 and CGCS2000,
    // and the local system.
    static CoordinateInfoSet Catalogue();

private:
    std::vector<CoordinateInfo> m_items;
};

} // namespace kvfd
