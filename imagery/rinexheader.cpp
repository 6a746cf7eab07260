#include "imagery/rinexheader.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kvui {

namespace {

// A RINEX header line is 80 characters. A header of more lines than asked for
// stays far below this; what is beyond it is never looked at, so a huge file,
// or a binary one without line ends, costs no more than this read.
constexpr std::size_t kMaxHeadBytes = 64 * 1024;

// The first maxLines lines of a regular file, without their line ends, read
// from at most kMaxHeadBytes. False when the file cannot be opened or read.
bool ReadHead(const std::string& path, int maxLines, std::vector<std::string>& lines)
{
    // O_NONBLOCK: opening a FIFO without a writer would wait for one before
    // fstat could turn it away.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    std::string head(kMaxHeadBytes, '\0');
    std::size_t got = 0;
    while (got < head.size()) {
        const ssize_t n = ::read(fd, &head[got], head.size() - got);
        if (n < 0) {
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    ::close(fd);
    head.resize(got);

    std::size_t begin = 0;
    while (begin < head.size() && int(lines.size()) < maxLines) {
        std::size_t end = head.find('\n', begin);
        // A last line cut off by the read limit is not a whole record.
        if (end == std::string::npos && got == kMaxHeadBytes)
            break;
        if (end == std::string::npos)
            end = head.size();
        std::size_t length = end - begin;
        if (length > 0 && head[begin + length - 1] == '\r')
            --length;
        lines.emplace_back(head, begin, length);
        begin = end + 1;
    }
    return true;
}

// A number at the start of text, after blanks; the text after it in rest.
// Read independently of the process's locale (a German one would take the
// decimal point for a separator).
bool LeadingNumber(std::string_view text, double& value, std::string_view& rest)
{
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return false;
    if (text[i] == '+')
        ++i;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || !std::isfinite(value))
        return false;
    // "1.5abc" is no number.
    if (end != last && *end != ' ' && *end != '\t')
        return false;
    rest = std::string_view(end, std::size_t(last - end));
    return true;
}

} // namespace

RinexHeaderResult ReadRinexApproxPosition(const std::string& path, double xyz[3])
{
    std::vector<std::string> lines;
    if (!ReadHead(path, 64, lines))
        return RinexHeaderResult::Unreadable;
    for (const std::string& line : lines) {
        if (line.find("END OF HEADER") != std::string::npos)
            break;
        if (line.find("APPROX POSITION XYZ") == std::string::npos)
            continue;
        double values[3];
        std::string_view rest = line;
        for (double& value : values) {
            if (!LeadingNumber(rest, value, rest))
                return RinexHeaderResult::Missing;
        }
        if (std::fabs(values[0]) <= 1e-6 && std::fabs(values[1]) <= 1e-6
            && std::fabs(values[2]) <= 1e-6)
            return RinexHeaderResult::Missing;
        for (int i = 0; i < 3; ++i)
            xyz[i] = values[i];
        return RinexHeaderResult::Found;
    }
    return RinexHeaderResult::Missing;
}

RinexHeaderResult ReadRinexAntennaHeight(const std::string& path, double& height)
{
    std::vector<std::string> lines;
    if (!ReadHead(path, 100, lines))
        return RinexHeaderResult::Unreadable;
    for (const std::string& line : lines) {
        if (line.find("ANTENNA: DELTA H/E/N") == std::string::npos)
            continue;
        double value = 0.0;
        std::string_view rest;
        if (!LeadingNumber(line, value, rest) || !(value > 0.0))
            return RinexHeaderResult::Missing;
        height = value;
        return RinexHeaderResult::Found;
    }
    return RinexHeaderResult::Missing;
}

} // namespace kvui
