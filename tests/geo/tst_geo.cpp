#include "kvalgorithm/flightlinealgo.h"
#include "kvfd/coordinateinfo.h"
#include "kvgps/gpshelper.h"
#include "kvmath/geoprj.h"

#include <QVector>
#include <QtTest>
#include <cmath>
#include <thread>
#include <utility>
#include <vector>

using kvalgorithm::FlightLineAlgo;
using kvfd::CoordinateInfo;
using kvfd::ImageInfoSet;
using kvgps::GPSHelper;
using kvmath::GeoPrj;
using Track = std::vector<std::pair<double, double>>;
using Lines = std::vector<int>;

Q_DECLARE_METATYPE(Track)
Q_DECLARE_METATYPE(Lines)

namespace {

constexpr double kMmDeg = 1e-3 / 111320.0; // about a millimetre of latitude

CoordinateInfo ById(int id)
{
    CoordinateInfo c;
    kvfd::CoordinateInfoSet::Catalogue().GetCoordinateByID(id, c);
    return c;
}

ImageInfoSet MakeSet(const Track& track)
{
    ImageInfoSet set;
    for (std::size_t i = 0; i < track.size(); ++i) {
        kvfd::EOP eop;
        eop.X = track[i].first, eop.Y = track[i].second, eop.Z = 100.0;
        set.AddImage("IMG_" + std::to_string(i) + ".JPG", "/photos", eop, 0, true);
    }
    return set;
}

Lines Flights(const ImageInfoSet& set)
{
    Lines lines;
    for (int i = 0; i < set.Size(); ++i)
        if (set.GetImage(i))
            lines.push_back(set.GetImageExt(i)->flight);
    return lines;
}

// A serpentine of `lines` lines of 10 images 20 m apart, 40 m between lines,
// with `turns` images (0 to 2) flown outside the end of each line before the
// next. Expected: the turn images belong to the following line.
std::pair<Track, Lines> Serpentine(int lines, int turns)
{
    Track track;
    Lines expected;
    for (int line = 0; line < lines; ++line) {
        const bool east = line % 2 == 0;
        if (line > 0) {
            const double end = east ? -15.0 : 195.0, y0 = 40.0 * (line - 1);
            for (int t = 1; t <= turns; ++t) {
                track.push_back({end, y0 + 40.0 * t / (turns + 1)});
                expected.push_back(line);
            }
        }
        for (int k = 0; k < 10; ++k) {
            track.push_back({east ? 20.0 * k : 180.0 - 20.0 * k, 40.0 * line});
            expected.push_back(line);
        }
    }
    return {track, expected};
}

// Metres east and north of (lon, lat) as degrees.
Track ToDegrees(const Track& metres, double lon, double lat)
{
    Track track;
    const double perDegree = 6378137.0 * M_PI / 180.0;
    for (const auto& [e, n] : metres) {
        const double x = lon + e / (perDegree * std::cos(lat * M_PI / 180.0));
        track.push_back({x > 180.0 ? x - 360.0 : x, lat + n / perDegree});
    }
    return track;
}

} // namespace

// Geodetic conversions, projections and the grouping of photos into flight lines.
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
        QTest::newRow("north pole") << 0.0 << 90.0 << 0.0 << none;
        QTest::newRow("south pole, 10 km") << 0.0 << -90.0 << 10000.0 << none;
        // APPROX POSITION XYZ of real RINEX headers; cs2cs EPSG:4978 EPSG:4979.
        QTest::newRow("GSI 0759") << 139.6138372528 << 35.1608750388 << 70.1534602977
                                  << QVector<double> {-3976219.5082, 3382372.5671, 3652512.9849};
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

    // Transformations are searched for once per process and cloned after:
    // threads asking for one at once, with or without Prepare before, all get
    // the same transformation, and a definition the library does not know
    // stays refused every time.
    void keptTransformations()
    {
        const CoordinateInfo wgs84 = ById(4326);
        CoordinateInfo unknown = ById(32650);
        unknown.id = 999998;
        unknown.definition = "EPSG:999998";
        for (const CoordinateInfo& target : {ById(4549), ById(32651), unknown}) {
            const bool known = target.id != unknown.id;
            if (target.id == 4549)
                GeoPrj::Prepare(wgs84, target);
            std::vector<double> xs(4, 117.2), ys(4, 31.8), zs(4, 20.0);
            std::vector<int> made(4, -1);
            std::vector<std::thread> threads;
            for (std::size_t k = 0; k < xs.size(); ++k) {
                threads.emplace_back([&, k] {
                    GeoPrj prj;
                    made[k] = prj.Create(wgs84, target) && prj.Transform(xs[k], ys[k], zs[k]);
                });
            }
            for (std::thread& thread : threads)
                thread.join();
            for (std::size_t k = 0; k < xs.size(); ++k) {
                QCOMPARE(made[k], int(known));
                QVERIFY(xs[k] == xs[0] && ys[k] == ys[0]);
            }
            QCOMPARE(xs[0] != 117.2, known);
        }
    }

    void lines_data()
    {
        QTest::addColumn<Track>("track");
        QTest::addColumn<Lines>("expected");

        const auto [track, expected] = Serpentine(4, 1);
        QTest::newRow("metres") << track << expected;
        // Degrees at 75 N: without the cos(latitude) scale a turn image would look
        // like the line carried on.
        QTest::newRow("lon/lat") << ToDegrees(track, 114.3, 75.0) << expected;
        QTest::newRow("southern lon/lat across 180")
            << ToDegrees(track, 179.9995, -33.0) << expected;

        Track gap;
        Lines gapLines;
        for (int k = 0; k < 16; ++k) {
            gap.push_back({20.0 * k + (k >= 8 ? 400.0 : 0.0), 5.0 + (k % 2 ? 1.5 : -1.5)});
            gapLines.push_back(k >= 8 ? 1 : 0);
        }
        QTest::newRow("gap along one line, jitter") << gap << gapLines;
        QTest::newRow("no images") << Track() << Lines();
        // Unpositioned images follow the image before them (the first one, the first line).
        auto [unplaced, lines] = Serpentine(2, 0);
        unplaced.insert(unplaced.begin(), {0.0, 0.0});
        lines.insert(lines.begin(), 0);
        unplaced.push_back({0.0, 0.0});
        lines.push_back(1);
        QTest::newRow("images without a position") << unplaced << lines;
    }

    void lines()
    {
        QFETCH(Track, track);
        QFETCH(Lines, expected);

        ImageInfoSet images = MakeSet(track);
        for (int i = 0; i < images.Size(); ++i)
            images.GetImageExt(i)->flight = 99;
        QCOMPARE(FlightLineAlgo::CalcFlightLine(images, images), !track.empty());
        QCOMPARE(Flights(images), expected);
    }

    // Positions come from local at the same index; removed slots are skipped and keep
    // their indices; an index that local lacks uses the image's own position.
    void positionsFromLocal()
    {
        const auto [track, expected] = Serpentine(3, 1);
        const ImageInfoSet local = MakeSet(track);
        ImageInfoSet images = MakeSet(Track(track.size(), {7.0, 7.0}));
        images.RemoveImage(3);
        kvfd::EOP far; // the third line carried on by one image
        far.X = 180.0 - 20.0 * 10, far.Y = 80.0;
        images.AddImage("extra.JPG", "/photos", far, 0, true);

        QVERIFY(FlightLineAlgo::CalcFlightLine(local, images));
        Lines want = expected;
        want.erase(want.begin() + 3);
        want.push_back(2);
        QCOMPARE(Flights(images), want);
        QVERIFY(!images.GetImage(3));

        // With every image removed there is nothing to group.
        for (int i = 0; i < images.Size(); ++i)
            images.RemoveImage(i);
        QVERIFY(!FlightLineAlgo::CalcFlightLine(local, images));
    }
};

QTEST_GUILESS_MAIN(TestGeo)
#include "tst_geo.moc"
