#pragma once

#include "kvfd/kvfd_export.h"

#include <string>

namespace kvfd {

// Process-wide table of constant message texts by id, in the local code page.
// Libraries register their texts when they are loaded; unknown ids give "".
class KVFD_EXPORT KvConstStringFactory
{
public:
    static void KvSetConstString(int id, const std::string& text);
    static std::string KvGetConstString(int id);
};

inline std::string KvGetConstString(int id)
{
    return KvConstStringFactory::KvGetConstString(id);
}
inline void KvSetConstString(int id, const std::string& text)
{
    KvConstStringFactory::KvSetConstString(id, text);
}

} // namespace kvfd
