#include "imagery/posfile.h"
#include "imagery/posmatch.h"
#include "kvfd/pathhelper.h"
#include "modalanswer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

using Rows = std::vector<std::vector<std::string>>;

namespace {

const QString kData = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/pos/");
constexpr double kDeg = 0.017453292519943295;

// "field field|field": '|' between rows, ' ' between fields.
QByteArray Join(const Rows& rows)
{
    QByteArrayList lines;
    for (const auto& row : rows) {
        QByteArrayList fields;
        for (const std::string& field : row)
            fields << QByteArray::fromStdString(field);
        lines << fields.join(' ');
    }
    return lines.join('|');
}

std::string Narrow(const QString& path)
{
    return path.toLocal8Bit().toStdString();
}

QStringList Words(const QString& text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = c >= 'A' && c <= 'Z' ? char(c + 32) : c;
    return text;
}

// The matching as described: every record walks the camera's images in order.
std::vector<PosData> WalkMatch(std::vector<PosData> records, int type, kvfd::ImageInfoSet& images)
{
    if (type == PosMatchOrder)
        kvui::RenameRecordsInOrder(records, images, 0);
    std::vector<PosData> kept;
    const kvfd::ImageInfoSet& read = images;
    for (const PosData& record : records) {
        const std::string name = Lower(record.name);
        const std::string title = kvfd::PathHelper::GetFileTitle2(name);
        for (int i = 0; i < read.Size(); ++i) {
            if (!read.GetImage(i) || read.GetImage(i)->GetCamera() != 0)
                continue;
            const std::string image = Lower(read.GetImage(i)->Name());
            if (image == name
                || (type == PosMatchWithoutExt
                    && kvfd::PathHelper::GetFileTitle2(image) == title)) {
                images.GetImage(i)->SetEOP(record.eop);
                kept.push_back(record);
                break;
            }
        }
    }
    return kept;
}

} // namespace

class TestPosFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    std::string Write(const QByteArray& content, const QString& name = QStringLiteral("pos.txt"))
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return Narrow(path);
    }

    Rows Read(const QByteArray& content)
    {
        Rows rows;
        if (!kvui::ReadPosRows(Write(content), rows))
            qFatal("cannot read back");
        return rows;
    }

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_dir.isValid());
    }

    void splitsLines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("rows");
        const QByteArray x3000(3000, 'x');
        QTest::newRow("blank lines")
            << QByteArray("a 1\n\n   \n,;\t\nb 2\n") << QByteArray("a 1|b 2");
        QTest::newRow("mixed separators")
            << QByteArray("a.jpg,1.5;2.5 3.5\t10\n") << QByteArray("a.jpg 1.5 2.5 3.5 10");
        QTest::newRow("runs and ends") << QByteArray(" ,a,,;b\t \nc") << QByteArray("a b|c");
        QTest::newRow("CRLF") << QByteArray("a 1\r\nb 2\r\n") << QByteArray("a 1|b 2");
        QTest::newRow("CR CR LF") << QByteArray("a,1\r\r\nb,2\r\r\n") << QByteArray("a 1|b 2");
        QTest::newRow("NUL bytes") << QByteArray("a\0b 1\n\0\0\nc", 11) << QByteArray("a b 1|c");
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "a 1")
                                         << QByteArray("a 1");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("junk bytes")
            << QByteArray("影像1 1\n\xff\x80 x") << QByteArray("影像1 1|\xff\x80 x");
        QTest::newRow("over 1023 bytes") << "ID " + x3000 + " 7\nB 1"
                                         << "ID " + x3000 + " 7|B 1";
    }

    void splitsLines()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, rows);
        QCOMPARE(Join(Read(content)), rows);
    }

    void readsRealFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shape"); // rows, fields of the first and last row, last field
        QTest::newRow("spaces") << "camera_pos_ori.txt"
                                << "4 7 7 0.720681";
        QTest::newRow("CSV with header") << "ngi_xyz_opk.csv"
                                         << "5 7 7 0.721";
        QTest::newRow("CR CR LF") << "GPS_average.txt"
                                  << "11 4 3 -119.880342319";
        QTest::newRow("CRLF") << "Geotag_DJI_2020-12-02_[07-50-31].csv"
                              << "93 5 6 170.4245683";
    }

    void readsRealFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, shape);
        Rows rows;
        QVERIFY(kvui::ReadPosRows(Narrow(kData + file), rows));
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(rows.size())
                     .arg(rows.front().size())
                     .arg(rows.back().size())
                     .arg(QString::fromStdString(rows.back().back())),
                 shape);
    }

    void longLinesAreOneRow()
    {
        QByteArray many = "IMG_1";
        for (int i = 0; i < 400000; ++i)
            many += ",1.5";
        const Rows rows = Read(QByteArray(5 << 20, 'z') + "\n" + many + "\nlast 1");
        QCOMPARE(int(rows.size()), 3);
        QCOMPARE(rows[0].size(), std::size_t(1));
        QCOMPARE(rows[0][0].size(), std::size_t(5 << 20));
        QCOMPARE(int(rows[1].size()), 400001);
        QCOMPARE(Join({rows[2]}), QByteArray("last 1"));
    }

    void binaryJunkKeepsEveryOtherByte()
    {
        QByteArray junk(1 << 20, '\0');
        QRandomGenerator random(42);
        for (char& c : junk)
            c = char(random.bounded(256));
        junk[0] = 'x'; // no byte-order mark
        std::size_t kept = 0;
        for (const auto& row : Read(junk)) {
            for (const std::string& field : row) {
                QCOMPARE(field.find_first_of(std::string("\t\n\r ,;\0", 7)), std::string::npos);
                kept += field.size();
            }
        }
        int separators = 0;
        for (char c : QByteArray("\t\n\r ,;\0", 7))
            separators += junk.count(c);
        QCOMPARE(kept, std::size_t(junk.size() - separators));
    }

    void unreadableFilesKeepRows()
    {
        Rows rows = {{"kept", "1"}};
        QVERIFY(!kvui::ReadPosRows(Narrow(m_dir.filePath("missing.txt")), rows));
        QVERIFY(!kvui::ReadPosRows(Narrow(m_dir.path()), rows)); // a folder
        QCOMPARE(Join(rows), QByteArray("kept 1"));
        QVERIFY(kvui::ReadPosRows(Write("影像 1 2\n", QStringLiteral("测试 目录/位置 文件.txt")),
                                  rows));
        QCOMPARE(Join(rows), QByteArray("影像 1 2"));
    }

    void records_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: the real CSV
        QTest::addColumn<int>("beginLine");
        QTest::addColumn<QString>("labels");
        QTest::addColumn<bool>("degrees");
        QTest::addColumn<QString>("first"); // count, then the first record: name X Y Z O P K
        const QByteArray file
            = "Name X Y Z Omega Phi Kappa\nI1 10 20 30 1 2 3\n\nI2 11 21 31 4 5 6";
        const QString all = QStringLiteral("ID X Y Z Omega Phi Kappa");
        QTest::newRow("header skipped") << file << 2 << all << true << "2 I1 10 20 30 1 2 3";
        QTest::newRow("blank line not counted")
            << file << 3 << all << false << "1 I2 11 21 31 4 5 6";
        QTest::newRow("begin line 0") << file << 0 << all << false << "3 Name 0 0 0 0 0 0";
        QTest::newRow("begin line beyond") << file << 4 << all << false << "0";
        QTest::newRow("-Phi negates")
            << QByteArray("a 1 2 3 7 9") << 1 << "ID X Y Z ? -Phi" << true << "1 a 1 2 3 0 -9 0";
        QTest::newRow("short row") << QByteArray("a 1") << 1 << all << true << "1 a 1 0 0 0 0 0";
        QTest::newRow("more fields than labels")
            << QByteArray("a 1 2 3 4") << 1 << "ID X" << true << "1 a 1 0 0 0 0 0";
        QTest::newRow("non-numeric cells")
            << QByteArray("a x1 2abc +3 0x10 -1e999") << 1 << "ID X Y Z Omega Phi" << false
            << "1 a 0 2 3 16 -inf 0";
        QTest::newRow("no ID column")
            << QByteArray("1 2 3\n4 5 6") << 1 << "X Y Z" << true << "2  1 2 3 0 0 0";
        QTest::newRow("real CSV, radians") << QByteArray() << 2 << all << false
                                           << "4 3324c_2015_1004_05_0182_RGB -55094.504 "
                                              "-3727407.037 5258.308 -0.349 0.298 -179.087";
    }

    void records()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, beginLine);
        QFETCH(QString, labels);
        QFETCH(bool, degrees);
        QFETCH(QString, first);
        Rows rows;
        if (content.isEmpty())
            QVERIFY(kvui::ReadPosRows(Narrow(kData + "ngi_xyz_opk.csv"), rows));
        else
            rows = Read(content);
        const auto records = kvui::MakePosDatas(rows, beginLine, Words(labels), degrees);
        QString seen = QString::number(records.size());
        if (!records.empty()) {
            const kvfd::EOP& e = records[0].eop;
            const double unit = degrees ? kDeg : 1.0;
            seen += ' ' + QString::fromStdString(records[0].name);
            for (double v : {e.X, e.Y, e.Z, e.Omega / unit, e.Phi / unit, e.Kappa / unit})
                seen += ' ' + QString::number(v, 'g', 12);
        }
        QCOMPARE(seen, first);
    }

    // Qt programs run with the user's LC_NUMERIC; a comma decimal point must
    // not cut "1.5" to 1.
    void numbersIgnoreTheLocale()
    {
        QTemporaryDir locales;
        QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", locales.filePath("de")});
        if (!QFileInfo::exists(locales.filePath("de/LC_NUMERIC")))
            QSKIP("localedef cannot build a comma-decimal locale here");
        qputenv("LOCPATH", locales.path().toLocal8Bit());
        const std::string old = std::setlocale(LC_NUMERIC, nullptr);
        QVERIFY(std::setlocale(LC_NUMERIC, "de"));
        const double trap = std::strtod("1.5", nullptr);
        const double plain = kvui::PosNumber("1.5");
        const double signed_ = kvui::PosNumber("+2.5");
        std::setlocale(LC_NUMERIC, old.c_str());
        qunsetenv("LOCPATH");
        QCOMPARE(trap, 1.0);
        QCOMPARE(plain, 1.5);
        QCOMPARE(signed_, 2.5);
    }

    void degreesBecomeRadians()
    {
        const auto records
            = kvui::MakePosDatas(Read("a.jpg,1.5;2.5 3.5\t10"), 1, Words("ID X Y Z Omega"), true);
        QCOMPARE(records.at(0).eop.Omega, 0.17453292519943295);
        QCOMPARE(records[0].eop.Z, 3.5);
    }

    void match_data()
    {
        QTest::addColumn<QString>("images");  // name:camera, camera -1 = removed
        QTest::addColumn<QString>("records"); // record k has X = k + 1
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("positions"); // X of each image, 0 = none
        QTest::addColumn<QString>("kept");
        QTest::newRow("without ext: case and extension")
            << "img_0001.JPG:0"
            << "IMG_0001" << int(PosMatchWithoutExt) << "1"
            << "IMG_0001";
        QTest::newRow("with ext: extension needed") << "img_0001.JPG:0"
                                                    << "IMG_0001" << int(PosMatchWithExt) << "0"
                                                    << "";
        QTest::newRow("with ext: case ignored")
            << "img_0001.JPG:0 b.jpg:0"
            << "IMG_0001.jpg B.JPG x.jpg" << int(PosMatchWithExt) << "1 2"
            << "IMG_0001.jpg B.JPG";
        QTest::newRow("order: five records, three images")
            << "x.jpg:0 y.jpg:0 z.jpg:0"
            << "a b c d e" << int(PosMatchOrder) << "1 2 3"
            << "x.jpg y.jpg z.jpg";
        QTest::newRow("order: the camera's images only") << "x.jpg:0 y.jpg:1 z.jpg:0"
                                                         << "a b c" << int(PosMatchOrder) << "1 0 2"
                                                         << "x.jpg z.jpg";
        QTest::newRow("first image wins") << "dup.jpg:0 dup.jpg:0"
                                          << "DUP.jpg" << int(PosMatchWithExt) << "1 0"
                                          << "DUP.jpg";
        QTest::newRow("earlier title beats later name")
            << "a.tif:0 a.jpg:0"
            << "a.jpg" << int(PosMatchWithoutExt) << "1 0"
            << "a.jpg";
        QTest::newRow("later record wins the image") << "a.jpg:0"
                                                     << "a.jpg A.JPG" << int(PosMatchWithExt) << "2"
                                                     << "a.jpg A.JPG";
        QTest::newRow("other camera, removed image")
            << "a.jpg:1 b.jpg:-1 c.jpg:0"
            << "a.jpg b.jpg c.jpg" << int(PosMatchWithoutExt) << "0 0 3"
            << "c.jpg";
        QTest::newRow("only ASCII letters fold") << "影像Ä.jpg:0"
                                                 << "影像ä.jpg" << int(PosMatchWithoutExt) << "0"
                                                 << "";
    }

    void match()
    {
        QFETCH(QString, images);
        QFETCH(QString, records);
        QFETCH(int, type);
        QFETCH(QString, positions);
        QFETCH(QString, kept);
        kvfd::ImageInfoSet set;
        for (const QString& image : Words(images)) {
            const int camera = image.section(':', 1).toInt();
            const std::string folder = "/f" + std::to_string(set.Size());
            const int i = set.AddImage(image.section(':', 0, 0).toStdString(), folder, {},
                                       std::max(camera, 0), false);
            if (camera < 0)
                set.RemoveImage(i);
        }
        std::vector<PosData> list;
        for (const QString& name : Words(records))
            list.push_back({name.toStdString(), {double(list.size() + 1), 0, 0, 0, 0, 0}});
        kvui::MatchPosRecords(list, PosMatchType(type), set, 0);
        QStringList seen;
        for (int i = 0; i < set.Size(); ++i) {
            const kvfd::ImageInfo* image = static_cast<const kvfd::ImageInfoSet&>(set).GetImage(i);
            seen << QString::number(image ? image->GetEOP().X : 0);
            if (image)
                QCOMPARE(set.GetImageExt(i)->enabled, image->GetEOP().X != 0);
        }
        QCOMPARE(seen.join(' '), positions);
        QStringList names;
        for (const PosData& record : list)
            names << QString::fromStdString(record.name);
        QCOMPARE(names.join(' '), kept);
    }

    // Random names that collide often, against the walk over the images.
    void matchesLikeTheWalk()
    {
        const char* const stems[] = {"a", "A", "b", "a.b", "IMG_1", "img_1", "dir/a", ""};
        const char* const exts[] = {"", ".jpg", ".JPG", ".tif", ".b"};
        QRandomGenerator random(7);
        auto name = [&] { return std::string(stems[random.bounded(8)]) + exts[random.bounded(5)]; };
        kvfd::ImageInfoSet images;
        for (int i = 0; i < 300; ++i) {
            images.AddImage(name(), "/f", {}, int(random.bounded(2)), false);
            if (random.bounded(10) == 0)
                images.RemoveImage(i);
        }
        std::vector<PosData> records;
        for (int k = 1; k <= 400; ++k)
            records.push_back({name(), {double(k), 0, 0, 0, 0, 0}});
        for (int type = 0; type < 3; ++type) {
            std::vector<PosData> fast = records;
            kvfd::ImageInfoSet fastImages = images;
            kvfd::ImageInfoSet walkImages = images;
            kvui::MatchPosRecords(fast, PosMatchType(type), fastImages, 0);
            const std::vector<PosData> walk = WalkMatch(records, type, walkImages);
            QCOMPARE(fast.size(), walk.size());
            for (std::size_t k = 0; k < walk.size(); ++k)
                QCOMPARE(fast[k].eop.X, walk[k].eop.X);
            for (int i = 0; i < images.Size(); ++i) {
                const auto* a = static_cast<const kvfd::ImageInfoSet&>(fastImages).GetImage(i);
                const auto* b = static_cast<const kvfd::ImageInfoSet&>(walkImages).GetImage(i);
                QCOMPARE(a ? a->GetEOP().X : -1, b ? b->GetEOP().X : -1);
            }
        }
    }

    void coordinate_data()
    {
        QTest::addColumn<QList<double>>("positions"); // x, y pairs
        QTest::addColumn<bool>("latLong");
        QTest::addColumn<QString>("name");
        const QString local = QStringLiteral("本地坐标系");
        QTest::newRow("mean position")
            << QList<double> {113.0, 30.0, 115.6, 31.0} << true << "UTM zone 50N";
        QTest::newRow("mean latitude south")
            << QList<double> {114.3, 0.3, 114.3, -0.5} << true << "UTM zone 50S";
        QTest::newRow("west") << QList<double> {-91.99, 46.8} << true << "UTM zone 15N";
        QTest::newRow("below -180") << QList<double> {-200.0, 10.0} << true << "UTM zone 1N";
        QTest::newRow("far east") << QList<double> {1e300, 10.0} << true << "UTM zone 60N";
        QTest::newRow("projected import") << QList<double> {500000.0, 3400000.0} << false << local;
        QTest::newRow("no records") << QList<double>() << true << local;
        QTest::newRow("not a number") << QList<double> {std::nan(""), 30.0} << true << local;
    }

    void coordinate()
    {
        QFETCH(QList<double>, positions);
        QFETCH(bool, latLong);
        QFETCH(QString, name);
        std::vector<PosData> records;
        for (int i = 0; i + 1 < positions.size(); i += 2)
            records.push_back({"", {positions[i], positions[i + 1], 0, 0, 0, 0}});
        const kvfd::CoordinateInfo chosen = kvui::ChooseCoordinate(records, latLong);
        QCOMPARE(QString::fromStdString(chosen.name), name);
        const bool local = chosen.type == kvfd::CT_LOCAL;
        QCOMPARE(chosen.id == -1, local);
        QCOMPARE(local, name.startsWith(QStringLiteral("本地")));
        if (!local && positions.size() == 2)
            QCOMPARE(kvui::UtmZoneName(positions[0], positions[1]), chosen.name);
    }
};

QTEST_GUILESS_MAIN(TestPosFile)
#include "tst_posfile.moc"
