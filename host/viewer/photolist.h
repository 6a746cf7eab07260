#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// The photos the viewer is asked to show, and how the request was read.
namespace kvviewer {

// One listed photo. A name that is not valid UTF-8 cannot round-trip through
// QString, so the bytes as listed are kept to open the file, and the text only
// shows it to the operator.
struct ListedPhoto
{
    QByteArray path;
    QString text;
    bool exists = false;
};

struct PhotoList
{
    // Where the list came from: the list file, or empty for the command line.
    QString source;
    std::vector<ListedPhoto> photos;
    // What could not be taken from the request, one sentence each; the photos
    // that could be are listed all the same.
    QStringList problems;
};

// Limits that keep a damaged or foreign list file from exhausting memory.
constexpr qint64 kMaxListBytes = 16 * 1024 * 1024;
constexpr int kMaxPhotos = 100000;
// Longer than any path the system can open (PATH_MAX).
constexpr int kMaxPathBytes = 4096;

// <system data directory>/viewer.ini, which LoadImagesToViewer writes.
QString ListFilePath();

// Reads a list file: one path per line in the local 8-bit code page (UTF-8),
// "\n" or "\r\n" line ends, a last line without one, blank lines and a UTF-8
// byte-order mark tolerated. Lines that cannot be paths (NUL bytes, longer
// than kMaxPathBytes) are skipped and counted in problems, as are the bytes
// past kMaxListBytes and the photos past kMaxPhotos. A missing or unreadable
// file gives an empty list with its reason.
PhotoList ReadPhotoList(const QString& file);

// The same for photo paths given as program arguments, as their bytes (argv):
// a name that is no valid UTF-8 still opens.
PhotoList PhotoListFromArguments(const QList<QByteArray>& arguments);

} // namespace kvviewer
