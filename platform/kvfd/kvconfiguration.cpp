#include "kvfd/kvconfiguration.h"

#include "kvfd/pathhelper.h"
#include "kvfd/tostring.h"
#include "kvsql/database.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string_view>
#include <type_traits>
#include <vector>

namespace fs = std::filesystem;

namespace kvfd {

namespace {

// Numbers are parsed with charconv: independent of the locale a Qt program
// installs, and a value counts only when the whole text is a number.
bool ParseNumber(std::string_view text, std::int64_t& out)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && !text.empty();
}

bool ParseNumber(std::string_view text, double& out)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && !text.empty();
}

std::string_view Trim(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

// The camera database is written by a tool that stores every value as text;
// databases edited by hand hold real numbers. Both reach us as texts; a text
// that is not a number keeps the record's default.
void ReadField(const std::string& text, std::string& out)
{
    out = text;
}

void ReadField(const std::string& text, std::int32_t& out)
{
    std::int64_t value = 0;
    double real = 0.0;
    if (ParseNumber(Trim(text), value))
        out = std::int32_t(value);
    else if (ParseNumber(Trim(text), real))
        out = std::int32_t(real);
}

void ReadField(const std::string& text, double& out)
{
    double value = 0.0;
    if (ParseNumber(Trim(text), value))
        out = value;
}

// Every persisted setting by its key, for writing and for reading alike.
template <class Setting, class Visitor> void VisitSettings(Setting& s, Visitor&& visit)
{
    visit("threadCount", s.threadCount);
    visit("outputResolution", s.outputResolution);
    visit("landscape", s.landscape);
    visit("usage", s.usage);
    visit("seamlineMode", s.seamlineMode);
    visit("adjustCalibration", s.adjustCalibration);
    visit("oblique", s.oblique);
    visit("device", s.device);
    visit("featureNumber", s.featureNumber);
    visit("blockSize", s.blockSize);
    visit("gcpWeight", s.gcpWeight);
    visit("gpsWeight0", s.gpsWeight[0]);
    visit("gpsWeight1", s.gpsWeight[1]);
    visit("gpsWeight2", s.gpsWeight[2]);
    visit("hpGps", s.hpGps);
    visit("lsm", s.lsm);
    visit("demFilter", s.demFilter);
    visit("scenario", s.scenario);
    visit("pyr", s.pyr);
    visit("autoResolution", s.autoResolution);
    visit("radius", s.radius);
    visit("dsmMethod", s.dsmMethod);
    visit("dsmFilter", s.dsmFilter);
    visit("maxModels", s.maxModels);
    visit("qtdom", s.qtdom);
    visit("stdom", s.stdom);
    visit("ftdom", s.ftdom);
    visit("sftdom", s.sftdom);
}

std::string SettingText(bool value)
{
    return value ? "1" : "0";
}
std::string SettingText(std::int32_t value)
{
    return std::to_string(value);
}
std::string SettingText(double value)
{
    return ToString(value);
}

bool ParseSetting(std::string_view text, bool& out)
{
    if (text == "1" || text == "true") {
        out = true;
        return true;
    }
    if (text == "0" || text == "false") {
        out = false;
        return true;
    }
    return false;
}

bool ParseSetting(std::string_view text, std::int32_t& out)
{
    std::int64_t value = 0;
    if (!ParseNumber(text, value) || value < std::numeric_limits<std::int32_t>::min()
        || value > std::numeric_limits<std::int32_t>::max())
        return false;
    out = std::int32_t(value);
    return true;
}

bool ParseSetting(std::string_view text, double& out)
{
    return ParseNumber(text, out);
}

std::string AlgoSettingPath()
{
    return PathHelper::Merge(PathHelper::GetSystemDataDirectory(), "config/algosetting.ini");
}

} // namespace

KvConfiguration::KvConfiguration()
    : m_coordinates(CoordinateInfoSet::Catalogue())
{
    // Neither file exists before the first download or the first settings dialog;
    // the defaults serve until then.
    ReloadCameras();
    LoadAlgoSetting();
}

KvConfiguration* KvConfiguration::Instance()
{
    static KvConfiguration instance;
    return &instance;
}

CoordinateInfoSet KvConfiguration::GetCoordinateInfoSet() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_coordinates;
}

CameraInfoSet KvConfiguration::GetCameraInfoSet() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cameras;
}

void KvConfiguration::SetCameraInfoSet(const CameraInfoSet& cameras)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cameras = cameras;
}

bool KvConfiguration::ReloadCameras()
{
    CameraInfoSet cameras;
    if (!ReadCameraDatabase(CameraDatabasePath(), cameras))
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cameras = std::move(cameras);
    return true;
}

std::string KvConfiguration::CameraDatabasePath()
{
    return PathHelper::Merge(PathHelper::GetSystemDataDirectory(), "config/camera.db");
}

bool KvConfiguration::ReadCameraDatabase(const std::string& path, CameraInfoSet& cameras)
{
    kvsql::Database db;
    // Read-only also keeps a missing file from being created empty.
    if (!db.Open(path, true))
        return false;
    static const std::vector<std::string> columns = {
        "id", "name",  "fullname", "width", "height", "ccd_width", "ccd_height", "focal", "x0",
        "y0", "dtype", "k1",       "k2",    "k3",     "p1",        "p2",         "alpha", "beta"};
    CameraInfoSet read;
    const bool ok = db.Select("camera", columns, [&read](const std::vector<std::string>& row) {
        CameraInfo c;
        std::size_t col = 0;
        const auto next = [&]() -> const std::string& { return row[col++]; };
        ReadField(next(), c.id);
        ReadField(next(), c.name);
        ReadField(next(), c.fullname);
        ReadField(next(), c.width);
        ReadField(next(), c.height);
        ReadField(next(), c.ccd_width);
        ReadField(next(), c.ccd_height);
        ReadField(next(), c.focal);
        ReadField(next(), c.x0);
        ReadField(next(), c.y0);
        ReadField(next(), c.dtype);
        ReadField(next(), c.k1);
        ReadField(next(), c.k2);
        ReadField(next(), c.k3);
        ReadField(next(), c.p1);
        ReadField(next(), c.p2);
        ReadField(next(), c.alpha);
        ReadField(next(), c.beta);
        if (c.width > 0)
            c.pixel_size_x = c.ccd_width / c.width;
        if (c.height > 0)
            c.pixel_size_y = c.ccd_height / c.height;
        read.AddCamera(c);
        return true;
    });
    if (!ok)
        return false;
    cameras = std::move(read);
    return true;
}

bool KvConfiguration::SaveAlgoSetting() const
{
    AlgoSetting setting;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        setting = m_algo;
    }
    const std::string path = AlgoSettingPath();
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);

    // Written aside and moved over the old file: a crash mid-write must not
    // leave a half file that then loads as defaults.
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        VisitSettings(setting, [&out](const char* key, const auto& value) {
            out << key << '=' << SettingText(value) << '\n';
        });
        out.close();
        if (!out || !PathHelper::SyncFile(temp)) {
            fs::remove(fs::path(temp), ec);
            return false;
        }
    }
    fs::rename(fs::path(temp), fs::path(path), ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(fs::path(temp), ignored);
        return false;
    }
    return true;
}

bool KvConfiguration::LoadAlgoSetting()
{
    std::ifstream in(AlgoSettingPath(), std::ios::binary);
    if (!in)
        return false;
    AlgoSetting setting;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        setting = m_algo;
    }
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string_view key = Trim(std::string_view(line).substr(0, eq));
        const std::string_view text = Trim(std::string_view(line).substr(eq + 1));
        // A damaged or hand-edited line leaves that one setting as it was.
        VisitSettings(setting, [&](const char* name, auto& value) {
            if (key == name) {
                std::remove_reference_t<decltype(value)> parsed {};
                if (ParseSetting(text, parsed))
                    value = parsed;
            }
        });
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_algo = setting;
    return true;
}

} // namespace kvfd
