#include "framework/kvshared.h"
#include "host/posexport.h"
#include "imagery/posfile.h"
#include "kvmath/geoprj.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

constexpr double kRad = M_PI / 180.0;

kvfd::CoordinateInfo Utm50()
{
    kvfd::CoordinateInfo utm;
    utm.type = kvfd::CT_WGS84_UTM;
    utm.id = 32650;
    utm.definition = "EPSG:32650";
    return utm;
}

std::vector<PosExportImage> Images()
{
    // Angles across the range, one near the gimbal lock of each convention.
    const double angles[][3] = {{2, -3, 45}, {-10, 5, -170}, {0, 89.5, 30}, {-60, 20, 179.9}};
    std::vector<PosExportImage> images;
    for (int i = 0; i < 4; ++i) {
        PosExportImage image;
        image.name = QStringLiteral("DJI_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
        image.eop = {400000.0 + 12.3456 * i, 3500000.0 - 7.5 * i, 120.0 + i,
                     angles[i][0] * kRad,    angles[i][1] * kRad, angles[i][2] * kRad};
        image.selected = i % 2 == 0;
        image.enabled = i != 2;
        images.push_back(image);
    }
    return images;
}

// Reads a file back as the POS import does: begin line 2, degrees.
std::vector<PosData> Import(const QString& path)
{
    std::vector<std::vector<std::string>> rows;
    if (!kvui::ReadPosRows(QString2String(path), rows))
        return {};
    const QStringList labels {
        QStringLiteral("ID"),    QStringLiteral("X"),   QStringLiteral("Y"),    QStringLiteral("Z"),
        QStringLiteral("Omega"), QStringLiteral("Phi"), QStringLiteral("Kappa")};
    return kvui::MakePosDatas(rows, 2, labels, true);
}

bool SameMatrix(const double* a, const double* b, double tolerance)
{
    for (int i = 0; i < 9; ++i)
        if (std::fabs(a[i] - b[i]) > tolerance)
            return false;
    return true;
}

} // namespace

class TestPosExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void conventions();
    void roundTrip_data();
    void roundTrip();
    void refusesAndKeepsEarlierFile();

private:
    QTemporaryDir m_dir;
};

void TestPosExport::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("kvui-test"));
    QVERIFY(m_dir.isValid());
}

// The Chinese system turns Phi the other way round about Y: a pure Phi
// changes sign, and its matrix has the textbook's a3 = -sin(Phi) cos(Omega).
void TestPosExport::conventions()
{
    double r[9], china[9], o, p, k;
    PosExport::Matrix(1, 0.0, 10 * kRad, 0.0, r);
    PosExport::Angles(0, r, o, p, k);
    QVERIFY(std::fabs(o) < 1e-12 && std::fabs(p + 10 * kRad) < 1e-12 && std::fabs(k) < 1e-12);
    PosExport::Matrix(0, 0.3, -0.2, 1.1, china);
    QVERIFY(std::fabs(china[2] + std::sin(-0.2) * std::cos(0.3)) < 1e-12);
}

void TestPosExport::roundTrip_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("coord");
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("name");
    QTest::addColumn<int>("mask");        // 1 selected, 2 enabled, 3 both
    QTest::addColumn<QList<int>>("kept"); // the images written, in order
    QTest::newRow("China, projected, tab, with ext, all")
        << 0 << 0 << '\t' << 0 << 0 << QList<int> {0, 1, 2, 3};
    QTest::newRow("International, projected, blank, without ext, selected")
        << 1 << 0 << ' ' << 1 << 1 << QList<int> {0, 2};
    QTest::newRow("China, long/lat, comma, without ext, enabled")
        << 0 << 1 << ',' << 1 << 2 << QList<int> {0, 1, 3};
    QTest::newRow("International, long/lat, semicolon, with ext, both")
        << 1 << 1 << ';' << 0 << 3 << QList<int> {0};
}

void TestPosExport::roundTrip()
{
    QFETCH(int, angle);
    QFETCH(int, coord);
    QFETCH(char, separator);
    QFETCH(int, name);
    QFETCH(int, mask);
    QFETCH(QList<int>, kept);
    PosExportJob job;
    job.images_mask = mask;
    job.images = Images();
    job.angle = angle;
    job.coord = coord;
    job.separator = separator;
    job.name = name;
    job.coordinate = Utm50();
    job.path = m_dir.filePath(QStringLiteral("导出 %1.txt").arg(mask));
    const PosExportResult result = PosExport::Write(job);
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(result.written, kept.size());

    const std::vector<PosData> read = Import(job.path);
    QCOMPARE(int(read.size()), kept.size());
    kvmath::GeoPrj back;
    kvfd::CoordinateInfo wgs84;
    wgs84.id = 4326;
    wgs84.definition = "EPSG:4326";
    QVERIFY(back.Create(wgs84, Utm50()));
    for (size_t i = 0; i < read.size(); ++i) {
        const PosExportImage& image = job.images[size_t(kept[int(i)])];
        const QString expected = name == 0 ? image.name : image.name.left(8);
        QCOMPARE(QString::fromStdString(read[i].name), expected);
        double x = read[i].eop.X, y = read[i].eop.Y, z = read[i].eop.Z;
        if (coord == 1) {
            QVERIFY(x > 113.0 && x < 120.0 && y > 20.0 && y < 40.0); // longitude first
            QVERIFY(back.Transform(x, y, z));
        }
        QVERIFY2(std::fabs(x - image.eop.X) < 2e-3 && std::fabs(y - image.eop.Y) < 2e-3
                     && std::fabs(z - image.eop.Z) < 1e-4,
                 qPrintable(QStringLiteral("%1 %2").arg(x - image.eop.X).arg(y - image.eop.Y)));
        // Whatever the convention, the angles stand for the same rotation.
        double wrote[9], original[9];
        PosExport::Matrix(angle, read[i].eop.Omega, read[i].eop.Phi, read[i].eop.Kappa, wrote);
        PosExport::Matrix(1, image.eop.Omega, image.eop.Phi, image.eop.Kappa, original);
        QVERIFY(SameMatrix(wrote, original, 1e-9));
        if (angle == 1)
            QVERIFY(std::fabs(read[i].eop.Phi - image.eop.Phi) < 1e-9);
    }
}

void TestPosExport::refusesAndKeepsEarlierFile()
{
    const QString path = m_dir.filePath(QStringLiteral("earlier.txt"));
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("kept\n");
    earlier.close();

    PosExportJob job;
    job.images = Images();
    job.path = path;
    job.images[1].name = QStringLiteral("DJI 0001.JPG"); // the import would split it
    PosExportResult result = PosExport::Write(job);
    QVERIFY(!result.ok);
    QVERIFY(result.message.contains(QLatin1String("DJI 0001.JPG")));

    job.images = Images();
    job.coord = 1; // a local system has no longitude and latitude
    result = PosExport::Write(job);
    QVERIFY(!result.ok);
    QVERIFY(!result.message.isEmpty());

    job.coord = 0;
    job.path = m_dir.filePath(QStringLiteral("no such folder/pos.txt"));
    result = PosExport::Write(job);
    QVERIFY(!result.ok);
    QVERIFY(result.message.contains(QLatin1String("no such folder")));

    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("kept\n"));
}

QTEST_GUILESS_MAIN(TestPosExport)
#include "tst_posexport.moc"
