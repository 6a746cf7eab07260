#include "project/projectrecord.h"

#include "kvprj/kvproject.h"

PrjInfo MakeRecord(const kvprj::KvProject& project)
{
    const kvprj::PrjInfo& info = project.GetPrjInfo();
    PrjInfo record;
    record.path = String2QString(info.path);
    record.name = FieldText(info.name);
    record.user = FieldText(info.prjOperator);
    record.date = FieldText(info.date);
    record.description = FieldText(info.description);
    return record;
}
