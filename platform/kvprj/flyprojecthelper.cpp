#include "kvprj/flyprojecthelper.h"

#include "kvfd/coordinateinfo.h"
#include "kvfd/kvconfiguration.h"

#include <cmath>
#include <filesystem>
#include <set>
#include <sqlite3.h>
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

// sqlite treats names starting with "file:" as URIs when built to do so.
std::string SqliteName(const std::string& path)
{
    return path.compare(0, 5, "file:") == 0 ? "./" + path : path;
}

class Connection
{
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() { sqlite3_close_v2(m_db); }

    // Read-only and never creating: a missing file stays missing.
    bool OpenReadOnly(const std::string& path)
    {
        std::error_code error;
        if (path.empty() || !fs::is_regular_file(fs::u8path(path), error))
            return false;
        if (sqlite3_open_v2(SqliteName(path).c_str(), &m_db, SQLITE_OPEN_READONLY, nullptr)
            != SQLITE_OK)
            return false;
        sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
        return true;
    }
    bool Create(const std::string& path)
    {
        if (sqlite3_open_v2(SqliteName(path).c_str(), &m_db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
            != SQLITE_OK)
            return false;
        return true;
    }
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

    // user_version of the file; -1 when it cannot be read (not a database,
    // locked, ...).
    int Version()
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

class Query
{
public:
    Query(const Connection& db, const char* sql)
    {
        if (sqlite3_prepare_v2(db.Get(), sql, -1, &m_stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
        }
    }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;
    ~Query() { sqlite3_finalize(m_stmt); }

    bool IsValid() const { return m_stmt != nullptr; }
    int Step() { return sqlite3_step(m_stmt); }
    void Bind(int i, const std::string& text)
    {
        sqlite3_bind_text(m_stmt, i, text.data(), int(text.size()), SQLITE_TRANSIENT);
    }
    void Bind(int i, double value) { sqlite3_bind_double(m_stmt, i, value); }
    void Bind(int i, std::int64_t value) { sqlite3_bind_int64(m_stmt, i, value); }
    bool Run()
    {
        const bool ok = sqlite3_step(m_stmt) == SQLITE_DONE;
        sqlite3_reset(m_stmt);
        return ok;
    }

    bool IsNull(int col) const { return sqlite3_column_type(m_stmt, col) == SQLITE_NULL; }
    // Texts as stored, cut at an embedded NUL so they survive C strings later.
    std::string Text(int col) const
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, col));
        if (!text)
            return std::string();
        std::string s(text, std::size_t(sqlite3_column_bytes(m_stmt, col)));
        return s.substr(0, s.find('\0'));
    }
    // Only cells that hold numbers count: a text such as "abc" would read as 0.
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
};

bool OpenMissionDatabase(Connection& db, const std::string& path)
{
    if (!db.OpenReadOnly(path))
        return false;
    const int version = db.Version();
    // One read transaction, so that missions and photos come from one state of
    // a file that the planning program may be writing.
    return version >= 0 && version <= FlyProjectHelper::kSchemaVersion && db.Exec("BEGIN");
}

bool ReadPhoto(const Query& q, FlyPhoto& photo)
{
    // line, file_name, folder, longitude, latitude, altitude, yaw
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

bool WriteAll(Connection& db, const std::vector<FlyMission>& missions)
{
    const std::string header
        = "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA user_version="
        + std::to_string(FlyProjectHelper::kSchemaVersion) + ";";
    if (!db.Exec(header.c_str()) || !db.Exec("BEGIN") || !db.Exec(kSchema))
        return false;
    Query mission(db, "INSERT INTO mission VALUES(?,?,?,?,?,?,?)");
    Query photo(db, "INSERT INTO photo VALUES(?,?,?,?,?,?,?,?,?)");
    if (!mission.IsValid() || !photo.IsValid())
        return false;
    for (const FlyMission& m : missions) {
        if (m.info.id.empty())
            return false;
        mission.Bind(1, m.info.id);
        mission.Bind(2, m.info.mission);
        mission.Bind(3, m.info.description);
        mission.Bind(4, m.info.name);
        mission.Bind(5, m.info.date);
        mission.Bind(6, m.aircraftSerial);
        mission.Bind(7, std::int64_t(m.epsg));
        if (!mission.Run())
            return false;
        for (std::size_t i = 0; i < m.photos.size(); ++i) {
            const FlyPhoto& p = m.photos[i];
            photo.Bind(1, m.info.id);
            photo.Bind(2, std::int64_t(i));
            photo.Bind(3, std::int64_t(p.line));
            photo.Bind(4, p.fileName);
            photo.Bind(5, p.folder);
            photo.Bind(6, p.longitude);
            photo.Bind(7, p.latitude);
            photo.Bind(8, p.altitude);
            photo.Bind(9, p.yaw);
            if (!photo.Run())
                return false;
        }
    }
    return db.Exec("COMMIT");
}

} // namespace

bool FlyProjectHelper::QuickRead(const std::string& database, std::vector<FlyPrjInfo>& missions)
{
    Connection db;
    if (!OpenMissionDatabase(db, database))
        return false;
    Query q(db,
            "SELECT id, name, description, title, created FROM mission"
            " WHERE id IS NOT NULL AND id <> '' ORDER BY created DESC, id");
    if (!q.IsValid())
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
    Connection db;
    if (id.empty() || !OpenMissionDatabase(db, database))
        return false;

    Query m(db, "SELECT name, title, created, aircraft_serial, epsg FROM mission WHERE id = ?");
    if (!m.IsValid())
        return false;
    m.Bind(1, id);
    if (m.Step() != SQLITE_ROW)
        return false;
    const std::string title = m.Text(1).empty() ? m.Text(0) : m.Text(1);
    const std::string created = m.Text(2);
    const std::string serial = m.Text(3);
    double epsg = -1.0;
    if (!m.Number(4, epsg) || std::fabs(epsg) > 1e9)
        epsg = -1.0;

    Query q(db,
            "SELECT line, file_name, folder, longitude, latitude, altitude, yaw FROM photo"
            " WHERE mission_id = ? ORDER BY seq, rowid");
    if (!q.IsValid())
        return false;
    q.Bind(1, id);
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
        Connection db;
        ok = db.Create(temporary) && WriteAll(db, missions) && db.Close();
    }
    if (ok) {
        fs::rename(fs::u8path(temporary), fs::u8path(database), error);
        ok = !error;
    }
    if (!ok)
        fs::remove(fs::u8path(temporary), error);
    return ok;
}

} // namespace kvprj
