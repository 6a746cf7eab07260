#pragma once

#include "kvprj/kvprj_export.h"
#include "kvprj/kvproject.h"

#include <string>
#include <vector>

namespace kvprj {

// One mission of the flight-planning program as a project list shows it.
struct FlyPrjInfo
{
    std::string id;          // the mission's identifier, what Read takes
    std::string mission;     // the mission's name
    std::string description; // the mission's description
    std::string name;        // the name to show (the mission's title)
    std::string date;        // when it was planned, ISO 8601
};

// One planned photo of a mission.
struct FlyPhoto
{
    int line = 0;           // flight line, 0-based
    std::string fileName;   // "DJI_0001.JPG"
    std::string folder;     // the folder the photo is stored in
    double longitude = 0.0; // degrees, east positive
    double latitude = 0.0;  // degrees, north positive
    double altitude = 0.0;  // metres
    double yaw = 0.0;       // degrees clockwise from north
};

// A whole mission, as the writer stores it.
struct FlyMission
{
    FlyPrjInfo info;
    std::string aircraftSerial;
    int epsg = -1;                // the mission's coordinate system, -1 when it has none
    std::vector<FlyPhoto> photos; // in flight order
};

// Reads the missions of the flight-planning program's database
// ("Flight_Mission.db"), an SQLite file:
//
//   PRAGMA user_version = 1 (0 is read as 1; later versions are refused)
//   mission(id TEXT PRIMARY KEY, name TEXT, description TEXT, title TEXT,
//           created TEXT            -- ISO 8601 "2024-05-06T07:08:09"
//           aircraft_serial TEXT, epsg INTEGER)
//   photo(mission_id TEXT, seq INTEGER, line INTEGER, file_name TEXT, folder TEXT,
//         longitude REAL, latitude REAL, altitude REAL, yaw REAL)
//           -- seq orders the photos of a mission in flight order
//
// FlyPrjInfo maps id, name, description, title, created in this order.
//
// The database is opened read-only and never created; a missing, damaged or
// foreign file, another schema, a later version or a database that another program
// holds locked for writing gives false within about a second. Nothing throws.
class KVPRJ_EXPORT FlyProjectHelper
{
public:
    // Lists the missions (without their photos), newest first, equal dates by id.
    // Only missions that Read can open by the listed id are listed: those whose
    // id is NULL, empty, a BLOB, a number that its text does not find (in a
    // foreign writer's column without type), holds a NUL or is longer than 1024
    // characters are left out. Texts longer than 4096 characters are cut there.
    // False, with missions unchanged, when the database cannot be read.
    static bool QuickRead(const std::string& database, std::vector<FlyPrjInfo>& missions);

    // Builds a project from mission id: name = title (the mission's name when the
    // title is empty), date = created, description = the aircraft serial number,
    // coordinateId = the mission's EPSG code when the configuration knows it, else
    // the WGS84 UTM zone of the photos' mean position; one image per photo in seq
    // order (name, folder, EOP X/Y/Z = longitude/latitude/altitude in degrees and
    // metres, Kappa = yaw in radians, camera 0, enabled) with flight = line. No
    // cameras, no file path. Photos without a file name, with a position or line
    // missing or out of range, or with a file name or folder longer than 16 KiB
    // are left out. False, with project unchanged, when the mission is missing or
    // has no usable photo.
    static bool Read(const std::string& database, const std::string& id, KvProject& project);

    // Writes missions as a new database at path, replacing any file there (the
    // file is written aside and moved over it). Photos are stored with seq = their
    // index. False, leaving any previous file, when it cannot be written or two
    // missions share an id.
    static bool Write(const std::string& database, const std::vector<FlyMission>& missions);

    // The version Write stores in user_version.
    static constexpr int kSchemaVersion = 1;
};

} // namespace kvprj
