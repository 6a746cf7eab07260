#pragma once

#include <string>

namespace kvgps {

// The parameters of one GNSS post-processing run: the rover's and the base
// station's observation files, where the base position comes from, the
// positioning mode and satellite systems, the rover antenna height and where
// the results go. A plain value, copied freely; the defaults are those of a
// new record. Paths are narrow strings in the local code page.
struct GPSParam
{
    // GNSS system bits of gnss_systems.
    static constexpr int kGPS = 1;
    static constexpr int kSBAS = 2;
    static constexpr int kGLONASS = 4;
    static constexpr int kBeiDou = 32;

    int use_base = 0;           // 1 when a base station is used
    int base_position_mode = 0; // 0 base file's RINEX header, 1 automatic, 2 entered
    int nav_source = 0;         // navigation data: 0 from the base, 1 from the rover
    int gnss_systems = kGPS | kBeiDou;
    int positioning = 0;          // 0 single-point, 1 differential
    int solution_option = 0;      // reset to 0 whenever differential positioning is chosen
    double solution_value = -1.0; // reset to -1 whenever the positioning is set
    double base_longitude = 0.0;  // degrees
    double base_latitude = 0.0;   // degrees
    double base_height = 0.0;     // metres
    double reserved1 = 0.0;
    double reserved2 = 0.0;
    double antenna_height = 0.0; // rover antenna height, metres
    std::string base_obs_path;
    std::string rover_obs_path;
    std::string output_dir;
    std::string rtk_file;
};

inline bool operator==(const GPSParam& a, const GPSParam& b)
{
    return a.use_base == b.use_base && a.base_position_mode == b.base_position_mode
        && a.nav_source == b.nav_source && a.gnss_systems == b.gnss_systems
        && a.positioning == b.positioning && a.solution_option == b.solution_option
        && a.solution_value == b.solution_value && a.base_longitude == b.base_longitude
        && a.base_latitude == b.base_latitude && a.base_height == b.base_height
        && a.reserved1 == b.reserved1 && a.reserved2 == b.reserved2
        && a.antenna_height == b.antenna_height && a.base_obs_path == b.base_obs_path
        && a.rover_obs_path == b.rover_obs_path && a.output_dir == b.output_dir
        && a.rtk_file == b.rtk_file;
}

inline bool operator!=(const GPSParam& a, const GPSParam& b)
{
    return !(a == b);
}

} // namespace kvgps
