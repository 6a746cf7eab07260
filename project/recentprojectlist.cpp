#include "project/recentprojectlist.h"

#include "framework/kvshared.h"
#include "kvfd/pathhelper.h"
#include "kvprj/kvproject.h"
#include "project/inireader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QVariant>
#include <atomic>
#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

const char* const kListFile = "dp_project.ini";
const char* const kArray = "DP_PROJECT";
const char* const kPath = "PATH";
const char* const kName = "NAME";
const char* const kDate = "DATE";
const char* const kUser = "USER";
const char* const kDescription = "DESCRIPTION";

// A list change holds the lock for a few milliseconds; one that has waited this
// long is facing a dead holder on another machine or an unwritable folder.
constexpr int kLockWaitMs = 10000;
constexpr int kStaleLockMs = 10000;

// Some 130,000 projects. A larger file is no list this program wrote; it is
// neither read into memory nor overwritten.
constexpr qint64 kMaxListBytes = 64 * 1024 * 1024;

// A name beside the list file that no other writer uses. QSettings keeps its
// own "<file>.lock" while it writes a file.
QString LockPath()
{
    return ProjectManager::ConfigPath() + QStringLiteral(".kvlock");
}

// Serialises the read-modify-write of the list between threads and programs.
class ListLock
{
public:
    ListLock()
        : m_lock(LockPath())
    {
        m_lock.setStaleLockTime(kStaleLockMs);
        QElapsedTimer timer;
        timer.start();
        while (!m_lock.tryLock(0)) {
            if (m_lock.error() != QLockFile::LockFailedError || timer.elapsed() > kLockWaitMs) {
                qWarning("kvui: cannot lock the recent-project list; updating it unlocked");
                return;
            }
            QThread::msleep(3);
        }
    }

private:
    QLockFile m_lock;
};

// A name in the list's folder that nothing else uses, for the file written aside.
QString AsideName(const QString& base)
{
    static std::atomic<int> counter {0};
    return base
        + QStringLiteral(".write-%1-%2")
              .arg(QCoreApplication::applicationPid())
              .arg(counter.fetch_add(1));
}

// The number of an array element as QSettings names it ("1", "2", ...), or 0.
int ArrayIndex(const QStringRef& text)
{
    if (text.isEmpty() || text.size() > 10 || text.at(0) == QLatin1Char('0'))
        return 0;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
        value = value * 10 + (c.unicode() - '0');
    }
    return value <= INT_MAX ? int(value) : 0;
}

// The list as last read or written by this process, with the bytes of the
// file it came from. Parsing a long list costs many times more than reading
// its bytes, and the list changes on every save or close; a file that still
// holds the same bytes is taken from here instead. Comparing bytes, not time
// stamps, since another program may write the same size within one tick.
struct ParsedList
{
    QMutex mutex;
    QString path;
    QByteArray content;
    QList<PrjInfo> list;
    bool valid = false;
};

ParsedList& Parsed()
{
    static ParsedList parsed;
    return parsed;
}

void Remember(const QString& path, const QByteArray& content, const QList<PrjInfo>& list)
{
    ParsedList& parsed = Parsed();
    QMutexLocker lock(&parsed.mutex);
    parsed.path = path;
    parsed.content = content;
    parsed.list = list;
    parsed.valid = true;
}

bool Recall(const QString& path, const QByteArray& content, QList<PrjInfo>& list)
{
    ParsedList& parsed = Parsed();
    QMutexLocker lock(&parsed.mutex);
    if (!parsed.valid || parsed.path != path || parsed.content != content)
        return false;
    list = parsed.list;
    return true;
}

// Reads the file into list; false when it exists but cannot be read. The bytes
// are parsed in memory: reading must work in a full or read-only folder, and
// a parsed copy kept by QSettings could miss another program's write that
// left the file's size and time stamp as they were.
bool ReadList(QList<PrjInfo>& list)
{
    list.clear();
    const QString path = ProjectManager::ConfigPath();
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    // A folder or a device (a pipe would never end) holds no list to read.
    if (!info.isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > kMaxListBytes) {
        qWarning("kvui: the recent-project list is larger than %lld bytes and is not read",
                 kMaxListBytes);
        return false;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    if (!Recall(path, content, list)) {
        ProjectManager::ParseConfig(content, list);
        Remember(path, content, list);
    }
    return true;
}

// The most bytes AppendValue writes for text: six for a UTF-16 unit ("\xffff"),
// and the wrapper, a doubled '@' and two quotes.
qsizetype ValueBound(const QString& text)
{
    return qsizetype(text.size()) * 6 + 64;
}

char* AppendHex(char* out, uint unit)
{
    static const char kHex[] = "0123456789abcdef";
    *out++ = '\\';
    *out++ = 'x';
    int shift = 12;
    while (shift > 0 && (unit >> shift) == 0)
        shift -= 4;
    for (; shift >= 0; shift -= 4)
        *out++ = kHex[(unit >> shift) & 0xf];
    return out;
}

// One value as QSettings writes a string to an INI file without a codec: a
// leading '@' doubled, a string with a NUL character as "@String(...)", C escapes for control
// characters, "\x" and the UTF-16 unit for everything outside ASCII (a hex digit right after such
// an escape escaped too, so that it does not join it), and quotes around a value with
// ';', ',' or '=' or a blank at either end. Writes at out, which has room for
// ValueBound(text) bytes; returns the end.
char* AppendValue(char* out, const QString& value)
{
    char* const start = out;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    QString wrapped;
    if (value.contains(QChar::Null))
        wrapped = QStringLiteral("@String(") + value + QLatin1Char(')');
    else if (value.startsWith(QLatin1Char('@')))
        *out++ = '@';
    const QString& text = wrapped.isNull() ? value : wrapped;
    const QChar* unit = text.constData();
    const QChar* const end = unit + text.size();
    for (; unit != end; ++unit) {
        const uint ch = unit->unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit
            && ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'))) {
            out = AppendHex(out, ch);
            continue;
        }
        escapeNextIfDigit = false;
        char simple = 0;
        switch (ch) {
        case '\a':
            simple = 'a';
            break;
        case '\b':
            simple = 'b';
            break;
        case '\f':
            simple = 'f';
            break;
        case '\n':
            simple = 'n';
            break;
        case '\r':
            simple = 'r';
            break;
        case '\t':
            simple = 't';
            break;
        case '\v':
            simple = 'v';
            break;
        case '"':
        case '\\':
            simple = char(ch);
            break;
        case '\0':
            simple = '0';
            escapeNextIfDigit = true;
            break;
        default:
            break;
        }
        if (simple) {
            *out++ = '\\';
            *out++ = simple;
        } else if (ch <= 0x1f || ch >= 0x7f) {
            out = AppendHex(out, ch);
            escapeNextIfDigit = true;
        } else {
            *out++ = char(ch);
        }
    }
    if (needsQuotes || (out != start && (*start == ' ' || out[-1] == ' '))) {
        std::memmove(start + 1, start, std::size_t(out - start));
        *start = '"';
        out += 1;
        *out++ = '"';
    }
    return out;
}

// The file as QSettings writes the array, byte for byte, but formatted in one
// pass: QSettings builds a map of every key first, which for a long list
// costs many times the writing itself. QSettings orders keys as text, so the
// elements go in the order of their numbers' digits (1, 10, 100, 11, ...).
QByteArray FormatList(const QList<PrjInfo>& list)
{
    // "<index>\<FIELD>=" and a line feed, for the longest field name.
    constexpr qsizetype kLineBound = 11 + 1 + 11 + 1 + 1;
    qsizetype bound = qsizetype(std::strlen(kArray)) + 4 + 32;
    for (const PrjInfo& record : list) {
        bound += 5 * kLineBound + ValueBound(record.date) + ValueBound(record.description)
            + ValueBound(record.name) + ValueBound(record.path) + ValueBound(record.user);
    }
    QByteArray bytes(int(bound), Qt::Uninitialized);
    char* out = bytes.data();
    const auto put = [&out](const char* text) {
        const std::size_t n = std::strlen(text);
        std::memcpy(out, text, n);
        out += n;
    };
    put("[");
    put(kArray);
    put("]\n");
    const int size = list.size();
    int number = 1;
    for (int done = 0; done < size; ++done) {
        const PrjInfo& record = list.at(number - 1);
        char index[16];
        const int indexLength = std::snprintf(index, sizeof index, "%d\\", number);
        const std::pair<const char*, const QString*> fields[]
            = {{"DATE=", &record.date},
               {"DESCRIPTION=", &record.description},
               {"NAME=", &record.name},
               {"PATH=", &record.path},
               {"USER=", &record.user}};
        for (const auto& field : fields) {
            std::memcpy(out, index, std::size_t(indexLength));
            out += indexLength;
            put(field.first);
            out = AppendValue(out, *field.second);
            *out++ = '\n';
        }
        // The next number in the order of the digits.
        if (qint64(number) * 10 <= size) {
            number *= 10;
        } else {
            while (number % 10 == 9 || number + 1 > size)
                number /= 10;
            ++number;
        }
    }
    out += std::snprintf(out, 32, "size=%d\n", size);
    bytes.truncate(int(out - bytes.constData()));
    return bytes;
}

bool WriteAll(QFile& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return file.flush();
}

// Whether the file at path holds bytes exactly. A disk that fills up may
// accept a write it then loses; the cut file must not replace the list.
bool Holds(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray written = file.readAll();
    return file.error() == QFileDevice::NoError && written == bytes;
}

// Writes list aside and moves it over the file, so that a reader sees the old
// list or the new one, never half of it.
bool WriteList(const QList<PrjInfo>& list)
{
    const QString path = ProjectManager::ConfigPath();
    const QString aside = AsideName(path);
    const QByteArray bytes = FormatList(list);
    bool written = false;
    {
        QFile file(aside);
        written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && WriteAll(file, bytes)
            && kvui::SyncToDisk(file);
        file.close();
        written = written && file.error() == QFileDevice::NoError;
    }
    // The read-back finds bytes that the file system took but never stored.
    if (!written || !Holds(aside, bytes)
        || std::rename(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData())
            != 0) {
        QFile::remove(aside);
        return false;
    }
    Remember(path, bytes, list);
    return true;
}

} // namespace

QString ProjectManager::ConfigPath()
{
    return String2QString(
        kvfd::PathHelper::Merge(kvfd::PathHelper::GetSystemDataDirectory(), kListFile));
}

void ProjectManager::ParseConfig(const QByteArray& content, QList<PrjInfo>& list)
{
    list.clear();
    const QMap<QString, QVariant> settings = IniReader::Read(content);
    const QString array = QLatin1String(kArray) + QLatin1Char('/');

    // QSettings reads "size" elements; a hand-edited size may be missing (all
    // elements count), negative, or far beyond the elements present, and an
    // index may be far beyond the size. Only elements present become entries.
    const auto size = settings.constFind(array + QStringLiteral("size"));
    const int limit = size == settings.constEnd() ? INT_MAX : size->toInt();
    QMap<int, PrjInfo> entries;
    for (auto it = settings.lowerBound(array); it != settings.constEnd(); ++it) {
        const QString& key = it.key();
        if (!key.startsWith(array))
            break;
        const QStringRef rest = key.midRef(array.size());
        const int slash = rest.indexOf(QLatin1Char('/'));
        const int index = slash > 0 ? ArrayIndex(rest.left(slash)) : 0;
        if (index < 1 || index > limit)
            continue;
        PrjInfo& record = entries[index];
        // A value that is no plain text (a hand-written list, say) reads as an
        // empty string.
        const QStringRef field = rest.mid(slash + 1);
        if (field == QLatin1String(kPath))
            record.path = it->toString();
        else if (field == QLatin1String(kName))
            record.name = it->toString();
        else if (field == QLatin1String(kDate))
            record.date = it->toString();
        else if (field == QLatin1String(kUser))
            record.user = it->toString();
        else if (field == QLatin1String(kDescription))
            record.description = it->toString();
    }
    list.reserve(entries.size());
    for (const PrjInfo& record : qAsConst(entries))
        list.append(record);
}

void ProjectManager::ReadConfig(QList<PrjInfo>& list)
{
    // Writers replace the file in one move, so reading needs no lock.
    if (!ReadList(list))
        list.clear();
}

void ProjectManager::WriteConfig(const QList<PrjInfo>& list)
{
    ListLock lock;
    WriteList(list);
}

bool ProjectManager::ModifyConfig(const std::function<bool(QList<PrjInfo>&)>& edit)
{
    ListLock lock;
    QList<PrjInfo> list;
    if (!ReadList(list))
        return false;
    if (!edit(list))
        return true;
    return WriteList(list);
}

void ProjectManager::PutFirst(QList<PrjInfo>& list, const PrjInfo& record)
{
    list.prepend(record);
    for (int i = 1; i < list.size(); ++i) {
        if (list.at(i).path == record.path) {
            list.removeAt(i);
            break;
        }
    }
}

bool ProjectManager::RemoveFirst(QList<PrjInfo>& list, const QString& path)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).path == path) {
            list.removeAt(i);
            return true;
        }
    }
    return false;
}

void ProjectManager::UpdateConfig(const kvprj::KvProject& project)
{
    if (project.GetPrjInfo().path.empty())
        return;
    const PrjInfo record = MakeRecord(project);
    ModifyConfig([&record](QList<PrjInfo>& list) {
        PutFirst(list, record);
        return true;
    });
}

void ConfigHelper::AddProject(kvprj::KvProject* project)
{
    if (project)
        ProjectManager::UpdateConfig(*project);
}

void ConfigHelper::RemoveProject(kvprj::KvProject* project)
{
    if (!project)
        return;
    const QString path = String2QString(project->GetPrjInfo().path);
    ProjectManager::ModifyConfig(
        [&path](QList<PrjInfo>& list) { return ProjectManager::RemoveFirst(list, path); });
}
