#pragma once

#include "kvui_export.h"
#include "map/maptype.h"

#include <QString>
#include <QUrl>

// Where the host's view fetches the tiles of each background map: one XYZ URL
// template per map, kept in the settings store (organisation and application
// of framework/kvsettingskeys.h, group "MapTiles", one key per layer name).
// A template holds "{z}", "{x}" and "{y}"; without a stored one it is the web
// service's tiles, "<ServiceAddress()>/tiles/<layer>/{z}/{x}/{y}.png", so
// it follows a change of the service address. The layers are
//
//     MAP_AMAP_HYBRID    "amap_hybrid"
//     MAP_AMAP_SAT       "amap_sat"
//     MAP_GOOGLE_HYBRID  "google_hybrid"
//     MAP_GOOGLE_SAT     "google_sat"
//
// MAP_NONE and values outside the enumeration have no layer and no tiles.
namespace kvui {

namespace maptiles {
constexpr const char* kGroup = "MapTiles";
constexpr const char* kZ = "{z}";
constexpr const char* kX = "{x}";
constexpr const char* kY = "{y}";
} // namespace maptiles

// The layer name of type; empty when it has none.
KVUI_EXPORT QString TileLayer(MapType type);
// The web service's template for type; empty when it has no layer.
KVUI_EXPORT QString DefaultTileUrlTemplate(MapType type);
// The stored template of type, or the default when none is stored or the
// stored one is not a usable template (edited by hand); empty without a layer.
KVUI_EXPORT QString TileUrlTemplate(MapType type);
// Stores urlTemplate for type; an empty one removes the stored template, so
// the default applies again. False, and nothing stored, for a type without a
// layer or a template that lacks a placeholder or is no absolute URL (a
// "file:" template is one, for tiles kept on disk).
KVUI_EXPORT bool SetTileUrlTemplate(MapType type, const QString& urlTemplate);
// Whether urlTemplate names every placeholder and is an absolute URL.
KVUI_EXPORT bool IsTileUrlTemplate(const QString& urlTemplate);
// The address of one tile of type; an empty URL without a layer.
KVUI_EXPORT QUrl TileUrl(MapType type, int z, int x, int y);

} // namespace kvui
