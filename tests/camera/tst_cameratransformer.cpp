#include "kvfd/camerainfo.h"
#include "kvfd/distortion.h"
#include "kvmath/cameratransformer.h"
#include "modalanswer.h"

#include <QtTest>
#include <cmath>
#include <limits>

using kvfd::CameraInfo;
using kvfd::ImagePoint;
using kvmath::CameraTransformer;

Q_DECLARE_METATYPE(kvfd::CameraInfo)

namespace {

// Every field set (in declaration order); the AUS coefficients, times `distortion`,
// are those of a lens that distorts by a few pixels at the corners.
CameraInfo SurveyCamera(int dtype = 1, double distortion = 1)
{
    const double d = distortion;
    return {17,         u8"X5 相机", "X5 24 mm",  6000,         4000,       23.5,
            15.6,       24.5,        23.5 / 6000, 15.6 / 4000,  3012.25,    1987.5,
            dtype,      -3.2e-9 * d, 5.7e-17 * d, -1.1e-24 * d, 2.1e-7 * d, -3.4e-7 * d,
            1.2e-5 * d, -7e-6 * d,   2e-32 * d,   -4e-40 * d,   1e-48 * d,  3};
}

bool Same(const ImagePoint& a, const ImagePoint& b)
{
    return std::fabs(a.x - b.x) < 1e-9 && std::fabs(a.y - b.y) < 1e-9;
}

// The record as text, the doubles to 12 significant digits.
QString Dump(const CameraInfo& c)
{
    QString out = QString::fromStdString(c.name + '|' + c.fullname);
    for (const int v : {c.id, c.width, c.height, c.dtype, c.mount_angle})
        out += ' ' + QString::number(v);
    for (const double v : {c.ccd_width, c.ccd_height, c.focal, c.pixel_size_x, c.pixel_size_y, c.x0,
                           c.y0, c.k1, c.k2, c.k3, c.k4, c.k5, c.k6, c.p1, c.p2, c.alpha, c.beta})
        out += ' ' + QString::number(v, 'g', 12);
    return out;
}

} // namespace

class TestCameraTransformer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void roundTrip_data()
    {
        QTest::addColumn<int>("via");
        QTest::addColumn<double>("k1Factor");
        QTest::addColumn<double>("p1Factor");
        const CameraInfo c = SurveyCamera();
        const double f = c.focal / c.pixel_size_x; // focal length in pixels
        QTest::newRow("Brown") << 3 << f * f << f;
        QTest::newRow("Inpho") << 4 << 1 / (c.pixel_size_x * c.pixel_size_x) << 1 / c.pixel_size_x;
    }

    void roundTrip()
    {
        QFETCH(int, via);
        QFETCH(double, k1Factor);
        QFETCH(double, p1Factor);
        const CameraInfo aus = SurveyCamera();
        CameraInfo middle;
        middle.dtype = via;
        QVERIFY(CameraTransformer::Transform(aus, middle));
        QCOMPARE(middle.dtype, via);
        QVERIFY(std::fabs(middle.k1 / (aus.k1 * k1Factor) - 1) < 1e-12);
        QVERIFY(std::fabs(middle.p1 / (aus.p1 * p1Factor) - 1) < 1e-12);
        QCOMPARE(middle.alpha, aus.alpha);

        // Both describe the same lens, which distorts by pixels.
        double largest = 0;
        for (const ImagePoint& p : {ImagePoint {0, 0}, ImagePoint {6000, 4000},
                                    ImagePoint {1000, 3500}, ImagePoint {5999.5, 0.5}}) {
            const ImagePoint expected = kvfd::GetDistortionValue(aus, p);
            const ImagePoint actual = kvfd::GetDistortionValue(middle, p);
            QVERIFY2(Same(actual, expected), qPrintable(QStringLiteral("%1 %2").arg(p.x).arg(p.y)));
            largest = std::max(largest, std::hypot(expected.x, expected.y));
        }
        QVERIFY(largest > 1);

        CameraInfo back;
        QVERIFY(CameraTransformer::Transform(middle, back));
        QCOMPARE(Dump(back), Dump(aus));
    }

    void offsets()
    {
        for (const int dtype : {0, 1, 2, 3, 4}) {
            const CameraInfo camera = SurveyCamera(dtype, 0);
            for (const ImagePoint& p : {ImagePoint {0, 0}, ImagePoint {6000, 4000}}) {
                const ImagePoint offset = kvfd::GetDistortionValue(camera, p);
                QVERIFY2(offset.x == 0 && offset.y == 0, qPrintable(QString::number(dtype)));
            }
        }
        // (1000, 500) px from the principal point, AUS: k1 x r^2 + p1 (r^2 + 2 x^2),
        // k1 y r^2 + 2 p1 x y.
        CameraInfo camera = SurveyCamera(1, 0);
        camera.k1 = 1e-8;
        camera.p1 = 1e-5;
        QVERIFY(Same(kvfd::GetDistortionValue(camera, {camera.x0 + 1000, camera.y0 + 500}),
                     {45, 16.25}));
    }

    void acceptance_data()
    {
        QTest::addColumn<CameraInfo>("source");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("accepted");
        // An AUS camera with a k1 only, one field changed.
        const auto with = [](auto field, auto value) {
            CameraInfo c = SurveyCamera(1, 0);
            c.k1 = 1e-9;
            c.*field = value;
            return c;
        };
        constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
        // clang-format off
    QTest::newRow("width 0")              << with(&CameraInfo::width, 0)          << 3 << false;
    QTest::newRow("focal 0")              << with(&CameraInfo::focal, 0.0)        << 3 << false;
    QTest::newRow("focal nan")            << with(&CameraInfo::focal, kNaN)       << 4 << false;
    QTest::newRow("same model, no focal") << with(&CameraInfo::focal, -1.0)       << 1 << false;
    QTest::newRow("fisheye to Brown")     << with(&CameraInfo::dtype, 6)          << 3 << false;
    QTest::newRow("unknown source 5")     << with(&CameraInfo::dtype, 5)          << 3 << false;
    QTest::newRow("none, with k1")        << with(&CameraInfo::dtype, 1)          << 0 << false;
    QTest::newRow("fisheye to fisheye")   << with(&CameraInfo::dtype, 6)          << 6 << true;
    QTest::newRow("AUS to partial")       << with(&CameraInfo::dtype, 1)          << 2 << true;
        // clang-format on
    }

    // A refused conversion leaves the target untouched; the accepted ones here copy
    // the source exactly.
    void acceptance()
    {
        QFETCH(CameraInfo, source);
        QFETCH(int, to);
        QFETCH(bool, accepted);
        CameraInfo target;
        target.dtype = to;
        target.name = "untouched";
        CameraInfo expected = accepted ? source : target;
        expected.dtype = to;
        QCOMPARE(CameraTransformer::Transform(source, target), accepted);
        QVERIFY(target == expected);
    }
};

QTEST_GUILESS_MAIN(TestCameraTransformer)
#include "tst_cameratransformer.moc"
