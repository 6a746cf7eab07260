#include "kvfd/kvconststringfactory.h"

#include <mutex>
#include <unordered_map>

namespace kvfd {

namespace {

// Libraries register their texts from their load-time initialisers, in any
// order and possibly from several threads; function-local statics are ready
// before the first of them runs.
std::mutex& TableMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::unordered_map<int, std::string>& Table()
{
    static std::unordered_map<int, std::string> table;
    return table;
}

} // namespace

void KvConstStringFactory::KvSetConstString(int id, const std::string& text)
{
    std::lock_guard<std::mutex> lock(TableMutex());
    Table()[id] = text;
}

std::string KvConstStringFactory::KvGetConstString(int id)
{
    std::lock_guard<std::mutex> lock(TableMutex());
    const auto& table = Table();
    const auto it = table.find(id);
    return it == table.end() ? std::string() : it->second;
}

} // namespace kvfd
