#include "project/recentprojectlist.h"

#include "kvfd/pathhelper.h"
#include "kvprj/kvproject.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QThread>
#include <QtGlobal>
#include <atomic>
#include <cstdio>

namespace {

const char* const kListFile = "dp_project.ini";
const char* const kArray = "DP_PROJECT";
const char* const kPath = "PATH";
const char* const kName = "NAME";
const char* const kDate = "DATE";
const char* const kUser = "USER";
const char* const kDescription = "DESCRIPTION";

// A list change holds the lock for a few milliseconds; one that has waited this
// long is facing a dead holder on another machine or an unwritable folder.
constexpr int kLockWaitMs = 10000;
constexpr int kStaleLockMs = 10000;

// A name beside the list file that no other writer uses. QSettings keeps its
// own "<file>.lock" while it writes a file.
QString LockPath()
{
    return ProjectManager::ConfigPath() + QStringLiteral(".kvlock");
}

// Serialises the read-modify-write of the list between threads and programs.
class ListLock
{
public:
    ListLock()
        : m_lock(LockPath())
    {
        m_lock.setStaleLockTime(kStaleLockMs);
        QElapsedTimer timer;
        timer.start();
        while (!m_lock.tryLock(0)) {
            if (m_lock.error() != QLockFile::LockFailedError || timer.elapsed() > kLockWaitMs) {
                qWarning("kvui: cannot lock the recent-project list; updating it unlocked");
                return;
            }
            QThread::msleep(3);
        }
    }

private:
    QLockFile m_lock;
};

// A name in the list's folder that nothing else uses, for files written aside.
QString AsideName(const QString& base, const char* what)
{
    static std::atomic<int> counter {0};
    return base
        + QStringLiteral(".%1-%2-%3")
              .arg(QLatin1String(what))
              .arg(QCoreApplication::applicationPid())
              .arg(counter.fetch_add(1));
}

int EntryCount(QSettings& settings)
{
    // A hand-edited size may be missing, negative or far beyond the entries
    // that are there; never walk further than the highest index present.
    settings.beginGroup(QLatin1String(kArray));
    int highest = 0;
    const QStringList groups = settings.childGroups();
    for (const QString& group : groups) {
        bool ok = false;
        const int index = group.toInt(&ok);
        if (ok && index > highest)
            highest = index;
    }
    const bool sized = settings.contains(QStringLiteral("size"));
    settings.endGroup();
    const int size = settings.beginReadArray(QLatin1String(kArray));
    settings.endArray();
    return sized ? qBound(0, size, highest) : highest;
}

// Reads the file into list; false when it exists but cannot be read.
bool ReadList(QList<PrjInfo>& list)
{
    list.clear();
    const QString path = ProjectManager::ConfigPath();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    file.close();
    if (content.isEmpty())
        return true;

    // QSettings keeps a parsed copy of each file per process and trusts it
    // while the file's size and time stamp look unchanged; another program's
    // write within the same millisecond would go unseen. A private copy under
    // a fresh name is always parsed anew.
    const QString copyPath = AsideName(path, "read");
    {
        QFile copy(copyPath);
        if (!copy.open(QIODevice::WriteOnly) || copy.write(content) != content.size()) {
            copy.remove();
            return false;
        }
    }
    {
        QSettings settings(copyPath, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        const int count = EntryCount(settings);
        settings.beginReadArray(QLatin1String(kArray));
        list.reserve(count);
        for (int i = 0; i < count; ++i) {
            settings.setArrayIndex(i);
            PrjInfo record;
            // A value that is no plain text (a hand-written list, say) reads
            // as an empty string.
            record.path = settings.value(QLatin1String(kPath)).toString();
            record.name = settings.value(QLatin1String(kName)).toString();
            record.date = settings.value(QLatin1String(kDate)).toString();
            record.user = settings.value(QLatin1String(kUser)).toString();
            record.description = settings.value(QLatin1String(kDescription)).toString();
            list.append(record);
        }
        settings.endArray();
    }
    QFile::remove(copyPath);
    return true;
}

// Writes list aside through QSettings and moves it over the file, so that a
// reader sees the old list or the new one, never half of it.
bool WriteList(const QList<PrjInfo>& list)
{
    const QString path = ProjectManager::ConfigPath();
    const QString aside = AsideName(path, "write");
    QSettings::Status status = QSettings::NoError;
    {
        QSettings settings(aside, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        settings.beginWriteArray(QLatin1String(kArray), list.size());
        for (int i = 0; i < list.size(); ++i) {
            const PrjInfo& record = list.at(i);
            settings.setArrayIndex(i);
            settings.setValue(QLatin1String(kPath), record.path);
            settings.setValue(QLatin1String(kName), record.name);
            settings.setValue(QLatin1String(kDate), record.date);
            settings.setValue(QLatin1String(kUser), record.user);
            settings.setValue(QLatin1String(kDescription), record.description);
        }
        settings.endArray();
        settings.sync();
        status = settings.status();
    }
    if (status != QSettings::NoError
        || std::rename(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData())
            != 0) {
        QFile::remove(aside);
        return false;
    }
    return true;
}

QString Decode(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), int(text.size()));
}

} // namespace

QString ProjectManager::ConfigPath()
{
    return Decode(kvfd::PathHelper::Merge(kvfd::PathHelper::GetSystemDataDirectory(), kListFile));
}

void ProjectManager::ReadConfig(QList<PrjInfo>& list)
{
    // Writers replace the file in one move, so reading needs no lock.
    if (!ReadList(list))
        list.clear();
}

void ProjectManager::WriteConfig(const QList<PrjInfo>& list)
{
    ListLock lock;
    WriteList(list);
}

bool ProjectManager::ModifyConfig(const std::function<bool(QList<PrjInfo>&)>& edit)
{
    ListLock lock;
    QList<PrjInfo> list;
    if (!ReadList(list))
        return false;
    if (!edit(list))
        return true;
    return WriteList(list);
}

void ProjectManager::PutFirst(QList<PrjInfo>& list, const PrjInfo& record)
{
    list.prepend(record);
    for (int i = 1; i < list.size(); ++i) {
        if (list.at(i).path == record.path) {
            list.removeAt(i);
            break;
        }
    }
}

bool ProjectManager::RemoveFirst(QList<PrjInfo>& list, const QString& path)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).path == path) {
            list.removeAt(i);
            return true;
        }
    }
    return false;
}

void ProjectManager::UpdateConfig(const kvprj::KvProject& project)
{
    if (project.GetPrjInfo().path.empty())
        return;
    const PrjInfo record = MakeRecord(project);
    ModifyConfig([&record](QList<PrjInfo>& list) {
        PutFirst(list, record);
        return true;
    });
}

void ConfigHelper::AddProject(kvprj::KvProject* project)
{
    if (project)
        ProjectManager::UpdateConfig(*project);
}

void ConfigHelper::RemoveProject(kvprj::KvProject* project)
{
    if (!project)
        return;
    const QString path = Decode(project->GetPrjInfo().path);
    ProjectManager::ModifyConfig(
        [&path](QList<PrjInfo>& list) { return ProjectManager::RemoveFirst(list, path); });
}
