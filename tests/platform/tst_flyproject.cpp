#include "kvprj/flyprojecthelper.h"
#include "modalanswer.h"
#include "platformtest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using kvprj::FlyMission;
using kvprj::FlyPrjInfo;
using kvprj::FlyProjectHelper;
using kvprj::KvProject;

namespace {

const char* const kSchemaSql
    = "CREATE TABLE mission(id TEXT PRIMARY KEY, name TEXT, description TEXT, title TEXT,"
      " created TEXT, aircraft_serial TEXT, epsg INTEGER);"
      "CREATE TABLE photo(mission_id TEXT, seq INTEGER, line INTEGER, file_name TEXT,"
      " folder TEXT, longitude REAL, latitude REAL, altitude REAL, yaw REAL);";

QString Dump(const KvProject& p)
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

class TestFlyProject : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "plain";
        QTest::newRow("Chinese and spaces") << "测试 目录/无人机 任务";
        QTest::newRow("file: prefix") << "file:x";
    }

    void roundTrip()
    {
        QFETCH(QString, folder);
        QVERIFY(QDir(m_dir.path()).mkpath(folder));
        // A relative name starting with "file:" must stay a file name, not a URI.
        QVERIFY(QDir::setCurrent(m_dir.path()));
        const std::string db
            = Std(folder.startsWith("file:") ? folder + "/Flight_Mission.db"
                                             : m_dir.filePath(folder + "/Flight_Mission.db"));
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
        QCOMPARE(Dump(p), want);
        QCOMPARE(p.GetCameraInfoSet().Size(), 0);

        QVERIFY(FlyProjectHelper::Read(db, "a", p));
        QCOMPARE(QString(p.GetPrjInfo().name), QString("任务 a"));
        QCOMPARE(p.GetPrjInfo().coordinateId, 32719); // UTM zone 19S
        QVERIFY(FlyProjectHelper::Read(db, "c", p));
        QVERIFY(p.GetPrjInfo().coordinateId == 32660 && p.GetImageInfoSet().Size() == 4);

        p = Sentinel();
        QVERIFY(!FlyProjectHelper::Read(db, "missing", p));
        QVERIFY(!FlyProjectHelper::Read(db, "", p));
        QCOMPARE(Dump(p), Dump(Sentinel()));
    }

    void writerRefuses()
    {
        const std::string db = Std(m_dir.filePath("refuse.db"));
        QVERIFY(FlyProjectHelper::Write(db, {MakeMission("x", "2024", 4326, 1, 1, 2)}));
        const QByteArray before = ReadFile(Q(db));
        QVERIFY(!FlyProjectHelper::Write(
            db, {MakeMission("x", "", -1, 1, 1, 1), MakeMission("x", "", -1, 1, 1, 1)}));
        QVERIFY(!FlyProjectHelper::Write(db, {MakeMission("", "", -1, 1, 1, 1)}));
        QVERIFY(!FlyProjectHelper::Write(Std(m_dir.filePath("no/such/folder/m.db")), {}));
        QCOMPARE(ReadFile(Q(db)), before);
        QCOMPARE(QDir(m_dir.path()).entryList({"refuse.db*"}, QDir::Files),
                 QStringList {"refuse.db"});
    }

    void unreadable_data()
    {
        QTest::addColumn<QByteArray>("content"); // written to the file unless empty
        QTest::addColumn<QByteArray>("sql");     // run on the file afterwards

        const QString validPath = m_dir.filePath("valid.db");
        QVERIFY(
            FlyProjectHelper::Write(Std(validPath), {MakeMission("m", "2024", 4326, 1, 1, 40)}));
        const QByteArray valid = ReadFile(validPath);
        QTest::newRow("missing") << QByteArray() << QByteArray();
        QTest::newRow("junk") << RandomBytes(5000) << QByteArray();
        QTest::newRow("empty file") << QByteArray("") << QByteArray("");
        QTest::newRow("truncated") << valid.left(valid.size() / 2) << QByteArray();
        QTest::newRow("other schema") << QByteArray()
                                      << QByteArray("CREATE TABLE mission(id TEXT, name TEXT);"
                                                    "CREATE TABLE photo(mission_id TEXT);"
                                                    "INSERT INTO mission VALUES('m','x');");
        QTest::newRow("later version") << valid << QByteArray("PRAGMA user_version=2;");
        QTest::newRow("no photo table") << valid << QByteArray("DROP TABLE photo;");
    }

    void unreadable()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, sql);
        const QString path = m_dir.filePath(QString("坏 文件 %1.db").arg(QTest::currentDataTag()));
        if (!content.isNull())
            QVERIFY(WriteFile(path, content));
        if (!sql.isEmpty())
            QVERIFY(ExecOn(path, sql));
        const QByteArray before = ReadFile(path);

        std::vector<FlyPrjInfo> list {{"keep", "", "", "", ""}};
        KvProject p = Sentinel();
        const bool listed = FlyProjectHelper::QuickRead(Std(path), list);
        if (QByteArray(QTest::currentDataTag()) == "no photo table")
            QVERIFY(listed); // the list needs no photos; opening one does
        else
            QVERIFY(!listed && list.size() == 1 && list[0].id == "keep");
        QVERIFY(!FlyProjectHelper::Read(Std(path), "m", p));
        QCOMPARE(Dump(p), Dump(Sentinel()));
        QCOMPARE(QFile::exists(path), !content.isNull() || !sql.isEmpty());
        QCOMPARE(ReadFile(path), before);
    }

    // NULL, text and out-of-range cells drop their photo, never the mission.
    void badCells()
    {
        const QString path = m_dir.filePath("cells.db");
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
        QCOMPARE(Dump(p),
                 QString("|||32632||\n"
                         "/d|a.jpg|10.000000|20.000000|100.00|0.0000|0|0|1\n"
                         "/d|e.jpg|10.500000|20.500000|0.00|0.0000|0|1|1\n"));
        QVERIFY(!FlyProjectHelper::Read(Std(path), "bad", p)); // no usable photo
    }

    // Ids as a foreign writer may store them, in a table with the declared
    // types, in one without and in one of numbers: only missions that open by
    // the listed id are listed, and each opens as itself.
    void listsWhatOpens_data()
    {
        QTest::addColumn<QByteArray>("schema");
        QTest::addColumn<QByteArray>("ids"); // SQL values split at '|', a mission and photo each
        QTest::addColumn<QString>("listed"); // id:title, newest first
        QTest::newRow("declared types")
            << QByteArray(kSchemaSql)
            << QByteArray("x''|x'6d'|'m'|CAST(x'6d0078' AS TEXT)|NULL|''|1.5|7|"
                          "printf('%.1024c', 'i')|printf('%.1025c', 'j')")
            << QString("%1:t8 7:t7 1.5:t6 m:t2").arg(QString(1024, 'i'));
        QTest::newRow("no types") << QByteArray(kSchemaSql).replace(" TEXT PRIMARY KEY", "")
                                  << QByteArray("5|2.5|x''|x'6f6b'|'ok'") << "ok:t4";
        QTest::newRow("integer ids")
            << QByteArray(kSchemaSql).replace(" TEXT PRIMARY KEY", " INTEGER PRIMARY KEY")
            << QByteArray("5|7") << "7:t1 5:t0";
    }

    void listsWhatOpens()
    {
        QFETCH(QByteArray, schema);
        QFETCH(QByteArray, ids);
        QFETCH(QString, listed);
        const QString path = m_dir.filePath(QString("外来 %1.db").arg(QTest::currentDataTag()));
        QByteArray sql = schema;
        const QList<QByteArray> values = ids.split('|');
        for (int i = 0; i < values.size(); ++i) {
            // Later missions are newer.
            sql += QString(
                       "INSERT INTO mission VALUES(%1, 'n', 'd', 't%2', '2024-01-%3', 's', 4326);"
                       "INSERT INTO photo VALUES(%1, 0, 0, 'p%2.jpg', '/f', 10, 20, 30, 0);")
                       .arg(QString(values[i].trimmed()))
                       .arg(i)
                       .arg(10 + i)
                       .toUtf8();
        }
        QVERIFY(ExecOn(path, sql));

        std::vector<FlyPrjInfo> list;
        QVERIFY(FlyProjectHelper::QuickRead(Std(path), list));
        QStringList seen;
        for (const FlyPrjInfo& info : list) {
            // id:title, then what opening it gives when that is not the same.
            QString entry = Q(info.id + ":" + info.name);
            KvProject p;
            if (!FlyProjectHelper::Read(Std(path), info.id, p))
                entry += "(does not open)";
            else if (p.GetPrjInfo().name != info.name
                     || p.GetImageInfoSet().GetImage(0)->Name()
                         != "p" + info.name.substr(1) + ".jpg")
                entry += QString("(opens %1)").arg(p.GetPrjInfo().name);
            seen << entry;
        }
        QCOMPARE(seen.join(' '), listed);
    }

    // Texts of many megabytes: the list holds their first 4096 characters,
    // whole characters; a photo whose file name or folder is that long is
    // left out.
    void hugeTexts()
    {
        const QString path = m_dir.filePath("巨大 huge.db");
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
        const std::string db = Std(m_dir.filePath("锁定 locked.db"));
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
};

QTEST_GUILESS_MAIN(TestFlyProject)
#include "tst_flyproject.moc"
