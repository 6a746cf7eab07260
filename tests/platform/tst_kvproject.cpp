#include "kvprj/flyprojecthelper.h"
#include "kvprj/kvproject.h"
#include "modalanswer.h"
#include "platformtest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <iterator>
#include <sstream>

using kvfd::CameraInfo;
using kvfd::EOP;
using kvfd::ImageInfoSet;
using kvprj::FlyMission;
using kvprj::FlyPrjInfo;
using kvprj::FlyProjectHelper;
using kvprj::KvProject;
using kvprj::PrjInfo;

namespace {

// The numeric fields of a camera, to fill and to compare them all.
using C = CameraInfo;
// clang-format off
double C::*const kCameraReals[] = {&C::ccd_width, &C::ccd_height, &C::focal, &C::pixel_size_x,
    &C::pixel_size_y, &C::x0, &C::y0, &C::k1, &C::k2, &C::k3, &C::p1, &C::p2, &C::alpha, &C::beta,
    &C::k4, &C::k5, &C::k6};
std::int32_t C::*const kCameraInts[] = {&C::id, &C::width, &C::height, &C::dtype, &C::mount_angle};
// clang-format on

// Everything a project holds as text, a line for the description, each camera and
// each valid image; with withSlots also the number of image slots.
QByteArray Dump(const KvProject& p, bool withSlots = true)
{
    std::ostringstream out;
    out.precision(17);
    const auto line = [&out](const auto&... values) { ((out << values << '|'), ...) << '\n'; };
    const PrjInfo& i = p.GetPrjInfo();
    line(i.coordinateId, i.viewType, i.name, i.prjOperator, i.date, i.description, i.meanElevation,
         i.aircraftType, i.path);
    for (int n = 0; n < p.GetCameraInfoSet().Size(); ++n) {
        const CameraInfo& c = *p.GetCameraInfoSet().GetCamera(n);
        out << c.name << '|' << c.fullname;
        for (const auto field : kCameraInts)
            out << '|' << c.*field;
        for (const auto field : kCameraReals)
            out << '|' << c.*field;
        out << '\n';
    }
    const ImageInfoSet& images = p.GetImageInfoSet();
    if (withSlots)
        line("slots", images.Size());
    for (int n = 0; n < images.Size(); ++n) {
        if (const kvfd::ImageInfo* m = images.GetImage(n)) {
            const EOP& e = m->GetEOP();
            const kvfd::ImageInfoExt& x = *images.GetImageExt(n);
            line(m->Path(), m->Name(), e.X, e.Y, e.Z, e.Omega, e.Phi, e.Kappa, m->GetCamera(),
                 x.flight, x.enabled, x.visible, x.selected, x.update);
        }
    }
    return QByteArray::fromStdString(out.str());
}

// A project of n images over three cameras, every third image removed, and a
// last image whose names are not UTF-8 and whose height is unknown.
KvProject MakeProject(int n)
{
    KvProject p;
    // clang-format off
    p.GetPrjInfo() = {4547, 0, "测区 一号 survey", "张三", "2024-05-06T07:08:09",
                      "黄河大堤 river bank, 1:500; “quotes” 'and' ;-- \xe9t\xe9", 1234.5678901234, 99, {}};
    // clang-format on
    for (int seed = 0; seed < 3; ++seed) {
        CameraInfo c;
        c.name = "FC" + std::to_string(6310 + seed);
        c.fullname = "相机 " + std::to_string(seed) + " (广角)";
        for (std::size_t f = 0; f < std::size(kCameraInts); ++f)
            c.*kCameraInts[f] = int(100 * f) + seed + 1;
        for (std::size_t f = 0; f < std::size(kCameraReals); ++f)
            c.*kCameraReals[f] = (seed + 1 + f / 7.0) * std::pow(10.0, 4 - int(f));
        p.GetCameraInfoSet().AddCamera(c);
    }

    ImageInfoSet& images = p.GetImageInfoSet();
    for (int i = 0; i < n; ++i) {
        // clang-format off
        const EOP e = {500000.123456789 + i * 12.5, 4400000.987654321 - i * 0.1, 150.0 + i / 7.0,
                       0.001 * i, -0.002 * i, 3.14159265358979 - i / 1000.0};
        // clang-format on
        char name[32];
        std::snprintf(name, sizeof name, "DJI_%04d.JPG", i + 1);
        const int index
            = images.AddImage(name, i % 2 ? "/数据/航线 2" : "/data/flight1", e, i % 3, i % 4 != 0);
        *images.GetImageExt(index) = {i / 10, i % 4 != 0, i % 5 != 0, i % 7 == 0, i % 2 == 0};
    }
    for (int i = 0; i < n; i += 3)
        images.RemoveImage(i);
    images.AddImage("M\xfcller\xff.jpg", "/old\x80share", {0, 0, std::nan(""), 0, 0, 0}, 2, true);
    return p;
}

QStringList Leftovers(const QString& dir)
{
    return QDir(dir).entryList({"*.saving-*", "*.copying-*"}, QDir::AllEntries | QDir::Hidden);
}

const char* const kSchemaSql
    = "CREATE TABLE mission(id TEXT PRIMARY KEY, name TEXT, description TEXT, title TEXT,"
      " created TEXT, aircraft_serial TEXT, epsg INTEGER);"
      "CREATE TABLE photo(mission_id TEXT, seq INTEGER, line INTEGER, file_name TEXT,"
      " folder TEXT, longitude REAL, latitude REAL, altitude REAL, yaw REAL);";

// A mission read as a project, as text.
QString Brief(const KvProject& p)
{
    const kvprj::PrjInfo& info = p.GetPrjInfo();
    QString text = QString("%1|%2|%3|%4|%5|\n")
                       .arg(info.name, info.date, info.description)
                       .arg(info.coordinateId)
                       .arg(QString::fromStdString(info.path));
    const kvfd::ImageInfoSet& images = p.GetImageInfoSet();
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfo& m = *images.GetImage(i);
        const kvfd::EOP& e = m.GetEOP();
        text += QString("%1|%2|%3|%4|%5|%6|%7|%8|%9\n")
                    .arg(Q(m.Path()), Q(m.Name()))
                    .arg(e.X, 0, 'f', 6)
                    .arg(e.Y, 0, 'f', 6)
                    .arg(e.Z, 0, 'f', 2)
                    .arg(e.Kappa, 0, 'f', 4)
                    .arg(m.GetCamera())
                    .arg(images.GetImageExt(i)->flight)
                    .arg(images.GetImageExt(i)->enabled);
    }
    return text;
}

KvProject Sentinel()
{
    KvProject p;
    kvprj::CopyText(p.GetPrjInfo().name, "untouched");
    p.GetImageInfoSet().AddImage("keep.jpg", "/keep", {}, 0, true);
    return p;
}

} // namespace

// Project files, and the flight-planning program's mission database read as projects.
class TestKvProject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_tmp.isValid());
        QVERIFY(QDir().mkpath(m_tmp.filePath("测区 一")));
        m_good = m_tmp.filePath("测区 一/项目.db");
        QVERIFY(MakeProject(60).SavePrj(Std(m_good)));
    }

    void roundTrip()
    {
        KvProject expected = MakeProject(60);
        expected.GetPrjInfo().path = Std(m_good);
        KvProject opened;
        QVERIFY(opened.OpenPrj(Std(m_good)));
        QCOMPARE(Dump(opened, false), Dump(expected, false));

        // Removed slots are not saved: 61 images, 20 removed, 41 in a row.
        const ImageInfoSet& images = opened.GetImageInfoSet();
        QCOMPARE(images.Size(), 41);
        QCOMPARE(images.FindImage("DJI_0060.JPG", "/数据/航线 2"), 39);
        QCOMPARE(images.FindImage("M\xfcller\xff.jpg", "/old\x80share"), 40);

        // A quick open reads the description and the first image only, for a preview.
        KvProject quick = MakeProject(3);
        QVERIFY(quick.QuickOpenPrj(Std(m_good)));
        const QList<QByteArray> all = Dump(opened).split('\n'), lines = Dump(quick).split('\n');
        QCOMPARE(lines, (QList<QByteArray> {all[0], "slots|1|", all[5], ""}));

        // An empty project, opened both ways over a full one.
        const QString path = m_tmp.filePath("empty project.db");
        KvProject empty;
        QVERIFY(empty.SavePrj(Std(path))); // and records the path
        QVERIFY(opened.OpenPrj(Std(path)) && quick.QuickOpenPrj(Std(path)));
        QCOMPARE(Dump(opened), Dump(empty));
        QCOMPARE(Dump(quick), Dump(empty));
    }

    // Files that are no project or mission database, or damaged ones: nothing
    // is read from them, and reading neither creates nor changes a file.
    void unreadable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("mission"); // read as a mission database, not a project
        const QString dir = m_tmp.filePath("bad");
        QVERIFY(QDir().mkpath(dir));
        const QByteArray good = ReadFile(m_good);
        QVERIFY(good.size() > 8192);
        const QString missions = m_tmp.filePath("valid.db");
        QVERIFY(FlyProjectHelper::Write(Std(missions), {MakeMission("m", "2024", 4326, 1, 1, 40)}));
        const QByteArray valid = ReadFile(missions);

        // Written as given; with sql, so changed.
        const auto add = [&](const QByteArray& tag, const QByteArray& bytes,
                             const char* sql = nullptr, bool mission = false) {
            const QString path = dir + "/" + tag + ".db";
            QVERIFY(WriteFile(path, bytes) && (!sql || ExecOn(path, sql)));
            QTest::newRow(tag.constData()) << path << mission;
        };
        for (const bool mission : {false, true}) {
            QTest::addRow("%smissing", mission ? "mission: " : "")
                << dir + "/missing.db" << mission;
            QTest::addRow("%sfolder", mission ? "mission: " : "") << dir << mission;
        }
        add("random bytes", RandomBytes(20000));
        add("sqlite header then random", good.left(100) + RandomBytes(20000));
        for (const int size : {4096, good.size() - 1})
            add("first " + QByteArray::number(size) + " bytes", good.left(size));
        // A future version, an older one, another program's file, parts missing.
        for (const char* sql : {"PRAGMA user_version=99", "PRAGMA application_id=1234",
                                "DROP TABLE images", "ALTER TABLE images RENAME COLUMN kappa TO k"})
            add(sql, good, sql);
        add("other schema", "",
            "CREATE TABLE camera(id, name); INSERT INTO camera VALUES(1, 'x');");
        add("mission: junk", RandomBytes(5000), nullptr, true);
        add("mission: truncated", valid.left(valid.size() / 2), nullptr, true);
        add("mission: other schema", "",
            "CREATE TABLE mission(id TEXT, name TEXT); CREATE TABLE photo(mission_id TEXT);"
            "INSERT INTO mission VALUES('m','x');",
            true);
        add("mission: later version", valid, "PRAGMA user_version=2;", true);
    }

    void unreadable()
    {
        QFETCH(QString, path);
        QFETCH(bool, mission);
        const auto state
            = [&path] { return QFileInfo(path).isFile() ? ReadFile(path) : QByteArray("none"); };
        const QByteArray before = state();
        if (mission) {
            std::vector<FlyPrjInfo> list {{"keep", "", "", "", ""}};
            KvProject p = Sentinel();
            const bool listed = FlyProjectHelper::QuickRead(Std(path), list);
            if (path.endsWith("no photo table.db"))
                QVERIFY(listed); // the list needs no photos; opening one does
            else
                QVERIFY(!listed && list.size() == 1 && list[0].id == "keep");
            QVERIFY(!FlyProjectHelper::Read(Std(path), "m", p));
            QCOMPARE(Brief(p), Brief(Sentinel()));
        } else {
            KvProject loaded;
            QVERIFY(loaded.OpenPrj(Std(m_good)));
            const QByteArray unchanged = Dump(loaded);
            QVERIFY(!loaded.OpenPrj(Std(path)));
            QCOMPARE(Dump(loaded), unchanged);
            QVERIFY(!loaded.QuickOpenPrj(Std(path)));
            QCOMPARE(Dump(loaded), unchanged);
            // Nor is anything copied.
            const QString copyTarget = m_tmp.filePath("copy of bad.db");
            QVERIFY(!KvProject::CopyTo(Std(path), Std(copyTarget)));
            QVERIFY(!QFileInfo::exists(copyTarget));
        }
        QCOMPARE(state(), before);
        QVERIFY(!QFileInfo::exists(path + "-journal"));
    }

    // Disk faults on the way are the write-fault loop's; here the paths a save
    // cannot use: a missing folder, a folder in the way of the rename, a path
    // below a file. The project stays as it was, its path included.
    void failedSave()
    {
        KvProject changed = MakeProject(50);
        changed.GetPrjInfo().path = "/somewhere/else.db";
        const QByteArray unchanged = Dump(changed);
        const QString folder = m_tmp.filePath("a folder.db");
        QVERIFY(QDir().mkpath(folder));
        for (const QString& bad : {m_tmp.filePath("no such folder/x.db"), folder, m_good + "/x.db"})
            QVERIFY(!changed.SavePrj(Std(bad)));
        QVERIFY(!changed.SavePrj());
        QVERIFY(!QFileInfo::exists(m_tmp.filePath("no such folder")) && QFileInfo(folder).isDir());
        QVERIFY(Leftovers(m_tmp.path()).isEmpty());
        QCOMPARE(Dump(changed), unchanged);

        const QString path = m_tmp.filePath("saved after all.db");
        QVERIFY(changed.SavePrj(Std(path)) && QFileInfo(path).isFile());
    }

    // The copy's content is the write-fault loop's; here what it refuses.
    void copyTo()
    {
        const QString dir = m_tmp.filePath("副本 copies");
        const QString target = dir + "/项目 副本.db";
        QVERIFY(QDir().mkpath(dir) && KvProject::CopyTo(Std(m_good), Std(target)));

        // An existing target is never replaced, whatever it is; nor are folders made.
        QVERIFY(WriteFile(dir + "/existing.db", "mine"));
        for (const QString& to :
             {dir + "/existing.db", target, dir, m_tmp.filePath("no folder/x.db")})
            QVERIFY2(!KvProject::CopyTo(Std(m_good), Std(to)), qPrintable(to));
        QVERIFY(!KvProject::CopyTo(Std(m_good), ""));
        QCOMPARE(ReadFile(dir + "/existing.db"), QByteArray("mine"));
        QVERIFY(!QFileInfo::exists(m_tmp.filePath("no folder")));
        QVERIFY(Leftovers(dir).isEmpty());
    }

    void missionRoundTrip_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("Chinese and spaces") << "测试 目录/无人机 任务";
        QTest::newRow("file: prefix") << "file:x";
    }

    void missionRoundTrip()
    {
        QFETCH(QString, folder);
        QVERIFY(QDir(m_tmp.path()).mkpath(folder));
        // A relative name starting with "file:" must stay a file name, not a URI.
        QVERIFY(QDir::setCurrent(m_tmp.path()));
        const std::string db
            = Std(folder.startsWith("file:") ? folder + "/Flight_Mission.db"
                                             : m_tmp.filePath(folder + "/Flight_Mission.db"));
        // Known CGCS2000 system; unknown code in the south; no code across the date line.
        std::vector<FlyMission> missions {
            MakeMission("b", "2024-05-06T07:08:09", 4547, 114.3, 30.5, 12),
            MakeMission("a", "2024-05-06T07:08:09", 999999, -70.5, -33.4, 3),
            MakeMission("c", "2025-01-01T00:00:00", -1, 179.9999, 10.0, 4)};
        missions[1].info.name.clear(); // no title: the mission name is shown
        for (auto& photo : missions[2].photos)
            photo.longitude = 179.9999;
        missions[2].photos[1].longitude = -179.9999; // the mean stays near 180, not at 90
        QVERIFY(FlyProjectHelper::Write(db, missions));

        std::vector<FlyPrjInfo> list;
        QVERIFY(FlyProjectHelper::QuickRead(db, list));
        QCOMPARE(int(list.size()), 3);
        // Newest first, equal dates by id.
        QCOMPARE(Q(list[0].id + "," + list[1].id + "," + list[2].id), QString("c,a,b"));
        const FlyPrjInfo& b = list[2];
        QCOMPARE(Q(b.mission + "|" + b.description + "|" + b.name + "|" + b.date),
                 QString("任务 b|大坝 巡检 survey|标题 b|2024-05-06T07:08:09"));

        KvProject p = Sentinel();
        QVERIFY(FlyProjectHelper::Read(db, "b", p));
        QString want = "标题 b|2024-05-06T07:08:09|SN-b|4547||\n";
        for (int i = 0; i < 12; ++i)
            want += QString("/飞行 数据/b|DJI_%1.JPG|%2|%3|%4|1.5708|0|%5|1\n")
                        .arg(1000 + i)
                        .arg(114.3 + 1e-4 * i, 0, 'f', 6)
                        .arg(30.5 - 1e-4 * i, 0, 'f', 6)
                        .arg(120.5 + i, 0, 'f', 2)
                        .arg(i / 5);
        QCOMPARE(Brief(p), want);
        QCOMPARE(p.GetCameraInfoSet().Size(), 0);

        QVERIFY(FlyProjectHelper::Read(db, "a", p));
        QCOMPARE(QString(p.GetPrjInfo().name), QString("任务 a"));
        QCOMPARE(p.GetPrjInfo().coordinateId, 32719); // UTM zone 19S
        QVERIFY(FlyProjectHelper::Read(db, "c", p));
        QVERIFY(p.GetPrjInfo().coordinateId == 32660 && p.GetImageInfoSet().Size() == 4);

        p = Sentinel();
        QVERIFY(!FlyProjectHelper::Read(db, "missing", p));
        QVERIFY(!FlyProjectHelper::Read(db, "", p));
        QCOMPARE(Brief(p), Brief(Sentinel()));
    }

    void missionWriterRefuses()
    {
        const std::string db = Std(m_tmp.filePath("refuse.db"));
        QVERIFY(FlyProjectHelper::Write(db, {MakeMission("x", "2024", 4326, 1, 1, 2)}));
        const QByteArray before = ReadFile(Q(db));
        QVERIFY(!FlyProjectHelper::Write(
            db, {MakeMission("x", "", -1, 1, 1, 1), MakeMission("x", "", -1, 1, 1, 1)}));
        QVERIFY(!FlyProjectHelper::Write(db, {MakeMission("", "", -1, 1, 1, 1)}));
        QVERIFY(!FlyProjectHelper::Write(Std(m_tmp.filePath("no/such/folder/m.db")), {}));
        QCOMPARE(ReadFile(Q(db)), before);
        QCOMPARE(QDir(m_tmp.path()).entryList({"refuse.db*"}, QDir::Files),
                 QStringList {"refuse.db"});
    }

    // NULL, text and out-of-range cells drop their photo, never the mission.
    void badCells()
    {
        const QString path = m_tmp.filePath("cells.db");
        QVERIFY(ExecOn(path,
                       QByteArray(kSchemaSql)
                           + "INSERT INTO mission VALUES('m',NULL,NULL,NULL,NULL,NULL,'abc'),"
                             " (NULL,'no id','','','',NULL,NULL), ('bad',1,2,3,4,5,6);"
                             "INSERT INTO photo VALUES"
                             " ('m',5,1,'e.jpg','/d',10.5,20.5,NULL,NULL),"
                             " ('m',1,0,'a.jpg','/d',10,20,100,'x'),"
                             " ('m',2,0,NULL,'/d',10,20,100,0),"
                             " ('m',3,0,'b.jpg','/d','abc',20,100,0),"
                             " ('m',4,0,'c.jpg','/d',200,20,100,0),"
                             " ('m',6,0,'d.jpg','/d',10,-91,100,0),"
                             " ('m',7,0,'f.jpg','/d',10,20,1e12,0),"
                             " ('m',8,-1,'g.jpg','/d',10,20,100,0),"
                             " ('m',9,NULL,'h.jpg','/d',10,20,100,0),"
                             " ('m',10,1.5,'i.jpg','/d',10,20,100,0),"
                             " ('m',11,0,'../j.jpg','/d',10,20,100,0),"
                             " ('m',12,0,'k.jpg',NULL,10,20,'nan',1e300),"
                             " ('bad',1,0,'a.jpg','/d',NULL,NULL,NULL,NULL);"));
        std::vector<FlyPrjInfo> list;
        QVERIFY(FlyProjectHelper::QuickRead(Std(path), list));
        QCOMPARE(int(list.size()), 2); // the mission without an id is left out
        QCOMPARE(Q(list[1].id + "|" + list[1].mission + "|" + list[1].name), QString("m||"));

        KvProject p;
        QVERIFY(FlyProjectHelper::Read(Std(path), "m", p));
        QCOMPARE(Brief(p),
                 QString("|||32632||\n"
                         "/d|a.jpg|10.000000|20.000000|100.00|0.0000|0|0|1\n"
                         "/d|e.jpg|10.500000|20.500000|0.00|0.0000|0|1|1\n"));
        QVERIFY(!FlyProjectHelper::Read(Std(path), "bad", p)); // no usable photo
    }

    // Texts of many megabytes: the list holds their first 4096 characters,
    // whole characters; a photo whose file name or folder is that long is
    // left out.
    void hugeTexts()
    {
        const QString path = m_tmp.filePath("巨大 huge.db");
        QVERIFY(
            ExecOn(path,
                   QByteArray(kSchemaSql)
                       + "INSERT INTO mission VALUES('m', replace(hex(zeroblob(2000000)), '00',"
                         " '标'), printf('%.5000000c', 'd'), CAST(zeroblob(3000000) AS TEXT),"
                         " '2024', printf('%.5000000c', 's'), 4326);"
                         "INSERT INTO photo VALUES"
                         " ('m', 1, 0, 'a.jpg', '/d', 10, 20, 30, 0),"
                         " ('m', 2, 0, printf('%.20000c', 'f'), '/d', 10, 20, 30, 0),"
                         " ('m', 3, 0, 'b.jpg', printf('%.20000c', 'f'), 10, 20, 30, 0),"
                         " ('m', 4, 0, 'c.jpg', '/' || printf('%.4000c', 'f'), 10, 20, 30, 0);"));
        std::vector<FlyPrjInfo> list;
        QVERIFY(FlyProjectHelper::QuickRead(Std(path), list));
        QCOMPARE(int(list.size()), 1);
        QCOMPARE(Q(list[0].mission), QString(4096, QChar(0x6807)));
        QCOMPARE(list[0].description, std::string(4096, 'd'));
        QCOMPARE(list[0].name, std::string()); // NUL bytes: cut at the first
        KvProject p;
        QVERIFY(FlyProjectHelper::Read(Std(path), "m", p));
        QCOMPARE(QString(p.GetPrjInfo().description), QString(256, 's'));
        const kvfd::ImageInfoSet& images = p.GetImageInfoSet();
        QCOMPARE(images.Size(), 2);
        QCOMPARE(Q(images.GetImage(0)->Name() + " " + images.GetImage(1)->Name()),
                 QString("a.jpg c.jpg"));
        QCOMPARE(images.GetImage(1)->Path().size(), std::size_t(4001));
    }

    // Another program writing the file: the reader gives up quickly.
    void locked()
    {
        const std::string db = Std(m_tmp.filePath("锁定 locked.db"));
        QVERIFY(FlyProjectHelper::Write(db, {MakeMission("m", "2024", 4326, 1, 1, 3)}));
        sqlite3* writer = nullptr;
        QCOMPARE(sqlite3_open(db.c_str(), &writer), SQLITE_OK);
        QCOMPARE(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

        std::vector<FlyPrjInfo> list;
        KvProject p;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!FlyProjectHelper::QuickRead(db, list) && !FlyProjectHelper::Read(db, "m", p));
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));

        sqlite3_close(writer); // rolls the transaction back
        QVERIFY(FlyProjectHelper::QuickRead(db, list) && FlyProjectHelper::Read(db, "m", p));
    }

private:
    QString m_good; // "<tmp>/测区 一/项目.db", MakeProject(60)
    QTemporaryDir m_tmp;
};

QTEST_GUILESS_MAIN(TestKvProject)
#include "tst_kvproject.moc"
