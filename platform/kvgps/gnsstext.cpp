#include "gnsstext.h"

#include <charconv>
#include <cmath>

namespace kvgps::text {

LineReader::LineReader(const std::string& path)
    : m_file(path, std::ios::in | std::ios::binary)
{
    m_open = m_file.is_open();
}

bool LineReader::Next(std::string& line)
{
    line.clear();
    if (!m_open || m_damaged)
        return false;
    std::streambuf* buffer = m_file.rdbuf();
    bool any = false;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            if (!any)
                return false;
            break;
        }
        any = true;
        if (c == '\n')
            break;
        if (line.size() >= kMaxLine) {
            m_damaged = true;
            line.clear();
            return false;
        }
        line.push_back(char(c));
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (m_first) {
        m_first = false;
        if (line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
    }
    return true;
}

std::vector<std::string_view> SplitFields(std::string_view line)
{
    const std::size_t hash = line.find('#');
    if (hash != std::string_view::npos)
        line = line.substr(0, hash);
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    const auto separator = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r'; };
    while (i < line.size()) {
        while (i < line.size() && separator(line[i]))
            ++i;
        const std::size_t begin = i;
        while (i < line.size() && !separator(line[i]))
            ++i;
        if (i > begin)
            fields.push_back(line.substr(begin, i - begin));
    }
    return fields;
}

bool ToNumber(std::string_view text, double& value)
{
    // from_chars takes no leading '+', which some writers put before heights.
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double parsed = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()
        || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool ToInteger(std::string_view text, long long& value)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long long parsed = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        return false;
    value = parsed;
    return true;
}

std::string_view Column(std::string_view line, std::size_t first, std::size_t count)
{
    if (first >= line.size())
        return {};
    std::string_view part = line.substr(first, count);
    while (!part.empty() && (part.front() == ' ' || part.front() == '\t'))
        part.remove_prefix(1);
    while (!part.empty() && (part.back() == ' ' || part.back() == '\t'))
        part.remove_suffix(1);
    return part;
}

namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar
// (H. Hinnant's days_from_civil).
long long DaysFromCivil(long long y, long long m, long long d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool IsLeapYear(long long y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

} // namespace

bool GpsSeconds(long long year, long long month, long long day, long long hour, long long minute,
                double second, double& seconds)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1980 || year > 2200 || month < 1 || month > 12 || day < 1
        || day > kDays[month - 1] + (month == 2 && IsLeapYear(year)) || hour < 0 || hour > 23
        || minute < 0 || minute > 59 || !(second >= 0.0) || second >= 61.0)
        return false;
    const long long days = DaysFromCivil(year, month, day) - DaysFromCivil(1980, 1, 6);
    seconds = double(days) * 86400.0 + double(hour * 3600 + minute * 60) + second;
    return seconds >= 0.0;
}

} // namespace kvgps::text
