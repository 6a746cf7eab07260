#include "project/inireader.h"

#include <QDataStream>
#include <QList>
#include <QMetaType>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QVariantList>
#include <QtEndian>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

bool IsOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

struct Line
{
    int start = 0;
    int length = 0;
    int equals = -1; // the first '=' outside quotes, or -1
};

// The next logical line from pos on, split where QSettings splits: at a line
// break outside quotes (an escaped break continues the line) or before a ';'
// that is not the line's first character. A line starting with ';' is a
// comment. False at the end of the data.
bool NextLine(const QByteArray& data, int& pos, Line& line)
{
    const char* d = data.constData();
    const int size = data.size();
    line.equals = -1;
    line.start = pos;
    while (line.start < size && IsBlank(d[line.start]))
        ++line.start;

    bool quoted = false;
    bool ended = false;
    int i = line.start;
    while (i < size && !ended) {
        const char c = d[i++];
        switch (c) {
        case '=':
            if (!quoted && line.equals < 0)
                line.equals = i - 1;
            break;
        case '\n':
        case '\r':
            if (i == line.start + 1) {
                ++line.start;
            } else if (!quoted) {
                --i;
                ended = true;
            }
            break;
        case '\\':
            if (i < size) {
                const char next = d[i++];
                if (i < size && ((next == '\n' && d[i] == '\r') || (next == '\r' && d[i] == '\n')))
                    ++i;
            }
            break;
        case '"':
            quoted = !quoted;
            break;
        case ';':
            if (i == line.start + 1) {
                while (i < size && d[i] != '\n' && d[i] != '\r')
                    ++i;
                line.start = i;
            } else if (!quoted) {
                --i;
                ended = true;
            }
            break;
        default:
            break;
        }
    }
    pos = i;
    line.length = i - line.start;
    return line.length > 0;
}

// Keys and section names: '\' separates groups, "%XX" and "%UXXXX" are
// escaped characters, other bytes are Latin-1 (QSettings never writes any).
void AppendKey(const char* d, int from, int to, QString& key)
{
    int i = from;
    while (i < to) {
        const char c = d[i];
        if (c == '\\') {
            key += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != '%' || i == to - 1) {
            key += QLatin1Char(c);
            ++i;
            continue;
        }
        int first = i + 1;
        int digits = 2;
        if (d[first] == 'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        int code = 0;
        if (first + digits <= to)
            code = QByteArray(d + first, digits).toInt(&ok, 16);
        if (!ok) {
            key += QLatin1Char('%');
            ++i;
            continue;
        }
        key += QChar(code);
        i = first + digits;
    }
}

void ChopBlanks(QString& text)
{
    int end = text.size();
    while (end > 0
           && (text.at(end - 1) == QLatin1Char(' ') || text.at(end - 1) == QLatin1Char('\t')))
        --end;
    text.truncate(end);
}

char SimpleEscape(char c)
{
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return c;
    default:
        return 0;
    }
}

// The text of a value: quotes keep blanks and commas, backslash escapes as in
// C ("\x" takes any number of hex digits and gives one UTF-16 unit), and an
// unquoted comma makes the value a list. True for a list, whose items are
// then in items.
bool UnescapeValue(const char* d, int from, int to, QString& text, QStringList& items)
{
    bool isList = false;
    bool inQuotes = false;
    bool itemQuoted = false;
    int i = from;
    const auto skipBlanks = [&] {
        while (i < to && (d[i] == ' ' || d[i] == '\t'))
            ++i;
    };

    skipBlanks();
    while (i < to) {
        const char c = d[i];
        if (c == '\\') {
            if (++i >= to)
                break;
            const char escaped = d[i++];
            if (const char simple = SimpleEscape(escaped)) {
                text += QLatin1Char(simple);
            } else if (escaped == 'x') {
                if (i < to && IsHexDigit(d[i])) {
                    quint32 code = 0;
                    while (i < to && IsHexDigit(d[i]))
                        code = (code << 4) + quint32(HexValue(d[i++]));
                    text += QChar(ushort(code));
                }
            } else if (IsOctalDigit(escaped)) {
                quint32 code = quint32(escaped - '0');
                while (i < to && IsOctalDigit(d[i]))
                    code = (code << 3) + quint32(d[i++] - '0');
                text += QChar(ushort(code));
            } else if (escaped == '\n' || escaped == '\r') {
                if (i < to && (d[i] == '\n' || d[i] == '\r') && d[i] != escaped)
                    ++i;
            }
            // Any other escaped character is dropped, as QSettings drops it.
        } else if (c == '"') {
            ++i;
            itemQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == ',' && !inQuotes) {
            if (!itemQuoted)
                ChopBlanks(text);
            if (!isList) {
                isList = true;
                items.clear();
            }
            items.append(text);
            text.clear();
            itemQuoted = false;
            ++i;
            skipBlanks();
        } else {
            int j = i + 1;
            while (j < to && d[j] != '\\' && d[j] != '"' && d[j] != ',')
                ++j;
            text += QString::fromUtf8(d + i, j - i);
            i = j;
        }
    }
    if (!itemQuoted)
        ChopBlanks(text);
    if (isList)
        items.append(text);
    return isList;
}

// "@Rect(1 2 3 4)" -> {"1", "2", "3", "4"}; open is the index of '('.
QStringList Arguments(const QString& text, int open)
{
    QStringList arguments;
    QString item;
    for (int i = open + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(')')) {
            arguments.append(item);
        } else if (c == QLatin1Char(' ')) {
            arguments.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return arguments;
}

// A value that another program stored in QDataStream form. Only plain values
// are decoded: the stream's own length fields are trusted by QDataStream when
// it reads containers, and a damaged one would ask for gigabytes.
QVariant Streamed(const QString& text, int offset, QDataStream::Version version)
{
    QByteArray bytes = text.midRef(offset).toLatin1();
    if (bytes.size() < 4)
        return QVariant();
    const int type = int(qFromBigEndian<quint32>(bytes.constData()));
    switch (type) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::QChar:
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
        break;
    default:
        return QVariant();
    }
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(version);
    QVariant value;
    stream >> value;
    return value;
}

// The value of one text, with the '@' forms by which QSettings stores what is
// no plain string.
QVariant ToVariant(const QString& text)
{
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text.endsWith(QLatin1Char(')'))) {
        const int size = text.size();
        if (text.startsWith(QLatin1String("@ByteArray(")))
            return text.midRef(11, size - 12).toLatin1();
        if (text.startsWith(QLatin1String("@String(")))
            return text.mid(8, size - 9);
        if (text.startsWith(QLatin1String("@Variant(")))
            return Streamed(text, 9, QDataStream::Qt_4_0);
        if (text.startsWith(QLatin1String("@DateTime(")))
            return Streamed(text, 10, QDataStream::Qt_5_6);
        if (text.startsWith(QLatin1String("@Rect("))) {
            const QStringList a = Arguments(text, 5);
            if (a.size() == 4)
                return QRect(a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt(), a.at(3).toInt());
        } else if (text.startsWith(QLatin1String("@Size("))) {
            const QStringList a = Arguments(text, 5);
            if (a.size() == 2)
                return QSize(a.at(0).toInt(), a.at(1).toInt());
        } else if (text.startsWith(QLatin1String("@Point("))) {
            const QStringList a = Arguments(text, 6);
            if (a.size() == 2)
                return QPoint(a.at(0).toInt(), a.at(1).toInt());
        } else if (text == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    return text;
}

// A list stays a list of strings unless one of its items is an '@' form.
QVariant ToVariant(const QStringList& items)
{
    QStringList strings = items;
    for (QString& item : strings) {
        if (!item.startsWith(QLatin1Char('@')))
            continue;
        if (item.startsWith(QLatin1String("@@"))) {
            item.remove(0, 1);
            continue;
        }
        QVariantList values;
        values.reserve(items.size());
        for (const QString& original : items)
            values.append(ToVariant(original));
        return values;
    }
    return strings;
}

} // namespace

QMap<QString, QVariant> IniReader::Read(const QByteArray& content, bool* wellFormed)
{
    // As QSettings does: first cut the text into sections, joining the parts
    // of a section that appears more than once, then read each section's
    // lines. The text before the first section belongs to the top level,
    // from the very first byte: a byte order mark is skipped only in looking
    // for the first section.
    QMap<QString, QByteArray> sections;
    bool ok = true;
    {
        const char* d = content.constData();
        QString prefix;
        int sectionStart = 0;
        const auto keep = [&](int end) {
            QByteArray& data = sections[prefix];
            if (!data.isEmpty())
                data += '\n';
            data += content.mid(sectionStart, end - sectionStart);
        };
        int pos = content.startsWith("\xef\xbb\xbf") ? 3 : 0;
        Line line;
        while (NextLine(content, pos, line)) {
            if (d[line.start] != '[')
                continue;
            keep(line.start);
            const int end = line.start + line.length;
            int close = line.start + 1;
            while (close < end && d[close] != ']')
                ++close;
            if (close == end)
                ok = false;
            const QByteArray name
                = QByteArray(d + line.start + 1, close - line.start - 1).trimmed();
            prefix.clear();
            if (name.compare("general", Qt::CaseInsensitive) != 0) {
                if (name.compare("%general", Qt::CaseInsensitive) == 0)
                    prefix = QLatin1String(name.constData() + 1);
                else
                    AppendKey(name.constData(), 0, name.size(), prefix);
                prefix += QLatin1Char('/');
            }
            sectionStart = pos;
        }
        keep(content.size());
    }

    // Sections are merged in the order of their names; a later key of the
    // same name wins.
    QMap<QString, QVariant> settings;
    QString text;
    QStringList items;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        const QByteArray& data = section.value();
        const char* d = data.constData();
        int pos = 0;
        Line line;
        while (NextLine(data, pos, line)) {
            if (line.equals < 0) {
                if (d[line.start] != ';')
                    ok = false;
                continue;
            }
            int keyEnd = line.equals;
            while (keyEnd > line.start && (d[keyEnd - 1] == ' ' || d[keyEnd - 1] == '\t'))
                --keyEnd;
            QString key = section.key();
            AppendKey(d, line.start, keyEnd, key);

            text.clear();
            const int end = line.start + line.length;
            if (UnescapeValue(d, line.equals + 1, end, text, items))
                settings.insert(key, ToVariant(items));
            else
                settings.insert(key, ToVariant(text));
        }
    }
    if (wellFormed)
        *wellFormed = ok;
    return settings;
}
