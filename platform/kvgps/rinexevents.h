#pragma once

#include <string>
#include <vector>

namespace kvgps {

// The external-event epochs (epoch flag 5) of a RINEX 2.xx or 3.xx
// observation file, in file order, as seconds of GPS time since 1980-01-06.
// False when the file cannot be read or is damaged (see interpolatepos.h);
// events is then unspecified. A readable file without events gives true and
// no events.
bool ReadRinexEvents(const std::string& path, std::vector<double>& events);

} // namespace kvgps
