#include "kvfd/coordinateinfo.h"
#include "kvgps/gpshelper.h"
#include "kvmath/geoprj.h"

#include <QVector>
#include <QtTest>
#include <cmath>
#include <vector>

using kvfd::CoordinateInfo;
using kvgps::GPSHelper;
using kvmath::GeoPrj;

namespace {

constexpr double kMmDeg = 1e-3 / 111320.0; // about a millimetre of latitude

CoordinateInfo ById(int id)
{
    CoordinateInfo c;
    kvfd::CoordinateInfoSet::Catalogue().GetCoordinateByID(id, c);
    return c;
}

} // namespace

class TestGeo : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<double>("lon");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("height");
        QTest::addColumn<QVector<double>>("xyz"); // empty: only the round trip is checked

        const QVector<double> none;
        QTest::newRow("equator") << 0.0 << 0.0 << 0.0 << none;
        QTest::newRow("equator 180, -100 m") << 180.0 << 0.0 << -100.0 << none;
        QTest::newRow("north pole") << 0.0 << 90.0 << 0.0 << none;
        QTest::newRow("south pole, 10 km") << 0.0 << -90.0 << 10000.0 << none;
        QTest::newRow("west, south, 10 km") << -60.25 << -75.5 << 10000.0 << none;
        // APPROX POSITION XYZ of real RINEX headers; cs2cs EPSG:4978 EPSG:4979.
        QTest::newRow("GSI 0759") << 139.6138372528 << 35.1608750388 << 70.1534602977
                                  << QVector<double> {-3976219.5082, 3382372.5671, 3652512.9849};
        QTest::newRow("Sydney") << 151.1299463844 << -33.7842722775 << 77.3286659503
                                << QVector<double> {-4647137.5830, 2562189.6255, -3526626.7006};
    }

    // Geodetic to earth-centred and back within a millimetre; earth-centred
    // positions of real receivers to geodetic as the reference gives them.
    void roundTrip()
    {
        QFETCH(double, lon);
        QFETCH(double, lat);
        QFETCH(double, height);
        QFETCH(QVector<double>, xyz);

        const double llh[3] = {lon, lat, height};
        double centred[3] = {}, back[3] = {};
        GPSHelper::LL2ECEF(llh, centred);
        GPSHelper::ECEF2LL(centred, back);
        QVERIFY2(std::fabs(back[1] - lat) < kMmDeg, qPrintable(QString::number(back[1], 'f', 12)));
        QVERIFY2(std::fabs(back[2] - height) < 1e-3, qPrintable(QString::number(back[2], 'f', 6)));
        if (std::fabs(lat) < 90.0) // the longitude of a pole is arbitrary
            QVERIFY(std::fabs(std::remainder(back[0] - lon, 360.0)) * std::cos(lat * M_PI / 180)
                    < kMmDeg);
        if (xyz.isEmpty())
            return;

        GPSHelper::ECEF2LL(xyz.constData(), back);
        QVERIFY2(std::fabs(back[0] - lon) < 1e-9 && std::fabs(back[1] - lat) < 1e-9
                     && std::fabs(back[2] - height) < 1e-4,
                 qPrintable(QString("%1 %2 %3")
                                .arg(back[0], 0, 'f', 12)
                                .arg(back[1], 0, 'f', 12)
                                .arg(back[2], 0, 'f', 6)));
    }

    void project_data()
    {
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("definition"); // null: the catalogue's
        QTest::addColumn<double>("expectedX");   // cs2cs EPSG:4326 EPSG:<to> of 30.5 N 114.3 E
        QTest::addColumn<double>("expectedY");   // NaN: refused

        QTest::newRow("UTM 50N") << 32650 << QString() << 240859.735812483 << 3377291.909407075;
        QTest::newRow("CGCS2000 3-degree GK CM 117E")
            << 4548 << QString() << 240756.038226677 << 3378643.366657292;
        // A local system or an unknown code is refused, whatever the definition says.
        QTest::newRow("local") << -1 << "" << 0.0 << qQNaN();
        QTest::newRow("local with a definition") << -1 << "EPSG:32650" << 0.0 << qQNaN();
        QTest::newRow("unknown code") << 999999 << "EPSG:999999" << 0.0 << qQNaN();
    }

    // Over an earlier transformation, which a refusal drops.
    void project()
    {
        QFETCH(int, to);
        QFETCH(QString, definition);
        QFETCH(double, expectedX);
        QFETCH(double, expectedY);

        CoordinateInfo target = ById(to);
        if (!definition.isNull()) {
            target.id = to;
            target.definition = definition.toStdString();
        }
        GeoPrj prj;
        QVERIFY(prj.Create(ById(4326), ById(32650)));
        const bool refused = qIsNaN(expectedY);
        QCOMPARE(prj.Create(ById(4326), target), !refused);
        QCOMPARE(prj.IsValid(), !refused);
        double x = 114.3, y = 30.5, z = 123.5;
        QCOMPARE(prj.Transform(x, y, z), !refused);
        if (refused) {
            QVERIFY(x == 114.3 && y == 30.5);
            return;
        }
        QVERIFY2(std::fabs(x - expectedX) < 1e-3 && std::fabs(y - expectedY) < 1e-3,
                 qPrintable(QString("%1 %2").arg(x, 0, 'f', 9).arg(y, 0, 'f', 9)));
    }

    // The batch call gives what point-by-point calls give; a failing point keeps its
    // values and makes the call report false.
    void manyMatchSingle()
    {
        GeoPrj prj;
        QVERIFY(prj.Create(ById(4326), ById(4548)));
        const std::size_t n = 1000;
        std::vector<double> xs(n), ys(n), zs(n);
        for (std::size_t i = 0; i < n; ++i) {
            xs[i] = 114.0 + double(i % 40) * 0.15;
            ys[i] = 20.0 + double(i / 40) * 0.8;
            zs[i] = double(i % 7) * 100.0;
        }
        ys[77] = 95.0;
        const std::vector<double> lon = xs, lat = ys, h = zs;
        QVERIFY(!prj.TransformMany(xs, ys, zs));
        for (std::size_t i = 0; i < n; ++i) {
            double x = lon[i], y = lat[i], z = h[i];
            const bool ok = prj.Transform(x, y, z);
            if (ok != (i != 77) || x != xs[i] || y != ys[i] || z != zs[i])
                QFAIL(qPrintable(QString("point %1 differs").arg(i)));
        }
    }
};

QTEST_GUILESS_MAIN(TestGeo)
#include "tst_geo.moc"
