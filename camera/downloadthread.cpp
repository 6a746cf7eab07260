#include "camera/downloadthread.h"

#include "framework/kvservice.h"
#include "framework/kvshared.h"
#include "kvfd/pathhelper.h"
#include "kvfd/tostring.h"
#include "kvsql/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSaveFile>
#include <array>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr int kAttempts = 10;
constexpr int kRequestMs = 60000;
constexpr int kPauseMs = 2000;

std::atomic<int> g_requestMs {kRequestMs};
std::atomic<int> g_pauseMs {kPauseMs};
// The camera list reply can hold hundreds of thousands of cameras, some 300
// bytes each; it is capped well above that, for this reply only.
constexpr qint64 kMaxListBytes = qint64(256) << 20;
std::atomic<qint64> g_maxListBytes {kMaxListBytes};

// The camera fields of the reply, in the order of Field below.
const char* const kFieldNames[]
    = {"name",        "fullname", "width", "height", "ccdwidth", "ccdheight", "x0",    "y0",
       "focallength", "k1",       "k2",    "k3",     "p1",       "p2",        "alpha", "beta"};
enum Field {
    Name,
    FullName,
    Width,
    Height,
    CcdWidth,
    CcdHeight,
    X0,
    Y0,
    Focal,
    K1,
    K2,
    K3,
    P1,
    P2,
    Alpha,
    Beta,
    FieldCount
};

const std::size_t kFieldLengths[] = {4, 8, 5, 6, 8, 9, 2, 2, 11, 2, 2, 2, 2, 2, 5, 4};

// A JSON string of the reply as it stands in the bytes, without its quotes.
// Plain text (printable ASCII without escapes), nearly every value, is used
// from there; anything else is decoded into a QString.
struct Text
{
    const char* begin = nullptr;
    const char* end = nullptr;
    bool plain = true;
};

// Reads the camera list reply straight from its bytes: building a JSON
// document of a large list and looking every field up in it took seconds.
// The reply is taken as QJsonDocument takes it: the whole text must be JSON
// (UTF-8, a byte order mark skipped, nesting at most 1024 deep, a repeated key
// meaning its last value), the top level an object; a value that is no JSON
// string reads as "" and so as 0, "data" that is no array as no camera, and
// an element of it that is no object as a camera of empty fields.
class CameraListReader
{
public:
    CameraListReader(const char* begin, const char* end)
        : m_p(begin)
        , m_end(end)
    { }

    // False when the reply is no such JSON object, lacks "status" or its status
    // is not 0; the cameras are appended only when it is.
    bool Read(kvfd::CameraInfoSet& cameras)
    {
        if (m_end - m_p >= 3 && std::memcmp(m_p, "\xEF\xBB\xBF", 3) == 0)
            m_p += 3;
        SkipBlanks();
        bool hasStatus = false;
        Text status;
        status.plain = true;
        kvfd::CameraInfoSet received;
        if (!Expect('{') || !Enter())
            return false;
        if (!Members([&](const Text& key) {
                if (Is(key, "status")) {
                    hasStatus = true;
                    return StringOrSkip(status);
                }
                if (Is(key, "data")) {
                    received.Clear();
                    if (Peek() != '[')
                        return SkipValue();
                    return Items(received);
                }
                return SkipValue();
            }))
            return false;
        --m_depth;
        SkipBlanks();
        if (m_p != m_end || !hasStatus || Decode(status).toInt() != 0)
            return false;
        if (cameras.Size() == 0) {
            cameras = std::move(received);
        } else {
            for (int i = 0; i < received.Size(); ++i)
                cameras.AddCamera(*received.GetCamera(i));
        }
        return true;
    }

private:
    static bool Is(const Text& key, const char* name) { return Is(key, name, std::strlen(name)); }
    static bool Is(const Text& key, const char* name, std::size_t n)
    {
        return key.plain && std::size_t(key.end - key.begin) == n
            ? std::memcmp(key.begin, name, n) == 0
            : !key.plain && Decode(key) == QLatin1String(name);
    }

    char Peek()
    {
        SkipBlanks();
        return m_p != m_end ? *m_p : '\0';
    }
    void SkipBlanks()
    {
        while (m_p != m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\n' || *m_p == '\r'))
            ++m_p;
    }
    bool Expect(char c)
    {
        if (Peek() != c)
            return false;
        ++m_p;
        return true;
    }
    bool Enter() { return ++m_depth <= 1024; }

    // The members of an object whose '{' has been read, up to its '}'.
    template <class OnMember> bool Members(OnMember&& onMember)
    {
        if (Expect('}'))
            return true;
        for (;;) {
            Text key;
            if (Peek() != '"' || !String(key) || !Expect(':') || !onMember(key))
                return false;
            if (Expect(','))
                continue;
            return Expect('}');
        }
    }

    bool Items(kvfd::CameraInfoSet& received)
    {
        ++m_p; // '['
        if (!Enter())
            return false;
        if (!Expect(']')) {
            for (;;) {
                std::array<Text, FieldCount> fields;
                if (Peek() == '{') {
                    ++m_p;
                    if (!Enter() || !Members([&](const Text& key) {
                            for (int f = 0; f < FieldCount; ++f) {
                                if (Is(key, kFieldNames[f], kFieldLengths[f])) {
                                    fields[std::size_t(f)] = Text();
                                    return StringOrSkip(fields[std::size_t(f)]);
                                }
                            }
                            return SkipValue();
                        }))
                        return false;
                    --m_depth;
                } else if (!SkipValue()) {
                    return false;
                }
                received.AddCamera(MakeCamera(received.Size(), fields));
                if (Expect(','))
                    continue;
                if (!Expect(']'))
                    return false;
                break;
            }
        }
        --m_depth;
        return true;
    }

    // A string value into text; any other value is skipped and leaves text empty.
    bool StringOrSkip(Text& text)
    {
        text = Text();
        if (Peek() == '"')
            return String(text);
        return SkipValue();
    }

    bool SkipValue()
    {
        switch (Peek()) {
        case '{':
            ++m_p;
            if (!Enter() || !Members([this](const Text&) { return SkipValue(); }))
                return false;
            --m_depth;
            return true;
        case '[':
            ++m_p;
            if (!Enter())
                return false;
            if (!Expect(']')) {
                do {
                    if (!SkipValue())
                        return false;
                } while (Expect(','));
                if (!Expect(']'))
                    return false;
            }
            --m_depth;
            return true;
        case '"': {
            Text ignored;
            return String(ignored);
        }
        case 't':
            return Literal("true");
        case 'f':
            return Literal("false");
        case 'n':
            return Literal("null");
        default:
            return Number();
        }
    }

    bool Literal(const char* word)
    {
        const std::size_t n = std::strlen(word);
        if (std::size_t(m_end - m_p) < n || std::memcmp(m_p, word, n) != 0)
            return false;
        m_p += n;
        return true;
    }

    bool Digits()
    {
        const char* start = m_p;
        while (m_p != m_end && *m_p >= '0' && *m_p <= '9')
            ++m_p;
        return m_p != start;
    }

    bool Number()
    {
        if (m_p != m_end && *m_p == '-')
            ++m_p;
        if (m_p != m_end && *m_p == '0')
            ++m_p;
        else if (!Digits())
            return false;
        if (m_p != m_end && *m_p == '.') {
            ++m_p;
            if (!Digits())
                return false;
        }
        if (m_p != m_end && (*m_p == 'e' || *m_p == 'E')) {
            ++m_p;
            if (m_p != m_end && (*m_p == '+' || *m_p == '-'))
                ++m_p;
            if (!Digits())
                return false;
        }
        return true;
    }

    // A string whose '"' is next: checks its escapes and its UTF-8.
    bool String(Text& text)
    {
        ++m_p;
        text.begin = m_p;
        text.plain = true;
        while (m_p != m_end) {
            const auto c = static_cast<unsigned char>(*m_p);
            if (c == '"') {
                text.end = m_p++;
                return true;
            }
            if (c == '\\') {
                text.plain = false;
                if (++m_p == m_end)
                    return false;
                const char e = *m_p++;
                if (e == 'u') {
                    for (int i = 0; i < 4; ++i, ++m_p) {
                        if (m_p == m_end || !std::isxdigit(static_cast<unsigned char>(*m_p)))
                            return false;
                    }
                }
                // Any other escaped byte stands for itself, as QJsonDocument
                // reads it.
            } else if (c < 0x80) {
                if (c < 0x20 || c == 0x7f)
                    text.plain = false;
                ++m_p;
            } else {
                text.plain = false;
                if (!Utf8Sequence())
                    return false;
            }
        }
        return false;
    }

    // One UTF-8 sequence of two to four bytes: no overlong form, no surrogate,
    // nothing beyond U+10FFFF.
    bool Utf8Sequence()
    {
        const auto b0 = static_cast<unsigned char>(*m_p);
        int length = 0;
        std::uint32_t code = 0;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            length = 2;
            code = b0 & 0x1F;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            length = 3;
            code = b0 & 0x0F;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            length = 4;
            code = b0 & 0x07;
        } else {
            return false;
        }
        if (m_end - m_p < length)
            return false;
        for (int i = 1; i < length; ++i) {
            const auto b = static_cast<unsigned char>(m_p[i]);
            if ((b & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (b & 0x3F);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF)))
            || (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        m_p += length;
        return true;
    }

    // The text of a string that String() accepted, as QJsonValue gives it.
    static QString Decode(const Text& text)
    {
        if (text.plain)
            return QString::fromLatin1(text.begin, int(text.end - text.begin));
        QString decoded;
        const char* p = text.begin;
        while (p != text.end) {
            const char* run = p;
            while (p != text.end && *p != '\\')
                ++p;
            decoded += QString::fromUtf8(run, int(p - run));
            if (p == text.end)
                break;
            const char e = p[1];
            p += 2;
            switch (e) {
            case 'b':
                decoded += QLatin1Char('\b');
                break;
            case 'f':
                decoded += QLatin1Char('\f');
                break;
            case 'n':
                decoded += QLatin1Char('\n');
                break;
            case 'r':
                decoded += QLatin1Char('\r');
                break;
            case 't':
                decoded += QLatin1Char('\t');
                break;
            case 'u':
                decoded += QChar(ushort(QByteArray(p, 4).toUShort(nullptr, 16)));
                p += 4;
                break;
            default:
                decoded += QLatin1Char(e);
                break;
            }
        }
        return decoded;
    }

    // Plain numbers, nearly every value, through from_chars: it rounds as
    // QString::toDouble and toInt do. Anything else goes through those.
    static double Real(const Text& text)
    {
        const char* p = text.begin;
        if (text.plain && p != text.end) {
            const char* q = p + (*p == '-');
            const char* digits = q;
            while (q != text.end && *q >= '0' && *q <= '9')
                ++q;
            bool simple = q != digits;
            if (simple && q != text.end && *q == '.') {
                const char* fraction = ++q;
                while (q != text.end && *q >= '0' && *q <= '9')
                    ++q;
                simple = q != fraction;
            }
            if (simple && q != text.end && (*q == 'e' || *q == 'E')) {
                ++q;
                if (q != text.end && (*q == '+' || *q == '-'))
                    ++q;
                const char* exponent = q;
                while (q != text.end && *q >= '0' && *q <= '9')
                    ++q;
                simple = q != exponent;
            }
            double value = 0.0;
            if (simple && q == text.end && std::from_chars(p, text.end, value).ec == std::errc())
                return value;
        }
        return Decode(text).toDouble();
    }

    static int Integer(const Text& text)
    {
        const char* p = text.begin;
        const std::ptrdiff_t n = text.end - p;
        if (text.plain && n > 0 && n <= 10) {
            const char* q = p + (*p == '-');
            bool simple = q != text.end;
            for (const char* d = q; d != text.end; ++d)
                simple = simple && *d >= '0' && *d <= '9';
            int value = 0;
            if (simple && std::from_chars(p, text.end, value).ec == std::errc())
                return value;
        }
        return Decode(text).toInt();
    }

    static std::string Trimmed(const Text& text)
    {
        if (text.plain) {
            const char* b = text.begin;
            const char* e = text.end;
            while (b != e && *b == ' ')
                ++b;
            while (e != b && e[-1] == ' ')
                --e;
            return std::string(b, e);
        }
        return QString2String(Decode(text).trimmed());
    }

    static kvfd::CameraInfo MakeCamera(int id, const std::array<Text, FieldCount>& f)
    {
        kvfd::CameraInfo c;
        c.id = id;
        c.name = Trimmed(f[Name]);
        c.fullname = Trimmed(f[FullName]);
        c.width = Integer(f[Width]);
        c.height = Integer(f[Height]);
        c.ccd_width = Real(f[CcdWidth]);
        c.ccd_height = Real(f[CcdHeight]);
        c.x0 = Real(f[X0]);
        c.y0 = Real(f[Y0]);
        c.focal = Real(f[Focal]);
        c.k1 = Real(f[K1]);
        c.k2 = Real(f[K2]);
        c.k3 = Real(f[K3]);
        c.p1 = Real(f[P1]);
        c.p2 = Real(f[P2]);
        c.alpha = Real(f[Alpha]);
        c.beta = Real(f[Beta]);
        // A camera without an image size keeps the default pixel size rather
        // than an infinite one.
        if (c.width != 0)
            c.pixel_size_x = c.ccd_width / c.width;
        if (c.height != 0)
            c.pixel_size_y = c.ccd_height / c.height;
        c.dtype = 1;
        c.k4 = c.k5 = c.k6 = 0.0;
        c.mount_angle = 0;
        return c;
    }

    const char* m_p;
    const char* const m_end;
    int m_depth = 0;
};

const std::vector<kvsql::Field>& CameraFields()
{
    static const std::vector<kvsql::Field> fields = {
        {"id", 1, 0},     {"name", 3, 0},      {"fullname", 3, 0},   {"width", 1, 0},
        {"height", 1, 0}, {"ccd_width", 2, 0}, {"ccd_height", 2, 0}, {"focal", 2, 0},
        {"x0", 2, 0},     {"y0", 2, 0},        {"dtype", 1, 0},      {"k1", 2, 0},
        {"k2", 2, 0},     {"k3", 2, 0},        {"p1", 2, 0},         {"p2", 2, 0},
        {"alpha", 2, 0},  {"beta", 2, 0},
    };
    return fields;
}

void AppendTexts(const kvfd::CameraInfo& c, std::vector<std::string>& values)
{
    values.push_back(std::to_string(c.id));
    values.push_back(kvfd::ToString(c.name));
    values.push_back(kvfd::ToString(c.fullname));
    values.push_back(std::to_string(c.width));
    values.push_back(std::to_string(c.height));
    values.push_back(kvfd::ToString(c.ccd_width));
    values.push_back(kvfd::ToString(c.ccd_height));
    values.push_back(kvfd::ToString(c.focal));
    values.push_back(kvfd::ToString(c.x0));
    values.push_back(kvfd::ToString(c.y0));
    values.push_back(std::to_string(c.dtype));
    values.push_back(kvfd::ToString(c.k1));
    values.push_back(kvfd::ToString(c.k2));
    values.push_back(kvfd::ToString(c.k3));
    values.push_back(kvfd::ToString(c.p1));
    values.push_back(kvfd::ToString(c.p2));
    values.push_back(kvfd::ToString(c.alpha));
    values.push_back(kvfd::ToString(c.beta));
}

// The new database goes to a temporary file beside the one in use, is flushed
// to disk and then renamed over it, so a crash or a full disk never leaves a
// truncated camera database: readers see the old file or the new one.
// QSaveFile (Qt 5) commits even when its last flush or its sync failed, so
// both are checked here.
bool ReplaceFile(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            break;
        }
    }
    if (in.error() != QFileDevice::NoError || !out.flush() || !kvui::SyncToDisk(out))
        out.cancelWriting();
    return out.commit();
}

// Whether the database at path is known to hold no camera: it is missing, or
// a database without camera rows. A file that cannot be read might hold
// cameras another version wrote, and so counts as holding some.
bool HoldsNoCamera(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::path(path), error) && !error)
        return true;
    kvsql::Database db;
    if (!db.Open(path))
        return false;
    bool any = false;
    if (db.Select("camera", {}, [&any](const std::vector<std::string>&) {
            any = true;
            return false;
        }))
        return !any;
    // No such table is no camera; any other failure tells nothing.
    bool hasTable = false;
    const bool listed
        = db.Select("sqlite_master", {"name"}, [&hasTable](const std::vector<std::string>& row) {
              hasTable = hasTable
                  || QString::fromStdString(row.at(0)).toLower() == QLatin1String("camera");
              return true;
          });
    return listed && !hasTable;
}

} // namespace

DownloadThread::DownloadThread(QObject* parent)
    : QThread(parent)
{ }

DownloadThread::~DownloadThread()
{
    requestInterruption();
    wait();
}

void DownloadThread::SetTimeouts(int requestMs, int pauseMs)
{
    g_requestMs = requestMs;
    g_pauseMs = pauseMs;
}

void DownloadThread::SetMaxReplyBytes(qint64 bytes)
{
    g_maxListBytes = bytes;
}

void DownloadThread::ResetTimeouts()
{
    SetTimeouts(kRequestMs, kPauseMs);
    SetMaxReplyBytes(kMaxListBytes);
}

DownloadThread::Status DownloadThread::GetStatus() const
{
    return Status(m_status.load());
}

QString DownloadThread::NetworkError() const
{
    QMutexLocker lock(&m_errorLock);
    return m_networkError;
}

void DownloadThread::SetNetworkError(const QString& error)
{
    QMutexLocker lock(&m_errorLock);
    m_networkError = error;
}

QString DownloadThread::StatusText() const
{
    const QString networkError = NetworkError();
    // An unreachable service is no fault of the cameras; the operator is told
    // what the network said, so that a refused connection or a missing
    // network is not mistaken for a service without cameras.
    if (GetStatus() == KeptOnNoReply && !networkError.isEmpty())
        return tr("The camera service is not available (%1); the camera database in use is "
                  "kept")
            .arg(networkError);
    switch (GetStatus()) {
    case NotFinished:
        break;
    case Replaced:
        return tr("相机数据库已更新");
    case KeptOnEmptyList:
        return tr("相机服务未返回任何相机，保留现有相机数据库");
    case KeptOnNoReply:
        return tr("相机服务无有效回复，保留现有相机数据库");
    case KeptOnWriteError:
        return tr("无法写入新的相机数据库，保留现有相机数据库");
    }
    return QString();
}

void DownloadThread::run()
{
    m_status = NotFinished;
    SetNetworkError(QString());
    kvfd::CameraInfoSet cameras;
    bool received = false;
    for (int attempt = 0; attempt < kAttempts && !received; ++attempt) {
        if (isInterruptionRequested())
            return;
        received = download(cameras);
        if (!received) {
            // The pause is sliced so that a destructor waiting for the thread
            // is not held up by it.
            for (int left = g_pauseMs; left > 0 && !isInterruptionRequested(); left -= 50)
                QThread::msleep(static_cast<unsigned long>(qMin(left, 50)));
        }
    }
    // Ten failed attempts say nothing about the cameras: the database in use
    // stays, rather than being replaced by an empty one, and no finish() tells
    // the host to reload.
    if (received)
        save(cameras);
    else
        m_status = KeptOnNoReply;
}

bool DownloadThread::download(kvfd::CameraInfoSet& cameras)
{
    // HttpGet runs its own event loop on this thread; the network objects live
    // and die within the call.
    const kvui::HttpResult reply
        = kvui::HttpGet(kvui::ServiceUrl(QStringLiteral("/cameracheck/other")), g_requestMs, false,
                        g_maxListBytes.load());
    SetNetworkError(reply.Unreachable() ? reply.error : QString());
    if (reply.timedOut || reply.failed)
        return false;

    return CameraListReader(reply.body.constData(), reply.body.constData() + reply.body.size())
        .Read(cameras);
}

void DownloadThread::save(kvfd::CameraInfoSet& cameras)
{
    const std::string dataDir = kvfd::PathHelper::GetSystemDataDirectory();
    const std::string downloadPath = kvfd::PathHelper::Merge(dataDir, "download/camera.db");
    const std::string inUsePath = kvfd::PathHelper::Merge(dataDir, "config/camera.db");
    const QString downloadFile = String2QString(downloadPath);
    const QString inUseFile = String2QString(inUsePath);
    std::vector<std::string> values;
    values.reserve(std::size_t(cameras.Size()) * CameraFields().size());
    for (int i = 0; i < cameras.Size(); ++i) {
        if (const kvfd::CameraInfo* camera = cameras.GetCamera(i))
            AppendTexts(*camera, values);
    }
    // A service that lists no camera (a fault on its side, as likely as not)
    // must not empty a camera database that holds some.
    if (values.empty() && !HoldsNoCamera(inUsePath)) {
        m_status = KeptOnEmptyList;
        return;
    }

    m_status = KeptOnWriteError;
    if (!QDir().mkpath(QFileInfo(downloadFile).absolutePath())
        || !QDir().mkpath(QFileInfo(inUseFile).absolutePath()))
        return;

    bool stored = false;
    {
        kvsql::Database db;
        stored = db.Create(downloadPath) && db.CreateTable("camera", CameraFields())
            && db.AddRecords("camera", values, int(CameraFields().size()));
        db.Close();
    }
    if (!stored || !ReplaceFile(downloadFile, inUseFile)) {
        // What a failed run wrote is of no use to anyone; the next run starts over.
        QFile::remove(downloadFile);
        return;
    }
    m_status = Replaced;
    emit finish();
}
