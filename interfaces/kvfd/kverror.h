#pragma once

#include <cstdint>

namespace kvfd {

// Error code stored by a progress reporter; the meaning of the values belongs
// to the processing that sets them. 0 means no error.
using KvError = std::int32_t;

constexpr KvError KV_OK = 0;

} // namespace kvfd
