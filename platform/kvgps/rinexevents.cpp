#include "rinexevents.h"

#include "gnsstext.h"

#include <new>
#include <string_view>

namespace kvgps {

namespace {

using text::Column;

constexpr std::size_t kLabelColumn = 60;
constexpr int kEventFlag = 5;

std::string_view Label(std::string_view line)
{
    return Column(line, kLabelColumn, 20);
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool IsBlank(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

// Seconds to add to an epoch of the file's time system to get GPS time.
bool TimeSystemOffset(std::string_view system, double& offset)
{
    if (system.empty() || system == "GPS" || system == "GAL" || system == "QZS"
        || system == "IRN") {
        offset = 0.0;
        return true;
    }
    if (system == "BDT") {
        offset = 14.0;
        return true;
    }
    return false; // GLONASS and UTC time differ from GPS time by leap seconds
}

using Reason = InterpolateError::Reason;

// Records why reading stopped; false, for the caller to return.
bool Fail(InterpolateError& error, Reason reason, long long line = 0)
{
    error.reason = reason;
    error.line = line;
    return false;
}

struct Header
{
    int major = 0;
    long long observationTypes = 0; // RINEX 2: lines per satellite follow from it
    double timeOffset = 0.0;
};

bool ReadHeader(text::LineReader& reader, Header& header, InterpolateError& error)
{
    std::string line;
    if (!reader.Next(line))
        return reader.Damaged() ? text::ReaderFailure(reader, error)
                                : Fail(error, InterpolateError::NotRinex);
    if (!StartsWith(Label(line), "RINEX VERSION / TYPE"))
        return Fail(error, InterpolateError::NotRinex);
    double version = 0.0;
    // The range is checked before the conversion: a version such as 1e300 has
    // no int.
    if (!text::ToNumber(Column(line, 0, 9), version) || Column(line, 20, 1) != "O"
        || !(version >= 2.0 && version < 4.0))
        return Fail(error, InterpolateError::NotRinex);
    header.major = int(version);

    std::string_view system;
    std::string timeLine;
    while (reader.Next(line)) {
        const std::string_view label = Label(line);
        if (StartsWith(label, "END OF HEADER")) {
            if (!timeLine.empty())
                system = Column(timeLine, 48, 3);
            if (!TimeSystemOffset(system, header.timeOffset))
                return Fail(error, InterpolateError::TimeSystem);
            // RINEX 2 cannot be read without the number of observation types.
            return header.major != 2 || header.observationTypes > 0
                ? true
                : Fail(error, InterpolateError::NotRinex);
        }
        // RINEX 2 continues the list of types on further lines with a blank count.
        if (StartsWith(label, "# / TYPES OF OBSERV") && header.observationTypes == 0) {
            if (!text::ToInteger(Column(line, 0, 6), header.observationTypes)
                || header.observationTypes < 0 || header.observationTypes > 999)
                return Fail(error, InterpolateError::BadLine, reader.Line());
        } else if (StartsWith(label, "TIME OF FIRST OBS")) {
            timeLine = line;
        }
    }
    return reader.Damaged() ? text::ReaderFailure(reader, error)
                            : Fail(error, InterpolateError::Truncated);
}

bool Integer(std::string_view field, long long& value)
{
    return text::ToInteger(field, value);
}

// The epoch of an epoch line; the columns differ between the versions.
bool EpochTime(const std::string& line, int major, double& seconds)
{
    long long year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double second = 0.0;
    const bool v3 = major == 3;
    if (!Integer(v3 ? Column(line, 2, 4) : Column(line, 1, 2), year)
        || !Integer(Column(line, v3 ? 7 : 4, 2), month)
        || !Integer(Column(line, v3 ? 10 : 7, 2), day)
        || !Integer(Column(line, v3 ? 13 : 10, 2), hour)
        || !Integer(Column(line, v3 ? 16 : 13, 2), minute)
        || !text::ToNumber(Column(line, v3 ? 18 : 15, 11), second))
        return false;
    if (!v3)
        year += year < 80 ? 2000 : 1900;
    return text::GpsSeconds(year, month, day, hour, minute, second, seconds);
}

bool Skip(text::LineReader& reader, long long lines)
{
    std::string line;
    for (long long i = 0; i < lines; ++i) {
        if (!reader.Next(line))
            return false; // the file ends inside a record
    }
    return true;
}

bool ReadEvents(const std::string& path, std::vector<double>& events, InterpolateError& error)
{
    events.clear();
    text::LineReader reader(path, kMaxRinexBytes);
    if (!reader.IsOpen())
        return text::ReaderFailure(reader, error);
    Header header;
    if (!ReadHeader(reader, header, error))
        return false;

    const bool v3 = header.major == 3;
    // RINEX 2 wraps five observations to a line.
    const long long linesPerSatellite = v3 ? 1 : (header.observationTypes + 4) / 5;
    std::string line;
    while (reader.Next(line)) {
        if (IsBlank(line))
            continue;
        if (v3 && line[0] != '>')
            return Fail(error, InterpolateError::BadLine, reader.Line());
        long long flag = 0, count = 0;
        if (!Integer(Column(line, v3 ? 31 : 28, 1), flag)
            || !Integer(Column(line, v3 ? 32 : 29, 3), count) || flag < 0 || flag > 6 || count < 0)
            return Fail(error, InterpolateError::BadLine, reader.Line());

        long long follow = count; // header records of flags 2 to 5
        if (flag <= 1 || flag == 6) {
            // Observations (or cycle slips, written as observations). RINEX 2
            // lists twelve satellites on the epoch line and the rest on
            // continuation lines.
            follow = count * linesPerSatellite;
            if (!v3 && count > 12)
                follow += (count - 1) / 12;
        } else if (flag == kEventFlag) {
            double seconds = 0.0;
            if (!EpochTime(line, header.major, seconds))
                return Fail(error, InterpolateError::BadLine, reader.Line());
            if (events.size() >= kMaxRinexEvents)
                return Fail(error, InterpolateError::TooLarge);
            events.push_back(seconds + header.timeOffset);
        }
        if (!Skip(reader, follow))
            return reader.Damaged() ? text::ReaderFailure(reader, error)
                                    : Fail(error, InterpolateError::Truncated);
    }
    return reader.Damaged() ? text::ReaderFailure(reader, error) : true;
}

} // namespace

bool ReadRinexEvents(const std::string& path, std::vector<double>& events, InterpolateError* error)
{
    InterpolateError ignored;
    InterpolateError& why = error ? *error : ignored;
    try {
        return ReadEvents(path, events, why);
    } catch (const std::bad_alloc&) {
        return Fail(why, InterpolateError::OutOfMemory);
    } catch (...) {
        return Fail(why, InterpolateError::Unreadable);
    }
}

} // namespace kvgps
