#include "kvprj/kvproject.h"
#include "platformtest.h"

#include <QtTest>
#include <cmath>
#include <cstring>
#include <iterator>
#include <sstream>

using kvfd::CameraInfo;
using kvfd::EOP;
using kvfd::ImageInfoSet;
using kvprj::KvProject;
using kvprj::PrjInfo;

namespace {

bool IsValidUtf8(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

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

} // namespace

class TestKvProject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
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

    // Saving needs a path and replaces a bigger project; the path is recorded for later
    // saves but not stored in the file.
    void savePathRules()
    {
        KvProject p = MakeProject(5);
        QVERIFY(!p.SavePrj() && p.GetPrjInfo().path.empty());
        const QString path = m_tmp.filePath("rules.db"), moved = m_tmp.filePath("moved.db");
        QVERIFY(MakeProject(300).SavePrj(Std(path)) && p.SavePrj(Std(path)));
        p.GetPrjInfo().aircraftType = 3;
        QVERIFY(p.SavePrj() && QFile::rename(path, moved));
        KvProject q;
        QVERIFY(q.OpenPrj(Std(moved)));
        QCOMPARE(Q(q.GetPrjInfo().path), moved);
        q.GetPrjInfo().path = Std(path);
        QCOMPARE(Dump(q, false), Dump(p, false));
    }

    void unreadableFiles_data()
    {
        QTest::addColumn<QString>("path");
        const QString dir = m_tmp.filePath("bad");
        QVERIFY(QDir().mkpath(dir));
        const QByteArray good = ReadFile(m_good);
        QVERIFY(good.size() > 8192);

        // Written as given; with sql, a good file so changed.
        const auto add = [&](const char* tag, const QByteArray& bytes, const char* sql = nullptr) {
            const QString path = dir + "/" + tag + ".db";
            QVERIFY(WriteFile(path, bytes) && (!sql || ExecOn(path, sql)));
            QTest::newRow(tag) << path;
        };
        QTest::newRow("missing") << dir + "/missing.db";
        QTest::newRow("folder") << dir;
        add("empty", QByteArray());
        add("text", "name,x,y\nDJI_0001.JPG,1,2\n");
        add("random bytes", RandomBytes(20000));
        add("sqlite header then random", good.left(100) + RandomBytes(20000));
        for (const int size : {50, 4096, good.size() / 2, good.size() - 4096, good.size() - 1})
            add(qPrintable(QString("first %1 bytes").arg(size)), good.left(size));
        // A future version, an older one, another program's file, parts missing.
        for (const char* sql :
             {"PRAGMA user_version=99", "PRAGMA user_version=0", "PRAGMA application_id=1234",
              "DROP TABLE cameras", "DROP TABLE images", "DELETE FROM project",
              "ALTER TABLE images RENAME COLUMN kappa TO k"})
            add(sql, good, sql);
        add("other schema", "",
            "CREATE TABLE camera(id, name); INSERT INTO camera VALUES(1, 'x');");
    }

    void unreadableFiles()
    {
        QFETCH(QString, path);
        const QByteArray before = QFileInfo(path).isFile() ? ReadFile(path) : QByteArray();

        KvProject loaded;
        QVERIFY(loaded.OpenPrj(Std(m_good)));
        const QByteArray unchanged = Dump(loaded);
        QVERIFY(!loaded.OpenPrj(Std(path)));
        QCOMPARE(Dump(loaded), unchanged);
        QVERIFY(!loaded.QuickOpenPrj(Std(path)));
        QCOMPARE(Dump(loaded), unchanged);

        // Reading neither creates nor changes a file, and nothing is copied.
        QCOMPARE(QFileInfo(path).isFile() ? ReadFile(path) : QByteArray(), before);
        QVERIFY(!QFileInfo::exists(path + "-journal"));
        const QString copyTarget = m_tmp.filePath("copy of bad.db");
        QVERIFY(!KvProject::CopyTo(Std(path), Std(copyTarget)));
        QVERIFY(!QFileInfo::exists(copyTarget));
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

    void copyText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("expectedBytes"); // -1: nothing written

        const QByteArray chinese = QByteArray("测").repeated(30); // 90 bytes
        const QByteArray x = "x";
        // clang-format off
    QTest::newRow("fits")                   << QByteArray("short") << 64 << 5;
    QTest::newRow("one too many")           << x.repeated(64) << 64 << 63;
    QTest::newRow("chinese, 63 bytes fit")  << chinese << 64 << 63;
    QTest::newRow("chinese, shifted by 1")  << "a" + chinese << 64 << 61;
    QTest::newRow("emoji at 60")            << x.repeated(60) + "😀😀" << 64 << 60;
    QTest::newRow("emoji at 62")            << x.repeated(62) + "😀" << 64 << 62;
    QTest::newRow("two-byte characters")    << QByteArray("é").repeated(40) << 64 << 62;
    QTest::newRow("size 2, chinese")        << QByteArray("测") << 2 << 0;
    QTest::newRow("size 0")                 << QByteArray("abc") << 0 << -1;
    // Not UTF-8: cut where the size says, the lead byte of a broken sequence too.
    QTest::newRow("continuations")          << QByteArray(6, '\x80') << 5 << 4;
    QTest::newRow("lead, 4 continuations")  << QByteArray("ab\xe6\x80\x80\x80\x80") << 5 << 2;
        // clang-format on
    }

    void copyText()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, size);
        QFETCH(int, expectedBytes);
        char buffer[128];
        std::memset(buffer, '#', sizeof buffer);
        kvprj::CopyText(buffer, std::size_t(size), text.toStdString());
        QCOMPARE(buffer[size], '#'); // nothing written past the array
        if (expectedBytes < 0)
            return;
        QCOMPARE(QByteArray(buffer), text.left(expectedBytes));
        QVERIFY(IsValidUtf8(buffer) || !IsValidUtf8(text));
    }

    // A file written elsewhere may hold longer texts than the arrays: they are cut.
    void longTextsAreCut()
    {
        const QByteArray text = ("a" + QByteArray("测").repeated(66) + "b").repeated(2);
        const QByteArray value = "'" + text + "'";
        const QString path = m_tmp.filePath("long texts.db");
        QVERIFY(KvProject().SavePrj(Std(path)));
        QVERIFY(ExecOn(path,
                       "UPDATE project SET name=" + value + ", operator=" + value
                           + ", date=" + value + ", description=" + value));
        KvProject q;
        for (const bool quick : {false, true}) {
            QVERIFY(quick ? q.QuickOpenPrj(Std(path)) : q.OpenPrj(Std(path)));
            const PrjInfo& i = q.GetPrjInfo();
            const std::pair<const char*, std::size_t> cut[]
                = {{i.name, 64}, {i.prjOperator, 64}, {i.date, 31}, {i.description, 255}};
            for (const auto& [field, length] : cut)
                QVERIFY(std::strlen(field) == length && IsValidUtf8(field)
                        && text.startsWith(field));
        }
    }

private:
    QString m_good; // "<tmp>/测区 一/项目.db", MakeProject(60)
    QTemporaryDir m_tmp;
};

QTEST_GUILESS_MAIN(TestKvProject)
#include "tst_kvproject.moc"
