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
#include "kvsql/database.h"
#include "modalanswer.h"
#include "platformtest.h"
#include "project/projectmanager.h"
#include "project/tiledscene.h"
#include "writefaults.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <limits>
#include <unistd.h>

using kvtest::FaultCall;
using kvtest::WriteFaults;

Q_DECLARE_METATYPE(FaultCall)

namespace {

// Far more calls than any writer here makes: a loop that gets this far is
// not converging.
constexpr int kMaxCalls = 5000;

enum Uses {
    UsesWrite = 1,
    UsesSync = 2,
    UsesRename = 4,
    // Replacing a file: write aside, sync, rename over.
    Replaces = UsesWrite | UsesSync | UsesRename,
};

// One writer under test.
struct Writer
{
    // The file whose bytes a failed run must keep (a missing file stays missing).
    QString target;
    // The folders a failed run must leave as it found them.
    QStringList folders;
    // The folder that faults are confined to.
    QString faultFolder;
    int uses = Replaces;
    // Puts the previous state in place, without faults.
    std::function<bool()> prepare;
    // The writer itself; its result. For writers that return nothing, the
    // result is whether stored() holds afterwards.
    std::function<bool()> write;
    bool returnsResult = true;
    // Whether the new content is in place.
    std::function<bool()> stored;
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
    c.k1 = -0.0021;
    c.p2 = 0.0003;
    return c;
}

kvprj::KvProject Project(const char* name, int images)
{
    kvprj::KvProject project;
    kvprj::CopyText(project.GetPrjInfo().name, name);
    kvprj::CopyText(project.GetPrjInfo().description, "航测 项目");
    project.GetCameraInfoSet().AddCamera(Camera("cam", 5472));
    for (int i = 0; i < images; ++i) {
        kvfd::EOP eop;
        eop.X = 114.0 + i * 1e-5;
        eop.Y = 22.5;
        eop.Z = 120.0;
        project.GetImageInfoSet().AddImage("DJI_" + std::to_string(i) + ".JPG", "/data/飞行 1", eop,
                                           0, true);
    }
    return project;
}

// Two missions, prefix0 and prefix1, of photos each.
std::vector<kvprj::FlyMission> Missions(const std::string& prefix, int photos)
{
    return {MakeMission(prefix + "0", "2024-05-06T07:08:09", 4326, 114.0, 22.5, photos),
            MakeMission(prefix + "1", "2024-05-06T07:08:09", 4326, 114.0, 22.5, photos)};
}

QList<PrjInfo> RecentList(const QString& folder, int count)
{
    QList<PrjInfo> list;
    for (int i = 0; i < count; ++i) {
        PrjInfo record;
        record.path = folder + QStringLiteral("/工程 %1.db").arg(i);
        record.name = QStringLiteral("工程 %1").arg(i);
        record.date = QStringLiteral("2024-05-06T07:08:09");
        record.user = QStringLiteral("测试");
        record.description = QStringLiteral("list %1").arg(count);
        list.append(record);
    }
    return list;
}

QStringList Paths(const QList<PrjInfo>& list)
{
    QStringList paths;
    for (const PrjInfo& record : list)
        paths.append(record.path);
    return paths;
}

QStringList StoredPaths()
{
    QList<PrjInfo> list;
    ProjectManager::ReadConfig(list);
    return Paths(list);
}

// The protected steps of the download thread, run on the test's thread.
class DownloadSteps : public DownloadThread
{
public:
    using DownloadThread::save;
};

kvfd::CameraInfoSet Cameras(int count)
{
    kvfd::CameraInfoSet set;
    for (int i = 0; i < count; ++i) {
        kvfd::CameraInfo c = Camera("相机", 4000 + 8 * i);
        c.id = i;
        set.AddCamera(c);
    }
    return set;
}

int CamerasIn(const QString& database)
{
    kvfd::CameraInfoSet set;
    return kvfd::KvConfiguration::ReadCameraDatabase(Std(database), set) ? set.Size() : -1;
}

// Exports the project file source from the start page to target, answering
// the file chooser (and so agreeing to replace target). Whether the chooser
// was answered.
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
    w.folders = QStringList {folder};
    w.faultFolder = folder;

    if (name == QLatin1String("project save")) {
        w.target = folder + QStringLiteral("/工程.db");
        w.prepare = [=] { return FreshFolder(folder) && Project("old", 3).SavePrj(Std(w.target)); };
        w.write = [=] { return Project("new", 300).SavePrj(Std(w.target)); };
        w.stored = [=] {
            kvprj::KvProject read;
            return read.OpenPrj(Std(w.target)) && std::string(read.GetPrjInfo().name) == "new"
                && read.GetImageInfoSet().Size() == 300;
        };
    } else if (name == QLatin1String("project copy")) {
        // The source keeps its bytes; the copy is there whole or not at all.
        w.target = folder + QStringLiteral("/工程.db");
        const QString copy = folder + QStringLiteral("/工程 副本.db");
        w.prepare
            = [=] { return FreshFolder(folder) && Project("copied", 300).SavePrj(Std(w.target)); };
        w.write = [=] { return kvprj::KvProject::CopyTo(Std(w.target), Std(copy)); };
        w.stored = [=] {
            kvprj::KvProject read;
            return read.OpenPrj(Std(copy)) && read.GetImageInfoSet().Size() == 300
                && ReadFile(copy) == ReadFile(w.target);
        };
    } else if (name == QLatin1String("mission database")) {
        w.target = folder + QStringLiteral("/Flight_Mission.db");
        w.prepare = [=] {
            return FreshFolder(folder)
                && kvprj::FlyProjectHelper::Write(Std(w.target), Missions("old", 3));
        };
        w.write
            = [=] { return kvprj::FlyProjectHelper::Write(Std(w.target), Missions("new", 200)); };
        w.stored = [=] {
            std::vector<kvprj::FlyPrjInfo> missions;
            kvprj::KvProject project;
            return kvprj::FlyProjectHelper::QuickRead(Std(w.target), missions)
                && missions.size() == 2 && missions[0].id.compare(0, 3, "new") == 0
                && kvprj::FlyProjectHelper::Read(Std(w.target), "new1", project)
                && project.GetImageInfoSet().Size() == 200;
        };
    } else if (name.startsWith(QLatin1String("camera file "))) {
        const QString suffix = name.mid(12);
        w.target = folder + QStringLiteral("/相机.") + suffix;
        w.prepare = [=] {
            return FreshFolder(folder) && WriteFile(w.target, "the previous camera file\n");
        };
        const kvfd::CameraInfo camera = Camera("new", 6000);
        w.write = [=] { return ExportCameraFile(camera, w.target); };
        w.stored = [=] {
            const QByteArray bytes = ReadFile(w.target);
            kvfd::CameraInfo read;
            if (suffix == QLatin1String("prj"))
                return bytes.startsWith("$PROJECT 5.0.0") && bytes.trimmed().endsWith("$END");
            if (suffix == QLatin1String("opt"))
                return bytes.contains("<OpticalProperties")
                    && bytes.trimmed().endsWith("</OpticalProperties>");
            return ImportCameraFile(read, w.target) && read.width == 6000;
        };
    } else if (name == QLatin1String("camera database")) {
        // The database in use and the download file under the data folder.
        const QString data = kvtest::TemporaryDataDir();
        const QString config = data + QStringLiteral("/config");
        const QString download = data + QStringLiteral("/download");
        w.target = config + QStringLiteral("/camera.db");
        w.folders = QStringList {config, download};
        w.faultFolder = data;
        w.prepare = [=] {
            DownloadSteps steps;
            kvfd::CameraInfoSet old = Cameras(46);
            steps.save(old);
            // The download file of that run is not what a failed run may leave.
            return CamerasIn(w.target) == 46 && FreshFolder(download);
        };
        w.write = [=] {
            DownloadSteps steps;
            QSignalSpy finished(&steps, &DownloadThread::finish);
            kvfd::CameraInfoSet received = Cameras(3);
            steps.save(received);
            const bool replaced = steps.GetStatus() == DownloadThread::Replaced;
            return finished.count() == 1 && replaced;
        };
        w.stored = [=] { return CamerasIn(w.target) == 3; };
    } else if (name.startsWith(QLatin1String("recent list "))) {
        // Written with WriteConfig, or one project added to a list of 30.
        const QString data = kvtest::TemporaryDataDir();
        const bool add = name.endsWith(QLatin1String("add"));
        const QString added = folder + QStringLiteral("/新 工程.db");
        w.target = ProjectManager::ConfigPath();
        w.folders = QStringList {data};
        w.faultFolder = data;
        w.returnsResult = false;
        w.prepare = [=] {
            ProjectManager::WriteConfig(RecentList(folder, add ? 30 : 2));
            return StoredPaths() == Paths(RecentList(folder, add ? 30 : 2));
        };
        w.write = [=] {
            kvprj::KvProject project = Project("added", 1);
            project.GetPrjInfo().path = Std(added);
            add ? ConfigHelper::AddProject(&project)
                : ProjectManager::WriteConfig(RecentList(folder, 40));
            return true;
        };
        w.stored = [=] {
            const QStringList paths = StoredPaths();
            return add ? paths.size() == 31 && paths.first() == added
                       : paths == Paths(RecentList(folder, 40));
        };
    } else if (name == QLatin1String("project export")) {
        // Over a file the user agreed to replace.
        const QString source = folder + QStringLiteral("/工程.db");
        w.target = folder + QStringLiteral("/导出.db");
        w.prepare = [=] {
            return FreshFolder(folder) && Project("exported", 300).SavePrj(Std(source))
                && Project("old", 3).SavePrj(Std(w.target));
        };
        w.write = [=] { return ExportProject(source, w.target); };
        w.returnsResult = false;
        w.stored = [=] { return ReadFile(w.target) == ReadFile(source); };
    } else if (name == QLatin1String("file rename")) {
        // Both names keep their bytes until the move is made.
        w.target = folder + QStringLiteral("/旧.txt");
        const QString source = folder + QStringLiteral("/新.txt");
        w.uses = UsesRename;
        w.prepare = [=] {
            return FreshFolder(folder) && WriteFile(w.target, "old") && WriteFile(source, "new");
        };
        w.write = [=] { return kvfd::PathHelper::RenameFile(Std(source), Std(w.target)); };
        w.stored = [=] { return ReadFile(w.target) == "new" && !QFile::exists(source); };
    }
    return w;
}

const char* const kWriters[] = {
    "project save",      "project copy",    "mission database", "camera file xml",
    "camera file cam",   "camera file prj", "camera file opt",  "camera database",
    "recent list write", "recent list add", "project export",   "file rename",
};

QList<QStringList> Listings(const Writer& w)
{
    QList<QStringList> listings;
    for (const QString& folder : w.folders)
        listings.append(Listing(folder));
    return listings;
}

QString Describe(const QList<QStringList>& listings)
{
    QStringList folders;
    for (const QStringList& listing : listings)
        folders.append(QLatin1Char('[') + listing.join(QLatin1String(", ")) + QLatin1Char(']'));
    return folders.join(QLatin1Char(' '));
}

// Runs w with the nth call of a kind failing, for n = 1, 2, ... until a run
// is not hit, and checks each run:
//  - not hit: success, the new content in place;
//  - hit and failure reported: the previous file as it was, nothing added;
//  - hit and success reported (a fault on a side file it can do without,
//    such as a lock): the new content in place, nothing added;
//  - a writer that syncs never moves a file into place before its bytes are
//    on disk.
// Returns the first broken rule, empty when none is.
QString FirstBrokenRule(const Writer& w, FaultCall call, int error, bool persist)
{
    const char* kind = WriteFaults::Name(call);
    const int used = call == FaultCall::Write ? UsesWrite
        : call == FaultCall::Sync             ? UsesSync
        : call == FaultCall::Rename           ? UsesRename
                                              : Replaces;
    QList<QStringList> success; // the folders as a run without a fault leaves them
    // n = 0: that run, without a fault.
    for (int n = 0; n < kMaxCalls; ++n) {
        if (!w.prepare())
            return QStringLiteral("the previous file could not be made");
        const QByteArray old = ReadFile(w.target);
        const bool existed = QFile::exists(w.target);
        const QList<QStringList> before = Listings(w);
        WriteFaults faults(call, n == 0 ? std::numeric_limits<int>::max() : n, error, persist,
                           w.faultFolder);
        bool ok = w.write();
        faults.Disarm();
        if (!w.returnsResult)
            ok = w.stored();
        const bool hit = faults.Hit();
        const QString at = n == 0
            ? QString()
            : QStringLiteral(" with %1 no. %2 failing").arg(QLatin1String(kind)).arg(n);
        if ((w.uses & UsesSync) && faults.UnsyncedRenames() > 0)
            return QStringLiteral("moves a file into place before its bytes are on disk") + at;
        if (!hit && !(ok && w.stored()))
            return QStringLiteral("fails without a fault") + at;
        if (n == 0) {
            success = Listings(w);
            // A writer that never makes the call would pass its rows untested.
            if ((w.uses & used) && faults.Calls() == 0)
                return QStringLiteral("makes no %1 call").arg(QLatin1String(kind));
            continue;
        }
        if (!hit)
            return QString();
        if (ok) {
            if (!w.stored())
                return QStringLiteral("reports success without the new content") + at;
            if (Listings(w) != success)
                return QStringLiteral("leaves %1").arg(Describe(Listings(w))) + at;
            continue;
        }
        if (QFile::exists(w.target) != existed || ReadFile(w.target) != old)
            return QStringLiteral("changes the previous file") + at;
        if (Listings(w) != before)
            return QStringLiteral("leaves %1").arg(Describe(Listings(w))) + at;
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
    void helperFailsPlainWrites()
    {
        const QString inside = m_root.filePath(QStringLiteral("helper"));
        QVERIFY(FreshFolder(inside));
        QFile file(inside + QStringLiteral("/数据.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QFile outside(m_root.filePath(QStringLiteral("outside.bin")));
        QVERIFY(outside.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        int pipeEnds[2];
        QCOMPARE(::pipe(pipeEnds), 0);

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
        QCOMPARE(faults.Calls(), 3);
        QCOMPARE(faults.Failed(), 2);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        file.close();
        QCOMPARE(ReadFile(file.fileName()), QByteArray("14"));
    }

    void helperFailsSyncAndRename()
    {
        const QString inside = m_root.filePath(QStringLiteral("helper2"));
        QVERIFY(FreshFolder(inside));
        const QString a = inside + QStringLiteral("/a"), b = inside + QStringLiteral("/b");
        QVERIFY(WriteFile(a, "a"));
        QFile file(a);
        QVERIFY(file.open(QIODevice::ReadWrite));
        {
            WriteFaults faults(FaultCall::Sync, 1, EIO);
            QCOMPARE(::fsync(file.handle()), -1);
            QCOMPARE(errno, EIO);
            QCOMPARE(::fdatasync(file.handle()), 0); // failed once only
            QCOMPARE(faults.Calls(), 2);
        }
        {
            WriteFaults faults(FaultCall::Rename, 1, EROFS, false, inside);
            QCOMPARE(std::rename(QFile::encodeName(a), QFile::encodeName(b)), -1);
            QCOMPARE(errno, EROFS);
            QVERIFY(QFile::exists(a) && !QFile::exists(b));
            QCOMPARE(std::rename(QFile::encodeName(a), QFile::encodeName(b)), 0);
            QCOMPARE(faults.Failed(), 1);
        }
        QCOMPARE(ReadFile(b), QByteArray("a"));
    }

    // A file moved into place before a successful sync is noticed; one synced
    // first, or whose failed sync was repeated successfully, is not.
    void helperSeesUnsyncedRenames_data()
    {
        QTest::addColumn<int>("syncs");   // fsync calls before the rename
        QTest::addColumn<int>("failing"); // which of them fails, 0: none
        QTest::addColumn<int>("unsynced");
        QTest::newRow("no sync") << 0 << 0 << 1;
        QTest::newRow("synced") << 1 << 0 << 0;
        QTest::newRow("sync failed") << 1 << 1 << 1;
        QTest::newRow("sync failed, then done") << 2 << 1 << 0;
    }

    void helperSeesUnsyncedRenames()
    {
        QFETCH(int, syncs);
        QFETCH(int, failing);
        QFETCH(int, unsynced);
        const QString inside = m_root.filePath(QStringLiteral("helper3"));
        QVERIFY(FreshFolder(inside));
        const QString aside = inside + QStringLiteral("/新.tmp");
        WriteFaults faults(FaultCall::Sync, failing, EIO, false, inside);
        {
            QFile file(aside);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("new") == 3 && file.flush());
            for (int i = 1; i <= syncs; ++i)
                QCOMPARE(::fsync(file.handle()), i == failing ? -1 : 0);
        }
        QCOMPARE(std::rename(QFile::encodeName(aside), QFile::encodeName(inside + "/新")), 0);
        QCOMPARE(faults.UnsyncedRenames(), unsynced);
    }

    void everyFault_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<FaultCall>("call");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("persist");

        const struct
        {
            const char* name;
            FaultCall call;
            int error;
            bool persist;
        } faults[] = {
            {"write EIO", FaultCall::Write, EIO, false},
            {"disk full", FaultCall::Write, ENOSPC, true},
            {"sync EIO", FaultCall::Sync, EIO, false},
            {"sync ENOSPC", FaultCall::Sync, ENOSPC, true},
            {"rename EROFS", FaultCall::Rename, EROFS, false},
            {"rename EIO", FaultCall::Rename, EIO, true},
            // A rename into a full folder fails as well, while removing works.
            {"full disk everywhere", FaultCall::Any, ENOSPC, true},
        };
        for (const char* writer : kWriters) {
            for (const auto& f : faults) {
                QTest::addRow("%s, %s", writer, f.name)
                    << QString::fromUtf8(writer) << f.call << f.error << f.persist;
            }
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

    // Whatever call a library writes with, a full disk is reported and the
    // previous camera file stays (which checks the size limit as well; one left
    // in place would fail every test after it).
    void cameraFileOnFullDisk_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char* suffix : {"xml", "cam", "prj", "opt", "XML"})
            QTest::newRow(suffix) << QString::fromLatin1(suffix);
    }

    void cameraFileOnFullDisk()
    {
        QFETCH(QString, suffix);
        const QString folder = m_root.filePath(QStringLiteral("满盘 ") + suffix);
        QVERIFY(FreshFolder(folder));
        const QString path = folder + QStringLiteral("/相机.") + suffix;
        const QString fresh = folder + QStringLiteral("/新相机.") + suffix;
        QVERIFY(WriteFile(path, "the previous camera file\n"));
        bool replaced = true;
        bool created = true;
        {
            kvtest::FileSizeLimit limit(0);
            QVERIFY(limit.IsActive());
            replaced = ExportCameraFile(Camera("new", 6000), path);
            created = ExportCameraFile(Camera("new", 6000), fresh);
        }
        QVERIFY(!replaced);
        QVERIFY(!created);
        QCOMPARE(ReadFile(path), QByteArray("the previous camera file\n"));
        QCOMPARE(Listing(folder), QStringList {QStringLiteral("相机.") + suffix});
    }

    // kvsql reports every failed write; a failed AddRecords leaves the records
    // stored before it.
    void sqlDatabaseReportsFaults_data()
    {
        QTest::addColumn<FaultCall>("call");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("persist");
        QTest::newRow("write EIO") << FaultCall::Write << EIO << false;
        QTest::newRow("disk full") << FaultCall::Write << ENOSPC << true;
    }

    void sqlDatabaseReportsFaults()
    {
        QFETCH(FaultCall, call);
        QFETCH(int, error);
        QFETCH(bool, persist);

        const QString folder = m_root.filePath(QStringLiteral("数据库"));
        const std::string path = Std(folder + QStringLiteral("/camera.db"));
        const std::vector<kvsql::Field> fields = {{"id", 1, 0}, {"name", 3, 0}};
        std::vector<std::string> first, second;
        for (int i = 0; i < 500; ++i) {
            auto& batch = i < 100 ? first : second;
            batch.push_back(std::to_string(i));
            batch.push_back("相机 " + std::string(200, 'x'));
        }
        const auto rows = [&] {
            kvsql::Database db;
            int count = 0;
            const bool read = db.Open(path)
                && db.Select("camera", {}, [&count](const std::vector<std::string>&) {
                       ++count;
                       return true;
                   });
            return read ? count : -1;
        };
        int n = 1;
        for (;; ++n) {
            QVERIFY2(n < kMaxCalls, "never gets through");
            QVERIFY(FreshFolder(folder));
            kvsql::Database db;
            QVERIFY(db.Create(path) && db.CreateTable("camera", fields)
                    && db.AddRecords("camera", first, 2));
            WriteFaults faults(call, n, error, persist, folder);
            const bool ok = db.AddRecords("camera", second, 2);
            faults.Disarm();
            db.Close();
            if (!faults.Hit()) {
                QVERIFY(ok);
                QCOMPARE(rows(), 500);
                break;
            }
            QVERIFY2(!ok, qPrintable(QStringLiteral("write no. %1 failed unreported").arg(n)));
            // With every later write failing too, the roll-back cannot write
            // either: the file may then read as damaged, but never as a
            // different set of records.
            const int left = rows();
            QVERIFY2(left == 100 || (persist && left == -1),
                     qPrintable(
                         QStringLiteral("%1 records after write no. %2 failed").arg(left).arg(n)));
        }
        QVERIFY(n > 1);
    }

private:
    QTemporaryDir m_root;
};

QTEST_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"
