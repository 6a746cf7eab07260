// DEM check files: any bytes are read into check points without crashing,
// each point's id is one field, and the report written from them reads back
// as the same points under its header.

#include "fuzzsupport.h"
#include "settings/demcheckdialog.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    const std::string path = kvfuzz::WriteScratch(
        "check.txt", QByteArray(reinterpret_cast<const char*>(data), int(size)));

    DemCheckWidget widget;
    kvfuzz::Check(widget.LoadCheckFile(QString::fromStdString(path)), "a check file is read");
    const std::vector<DemCheckWidget::CheckPoint> points = widget.Points();
    for (const auto& p : points) {
        kvfuzz::Check(!p.id.empty(), "every point has an id");
        kvfuzz::Check(p.id.find_first_of(std::string("\t ,;\r\n\0", 8)) == std::string::npos,
                      "no separator or NUL stays inside an id");
        kvfuzz::Check(!p.hasDz, "a point read has no difference yet");
    }

    const QString report = kvfuzz::ScratchPath("report.txt");
    kvfuzz::Check(widget.WriteReport(report), "the report is written");
    kvfuzz::Check(widget.LoadCheckFile(report), "the report is read back");
    const std::vector<DemCheckWidget::CheckPoint>& again = widget.Points();
    kvfuzz::Check(again.size() == points.size() + 1, "one line per point under the header");
    for (std::size_t i = 0; i < points.size(); ++i) {
        kvfuzz::Check(again[i + 1].id == points[i].id, "the id is written as read");
        const double read[3] = {points[i].x, points[i].y, points[i].z};
        const double back[3] = {again[i + 1].x, again[i + 1].y, again[i + 1].z};
        for (int k = 0; k < 3; ++k) {
            kvfuzz::Check(
                std::isnan(read[k]) == std::isnan(back[k])
                    && (std::isnan(read[k]) || read[k] == back[k]
                        || std::fabs(read[k] - back[k]) <= 5e-4 * (1 + std::fabs(read[k]))),
                "a coordinate comes back to three decimals");
        }
    }
    return 0;
}
