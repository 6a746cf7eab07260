#pragma once

#include "kvprj/kvprj_export.h"

#include <cstdint>
#include <string>

namespace kvprj {

// The description of a project. Texts are NUL-terminated UTF-8 in fixed arrays;
// CopyText fills them.
struct PrjInfo
{
    std::int32_t coordinateId = -1; // CoordinateInfo id, -1 for the local system
    std::int32_t viewType = 1;      // 1 nadir imagery, 0 oblique imagery
    char name[65] = {};
    char prjOperator[65] = {};
    char date[33] = {}; // "YYYY-MM-DDThh:mm:ss"
    char description[257] = {};
    double meanElevation = 0.0;    // metres
    std::int32_t aircraftType = 0; // 0..4 the family's aircraft, 99 any other
    std::string path;              // project file, empty until saved
};

// Copies text into a fixed array of size bytes, cut to at most size - 1 bytes and
// never inside a UTF-8 sequence, and terminates it.
KVPRJ_EXPORT void CopyText(char* target, std::size_t size, const std::string& text);

template <std::size_t N> void CopyText(char (&target)[N], const std::string& text)
{
    CopyText(target, N, text);
}

} // namespace kvprj
