#include "kvsql/database.h"

namespace kvsql {

struct Database::Impl
{
};

Database::Database() = default;
Database::~Database() = default;
bool Database::Create(const std::string&) { return false; }
bool Database::Open(const std::string&, bool) { return false; }
bool Database::CreateTable(const std::string&, const std::vector<Field>&) { return false; }
bool Database::AddRecords(const std::string&, const std::vector<std::string>&, int) { return false; }
bool Database::Select(const std::string&, const std::vector<std::string>&,
                      const std::function<bool(const std::vector<std::string>&)>&)
{
    return false;
}
void Database::Close() {}
bool Database::IsOpen() const { return false; }

} // namespace kvsql
