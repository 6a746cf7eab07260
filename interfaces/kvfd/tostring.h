#pragma once

#include "kvfd/kvfd_export.h"

#include <string>

namespace kvfd {

// Shortest text that reads back to the same double ("0.1", "6000", "1e-07").
KVFD_EXPORT std::string ToString(double value);
// The text itself.
KVFD_EXPORT std::string ToString(const std::string& value);

} // namespace kvfd
