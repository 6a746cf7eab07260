#include "kvgps/interpolatepos.h"

#include "gnsstext.h"
#include "kvgps/gpshelper.h"
#include "rinexevents.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <new>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kvgps {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;
// Larger angles and lever arms are no attitude and no aircraft: they would
// only overflow the arithmetic into infinities and write "nan".
constexpr double kMaxAngle = 1.0e6;
constexpr double kMaxOffset = 1.0e6;
// Bounds on what a table may hold in memory: ten hours of a 200 Hz trajectory
// are 7.2 million epochs.
constexpr std::size_t kMaxEpochs = std::size_t(1) << 23;

using Fields = std::vector<std::string_view>;
using Matrix = double[3][3];

// One trajectory epoch: the antenna position and, when the file has them,
// roll, pitch and heading in degrees.
struct Epoch
{
    double time = 0.0;  // GPS seconds since 1980-01-06
    double llh[3] = {}; // longitude, latitude (degrees), height (metres)
    double xyz[3] = {};
    double attitude[3] = {};
};

// One record of the block-adjusted POS file.
struct BARecord
{
    std::string name;
    double opk[3] = {}; // omega, phi, kappa in degrees
};

// "YYYY-MM-DD" or "YYYY/MM/DD"
bool Date(std::string_view text, long long* ymd)
{
    const char separator = text.find('-', 1) != std::string_view::npos ? '-' : '/';
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? text.find(separator) : text.size();
        if (end == std::string_view::npos || !text::ToInteger(text.substr(0, end), ymd[i]))
            return false;
        text.remove_prefix(i < 2 ? end + 1 : end);
    }
    return true;
}

// "hh:mm:ss.sss"
bool TimeOfDay(std::string_view text, long long& hour, long long& minute, double& second)
{
    const std::size_t first = text.find(':');
    const std::size_t last = text.rfind(':');
    if (first == std::string_view::npos || first == last)
        return false;
    return text::ToInteger(text.substr(0, first), hour)
        && text::ToInteger(text.substr(first + 1, last - first - 1), minute)
        && text::ToNumber(text.substr(last + 1), second);
}

// The time of a trajectory line from its first two fields.
bool EpochTime(std::string_view first, std::string_view second, double& time)
{
    if (first.find_first_of("-/", 1) != std::string_view::npos) {
        long long date[3] = {};
        long long hour = 0, minute = 0;
        double seconds = 0.0;
        return Date(first, date) && TimeOfDay(second, hour, minute, seconds)
            && text::GpsSeconds(date[0], date[1], date[2], hour, minute, seconds, time);
    }
    long long week = 0;
    double sow = 0.0;
    if (!text::ToInteger(first, week) || !text::ToNumber(second, sow) || week < 0 || week > 20000
        || sow < 0.0 || sow >= text::kSecondsPerWeek)
        return false;
    time = double(week) * text::kSecondsPerWeek + sow;
    return true;
}

bool ParseEpoch(const Fields& fields, Epoch& epoch)
{
    if (fields.size() != 5 && fields.size() != 8)
        return false;
    double lat = 0.0, lon = 0.0, h = 0.0;
    if (!EpochTime(fields[0], fields[1], epoch.time) || !text::ToNumber(fields[2], lat)
        || !text::ToNumber(fields[3], lon) || !text::ToNumber(fields[4], h) || std::fabs(lat) > 90.0
        || std::fabs(lon) > 360.0 || std::fabs(h) > 1.0e6)
        return false;
    epoch.llh[0] = lon > 180.0 ? lon - 360.0 : lon;
    epoch.llh[1] = lat;
    epoch.llh[2] = h;
    for (std::size_t i = 5; i < fields.size(); ++i) {
        if (!text::ToNumber(fields[i], epoch.attitude[i - 5])
            || std::fabs(epoch.attitude[i - 5]) > kMaxAngle)
            return false;
    }
    GPSHelper::LL2ECEF(epoch.llh, epoch.xyz);
    return true;
}

bool ParseBARecord(const Fields& fields, BARecord& record)
{
    if (fields.size() != 4 && fields.size() != 7)
        return false;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        double value = 0.0;
        if (!text::ToNumber(fields[i], value) || (i >= 4 && std::fabs(value) > kMaxAngle))
            return false;
        if (i >= 4)
            record.opk[i - 4] = value;
    }
    record.name = std::string(fields[0]);
    return true;
}

// Reads the lines of a text table: lines before the first record are a
// header; after it every line must be a record with the same field count.
// width receives that count and count the number of records; only the first
// maxRecords are kept. error receives why the table cannot be read.
template <class Record, class Parse>
bool ReadTable(const std::string& path, Parse parse, std::size_t maxRecords,
               std::vector<Record>& records, std::size_t& width, std::size_t& count,
               InterpolateError& error)
{
    text::LineReader reader(path);
    if (!reader.IsOpen())
        return text::ReaderFailure(reader, error);
    width = 0;
    count = 0;
    std::string line;
    while (reader.Next(line)) {
        const Fields fields = text::SplitFields(line);
        if (fields.empty())
            continue;
        Record record;
        const bool ok = parse(fields, record);
        if (width == 0) {
            if (!ok)
                continue;
            width = fields.size();
        } else if (!ok || fields.size() != width) {
            error.reason = InterpolateError::BadLine;
            error.line = reader.Line();
            return false;
        }
        if (count++ < maxRecords)
            records.push_back(std::move(record));
    }
    if (reader.Damaged())
        return text::ReaderFailure(reader, error);
    if (count == 0) {
        error.reason = InterpolateError::NoRecords;
        return false;
    }
    return true;
}

bool ReadTrajectory(const std::string& path, std::vector<Epoch>& epochs, bool& attitude,
                    InterpolateError& error)
{
    std::size_t width = 0;
    std::size_t count = 0;
    if (!ReadTable(path, ParseEpoch, kMaxEpochs, epochs, width, count, error))
        return false;
    if (count > kMaxEpochs) {
        error.reason = InterpolateError::TooLarge;
        return false;
    }
    attitude = width == 8;
    std::stable_sort(epochs.begin(), epochs.end(),
                     [](const Epoch& a, const Epoch& b) { return a.time < b.time; });
    epochs.erase(std::unique(epochs.begin(), epochs.end(),
                             [](const Epoch& a, const Epoch& b) { return a.time == b.time; }),
                 epochs.end());
    return true;
}

double WrapDegrees(double angle)
{
    return angle - 360.0 * std::floor((angle + 180.0) / 360.0);
}

// The antenna at time t; false when the trajectory does not cover t.
bool Interpolate(const std::vector<Epoch>& epochs, double t, Epoch& at)
{
    const auto next = std::lower_bound(epochs.begin(), epochs.end(), t,
                                       [](const Epoch& e, double time) { return e.time < time; });
    if (next == epochs.end())
        return false;
    if (next->time == t) {
        at = *next;
        return true;
    }
    if (next == epochs.begin())
        return false;
    const Epoch& a = *(next - 1);
    const Epoch& b = *next;
    const double w = (t - a.time) / (b.time - a.time);
    at.time = t;
    for (int i = 0; i < 3; ++i) {
        at.xyz[i] = a.xyz[i] + w * (b.xyz[i] - a.xyz[i]);
        at.attitude[i] = a.attitude[i] + w * WrapDegrees(b.attitude[i] - a.attitude[i]);
    }
    GPSHelper::ECEF2LL(at.xyz, at.llh);
    return true;
}

void Multiply(const Matrix& a, const Matrix& b, Matrix& out)
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            out[r][c] = a[r][0] * b[0][c] + a[r][1] * b[1][c] + a[r][2] * b[2][c];
}

void RotationX(double a, Matrix& m)
{
    const double c = std::cos(a), s = std::sin(a);
    const Matrix r = {{1, 0, 0}, {0, c, -s}, {0, s, c}};
    std::copy(&r[0][0], &r[0][0] + 9, &m[0][0]);
}

void RotationY(double a, Matrix& m)
{
    const double c = std::cos(a), s = std::sin(a);
    const Matrix r = {{c, 0, s}, {0, 1, 0}, {-s, 0, c}};
    std::copy(&r[0][0], &r[0][0] + 9, &m[0][0]);
}

void RotationZ(double a, Matrix& m)
{
    const double c = std::cos(a), s = std::sin(a);
    const Matrix r = {{c, -s, 0}, {s, c, 0}, {0, 0, 1}};
    std::copy(&r[0][0], &r[0][0] + 9, &m[0][0]);
}

// first * second * third
void Compose(const Matrix& first, const Matrix& second, const Matrix& third, Matrix& out)
{
    Matrix partial;
    Multiply(first, second, partial);
    Multiply(partial, third, out);
}

// The camera's offset from the antenna in earth-centred axes.
void OffsetToEcef(const double* offset, const Matrix& bodyToEnu, const double* llh, double* delta)
{
    double enu[3];
    for (int r = 0; r < 3; ++r)
        enu[r] = bodyToEnu[r][0] * offset[0] + bodyToEnu[r][1] * offset[1]
            + bodyToEnu[r][2] * offset[2];
    const double lon = llh[0] * kDeg, lat = llh[1] * kDeg;
    const double sl = std::sin(lon), cl = std::cos(lon), sp = std::sin(lat), cp = std::cos(lat);
    delta[0] = -sl * enu[0] - sp * cl * enu[1] + cp * cl * enu[2];
    delta[1] = cl * enu[0] - sp * sl * enu[1] + cp * sl * enu[2];
    delta[2] = cp * enu[1] + sp * enu[2];
}

void Append(std::string& out, double value, int decimals)
{
    // Room for every double in fixed notation: sign, 309 digits, point and
    // the decimals.
    char buffer[std::numeric_limits<double>::max_exponent10 + 32];
    // to_chars, unlike printf, does not follow the process locale's decimal comma.
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec == std::errc())
        out.append(buffer, result.ptr);
}

bool WriteAll(int fd, const std::string& content)
{
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t done = ::write(fd, p, left);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        p += done;
        left -= std::size_t(done);
    }
    return true;
}

// Replaces the file at path with content. The content goes to a new file in
// the same folder that is renamed over path only once it is complete, so a
// run that fails leaves an earlier output as it was and removes nothing but
// its own file. An output that is a link is followed to its file. What is
// not a regular file (a folder, a pipe) and a file without write permission
// are not replaced: the operator did not mean them as outputs.
bool WriteOutput(const std::string& path, const std::string& content)
{
    std::string target = path;
    struct stat old = {};
    bool replace = false;
    if (::lstat(path.c_str(), &old) == 0) {
        if (S_ISLNK(old.st_mode)) {
            char* resolved = ::realpath(path.c_str(), nullptr);
            if (!resolved)
                return false; // a dangling link
            target = resolved;
            std::free(resolved);
            if (::stat(target.c_str(), &old) != 0)
                return false;
        }
        // Checked by mode as well: access() grants root everything.
        if (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0
            || ::access(target.c_str(), W_OK) != 0)
            return false;
        replace = true;
    } else if (errno != ENOENT) {
        return false;
    }

    static std::atomic<unsigned> counter {0};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary
            = target + ".writing-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        // O_EXCL: a file of that name that someone else left is not ours to
        // overwrite or remove.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, content) && (!replace || ::fchmod(fd, old.st_mode & 07777) == 0)
        && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

bool Fail(InterpolateError& error, InterpolateError::Reason reason, InterpolateError::File file)
{
    error.reason = reason;
    error.file = file;
    return false;
}

bool Run(const std::string& rinex, const std::string& trajectory, const std::string& baPos,
         const std::string& output, const double* offset, InterpolateError& error)
{
    const double lever[3]
        = {offset ? offset[0] : 0.0, offset ? offset[1] : 0.0, offset ? offset[2] : 0.0};
    for (double v : lever) {
        if (!(std::fabs(v) <= kMaxOffset)) // NaN too
            return Fail(error, InterpolateError::BadOffset, InterpolateError::NoFile);
    }
    if (output.empty())
        return Fail(error, InterpolateError::NoOutput, InterpolateError::Output);

    std::vector<double> events;
    error.file = InterpolateError::Rinex;
    if (!ReadRinexEvents(rinex, events, &error))
        return false;
    if (events.empty())
        return Fail(error, InterpolateError::NoEvents, InterpolateError::Rinex);
    std::vector<Epoch> epochs;
    bool hasAttitude = false;
    error.file = InterpolateError::Trajectory;
    if (!ReadTrajectory(trajectory, epochs, hasAttitude, error))
        return false;
    // Names are given to events by their order, so a file that holds more or
    // fewer records than there are events would put names on the wrong images.
    std::vector<BARecord> records;
    std::size_t baWidth = 0;
    if (!baPos.empty()) {
        std::size_t count = 0;
        error.file = InterpolateError::BAPos;
        if (!ReadTable(baPos, ParseBARecord, events.size(), records, baWidth, count, error))
            return false;
        if (count != events.size()) {
            error.records = count;
            error.events = events.size();
            return Fail(error, InterpolateError::RecordCount, InterpolateError::BAPos);
        }
    }
    const bool baAngles = baWidth == 7;

    std::string content = baAngles || !hasAttitude
        ? "name longitude latitude height omega phi kappa\n"
        : "name longitude latitude height roll pitch heading\n";
    std::size_t written = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
        Epoch antenna;
        if (!Interpolate(epochs, events[i], antenna))
            continue;
        Matrix rotation = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
        double angles[3] = {};
        Matrix a, b, c;
        if (baAngles) {
            std::copy(records[i].opk, records[i].opk + 3, angles);
            RotationX(angles[0] * kDeg, a);
            RotationY(angles[1] * kDeg, b);
            RotationZ(angles[2] * kDeg, c);
            Compose(a, b, c, rotation);
        } else if (hasAttitude) {
            std::copy(antenna.attitude, antenna.attitude + 3, angles);
            angles[2] -= 360.0 * std::floor(angles[2] / 360.0);
            RotationZ(-angles[2] * kDeg, a);
            RotationX(angles[1] * kDeg, b);
            RotationY(angles[0] * kDeg, c);
            Compose(a, b, c, rotation);
        }
        double delta[3], camera[3], llh[3];
        OffsetToEcef(lever, rotation, antenna.llh, delta);
        for (int k = 0; k < 3; ++k)
            camera[k] = antenna.xyz[k] + delta[k];
        GPSHelper::ECEF2LL(camera, llh);

        content += records.empty() ? std::to_string(i + 1) : records[i].name;
        const double values[6] = {llh[0], llh[1], llh[2], angles[0], angles[1], angles[2]};
        const int decimals[6] = {10, 10, 4, 6, 6, 6};
        for (int k = 0; k < 6; ++k) {
            content += ' ';
            Append(content, values[k], decimals[k]);
        }
        content += '\n';
        ++written;
    }
    if (written == 0)
        return Fail(error, InterpolateError::NotCovered, InterpolateError::Trajectory);
    if (!WriteOutput(output, content))
        return Fail(error, InterpolateError::WriteFailed, InterpolateError::Output);
    return true;
}

} // namespace

bool InterpolatePOS(std::string rinex, std::string trajectory, std::string baPos,
                    std::string output, double* offset)
{
    return InterpolatePOS(std::move(rinex), std::move(trajectory), std::move(baPos),
                          std::move(output), offset, nullptr);
}

bool InterpolatePOS(std::string rinex, std::string trajectory, std::string baPos,
                    std::string output, double* offset, InterpolateError* error)
{
    InterpolateError ignored;
    InterpolateError& why = error ? *error : ignored;
    why = InterpolateError();
    // Nothing may cross into the caller, a dialog's slot: not even a file too
    // large for the memory.
    try {
        if (Run(rinex, trajectory, baPos, output, offset, why)) {
            why = InterpolateError();
            return true;
        }
    } catch (const std::bad_alloc&) {
        why.reason = InterpolateError::OutOfMemory;
    } catch (...) {
        why.reason = InterpolateError::Unreadable;
    }
    return false;
}

} // namespace kvgps
