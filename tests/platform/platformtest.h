#pragma once

// File and text helpers shared by the platform tests.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <sqlite3.h>
#include <string>

inline std::string Std(const QString& s)
{
    return s.toStdString();
}

inline QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs sql on the SQLite database at path, creating it when missing.
inline bool ExecOn(const QString& path, const QByteArray& sql)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK;
    ok = ok && sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// n bytes of a fixed pseudo-random sequence.
inline QByteArray RandomBytes(int n)
{
    QByteArray bytes(n, Qt::Uninitialized);
    quint32 state = 12345;
    for (char& c : bytes) {
        state = state * 1664525u + 1013904223u;
        c = char(state >> 24);
    }
    return bytes;
}
