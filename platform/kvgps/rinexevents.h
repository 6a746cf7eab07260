#pragma once

#include "kvgps/interpolatepos.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kvgps {

// A flight's observations, even at 20 Hz from every constellation, stay far
// below this.
constexpr std::uint64_t kMaxRinexBytes = std::uint64_t(4) << 30;
// Far more camera events than any flight takes.
constexpr std::size_t kMaxRinexEvents = 1000000;

// The external-event epochs (epoch flag 5) of a RINEX 2.xx or 3.xx
// observation file, in file order, as seconds of GPS time since 1980-01-06.
// False when the file cannot be read, is damaged (see interpolatepos.h), is
// larger than kMaxRinexBytes or holds more than kMaxRinexEvents events;
// events is then unspecified, and error (when given) receives the reason and
// line. A readable file without events gives true and no events. Nothing
// throws.
bool ReadRinexEvents(const std::string& path, std::vector<double>& events,
                     InterpolateError* error = nullptr);

} // namespace kvgps
