#pragma once

#include <QString>
#include <cerrno>

namespace kvtest {

// The kinds of call a fault can hit.
enum class FaultCall {
    Write,  // write, pwrite, pwrite64, writev, sendfile, copy_file_range
    Sync,   // fsync, fdatasync
    Rename, // rename, renameat, renameat2
    Any,    // all of the above, counted together: a disk that fills or fails
};

// Makes one call of the process fail with a chosen errno, as a failing disk
// would: the nth call of a kind made while armed (counting from 1), and with
// persist every later call of that kind too (a full disk stays full). Writes
// and syncs count only on regular files, so sockets, pipes and the display
// connection are never hit; with a folder, only files under it count (for a
// rename, either of its paths).
//
//     kvtest::WriteFaults faults(kvtest::FaultCall::Write, 2, ENOSPC, true, dir.path());
//     const bool ok = WriteSomething(dir.filePath("a"));
//     faults.Disarm();
//     if (faults.Hit()) QVERIFY(!ok);
//
// Only test programs that link kvui_writefaults have it; there the calls of
// Qt, SQLite, the C++ library and the family libraries all go through it.
// One instance at a time; the destructor disarms.
class WriteFaults
{
public:
    WriteFaults(FaultCall call, int nth, int error = EIO, bool persist = false,
                const QString& folder = QString());
    ~WriteFaults();
    WriteFaults(const WriteFaults&) = delete;
    WriteFaults& operator=(const WriteFaults&) = delete;

    // Stops counting and failing; the counts stay readable.
    void Disarm();
    // Calls of the armed kind seen while armed (failed ones included).
    int Calls() const;
    // Calls that were made to fail.
    int Failed() const;
    bool Hit() const { return Failed() > 0; }
    // Renames made while armed of a file written since its last successful
    // sync (under the folder): after a crash the new name may hold nothing.
    int UnsyncedRenames() const;

    // Whether the interposed calls are in this program at all.
    static bool Available();
    static const char* Name(FaultCall call);
};

// Caps the size of files this process writes (RLIMIT_FSIZE), so that every
// write that would grow a file fails with EFBIG whatever library makes it,
// including the C library's own buffered streams, which WriteFaults cannot
// see. For the length of a scope; SIGXFSZ is ignored meanwhile.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool IsActive() const { return m_active; }

private:
    bool m_active = false;
    unsigned long long m_soft = 0;
    void (*m_handler)(int) = nullptr;
};

} // namespace kvtest
