#pragma once

#include "kvfd/kvfd_export.h"

#include <string>

namespace kvfd {

// Conversion between wide text and the local 8-bit code page, which is UTF-8
// here (the same that QString::fromLocal8Bit assumes). Invalid input bytes
// become U+FFFD; nothing throws.
class KVFD_EXPORT StringConverter
{
public:
    static void Convert(const std::wstring& wide, std::string& narrow);
    static void Convert(const std::string& narrow, std::wstring& wide);
    static std::string ToString(const std::wstring& wide);
    static std::wstring ToWString(const std::string& narrow);
};

} // namespace kvfd
