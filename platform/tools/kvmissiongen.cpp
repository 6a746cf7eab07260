// kvmissiongen: writes a sample flight-mission database from a folder of photos,
// so that the flight projects can be tried without the flight-planning program.
//
//   kvmissiongen OUTPUT.db PHOTO_FOLDER [--missions N] [--lines N] [--serial S] [--force]
//
// Photos without a GPS position are skipped. With enough positioned photos the
// first mission is the photos themselves in name order, grouped into lines by
// their track; otherwise, and for every further mission, a serpentine grid of
// lines is planned around the photos' mean position, each mission turned by 30
// degrees, and the real photo files are referenced in turn.

#include "kvalgorithm/flightlinealgo.h"
#include "kvfd/pathhelper.h"
#include "kvimage/kvimage.h"
#include "kvprj/flyprojecthelper.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMetresPerDegree = 6378137.0 * kPi / 180.0;
constexpr int kMinTrackPhotos = 12; // fewer photos make no useful lines
constexpr int kPhotosPerLine = 8;
constexpr double kPhotoSpacing = 30.0; // metres
constexpr double kLineSpacing = 60.0;  // metres

struct Photo
{
    std::string name;
    double lla[3];
};

void Usage()
{
    std::fprintf(stderr,
                 "usage: kvmissiongen OUTPUT.db PHOTO_FOLDER [--missions N] [--lines N]"
                 " [--serial S] [--force]\n");
}

bool IsPhoto(const std::string& name)
{
    std::string ext = kvfd::PathHelper::GetFileExt(name);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return ext == ".jpg" || ext == ".jpeg" || ext == ".tif" || ext == ".tiff" || ext == ".dng";
}

bool ParseCount(const char* text, int low, int high, int& out)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < low || value > high)
        return false;
    out = int(value);
    return true;
}

std::string Now(int minutesBack)
{
    const std::time_t t = std::time(nullptr) - std::time_t(minutesBack) * 60;
    std::tm local {};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

int UtmZone(double lon, double lat)
{
    const int zone = std::clamp(int(std::floor((lon + 180.0) / 6.0)) + 1, 1, 60);
    return (lat >= 0.0 ? 32600 : 32700) + zone;
}

// The photos in name order, each its own position, lines from the track.
std::vector<kvprj::FlyPhoto> TrackMission(const std::vector<Photo>& photos,
                                          const std::string& folder)
{
    kvfd::ImageInfoSet set;
    for (const Photo& p : photos) {
        kvfd::EOP eop;
        eop.X = p.lla[0], eop.Y = p.lla[1], eop.Z = p.lla[2];
        set.AddImage(p.name, folder, eop, 0, true);
    }
    kvalgorithm::FlightLineAlgo::CalcFlightLine(set, set);
    std::vector<kvprj::FlyPhoto> result;
    for (int i = 0; i < set.Size(); ++i) {
        const kvfd::EOP& e = set.GetImage(i)->GetEOP();
        result.push_back(
            {set.GetImageExt(i)->flight, photos[std::size_t(i)].name, folder, e.X, e.Y, e.Z, 0.0});
    }
    return result;
}

// A serpentine of lines around the centre, the lines heading `heading` degrees
// clockwise from north, the photo files used in turn.
std::vector<kvprj::FlyPhoto> PlannedMission(const std::vector<Photo>& photos,
                                            const std::string& folder, const double* centre,
                                            int lines, double heading)
{
    const double h = heading * kPi / 180.0;
    const double alongE = std::sin(h), alongN = std::cos(h); // along the line
    const double acrossE = alongN, acrossN = -alongE;        // to the next line
    const double eastScale = kMetresPerDegree * std::cos(centre[1] * kPi / 180.0);
    const double altitude = centre[2] != 0.0 ? centre[2] : 100.0;
    std::vector<kvprj::FlyPhoto> result;
    for (int line = 0; line < lines; ++line) {
        const double across = (line - (lines - 1) / 2.0) * kLineSpacing;
        for (int k = 0; k < kPhotosPerLine; ++k) {
            const int step = line % 2 == 0 ? k : kPhotosPerLine - 1 - k;
            const double along = (step - (kPhotosPerLine - 1) / 2.0) * kPhotoSpacing;
            const double east = along * alongE + across * acrossE;
            const double north = along * alongN + across * acrossN;
            const Photo& file = photos[result.size() % photos.size()];
            const double yaw = std::fmod(line % 2 == 0 ? heading : heading + 180.0, 360.0);
            result.push_back({line, file.name, folder, centre[0] + east / eastScale,
                              centre[1] + north / kMetresPerDegree, altitude, yaw});
        }
    }
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        Usage();
        return 2;
    }
    const std::string output = argv[1];
    int missions = 1, lines = 4;
    std::string serial = "SN0001";
    bool force = false;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--missions" && hasValue && ParseCount(argv[i + 1], 1, 100, missions))
            ++i;
        else if (arg == "--lines" && hasValue && ParseCount(argv[i + 1], 1, 100, lines))
            ++i;
        else if (arg == "--serial" && hasValue)
            serial = argv[++i];
        else if (arg == "--force")
            force = true;
        else {
            Usage();
            return 2;
        }
    }

    std::error_code error;
    const std::string folder
        = fs::absolute(fs::u8path(argv[2]), error).lexically_normal().u8string();
    std::vector<std::string> names;
    if (error || !kvfd::PathHelper::GetFileNames(folder, names)) {
        std::fprintf(stderr, "kvmissiongen: cannot read the folder %s\n", argv[2]);
        return 1;
    }
    std::vector<Photo> photos;
    double centre[3] = {0, 0, 0}, sinSum = 0, cosSum = 0;
    for (const std::string& name : names) {
        Photo p {name, {0, 0, 0}};
        if (!IsPhoto(name)
            || !kvimage::GetGPSFromImage(kvfd::PathHelper::Merge(folder, name), p.lla))
            continue;
        sinSum += std::sin(p.lla[0] * kPi / 180.0), cosSum += std::cos(p.lla[0] * kPi / 180.0);
        centre[1] += p.lla[1], centre[2] += p.lla[2];
        photos.push_back(p);
    }
    if (photos.empty()) {
        std::fprintf(stderr, "kvmissiongen: no photo with a GPS position in %s\n", folder.c_str());
        return 1;
    }
    centre[0] = std::atan2(sinSum, cosSum) * 180.0 / kPi;
    centre[1] /= double(photos.size()), centre[2] /= double(photos.size());

    if (!force && kvfd::PathHelper::IsFileExisted(output)) {
        std::fprintf(stderr, "kvmissiongen: %s exists; --force replaces it\n", output.c_str());
        return 1;
    }
    const std::string title = fs::u8path(folder).filename().u8string();
    std::vector<kvprj::FlyMission> list;
    for (int m = 0; m < missions; ++m) {
        kvprj::FlyMission mission;
        const bool track = m == 0 && int(photos.size()) >= kMinTrackPhotos;
        mission.photos = track ? TrackMission(photos, folder)
                               : PlannedMission(photos, folder, centre, lines, 30.0 * m);
        char id[32];
        std::snprintf(id, sizeof id, "mission-%04d", m + 1);
        mission.info = {id, "Mission " + std::to_string(m + 1),
                        track ? "Photos along their own track" : "Planned serpentine grid",
                        title + " " + std::to_string(m + 1), Now(m)};
        mission.aircraftSerial = serial;
        mission.epsg = UtmZone(centre[0], centre[1]);
        list.push_back(std::move(mission));
    }
    const fs::path parent = fs::u8path(output).parent_path();
    if (!parent.empty())
        fs::create_directories(parent, error);
    if (!kvprj::FlyProjectHelper::Write(output, list)) {
        std::fprintf(stderr, "kvmissiongen: cannot write %s\n", output.c_str());
        return 1;
    }
    std::printf("%s: %zu photo(s) with a position in %s\n", output.c_str(), photos.size(),
                folder.c_str());
    for (const kvprj::FlyMission& m : list) {
        int lineCount = 0;
        for (const kvprj::FlyPhoto& p : m.photos)
            lineCount = std::max(lineCount, p.line + 1);
        std::printf("  %s \"%s\" (%s): %zu photos on %d lines, EPSG:%d, serial %s, %s\n",
                    m.info.id.c_str(), m.info.name.c_str(), m.info.description.c_str(),
                    m.photos.size(), lineCount, m.epsg, m.aircraftSerial.c_str(),
                    m.info.date.c_str());
    }
    return 0;
}
