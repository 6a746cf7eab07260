#include "imagery/posfile.h"
#include "imagery/posmatch.h"
#include "imagerytest.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>

using Rows = std::vector<std::vector<std::string>>;

namespace {

const QString kData = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/pos/");
constexpr double kDeg = 0.017453292519943295;

// '|' between rows, ' ' between fields.
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

QStringList Words(const QString& text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The most memory the process has held so far, in MiB.
long PeakMiB()
{
    rusage usage = {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// head, zeros up to size (taking no room on disk), then tail.
bool WriteSparse(const QString& path, const QByteArray& head, qint64 size, const QByteArray& tail)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(head) == head.size()
        && file.resize(size) && file.seek(size) && file.write(tail) == tail.size();
}

// X of each image (0: none; "!" when its enabled flag disagrees), then the
// names of the kept records.
QString Outcome(const kvfd::ImageInfoSet& set, const std::vector<PosData>& kept)
{
    QStringList seen, names;
    for (int i = 0; i < set.Size(); ++i) {
        const double x = set.GetImage(i) ? set.GetImage(i)->GetEOP().X : 0;
        const bool wrong = set.GetImage(i) && set.GetImageExt(i)->enabled != (x != 0);
        seen << QString::number(x) + (wrong ? "!" : "");
    }
    for (const PosData& record : kept)
        names << QString::fromStdString(record.name);
    return seen.join(' ') + " / " + names.join(' ');
}

} // namespace

class TestPosFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    std::string Write(const QByteArray& content, const QString& name = QStringLiteral("pos.txt"))
    {
        if (!imagerytest::WriteFile(m_dir.filePath(name), content))
            qFatal("cannot write %s", qPrintable(name));
        return m_dir.filePath(name).toLocal8Bit().toStdString();
    }

    Rows Read(const QByteArray& content)
    {
        Rows rows;
        return kvui::ReadPosRows(Write(content), rows) ? rows : Rows {{"unreadable"}};
    }

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_dir.isValid());
    }

    // A large file is read in pieces, never held whole: a quarter of a GiB of
    // NUL separators between two rows leaves the peak memory where it was.
    // What is not a regular file, or is too large, is refused at once and
    // keeps the rows of the earlier load: a FIFO without a writer does not
    // block, /dev/zero does not fill the memory.
    void largeAndOddFiles_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"256 MiB", "FIFO", "/dev/zero", "over 1 GiB", "2^25 + 1 fields"})
            QTest::newRow(kind) << QString(kind);
    }

    void largeAndOddFiles()
    {
        QFETCH(QString, kind);
        QString path = m_dir.filePath("异常 输入.txt");
        if (kind == "256 MiB") {
            QVERIFY(WriteSparse(path, "IMG_1 1 2\n", qint64(256) << 20, "\nLAST 3 4"));
        } else if (kind == "FIFO") {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
        } else if (kind == "/dev/zero") {
            path = kind;
        } else if (kind == "over 1 GiB") {
            QVERIFY(WriteSparse(path, "IMG_1 1 2\n", qint64(1) << 30, "\n"));
        } else {
            // One field a line: the rows would take 30 times the file.
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray block = QByteArray("a\n").repeated(1 << 19);
            for (int i = 0; i < 64; ++i)
                QVERIFY(file.write(block) == block.size());
            QVERIFY(file.write("b") == 1);
        }
        const long before = PeakMiB();
        QElapsedTimer timer;
        timer.start();
        Rows rows = {{"kept", "1"}};
        const bool ok = kvui::ReadPosRows(QFile::encodeName(path).toStdString(), rows);
        const qint64 elapsed = timer.elapsed();
        const long grown = PeakMiB() - before;
        if (path != kind)
            QFile::remove(path);
        QCOMPARE(ok, kind == "256 MiB");
        QCOMPARE(Join(rows), QByteArray(ok ? "IMG_1 1 2|LAST 3 4" : "kept 1"));
        QVERIFY2(elapsed < 5000, qPrintable(QString::number(elapsed) + " ms"));
        QVERIFY2(grown < 64, qPrintable(QString::number(grown) + " MiB"));
    }

    // Fields and line ends on either side of where one piece of the file ends
    // and the next begins, with and without a byte-order mark.
    void fieldsAcrossPieces_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("mark");
        for (int delta = -2; delta <= 2; ++delta)
            QTest::addRow("1 MiB %+d", delta) << (1 << 20) + delta << (delta % 2 != 0);
    }

    void fieldsAcrossPieces()
    {
        QFETCH(int, size);
        QFETCH(bool, mark);
        // size bytes of fields, then a blank, a field, a line end and a field.
        QByteArray fields = QByteArray("abcdef,").repeated(size / 7 + 1);
        fields.truncate(size);
        fields[size - 1] = 'z'; // a field ends right at size
        const QByteArray content = (mark ? "\xEF\xBB\xBF" : "") + fields + " b\r\nc";
        QCOMPARE(Join(Read(content)), QByteArray(fields).replace(',', ' ') + " b|c");
    }

    void splitsLines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("rows");
        auto row = [](const char* name, const QByteArray& content, const QByteArray& rows) {
            QTest::newRow(name) << content << rows;
        };
        const QByteArray z(5 << 20, 'z');
        QByteArray many = "IMG_1";
        for (int i = 0; i < 400000; ++i)
            many += ",1.5";
        row("byte-order mark", QByteArray("\xEF\xBB\xBF") + "a 1", "a 1");
        row("junk bytes", "影像1 1\n\xff\x80 x", "影像1 1|\xff\x80 x");
        row("long lines are whole", z + "\n" + many + "\nlast 1",
            z + "|" + QByteArray(many).replace(',', ' ') + "|last 1");
    }

    void splitsLines()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, rows);
        QCOMPARE(Join(Read(content)), rows);
    }

    // One reader after another in the same thread, each reusing the memory of
    // rows read before: nothing of an earlier file may show through, however
    // the shapes differ, and a read that fails leaves the rows as they were.
    void readsAfterReadsAreWhole_data()
    {
        QTest::addColumn<QByteArrayList>("files"); // "-": a read that fails
        QTest::addColumn<QByteArrayList>("rows");
        QTest::newRow("fewer fields, fewer rows")
            << QByteArrayList {"a 1 2 3 4\nb 5 6 7 8\nc 9", "x 1\ny"}
            << QByteArrayList {"a 1 2 3 4|b 5 6 7 8|c 9", "x 1|y"};
        QTest::newRow("a failed read between") << QByteArrayList {"a 1\nb 2", "-", "c 3 4"}
                                               << QByteArrayList {"a 1|b 2", "a 1|b 2", "c 3 4"};
        QTest::newRow("empty file between")
            << QByteArrayList {"a 1\nb 2", "", "c"} << QByteArrayList {"a 1|b 2", "", "c"};
    }

    void readsAfterReadsAreWhole()
    {
        QFETCH(QByteArrayList, files);
        QFETCH(QByteArrayList, rows);
        Rows read;
        Rows other; // another caller's rows, read in the same thread
        for (int i = 0; i < files.size(); ++i) {
            if (files.at(i) == "-") {
                QVERIFY(!kvui::ReadPosRows(m_dir.filePath("missing.txt").toStdString(), read));
            } else {
                QVERIFY(kvui::ReadPosRows(Write(files.at(i)), read));
                QVERIFY(kvui::ReadPosRows(Write("o 1 2 3 4 5 6 7 8 9", "other.txt"), other));
            }
            QCOMPARE(Join(read), rows.at(i));
            QCOMPARE(Join(other), QByteArray("o 1 2 3 4 5 6 7 8 9"));
        }
    }

    void records_data()
    {
        QTest::addColumn<QByteArray>("content"); // "@": the real CSV
        QTest::addColumn<int>("beginLine");
        QTest::addColumn<QString>("labels");
        QTest::addColumn<bool>("degrees");
        QTest::addColumn<QString>("first"); // count, then the first record: name X Y Z O P K
        auto row = [](const char* name, const QByteArray& content, int beginLine,
                      const char* labels, bool degrees, const char* first) {
            QTest::newRow(name) << content << beginLine << QString(labels) << degrees
                                << QString(first);
        };
        const QByteArray file
            = "Name X Y Z Omega Phi Kappa\nI1 10 20 30 1 2 3\n\nI2 11 21 31 4 5 6";
        const char* all = "ID X Y Z Omega Phi Kappa";
        row("header skipped", file, 2, all, true, "2 I1 10 20 30 1 2 3");
        row("blank line not counted", file, 3, all, false, "1 I2 11 21 31 4 5 6");
        row("begin line 0", file, 0, all, false, "3 Name 0 0 0 0 0 0");
        row("-Phi negates", "a 1 2 3 7 9", 1, "ID X Y Z ? -Phi", true, "1 a 1 2 3 0 -9 0");
        row("short row", "a 1", 1, all, true, "1 a 1 0 0 0 0 0");
        row("non-numeric cells", "a x1 2abc +3 0x10 -1e999", 1, "ID X Y Z Omega Phi", false,
            "1 a 0 2 3 16 -inf 0");
        row("no ID column", "1 2 3\n4 5 6", 1, "X Y Z", true, "2  1 2 3 0 0 0");
        row("real CSV, radians", "@", 2, all, false,
            "4 3324c_2015_1004_05_0182_RGB -55094.504 -3727407.037 5258.308 -0.349 0.298 -179.087");
    }

    void records()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, beginLine);
        QFETCH(QString, labels);
        QFETCH(bool, degrees);
        QFETCH(QString, first);
        Rows rows;
        if (content == "@")
            QVERIFY(kvui::ReadPosRows((kData + "ngi_xyz_opk.csv").toStdString(), rows));
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
        const double seen[]
            = {std::strtod("1.5", nullptr), kvui::PosNumber("1.5"), kvui::PosNumber("+2.5")};
        std::setlocale(LC_NUMERIC, old.c_str());
        qunsetenv("LOCPATH");
        QCOMPARE(seen[0], 1.0); // the locale really cuts
        QCOMPARE(seen[1], 1.5);
        QCOMPARE(seen[2], 2.5);
    }

    void match_data()
    {
        QTest::addColumn<QString>("images");  // name:camera, camera -1 = removed
        QTest::addColumn<QString>("records"); // record k has X = k + 1
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("positions"); // X of each image, 0 = none
        QTest::addColumn<QString>("kept");
        auto row = [](const char* name, const char* images, const char* records, int type,
                      const char* positions, const char* kept) {
            QTest::newRow(name) << QString(images) << QString(records) << type << QString(positions)
                                << QString(kept);
        };
        const int with = PosMatchWithExt, without = PosMatchWithoutExt, order = PosMatchOrder;
        row("without ext: case, extension", "img_0001.JPG:0", "IMG_0001", without, "1", "IMG_0001");
        row("with ext: extension needed", "img_0001.JPG:0", "IMG_0001", with, "0", "");
        row("order: the camera's images only", "x.jpg:0 y.jpg:1 z.jpg:0", "a b c d", order, "1 0 2",
            "x.jpg z.jpg");
        row("first image wins", "dup.jpg:0 dup.jpg:0", "DUP.jpg", with, "1 0", "DUP.jpg");
        row("earlier title beats later name", "a.tif:0 a.jpg:0", "a.jpg", without, "1 0", "a.jpg");
        row("later record wins the image", "a.jpg:0", "a.jpg A.JPG", with, "2", "a.jpg A.JPG");
        row("other camera, removed image", "a.jpg:1 b.jpg:-1 c.jpg:0", "a.jpg b.jpg c.jpg", without,
            "0 0 3", "c.jpg");
        row("only ASCII letters fold", "影像Ä.jpg:0", "影像ä.jpg", without, "0", "");
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
            const int i
                = set.AddImage(image.section(':', 0, 0).toStdString(),
                               "/f" + std::to_string(set.Size()), {}, std::max(camera, 0), false);
            if (camera < 0)
                set.RemoveImage(i);
        }
        std::vector<PosData> list;
        for (const QString& name : Words(records))
            list.push_back({name.toStdString(), {double(list.size() + 1), 0, 0, 0, 0, 0}});
        kvui::MatchPosRecords(list, PosMatchType(type), set, 0);
        QCOMPARE(Outcome(set, list), positions + " / " + kept);
    }

    void coordinate_data()
    {
        QTest::addColumn<QList<double>>("positions"); // x, y pairs
        QTest::addColumn<bool>("latLong");
        QTest::addColumn<QString>("name");
        auto row = [](const char* name, QList<double> positions, bool latLong, const char* zone) {
            QTest::newRow(name) << positions << latLong << QString(zone ? zone : "本地坐标系");
        };
        row("mean position", {114.2, 30.0, 114.4, 31.0}, true, "UTM zone 50N");
        row("south", {114.3, 0.3, 114.3, -0.5}, true, "UTM zone 50S");
        row("far east", {1e300, 10.0}, true, "UTM zone 60N");
        row("projected", {500000.0, 3400000.0}, false, nullptr);
        row("not a number", {std::nan(""), 30.0}, true, nullptr);
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
        QCOMPARE(chosen.type == kvfd::CT_LOCAL, chosen.id == -1);
    }
};

QTEST_GUILESS_MAIN(TestPosFile)
#include "tst_posfile.moc"
