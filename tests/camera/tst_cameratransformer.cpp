#include "kvfd/camerainfo.h"
#include "kvfd/distortion.h"
#include "kvmath/cameratransformer.h"
#include "modalanswer.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

using kvfd::CameraInfo;
using kvfd::ImagePoint;
using kvmath::CameraTransformer;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A 6000 x 4000 camera on a 23.5 x 15.6 mm sensor (pixels not quite square,
// which the models ignore) with every coefficient set.
CameraInfo SurveyCamera(int dtype)
{
    CameraInfo c;
    c.id = 17;
    c.name = u8"X5 相机";
    c.fullname = u8"Varnel X5 相机 24 mm";
    c.width = 6000;
    c.height = 4000;
    c.ccd_width = 23.5;
    c.ccd_height = 15.6;
    c.focal = 24.5;
    c.pixel_size_x = c.ccd_width / c.width;
    c.pixel_size_y = c.ccd_height / c.height;
    c.x0 = 3012.25;
    c.y0 = 1987.5;
    c.dtype = dtype;
    c.k1 = -0.12;
    c.k2 = 0.08;
    c.k3 = -0.015;
    c.k4 = 0.002;
    c.k5 = -1e-4;
    c.k6 = 3e-6;
    c.p1 = 1.5e-4;
    c.p2 = -2.5e-4;
    c.alpha = 3e-5;
    c.beta = -2e-5;
    c.mount_angle = 3;
    return c;
}

// Focal length 1000 pixels, principal point (2000, 1500), no distortion.
CameraInfo ThousandPixelCamera(int dtype)
{
    CameraInfo c;
    c.width = 4000;
    c.height = 3000;
    c.focal = 4.0;
    c.pixel_size_x = c.pixel_size_y = 0.004;
    c.ccd_width = 16.0;
    c.ccd_height = 12.0;
    c.x0 = 2000.0;
    c.y0 = 1500.0;
    c.dtype = dtype;
    return c;
}

bool Near(double a, double b, double relative = 1e-9)
{
    return a == b || std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b));
}

QString Text(double v)
{
    return QString::number(v, 'g', 17);
}

double CameraInfo::*const kCoefficients[] = {
    &CameraInfo::k1, &CameraInfo::k2, &CameraInfo::k3, &CameraInfo::k4,    &CameraInfo::k5,
    &CameraInfo::k6, &CameraInfo::p1, &CameraInfo::p2, &CameraInfo::alpha, &CameraInfo::beta,
};

const char* const kCoefficientNames[]
    = {"k1", "k2", "k3", "k4", "k5", "k6", "p1", "p2", "alpha", "beta"};

// Every field but the coefficients and dtype equal, exactly.
void CompareGeometry(const CameraInfo& a, const CameraInfo& b)
{
    QCOMPARE(a.id, b.id);
    QCOMPARE(a.name, b.name);
    QCOMPARE(a.fullname, b.fullname);
    QCOMPARE(a.width, b.width);
    QCOMPARE(a.height, b.height);
    QCOMPARE(a.ccd_width, b.ccd_width);
    QCOMPARE(a.ccd_height, b.ccd_height);
    QCOMPARE(a.focal, b.focal);
    QCOMPARE(a.pixel_size_x, b.pixel_size_x);
    QCOMPARE(a.pixel_size_y, b.pixel_size_y);
    QCOMPARE(a.x0, b.x0);
    QCOMPARE(a.y0, b.y0);
    QCOMPARE(a.mount_angle, b.mount_angle);
}

CameraInfo Convert(const CameraInfo& source, int dtype, bool* ok)
{
    CameraInfo target;
    target.dtype = dtype;
    *ok = CameraTransformer::Transform(source, target);
    return target;
}

} // namespace

class TestCameraTransformer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void roundTrip_data();
    void roundTrip();
    void sameUnitAndIdentityCopyExactly_data();
    void sameUnitAndIdentityCopyExactly();
    void refused_data();
    void refused();
    void offsetsFollowTheModelConventions_data();
    void offsetsFollowTheModelConventions();
    void convertedCameraDescribesTheSameLens();
    void zeroCoefficientsGiveNoOffset_data();
    void zeroCoefficientsGiveNoOffset();
    void unusableRecordGivesNoOffset_data();
    void unusableRecordGivesNoOffset();
    void fisheyeIsEquidistant();
};

void TestCameraTransformer::roundTrip_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("via");
    QTest::newRow("AUS via Brown") << 1 << 3;
    QTest::newRow("AUS via Inpho") << 1 << 4;
    QTest::newRow("Brown via AUS") << 3 << 1;
    QTest::newRow("Brown via Inpho") << 3 << 4;
    QTest::newRow("Inpho via AUS") << 4 << 1;
    QTest::newRow("Inpho via Brown") << 4 << 3;
    QTest::newRow("partial via Inpho") << 2 << 4;
}

void TestCameraTransformer::roundTrip()
{
    QFETCH(int, from);
    QFETCH(int, via);
    const CameraInfo source = SurveyCamera(from);
    bool ok = false;
    const CameraInfo middle = Convert(source, via, &ok);
    QVERIFY(ok);
    QCOMPARE(middle.dtype, via);
    CompareGeometry(middle, source);
    // A conversion between models of different units must rescale.
    QVERIFY(!Near(middle.k1, source.k1, 1e-3));
    QCOMPARE(middle.alpha, source.alpha);

    const CameraInfo back = Convert(middle, from, &ok);
    QVERIFY(ok);
    QCOMPARE(back.dtype, from);
    CompareGeometry(back, source);
    for (std::size_t i = 0; i < std::size(kCoefficients); ++i) {
        const double expected = source.*kCoefficients[i];
        const double actual = back.*kCoefficients[i];
        QVERIFY2(Near(actual, expected),
                 qPrintable(QStringLiteral("%1: %2 instead of %3")
                                .arg(kCoefficientNames[i], Text(actual), Text(expected))));
    }
}

void TestCameraTransformer::sameUnitAndIdentityCopyExactly_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("AUS to AUS") << 1 << 1;
    QTest::newRow("Brown to Brown") << 3 << 3;
    QTest::newRow("Inpho to Inpho") << 4 << 4;
    QTest::newRow("AUS to partial") << 1 << 2;
    QTest::newRow("partial to AUS") << 2 << 1;
    QTest::newRow("fisheye to fisheye") << 6 << 6;
}

void TestCameraTransformer::sameUnitAndIdentityCopyExactly()
{
    QFETCH(int, from);
    QFETCH(int, to);
    CameraInfo expected = SurveyCamera(from);
    bool ok = false;
    const CameraInfo target = Convert(expected, to, &ok);
    QVERIFY(ok);
    expected.dtype = to;
    QVERIFY(target == expected);
}

void TestCameraTransformer::refused_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("focal");
    QTest::addColumn<double>("pixelSize");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("k1");
    const double ps = 23.5 / 6000;
    // clang-format off
    QTest::newRow("width 0")              << 0    << 4000 << 24.5 << ps   << 1 << 3 << 0.0;
    QTest::newRow("width -1")             << -1   << 4000 << 24.5 << ps   << 1 << 4 << 0.0;
    QTest::newRow("height 0")             << 6000 << 0    << 24.5 << ps   << 1 << 3 << 0.0;
    QTest::newRow("focal 0")              << 6000 << 4000 << 0.0  << ps   << 1 << 3 << 0.0;
    QTest::newRow("focal -1")             << 6000 << 4000 << -1.0 << ps   << 1 << 4 << 0.0;
    QTest::newRow("focal nan")            << 6000 << 4000 << kNaN << ps   << 1 << 3 << 0.0;
    QTest::newRow("focal inf")            << 6000 << 4000 << kInf << ps   << 1 << 3 << 0.0;
    QTest::newRow("pixel size 0")         << 6000 << 4000 << 24.5 << 0.0  << 1 << 3 << 0.0;
    QTest::newRow("pixel size -1")        << 6000 << 4000 << 24.5 << -1.0 << 1 << 4 << 0.0;
    QTest::newRow("pixel size nan")       << 6000 << 4000 << 24.5 << kNaN << 1 << 3 << 0.0;
    QTest::newRow("same model, no focal") << 6000 << 4000 << -1.0 << ps   << 1 << 1 << 0.0;
    QTest::newRow("fisheye to Brown")     << 6000 << 4000 << 24.5 << ps   << 6 << 3 << 0.0;
    QTest::newRow("AUS to fisheye")       << 6000 << 4000 << 24.5 << ps   << 1 << 6 << 0.0;
    QTest::newRow("unknown source 5")     << 6000 << 4000 << 24.5 << ps   << 5 << 3 << 0.0;
    QTest::newRow("unknown target 7")     << 6000 << 4000 << 24.5 << ps   << 1 << 7 << 0.0;
    QTest::newRow("unknown target -1")    << 6000 << 4000 << 24.5 << ps   << 1 << -1 << 0.0;
    QTest::newRow("none with a k1")       << 6000 << 4000 << 24.5 << ps   << 1 << 0 << 1e-9;
    // clang-format on
}

void TestCameraTransformer::refused()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, focal);
    QFETCH(double, pixelSize);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, k1);
    CameraInfo source = SurveyCamera(from);
    source.width = width;
    source.height = height;
    source.focal = focal;
    source.pixel_size_x = pixelSize;
    source.k1 = k1;
    source.k2 = source.k3 = source.k4 = source.k5 = source.k6 = 0.0;
    source.p1 = source.p2 = source.alpha = source.beta = 0.0;

    CameraInfo target;
    target.dtype = to;
    target.name = "untouched";
    const CameraInfo before = target;
    QVERIFY(!CameraTransformer::Transform(source, target));
    QVERIFY(target == before);
}

void TestCameraTransformer::offsetsFollowTheModelConventions_data()
{
    QTest::addColumn<int>("dtype");
    QTest::addColumn<QString>("coefficient");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    // Focal length 1000 px (4 mm at 4 um), principal point (2000, 1500).
    // AUS in pixels: at (1000, 0) from the principal point k1 = 1e-8 gives
    // 1000 * 1e-8 * 1000^2 = 10 px.
    // clang-format off
    QTest::newRow("AUS k1")        << 1 << "k1"    << 1e-8  << 3000.0 << 1500.0 << 10.0  << 0.0;
    QTest::newRow("partial k1")    << 2 << "k1"    << 1e-8  << 3000.0 << 1500.0 << 10.0  << 0.0;
    QTest::newRow("AUS k2")        << 1 << "k2"    << 1e-14 << 2000.0 << 2500.0 << 0.0   << 10.0;
    // r^2 = 1000^2 + 500^2: dx = p1 (r^2 + 2 x^2), dy = 2 p1 x y.
    QTest::newRow("AUS p1")        << 1 << "p1"    << 1e-5  << 3000.0 << 2000.0 << 32.5  << 10.0;
    QTest::newRow("AUS p2")        << 1 << "p2"    << 1e-5  << 3000.0 << 2000.0 << 10.0  << 17.5;
    QTest::newRow("AUS alpha")     << 1 << "alpha" << 1e-3  << 3000.0 << 2000.0 << 1.0   << 0.0;
    QTest::newRow("AUS beta")      << 1 << "beta"  << 2e-3  << 3000.0 << 2000.0 << 1.0   << 0.0;
    // Brown: 500 px is 0.5 focal lengths; 0.5 * 0.1 * 0.25 = 0.0125 focal lengths.
    QTest::newRow("Brown k1")      << 3 << "k1"    << 0.1   << 2500.0 << 1500.0 << 12.5  << 0.0;
    QTest::newRow("Brown k4")      << 3 << "k4"    << 1.0   << 2500.0 << 1500.0 << 1.953125 << 0.0;
    QTest::newRow("Brown p1")      << 3 << "p1"    << 0.01  << 2500.0 << 2000.0 << 10.0  << 5.0;
    QTest::newRow("Brown alpha")   << 3 << "alpha" << 1e-3  << 3000.0 << 2000.0 << 1.0   << 0.0;
    // Inpho: 500 px is 2 mm; 2 * 0.01 * 4 = 0.08 mm = 20 px.
    QTest::newRow("Inpho k1")      << 4 << "k1"    << 0.01  << 2500.0 << 1500.0 << 20.0  << 0.0;
    QTest::newRow("Inpho p2")      << 4 << "p2"    << 0.001 << 2000.0 << 2000.0 << 0.0   << 3.0;
    // clang-format on
}

void TestCameraTransformer::offsetsFollowTheModelConventions()
{
    QFETCH(int, dtype);
    QFETCH(QString, coefficient);
    QFETCH(double, value);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, dx);
    QFETCH(double, dy);
    CameraInfo camera = ThousandPixelCamera(dtype);
    for (std::size_t i = 0; i < std::size(kCoefficients); ++i) {
        if (coefficient == QLatin1String(kCoefficientNames[i]))
            camera.*kCoefficients[i] = value;
    }
    const ImagePoint offset = kvfd::GetDistortionValue(camera, {x, y});
    QVERIFY2(std::fabs(offset.x - dx) < 1e-9, qPrintable(Text(offset.x)));
    QVERIFY2(std::fabs(offset.y - dy) < 1e-9, qPrintable(Text(offset.y)));
}

void TestCameraTransformer::convertedCameraDescribesTheSameLens()
{
    // A lens with every AUS term of a plausible size, a few pixels at the corners.
    CameraInfo aus = SurveyCamera(1);
    aus.k1 = -3.2e-9;
    aus.k2 = 5.7e-17;
    aus.k3 = -1.1e-24;
    aus.k4 = 2e-32;
    aus.k5 = -4e-40;
    aus.k6 = 1e-48;
    aus.p1 = 2.1e-7;
    aus.p2 = -3.4e-7;
    aus.alpha = 1.2e-5;
    aus.beta = -7e-6;

    bool ok = false;
    const CameraInfo brown = Convert(aus, 3, &ok);
    QVERIFY(ok);
    const CameraInfo inpho = Convert(brown, 4, &ok);
    QVERIFY(ok);
    const CameraInfo partial = Convert(inpho, 2, &ok);
    QVERIFY(ok);

    // The coefficients the optical properties and Inpho files show.
    const double f = aus.focal / aus.pixel_size_x;
    QVERIFY(Near(brown.k1, aus.k1 * f * f));
    QVERIFY(Near(brown.p2, aus.p2 * f));
    QVERIFY(Near(inpho.k1, aus.k1 / (aus.pixel_size_x * aus.pixel_size_x)));
    QVERIFY(Near(inpho.p1, aus.p1 / aus.pixel_size_x));

    const ImagePoint points[] = {{0.0, 0.0},       {6000.0, 4000.0}, {3012.25, 1987.5},
                                 {1000.0, 3500.0}, {5999.5, 0.5},    {0.0, 4000.0}};
    double largest = 0.0;
    for (const ImagePoint& p : points) {
        const ImagePoint expected = kvfd::GetDistortionValue(aus, p);
        largest = std::max(largest, std::hypot(expected.x, expected.y));
        for (const CameraInfo* camera : {&brown, &inpho, &partial}) {
            const ImagePoint actual = kvfd::GetDistortionValue(*camera, p);
            const QString where
                = QStringLiteral("dtype %1 at (%2, %3): (%4, %5) instead of (%6, %7)")
                      .arg(camera->dtype)
                      .arg(p.x)
                      .arg(p.y)
                      .arg(Text(actual.x), Text(actual.y), Text(expected.x), Text(expected.y));
            QVERIFY2(std::fabs(actual.x - expected.x) < 1e-9, qPrintable(where));
            QVERIFY2(std::fabs(actual.y - expected.y) < 1e-9, qPrintable(where));
        }
    }
    // The agreement above means something only if the lens distorts.
    QVERIFY(largest > 1.0);
}

void TestCameraTransformer::zeroCoefficientsGiveNoOffset_data()
{
    QTest::addColumn<int>("dtype");
    QTest::newRow("none") << 0;
    QTest::newRow("AUS") << 1;
    QTest::newRow("partial") << 2;
    QTest::newRow("Brown") << 3;
    QTest::newRow("Inpho") << 4;
}

void TestCameraTransformer::zeroCoefficientsGiveNoOffset()
{
    QFETCH(int, dtype);
    const CameraInfo camera = ThousandPixelCamera(dtype);
    for (const ImagePoint& p :
         {ImagePoint {0, 0}, ImagePoint {4000, 3000}, ImagePoint {123, 2900}}) {
        const ImagePoint offset = kvfd::GetDistortionValue(camera, p);
        QCOMPARE(offset.x, 0.0);
        QCOMPARE(offset.y, 0.0);
    }
}

void TestCameraTransformer::unusableRecordGivesNoOffset_data()
{
    QTest::addColumn<int>("dtype");
    QTest::addColumn<double>("focal");
    QTest::addColumn<double>("pixelSize");
    QTest::newRow("default focal") << 1 << -1.0 << 0.004;
    QTest::newRow("focal 0") << 3 << 0.0 << 0.004;
    QTest::newRow("focal nan") << 4 << kNaN << 0.004;
    QTest::newRow("default pixel size") << 1 << 4.0 << -1.0;
    QTest::newRow("pixel size 0") << 3 << 4.0 << 0.0;
    QTest::newRow("pixel size inf") << 4 << 4.0 << kInf;
    QTest::newRow("fisheye, pixel size 0") << 6 << 4.0 << 0.0;
    QTest::newRow("unknown model 5") << 5 << 4.0 << 0.004;
    QTest::newRow("unknown model -1") << -1 << 4.0 << 0.004;
}

void TestCameraTransformer::unusableRecordGivesNoOffset()
{
    QFETCH(int, dtype);
    QFETCH(double, focal);
    QFETCH(double, pixelSize);
    CameraInfo camera = ThousandPixelCamera(dtype);
    camera.focal = focal;
    camera.pixel_size_x = pixelSize;
    camera.k1 = 0.1;
    camera.p1 = 0.01;
    const ImagePoint offset = kvfd::GetDistortionValue(camera, {3500.0, 2500.0});
    QCOMPARE(offset.x, 0.0);
    QCOMPARE(offset.y, 0.0);
}

void TestCameraTransformer::fisheyeIsEquidistant()
{
    // One focal length off axis the ray is at 45 degrees: an equidistant lens
    // puts it at pi/4 focal lengths instead of 1.
    CameraInfo camera = ThousandPixelCamera(6);
    const double quarter = std::atan(1.0);
    ImagePoint offset = kvfd::GetDistortionValue(camera, {3000.0, 1500.0});
    QVERIFY(std::fabs(offset.x - 1000.0 * (quarter - 1.0)) < 1e-9);
    QCOMPARE(offset.y, 0.0);

    offset = kvfd::GetDistortionValue(camera, {2000.0, 1500.0});
    QCOMPARE(offset.x, 0.0);
    QCOMPARE(offset.y, 0.0);

    camera.k1 = 0.1;
    offset = kvfd::GetDistortionValue(camera, {2000.0, 500.0});
    const double distorted = quarter * (1.0 + 0.1 * quarter * quarter);
    QCOMPARE(offset.x, 0.0);
    QVERIFY(std::fabs(offset.y + 1000.0 * (distorted - 1.0)) < 1e-9);
}

QTEST_GUILESS_MAIN(TestCameraTransformer)
#include "tst_cameratransformer.moc"
