#include "kvprj/kvproject.h"

#include "sqlitefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

// A project file is an SQLite database:
//
//   PRAGMA application_id = 0x4B565052 ('KVPR'), PRAGMA user_version = kFormatVersion
//   project(coordinate_id, view_type, name, operator, date, description,
//           mean_elevation, aircraft_type)                      one row
//   cameras(idx PRIMARY KEY, id, name, fullname, width, height, ccd_width, ccd_height,
//           focal, pixel_size_x, pixel_size_y, x0, y0, dtype, k1, k2, k3, p1, p2,
//           alpha, beta, k4, k5, k6, mount_angle)
//   images(idx PRIMARY KEY, name, path, x, y, z, omega, phi, kappa, camera, flight,
//          enabled, visible, selected, updated)
//
// Only the valid images are written, in order, so the slots of removed images are
// gone after a save and reopen: image indices are stable while a project is open,
// not across saves. Camera indices, which images refer to, are kept.
//
// Texts go in and come out as raw bytes: names taken from foreign file systems
// need not be UTF-8 and must still find their files. The file's own path is not
// stored; an opened project takes the path it was opened from, so a copied or
// moved file is right without rewriting it.

namespace kvprj {

namespace {

using sqlite::Database;
using sqlite::Statement;
using sqlite::SyncFile;

constexpr int kApplicationId = 0x4B565052;

const char* const kSchema
    = "CREATE TABLE project(coordinate_id INTEGER, view_type INTEGER, name TEXT, operator TEXT,"
      " date TEXT, description TEXT, mean_elevation REAL, aircraft_type INTEGER);"
      "CREATE TABLE cameras(idx INTEGER PRIMARY KEY, id INTEGER, name TEXT, fullname TEXT,"
      " width INTEGER, height INTEGER, ccd_width REAL, ccd_height REAL, focal REAL,"
      " pixel_size_x REAL, pixel_size_y REAL, x0 REAL, y0 REAL, dtype INTEGER, k1 REAL, k2 REAL,"
      " k3 REAL, p1 REAL, p2 REAL, alpha REAL, beta REAL, k4 REAL, k5 REAL, k6 REAL,"
      " mount_angle INTEGER);"
      "CREATE TABLE images(idx INTEGER PRIMARY KEY, name TEXT, path TEXT, x REAL, y REAL, z REAL,"
      " omega REAL, phi REAL, kappa REAL, camera INTEGER, flight INTEGER, enabled INTEGER,"
      " visible INTEGER, selected INTEGER, updated INTEGER);";

const char* const kSelectInfo
    = "SELECT coordinate_id, view_type, name, operator, date, description,"
      " mean_elevation, aircraft_type FROM project LIMIT 1";
const char* const kSelectCameras
    = "SELECT id, name, fullname, width, height, ccd_width, ccd_height, focal, pixel_size_x,"
      " pixel_size_y, x0, y0, dtype, k1, k2, k3, p1, p2, alpha, beta, k4, k5, k6, mount_angle"
      " FROM cameras ORDER BY idx";
const char* const kSelectImages = "SELECT name, path, x, y, z, omega, phi, kappa, camera, flight,"
                                  " enabled, visible, selected, updated FROM images ORDER BY idx";

bool WriteContents(Database& db, const PrjInfo& info, const kvfd::CameraInfoSet& cameras,
                   const kvfd::ImageInfoSet& images)
{
    // The file is new and private until renamed: no journal, no locking, no syncs
    // inside sqlite. Durability comes from the single fsync before the rename.
    const std::string header = "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"
                               " PRAGMA locking_mode=EXCLUSIVE; PRAGMA application_id="
        + std::to_string(kApplicationId)
        + "; PRAGMA user_version=" + std::to_string(KvProject::kFormatVersion) + ";";
    if (!db.Exec(header.c_str()) || !db.Exec("BEGIN") || !db.Exec(kSchema))
        return false;

    Statement project;
    if (!project.Prepare(db, "INSERT INTO project VALUES(?,?,?,?,?,?,?,?)"))
        return false;
    project.Bind(std::int64_t(info.coordinateId))
        .Bind(std::int64_t(info.viewType))
        .Bind(info.name)
        .Bind(info.prjOperator)
        .Bind(info.date)
        .Bind(info.description)
        .Bind(info.meanElevation)
        .Bind(std::int64_t(info.aircraftType));
    if (!project.Run())
        return false;

    Statement camera;
    if (!camera.Prepare(
            db, "INSERT INTO cameras VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"))
        return false;
    for (int i = 0; i < cameras.Size(); ++i) {
        const kvfd::CameraInfo& c = *cameras.GetCamera(i);
        camera.Rebind();
        camera.Bind(std::int64_t(i))
            .Bind(std::int64_t(c.id))
            .Bind(c.name)
            .Bind(c.fullname)
            .Bind(std::int64_t(c.width))
            .Bind(std::int64_t(c.height))
            .Bind(c.ccd_width)
            .Bind(c.ccd_height)
            .Bind(c.focal)
            .Bind(c.pixel_size_x)
            .Bind(c.pixel_size_y)
            .Bind(c.x0)
            .Bind(c.y0)
            .Bind(std::int64_t(c.dtype))
            .Bind(c.k1)
            .Bind(c.k2)
            .Bind(c.k3)
            .Bind(c.p1)
            .Bind(c.p2)
            .Bind(c.alpha)
            .Bind(c.beta)
            .Bind(c.k4)
            .Bind(c.k5)
            .Bind(c.k6)
            .Bind(std::int64_t(c.mount_angle));
        if (!camera.Run())
            return false;
    }

    Statement image;
    if (!image.Prepare(db, "INSERT INTO images VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"))
        return false;
    std::int64_t row = 0;
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfo* info = images.GetImage(i);
        if (!info)
            continue;
        const kvfd::ImageInfoExt& ext = *images.GetImageExt(i);
        const kvfd::EOP& eop = info->GetEOP();
        image.Rebind();
        image.Bind(row++)
            .Bind(info->Name())
            .Bind(info->Path())
            .Bind(eop.X)
            .Bind(eop.Y)
            .Bind(eop.Z)
            .Bind(eop.Omega)
            .Bind(eop.Phi)
            .Bind(eop.Kappa)
            .Bind(std::int64_t(info->GetCamera()))
            .Bind(std::int64_t(ext.flight))
            .Bind(std::int64_t(ext.enabled))
            .Bind(std::int64_t(ext.visible))
            .Bind(std::int64_t(ext.selected))
            .Bind(std::int64_t(ext.update));
        if (!image.Run())
            return false;
    }
    return db.Exec("COMMIT");
}

bool WriteProject(const std::string& file, const PrjInfo& info, const kvfd::CameraInfoSet& cameras,
                  const kvfd::ImageInfoSet& images)
{
    Database db;
    // Closing is part of writing: it is what reports a failed flush.
    return db.Open(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
        && WriteContents(db, info, cameras, images) && db.Close();
}

// Makes a rename durable. Best effort: some file systems refuse fsync on folders.
void SyncFolderOf(const std::string& file)
{
    fs::path folder = fs::path(file).parent_path();
    if (folder.empty())
        folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Removes a temporary file of ours; anything else of that name is left alone.
void RemoveTemp(const std::string& file)
{
    std::error_code ec;
    if (fs::is_regular_file(fs::symlink_status(fs::path(file), ec)))
        fs::remove(fs::path(file), ec);
}

// Opens a project file for reading and checks that it is one this version reads.
bool OpenProjectFile(const std::string& path, Database& db)
{
    if (!db.Open(path, SQLITE_OPEN_READONLY))
        return false;
    // A file that is not a database opens fine; the first read reports
    // SQLITE_NOTADB. An empty file reads as an empty database with id 0.
    Statement id;
    if (!id.Prepare(db, "PRAGMA application_id") || id.Step() != SQLITE_ROW
        || id.Int(0) != kApplicationId)
        return false;
    Statement version;
    if (!version.Prepare(db, "PRAGMA user_version") || version.Step() != SQLITE_ROW)
        return false;
    const int v = version.Int(0);
    if (v < 1 || v > KvProject::kFormatVersion)
        return false;
    // sqlite notices missing whole pages but reads a cut last page as zeros, which
    // decode as empty rows. A file shorter than its pages was cut off.
    Statement pages;
    Statement pageSize;
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(fs::path(path), ec);
    return !ec && pages.Prepare(db, "PRAGMA page_count") && pages.Step() == SQLITE_ROW
        && pageSize.Prepare(db, "PRAGMA page_size") && pageSize.Step() == SQLITE_ROW
        && std::uintmax_t(pages.Int64(0)) * std::uintmax_t(pageSize.Int64(0)) <= size;
}

bool ReadInfo(const Database& db, PrjInfo& info)
{
    Statement stmt;
    if (!stmt.Prepare(db, kSelectInfo) || stmt.Step() != SQLITE_ROW)
        return false;
    info.coordinateId = stmt.Int(0);
    info.viewType = stmt.Int(1);
    CopyText(info.name, stmt.Text(2));
    CopyText(info.prjOperator, stmt.Text(3));
    CopyText(info.date, stmt.Text(4));
    CopyText(info.description, stmt.Text(5));
    info.meanElevation = stmt.Real(6);
    info.aircraftType = stmt.Int(7);
    return stmt.Step() == SQLITE_DONE;
}

bool ReadCameras(const Database& db, kvfd::CameraInfoSet& cameras)
{
    Statement stmt;
    if (!stmt.Prepare(db, kSelectCameras))
        return false;
    int rc;
    while ((rc = stmt.Step()) == SQLITE_ROW) {
        kvfd::CameraInfo c;
        int col = 0;
        c.id = stmt.Int(col++);
        c.name = stmt.Text(col++);
        c.fullname = stmt.Text(col++);
        c.width = stmt.Int(col++);
        c.height = stmt.Int(col++);
        c.ccd_width = stmt.Real(col++);
        c.ccd_height = stmt.Real(col++);
        c.focal = stmt.Real(col++);
        c.pixel_size_x = stmt.Real(col++);
        c.pixel_size_y = stmt.Real(col++);
        c.x0 = stmt.Real(col++);
        c.y0 = stmt.Real(col++);
        c.dtype = stmt.Int(col++);
        c.k1 = stmt.Real(col++);
        c.k2 = stmt.Real(col++);
        c.k3 = stmt.Real(col++);
        c.p1 = stmt.Real(col++);
        c.p2 = stmt.Real(col++);
        c.alpha = stmt.Real(col++);
        c.beta = stmt.Real(col++);
        c.k4 = stmt.Real(col++);
        c.k5 = stmt.Real(col++);
        c.k6 = stmt.Real(col++);
        c.mount_angle = stmt.Int(col++);
        cameras.AddCamera(c);
    }
    return rc == SQLITE_DONE;
}

// All images, or with limit >= 0 at most that many from the start.
bool ReadImages(const Database& db, kvfd::ImageInfoSet& images, int limit)
{
    if (limit < 0) {
        Statement count;
        if (!count.Prepare(db, "SELECT count(*) FROM images") || count.Step() != SQLITE_ROW)
            return false;
        images.Reserve(count.Int(0));
    }
    Statement stmt;
    if (!stmt.Prepare(db, kSelectImages))
        return false;
    int rc = SQLITE_DONE;
    for (int n = 0; limit < 0 || n < limit; ++n) {
        rc = stmt.Step();
        if (rc != SQLITE_ROW)
            break;
        kvfd::EOP eop;
        eop.X = stmt.Real(2);
        eop.Y = stmt.Real(3);
        eop.Z = stmt.Real(4);
        eop.Omega = stmt.Real(5);
        eop.Phi = stmt.Real(6);
        eop.Kappa = stmt.Real(7);
        const int i = images.AddImage(stmt.Text(0), stmt.Text(1), eop, stmt.Int(8), stmt.Bool(10));
        kvfd::ImageInfoExt& ext = *images.GetImageExt(i);
        ext.flight = stmt.Int(9);
        ext.visible = stmt.Bool(11);
        ext.selected = stmt.Bool(12);
        ext.update = stmt.Bool(13);
    }
    return rc == SQLITE_DONE || rc == SQLITE_ROW;
}

} // namespace

bool KvProject::OpenPrj(const std::string& path)
{
    Database db;
    if (!OpenProjectFile(path, db))
        return false;
    // One read transaction: the three tables come from the same state of the file.
    if (!db.Exec("BEGIN"))
        return false;
    PrjInfo info;
    kvfd::CameraInfoSet cameras;
    kvfd::ImageInfoSet images;
    if (!ReadInfo(db, info) || !ReadCameras(db, cameras) || !ReadImages(db, images, -1)
        || !db.Exec("COMMIT"))
        return false;
    info.path = path;
    m_info = std::move(info);
    m_cameras = std::move(cameras);
    m_images = std::move(images);
    return true;
}

bool KvProject::QuickOpenPrj(const std::string& path)
{
    Database db;
    if (!OpenProjectFile(path, db))
        return false;
    if (!db.Exec("BEGIN"))
        return false;
    PrjInfo info;
    kvfd::ImageInfoSet images;
    // Preparing the camera query proves the table is there, without reading it:
    // a file OpenPrj would refuse is refused here too.
    Statement cameraCheck;
    if (!ReadInfo(db, info) || !cameraCheck.Prepare(db, kSelectCameras)
        || !ReadImages(db, images, 1) || !db.Exec("COMMIT"))
        return false;
    info.path = path;
    m_info = std::move(info);
    m_cameras.Clear();
    m_images = std::move(images);
    return true;
}

bool KvProject::SavePrj(const std::string& path)
{
    const std::string target = path.empty() ? m_info.path : path;
    if (target.empty())
        return false;
    // Beside the target, so that the final rename stays on one file system.
    const std::string temp = target + ".saving-" + std::to_string(::getpid());
    // What a crashed save of a process with the same id left behind.
    RemoveTemp(temp);
    if (!WriteProject(temp, m_info, m_cameras, m_images) || !SyncFile(temp)
        || std::rename(temp.c_str(), target.c_str()) != 0) {
        RemoveTemp(temp);
        return false;
    }
    SyncFolderOf(target);
    m_info.path = target;
    return true;
}

bool KvProject::CopyTo(const std::string& source, const std::string& target)
{
    std::error_code ec;
    if (target.empty() || fs::exists(fs::symlink_status(fs::path(target), ec)))
        return false;
    KvProject probe;
    if (!probe.QuickOpenPrj(source))
        return false;

    // The copy appears under its name only when complete.
    const std::string temp = target + ".copying-" + std::to_string(::getpid());
    RemoveTemp(temp);
    if (!fs::copy_file(fs::path(source), fs::path(temp), fs::copy_options::none, ec) || ec
        || !SyncFile(temp)) {
        RemoveTemp(temp);
        return false;
    }
    // Refuses to replace a target that appeared meanwhile. File systems without
    // RENAME_NOREPLACE get a check and a plain rename.
    int rc = ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE);
    if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
        rc = fs::exists(fs::symlink_status(fs::path(target), ec))
            ? -1
            : std::rename(temp.c_str(), target.c_str());
    }
    if (rc != 0) {
        RemoveTemp(temp);
        return false;
    }
    SyncFolderOf(target);
    return true;
}

} // namespace kvprj
