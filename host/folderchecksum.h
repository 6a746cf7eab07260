#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace kvkernel {
class KvProgress;
}

// SHA-256 of every file below a folder, so that imagery copied off a drone's
// card can be checked against the copy on the processing machine. The walk is
// long on real data: it reports through KvProgress from the thread that runs it
// and stops when the progress says so.
class FolderChecksum
{
public:
    struct Entry
    {
        QString relativePath; // below the folder, '/'-separated
        QByteArray sha256;    // lower-case hex
        qint64 size = 0;
    };

    struct Result
    {
        QString folder;             // absolute
        int total = 0;              // files found
        std::vector<Entry> entries; // files hashed, in path order
        QStringList unreadable;     // relative paths that could not be read
        bool cancelled = false;
    };

    // Files are read in chunks so that a large image never sits in memory
    // whole; every kChunksPerCheck chunks the progress is asked again, so that
    // Pause and Cancel take effect inside a large file too.
    static constexpr qint64 kChunkSize = qint64(1) << 20;
    static constexpr int kChunksPerCheck = 16;

    // Hashes every regular file below folder (hidden ones included, symbolic
    // links to folders not followed) in path order. progress may be null;
    // otherwise Start gets the total, SetInformation(name, files done) comes
    // before each file and End(!cancelled) at the end.
    static Result Run(const QString& folder, kvkernel::KvProgress* progress);

    // Run on a worker thread behind the library's modal progress dialog; the
    // dialog's Pause holds the worker and its Cancel stops it.
    static Result RunWithDialog(const QString& folder, QWidget* parent);

    // Writes the entries as sha256sum would, with paths relative to the
    // folder, so that "sha256sum -c" run in the folder checks them. The file is
    // written aside and moved into place.
    static bool WriteList(const Result& result, const QString& path);
};
