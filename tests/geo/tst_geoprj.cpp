#include "kvfd/coordinateinfo.h"
#include "kvmath/geoprj.h"
#include "kvmath/mathhelper.h"

#include <QtTest>
#include <cmath>
#include <utility>
#include <vector>

using kvfd::CoordinateInfo;
using kvfd::CoordinateInfoSet;
using kvmath::GeoPrj;
using kvmath::MathHelper;

namespace {

// cs2cs EPSG:4326 EPSG:<code> of 30.5 N 114.3 E, easting first.
constexpr double kUtm50[2] = {240859.735812483, 3377291.909407075};
constexpr double kGk117[2] = {240756.038226677, 3378643.366657292};

CoordinateInfo ById(int id)
{
    CoordinateInfo c;
    CoordinateInfoSet::Catalogue().GetCoordinateByID(id, c);
    return c;
}

CoordinateInfo Wgs84()
{
    return CoordinateInfoSet().GetWGS84();
}

CoordinateInfo System(int id, const char* definition)
{
    CoordinateInfo c;
    c.id = id;
    c.definition = definition;
    return c;
}

bool Near(double x, double y, const double* expected, double tolerance)
{
    return std::fabs(x - expected[0]) < tolerance && std::fabs(y - expected[1]) < tolerance;
}

} // namespace

class TestGeoPrj : public QObject
{
    Q_OBJECT

private slots:
    void angles();
    void project_data();
    void project();
    void refused_data();
    void refused();
    void failedPoint();
    void manyPointsMatchSingle();
    void moveAndRecreate();
};

void TestGeoPrj::angles()
{
    QCOMPARE(MathHelper::Rad2Deg(M_PI / 2), 90.0);
    QCOMPARE(QString::number(MathHelper::Rad2Deg(M_PI / 2), 'f', 6), QString("90.000000"));
    QCOMPARE(MathHelper::Deg2Rad(180.0), M_PI);
    QCOMPARE(MathHelper::Deg2Rad(MathHelper::Rad2Deg(0.5)), 0.5);
}

void TestGeoPrj::project_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("expectedX");
    QTest::addColumn<double>("expectedY");
    QTest::addColumn<double>("tolerance");

    QTest::newRow("UTM 50N") << 4326 << 32650 << 114.3 << 30.5 << kUtm50[0] << kUtm50[1] << 1e-3;
    QTest::newRow("CGCS2000 3-degree GK CM 117E")
        << 4326 << 4548 << 114.3 << 30.5 << kGk117[0] << kGk117[1] << 1e-3;
    QTest::newRow("UTM 56S") << 4326 << 32756 << 151.130 << -33.784 << 326861.859886977
                             << 6260221.809572687 << 1e-3;
    QTest::newRow("UTM 50N to geographic, lon/lat")
        << 32650 << 4326 << kUtm50[0] << kUtm50[1] << 114.3 << 30.5 << 1e-8;
}

void TestGeoPrj::project()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, expectedX);
    QFETCH(double, expectedY);
    QFETCH(double, tolerance);

    GeoPrj prj;
    QVERIFY(prj.Create(ById(from), ById(to)));
    QVERIFY(prj.IsValid());
    double z = 123.5;
    QVERIFY(prj.Transform(x, y, z));
    const double expected[2] = {expectedX, expectedY};
    QVERIFY2(Near(x, y, expected, tolerance),
             qPrintable(QString("%1 %2").arg(x, 0, 'f', 9).arg(y, 0, 'f', 9)));
    QCOMPARE(z, 123.5);
}

void TestGeoPrj::refused_data()
{
    QTest::addColumn<int>("fromId");
    QTest::addColumn<QString>("fromDefinition");
    QTest::addColumn<int>("toId");
    QTest::addColumn<QString>("toDefinition");

    QTest::newRow("to local") << 4326 << "EPSG:4326" << -1 << "";
    QTest::newRow("from local") << -1 << "" << 32650 << "EPSG:32650";
    QTest::newRow("local id with a definition") << 4326 << "EPSG:4326" << -1 << "EPSG:32650";
    QTest::newRow("unknown code") << 4326 << "EPSG:4326" << 999999 << "EPSG:999999";
    QTest::newRow("not a definition") << 1 << "no such system" << 4326 << "EPSG:4326";
}

// A refused Create also drops the previous transformation; nothing is changed.
void TestGeoPrj::refused()
{
    QFETCH(int, fromId);
    QFETCH(QString, fromDefinition);
    QFETCH(int, toId);
    QFETCH(QString, toDefinition);

    GeoPrj prj;
    QVERIFY(prj.Create(Wgs84(), ById(32650)));
    QVERIFY(!prj.Create(System(fromId, qPrintable(fromDefinition)),
                        System(toId, qPrintable(toDefinition))));
    QVERIFY(!prj.IsValid());
    double x = 114.3, y = 30.5, z = 1.0;
    QVERIFY(!prj.Transform(x, y, z));
    std::vector<double> xs = {x}, ys = {y}, zs = {z};
    QVERIFY(!prj.TransformMany(xs, ys, zs));
    QCOMPARE(x, 114.3);
    QCOMPARE(xs[0], 114.3);
}

void TestGeoPrj::failedPoint()
{
    GeoPrj prj;
    QVERIFY(prj.Create(Wgs84(), ById(32650)));
    double x = 114.3, y = 95.0, z = 7.0;
    QVERIFY(!prj.Transform(x, y, z));
    QCOMPARE(x, 114.3);
    QCOMPARE(y, 95.0);
    QCOMPARE(z, 7.0);
    y = 30.5; // the object still works
    QVERIFY(prj.Transform(x, y, z));
    QVERIFY(Near(x, y, kUtm50, 1e-3));

    std::vector<double> xs = {114.3}, ys = {30.5}, shortZ;
    QVERIFY(!prj.TransformMany(xs, ys, shortZ));
    QCOMPARE(xs[0], 114.3);
}

void TestGeoPrj::manyPointsMatchSingle()
{
    GeoPrj prj;
    QVERIFY(prj.Create(Wgs84(), ById(4548)));

    const std::size_t n = 100000;
    std::vector<double> xs(n), ys(n), zs(n);
    for (std::size_t i = 0; i < n; ++i) {
        xs[i] = 114.0 + double(i % 400) * 0.015;
        ys[i] = 20.0 + double(i / 400) * 0.08;
        zs[i] = double(i % 7) * 100.0;
    }
    ys[777] = 95.0; // fails, keeps its values, and the call reports false
    const std::vector<double> lon = xs, lat = ys, h = zs;

    QElapsedTimer timer;
    timer.start();
    QVERIFY(!prj.TransformMany(xs, ys, zs));
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));

    for (std::size_t i = 0; i < n; ++i) {
        double x = lon[i], y = lat[i], z = h[i];
        const bool ok = prj.Transform(x, y, z);
        if (ok != (i != 777) || x != xs[i] || y != ys[i] || z != zs[i])
            QFAIL(qPrintable(QString("point %1 differs").arg(i)));
    }
}

void TestGeoPrj::moveAndRecreate()
{
    GeoPrj first;
    QVERIFY(first.Create(Wgs84(), ById(32650)));
    GeoPrj second(std::move(first));
    QVERIFY(!first.IsValid());
    GeoPrj third;
    third = std::move(second);
    double x = 114.3, y = 30.5, z = 0.0;
    QVERIFY(third.Transform(x, y, z));
    QVERIFY(Near(x, y, kUtm50, 1e-3));

    QVERIFY(third.Create(Wgs84(), ById(4548))); // replaces the transformation
    x = 114.3;
    y = 30.5;
    QVERIFY(third.Transform(x, y, z));
    QVERIFY(Near(x, y, kGk117, 1e-3));
}

QTEST_GUILESS_MAIN(TestGeoPrj)
#include "tst_geoprj.moc"
