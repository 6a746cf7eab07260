#include "sensortable.h"

#include "sensor_width_table.inc"

#include <cctype>
#include <locale>
#include <sstream>
#include <unordered_map>

namespace kvimage {
namespace detail {

namespace {

// Cameras missing from the table, mostly survey drones. The widths follow from
// the sensor format the maker publishes.
struct ExtraSensor
{
    const char* name;
    double width;
};
const ExtraSensor kExtraSensors[] = {
    // 1/1.3" sensor, as the FC3582 of the table; matches the 24 mm equivalent
    // focal length its photos record for f = 6.72 mm at 4:3.
    {"DJI FC8482", 9.7},
    {"DJI FC3411", 13.2},  // 1" sensor
    {"DJI L1D-20c", 13.2}, // 1" sensor
    {"DJI M3E", 17.3},     // 4/3" sensor
};

// Lower case, no blanks at the ends, one blank between words.
std::string Normalize(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isspace(u) || c == '\0') {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += static_cast<char>(std::tolower(u));
    }
    return out;
}

double ParseWidth(const std::string& text)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    double value = 0.0;
    if (!(in >> value) || !(value > 0.0))
        return 0.0;
    return value;
}

using Table = std::unordered_map<std::string, double>;

Table BuildTable()
{
    Table table;
    std::istringstream in(kSensorWidthTable);
    std::string line;
    while (std::getline(in, line)) {
        const std::string::size_type semicolon = line.rfind(';');
        if (semicolon == std::string::npos)
            continue;
        const double width = ParseWidth(line.substr(semicolon + 1));
        const std::string name = Normalize(line.substr(0, semicolon));
        if (width > 0.0 && !name.empty())
            table.emplace(name, width); // the first row of a name wins
    }
    for (const ExtraSensor& extra : kExtraSensors)
        table.emplace(Normalize(extra.name), extra.width);
    return table;
}

const Table& SensorTable()
{
    static const Table table = BuildTable(); // thread-safe initialisation
    return table;
}

} // namespace

double FindSensorWidth(const std::string& make, const std::string& model)
{
    const std::string m = Normalize(model);
    if (m.empty())
        return 0.0;
    const std::string k = Normalize(make);
    const Table& table = SensorTable();
    std::string candidates[3];
    int count = 0;
    if (!k.empty()) {
        candidates[count++] = k + ' ' + m;
        const std::string::size_type space = k.find(' ');
        if (space != std::string::npos)
            candidates[count++] = k.substr(0, space) + ' ' + m;
    }
    candidates[count++] = m;
    for (int i = 0; i < count; ++i) {
        const auto it = table.find(candidates[i]);
        if (it != table.end())
            return it->second;
    }
    return 0.0;
}

} // namespace detail
} // namespace kvimage
