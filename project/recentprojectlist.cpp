#include "project/recentprojectlist.h"

#include "framework/kvshared.h"
#include "kvfd/pathhelper.h"
#include "kvprj/kvproject.h"
#include "project/inireader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QSettings>
#include <QThread>
#include <QVariant>
#include <atomic>
#include <climits>
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

// Some 130,000 projects. A larger file is no list this program wrote; it is
// neither read into memory nor overwritten.
constexpr qint64 kMaxListBytes = 64 * 1024 * 1024;

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

// A name in the list's folder that nothing else uses, for the file written aside.
QString AsideName(const QString& base)
{
    static std::atomic<int> counter {0};
    return base
        + QStringLiteral(".write-%1-%2")
              .arg(QCoreApplication::applicationPid())
              .arg(counter.fetch_add(1));
}

// The number of an array element as QSettings names it ("1", "2", ...), or 0.
int ArrayIndex(const QStringRef& text)
{
    if (text.isEmpty() || text.size() > 10 || text.at(0) == QLatin1Char('0'))
        return 0;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
        value = value * 10 + (c.unicode() - '0');
    }
    return value <= INT_MAX ? int(value) : 0;
}

// Reads the file into list; false when it exists but cannot be read. The bytes
// are parsed in memory: reading must work in a full or read-only folder, and
// a parsed copy kept by QSettings could miss another program's write that
// left the file's size and time stamp as they were.
bool ReadList(QList<PrjInfo>& list)
{
    list.clear();
    const QString path = ProjectManager::ConfigPath();
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    // A folder or a device (a pipe would never end) holds no list to read.
    if (!info.isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > kMaxListBytes) {
        qWarning("kvui: the recent-project list is larger than %lld bytes and is not read",
                 kMaxListBytes);
        return false;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    ProjectManager::ParseConfig(content, list);
    return true;
}

// Whether the file at path reads back as list. QSettings reports no error when
// the disk fills up under it and leaves a cut file behind, which must not
// replace the list.
bool Holds(const QString& path, const QList<PrjInfo>& list)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QList<PrjInfo> written;
    ProjectManager::ParseConfig(file.readAll(), written);
    if (file.error() != QFileDevice::NoError || written.size() != list.size())
        return false;
    for (int i = 0; i < list.size(); ++i) {
        const PrjInfo& a = list.at(i);
        const PrjInfo& b = written.at(i);
        if (a.path != b.path || a.name != b.name || a.date != b.date || a.user != b.user
            || a.description != b.description)
            return false;
    }
    return true;
}

// Writes list aside through QSettings and moves it over the file, so that a
// reader sees the old list or the new one, never half of it.
bool SyncFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && kvui::SyncToDisk(file);
}

bool WriteList(const QList<PrjInfo>& list)
{
    const QString path = ProjectManager::ConfigPath();
    const QString aside = AsideName(path);
    QSettings::Status status = QSettings::NoError;
    {
        // No codec: QSettings then escapes every character outside ASCII
        // ("\x6d77", surrogate pairs as two units), which every QSettings
        // reader takes back whatever its codec.
        QSettings settings(aside, QSettings::IniFormat);
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
    // QSettings does not tell of a failed flush or sync: the read-back finds
    // bytes that never arrived, and the sync here those the disk refused.
    if (status != QSettings::NoError || !Holds(aside, list) || !SyncFile(aside)
        || std::rename(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData())
            != 0) {
        QFile::remove(aside);
        return false;
    }
    return true;
}

} // namespace

QString ProjectManager::ConfigPath()
{
    return String2QString(
        kvfd::PathHelper::Merge(kvfd::PathHelper::GetSystemDataDirectory(), kListFile));
}

void ProjectManager::ParseConfig(const QByteArray& content, QList<PrjInfo>& list)
{
    list.clear();
    const QMap<QString, QVariant> settings = IniReader::Read(content);
    const QString array = QLatin1String(kArray) + QLatin1Char('/');

    // QSettings reads "size" elements; a hand-edited size may be missing (all
    // elements count), negative, or far beyond the elements present, and an
    // index may be far beyond the size. Only elements present become entries.
    const auto size = settings.constFind(array + QStringLiteral("size"));
    const int limit = size == settings.constEnd() ? INT_MAX : size->toInt();
    QMap<int, PrjInfo> entries;
    for (auto it = settings.lowerBound(array); it != settings.constEnd(); ++it) {
        const QString& key = it.key();
        if (!key.startsWith(array))
            break;
        const QStringRef rest = key.midRef(array.size());
        const int slash = rest.indexOf(QLatin1Char('/'));
        const int index = slash > 0 ? ArrayIndex(rest.left(slash)) : 0;
        if (index < 1 || index > limit)
            continue;
        PrjInfo& record = entries[index];
        // A value that is no plain text (a hand-written list, say) reads as an
        // empty string.
        const QStringRef field = rest.mid(slash + 1);
        if (field == QLatin1String(kPath))
            record.path = it->toString();
        else if (field == QLatin1String(kName))
            record.name = it->toString();
        else if (field == QLatin1String(kDate))
            record.date = it->toString();
        else if (field == QLatin1String(kUser))
            record.user = it->toString();
        else if (field == QLatin1String(kDescription))
            record.description = it->toString();
    }
    list.reserve(entries.size());
    for (const PrjInfo& record : qAsConst(entries))
        list.append(record);
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
    const QString path = String2QString(project->GetPrjInfo().path);
    ProjectManager::ModifyConfig(
        [&path](QList<PrjInfo>& list) { return ProjectManager::RemoveFirst(list, path); });
}
