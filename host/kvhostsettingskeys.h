#pragma once

// Settings-store names of the host program. The store itself (organisation and
// application) is the library's, see framework/kvsettingskeys.h.
namespace kvhost::settings {

constexpr const char* kGroup = "Host";
constexpr const char* kWindowGeometry = "Host/WindowGeometry";
constexpr const char* kWindowState = "Host/WindowState";
// The language chosen in Settings ▸ Language: "en", "zh_CN", or "" for the
// texts as written.
constexpr const char* kLanguage = "Host/Language";

} // namespace kvhost::settings
