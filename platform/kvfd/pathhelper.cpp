#include "kvfd/pathhelper.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

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

} // namespace

std::string PathHelper::GetSystemDataDirectory()
{
    std::string dir = Env("KVUI_DATA_DIR");
    if (dir.empty()) {
        const std::string xdg = Env("XDG_DATA_HOME");
        if (!xdg.empty())
            dir = Merge(xdg, "kvui");
        else
            dir = Merge(Merge(Env("HOME"), ".local/share"), "kvui");
    }
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

bool PathHelper::CopyFile2(const std::string& from, const std::string& to)
{
    std::error_code ec;
    return fs::copy_file(fs::path(from), fs::path(to), fs::copy_options::overwrite_existing, ec)
        && !ec;
}

} // namespace kvfd
