#include "kvsql/database.h"

#include <charconv>
#include <filesystem>
#include <sqlite3.h>
#include <system_error>

namespace fs = std::filesystem;

namespace kvsql {

namespace {

std::string Quote(const std::string& identifier)
{
    std::string quoted = "\"";
    for (const char c : identifier) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    quoted += '"';
    return quoted;
}

const char* TypeName(int type)
{
    switch (type) {
    case 1:
        return "INTEGER";
    case 2:
        return "REAL";
    case 3:
        return "TEXT";
    default:
        return nullptr;
    }
}

// A real is handed out as the shortest text that reads back to the same
// double, so that a value stored as text and converted by the column's
// affinity survives the round trip exactly.
std::string ColumnText(sqlite3_stmt* stmt, int index)
{
    switch (sqlite3_column_type(stmt, index)) {
    case SQLITE_NULL:
        return std::string();
    case SQLITE_INTEGER:
        return std::to_string(sqlite3_column_int64(stmt, index));
    case SQLITE_FLOAT: {
        char buffer[64];
        const auto written
            = std::to_chars(buffer, buffer + sizeof buffer, sqlite3_column_double(stmt, index));
        return std::string(buffer, written.ptr);
    }
    default: {
        const auto* text = sqlite3_column_text(stmt, index);
        return text ? std::string(reinterpret_cast<const char*>(text),
                                  std::size_t(sqlite3_column_bytes(stmt, index)))
                    : std::string();
    }
    }
}

class Statement
{
public:
    Statement(sqlite3* db, const std::string& sql)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &m_stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return m_stmt; }
    explicit operator bool() const { return m_stmt != nullptr; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

// SQLite takes a double-quoted name that matches no column for a string
// literal; a misspelt column would then read as its own name instead of
// failing. Off on every connection.
void RefuseQuotedLiterals(sqlite3* db)
{
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
}

bool Execute(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace

struct Database::Impl
{
    sqlite3* db = nullptr;
};

Database::Database()
    : m_impl(std::make_unique<Impl>())
{ }

Database::~Database()
{
    Close();
}

bool Database::Create(const std::string& path)
{
    Close();
    if (path.empty())
        return false;
    // A journal left beside an older file of the same name would be taken for
    // a hot journal of the new one and played back into it.
    std::error_code ec;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        const fs::path file(path + suffix);
        const fs::file_status status = fs::symlink_status(file, ec);
        if (fs::is_directory(status) || (fs::exists(status) && !fs::remove(file, ec)))
            return false;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    RefuseQuotedLiterals(db);
    // A fresh file is filled once and then copied into place, so durability of
    // each step buys nothing; the journal stays in memory because AddRecords
    // still has to be able to roll back.
    if (!Execute(db, "PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF;")
        // Writing the header makes the file exist even if no table follows.
        || !Execute(db, "PRAGMA user_version=0; BEGIN IMMEDIATE; COMMIT;")) {
        sqlite3_close(db);
        return false;
    }
    m_impl->db = db;
    return true;
}

bool Database::Open(const std::string& path, bool readOnly)
{
    Close();
    if (path.empty())
        return false;
    sqlite3* db = nullptr;
    // No SQLITE_OPEN_CREATE: opening a missing file must not leave an empty one.
    const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    RefuseQuotedLiterals(db);
    // SQLite reads the file lazily; a file that is not a database is found out
    // only by the first statement.
    bool valid = false;
    {
        Statement probe(db, "SELECT count(*) FROM sqlite_master");
        valid = probe && sqlite3_step(probe.get()) == SQLITE_ROW;
    }
    if (!valid) {
        sqlite3_close(db);
        return false;
    }
    m_impl->db = db;
    return true;
}

bool Database::CreateTable(const std::string& name, const std::vector<Field>& fields)
{
    if (!m_impl->db || name.empty() || fields.empty())
        return false;
    std::string sql = "CREATE TABLE " + Quote(name) + " (";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const char* type = TypeName(fields[i].type);
        if (!type || fields[i].name.empty())
            return false;
        if (i > 0)
            sql += ", ";
        sql += Quote(fields[i].name) + ' ' + type;
    }
    sql += ')';
    return Execute(m_impl->db, sql.c_str());
}

bool Database::AddRecords(const std::string& table, const std::vector<std::string>& values,
                          int count)
{
    sqlite3* db = m_impl->db;
    if (!db || count <= 0 || values.size() % std::size_t(count) != 0)
        return false;

    std::string sql = "INSERT INTO " + Quote(table) + " VALUES (";
    for (int i = 0; i < count; ++i)
        sql += i == 0 ? "?" : ",?";
    sql += ')';
    // Prepared before the transaction: a missing table or a column count that
    // does not match fails here, even for zero records.
    Statement insert(db, sql);
    if (!insert || !Execute(db, "BEGIN IMMEDIATE"))
        return false;

    sqlite3_stmt* stmt = insert.get();
    bool ok = true;
    for (std::size_t first = 0; ok && first < values.size(); first += std::size_t(count)) {
        for (int i = 0; ok && i < count; ++i) {
            const std::string& text = values[first + std::size_t(i)];
            // SQLITE_STATIC: values outlives every step of this statement.
            ok = sqlite3_bind_text(stmt, i + 1, text.data(), int(text.size()), SQLITE_STATIC)
                == SQLITE_OK;
        }
        ok = ok && sqlite3_step(stmt) == SQLITE_DONE;
        sqlite3_reset(stmt);
    }
    if (ok && Execute(db, "COMMIT"))
        return true;
    Execute(db, "ROLLBACK");
    return false;
}

bool Database::Select(const std::string& table, const std::vector<std::string>& columns,
                      const std::function<bool(const std::vector<std::string>& row)>& row)
{
    if (!m_impl->db)
        return false;
    std::string sql = "SELECT ";
    if (columns.empty())
        sql += '*';
    for (std::size_t i = 0; i < columns.size(); ++i)
        sql += (i > 0 ? "," : "") + Quote(columns[i]);
    sql += " FROM " + Quote(table);

    Statement select(m_impl->db, sql);
    if (!select)
        return false;
    sqlite3_stmt* stmt = select.get();
    const int n = sqlite3_column_count(stmt);
    std::vector<std::string> texts(static_cast<std::size_t>(n));
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i)
            texts[std::size_t(i)] = ColumnText(stmt, i);
        if (row && !row(texts))
            return true;
    }
    return rc == SQLITE_DONE;
}

void Database::Close()
{
    if (m_impl && m_impl->db) {
        sqlite3_close(m_impl->db);
        m_impl->db = nullptr;
    }
}

bool Database::IsOpen() const
{
    return m_impl && m_impl->db;
}

} // namespace kvsql
