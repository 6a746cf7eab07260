// Camera positions from a RINEX observation file, a trajectory and a
// block-adjusted POS file. The input holds the three files, in this order,
// separated by lines "~~~~" (the last one may be missing: no block-adjusted
// POS). Any files either give an output POS or no output file at all.

#include "fuzzsupport.h"
#include "kvgps/interpolatepos.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    const std::vector<QByteArray> parts
        = kvfuzz::Split(QByteArray(reinterpret_cast<const char*>(data), int(size)), "\n~~~~\n", 3);
    const std::string rinex = kvfuzz::WriteScratch("event.21o", parts[0]);
    const std::string trajectory = kvfuzz::WriteScratch("trajectory.txt", parts[1]);
    const std::string ba
        = parts[2].isEmpty() ? std::string() : kvfuzz::WriteScratch("ba.txt", parts[2]);
    const QString output = kvfuzz::ScratchPath("camera.pos");
    QFile::remove(output);

    double offset[3] = {0.12, -0.05, 0.3};
    const bool written
        = kvgps::InterpolatePOS(rinex, trajectory, ba, kvfuzz::Narrow(output), offset);
    kvfuzz::Check(written == QFile::exists(output), "an output only when it succeeded");
    if (written)
        kvfuzz::Check(kvfuzz::ReadFile(output).count('\n') >= 2,
                      "an output holds its header and an event");
    return 0;
}
