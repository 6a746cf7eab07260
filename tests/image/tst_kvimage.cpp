#include "kvimage/kvimage.h"

#include <QtTest>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

using kvfd::CameraInfo;

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");

std::string Utf8(const QString& path)
{
    return path.toUtf8().toStdString();
}

std::string Image(const QString& name)
{
    return Utf8(kImages + QLatin1Char('/') + name);
}

// A record whose every field differs from what a detection would write.
CameraInfo Sentinel()
{
    CameraInfo camera;
    camera.id = 7;
    camera.name = "unchanged";
    camera.fullname = "unchanged camera";
    camera.width = 11;
    camera.height = 13;
    camera.ccd_width = 1.5;
    camera.ccd_height = 2.5;
    camera.focal = 3.5;
    camera.pixel_size_x = 0.25;
    camera.pixel_size_y = 0.5;
    camera.x0 = 4.5;
    camera.y0 = 5.5;
    camera.dtype = 3;
    camera.k1 = 0.125;
    return camera;
}

const double kUntouched = -12345.0;

// Brighton Beach DJI_0024: the GPS position the photo records.
const double kDjiLat = 46.8428646111111;
const double kDjiLon = -91.9936966666667;
const double kDjiAlt = 198.409;

bool Near(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestKvImage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_temp;

private slots:
    void initTestCase();
    void gps_data();
    void gps();
    void camera_data();
    void camera();
    void badInput_data();
    void badInput();
    void unicodePath_data();
    void unicodePath();
    void concurrentReads();
};

void TestKvImage::initTestCase()
{
    QVERIFY(m_temp.isValid());
    QVERIFY(QFileInfo::exists(kImages + "/DJI_0024.JPG"));
    QFile dji(kImages + "/DJI_0024.JPG");
    QVERIFY(dji.open(QIODevice::ReadOnly));
    const QByteArray bytes = dji.readAll();
    QVERIFY(bytes.size() > 100000);
    const QString dir = m_temp.path() + QLatin1Char('/');
    // The EXIF block is whole, the image data cut short.
    QVERIFY(WriteFile(dir + "cut_after_exif.jpg", bytes.left(64 * 1024)));
    // Cut inside the EXIF block.
    QVERIFY(WriteFile(dir + "cut_in_exif.jpg", bytes.left(400)));
    QVERIFY(WriteFile(dir + "jpeg_marker_only.jpg", bytes.left(2)));
    QVERIFY(WriteFile(dir + "text.jpg", "Not a photo: a text file renamed to .jpg\n"));
    QVERIFY(WriteFile(dir + "empty.jpg", QByteArray()));
    QVERIFY(QDir().mkpath(dir + "folder.jpg"));

    // GoPro.jpg with a model name that no table knows, the length kept.
    QFile gopro(kImages + "/GoPro.jpg");
    QVERIFY(gopro.open(QIODevice::ReadOnly));
    QByteArray renamed = gopro.readAll();
    QVERIFY(renamed.contains("HERO6 Black"));
    renamed.replace("HERO6 Black", "XYZW9 Prism");
    QVERIFY(WriteFile(dir + "unknown_model.jpg", renamed));

    const QString chinese = dir + QStringLiteral("航拍 影像");
    QVERIFY(QDir().mkpath(chinese));
    QVERIFY(QFile::copy(kImages + "/DJI_0024.JPG", chinese + "/DJI_0024.JPG"));
    QVERIFY(QFile::copy(kImages + "/DJI_20251001213509_0003_D_LENS_CAP.JPG",
                        chinese + QStringLiteral("/阿贡 火山 3.JPG")));
}

void TestKvImage::gps_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("altitude");

    QTest::newRow("DJI FC300S, north-west")
        << "DJI_0024.JPG" << true << kDjiLat << kDjiLon << kDjiAlt;
    QTest::newRow("no GPSAltitudeRef")
        << "tiny_drone_image.jpg" << true << 41.22636995 << -81.70550109 << 438.1885965;
    QTest::newRow("below sea level, GoPro")
        << "GoPro.jpg" << true << 40.6584191999722 << -73.9933542999722 << -3.983;
    QTest::newRow("below sea level, Death Valley")
        << "FurnaceCreekInn.jpg" << true << 36.4483333333333 << -116.855 << -14.28;
    QTest::newRow("south-east, altitude from XMP")
        << "DJI_20251001213509_0003_D_LENS_CAP.JPG" << true << -8.30395 << 115.48415 << 1189.641;
    QTest::newRow("EXIF without GPS") << "Canon.jpg" << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("EXIF without GPS, full size") << "IMG_0031.jpg" << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("no EXIF") << "drone-testdata-agung-1-example.jpg" << false << 0.0 << 0.0 << 0.0;
}

void TestKvImage::gps()
{
    QFETCH(QString, file);
    QFETCH(bool, ok);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, altitude);

    double lla[3] = {kUntouched, kUntouched, kUntouched};
    QCOMPARE(kvimage::GetGPSFromImage(Image(file), lla), ok);
    if (!ok) {
        QCOMPARE(lla[0], kUntouched);
        QCOMPARE(lla[1], kUntouched);
        QCOMPARE(lla[2], kUntouched);
        return;
    }
    QVERIFY2(Near(lla[0], longitude, 1e-9), qPrintable(QString::number(lla[0], 'g', 17)));
    QVERIFY2(Near(lla[1], latitude, 1e-9), qPrintable(QString::number(lla[1], 'g', 17)));
    QVERIFY2(Near(lla[2], altitude, 1e-6), qPrintable(QString::number(lla[2], 'g', 17)));
}

void TestKvImage::camera_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("focal");
    QTest::addColumn<double>("ccdWidth");
    QTest::addColumn<double>("ccdHeight");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fullname");

    // Sensor from the table.
    QTest::newRow("DJI FC300S") << "DJI_0024.JPG" << true << 4000 << 2250 << 3.61 << 6.16
                                << 6.16 * 2250 / 4000 << "FC300S"
                                << "DJI FC300S";
    QTest::newRow("DJI FC8482, added to the table")
        << "DJI_20251001213509_0003_D_LENS_CAP.JPG" << true << 4032 << 3024 << 6.72 << 9.7
        << 9.7 * 3024 / 4032 << "FC8482"
        << "DJI FC8482";
    // Sensor from the focal-plane resolution: 878 and 584 thousandths of an inch.
    QTest::newRow("focal plane, full frame")
        << "IMG_0031.jpg" << true << 4272 << 2848 << 30.0 << 0.878 * 25.4 << 0.584 * 25.4
        << "Canon EOS DIGITAL REBEL XSi"
        << "Canon EOS DIGITAL REBEL XSi";
    // Scaled-down photos: the focal-plane sensor would be under 2 mm, the table answers.
    QTest::newRow("focal plane of the full frame, scaled down")
        << "Canon.jpg" << true << 160 << 120 << 34.0 << 22.7 << 22.7 * 120 / 160
        << "Canon EOS DIGITAL REBEL"
        << "Canon EOS DIGITAL REBEL";
    QTest::newRow("table, letter case differs") << "tiny_drone_image.jpg" << true << 48 << 36 << 5.2
                                                << 7.44 << 7.44 * 36 / 48 << "Canon PowerShot S110"
                                                << "Canon PowerShot S110";
    QTest::newRow("table, compact camera") << "FurnaceCreekInn.jpg" << true << 400 << 300 << 6.0
                                           << 5.744 << 5.744 * 300 / 400 << "Canon PowerShot S5 IS"
                                           << "Canon PowerShot S5 IS";
    // The table lists this model without its make.
    QTest::newRow("table, model without make")
        << "GoPro.jpg" << true << 4000 << 3000 << 3.0 << 6.17 << 6.17 * 3000 / 4000 << "HERO6 Black"
        << "GoPro HERO6 Black";
    // Neither focal-plane tags nor a table row.
    QTest::newRow("unknown sensor") << m_temp.path() + "/unknown_model.jpg" << false << 0 << 0
                                    << 0.0 << 0.0 << 0.0 << QString() << QString();
    QTest::newRow("no EXIF") << "drone-testdata-agung-1-example.jpg" << false << 0 << 0 << 0.0
                             << 0.0 << 0.0 << QString() << QString();
}

void TestKvImage::camera()
{
    QFETCH(QString, file);
    QFETCH(bool, ok);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, focal);
    QFETCH(double, ccdWidth);
    QFETCH(double, ccdHeight);
    QFETCH(QString, name);
    QFETCH(QString, fullname);

    CameraInfo camera = Sentinel();
    const std::string path = QFileInfo(file).isAbsolute() ? Utf8(file) : Image(file);
    QCOMPARE(kvimage::GetCameraFormImage(path, camera), ok);
    if (!ok) {
        QVERIFY(camera == Sentinel());
        return;
    }
    QCOMPARE(camera.id, 7); // the caller numbers cameras
    QCOMPARE(QString::fromStdString(camera.name), name);
    QCOMPARE(QString::fromStdString(camera.fullname), fullname);
    QCOMPARE(camera.width, width);
    QCOMPARE(camera.height, height);
    QVERIFY2(Near(camera.focal, focal, 1e-9), qPrintable(QString::number(camera.focal)));
    QVERIFY2(Near(camera.ccd_width, ccdWidth, 1e-9), qPrintable(QString::number(camera.ccd_width)));
    QVERIFY2(Near(camera.ccd_height, ccdHeight, 1e-9),
             qPrintable(QString::number(camera.ccd_height)));
    QVERIFY(Near(camera.pixel_size_x, ccdWidth / width, 1e-12));
    QVERIFY(Near(camera.pixel_size_y, ccdHeight / height, 1e-12));
    QCOMPARE(camera.x0, width / 2.0);
    QCOMPARE(camera.y0, height / 2.0);
    QCOMPARE(camera.dtype, 1);
    QCOMPARE(camera.k1, 0.0);
    QCOMPARE(camera.mount_angle, 0);
}

void TestKvImage::badInput_data()
{
    QTest::addColumn<QString>("path");
    // Whether the file still holds DJI_0024's tags: the answer may then be true,
    // and if so the values must be right.
    QTest::addColumn<bool>("mayRead");

    const QString dir = m_temp.path() + QLatin1Char('/');
    QTest::newRow("cut after the EXIF block") << dir + "cut_after_exif.jpg" << true;
    QTest::newRow("cut inside the EXIF block") << dir + "cut_in_exif.jpg" << false;
    QTest::newRow("JPEG marker only") << dir + "jpeg_marker_only.jpg" << false;
    QTest::newRow("text renamed .jpg") << dir + "text.jpg" << false;
    QTest::newRow("empty file") << dir + "empty.jpg" << false;
    QTest::newRow("missing file") << dir + "missing.jpg" << false;
    QTest::newRow("folder") << dir + "folder.jpg" << false;
    QTest::newRow("empty path") << QString() << false;
}

void TestKvImage::badInput()
{
    QFETCH(QString, path);
    QFETCH(bool, mayRead);

    double lla[3] = {kUntouched, kUntouched, kUntouched};
    if (kvimage::GetGPSFromImage(Utf8(path), lla)) {
        QVERIFY(mayRead);
        QVERIFY(Near(lla[0], kDjiLon, 1e-9));
        QVERIFY(Near(lla[1], kDjiLat, 1e-9));
        QVERIFY(Near(lla[2], kDjiAlt, 1e-6));
    } else {
        QCOMPARE(lla[0], kUntouched);
        QCOMPARE(lla[1], kUntouched);
        QCOMPARE(lla[2], kUntouched);
    }

    CameraInfo camera = Sentinel();
    if (kvimage::GetCameraFormImage(Utf8(path), camera)) {
        QVERIFY(mayRead);
        QCOMPARE(camera.name, std::string("FC300S"));
        QCOMPARE(camera.width, 4000);
        QCOMPARE(camera.height, 2250);
        QVERIFY(Near(camera.ccd_width, 6.16, 1e-9));
    } else {
        QVERIFY(camera == Sentinel());
    }

    QVERIFY(!kvimage::GetGPSFromImage(Utf8(path), nullptr));
}

void TestKvImage::unicodePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<QString>("name");

    const QString dir = m_temp.path() + QStringLiteral("/航拍 影像/");
    QTest::newRow("Chinese folder with a space") << dir + "DJI_0024.JPG" << kDjiLat << "FC300S";
    QTest::newRow("Chinese file name with spaces")
        << dir + QStringLiteral("阿贡 火山 3.JPG") << -8.30395 << "FC8482";
}

void TestKvImage::unicodePath()
{
    QFETCH(QString, path);
    QFETCH(double, latitude);
    QFETCH(QString, name);

    QVERIFY(QFileInfo::exists(path));
    double lla[3] = {kUntouched, kUntouched, kUntouched};
    QVERIFY(kvimage::GetGPSFromImage(Utf8(path), lla));
    QVERIFY(Near(lla[1], latitude, 1e-9));
    CameraInfo camera;
    QVERIFY(kvimage::GetCameraFormImage(Utf8(path), camera));
    QCOMPARE(QString::fromStdString(camera.name), name);
}

// Positions are read from many photos at once; XMP parsing included.
void TestKvImage::concurrentReads()
{
    const std::string files[]
        = {Image("DJI_0024.JPG"), Image("DJI_20251001213509_0003_D_LENS_CAP.JPG"),
           Image("GoPro.jpg"), Image("drone-testdata-agung-1-example.jpg")};
    const bool expected[] = {true, true, true, false};
    std::atomic<int> failures {0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 5; ++round) {
                const int i = (t + round) % 4;
                double lla[3] = {0.0, 0.0, 0.0};
                CameraInfo camera;
                if (kvimage::GetGPSFromImage(files[i], lla) != expected[i])
                    ++failures;
                if (i == 1 && !Near(lla[2], 1189.641, 1e-6))
                    ++failures;
                if (kvimage::GetCameraFormImage(files[i], camera) != (i < 3))
                    ++failures;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    QCOMPARE(failures.load(), 0);
}

QTEST_GUILESS_MAIN(TestKvImage)
#include "tst_kvimage.moc"
