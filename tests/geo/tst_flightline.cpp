#include "kvalgorithm/flightlinealgo.h"

#include <QtTest>
#include <cmath>
#include <utility>
#include <vector>

using kvalgorithm::FlightLineAlgo;
using kvfd::ImageInfoSet;
using Track = std::vector<std::pair<double, double>>;
using Lines = std::vector<int>;

Q_DECLARE_METATYPE(Track)
Q_DECLARE_METATYPE(Lines)

namespace {

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

class TestFlightLine : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<Track>("track");
        QTest::addColumn<Lines>("expected");

        for (int turns = 0; turns <= 2; ++turns) {
            const auto [track, expected] = Serpentine(4, turns);
            const QByteArray name = QByteArray::number(turns) + " turn image(s)";
            QTest::newRow("metres, " + name) << track << expected;
            // Degrees at 75 N: without the cos(latitude) scale a turn image would look
            // like the line carried on.
            QTest::newRow("lon/lat, " + name) << ToDegrees(track, 114.3, 75.0) << expected;
            QTest::newRow("southern lon/lat across 180, " + name)
                << ToDegrees(track, 179.9995, -33.0) << expected;
        }

        Track jitter;
        for (int k = 0; k < 12; ++k)
            jitter.push_back({500000.0 + 25.0 * k, 3300000.0 + (k % 2 ? 1.5 : -1.5)});
        QTest::newRow("one line with jitter") << jitter << Lines(12, 0);

        Track gap, repeated;
        Lines gapLines;
        for (int k = 0; k < 16; ++k) {
            gap.push_back({20.0 * k + (k >= 8 ? 400.0 : 0.0), 5.0});
            gapLines.push_back(k >= 8 ? 1 : 0);
            repeated.push_back({20.0 * (k / 2), 5.0}); // every position twice
        }
        QTest::newRow("gap along one line") << gap << gapLines;
        QTest::newRow("repeated positions") << repeated << Lines(16, 0);

        QTest::newRow("two images") << Track {{1, 1}, {50, 50}} << Lines {0, 0};
        QTest::newRow("no positions") << Track(5, {0.0, 0.0}) << Lines(5, 0);
        // Unpositioned images follow the image before them (the first one, the first line).
        auto [track, expected] = Serpentine(2, 0);
        track.insert(track.begin(), {0.0, 0.0});
        expected.insert(expected.begin(), 0);
        track.insert(track.begin() + 11, {0.0, 0.0});
        expected.insert(expected.begin() + 11, 0);
        track.push_back({0.0, 0.0});
        expected.push_back(1);
        QTest::newRow("images without a position") << track << expected;
    }

    void lines()
    {
        QFETCH(Track, track);
        QFETCH(Lines, expected);

        ImageInfoSet images = MakeSet(track);
        for (int i = 0; i < images.Size(); ++i)
            images.GetImageExt(i)->flight = 99;
        QVERIFY(FlightLineAlgo::CalcFlightLine(images, images));
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
    }

    void nothingToGroup()
    {
        ImageInfoSet empty;
        QVERIFY(!FlightLineAlgo::CalcFlightLine(empty, empty));

        ImageInfoSet removed = MakeSet({{1, 1}, {2, 2}});
        removed.GetImageExt(0)->flight = 5;
        const ImageInfoSet local = removed;
        removed.RemoveImage(0);
        removed.RemoveImage(1);
        QVERIFY(!FlightLineAlgo::CalcFlightLine(local, removed));
        QCOMPARE(removed.GetImageExt(0), nullptr);
        QCOMPARE(local.GetImageExt(0)->flight, 5);
    }
};

QTEST_GUILESS_MAIN(TestFlightLine)
#include "tst_flightline.moc"
