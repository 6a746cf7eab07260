// The flight-planning program's mission database: any bytes either list
// missions, each of which then reads as a project or not, or change nothing.

#include "fuzzsupport.h"
#include "kvprj/flyprojecthelper.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    const std::string path = kvfuzz::WriteScratch(
        "Flight_Mission.db", QByteArray(reinterpret_cast<const char*>(data), int(size)));

    std::vector<kvprj::FlyPrjInfo> missions(1);
    missions[0].id = "untouched";
    if (!kvprj::FlyProjectHelper::QuickRead(path, missions)) {
        kvfuzz::Check(missions.size() == 1 && missions[0].id == "untouched",
                      "a failed listing changes nothing");
        return 0;
    }
    // A few missions are enough to reach every path of Read; a database of
    // thousands would only slow the fuzzer down.
    const std::size_t count = std::min<std::size_t>(missions.size(), 8);
    for (std::size_t i = 0; i < count; ++i) {
        kvfuzz::Check(!missions[i].id.empty(), "missions without an id are left out");
        kvprj::KvProject project;
        kvprj::CopyText(project.GetPrjInfo().name, "untouched");
        if (!kvprj::FlyProjectHelper::Read(path, missions[i].id, project))
            kvfuzz::Check(std::strcmp(project.GetPrjInfo().name, "untouched") == 0
                              && project.GetImageInfoSet().Size() == 0,
                          "a failed read changes nothing");
        else
            kvfuzz::Check(project.GetImageInfoSet().Size() > 0, "a mission read has a photo");
    }
    return 0;
}
