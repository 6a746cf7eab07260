#include "gnsstext.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace kvgps::text {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

} // namespace

LineReader::LineReader(const std::string& path, std::uint64_t maxBytes)
    : m_maxBytes(maxBytes)
{
    // O_NONBLOCK: opening a FIFO that has no writer would otherwise wait for
    // one; fstat then turns it away like any other non-file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0
        || std::uint64_t(info.st_size) > maxBytes) {
        m_tooLarge
            = S_ISREG(info.st_mode) && info.st_size > 0 && std::uint64_t(info.st_size) > maxBytes;
        ::close(fd);
        return;
    }
    m_buffer.reset(new (std::nothrow) char[kBufferSize]);
    if (!m_buffer) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

LineReader::~LineReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool LineReader::Fill()
{
    if (m_fd < 0 || m_damaged)
        return false;
    for (;;) {
        const ssize_t got = ::read(m_fd, m_buffer.get(), kBufferSize);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            m_damaged = true;
            return false;
        }
        m_read += std::uint64_t(got);
        if (m_read > m_maxBytes) {
            m_damaged = true;
            m_tooLarge = true;
            return false;
        }
        m_begin = 0;
        m_end = std::size_t(got);
        return got > 0;
    }
}

bool LineReader::Next(std::string& line)
{
    line.clear();
    if (m_fd < 0 || m_damaged)
        return false;
    bool any = false;
    for (;;) {
        if (m_begin == m_end && !Fill()) {
            if (m_damaged || !any) {
                line.clear();
                return false;
            }
            break;
        }
        any = true;
        const char* begin = m_buffer.get() + m_begin;
        const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', m_end - m_begin));
        const std::size_t take = newline ? std::size_t(newline - begin) : m_end - m_begin;
        if (line.size() + take > kMaxLine) {
            m_damaged = true;
            m_lineTooLong = true;
            line.clear();
            return false;
        }
        line.append(begin, take);
        m_begin += take;
        if (newline) {
            ++m_begin;
            break;
        }
    }
    ++m_line;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (m_first) {
        m_first = false;
        if (line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
    }
    return true;
}

bool ReaderFailure(const LineReader& reader, InterpolateError& error)
{
    error.line = 0;
    if (reader.TooLarge()) {
        error.reason = InterpolateError::TooLarge;
    } else if (reader.IsOpen() && reader.LineTooLong()) {
        error.reason = InterpolateError::BadLine;
        error.line = reader.Line() + 1;
    } else {
        error.reason = InterpolateError::Unreadable;
    }
    return false;
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
