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
    void conventions_data();
    void conventions();
    void roundTrip_data();
    void roundTrip();
    void chooseImages_data();
    void chooseImages();
    void refusesAndKeepsEarlierFile();

private:
    QTemporaryDir m_dir;
};

void TestPosExport::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("kvui-test"));
    QVERIFY(m_dir.isValid());
}

// Hand-worked cases of the Chinese Phi-Omega-Kappa system: its Phi turns the
// other way round about Y, so a pure Phi changes sign; a pure Omega or Kappa
// is the same in both.
void TestPosExport::conventions_data()
{
    QTest::addColumn<double>("omega");
    QTest::addColumn<double>("phi");
    QTest::addColumn<double>("kappa");
    QTest::addColumn<double>("chinaOmega");
    QTest::addColumn<double>("chinaPhi");
    QTest::addColumn<double>("chinaKappa");
    QTest::newRow("phi only") << 0.0 << 10.0 << 0.0 << 0.0 << -10.0 << 0.0;
    QTest::newRow("omega only") << 7.0 << 0.0 << 0.0 << 7.0 << 0.0 << 0.0;
    QTest::newRow("kappa only") << 0.0 << 0.0 << -120.0 << 0.0 << 0.0 << -120.0;
}

void TestPosExport::conventions()
{
    QFETCH(double, omega);
    QFETCH(double, phi);
    QFETCH(double, kappa);
    QFETCH(double, chinaOmega);
    QFETCH(double, chinaPhi);
    QFETCH(double, chinaKappa);
    double r[9];
    PosExport::Matrix(1, omega * kRad, phi * kRad, kappa * kRad, r);
    double o, p, k;
    PosExport::Angles(0, r, o, p, k);
    QVERIFY(std::fabs(o / kRad - chinaOmega) < 1e-9);
    QVERIFY(std::fabs(p / kRad - chinaPhi) < 1e-9);
    QVERIFY(std::fabs(k / kRad - chinaKappa) < 1e-9);
    // The textbook's element a3 = -sin(Phi) cos(Omega) of the Chinese matrix.
    double china[9];
    PosExport::Matrix(0, o, p, k, china);
    QVERIFY(std::fabs(china[2] + std::sin(p) * std::cos(o)) < 1e-12);
}

void TestPosExport::roundTrip_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("coord");
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("name");
    QTest::newRow("China, projected, tab, with ext") << 0 << 0 << '\t' << 0;
    QTest::newRow("International, projected, blank, without ext") << 1 << 0 << ' ' << 1;
    QTest::newRow("China, long/lat, comma, without ext") << 0 << 1 << ',' << 1;
    QTest::newRow("International, long/lat, semicolon, with ext") << 1 << 1 << ';' << 0;
}

void TestPosExport::roundTrip()
{
    QFETCH(int, angle);
    QFETCH(int, coord);
    QFETCH(char, separator);
    QFETCH(int, name);
    PosExportJob job;
    job.images = Images();
    job.angle = angle;
    job.coord = coord;
    job.separator = separator;
    job.name = name;
    job.coordinate = Utm50();
    job.path = m_dir.filePath(QStringLiteral("导出 %1.txt")
                                  .arg(QString::fromUtf8(QTest::currentDataTag())
                                           .replace(QLatin1Char('/'), QLatin1Char('-'))));
    const PosExportResult result = PosExport::Write(job);
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(result.written, 4);

    const std::vector<PosData> read = Import(job.path);
    QCOMPARE(int(read.size()), 4);
    kvmath::GeoPrj back;
    kvfd::CoordinateInfo wgs84;
    wgs84.id = 4326;
    wgs84.definition = "EPSG:4326";
    QVERIFY(back.Create(wgs84, Utm50()));
    for (size_t i = 0; i < read.size(); ++i) {
        const PosExportImage& image = job.images[i];
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

void TestPosExport::chooseImages_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("all") << 0
                         << QStringList {"DJI_0000.JPG", "DJI_0001.JPG", "DJI_0002.JPG",
                                         "DJI_0003.JPG"};
    QTest::newRow("selected") << 1 << QStringList {"DJI_0000.JPG", "DJI_0002.JPG"};
    QTest::newRow("enabled") << 2 << QStringList {"DJI_0000.JPG", "DJI_0001.JPG", "DJI_0003.JPG"};
    QTest::newRow("selected and enabled") << 3 << QStringList {"DJI_0000.JPG"};
}

void TestPosExport::chooseImages()
{
    QFETCH(int, mask);
    QFETCH(QStringList, names);
    PosExportJob job;
    job.images = Images();
    job.images_mask = mask;
    job.path = m_dir.filePath(QStringLiteral("mask.txt"));
    QVERIFY(PosExport::Write(job).ok);
    QStringList read;
    for (const PosData& record : Import(job.path))
        read << QString::fromStdString(record.name);
    QCOMPARE(read, names);
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
