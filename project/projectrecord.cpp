#include "project/projectrecord.h"

#include "kvprj/kvproject.h"

#include <cstring>

namespace {

// The description's arrays are NUL-terminated when written by CopyText; a
// damaged file is not trusted to be.
template <std::size_t N> QString Decode(const char (&text)[N])
{
    return QString::fromLocal8Bit(text, int(strnlen(text, N)));
}

} // namespace

PrjInfo MakeRecord(const kvprj::KvProject& project)
{
    const kvprj::PrjInfo& info = project.GetPrjInfo();
    PrjInfo record;
    record.path = QString::fromLocal8Bit(info.path.data(), int(info.path.size()));
    record.name = Decode(info.name);
    record.user = Decode(info.prjOperator);
    record.date = Decode(info.date);
    record.description = Decode(info.description);
    return record;
}
