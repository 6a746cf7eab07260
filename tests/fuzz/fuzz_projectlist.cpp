// The recent-project list (dp_project.ini in the data folder): any bytes read
// as a list, and that list written and read again is the same list.

#include "fuzzsupport.h"
#include "project/projectmanager.h"

#include <QFile>

namespace {

bool SameList(const QList<PrjInfo>& a, const QList<PrjInfo>& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].path != b[i].path || a[i].name != b[i].name || a[i].user != b[i].user
            || a[i].date != b[i].date || a[i].description != b[i].description)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    QFile file(ProjectManager::ConfigPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        kvfuzz::Check(false, "the list file is written");
    file.close();

    QList<PrjInfo> list;
    ProjectManager::ReadConfig(list);
    ProjectManager::WriteConfig(list);
    QList<PrjInfo> again;
    ProjectManager::ReadConfig(again);
    kvfuzz::Check(SameList(list, again), "a list written reads back the same");
    return 0;
}
