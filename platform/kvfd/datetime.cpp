#include "kvfd/datetime.h"

namespace kvfd {

namespace {

std::string Format(std::time_t t, const char* pattern)
{
    std::tm local {};
    // localtime_r, not localtime: worker threads stamp their results too.
    if (!localtime_r(&t, &local))
        return std::string();
    char buffer[64];
    const std::size_t n = std::strftime(buffer, sizeof buffer, pattern, &local);
    return std::string(buffer, n);
}

} // namespace

DateTime DateTime::Now()
{
    return DateTime(std::time(nullptr));
}

std::string DateTime::ToString() const
{
    return Format(m_time, "%Y-%m-%d %H:%M:%S");
}

std::string DateTime::ToIsoString() const
{
    return Format(m_time, "%Y-%m-%dT%H:%M:%S");
}

} // namespace kvfd
