#pragma once

#include "framework/kvshared.h"
#include "kvui_export.h"

#include <QMetaType>
#include <QString>
#include <cstring>
#include <string>

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

// A text field of the project's description (a fixed array in the local code
// page, filled by kvprj::CopyText) as a QString. The array is read up to its
// first NUL or its end: a damaged file is not trusted to end it.
template <std::size_t N> QString FieldText(const char (&text)[N])
{
    return String2QString(std::string(text, strnlen(text, N)));
}

// The entry of a project: its file path, name, date, operator and description.
KVUI_EXPORT PrjInfo MakeRecord(const kvprj::KvProject& project);

Q_DECLARE_METATYPE(PrjInfo*)
