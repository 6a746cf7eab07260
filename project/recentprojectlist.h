#pragma once

#include "kvui_export.h"
#include "project/projectrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace kvprj {
class KvProject;
}

// The recent-project list, "dp_project.ini" in the system data folder, most
// recent first. The file is an INI file as QSettings writes it by default, so
// that any program reading it with QSettings sees the same text. Every change
// of the list holds a lock file beside it and re-reads the file under that
// lock, so that several programs updating the list at once neither lose nor
// duplicate entries; reading needs neither the lock nor any write.
class KVUI_EXPORT ProjectManager
{
public:
    static QString ConfigPath();

    // Replaces list with the entries of the file; unreadable values are empty
    // strings, and a missing or damaged file gives what could be read.
    static void ReadConfig(QList<PrjInfo>& list);
    // Replaces list with the entries of a list file's content, as ReadConfig
    // reads them: the elements present, in the order of their indices.
    static void ParseConfig(const QByteArray& content, QList<PrjInfo>& list);
    // Replaces the file's entries with list.
    static void WriteConfig(const QList<PrjInfo>& list);
    // Puts the project's entry first and drops its previous entry. A project
    // without a file path changes nothing.
    static void UpdateConfig(const kvprj::KvProject& project);

    // Runs edit on the list read under the lock and, when edit says it changed
    // the list, writes the result, all while holding the lock. Nothing is
    // written when the file exists but cannot be read (writing would drop its
    // entries). False when the list could not be read or written.
    static bool ModifyConfig(const std::function<bool(QList<PrjInfo>&)>& edit);

    // record first, then the first later entry with its path dropped.
    static void PutFirst(QList<PrjInfo>& list, const PrjInfo& record);
    // Drops the first entry with that path; false when there was none.
    static bool RemoveFirst(QList<PrjInfo>& list, const QString& path);
};

// The list changes the host makes when it saves, opens or drops a project.
class KVUI_EXPORT ConfigHelper
{
public:
    static void AddProject(kvprj::KvProject* project);
    static void RemoveProject(kvprj::KvProject* project);
};
