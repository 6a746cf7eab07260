// The write, sync and rename calls of the C library, replaced for the whole
// test program. The program exports these definitions (-rdynamic), so the
// dynamic linker binds every shared library's calls to them before the C
// library's (or a sanitizer's interceptors). Each either fails, when an armed
// WriteFaults says so, or makes the system call itself: nothing here may call
// back into the functions it replaces.
//
// Kept out of the shared test-support library on purpose: a test that merely
// called write() would otherwise pull these in from the archive.

#include "writefaults.h"

#include <QByteArray>
#include <QFile>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <unistd.h>
#include <utility>

namespace {

struct Plan
{
    kvtest::FaultCall call = kvtest::FaultCall::Write;
    int nth = 0;
    int error = EIO;
    bool persist = false;
    std::string folder; // canonical, without a trailing slash; empty: anywhere
    int calls = 0;
    int failed = 0;
    // Files written since their last successful sync, by device and inode.
    std::set<std::pair<dev_t, ino_t>> unsynced;
    int unsyncedRenames = 0;
};

std::atomic<bool> g_armed {false};

std::mutex& PlanMutex()
{
    static std::mutex mutex;
    return mutex;
}

Plan& CurrentPlan()
{
    static Plan plan;
    return plan;
}

bool IsUnder(const std::string& path, const std::string& folder)
{
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0
        && path[folder.size()] == '/';
}

// The path an open descriptor refers to, through the system call so that no
// replaced function runs.
std::string DescriptorPath(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[4096];
    const long n = syscall(SYS_readlinkat, AT_FDCWD, link, target, sizeof target - 1);
    return n > 0 ? std::string(target, std::size_t(n)) : std::string();
}

// A path as the process sees it: relative ones against dirfd or the current folder.
std::string AbsolutePath(int dirfd, const char* path)
{
    if (!path)
        return std::string();
    if (path[0] == '/')
        return path;
    std::string base;
    if (dirfd == AT_FDCWD) {
        char cwd[4096];
        if (syscall(SYS_getcwd, cwd, sizeof cwd) > 0)
            base = cwd;
    } else {
        base = DescriptorPath(dirfd);
    }
    return base + '/' + path;
}

bool IsUnderFolder(const std::string& path, const std::string& folder)
{
    return folder.empty() || IsUnder(path, folder);
}

// Counts a call of the armed kind and says whether it is to fail; sets errno
// when so. Called with the plan's lock held.
bool CountAndFail(Plan& plan, kvtest::FaultCall call)
{
    if (plan.call != call && plan.call != kvtest::FaultCall::Any)
        return false;
    ++plan.calls;
    if (plan.calls != plan.nth && !(plan.persist && plan.calls > plan.nth))
        return false;
    ++plan.failed;
    errno = plan.error;
    return true;
}

using FileId = std::pair<dev_t, ino_t>;

// A write or sync on fd: whether it is to fail. Either way the file's sync
// state is noted, so that a rename can tell whether its bytes were on disk.
// done runs the real call when the call is not to fail; its result is kept.
template <class Call> long OnDescriptor(kvtest::FaultCall call, int fd, Call done)
{
    if (!g_armed.load(std::memory_order_acquire))
        return done();
    struct stat info;
    if (syscall(SYS_fstat, fd, &info) != 0 || !S_ISREG(info.st_mode))
        return done();
    std::unique_lock<std::mutex> lock(PlanMutex());
    Plan& plan = CurrentPlan();
    if (!g_armed.load(std::memory_order_relaxed) || !IsUnderFolder(DescriptorPath(fd), plan.folder))
        return done();
    const FileId id {info.st_dev, info.st_ino};
    if (call == kvtest::FaultCall::Write)
        plan.unsynced.insert(id); // failed or not, the file is no longer what was synced
    if (CountAndFail(plan, call))
        return -1;
    lock.unlock();
    const long result = done();
    if (call == kvtest::FaultCall::Sync && result == 0) {
        lock.lock();
        plan.unsynced.erase(id);
    }
    return result;
}

template <class Call>
long OnRename(int olddirfd, const char* oldpath, int newdirfd, const char* newpath, Call done)
{
    if (!g_armed.load(std::memory_order_acquire))
        return done();
    std::lock_guard<std::mutex> lock(PlanMutex());
    Plan& plan = CurrentPlan();
    if (!g_armed.load(std::memory_order_relaxed)
        || !(IsUnderFolder(AbsolutePath(olddirfd, oldpath), plan.folder)
             || IsUnderFolder(AbsolutePath(newdirfd, newpath), plan.folder)))
        return done();
    if (CountAndFail(plan, kvtest::FaultCall::Rename))
        return -1;
    struct stat info;
    const bool known = syscall(SYS_newfstatat, olddirfd, oldpath, &info, AT_SYMLINK_NOFOLLOW) == 0;
    const long result = done();
    if (result == 0 && known && plan.unsynced.count(FileId {info.st_dev, info.st_ino}))
        ++plan.unsyncedRenames;
    return result;
}

} // namespace

// The replacements. Signatures and exception specifications follow the C
// library's declarations, as a definition must. Visible whatever the build's
// default visibility, or the linker would keep them to this program.
#pragma GCC visibility push(default)
extern "C" {

ssize_t write(int fd, const void* buffer, size_t size)
{
    return OnDescriptor(kvtest::FaultCall::Write, fd,
                        [&] { return syscall(SYS_write, fd, buffer, size); });
}

ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset)
{
    return OnDescriptor(kvtest::FaultCall::Write, fd,
                        [&] { return syscall(SYS_pwrite64, fd, buffer, size, offset); });
}

ssize_t pwrite64(int fd, const void* buffer, size_t size, off64_t offset)
{
    return OnDescriptor(kvtest::FaultCall::Write, fd,
                        [&] { return syscall(SYS_pwrite64, fd, buffer, size, offset); });
}

ssize_t writev(int fd, const struct iovec* vector, int count)
{
    return OnDescriptor(kvtest::FaultCall::Write, fd,
                        [&] { return syscall(SYS_writev, fd, vector, count); });
}

// File copies (the C++ library's and Qt's) move their bytes with these.
ssize_t sendfile(int out, int in, off_t* offset, size_t count) noexcept
{
    return OnDescriptor(kvtest::FaultCall::Write, out,
                        [&] { return syscall(SYS_sendfile, out, in, offset, count); });
}

ssize_t sendfile64(int out, int in, off64_t* offset, size_t count) noexcept
{
    return OnDescriptor(kvtest::FaultCall::Write, out,
                        [&] { return syscall(SYS_sendfile, out, in, offset, count); });
}

ssize_t copy_file_range(int in, off64_t* inOffset, int out, off64_t* outOffset, size_t length,
                        unsigned int flags)
{
    return OnDescriptor(kvtest::FaultCall::Write, out, [&] {
        return syscall(SYS_copy_file_range, in, inOffset, out, outOffset, length, flags);
    });
}

int fsync(int fd)
{
    return int(OnDescriptor(kvtest::FaultCall::Sync, fd, [&] { return syscall(SYS_fsync, fd); }));
}

int fdatasync(int fd)
{
    return int(
        OnDescriptor(kvtest::FaultCall::Sync, fd, [&] { return syscall(SYS_fdatasync, fd); }));
}

int rename(const char* oldpath, const char* newpath) noexcept
{
    return int(OnRename(AT_FDCWD, oldpath, AT_FDCWD, newpath, [&] {
        return syscall(SYS_renameat2, AT_FDCWD, oldpath, AT_FDCWD, newpath, 0);
    }));
}

int renameat(int olddirfd, const char* oldpath, int newdirfd, const char* newpath) noexcept
{
    return int(OnRename(olddirfd, oldpath, newdirfd, newpath, [&] {
        return syscall(SYS_renameat2, olddirfd, oldpath, newdirfd, newpath, 0);
    }));
}

int renameat2(int olddirfd, const char* oldpath, int newdirfd, const char* newpath,
              unsigned int flags) noexcept
{
    return int(OnRename(olddirfd, oldpath, newdirfd, newpath, [&] {
        return syscall(SYS_renameat2, olddirfd, oldpath, newdirfd, newpath, flags);
    }));
}

} // extern "C"
#pragma GCC visibility pop

namespace kvtest {

WriteFaults::WriteFaults(FaultCall call, int nth, int error, bool persist, const QString& folder)
{
    Plan plan;
    plan.call = call;
    plan.nth = nth;
    plan.error = error;
    plan.persist = persist;
    if (!folder.isEmpty()) {
        // Descriptors report resolved paths.
        const QByteArray name = QFile::encodeName(folder);
        char* resolved = ::realpath(name.constData(), nullptr);
        plan.folder = resolved ? resolved : name.constData();
        std::free(resolved);
        while (plan.folder.size() > 1 && plan.folder.back() == '/')
            plan.folder.pop_back();
    }
    std::lock_guard<std::mutex> lock(PlanMutex());
    CurrentPlan() = plan;
    g_armed.store(true, std::memory_order_release);
}

WriteFaults::~WriteFaults()
{
    Disarm();
}

void WriteFaults::Disarm()
{
    std::lock_guard<std::mutex> lock(PlanMutex());
    g_armed.store(false, std::memory_order_release);
}

int WriteFaults::Calls() const
{
    std::lock_guard<std::mutex> lock(PlanMutex());
    return CurrentPlan().calls;
}

int WriteFaults::Failed() const
{
    std::lock_guard<std::mutex> lock(PlanMutex());
    return CurrentPlan().failed;
}

int WriteFaults::UnsyncedRenames() const
{
    std::lock_guard<std::mutex> lock(PlanMutex());
    return CurrentPlan().unsyncedRenames;
}

bool WriteFaults::Available()
{
    // Unexported replacements would serve only this program's own calls; the
    // libraries would still reach the C library.
    using Write = ssize_t (*)(int, const void*, size_t);
    using Rename = int (*)(const char*, const char*);
    using Sync = int (*)(int);
    return reinterpret_cast<Write>(::dlsym(RTLD_DEFAULT, "write")) == &::write
        && reinterpret_cast<Rename>(::dlsym(RTLD_DEFAULT, "rename")) == &::rename
        && reinterpret_cast<Sync>(::dlsym(RTLD_DEFAULT, "fdatasync")) == &::fdatasync;
}

const char* WriteFaults::Name(FaultCall call)
{
    switch (call) {
    case FaultCall::Write:
        return "write";
    case FaultCall::Sync:
        return "sync";
    case FaultCall::Rename:
        return "rename";
    case FaultCall::Any:
        return "write, sync or rename";
    }
    return "";
}

FileSizeLimit::FileSizeLimit(long long bytes)
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    m_soft = limit.rlim_cur;
    // Going over the limit raises SIGXFSZ, which would end the program.
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = rlim_t(bytes);
    m_active = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    if (!m_active)
        std::signal(SIGXFSZ, m_handler);
}

FileSizeLimit::~FileSizeLimit()
{
    if (!m_active)
        return;
    struct rlimit limit;
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_soft);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_handler);
}

} // namespace kvtest
