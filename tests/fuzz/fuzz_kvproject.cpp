// Project files (SQLite databases): any bytes either open as a project, which
// then saves and opens again, or leave the project as it was.

#include "fuzzsupport.h"
#include "kvprj/kvproject.h"

#include <QFile>
#include <cstring>

namespace {

kvprj::KvProject Sentinel()
{
    kvprj::KvProject project;
    kvprj::CopyText(project.GetPrjInfo().name, "untouched");
    return project;
}

bool IsSentinel(const kvprj::KvProject& project)
{
    return std::strcmp(project.GetPrjInfo().name, "untouched") == 0
        && project.GetImageInfoSet().Size() == 0 && project.GetCameraInfoSet().Size() == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    const std::string path = kvfuzz::WriteScratch(
        "项目.db", QByteArray(reinterpret_cast<const char*>(data), int(size)));

    kvprj::KvProject quick = Sentinel();
    if (!quick.QuickOpenPrj(path))
        kvfuzz::Check(IsSentinel(quick), "a failed quick open changes nothing");

    kvprj::KvProject project = Sentinel();
    if (!project.OpenPrj(path)) {
        kvfuzz::Check(IsSentinel(project), "a failed open changes nothing");
        return 0;
    }
    const QString copy = kvfuzz::ScratchPath("副本.db");
    QFile::remove(copy);
    kvfuzz::Check(project.SavePrj(kvfuzz::Narrow(copy)), "an opened project saves");
    kvprj::KvProject reopened;
    kvfuzz::Check(reopened.OpenPrj(kvfuzz::Narrow(copy)), "a saved project opens");
    kvfuzz::Check(reopened.GetImageInfoSet().ValidSize() == project.GetImageInfoSet().ValidSize()
                      && reopened.GetCameraInfoSet().Size() == project.GetCameraInfoSet().Size(),
                  "a saved project keeps its images and cameras");
    return 0;
}
