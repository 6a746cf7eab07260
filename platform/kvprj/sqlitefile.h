#pragma once

// The small SQLite wrappers that the project file and the mission database
// share: a connection that closes itself and a statement that binds in column
// order. Private to kvprj.

#include "kvfd/pathhelper.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <sqlite3.h>
#include <string>

namespace kvprj::sqlite {

// sqlite treats names starting with "file:" as URIs when built to do so.
inline std::string SqliteName(const std::string& path)
{
    return path.compare(0, 5, "file:") == 0 ? "./" + path : path;
}

class Database
{
public:
    Database() = default;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    // close_v2: on an early return the connection may still have statements.
    ~Database() { sqlite3_close_v2(m_db); }

    bool Open(const std::string& path, int flags)
    {
        return sqlite3_open_v2(SqliteName(path).c_str(), &m_db, flags, nullptr) == SQLITE_OK;
    }
    // Fails while statements are alive; the destructor then closes.
    bool Close()
    {
        if (sqlite3_close(m_db) != SQLITE_OK)
            return false;
        m_db = nullptr;
        return true;
    }
    bool Exec(const char* sql)
    {
        return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    sqlite3* Get() const { return m_db; }
    // Waits this long for another program's lock before giving up.
    void SetBusyTimeout(int ms) { sqlite3_busy_timeout(m_db, ms); }
    // user_version of the file; -1 when it cannot be read (not a database,
    // locked, ...).
    int UserVersion() const
    {
        sqlite3_stmt* stmt = nullptr;
        int version = -1;
        if (sqlite3_prepare_v2(m_db, "PRAGMA user_version", -1, &stmt, nullptr) == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW)
            version = sqlite3_column_int(stmt, 0);
        sqlite3_finalize(stmt);
        return version;
    }

private:
    sqlite3* m_db = nullptr;
};

class Statement
{
public:
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(m_stmt); }

    bool Prepare(const Database& db, const char* sql)
    {
        return sqlite3_prepare_v2(db.Get(), sql, -1, &m_stmt, nullptr) == SQLITE_OK;
    }
    int Step() { return sqlite3_step(m_stmt); }
    // Runs an insert and readies the statement for the next row.
    bool Run()
    {
        const bool ok = sqlite3_step(m_stmt) == SQLITE_DONE;
        sqlite3_reset(m_stmt);
        return ok;
    }

    // Binding in column order, so the writer reads like the schema.
    Statement& Bind(std::int64_t value)
    {
        sqlite3_bind_int64(m_stmt, ++m_bind, value);
        return *this;
    }
    Statement& Bind(double value)
    {
        sqlite3_bind_double(m_stmt, ++m_bind, value);
        return *this;
    }
    Statement& Bind(const char* text, std::size_t size)
    {
        sqlite3_bind_text(m_stmt, ++m_bind, text, int(size), SQLITE_STATIC);
        return *this;
    }
    Statement& Bind(const std::string& text) { return Bind(text.data(), text.size()); }
    template <std::size_t N> Statement& Bind(const char (&text)[N])
    {
        return Bind(text, strnlen(text, N));
    }
    void Rebind() { m_bind = 0; }

    std::int64_t Int64(int col) const { return sqlite3_column_int64(m_stmt, col); }
    std::int32_t Int(int col) const { return sqlite3_column_int(m_stmt, col); }
    bool Bool(int col) const { return sqlite3_column_int(m_stmt, col) != 0; }
    // sqlite stores a NaN as NULL; NULL reads back as NaN.
    double Real(int col) const
    {
        return sqlite3_column_type(m_stmt, col) == SQLITE_NULL
            ? std::numeric_limits<double>::quiet_NaN()
            : sqlite3_column_double(m_stmt, col);
    }
    // Texts as stored, cut at an embedded NUL so that they survive the C
    // strings they end up in.
    std::string Text(int col) const
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, col));
        if (!text)
            return std::string();
        const std::string s(text, std::size_t(sqlite3_column_bytes(m_stmt, col)));
        return s.substr(0, s.find('\0'));
    }
    bool IsNull(int col) const { return sqlite3_column_type(m_stmt, col) == SQLITE_NULL; }
    // Only cells that hold finite numbers count: a text such as "abc" would
    // otherwise read as 0.
    bool Number(int col, double& out) const
    {
        const int type = sqlite3_column_type(m_stmt, col);
        if (type != SQLITE_INTEGER && type != SQLITE_FLOAT)
            return false;
        out = sqlite3_column_double(m_stmt, col);
        return std::isfinite(out);
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_bind = 0;
};

// Puts a written file's bytes on the disk before it takes another file's
// name, so that a crash never leaves a hollow file under that name.
inline bool SyncFile(const std::string& file)
{
    return kvfd::PathHelper::SyncFile(file);
}

} // namespace kvprj::sqlite
