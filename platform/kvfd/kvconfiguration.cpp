#include "kvfd/kvconfiguration.h"

#include "kvfd/pathhelper.h"
#include "kvfd/tostring.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sqlite3.h>
#include <string_view>
#include <type_traits>

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
// databases edited by hand hold real numbers. Both are accepted.
class Column
{
public:
    Column(sqlite3_stmt* stmt, int index)
        : m_stmt(stmt)
        , m_index(index)
    { }

    std::string Text() const
    {
        const auto* text = sqlite3_column_text(m_stmt, m_index);
        return text ? std::string(reinterpret_cast<const char*>(text),
                                  std::size_t(sqlite3_column_bytes(m_stmt, m_index)))
                    : std::string();
    }

    void Get(std::string& out) const { out = Text(); }

    void Get(std::int32_t& out) const
    {
        switch (sqlite3_column_type(m_stmt, m_index)) {
        case SQLITE_INTEGER:
            out = std::int32_t(sqlite3_column_int64(m_stmt, m_index));
            break;
        case SQLITE_FLOAT:
            out = std::int32_t(sqlite3_column_double(m_stmt, m_index));
            break;
        case SQLITE_TEXT: {
            std::int64_t value = 0;
            double real = 0.0;
            const std::string text = Text();
            if (ParseNumber(Trim(text), value))
                out = std::int32_t(value);
            else if (ParseNumber(Trim(text), real))
                out = std::int32_t(real);
            break;
        }
        default:
            break;
        }
    }

    void Get(double& out) const
    {
        switch (sqlite3_column_type(m_stmt, m_index)) {
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            out = sqlite3_column_double(m_stmt, m_index);
            break;
        case SQLITE_TEXT: {
            double value = 0.0;
            if (ParseNumber(Trim(Text()), value))
                out = value;
            break;
        }
        default:
            break;
        }
    }

private:
    sqlite3_stmt* m_stmt;
    int m_index;
};

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
    sqlite3* db = nullptr;
    // Read-only also keeps sqlite from creating an empty database where none is.
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    sqlite3_stmt* stmt = nullptr;
    const char* sql = "SELECT id,name,fullname,width,height,ccd_width,ccd_height,focal,x0,y0,"
                      "dtype,k1,k2,k3,p1,p2,alpha,beta FROM camera";
    // A file that is not a database fails here (SQLITE_NOTADB), not at open.
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    CameraInfoSet read;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        CameraInfo c;
        int col = 0;
        const auto next = [&] { return Column(stmt, col++); };
        next().Get(c.id);
        next().Get(c.name);
        next().Get(c.fullname);
        next().Get(c.width);
        next().Get(c.height);
        next().Get(c.ccd_width);
        next().Get(c.ccd_height);
        next().Get(c.focal);
        next().Get(c.x0);
        next().Get(c.y0);
        next().Get(c.dtype);
        next().Get(c.k1);
        next().Get(c.k2);
        next().Get(c.k3);
        next().Get(c.p1);
        next().Get(c.p2);
        next().Get(c.alpha);
        next().Get(c.beta);
        if (c.width > 0)
            c.pixel_size_x = c.ccd_width / c.width;
        if (c.height > 0)
            c.pixel_size_y = c.ccd_height / c.height;
        read.AddCamera(c);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    if (rc != SQLITE_DONE)
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
        if (!out) {
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
