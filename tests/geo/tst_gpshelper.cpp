#include "kvgps/gpshelper.h"

#include <QtTest>
#include <cmath>

using kvgps::GPSHelper;

namespace {

constexpr double kA = 6378137.0;
constexpr double kB = 6356752.314245179;   // a (1 - f)
constexpr double kMmDeg = 1e-3 / 111320.0; // about a millimetre of latitude

double Distance(const double* p, const double* q)
{
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

} // namespace

class TestGPSHelper : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void exactPoints();
    void rinexHeaderPositions_data();
    void rinexHeaderPositions();
    void nearCentre();
};

void TestGPSHelper::roundTrip_data()
{
    QTest::addColumn<double>("lon");
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("height");

    QTest::newRow("equator") << 0.0 << 0.0 << 0.0;
    QTest::newRow("equator 180, -100 m") << 180.0 << 0.0 << -100.0;
    QTest::newRow("north pole") << 0.0 << 90.0 << 0.0;
    QTest::newRow("south pole, 10 km") << 0.0 << -90.0 << 10000.0;
    QTest::newRow("near the north pole") << 45.0 << 89.9999 << 500.0;
    QTest::newRow("Sydney, -100 m") << 151.130 << -33.784 << -100.0;
    QTest::newRow("Yokohama, 10 km") << 139.614 << 35.161 << 10000.0;
    QTest::newRow("west, south") << -60.25 << -75.5 << 3000.0;
}

// Geodetic to earth-centred and back within a millimetre, and the recovered
// position maps onto the same earth-centred point.
void TestGPSHelper::roundTrip()
{
    QFETCH(double, lon);
    QFETCH(double, lat);
    QFETCH(double, height);

    const double llh[3] = {lon, lat, height};
    double xyz[3] = {}, back[3] = {}, again[3] = {};
    GPSHelper::LL2ECEF(llh, xyz);
    GPSHelper::ECEF2LL(xyz, back);
    GPSHelper::LL2ECEF(back, again);

    QVERIFY2(std::fabs(back[1] - lat) < kMmDeg, qPrintable(QString::number(back[1], 'f', 12)));
    QVERIFY2(std::fabs(back[2] - height) < 1e-3, qPrintable(QString::number(back[2], 'f', 6)));
    if (std::fabs(lat) < 90.0) // the longitude of a pole is arbitrary
        QVERIFY(std::fabs(std::remainder(back[0] - lon, 360.0)) * std::cos(lat * M_PI / 180)
                < kMmDeg);
    QVERIFY(Distance(xyz, again) < 1e-3);
}

// Points whose geodetic coordinates follow from the ellipsoid alone.
void TestGPSHelper::exactPoints()
{
    const double points[][6] = {
        {0.0, kA + 250.0, 0.0, 90.0, 0.0, 250.0},    // equator, 90 E
        {0.0, -kA, 0.0, -90.0, 0.0, 0.0},            // equator, 90 W
        {0.0, 0.0, kB + 1000.0, 0.0, 90.0, 1000.0},  // north pole
        {0.0, 0.0, -kB + 100.0, 0.0, -90.0, -100.0}, // south pole
    };
    for (const auto& p : points) {
        double llh[3] = {}, xyz[3] = {};
        GPSHelper::ECEF2LL(p, llh);
        QVERIFY2(std::fabs(llh[0] - p[3]) < 1e-12 && std::fabs(llh[1] - p[4]) < 1e-12
                     && std::fabs(llh[2] - p[5]) < 1e-6,
                 qPrintable(QString("%1 %2 %3").arg(llh[0]).arg(llh[1]).arg(llh[2], 0, 'f', 9)));
        GPSHelper::LL2ECEF(p + 3, xyz);
        QVERIFY(Distance(p, xyz) < 1e-6);
    }
}

void TestGPSHelper::rinexHeaderPositions_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("roundLon"); // as given with the file, 3 decimals
    QTest::addColumn<double>("roundLat");
    QTest::addColumn<double>("lon"); // cs2cs EPSG:4978 EPSG:4979
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("height");

    QTest::newRow("GSI 0759") << -3976219.5082 << 3382372.5671 << 3652512.9849 << 139.614 << 35.161
                              << 139.6138372528 << 35.1608750388 << 70.1534602977;
    QTest::newRow("Sydney") << -4647137.5830 << 2562189.6255 << -3526626.7006 << 151.130 << -33.784
                            << 151.1299463844 << -33.7842722775 << 77.3286659503;
}

// APPROX POSITION XYZ of real RINEX headers.
void TestGPSHelper::rinexHeaderPositions()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    QFETCH(double, roundLon);
    QFETCH(double, roundLat);
    QFETCH(double, lon);
    QFETCH(double, lat);
    QFETCH(double, height);

    const double xyz[3] = {x, y, z};
    double llh[3] = {};
    GPSHelper::ECEF2LL(xyz, llh);

    QVERIFY(std::fabs(llh[0] - roundLon) <= 0.0005 && std::fabs(llh[1] - roundLat) <= 0.0005);
    QVERIFY2(std::fabs(llh[0] - lon) < 1e-9, qPrintable(QString::number(llh[0], 'f', 12)));
    QVERIFY2(std::fabs(llh[1] - lat) < 1e-9, qPrintable(QString::number(llh[1], 'f', 12)));
    QVERIFY2(std::fabs(llh[2] - height) < 1e-4, qPrintable(QString::number(llh[2], 'f', 6)));
}

// Within the 43 km around the centre the result still maps back onto the point.
void TestGPSHelper::nearCentre()
{
    const double xyz[3] = {12000.0, -15000.0, -20000.0};
    double llh[3] = {}, back[3] = {};
    GPSHelper::ECEF2LL(xyz, llh);
    GPSHelper::LL2ECEF(llh, back);
    QVERIFY2(Distance(xyz, back) < 1e-3, qPrintable(QString::number(Distance(xyz, back))));

    const double centre[3] = {0.0, 0.0, 0.0};
    GPSHelper::ECEF2LL(centre, llh);
    QCOMPARE(llh[1], 0.0);
    QVERIFY(std::fabs(llh[2] + kB) < 1e-6);
}

QTEST_GUILESS_MAIN(TestGPSHelper)
#include "tst_gpshelper.moc"
