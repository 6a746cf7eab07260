#pragma once

// File and text helpers shared by the platform tests.

#include "kvprj/flyprojecthelper.h"

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

// n photos on lines of 5 around (lon, lat), the folder named in Chinese.
inline kvprj::FlyMission MakeMission(const std::string& id, const std::string& date, int epsg,
                                     double lon, double lat, int n)
{
    kvprj::FlyMission m;
    m.info = {id, "任务 " + id, "大坝 巡检 survey", "标题 " + id, date};
    m.aircraftSerial = "SN-" + id;
    m.epsg = epsg;
    for (int i = 0; i < n; ++i)
        m.photos.push_back({i / 5, "DJI_" + std::to_string(1000 + i) + ".JPG", "/飞行 数据/" + id,
                            lon + 1e-4 * i, lat - 1e-4 * i, 120.5 + i, 90.0});
    return m;
}
