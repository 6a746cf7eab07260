#pragma once

#include "kvsql/kvsql_export.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kvsql {

// One column of a table. type: 1 integer, 2 real, 3 text. flag is reserved
// and 0.
struct Field
{
    std::string name;
    int type = 3;
    int flag = 0;
};

// A small database file (SQLite). Nothing throws; every operation reports by
// its result, and a failed one leaves the file as the last successful one left
// it.
class KVSQL_EXPORT Database
{
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Creates a new, empty database file at path, replacing any file there.
    bool Create(const std::string& path);
    // Opens an existing database file.
    bool Open(const std::string& path, bool readOnly = true);
    bool CreateTable(const std::string& name, const std::vector<Field>& fields);
    // Appends records given as one flat list of texts, count texts per record,
    // in one transaction: all are stored or none. Zero records is success.
    bool AddRecords(const std::string& table, const std::vector<std::string>& values, int count);
    // Calls row with the texts of each row of "SELECT columns FROM table" (a
    // NULL reads as ""), in stored order; row returns false to stop. False when
    // the table or a column is missing or the file is not a database.
    bool Select(const std::string& table, const std::vector<std::string>& columns,
                const std::function<bool(const std::vector<std::string>& row)>& row);
    void Close();
    bool IsOpen() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace kvsql
