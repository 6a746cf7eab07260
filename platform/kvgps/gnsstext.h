#pragma once

#include "kvgps/interpolatepos.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Reading helpers shared by the GNSS text formats of kvgps (not exported).
namespace kvgps::text {

// Lines of a text file, without their line ends ("\n" or "\r\n") and without
// a UTF-8 byte-order mark at the start. Only a regular file of at most
// maxBytes opens: a folder, a pipe or a device is not a file to read, and a
// pipe without a writer must not block the caller. A line longer than
// kMaxLine, a read error or a file that grows beyond maxBytes while it is
// read ends the reading and marks the file as damaged, so that a file that is
// not text cannot make a single line fill the memory.
class LineReader
{
public:
    static constexpr std::size_t kMaxLine = 64 * 1024;
    static constexpr std::uint64_t kMaxFileBytes = std::uint64_t(1) << 30;

    explicit LineReader(const std::string& path, std::uint64_t maxBytes = kMaxFileBytes);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    // The next line; false at the end of the file or at damage.
    bool Next(std::string& line);
    bool Damaged() const { return m_damaged; }
    // The file was (or grew) larger than maxBytes: it did not open, or it is
    // damaged.
    bool TooLarge() const { return m_tooLarge; }
    // Damaged by a line longer than kMaxLine: the line Line() + 1.
    bool LineTooLong() const { return m_lineTooLong; }
    // How many lines Next gave so far: the number of the last one.
    long long Line() const { return m_line; }

private:
    // Refills the buffer; false at the end of the file or at damage.
    bool Fill();

    int m_fd = -1;
    std::uint64_t m_maxBytes = 0;
    std::uint64_t m_read = 0;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_first = true;
    bool m_damaged = false;
    bool m_tooLarge = false;
    bool m_lineTooLong = false;
    long long m_line = 0;
};

// Why reader did not open or stopped short of the end of its file: the file
// is too large, a line too long (the line after the last one read), or the
// file cannot be read. Sets error's reason and line; always false.
bool ReaderFailure(const LineReader& reader, InterpolateError& error);

// The text without the comment that a '#' starts, split at blanks, tabs and
// commas; empty fields are dropped.
std::vector<std::string_view> SplitFields(std::string_view line);

// The whole text as a finite number (C syntax, a '.' decimal point, no blanks).
bool ToNumber(std::string_view text, double& value);
// The whole text as an integer.
bool ToInteger(std::string_view text, long long& value);

// Columns first to first + count - 1 (counted from 0) of a fixed-column
// record, trimmed of blanks; empty where the line is shorter.
std::string_view Column(std::string_view line, std::size_t first, std::size_t count);

// Seconds since the GPS time origin (1980-01-06 00:00:00) of a calendar date
// and time of day; false when a field is out of its range.
bool GpsSeconds(long long year, long long month, long long day, long long hour, long long minute,
                double second, double& seconds);

constexpr double kSecondsPerWeek = 604800.0;

} // namespace kvgps::text
