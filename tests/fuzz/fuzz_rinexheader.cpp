// RINEX observation headers as the GPS parameter pages read them: any bytes
// give found, missing or unreadable, and a found value is what the reader's
// rules promise.

#include "fuzzsupport.h"
#include "imagery/rinexheader.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    const std::string path = kvfuzz::WriteScratch(
        "header.22o", QByteArray(reinterpret_cast<const char*>(data), int(size)));

    double xyz[3] = {7.0, 7.0, 7.0};
    const kvui::RinexHeaderResult position = kvui::ReadRinexApproxPosition(path, xyz);
    kvfuzz::Check(position != kvui::RinexHeaderResult::Unreadable, "a regular file is read");
    if (position == kvui::RinexHeaderResult::Found) {
        kvfuzz::Check(std::isfinite(xyz[0]) && std::isfinite(xyz[1]) && std::isfinite(xyz[2]),
                      "a found position is finite");
        kvfuzz::Check(std::fabs(xyz[0]) > 1e-6 || std::fabs(xyz[1]) > 1e-6
                          || std::fabs(xyz[2]) > 1e-6,
                      "a found position is not the unknown 0 0 0");
    } else {
        kvfuzz::Check(xyz[0] == 7.0 && xyz[1] == 7.0 && xyz[2] == 7.0,
                      "no position leaves the caller's values");
    }

    double height = -7.0;
    const kvui::RinexHeaderResult antenna = kvui::ReadRinexAntennaHeight(path, height);
    kvfuzz::Check(antenna != kvui::RinexHeaderResult::Unreadable, "a regular file is read");
    kvfuzz::Check(antenna == kvui::RinexHeaderResult::Found ? std::isfinite(height) && height > 0.0
                                                            : height == -7.0,
                  "a found height is above 0, none leaves the caller's value");
    return 0;
}
