#pragma once

#include <QMetaType>
#include <cstdint>

// The background map under the host's 2-D view. The values are stored and
// passed between the tool bars and the host, so they never change.
enum MapType : std::int32_t {
    MAP_NONE = 0,          // no background map
    MAP_AMAP_HYBRID = 1,   // AMap hybrid
    MAP_AMAP_SAT = 2,      // AMap satellite
    MAP_GOOGLE_HYBRID = 3, // Google hybrid
    MAP_GOOGLE_SAT = 4,    // Google satellite
};

Q_DECLARE_METATYPE(MapType)
