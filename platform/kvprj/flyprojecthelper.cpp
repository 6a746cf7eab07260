#include "kvprj/flyprojecthelper.h"

#include "kvfd/coordinateinfo.h"
#include "kvfd/kvconfiguration.h"
#include "sqlitefile.h"

#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace kvprj {

namespace {

// Long enough to ride out a short write of the planning program, short enough
// that a start page does not freeze while that program holds the file.
constexpr int kBusyTimeoutMs = 750;
constexpr double kMaxAltitude = 100000.0;
constexpr int kMaxLine = 1000000;
constexpr double kPi = 3.14159265358979323846;

using sqlite::Database;
using sqlite::Statement;
using sqlite::SyncFile;

// Read-only and never creating: a missing file stays missing.
bool OpenMissionDatabase(Database& db, const std::string& path)
{
    std::error_code error;
    if (path.empty() || !fs::is_regular_file(fs::u8path(path), error)
        || !db.Open(path, SQLITE_OPEN_READONLY))
        return false;
    db.SetBusyTimeout(kBusyTimeoutMs);
    const int version = db.UserVersion();
    // One read transaction, so that missions and photos come from one state of
    // a file that the planning program may be writing.
    return version >= 0 && version <= FlyProjectHelper::kSchemaVersion && db.Exec("BEGIN");
}

bool ReadPhoto(const Statement& q, FlyPhoto& photo)
{
    // line, file_name, folder, longitude, latitude, altitude, yaw, oversized
    if (q.Int(7) != 0)
        return false;
    double line = 0.0;
    if (!q.Number(0, line) || line < 0 || line > kMaxLine || line != std::floor(line))
        return false;
    photo.line = int(line);
    photo.fileName = q.Text(1);
    photo.folder = q.Text(2);
    if (photo.fileName.empty() || photo.fileName.find_first_of("/\\") != std::string::npos)
        return false;
    if (!q.Number(3, photo.longitude) || !q.Number(4, photo.latitude)
        || std::fabs(photo.longitude) > 180.0 || std::fabs(photo.latitude) > 90.0)
        return false;
    if (q.IsNull(5))
        photo.altitude = 0.0;
    else if (!q.Number(5, photo.altitude) || std::fabs(photo.altitude) > kMaxAltitude)
        return false;
    if (!q.Number(6, photo.yaw) || std::fabs(photo.yaw) > 720.0)
        photo.yaw = 0.0;
    return true;
}

// The WGS84 UTM zone of the photos' mean position. Longitudes are averaged as
// directions so that a mission across the date line stays where it is.
int UtmZoneId(const std::vector<FlyPhoto>& photos)
{
    double sinSum = 0.0, cosSum = 0.0, latSum = 0.0;
    for (const FlyPhoto& p : photos) {
        sinSum += std::sin(p.longitude * kPi / 180.0);
        cosSum += std::cos(p.longitude * kPi / 180.0);
        latSum += p.latitude;
    }
    const double lon = std::atan2(sinSum, cosSum) * 180.0 / kPi;
    const double lat = latSum / double(photos.size());
    int zone = int(std::floor((lon + 180.0) / 6.0)) + 1;
    zone = zone < 1 ? 1 : (zone > 60 ? 60 : zone);
    return (lat >= 0.0 ? 32600 : 32700) + zone;
}

int CoordinateId(int epsg, const std::vector<FlyPhoto>& photos)
{
    const kvfd::CoordinateInfoSet known = kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet();
    kvfd::CoordinateInfo c;
    if (epsg > 0 && known.GetCoordinateByID(epsg, c))
        return epsg;
    return UtmZoneId(photos);
}

const char* const kSchema
    = "CREATE TABLE mission(id TEXT PRIMARY KEY NOT NULL, name TEXT, description TEXT,"
      " title TEXT, created TEXT, aircraft_serial TEXT, epsg INTEGER);"
      "CREATE TABLE photo(mission_id TEXT NOT NULL REFERENCES mission(id), seq INTEGER,"
      " line INTEGER, file_name TEXT, folder TEXT, longitude REAL, latitude REAL,"
      " altitude REAL, yaw REAL);"
      "CREATE INDEX photo_mission ON photo(mission_id, seq);";

bool WriteAll(Database& db, const std::vector<FlyMission>& missions)
{
    const std::string header
        = "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA user_version="
        + std::to_string(FlyProjectHelper::kSchemaVersion) + ";";
    if (!db.Exec(header.c_str()) || !db.Exec("BEGIN") || !db.Exec(kSchema))
        return false;
    Statement mission, photo;
    if (!mission.Prepare(db, "INSERT INTO mission VALUES(?,?,?,?,?,?,?)")
        || !photo.Prepare(db, "INSERT INTO photo VALUES(?,?,?,?,?,?,?,?,?)"))
        return false;
    for (const FlyMission& m : missions) {
        if (m.info.id.empty())
            return false;
        mission.Rebind();
        mission.Bind(m.info.id)
            .Bind(m.info.mission)
            .Bind(m.info.description)
            .Bind(m.info.name)
            .Bind(m.info.date)
            .Bind(m.aircraftSerial)
            .Bind(std::int64_t(m.epsg));
        if (!mission.Run())
            return false;
        for (std::size_t i = 0; i < m.photos.size(); ++i) {
            const FlyPhoto& p = m.photos[i];
            photo.Rebind();
            photo.Bind(m.info.id)
                .Bind(std::int64_t(i))
                .Bind(std::int64_t(p.line))
                .Bind(p.fileName)
                .Bind(p.folder)
                .Bind(p.longitude)
                .Bind(p.latitude)
                .Bind(p.altitude)
                .Bind(p.yaw);
            if (!photo.Run())
                return false;
        }
    }
    return db.Exec("COMMIT");
}

} // namespace

bool FlyProjectHelper::QuickRead(const std::string& database, std::vector<FlyPrjInfo>& missions)
{
    Database db;
    Statement q;
    // Only ids that Read finds again are listed. Read looks a mission up by
    // the text of its id, so an id must equal its own text as Read compares:
    // "|| ''" keeps the affinity of the CAST, which would turn a number in a
    // column without type into text, out of the comparison. A BLOB never
    // equals a text; naming such a mission somehow, by its hex digits say,
    // could name another mission whose id is that text. An id with a NUL
    // would reach Read cut short, and might then open another mission too.
    if (!OpenMissionDatabase(db, database)
        || !q.Prepare(db,
                      "SELECT id, substr(name, 1, 4096), substr(description, 1, 4096),"
                      " substr(title, 1, 4096), substr(created, 1, 4096) FROM mission"
                      " WHERE id = CAST(id AS TEXT) || '' AND length(id) BETWEEN 1 AND 1024"
                      " AND instr(id, char(0)) = 0 ORDER BY created DESC, id"))
        return false;
    std::vector<FlyPrjInfo> list;
    int rc = SQLITE_ROW;
    while ((rc = q.Step()) == SQLITE_ROW)
        list.push_back({q.Text(0), q.Text(1), q.Text(2), q.Text(3), q.Text(4)});
    if (rc != SQLITE_DONE)
        return false;
    missions.swap(list);
    return true;
}

bool FlyProjectHelper::Read(const std::string& database, const std::string& id, KvProject& project)
{
    Database db;
    Statement m;
    if (id.empty() || !OpenMissionDatabase(db, database)
        || !m.Prepare(db,
                      "SELECT substr(name, 1, 4096), substr(title, 1, 4096),"
                      " substr(created, 1, 4096), substr(aircraft_serial, 1, 4096), epsg"
                      " FROM mission WHERE id = ?"))
        return false;
    m.Bind(id);
    if (m.Step() != SQLITE_ROW)
        return false;
    const std::string title = m.Text(1).empty() ? m.Text(0) : m.Text(1);
    const std::string created = m.Text(2);
    const std::string serial = m.Text(3);
    double epsg = -1.0;
    if (!m.Number(4, epsg) || std::fabs(epsg) > 1e9)
        epsg = -1.0;

    Statement q;
    if (!q.Prepare(
            db,
            "SELECT line, file_name, folder, longitude, latitude, altitude, yaw,"
            " length(CAST(file_name AS BLOB)) > 16384 OR length(CAST(folder AS BLOB)) > 16384"
            " FROM photo WHERE mission_id = ? ORDER BY seq, rowid"))
        return false;
    q.Bind(id);
    std::vector<FlyPhoto> photos;
    int rc = SQLITE_ROW;
    while ((rc = q.Step()) == SQLITE_ROW) {
        FlyPhoto photo;
        if (ReadPhoto(q, photo))
            photos.push_back(std::move(photo));
    }
    if (rc != SQLITE_DONE || photos.empty())
        return false;

    KvProject result;
    PrjInfo& info = result.GetPrjInfo();
    CopyText(info.name, title);
    CopyText(info.date, created);
    CopyText(info.description, serial);
    info.coordinateId = CoordinateId(int(epsg), photos);
    kvfd::ImageInfoSet& images = result.GetImageInfoSet();
    images.Reserve(int(photos.size()));
    for (const FlyPhoto& p : photos) {
        kvfd::EOP eop;
        eop.X = p.longitude;
        eop.Y = p.latitude;
        eop.Z = p.altitude;
        eop.Kappa = p.yaw * kPi / 180.0;
        const int index = images.AddImage(p.fileName, p.folder, eop, 0, true);
        images.GetImageExt(index)->flight = p.line;
    }
    project = std::move(result);
    return true;
}

bool FlyProjectHelper::Write(const std::string& database, const std::vector<FlyMission>& missions)
{
    if (database.empty())
        return false;
    std::set<std::string> ids;
    for (const FlyMission& m : missions) {
        if (!ids.insert(m.info.id).second)
            return false;
    }
    const std::string temporary = database + ".writing-" + std::to_string(getpid());
    std::error_code error;
    fs::remove(fs::u8path(temporary), error);
    bool ok = false;
    {
        Database db;
        ok = db.Open(temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
            && WriteAll(db, missions) && db.Close();
    }
    ok = ok && SyncFile(temporary);
    if (ok) {
        fs::rename(fs::u8path(temporary), fs::u8path(database), error);
        ok = !error;
    }
    if (!ok)
        fs::remove(fs::u8path(temporary), error);
    return ok;
}

} // namespace kvprj
