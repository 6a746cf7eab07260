#include "kvfd/coordinateinfo.h"

#include <cstdio>
#include <utility>

namespace kvfd {

namespace {

CoordinateInfo Make(CoordinateType type, int id, std::string name, const char* datum)
{
    CoordinateInfo c;
    c.type = type;
    c.id = id;
    c.name = std::move(name);
    c.definition = "EPSG:" + std::to_string(id);
    c.datum = datum;
    return c;
}

std::string Format(const char* pattern, const char* datum, int value)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, datum, value);
    return buffer;
}

// The Gauss-Krueger systems of one Chinese datum. Each datum numbers its four
// families (6-degree by zone, 6-degree by central meridian, 3-degree by zone,
// 3-degree by central meridian) from its own first EPSG code.
void AddGaussKrueger(CoordinateInfoSet& set, CoordinateType type, const char* datum, int zone6,
                     int cm6, int zone3, int cm3)
{
    for (int zone = 13; zone <= 23; ++zone)
        set.Add(
            Make(type, zone6 + zone - 13, Format("%s / Gauss-Kruger zone %d", datum, zone), datum));
    for (int cm = 75; cm <= 135; cm += 6)
        set.Add(
            Make(type, cm6 + (cm - 75) / 6, Format("%s / Gauss-Kruger CM %dE", datum, cm), datum));
    for (int zone = 25; zone <= 45; ++zone)
        set.Add(Make(type, zone3 + zone - 25,
                     Format("%s / 3-degree Gauss-Kruger zone %d", datum, zone), datum));
    for (int cm = 75; cm <= 135; cm += 3)
        set.Add(Make(type, cm3 + (cm - 75) / 3,
                     Format("%s / 3-degree Gauss-Kruger CM %dE", datum, cm), datum));
}

} // namespace

CoordinateInfo CoordinateInfoSet::GetCoordinate(int i) const
{
    if (i < 0 || i >= Size())
        return CoordinateInfo();
    return m_items[std::size_t(i)];
}

CoordinateInfoSet CoordinateInfoSet::GetCoordinates(CoordinateType type) const
{
    CoordinateInfoSet result;
    for (const CoordinateInfo& c : m_items) {
        if (c.type == type)
            result.Add(c);
    }
    return result;
}

bool CoordinateInfoSet::GetCoordinateByID(int id, CoordinateInfo& out) const
{
    for (const CoordinateInfo& c : m_items) {
        if (c.id == id) {
            out = c;
            return true;
        }
    }
    return false;
}

CoordinateInfo CoordinateInfoSet::GetWGS84() const
{
    return Make(CT_WGS84_UTM, 4326, "WGS 84", "WGS 84");
}

CoordinateInfoSet CoordinateInfoSet::Catalogue()
{
    CoordinateInfoSet set;
    set.m_items.reserve(320);
    set.Add(set.GetWGS84());
    for (char hemisphere : {'N', 'S'}) {
        const int first = hemisphere == 'N' ? 32601 : 32701;
        for (int zone = 1; zone <= 60; ++zone) {
            char name[32];
            std::snprintf(name, sizeof name, "UTM zone %d%c", zone, hemisphere);
            set.Add(Make(CT_WGS84_UTM, first + zone - 1, name, "WGS 84"));
        }
    }
    AddGaussKrueger(set, CT_BEIJING54, "Beijing 1954", 21413, 21453, 2401, 2422);
    AddGaussKrueger(set, CT_XIAN80, "Xian 1980", 2327, 2338, 2349, 2370);
    AddGaussKrueger(set, CT_CGCS2000, "CGCS2000", 4491, 4502, 4513, 4534);

    CoordinateInfo local;
    local.type = CT_LOCAL;
    local.id = -1;
    local.name = "Local";
    set.Add(local);
    return set;
}

} // namespace kvfd
