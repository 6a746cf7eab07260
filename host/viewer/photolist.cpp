#include "host/viewer/photolist.h"

#include "kvfd/pathhelper.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextCodec>
#include <sys/stat.h>

namespace kvviewer {

namespace {

bool IsRegularFile(const QByteArray& path)
{
    struct stat status
    {
    };
    return ::stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode);
}

// Text for the operator; false when bytes are no valid UTF-8 (they then show
// as U+FFFD).
bool Decode(const QByteArray& bytes, QString& text)
{
    QTextCodec::ConverterState state;
    text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

struct Tally
{
    int withNul = 0;
    int tooLong = 0;
    int notText = 0;
    int beyondLimit = 0;
};

void Add(PhotoList& list, const QByteArray& path, Tally& tally)
{
    if (path.contains('\0')) {
        ++tally.withNul;
        return;
    }
    if (path.size() > kMaxPathBytes) {
        ++tally.tooLong;
        return;
    }
    if (int(list.photos.size()) >= kMaxPhotos) {
        ++tally.beyondLimit;
        return;
    }
    ListedPhoto photo;
    photo.path = path;
    if (!Decode(path, photo.text))
        ++tally.notText;
    photo.exists = IsRegularFile(path);
    list.photos.push_back(std::move(photo));
}

void Report(PhotoList& list, const Tally& tally)
{
    if (tally.withNul > 0)
        list.problems << QCoreApplication::translate(
                             "kvui",
                             "Lines skipped because they hold NUL bytes (the list is not all "
                             "text): %1.")
                             .arg(tally.withNul);
    if (tally.tooLong > 0)
        list.problems << QCoreApplication::translate(
                             "kvui", "Lines skipped because they are longer than %1 bytes: %2.")
                             .arg(kMaxPathBytes)
                             .arg(tally.tooLong);
    if (tally.beyondLimit > 0)
        list.problems << QCoreApplication::translate(
                             "kvui", "Only the first %1 photos are shown; photos left out: %2.")
                             .arg(kMaxPhotos)
                             .arg(tally.beyondLimit);
    if (tally.notText > 0)
        list.problems << QCoreApplication::translate(
                             "kvui",
                             "Paths that are not valid UTF-8 (shown with \uFFFD for the bad "
                             "bytes): %1.")
                             .arg(tally.notText);
    int missing = 0;
    for (const ListedPhoto& photo : list.photos)
        missing += photo.exists ? 0 : 1;
    if (missing > 0)
        list.problems
            << QCoreApplication::translate("kvui", "Listed files not found: %1.").arg(missing);
}

} // namespace

QString ListFilePath()
{
    return QFile::decodeName(
        QByteArray::fromStdString(kvfd::PathHelper::GetSystemDataDirectory() + "/viewer.ini"));
}

PhotoList ReadPhotoList(const QString& file)
{
    PhotoList list;
    list.source = file;
    QFile input(file);
    if (!input.exists()) {
        list.problems
            << QCoreApplication::translate("kvui", "The photo list %1 does not exist.").arg(file);
        return list;
    }
    if (!input.open(QIODevice::ReadOnly)) {
        list.problems << QCoreApplication::translate("kvui",
                                                     "The photo list %1 cannot be read: %2.")
                             .arg(file, input.errorString());
        return list;
    }
    // One byte past the limit tells a list that is exactly at it from a longer one.
    QByteArray bytes = input.read(kMaxListBytes + 1);
    const bool cut = bytes.size() > kMaxListBytes;
    if (cut) {
        bytes.truncate(int(kMaxListBytes));
        // The line that the limit cut through is not a path.
        const int lastEnd = bytes.lastIndexOf('\n');
        bytes.truncate(lastEnd < 0 ? 0 : lastEnd + 1);
        list.problems << QCoreApplication::translate(
                             "kvui",
                             "The photo list is longer than %1 MiB; only its beginning was read.")
                             .arg(kMaxListBytes / (1024 * 1024));
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    Tally tally;
    int begin = 0;
    while (begin < bytes.size()) {
        int end = bytes.indexOf('\n', begin);
        if (end < 0)
            end = bytes.size();
        QByteArray line = bytes.mid(begin, end - begin);
        begin = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        Add(list, line, tally);
    }
    Report(list, tally);
    return list;
}

PhotoList PhotoListFromArguments(const QList<QByteArray>& arguments)
{
    PhotoList list;
    Tally tally;
    for (const QByteArray& argument : arguments)
        Add(list, argument, tally);
    Report(list, tally);
    return list;
}

} // namespace kvviewer
