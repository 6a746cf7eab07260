#include "host/folderchecksum.h"

#include "framework/kvprogressimpl.h"
#include "framework/kvshared.h"
#include "kvfd/kvconststringfactory.h"
#include "kvkernel/kvprogress.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <thread>

namespace {

// The progress caption "文件校验中……".
constexpr int kChecksumCaption = 188;

enum class FileOutcome { Hashed, Unreadable, Cancelled };

FileOutcome HashFile(const QString& path, kvkernel::KvProgress* progress, const std::string& name,
                     int step, FolderChecksum::Entry& entry)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileOutcome::Unreadable;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray chunk;
    int chunks = 0;
    for (;;) {
        chunk = file.read(FolderChecksum::kChunkSize);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                return FileOutcome::Unreadable;
            break;
        }
        hash.addData(chunk);
        entry.size += chunk.size();
        if (++chunks % FolderChecksum::kChunksPerCheck == 0 && progress
            && !progress->SetInformation(name, step))
            return FileOutcome::Cancelled;
    }
    entry.sha256 = hash.result().toHex();
    return FileOutcome::Hashed;
}

} // namespace

FolderChecksum::Result FolderChecksum::Run(const QString& folder, kvkernel::KvProgress* progress)
{
    Result result;
    const QDir root(folder);
    result.folder = root.absolutePath();

    QStringList files;
    if (root.exists()) {
        // QDir::System is left out on purpose: reading a FIFO or a device
        // would block or never end.
        QDirIterator it(result.folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << root.relativeFilePath(it.next());
    }
    files.sort();
    result.total = files.size();

    if (progress)
        progress->Start(kvfd::KvGetConstString(kChecksumCaption), result.total);
    for (int i = 0; i < files.size(); ++i) {
        const std::string name = QString2String(files.at(i));
        if (progress && !progress->SetInformation(name, i)) {
            result.cancelled = true;
            break;
        }
        Entry entry;
        entry.relativePath = files.at(i);
        const FileOutcome outcome = HashFile(root.filePath(files.at(i)), progress, name, i, entry);
        if (outcome == FileOutcome::Cancelled) {
            result.cancelled = true;
            break;
        }
        if (outcome == FileOutcome::Unreadable)
            result.unreadable << files.at(i);
        else
            result.entries.push_back(std::move(entry));
    }
    if (progress)
        progress->End(!result.cancelled);
    return result;
}

FolderChecksum::Result FolderChecksum::RunWithDialog(const QString& folder, QWidget* parent)
{
    KvProgressImpl progress(parent);
    Result result;
    std::thread worker([&result, &progress, folder] { result = Run(folder, &progress); });
    // Returns once the worker has called End, so the join below is short.
    progress.Run();
    worker.join();
    if (!progress.Success())
        result.cancelled = true;
    return result;
}

bool FolderChecksum::WriteList(const Result& result, const QString& path)
{
    QByteArray text;
    for (const Entry& entry : result.entries) {
        QByteArray name = entry.relativePath.toUtf8();
        // sha256sum's own escape: a line whose name holds a backslash or a
        // newline starts with a backslash, and those two are written escaped.
        const bool escaped = name.contains('\\') || name.contains('\n');
        if (escaped) {
            name.replace("\\", "\\\\");
            name.replace("\n", "\\n");
            text += '\\';
        }
        text += entry.sha256 + "  " + name + '\n';
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text) != text.size())
        return false;
    return file.commit();
}
