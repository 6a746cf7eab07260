#pragma once

#include "kvfd/kvfd_export.h"

#include <ctime>
#include <string>

namespace kvfd {

// A local date and time to the second.
class KVFD_EXPORT DateTime
{
public:
    static DateTime Now();
    explicit DateTime(std::time_t t = 0)
        : m_time(t)
    { }
    // "YYYY-MM-DD hh:mm:ss" in local time.
    std::string ToString() const;
    // "YYYY-MM-DDThh:mm:ss" in local time.
    std::string ToIsoString() const;
    std::time_t Time() const { return m_time; }

private:
    std::time_t m_time;
};

} // namespace kvfd
