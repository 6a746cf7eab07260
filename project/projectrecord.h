#pragma once

#include "kvui_export.h"

#include <QMetaType>
#include <QString>

namespace kvprj {
class KvProject;
}

// One entry of the recent-project list, or one flight mission on the start
// page. The path is the entry's identity: two entries name the same project
// when their paths are equal (case-sensitive). A project's entry has an empty
// identifier; a flight mission's carries the mission's identifier.
struct PrjInfo
{
    QString identifier;
    QString path;
    QString name;
    QString user;
    QString date;
    QString description;
};

// The entry of a project: its file path, name, date, operator and description.
KVUI_EXPORT PrjInfo MakeRecord(const kvprj::KvProject& project);

Q_DECLARE_METATYPE(PrjInfo*)
