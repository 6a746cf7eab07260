#include "imagery/posfile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <locale.h>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kvui {

namespace {

// Larger files, or files with more fields, are not read: their rows would
// take several times the memory of the file (each field is a string, each row
// a vector), and no survey comes near these sizes.
constexpr std::uint64_t kMaxFileBytes = std::uint64_t(1) << 30;
constexpr std::uint64_t kMaxFields = std::uint64_t(1) << 25;
constexpr std::size_t kChunk = std::size_t(1) << 20;

// Tab, line feed, carriage return, space, comma and semicolon end a field.
// Carriage returns are the rest of CRLF (or CR CR LF) line ends; NUL bytes are
// junk that must not end up inside a field, where every C-string use of it
// would cut it short.
std::array<bool, 256> MakeSeparators()
{
    std::array<bool, 256> separators {};
    for (unsigned char c : {'\t', '\n', '\r', ' ', ',', ';', '\0'})
        separators[c] = true;
    return separators;
}

const std::array<bool, 256>& Separators()
{
    static const std::array<bool, 256> separators = MakeSeparators();
    return separators;
}

// A POS file read in chunks, so that memory holds the rows but never the
// whole file; it is read twice, first to count and then to store.
class ChunkedFile
{
public:
    ChunkedFile() = default;
    ChunkedFile(const ChunkedFile&) = delete;
    ChunkedFile& operator=(const ChunkedFile&) = delete;
    ~ChunkedFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    // Only a regular file opens: a folder, a device such as /dev/zero or a
    // pipe has no end to read to. O_NONBLOCK, because opening a FIFO without
    // a writer would wait for one before fstat could turn it away.
    bool Open(const std::string& path)
    {
        m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        struct stat info = {};
        if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0
            || std::uint64_t(info.st_size) > kMaxFileBytes)
            return false;
        m_buffer.reset(new char[kChunk]);
        char head[3];
        m_start = ReadAt(head, 3, 0) == 3 && std::memcmp(head, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
        return true;
    }

    // Feeds the fields of the file to sink: sink.Field(p, n) for a field
    // within one chunk; sink.Begin(length), sink.Part(p, n) for each piece and
    // sink.End() for one that runs across chunks; sink.EndLine() at every line
    // feed and at the end. False when a read fails, the file grows beyond the
    // limit or the sink has had too much.
    template <class Sink> bool Scan(Sink& sink)
    {
        const std::array<bool, 256>& separators = Separators();
        std::uint64_t offset = m_start;
        bool split = false; // a field runs on from the previous chunk
        for (;;) {
            const long long got = ReadAt(m_buffer.get(), kChunk, offset);
            if (got < 0)
                return false;
            if (got == 0)
                break;
            offset += std::uint64_t(got);
            if (offset > kMaxFileBytes)
                return false;
            const char* p = m_buffer.get();
            const char* const end = p + got;
            const char* field = split ? p : nullptr;
            for (; p != end; ++p) {
                const auto c = static_cast<unsigned char>(*p);
                if (!separators[c]) {
                    if (!field)
                        field = p;
                    continue;
                }
                if (field) {
                    if (split) {
                        sink.Part(field, std::size_t(p - field));
                        sink.End();
                        split = false;
                    } else {
                        sink.Field(field, std::size_t(p - field));
                    }
                    field = nullptr;
                }
                if (c == '\n')
                    sink.EndLine();
            }
            if (field) {
                if (!split) {
                    std::uint64_t rest = 0;
                    if (Sink::kNeedsLength && !RestOfField(offset, rest))
                        return false;
                    sink.Begin(std::size_t(end - field) + std::size_t(rest));
                    split = true;
                }
                sink.Part(field, std::size_t(end - field));
            }
            if (!sink.Ok())
                return false;
        }
        if (split)
            sink.End();
        sink.EndLine();
        return sink.Ok();
    }

private:
    long long ReadAt(char* buffer, std::size_t size, std::uint64_t offset) const
    {
        for (;;) {
            const ssize_t got = ::pread(m_fd, buffer, size, off_t(offset));
            if (got >= 0 || errno != EINTR)
                return got;
        }
    }

    // The length of the field that continues at offset: read ahead once, so
    // that a field of many chunks gets its memory in one piece instead of
    // growing into twice its size.
    bool RestOfField(std::uint64_t offset, std::uint64_t& length)
    {
        const std::array<bool, 256>& separators = Separators();
        if (!m_ahead)
            m_ahead.reset(new char[kChunk]);
        length = 0;
        for (;;) {
            const long long got = ReadAt(m_ahead.get(), kChunk, offset + length);
            if (got < 0)
                return false;
            const char* p = m_ahead.get();
            const char* const end = p + got;
            while (p != end && !separators[static_cast<unsigned char>(*p)])
                ++p;
            length += std::uint64_t(p - m_ahead.get());
            if (p != end || got == 0)
                return true;
            if (offset + length > kMaxFileBytes)
                return false;
        }
    }

    int m_fd = -1;
    std::uint64_t m_start = 0; // after a byte-order mark
    std::unique_ptr<char[]> m_buffer;
    std::unique_ptr<char[]> m_ahead;
};

// The first pass: how many rows and fields there will be.
struct CountSink
{
    static constexpr bool kNeedsLength = false;
    std::uint64_t rows = 0;
    std::uint64_t fields = 0;
    bool lineHasField = false;

    void Field(const char*, std::size_t)
    {
        ++fields;
        lineHasField = true;
    }
    void Begin(std::size_t) { }
    void Part(const char*, std::size_t) { }
    void End() { Field(nullptr, 0); }
    void EndLine()
    {
        rows += lineHasField;
        lineHasField = false;
    }
    bool Ok() const { return fields <= kMaxFields; }
};

// The second pass. It writes into rows as it finds them, reusing the vectors
// and strings already there: fresh memory is what reading a large file costs
// most, several times the splitting itself. Rows beyond the file's are
// dropped at the end.
struct StoreSink
{
    static constexpr bool kNeedsLength = true;
    explicit StoreSink(std::vector<std::vector<std::string>>& target)
        : rows(target)
    { }

    std::vector<std::vector<std::string>>& rows;
    std::size_t used = 0;      // rows of the file so far
    std::size_t lineField = 0; // fields of the current line so far
    std::string pending;
    std::uint64_t fields = 0;

    std::string& Next()
    {
        if (lineField == 0 && used == rows.size())
            rows.emplace_back();
        std::vector<std::string>& row = rows[used];
        ++fields;
        if (lineField == row.size())
            row.emplace_back();
        return row[lineField++];
    }
    void Field(const char* p, std::size_t n) { Next().assign(p, n); }
    void Begin(std::size_t length)
    {
        pending = std::string();
        pending.reserve(length);
    }
    void Part(const char* p, std::size_t n) { pending.append(p, n); }
    void End()
    {
        Next() = std::move(pending);
        pending = std::string();
    }
    void EndLine()
    {
        if (lineField == 0)
            return;
        rows[used].resize(lineField);
        ++used;
        lineField = 0;
    }
    void Finish() { rows.resize(used); }
    // The file may have changed since it was counted.
    bool Ok() const { return fields <= kMaxFields; }
};

// The rows a thread read before its last read, kept for the next one to
// reuse (see StoreSink), up to this many fields (some 32 MB).
constexpr std::uint64_t kMaxSpareFields = std::uint64_t(1) << 20;

std::vector<std::vector<std::string>>& Spare()
{
    static thread_local std::vector<std::vector<std::string>> spare;
    return spare;
}

void KeepAsSpare(std::vector<std::vector<std::string>>& rows)
{
    std::uint64_t fields = 0;
    for (const std::vector<std::string>& row : rows)
        fields += row.capacity();
    if (fields <= kMaxSpareFields)
        Spare().swap(rows);
    else
        Spare() = std::vector<std::vector<std::string>>();
}

enum class Column { Ignore, Id, X, Y, Z, Omega, Phi, NegativePhi, Kappa };

Column ColumnOf(const QString& label)
{
    static const std::pair<const char*, Column> kLabels[] = {{"ID", Column::Id},
                                                             {"X", Column::X},
                                                             {"Y", Column::Y},
                                                             {"Z", Column::Z},
                                                             {"Omega", Column::Omega},
                                                             {"Phi", Column::Phi},
                                                             {"-Phi", Column::NegativePhi},
                                                             {"Kappa", Column::Kappa}};
    for (const auto& entry : kLabels) {
        if (label == QLatin1String(entry.first))
            return entry.second;
    }
    return Column::Ignore;
}

} // namespace

bool ReadPosRows(const std::string& path, std::vector<std::vector<std::string>>& rows)
{
    // A file too large for memory is a file that cannot be read; nothing
    // may reach the dialog that asked.
    try {
        ChunkedFile file;
        CountSink count;
        if (!file.Open(path) || !file.Scan(count))
            return false;
        std::vector<std::vector<std::string>> read;
        read.swap(Spare());
        read.reserve(std::size_t(count.rows));
        StoreSink store {read};
        const bool ok = file.Scan(store);
        store.Finish();
        if (ok)
            rows.swap(read);
        // The rows replaced (or those of a failed read) are what the next
        // read reuses.
        KeepAsSpare(read);
        return ok;
    } catch (...) {
        return false;
    }
}

double PosNumber(const std::string& field)
{
    // Plain decimal numbers, nearly every field of a POS file, go through
    // from_chars: locale-free, and several times faster than strtod. Both
    // round correctly, so the values are the same. Anything else (a leading
    // '+' or white space, hexadecimal, out of range, no number) is left to
    // strtod.
    const char* begin = field.data();
    const char* end = begin + field.size();
    if (begin != end
        && (std::isdigit(static_cast<unsigned char>(*begin)) || *begin == '-' || *begin == '.')) {
        const char* digits = begin + (*begin == '-' ? 1 : 0);
        const bool hex
            = end - digits > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
        double value = 0.0;
        if (!hex && std::from_chars(begin, end, value).ec == std::errc())
            return value;
    }
    // Qt programs run with the user's LC_NUMERIC, whose decimal point may be a
    // comma; POS files always use a full stop.
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", locale_t(0));
    if (cLocale)
        return ::strtod_l(field.c_str(), nullptr, cLocale);
    return std::strtod(field.c_str(), nullptr);
}

std::vector<PosData> MakePosDatas(const std::vector<std::vector<std::string>>& rows, int beginLine,
                                  const QStringList& labels, bool degrees)
{
    std::vector<PosData> records;
    const std::size_t first = beginLine > 1 ? std::size_t(beginLine) - 1 : 0;
    if (first >= rows.size())
        return records;

    std::vector<Column> columns;
    columns.reserve(std::size_t(labels.size()));
    for (const QString& label : labels)
        columns.push_back(ColumnOf(label));

    records.reserve(rows.size() - first);
    for (std::size_t r = first; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        PosData record;
        kvfd::EOP& eop = record.eop;
        const std::size_t n = std::min(row.size(), columns.size());
        for (std::size_t c = 0; c < n; ++c) {
            switch (columns[c]) {
            case Column::Ignore:
                break;
            case Column::Id:
                record.name = row[c];
                break;
            case Column::X:
                eop.X = PosNumber(row[c]);
                break;
            case Column::Y:
                eop.Y = PosNumber(row[c]);
                break;
            case Column::Z:
                eop.Z = PosNumber(row[c]);
                break;
            case Column::Omega:
                eop.Omega = PosNumber(row[c]);
                break;
            case Column::Phi:
                eop.Phi = PosNumber(row[c]);
                break;
            case Column::NegativePhi:
                eop.Phi = -PosNumber(row[c]);
                break;
            case Column::Kappa:
                eop.Kappa = PosNumber(row[c]);
                break;
            }
        }
        records.push_back(std::move(record));
    }

    if (degrees) {
        constexpr double kRadiansPerDegree = 0.017453292519943295;
        for (PosData& record : records) {
            record.eop.Omega *= kRadiansPerDegree;
            record.eop.Phi *= kRadiansPerDegree;
            record.eop.Kappa *= kRadiansPerDegree;
        }
    }
    return records;
}

} // namespace kvui
