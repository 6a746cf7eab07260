#pragma once

#include "kvfd/kvfd_export.h"

#include <string>
#include <vector>

namespace kvfd {

// File-name helpers on narrow UTF-8 paths. Nothing here throws: failures come
// back as false or an empty result.
class KVFD_EXPORT PathHelper
{
public:
    // The per-user data folder ($KVUI_DATA_DIR, else $XDG_DATA_HOME/kvui, else
    // ~/.local/share/kvui), created when missing. A name that is no valid UTF-8
    // is refused, with a message on stderr, for the next one of these.
    static std::string GetSystemDataDirectory();
    // The folder of the running program.
    static std::string GetExecuteFilePath();

    // a and b joined with exactly one '/'.
    static std::string Merge(const std::string& a, const std::string& b);
    // "dir/name.ext" -> "name.ext"
    static std::string GetFileName(const std::string& path);
    // "dir/name.ext" -> "dir" (empty without a folder part)
    static std::string GetFileDirectory(const std::string& path);
    // "dir/name.ext" -> ".ext" (empty without one)
    static std::string GetFileExt(const std::string& path);
    // "dir/name.ext" -> "name"
    static std::string GetFileTitle2(const std::string& path);
    static bool IsFileExisted(const std::string& path);
    // Names of the regular files in dir, sorted; false when dir cannot be read.
    static bool GetFileNames(const std::string& dir, std::vector<std::string>& names);
    static bool RenameFile(const std::string& from, const std::string& to);
    // Copies a file, replacing the target.
    static bool CopyFile2(const std::string& from, const std::string& to);
    // Puts a written file's bytes on the disk, so that a file renamed over
    // another one afterwards is never found hollow after a crash.
    static bool SyncFile(const std::string& path);
};

} // namespace kvfd
