// Camera events inserted into real RINEX 2 and 3 files, a straight-line
// trajectory, the lever arm in its three frames, damaged input, inputs that
// are no files and outputs that must survive a failed run.

#include "kvgps/interpolatepos.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr double kA = 6378137.0;
constexpr double kE2 = 0.00669437999014;
constexpr double kLat = 41.0; // of the trajectory
constexpr double kLon = 2.0;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

// The real file with camera events at 00:00:10 (between its two epochs, with
// one comment record after it), 00:00:45 and 00:01:30, the last one beyond
// the trajectory.
QByteArray RinexWithEvents(int version)
{
    const bool v3 = version == 3;
    QByteArray data = ReadAll(
        QStringLiteral(KVUI_SOURCE_DIR "/tests/data/rinex/%1").arg(v3 ? "demo3.10o" : "demo.10o"));
    const QByteArray second = v3 ? "> 2010 03 05 00 00 30" : " 10  3  5  0  0 30";
    const auto event = [v3](const char* time, int records) {
        return QByteArray(v3 ? "> 2010 03 05 00 " : " 10  3  5  0 ") + time + "  5"
            + QByteArray::number(records).rightJustified(3, ' ') + "\n";
    };
    const QByteArray comment = QByteArray("CAMERA EXPOSURE").leftJustified(60, ' ') + "COMMENT\n";
    data.insert(data.indexOf(second), event(v3 ? "00 10.0000000" : " 0 10.0000000", 1) + comment);
    return data + event(v3 ? "00 45.0000000" : " 0 45.0000000", 0)
        + event(v3 ? "01 30.0000000" : " 1 30.0000000", 0);
}

// Four epochs 20 s apart heading north, climbing 10 m each; with attitude
// roll 0, pitch 0, heading 90.
QByteArray Trajectory(bool weekForm, bool attitude)
{
    QByteArray text = "# time lat lon h\n";
    for (int k = 0; k < 4; ++k) {
        const int t = 20 * k;
        text += weekForm ? "1573 " + QByteArray::number(432000 + t)
                         : QString::asprintf("2010/03/05 00:%02d:%02d", t / 60, t % 60).toLatin1();
        text += QString::asprintf(", %.6f %g\t%d", kLat + k * 1e-4, kLon, 500 + 10 * k).toLatin1();
        text += attitude ? " 0 0 90\n" : "\n";
    }
    return text;
}

// What a path is, with its permissions and, for a file, its content: equal
// snapshots before and after a call mean that the call left it alone.
QString Snapshot(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::lstat(name.constData(), &info) != 0)
        return QStringLiteral("missing");
    const QString mode = QString::number(info.st_mode & 07777, 8);
    if (S_ISLNK(info.st_mode))
        return "link to " + QFile::symLinkTarget(path);
    if (S_ISDIR(info.st_mode))
        return "folder " + mode;
    if (S_ISFIFO(info.st_mode))
        return "FIFO " + mode;
    return "file " + mode + " " + QString::fromUtf8(ReadAll(path));
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                  | QDir::System);
}

bool MakeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

// A file of size bytes that takes no room on disk: content, then zeros.
bool MakeSparse(const QString& path, const QByteArray& content, qint64 size)
{
    return WriteAll(path, content) && QFile::resize(path, size);
}

// "reason file", then the line or the counts where the reason has them.
QString Describe(const kvgps::InterpolateError& error)
{
    static const char* const reasons[]
        = {"NoError",    "Unreadable", "TooLarge",  "NotRinex",    "BadLine",
           "Truncated",  "TimeSystem", "NoRecords", "NoEvents",    "RecordCount",
           "NotCovered", "BadOffset",  "NoOutput",  "WriteFailed", "OutOfMemory"};
    static const char* const files[] = {"-", "RINEX", "trajectory", "BA", "output"};
    QString text = QStringLiteral("%1 %2").arg(reasons[error.reason], files[error.file]);
    if (error.reason == kvgps::InterpolateError::BadLine)
        text += QStringLiteral(" %1").arg(error.line);
    if (error.reason == kvgps::InterpolateError::RecordCount)
        text += QStringLiteral(" %1/%2").arg(error.records).arg(error.events);
    return text;
}

// The number (from 1) of the line of data that holds text.
int LineOf(const QByteArray& data, const QByteArray& text)
{
    return data.left(data.indexOf(text)).count('\n') + 1;
}

} // namespace

class TestInterpolatePos : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    QString m_dir;

    QString Write(const QString& name, const QByteArray& data) const
    {
        const QString path = m_dir + QLatin1Char('/') + name;
        if (!WriteAll(path, data))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Three inputs that give an output: RINEX, trajectory, block-adjusted POS.
    QStringList GoodInputs() const
    {
        return {Write("good.10o", RinexWithEvents(2)),
                Write("good trajectory.txt", Trajectory(false, true)),
                Write("good ba.txt", "a 1 2 3 0 0 0\nb 1 2 3 0 0 0\nc 1 2 3 0 0 0\n")};
    }

    // inputs: RINEX, trajectory and (may be empty) block-adjusted POS.
    static bool Call(const QStringList& inputs, const QString& out,
                     kvgps::InterpolateError* error = nullptr,
                     QVector<double> offset = {0.1, 0.2, 0.3})
    {
        return kvgps::InterpolatePOS(inputs[0].toStdString(), inputs[1].toStdString(),
                                     inputs[2].toStdString(), out.toStdString(), offset.data(),
                                     error);
    }

    // The trajectory and block-adjusted POS given by content.
    QStringList Inputs(const QString& rinex, const QByteArray& trajectory,
                       const QByteArray& ba) const
    {
        return {rinex, Write("trajectory.txt", trajectory),
                ba.isEmpty() ? QString() : Write("ba.txt", ba)};
    }

    // An input of the refusal table, named after the row: data "<folder>",
    // "<FIFO>" and "/dev/zero" stand for what is no file, "<oversized>..." for
    // the content after the marker, then zeros beyond the size limit of its kind.
    QString Place(const char* name, const QByteArray& data, qint64 limit) const
    {
        const QString tag = QString(QTest::currentDataTag()).replace('/', '_');
        const QString path = m_dir + QStringLiteral("/%1 %2").arg(tag, name);
        const bool made = data == "/dev/zero" || (data == "<folder>" && QDir().mkpath(path))
            || (data == "<FIFO>" && MakeFifo(path))
            || (data.startsWith("<oversized>") && MakeSparse(path, data.mid(11), limit + 1));
        return data == "/dev/zero" ? QString(data)
            : made                 ? path
                                   : Write(path.section('/', -1), data);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        m_dir = m_temp.filePath(QStringLiteral("测试 目录"));
        QVERIFY(QDir().mkpath(m_dir));
    }

    void interpolates_data()
    {
        QTest::addColumn<int>("version"); // RINEX 3 goes with GPS week and seconds
        QTest::addColumn<bool>("attitude");
        QTest::addColumn<QByteArray>("ba");
        QTest::addColumn<QVector<double>>("offset");
        QTest::addColumn<QVector<double>>("enu"); // expected camera shift east, north, up
        QTest::addColumn<bool>("padded"); // blank and comment lines across many read buffers

        using V = QVector<double>;
        const QByteArray ba = "Name X Y Z Omega Phi Kappa\nIMG_1.JPG 1 2 3 0 0 90\n"
                              "IMG_2.JPG 1 2 3 0 0 90 # two\n\nIMG_3.JPG 1 2 3 0 0 90\n";
        const QByteArray none;
        QTest::newRow("RINEX 3, weeks, offset east-north-up")
            << 3 << false << none << V {1, 2, 3} << V {1, 2, 3} << false;
        QTest::newRow("heading 90: forward is east, long files")
            << 2 << true << none << V {0, 1, 0} << V {1, 0, 0} << true;
        QTest::newRow("BA kappa 90: right is north")
            << 3 << true << ba << V {1, 0, 0} << V {0, 1, 0} << false;
    }

    void interpolates()
    {
        QFETCH(int, version);
        QFETCH(bool, attitude);
        QFETCH(QByteArray, ba);
        QFETCH(QVector<double>, offset);
        QFETCH(QVector<double>, enu);
        QFETCH(bool, padded);

        QByteArray rinex = RinexWithEvents(version),
                   trajectory = Trajectory(version == 3, attitude);
        if (padded) {
            QByteArray blanks, comments;
            for (int i = 0; i < 20000; ++i) {
                blanks += QByteArray(i % 37, ' ') + (i % 3 ? "\n" : "\r\n");
                comments += "# " + QByteArray(i % 71, 'c') + "\n";
            }
            rinex.insert(rinex.indexOf('\n', rinex.indexOf("END OF HEADER")) + 1, blanks);
            trajectory.prepend(comments);
            QVERIFY(rinex.size() > 300000);
        }
        const QString out = m_dir + "/结果.txt";
        QVERIFY(Call(Inputs(Write("flight.10o", rinex), trajectory, ba), out, nullptr, offset));

        const QStringList lines = QString::fromUtf8(ReadAll(out)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3); // the event at 00:01:30 lies beyond the trajectory
        QCOMPARE(lines[0],
                 QString("name longitude latitude height ")
                     + (attitude && ba.isEmpty() ? "roll pitch heading" : "omega phi kappa"));
        const double sinLat = std::sin(kLat * M_PI / 180);
        const double meridian = kA * (1 - kE2) / std::pow(1 - kE2 * sinLat * sinLat, 1.5);
        const double normal = kA / std::sqrt(1 - kE2 * sinLat * sinLat);
        const double weights[2] = {0.5, 2.25}; // 00:00:10 and 00:00:45 in trajectory steps
        for (int i = 0; i < 2; ++i) {
            const QStringList f = lines[i + 1].split(' ');
            QCOMPARE(f.size(), 7);
            QCOMPARE(f[0],
                     ba.isEmpty() ? QString::number(i + 1) : QString("IMG_%1.JPG").arg(i + 1));
            const double antenna = 500 + weights[i] * 10; // radii grow with the height
            const double lon
                = kLon + enu[0] / ((normal + antenna) * std::cos(kLat * M_PI / 180)) * 180 / M_PI;
            const double lat
                = kLat + weights[i] * 1e-4 + enu[1] / (meridian + antenna) * 180 / M_PI;
            QVERIFY2(std::fabs(f[1].toDouble() - lon) < 1e-9
                         && std::fabs(f[2].toDouble() - lat) < 1e-9
                         && std::fabs(f[3].toDouble() - antenna - enu[2]) < 2e-4,
                     qPrintable(lines[i + 1]));
            QCOMPARE(f[6], QString(attitude ? "90.000000" : "0.000000"));
        }
    }

    // Each refusal says which file is wrong, why, and where.
    void refuses_data()
    {
        QTest::addColumn<QByteArray>("rinex"); // null: no such file
        QTest::addColumn<QByteArray>("trajectory");
        QTest::addColumn<QByteArray>("ba");
        QTest::addColumn<QString>("output"); // in the folder
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("why");

        const QByteArray good = RinexWithEvents(2);
        const QByteArray path = Trajectory(false, false);
        const QByteArray damaged = QByteArray(good).replace(" 0 10.0000000  5", " 0 1x.0000000  5");
        const auto row = [&](const QByteArray& name, const QByteArray& rinex,
                             const QByteArray& trajectory, const QString& why,
                             const QByteArray& ba = QByteArray(), const QString& output = "out.txt",
                             double x = 0.0) {
            QTest::newRow(name.constData()) << rinex << trajectory << ba << output << x << why;
        };
        row("missing RINEX", QByteArray(), path, "Unreadable RINEX");
        row("junk RINEX", QByteArray(5000, '\xff'), path, "NotRinex RINEX");
        row("no events (the real file)", ReadAll(KVUI_SOURCE_DIR "/tests/data/rinex/demo.10o"),
            path, "NoEvents RINEX");
        row("header only", good.left(good.indexOf("END OF HEADER")), path, "Truncated RINEX");
        row("epoch line damaged", damaged, path,
            QStringLiteral("BadLine RINEX %1").arg(LineOf(damaged, " 0 1x.0000000  5")));
        // A comment line is harmless, but not one that long.
        row("64 KiB line", good, path + "#" + QByteArray(70000, 'x'), "BadLine trajectory 6");
        row("no trajectory epoch", good, QByteArray("week sow\n\x01\x02"), "NoRecords trajectory");
        row("no overlap", good, QByteArray(path).replace("2010/03/05", "2010/03/06"),
            "NotCovered trajectory");
        row("BA one short", good, path, "RecordCount BA 2/3", QByteArray("a 1 2 3\nb 1 2 3\n"));
        row("BA line damaged", good, path, "BadLine BA 3",
            QByteArray("name x y z\na 1 2 3\nb 1 x 3\nc 1 2 3\n"));
        row("output folder missing", good, path, "WriteFailed output", QByteArray(),
            "nowhere/out.txt");
        row("no output", good, path, "NoOutput output", QByteArray(), "");
        row("offset not a number", good, path, "BadOffset -", QByteArray(), "out.txt", qQNaN());
        // Numbers that are finite but no version, angle or lever arm: they
        // must neither overflow a conversion nor reach the output as "nan".
        row("offset 1e300", good, path, "BadOffset -", QByteArray(), "out.txt", 1e300);
        // Folders, pipes and devices are refused at once: a FIFO without a
        // writer must not block, a folder must not throw.
        const QByteArray ba = "a 1 2 3 0 0 0\nb 1 2 3 0 0 0\nc 1 2 3 0 0 0\n";
        for (const QByteArray kind : {"<folder>", "<FIFO>", "<oversized>"}) {
            const bool big = kind == "<oversized>";
            const QString why = big ? "TooLarge " : "Unreadable ";
            row("RINEX: " + kind, big ? kind + good : kind, path, why + "RINEX", ba);
            row("trajectory: " + kind, good, big ? kind + path : kind, why + "trajectory", ba);
            row("BA: " + kind, good, path, why + "BA", big ? kind + ba : kind);
        }
    }

    void refuses()
    {
        QFETCH(QByteArray, rinex);
        QFETCH(QByteArray, trajectory);
        QFETCH(QByteArray, ba);
        QFETCH(QString, output);
        QFETCH(double, x);
        QFETCH(QString, why);

        const QString out = output.isEmpty() ? QString() : m_dir + QLatin1Char('/') + output;
        QFile::remove(out);
        const QStringList inputs
            = {rinex.isNull() ? m_dir + "/无.10o" : Place("bad.10o", rinex, qint64(4) << 30),
               Place("trajectory.txt", trajectory, qint64(1) << 30),
               ba.isEmpty() ? QString() : Place("ba.txt", ba, qint64(1) << 30)};
        kvgps::InterpolateError error;
        error.reason = kvgps::InterpolateError::OutOfMemory; // overwritten
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!Call(inputs, out, &error, {x, 0, 0}));
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(Describe(error), why);
    }

    // A run that fails leaves what the output path held as it was, and no
    // file of its own. One that works replaces an earlier output whole, keeping
    // its permissions.
    void output_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("works");
        for (const char* kind : {"FIFO", "write fails", "input damaged"})
            QTest::newRow(kind) << QString(kind) << false;
        for (const char* kind : {"none", "file"})
            QTest::addRow("replaces %s", kind) << QString(kind) << true;
    }

    void output()
    {
        QFETCH(QString, kind);
        QFETCH(bool, works);
        QStringList inputs = GoodInputs();
        QTemporaryDir folder(m_dir + "/输出 XXXXXX");
        QVERIFY(folder.isValid());
        const QString out = folder.filePath("结果.txt");
        const QString file = out;
        if (kind == "FIFO") {
            QVERIFY(MakeFifo(out));
        } else if (kind != "none") {
            // What replaces it is shorter.
            QVERIFY(WriteAll(file, works ? QByteArray(100000, 'x') : "old output\n"));
            QVERIFY(::chmod(QFile::encodeName(file).constData(), 0640) == 0);
        }
        if (kind == "input damaged")
            inputs[1] = Write("damaged.txt", "1573 432000 41.0\n");
        const QStringList entries = Entries(folder.path());
        const QString before = Snapshot(out);

        QElapsedTimer timer;
        timer.start();
        rlimit fsize = {};
        if (kind == "write fails") {
            // A full disk: writes beyond 64 bytes (the output is several lines
            // long) fail with EFBIG instead of raising SIGXFSZ.
            std::signal(SIGXFSZ, SIG_IGN);
            QVERIFY(::getrlimit(RLIMIT_FSIZE, &fsize) == 0);
            rlimit limit = {64, fsize.rlim_max};
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
        }
        const bool ok = Call(inputs, out);
        if (kind == "write fails")
            ::setrlimit(RLIMIT_FSIZE, &fsize);
        QCOMPARE(ok, works);
        QVERIFY(timer.elapsed() < 5000);
        if (!works) {
            QCOMPARE(Snapshot(out), before);
            QCOMPARE(Entries(folder.path()), entries);
            return;
        }
        QCOMPARE(Entries(folder.path()), QStringList {"结果.txt"});
        const QStringList lines = QString::fromUtf8(ReadAll(file)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QString("name longitude latitude height omega phi kappa"));
        if (kind != "none")
            QCOMPARE(Snapshot(file).left(9), QString("file 640 "));
    }
};

QTEST_GUILESS_MAIN(TestInterpolatePos)
#include "tst_interpolatepos.moc"
