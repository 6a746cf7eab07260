#include "imagery/posfile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <new>
#include <sys/stat.h>
#include <system_error>

namespace kvui {

namespace {

constexpr std::size_t kBlock = std::size_t(1) << 20;

// Reads the whole file; false when it cannot be opened or a read fails (a
// folder opens but does not read).
bool ReadWholeFile(const std::string& path, std::string& data)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    // A regular file is read in one piece of its size; what else there is
    // (a file that grows meanwhile, a pipe) comes in blocks.
    struct stat info = {};
    std::size_t want = kBlock;
    if (::fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        want = std::size_t(info.st_size);
    bool ok = true;
    for (;;) {
        const std::size_t used = data.size();
        data.resize(used + want);
        const std::size_t got = std::fread(&data[used], 1, want, file);
        data.resize(used + got);
        if (got < want) {
            ok = !std::ferror(file);
            break;
        }
        want = kBlock;
    }
    std::fclose(file);
    return ok;
}

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

// Calls add(begin, size) for every field of [p, end).
template <class Add> void ForEachField(const char* p, const char* end, Add add)
{
    static const std::array<bool, 256> separators = MakeSeparators();
    const char* field = nullptr;
    for (; p != end; ++p) {
        if (!separators[static_cast<unsigned char>(*p)]) {
            if (!field)
                field = p;
        } else if (field) {
            add(field, std::size_t(p - field));
            field = nullptr;
        }
    }
    if (field)
        add(field, std::size_t(end - field));
}

void Split(const char* begin, const char* end, std::vector<std::vector<std::string>>& rows)
{
    // Every vector gets its exact size up front (the fields of a line are
    // counted before they are copied): fresh memory is what reading a large
    // file costs most.
    std::size_t lines = 1;
    for (const char* p = begin;
         (p = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)))); ++p)
        ++lines;
    rows.reserve(lines);

    for (const char* p = begin; p != end;) {
        const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        if (!lineEnd)
            lineEnd = end;
        std::size_t count = 0;
        ForEachField(p, lineEnd, [&count](const char*, std::size_t) { ++count; });
        if (count) {
            std::vector<std::string> row;
            row.reserve(count);
            ForEachField(p, lineEnd, [&row](const char* field, std::size_t size) {
                row.emplace_back(field, size);
            });
            rows.push_back(std::move(row));
        }
        p = lineEnd == end ? end : lineEnd + 1;
    }
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
    // A file too large for memory is a file that cannot be read.
    try {
        std::string data;
        if (!ReadWholeFile(path, data))
            return false;
        const char* begin = data.data();
        const char* end = begin + data.size();
        if (data.compare(0, 3, "\xEF\xBB\xBF") == 0)
            begin += 3;
        std::vector<std::vector<std::string>> read;
        Split(begin, end, read);
        rows.swap(read);
        return true;
    } catch (const std::bad_alloc&) {
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
