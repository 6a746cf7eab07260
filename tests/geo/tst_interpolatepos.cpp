// kvgps::InterpolatePOS: camera events of real RINEX 2 and 3 files (events
// inserted between their real records), a straight-line trajectory, the
// lever-arm offset in its three frames, and damaged input of every kind.

#include "kvgps/interpolatepos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

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
                         : QStringLiteral("2010/03/05 00:%1:%2")
                               .arg(t / 60, 2, 10, QLatin1Char('0'))
                               .arg(t % 60, 2, 10, QLatin1Char('0'))
                               .toLatin1();
        text += QStringLiteral(", %1 %2\t%3")
                    .arg(kLat + k * 1e-4, 0, 'f', 6)
                    .arg(kLon)
                    .arg(500 + 10 * k)
                    .toLatin1();
        text += attitude ? " 0 0 90\n" : "\n";
    }
    return text;
}

} // namespace

class TestInterpolatePos : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void interpolates_data();
    void interpolates();
    void refuses_data();
    void refuses();

private:
    QString Write(const QString& name, const QByteArray& data) const;
    bool Run(const QString& rinex, const QString& trajectory, const QString& ba, const QString& out,
             double x = 0.0, double y = 0.0, double z = 0.0) const;

    QTemporaryDir m_temp;
    QString m_dir;
};

void TestInterpolatePos::initTestCase()
{
    QVERIFY(m_temp.isValid());
    m_dir = m_temp.filePath(QStringLiteral("测试 目录"));
    QVERIFY(QDir().mkpath(m_dir));
}

QString TestInterpolatePos::Write(const QString& name, const QByteArray& data) const
{
    const QString path = m_dir + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

bool TestInterpolatePos::Run(const QString& rinex, const QString& trajectory, const QString& ba,
                             const QString& out, double x, double y, double z) const
{
    double offset[3] = {x, y, z};
    return kvgps::InterpolatePOS(rinex.toStdString(), trajectory.toStdString(), ba.toStdString(),
                                 out.toStdString(), offset);
}

void TestInterpolatePos::interpolates_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("weekForm");
    QTest::addColumn<bool>("attitude");
    QTest::addColumn<QByteArray>("ba");
    QTest::addColumn<QVector<double>>("offset");
    QTest::addColumn<QVector<double>>("enu"); // expected camera shift east, north, up
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("names");

    const QString opk = "name longitude latitude height omega phi kappa";
    const QStringList numbers {"1", "2"};
    QTest::newRow("RINEX 2, dates")
        << 2 << false << false << QByteArray() << QVector<double> {0, 0, 0}
        << QVector<double> {0, 0, 0} << opk << numbers;
    QTest::newRow("RINEX 3, weeks, offset east-north-up")
        << 3 << true << false << QByteArray() << QVector<double> {1, 2, 3}
        << QVector<double> {1, 2, 3} << opk << numbers;
    QTest::newRow("heading 90: forward is east")
        << 2 << false << true << QByteArray() << QVector<double> {0, 1, 0}
        << QVector<double> {1, 0, 0} << "name longitude latitude height roll pitch heading"
        << numbers;
    QTest::newRow("BA kappa 90: right is north")
        << 3 << true << true
        << QByteArray(
               "Name X Y Z Omega Phi Kappa\n"
               "IMG_1.JPG 1 2 3 0 0 90\nIMG_2.JPG 1 2 3 0 0 90 # two\n\nIMG_3.JPG 1 2 3 0 0 90\n")
        << QVector<double> {1, 0, 0} << QVector<double> {0, 1, 0} << opk
        << QStringList {"IMG_1.JPG", "IMG_2.JPG"};
}

void TestInterpolatePos::interpolates()
{
    QFETCH(int, version);
    QFETCH(bool, weekForm);
    QFETCH(bool, attitude);
    QFETCH(QByteArray, ba);
    QFETCH(QVector<double>, offset);
    QFETCH(QVector<double>, enu);
    QFETCH(QString, header);
    QFETCH(QStringList, names);

    const QString out = m_dir + "/结果.txt";
    QVERIFY(Run(Write("flight.10o", RinexWithEvents(version)),
                Write("trajectory.txt", Trajectory(weekForm, attitude)),
                ba.isEmpty() ? QString() : Write("ba.txt", ba), out, offset[0], offset[1],
                offset[2]));

    const QStringList lines = QString::fromUtf8(ReadAll(out)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3); // the event at 00:01:30 lies beyond the trajectory
    QCOMPARE(lines[0], header);
    const double sinLat = std::sin(kLat * M_PI / 180);
    const double meridian = kA * (1 - kE2) / std::pow(1 - kE2 * sinLat * sinLat, 1.5);
    const double normal = kA / std::sqrt(1 - kE2 * sinLat * sinLat);
    const double weights[2] = {0.5, 2.25}; // 00:00:10 and 00:00:45 in trajectory steps
    for (int i = 0; i < 2; ++i) {
        const QStringList f = lines[i + 1].split(' ');
        QCOMPARE(f.size(), 7);
        QCOMPARE(f[0], names[i]);
        const double antenna = 500 + weights[i] * 10; // radii grow with the height
        const double lon
            = kLon + enu[0] / ((normal + antenna) * std::cos(kLat * M_PI / 180)) * 180 / M_PI;
        const double lat = kLat + weights[i] * 1e-4 + enu[1] / (meridian + antenna) * 180 / M_PI;
        const double h = antenna + enu[2];
        QVERIFY2(std::fabs(f[1].toDouble() - lon) < 1e-9 && std::fabs(f[2].toDouble() - lat) < 1e-9
                     && std::fabs(f[3].toDouble() - h) < 2e-4,
                 qPrintable(lines[i + 1]));
        QCOMPARE(f[6], QString(attitude ? "90.000000" : "0.000000"));
    }
}

void TestInterpolatePos::refuses_data()
{
    QTest::addColumn<QString>("rinex"); // file contents, or "missing"
    QTest::addColumn<QByteArray>("trajectory");
    QTest::addColumn<QByteArray>("ba");
    QTest::addColumn<QString>("output"); // relative to the folder
    QTest::addColumn<double>("x");

    const QByteArray good = RinexWithEvents(2);
    const QByteArray path = Trajectory(false, false);
    const auto text = [](const QByteArray& b) { return QString::fromLatin1(b.toBase64()); };
    const QString out = "out.txt";
    QTest::newRow("missing RINEX") << "missing" << path << QByteArray() << out << 0.0;
    QTest::newRow("empty RINEX") << text("") << path << QByteArray() << out << 0.0;
    QTest::newRow("junk RINEX") << text(QByteArray(5000, '\xff')) << path << QByteArray() << out
                                << 0.0;
    QTest::newRow("no events (the real file)")
        << text(ReadAll(KVUI_SOURCE_DIR "/tests/data/rinex/demo.10o")) << path << QByteArray()
        << out << 0.0;
    QTest::newRow("cut in a record") << text(good.left(good.indexOf(" 10  3  5  0  0 30") + 200))
                                     << path << QByteArray() << out << 0.0;
    QTest::newRow("epoch line damaged")
        << text(QByteArray(good).replace(" 0 10.0000000  5", " 0 1x.0000000  5")) << path
        << QByteArray() << out << 0.0;
    QTest::newRow("GLONASS time") << text(
        QByteArray(good).replace("0.0000000    GPS", "0.0000000    GLO"))
                                  << path << QByteArray() << out << 0.0;
    // A comment line is harmless, but not one that long.
    QTest::newRow("64 KiB line") << text(good) << path + "#" + QByteArray(70000, 'x')
                                 << QByteArray() << out << 0.0;
    QTest::newRow("no trajectory epoch")
        << text(good) << QByteArray("week sow\n\x01\x02") << QByteArray() << out << 0.0;
    QTest::newRow("trajectory cut")
        << text(good) << path + "2010/03/05 00:01:20 41.0" << QByteArray() << out << 0.0;
    QTest::newRow("no overlap") << text(good)
                                << QByteArray(path).replace("2010/03/05", "2010/03/06")
                                << QByteArray() << out << 0.0;
    QTest::newRow("BA one short") << text(good) << Trajectory(false, false)
                                  << QByteArray("a 1 2 3\nb 1 2 3\n") << out << 0.0;
    QTest::newRow("output folder missing")
        << text(good) << Trajectory(false, false) << QByteArray() << "nowhere/out.txt" << 0.0;
    QTest::newRow("offset not a number")
        << text(good) << Trajectory(false, false) << QByteArray() << out << qQNaN();
}

void TestInterpolatePos::refuses()
{
    QFETCH(QString, rinex);
    QFETCH(QByteArray, trajectory);
    QFETCH(QByteArray, ba);
    QFETCH(QString, output);
    QFETCH(double, x);

    const QString rinexPath = rinex == "missing"
        ? m_dir + "/无.10o"
        : Write("bad.10o", QByteArray::fromBase64(rinex.toLatin1()));
    const QString out = m_dir + QLatin1Char('/') + output;
    QFile::remove(out);
    QVERIFY(!Run(rinexPath, Write("trajectory.txt", trajectory),
                 ba.isEmpty() ? QString() : Write("ba.txt", ba), out, x));
    QVERIFY(!QFile::exists(out));
}

QTEST_GUILESS_MAIN(TestInterpolatePos)
#include "tst_interpolatepos.moc"
