#include "kvfd/pathhelper.h"

#include "kvfd/stringconverter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace kvfd {

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::size_t LastSeparator(const std::string& path)
{
    return path.find_last_of("/\\");
}

// The widget library holds paths as text in the local code page, UTF-8: the
// bytes of a name that is no valid UTF-8 come back as U+FFFD and name another
// folder, which would then be created beside the real one and written instead.
bool IsText(const std::string& name)
{
    return StringConverter::ToString(StringConverter::ToWString(name)) == name;
}

std::string Printable(const std::string& name)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            text += c;
        } else {
            text += "\\x";
            text += hex[byte >> 4];
            text += hex[byte & 0xF];
        }
    }
    return text;
}

// Tells once per refused name why the data folder is not where the variable
// says, and where it is instead.
void TellRefused(const char* variable, const std::string& value, const std::string& used)
{
    static std::mutex mutex;
    static std::set<std::string> told;
    const std::lock_guard<std::mutex> lock(mutex);
    if (!told.insert(std::string(variable) + '=' + value).second)
        return;
    std::fprintf(stderr,
                 "kvui: %s names the folder \"%s\", whose name is not valid UTF-8; it is not "
                 "used as the data folder, \"%s\" is used instead\n",
                 variable, Printable(value).c_str(), Printable(used).c_str());
}

// The last resort when even the home folder's name is no text.
std::string TemporaryDataDirectory()
{
    std::error_code ec;
    std::string temp = fs::temp_directory_path(ec).string();
    if (ec || !IsText(temp))
        temp = "/tmp";
    return PathHelper::Merge(temp, "kvui-" + std::to_string(::getuid()));
}

} // namespace

std::string PathHelper::GetSystemDataDirectory()
{
    struct Refused
    {
        const char* variable;
        std::string value;
    };
    std::vector<Refused> refused;
    const auto usable = [&refused](const char* variable, const std::string& value) {
        if (value.empty())
            return false;
        if (IsText(value))
            return true;
        refused.push_back({variable, value});
        return false;
    };

    std::string dir;
    const std::string own = Env("KVUI_DATA_DIR");
    const std::string xdg = Env("XDG_DATA_HOME");
    const std::string home = Env("HOME");
    if (usable("KVUI_DATA_DIR", own))
        dir = own;
    else if (usable("XDG_DATA_HOME", xdg))
        dir = Merge(xdg, "kvui");
    else if (home.empty() || usable("HOME", home))
        dir = Merge(Merge(home, ".local/share"), "kvui");
    else
        dir = TemporaryDataDirectory();
    for (const Refused& name : refused)
        TellRefused(name.variable, name.value, dir);

    std::error_code ec;
    fs::create_directories(fs::path(dir), ec);
    return dir;
}

std::string PathHelper::GetExecuteFilePath()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::string();
    return exe.parent_path().string();
}

std::string PathHelper::Merge(const std::string& a, const std::string& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    std::size_t end = a.size();
    while (end > 0 && a[end - 1] == '/')
        --end;
    std::size_t begin = 0;
    while (begin < b.size() && b[begin] == '/')
        ++begin;
    std::string merged;
    merged.reserve(end + 1 + b.size() - begin);
    merged.append(a, 0, end);
    merged += '/';
    merged.append(b, begin, std::string::npos);
    return merged;
}

std::string PathHelper::GetFileName(const std::string& path)
{
    const std::size_t cut = LastSeparator(path);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string PathHelper::GetFileDirectory(const std::string& path)
{
    const std::size_t cut = LastSeparator(path);
    if (cut == std::string::npos)
        return std::string();
    // A file in the root keeps the root as its folder.
    if (cut == 0)
        return path.substr(0, 1);
    return path.substr(0, cut);
}

std::string PathHelper::GetFileExt(const std::string& path)
{
    const std::string name = GetFileName(path);
    const std::size_t dot = name.rfind('.');
    // ".hidden" is a name, not an extension.
    if (dot == std::string::npos || dot == 0)
        return std::string();
    return name.substr(dot);
}

std::string PathHelper::GetFileTitle2(const std::string& path)
{
    const std::string name = GetFileName(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return name;
    return name.substr(0, dot);
}

bool PathHelper::IsFileExisted(const std::string& path)
{
    if (path.empty())
        return false;
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(path), ec);
    return !ec && (fs::is_regular_file(status) || fs::is_directory(status));
}

bool PathHelper::GetFileNames(const std::string& dir, std::vector<std::string>& names)
{
    std::error_code ec;
    fs::directory_iterator it(fs::path(dir), ec);
    if (ec)
        return false;
    std::vector<std::string> found;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            return false;
        std::error_code typeError;
        if (it->is_regular_file(typeError))
            found.push_back(it->path().filename().string());
    }
    if (ec)
        return false;
    std::sort(found.begin(), found.end());
    names.swap(found);
    return true;
}

bool PathHelper::RenameFile(const std::string& from, const std::string& to)
{
    std::error_code ec;
    fs::rename(fs::path(from), fs::path(to), ec);
    return !ec;
}

bool PathHelper::SyncFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

bool PathHelper::CopyFile2(const std::string& from, const std::string& to)
{
    std::error_code ec;
    return fs::copy_file(fs::path(from), fs::path(to), fs::copy_options::overwrite_existing, ec)
        && !ec;
}

} // namespace kvfd
