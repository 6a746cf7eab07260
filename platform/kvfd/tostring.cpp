#include "kvfd/tostring.h"

#include <charconv>

namespace kvfd {

std::string ToString(double value)
{
    // charconv rather than printf/strtod: a Qt program runs under the user's
    // locale, and files written with a decimal comma would not read back elsewhere.
    // The %g-style output with the lowest precision that reads back keeps "0.1"
    // from becoming "0.10000000000000001".
    char buffer[64];
    for (int precision = 15; precision <= 17; ++precision) {
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                           std::chars_format::general, precision);
        double back = 0.0;
        const auto read = std::from_chars(buffer, written.ptr, back);
        // NaN never compares equal; its text is final at any precision. Near
        // DBL_MAX a short text may round up out of range.
        if (precision == 17 || (read.ec == std::errc() && back == value) || value != value)
            return std::string(buffer, written.ptr);
    }
    return std::string();
}

std::string ToString(const std::string& value)
{
    return value;
}

} // namespace kvfd
