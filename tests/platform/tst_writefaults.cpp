// Every file the library writes, against a failing disk. For N = 1, 2, ... the
// N-th write, sync or rename of the writer fails (once, or from then on as a
// full disk does) until the writer gets through without a fault. A run that
// was hit must say so, keep the previous file byte for byte and leave nothing
// beside it, unless the fault hit a side file the writer can do without and
// the new content is whole; the run without a fault must store the new
// content; and no writer may move a file into place before it is on disk.

#include "camera/camerafile.h"
#include "camera/downloadthread.h"
#include "kvfd/kvconfiguration.h"
#include "kvfd/pathhelper.h"
#include "kvprj/flyprojecthelper.h"
#include "kvprj/kvproject.h"
#include "modalanswer.h"
#include "platformtest.h"
#include "project/projectmanager.h"
#include "project/tiledscene.h"
#include "writefaults.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <limits>
#include <tuple>
#include <unistd.h>

using kvtest::FaultCall;
using kvtest::WriteFaults;

Q_DECLARE_METATYPE(FaultCall)

namespace {

// Far more calls than any writer here makes: a loop that gets this far is
// not converging.
constexpr int kMaxCalls = 5000;

// One writer under test: a failed run must keep target's bytes (a missing
// file stays missing) and leave folders as it found them; faults are confined
// to faultFolder. prepare puts the previous state in place; write is the
// writer, its result (for one that returns nothing, whether stored() holds).
struct Writer
{
    QString target;
    QStringList folders;
    QString faultFolder;
    bool renamesOnly = false; // no writes or syncs of its own
    bool renames = true;      // a new file may be linked into place instead
    bool returnsResult = true;
    std::function<bool()> prepare, write, stored;
};

QStringList Listing(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A folder emptied (and made) for one writer.
bool FreshFolder(const QString& folder)
{
    QDir dir(folder);
    return (!dir.exists() || dir.removeRecursively()) && QDir().mkpath(folder);
}

kvfd::CameraInfo Camera(const char* name, int width)
{
    kvfd::CameraInfo c;
    c.name = name;
    c.fullname = std::string(name) + " 1-inch";
    c.width = width;
    c.height = width * 2 / 3;
    c.ccd_width = 13.2;
    c.ccd_height = 8.8;
    c.pixel_size_x = c.ccd_width / c.width;
    c.pixel_size_y = c.ccd_height / c.height;
    c.focal = 8.8;
    c.x0 = c.width / 2.0 + 1.5;
    c.y0 = c.height / 2.0 - 2.5;
    return c;
}

kvprj::KvProject Project(const char* name, int images)
{
    kvprj::KvProject project;
    kvprj::CopyText(project.GetPrjInfo().name, name);
    kvprj::CopyText(project.GetPrjInfo().description, "航测 项目");
    project.GetCameraInfoSet().AddCamera(Camera("cam", 5472));
    for (int i = 0; i < images; ++i)
        project.GetImageInfoSet().AddImage("DJI_" + std::to_string(i) + ".JPG", "/data/飞行 1",
                                           {114.0 + i * 1e-5, 22.5, 120.0, 0, 0, 0}, 0, true);
    return project;
}

// The paths of a recent list of count projects, and those stored.
QStringList RecentPaths(const QString& folder, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths.append(folder + QStringLiteral("/工程 %1.db").arg(i));
    return paths;
}

void WriteRecent(const QStringList& paths)
{
    QList<PrjInfo> list;
    for (const QString& path : paths)
        list.append({{},
                     path,
                     QFileInfo(path).baseName(),
                     QStringLiteral("测试"),
                     QStringLiteral("2024-05-06T07:08:09"),
                     QStringLiteral("list")});
    ProjectManager::WriteConfig(list);
}

QStringList StoredPaths()
{
    QList<PrjInfo> list;
    ProjectManager::ReadConfig(list);
    QStringList paths;
    for (const PrjInfo& record : list)
        paths.append(record.path);
    return paths;
}

// The protected steps of the download thread, run on the test's thread.
class DownloadSteps : public DownloadThread
{
public:
    using DownloadThread::save;
};

// Saves count cameras as a download does; whether it replaced the database.
bool SaveCameras(int count)
{
    kvfd::CameraInfoSet set;
    for (int i = 0; i < count; ++i) {
        kvfd::CameraInfo c = Camera("相机", 4000 + 8 * i);
        c.id = i;
        set.AddCamera(c);
    }
    DownloadSteps steps;
    QSignalSpy finished(&steps, &DownloadThread::finish);
    steps.save(set);
    return finished.count() == 1 && steps.GetStatus() == DownloadThread::Replaced;
}

int CamerasIn(const QString& database)
{
    kvfd::CameraInfoSet set;
    return kvfd::KvConfiguration::ReadCameraDatabase(Std(database), set) ? set.Size() : -1;
}

// Exports the project file source from the start page to target, answering
// the file chooser (and so agreeing to replace target). Whether it was asked.
bool ExportProject(const QString& source, const QString& target)
{
    TiledScene scene;
    auto* tile = new ProjectGraphicsItem();
    tile->SetPixmap(QPixmap());
    tile->SetPrjInfo(PrjInfo {QString(), source, QStringLiteral("exported"), {}, {}, {}});
    scene.addItem(tile);
    scene.Items().append(tile);
    scene.Layout(QString());
    tile->setSelected(true);
    kvtest::ModalAnswer chooser;
    chooser.Do([&target](QWidget* widget) { kvtest::ChooseFile(widget, target); }).Arm();
    scene.ExportItem();
    return chooser.Done();
}

// The writers by name, each working in its own folder under root.
Writer MakeWriter(const QString& name, const QString& root)
{
    Writer w;
    const QString folder = root + QStringLiteral("/写入 ") + name;
    const QString data = kvtest::TemporaryDataDir();
    w.folders = QStringList {folder};
    w.faultFolder = folder;
    w.target = folder + QStringLiteral("/工程.db");
    const std::string target = Std(w.target);
    const auto fresh = [=] { return FreshFolder(folder); };
    const auto opens = [=](const QString& path, int images) {
        kvprj::KvProject read;
        return read.OpenPrj(Std(path)) && read.GetImageInfoSet().Size() == images;
    };

    if (name == QLatin1String("project save")) {
        w.prepare = [=] { return fresh() && Project("old", 3).SavePrj(target); };
        w.write = [=] { return Project("new", 300).SavePrj(target); };
        w.stored = [=] { return opens(w.target, 300); };
    } else if (name == QLatin1String("project copy")) {
        // The source keeps its bytes; the copy is there whole or not at all.
        const QString copy = folder + QStringLiteral("/工程 副本.db");
        w.prepare = [=] { return fresh() && Project("copied", 300).SavePrj(target); };
        w.write = [=] { return kvprj::KvProject::CopyTo(target, Std(copy)); };
        w.stored = [=] { return opens(copy, 300) && ReadFile(copy) == ReadFile(w.target); };
    } else if (name == QLatin1String("mission database")) {
        const auto missions = [](const std::string& prefix, int photos) {
            return std::vector<kvprj::FlyMission> {
                MakeMission(prefix + "0", "2024-05-06T07:08:09", 4326, 114.0, 22.5, photos),
                MakeMission(prefix + "1", "2024-05-06T07:08:09", 4326, 114.0, 22.5, photos)};
        };
        w.prepare
            = [=] { return fresh() && kvprj::FlyProjectHelper::Write(target, missions("old", 3)); };
        w.write = [=] { return kvprj::FlyProjectHelper::Write(target, missions("new", 200)); };
        w.stored = [=] {
            std::vector<kvprj::FlyPrjInfo> list;
            kvprj::KvProject project;
            return kvprj::FlyProjectHelper::QuickRead(target, list) && list.size() == 2
                && list[0].id.compare(0, 3, "new") == 0
                && kvprj::FlyProjectHelper::Read(target, "new1", project)
                && project.GetImageInfoSet().Size() == 200;
        };
    } else if (name.startsWith(QLatin1String("camera file "))) {
        const QString suffix = name.mid(12);
        w.target = folder + QStringLiteral("/相机.") + suffix;
        // "XML": a new file, its format known by the suffix in any case.
        w.renames = suffix != QLatin1String("XML");
        w.prepare = [=] {
            return fresh()
                && (suffix == QLatin1String("XML") || WriteFile(w.target, "the previous file\n"));
        };
        w.write = [=] { return ExportCameraFile(Camera("new", 6000), w.target); };
        w.stored = [=] {
            const QByteArray bytes = ReadFile(w.target).trimmed();
            kvfd::CameraInfo read;
            if (suffix == QLatin1String("prj"))
                return bytes.startsWith("$PROJECT 5.0.0") && bytes.endsWith("$END");
            if (suffix == QLatin1String("opt"))
                return bytes.contains("<OpticalProperties")
                    && bytes.endsWith("</OpticalProperties>");
            return ImportCameraFile(read, w.target) && read.width == 6000;
        };
    } else if (name == QLatin1String("camera database")) {
        // The database in use and the download file under the data folder.
        const QString download = data + QStringLiteral("/download");
        w.target = data + QStringLiteral("/config/camera.db");
        w.folders = QStringList {data + QStringLiteral("/config"), download};
        w.faultFolder = data;
        // The download file of the first run is not what a failed run may leave.
        w.prepare = [=] {
            SaveCameras(46);
            return CamerasIn(w.target) == 46 && FreshFolder(download);
        };
        w.write = [] { return SaveCameras(3); };
        w.stored = [=] { return CamerasIn(w.target) == 3; };
    } else if (name.startsWith(QLatin1String("recent list "))) {
        // Written with WriteConfig, or one project added to a list of 30.
        const bool add = name.endsWith(QLatin1String("add"));
        const QString added = folder + QStringLiteral("/新 工程.db");
        w.target = ProjectManager::ConfigPath();
        w.folders = QStringList {data};
        w.faultFolder = data;
        w.returnsResult = false;
        w.prepare = [=] {
            WriteRecent(RecentPaths(folder, add ? 30 : 2));
            return StoredPaths() == RecentPaths(folder, add ? 30 : 2);
        };
        w.write = [=] {
            kvprj::KvProject project = Project("added", 1);
            project.GetPrjInfo().path = Std(added);
            add ? ConfigHelper::AddProject(&project) : WriteRecent(RecentPaths(folder, 40));
            return true;
        };
        w.stored = [=] {
            const QStringList paths = StoredPaths();
            return add ? paths.size() == 31 && paths.first() == added
                       : paths == RecentPaths(folder, 40);
        };
    } else if (name == QLatin1String("algorithm settings")) {
        // The processing settings kept beside the camera database.
        w.target = data + QStringLiteral("/config/algosetting.ini");
        w.folders = QStringList {data + QStringLiteral("/config")};
        w.faultFolder = data;
        const auto save = [](int threads) {
            kvfd::KvConfiguration* configuration = kvfd::KvConfiguration::Instance();
            configuration->GetAlgoSetting().threadCount = threads;
            return configuration->SaveAlgoSetting();
        };
        w.prepare = [=] { return save(3); };
        w.write = [=] { return save(12); };
        w.stored = [] {
            kvfd::KvConfiguration* configuration = kvfd::KvConfiguration::Instance();
            configuration->GetAlgoSetting().threadCount = 0;
            return configuration->LoadAlgoSetting()
                && configuration->GetAlgoSetting().threadCount == 12;
        };
    } else if (name == QLatin1String("project export")) {
        // Over a file the user agreed to replace.
        const QString source = folder + QStringLiteral("/源.db");
        w.prepare = [=] {
            return fresh() && Project("exported", 300).SavePrj(Std(source))
                && Project("old", 3).SavePrj(target);
        };
        w.write = [=] { return ExportProject(source, w.target); };
        w.returnsResult = false;
        w.stored = [=] { return ReadFile(w.target) == ReadFile(source); };
    } else if (name == QLatin1String("file rename")) {
        // Both names keep their bytes until the move is made.
        const QString source = folder + QStringLiteral("/新.txt");
        w.renamesOnly = true;
        w.prepare
            = [=] { return fresh() && WriteFile(w.target, "old") && WriteFile(source, "new"); };
        w.write = [=] { return kvfd::PathHelper::RenameFile(Std(source), target); };
        w.stored = [=] { return ReadFile(w.target) == "new" && !QFile::exists(source); };
    }
    return w;
}

const char* const kWriters[] = {
    "project save",    "project copy",       "mission database", "camera file xml",
    "camera file cam", "camera file prj",    "camera file opt",  "camera file XML",
    "camera database", "recent list write",  "recent list add",  "project export",
    "file rename",     "algorithm settings",
};

QString Listings(const Writer& w)
{
    QStringList folders;
    for (const QString& folder : w.folders)
        folders.append(QLatin1Char('[') + Listing(folder).join(QLatin1String(", ")) + ']');
    return folders.join(QLatin1Char(' '));
}

// Runs w with the nth call of a kind failing, for n = 1, 2, ... until a run
// is not hit (n = 0: the run without a fault), and checks each run:
//  - not hit: success, the new content in place;
//  - hit and failure reported: the previous file as it was, nothing added;
//  - hit and success reported (a fault on a side file it can do without,
//    such as a lock): the new content in place, nothing added;
//  - a writer that syncs never moves a file into place before its bytes are
//    on disk.
// Returns the first broken rule, empty when none is.
QString FirstBrokenRule(const Writer& w, FaultCall call, int error, bool persist)
{
    QString success; // the folders as a run without a fault leaves them
    for (int n = 0; n < kMaxCalls; ++n) {
        if (!w.prepare())
            return QStringLiteral("the previous file could not be made");
        const QByteArray old = ReadFile(w.target);
        const bool existed = QFile::exists(w.target);
        const QString before = Listings(w);
        WriteFaults faults(call, n == 0 ? std::numeric_limits<int>::max() : n, error, persist,
                           w.faultFolder);
        bool ok = w.write();
        faults.Disarm();
        if (!w.returnsResult)
            ok = w.stored();
        const QString at = n == 0 ? QString()
                                  : QStringLiteral(" with %1 no. %2 failing")
                                        .arg(QLatin1String(WriteFaults::Name(call)))
                                        .arg(n);
        if (!w.renamesOnly && faults.UnsyncedRenames() > 0)
            return QStringLiteral("moves a file into place before its bytes are on disk") + at;
        if (!faults.Hit() && !(ok && w.stored()))
            return QStringLiteral("fails without a fault") + at;
        if (n == 0) {
            success = Listings(w);
            // A writer that never makes the call would pass its rows untested.
            const bool uses
                = call == FaultCall::Rename ? w.renames : call == FaultCall::Any || !w.renamesOnly;
            if (uses && faults.Calls() == 0)
                return QStringLiteral("makes no %1 call").arg(WriteFaults::Name(call));
            continue;
        }
        if (!faults.Hit())
            return QString();
        if (ok && !w.stored())
            return QStringLiteral("reports success without the new content") + at;
        if (!ok && (QFile::exists(w.target) != existed || ReadFile(w.target) != old))
            return QStringLiteral("changes the previous file") + at;
        if (Listings(w) != (ok ? success : before))
            return QStringLiteral("leaves %1").arg(Listings(w)) + at;
    }
    return QStringLiteral("never gets through");
}

} // namespace

class TestWriteFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_root.isValid());
        QVERIFY2(WriteFaults::Available(), "the fault helper does not reach the libraries");
    }

    // The helper itself: what it counts and what it fails.
    void helper()
    {
        const QString inside = m_root.filePath(QStringLiteral("helper"));
        QVERIFY(FreshFolder(inside));
        QFile file(inside + QStringLiteral("/数据.bin"));
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
        QFile outside(m_root.filePath(QStringLiteral("outside.bin")));
        QVERIFY(outside.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        int pipeEnds[2];
        QCOMPARE(::pipe(pipeEnds), 0);
        {
            WriteFaults faults(FaultCall::Write, 2, ENOSPC, true, inside);
            QCOMPARE(file.write("1", 1), qint64(1));
            QCOMPARE(outside.write("x", 1), qint64(1));         // another folder: not counted
            QCOMPARE(::write(pipeEnds[1], "p", 1), ssize_t(1)); // not a file: not counted
            QCOMPARE(file.write("2", 1), qint64(-1));
            QCOMPARE(file.error(), QFileDevice::ResourceError);    // how Qt reports a full disk
            QCOMPARE(::write(file.handle(), "3", 1), ssize_t(-1)); // a full disk stays full
            QCOMPARE(errno, ENOSPC);
            faults.Disarm();
            QCOMPARE(::write(file.handle(), "4", 1), ssize_t(1));
            QVERIFY(faults.Calls() == 3 && faults.Failed() == 2);
        }
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        QCOMPARE(ReadFile(file.fileName()), QByteArray("14"));

        // A file moved into place before a successful sync is noticed; one synced
        // first, or whose failed sync was repeated successfully, is not.
        // {fsync calls before the rename, the one failing (0: none), unsynced renames}
        const int cases[][3] = {{0, 0, 1}, {1, 0, 0}, {1, 1, 1}, {2, 1, 0}};
        for (const auto& [syncs, failing, unsynced] : cases) {
            const QString aside = inside + QStringLiteral("/新.tmp");
            WriteFaults faults(FaultCall::Sync, failing, EIO, false, inside);
            {
                QFile written(aside);
                QVERIFY(written.open(QIODevice::WriteOnly) && written.write("new") == 3
                        && written.flush());
                for (int i = 1; i <= syncs; ++i)
                    QCOMPARE(::fsync(written.handle()), i == failing ? -1 : 0);
            }
            QCOMPARE(std::rename(QFile::encodeName(aside), QFile::encodeName(inside + "/新")), 0);
            QCOMPARE(faults.UnsyncedRenames(), unsynced);
        }
    }

    void everyFault_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<FaultCall>("call");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("persist");

        // A rename into a full folder fails as well, while removing works.
        const std::tuple<const char*, FaultCall, int, bool> faults[]
            = {{"write EIO", FaultCall::Write, EIO, false},
               {"disk full", FaultCall::Write, ENOSPC, true},
               {"sync EIO", FaultCall::Sync, EIO, false},
               {"sync ENOSPC", FaultCall::Sync, ENOSPC, true},
               {"rename EROFS", FaultCall::Rename, EROFS, false},
               {"rename EIO", FaultCall::Rename, EIO, true},
               {"full disk everywhere", FaultCall::Any, ENOSPC, true}};
        for (const char* writer : kWriters) {
            for (const auto& [name, call, error, persist] : faults)
                QTest::addRow("%s, %s", writer, name)
                    << QString::fromUtf8(writer) << call << error << persist;
        }
    }

    void everyFault()
    {
        QFETCH(QString, writer);
        QFETCH(FaultCall, call);
        QFETCH(int, error);
        QFETCH(bool, persist);

        const Writer w = MakeWriter(writer, m_root.path());
        QVERIFY2(w.write, "unknown writer");
        const QString broken = FirstBrokenRule(w, call, error, persist);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

private:
    QTemporaryDir m_root;
};

QTEST_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"
