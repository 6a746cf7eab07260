#include "kvimage/kvimage.h"

#include <QtTest>
#include <atomic>
#include <thread>
#include <vector>

using kvfd::CameraInfo;

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");
const double kUntouched = -12345.0;
const QString kDjiPosition = QStringLiteral("46.842864611, -91.993696667, 198.409");
const QString kLensCapPosition = QStringLiteral("-8.303950000, 115.484150000, 1189.641");
const QString kDjiCamera = QStringLiteral("FC300S | DJI FC300S | 4000x2250 | f 3.61 | 6.16x3.465");
const QString kLensCap = QStringLiteral("DJI_20251001213509_0003_D_LENS_CAP.JPG");
const QString kLensCapCamera
    = QStringLiteral("FC8482 | DJI FC8482 | 4032x3024 | f 6.72 | 9.7x7.275");
const QString kChinese = QStringLiteral("航拍 影像/阿贡 火山 3.JPG"); // a copy of kLensCap

// Relative names are photos of the test data.
std::string Image(const QString& name)
{
    const QString path
        = QFileInfo(name).isAbsolute() || name.isEmpty() ? name : kImages + QLatin1Char('/') + name;
    return path.toUtf8().toStdString();
}

// Differs from any detection in the fields a detection writes (the rest stay -1).
CameraInfo Sentinel()
{
    CameraInfo camera;
    camera.id = 7;
    camera.name = "unchanged";
    camera.fullname = "unchanged camera";
    camera.dtype = 3;
    camera.k1 = 0.125;
    return camera;
}

QString Describe(const CameraInfo& c)
{
    return QString::asprintf("%s | %s | %dx%d | f %.9g | %.9gx%.9g", c.name.c_str(),
                             c.fullname.c_str(), c.width, c.height, c.focal, c.ccd_width,
                             c.ccd_height);
}

// Latitude, longitude, altitude.
QString Position(const double* lla)
{
    return QString::asprintf("%.9f, %.9f, %.10g", lla[1], lla[0], lla[2]);
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestKvImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        const QByteArray dji = ReadFile(kImages + "/DJI_0024.JPG");
        QVERIFY(dji.size() > 100000);
        QVERIFY(WriteFile(Temp("cut_after_exif.jpg"), dji.left(64 * 1024)));
        QVERIFY(WriteFile(Temp("cut_in_exif.jpg"), dji.left(400)));
        QVERIFY(WriteFile(Temp("jpeg_marker_only.jpg"), dji.left(2)));
        QVERIFY(WriteFile(Temp("text.jpg"), "Not a photo: a text file renamed to .jpg\n"));
        QVERIFY(WriteFile(Temp("empty.jpg"), QByteArray()));
        QVERIFY(QDir().mkpath(Temp("folder.jpg")));

        // A model name no table knows, the length kept.
        QByteArray renamed = ReadFile(kImages + "/GoPro.jpg");
        QVERIFY(renamed.contains("HERO6 Black"));
        QVERIFY(
            WriteFile(Temp("unknown_model.jpg"), renamed.replace("HERO6 Black", "XYZW9 Prism")));
        QVERIFY(QDir().mkpath(Temp(QStringLiteral("航拍 影像"))));
        QVERIFY(QFile::copy(kImages + QLatin1Char('/') + kLensCap, Temp(kChinese)));
    }

    // What each photo gives: its position and its camera.
    void photo_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("position"); // empty: none; null: not checked
        QTest::addColumn<QString>("camera");   // empty: not detected; null: not checked

        const QString none = QStringLiteral(""), skip;
        QTest::newRow("north-west, table") << "DJI_0024.JPG" << kDjiPosition << kDjiCamera;
        QTest::newRow("no GPSAltitudeRef, table with letter case differing")
            << "tiny_drone_image.jpg"
            << "41.226369950, -81.705501090, 438.1885965"
            << "Canon PowerShot S110 | Canon PowerShot S110 | 48x36 | f 5.2 | 7.44x5.58";
        QTest::newRow("below sea level, table with model without make")
            << "GoPro.jpg"
            << "40.658419200, -73.993354300, -3.983"
            << "HERO6 Black | GoPro HERO6 Black | 4000x3000 | f 3 | 6.17x4.6275";
        QTest::newRow("below sea level, Death Valley")
            << "FurnaceCreekInn.jpg"
            << "36.448333333, -116.855000000, -14.28" << skip;
        QTest::newRow("south-east, altitude from XMP, recent model")
            << kLensCap << kLensCapPosition << kLensCapCamera;
        QTest::newRow("Chinese path") << Temp(kChinese) << kLensCapPosition << kLensCapCamera;
        // The focal-plane sensor of a scaled-down photo would be under 2 mm.
        QTest::newRow("EXIF without GPS, scaled down, table")
            << "Canon.jpg" << none
            << "Canon EOS DIGITAL REBEL | Canon EOS DIGITAL REBEL | 160x120 | f 34 | 22.7x17.025";
        QTest::newRow("focal plane, 0.878 x 0.584 inch")
            << "IMG_0031.jpg" << skip
            << "Canon EOS DIGITAL REBEL XSi | Canon EOS DIGITAL REBEL XSi | 4272x2848 | f 30 | "
               "22.3012x14.8336";
        QTest::newRow("unknown model") << Temp("unknown_model.jpg") << skip << none;
        QTest::newRow("no EXIF") << "drone-testdata-agung-1-example.jpg" << none << none;
    }

    void photo()
    {
        QFETCH(QString, file);
        QFETCH(QString, position);
        QFETCH(QString, camera);
        if (!position.isNull()) {
            double lla[3] = {kUntouched, kUntouched, kUntouched};
            const QString untouched = Position(lla);
            QCOMPARE(kvimage::GetGPSFromImage(Image(file), lla), !position.isEmpty());
            QCOMPARE(Position(lla), position.isEmpty() ? untouched : position);
        }
        if (camera.isNull())
            return;
        CameraInfo detected = Sentinel();
        QCOMPARE(kvimage::GetCameraFormImage(Image(file), detected), !camera.isEmpty());
        if (camera.isEmpty()) {
            QVERIFY(detected == Sentinel());
            return;
        }
        QCOMPARE(Describe(detected), camera);
        QCOMPARE(detected.id, 7);
        QCOMPARE(detected.pixel_size_y, detected.ccd_height / detected.height);
        QCOMPARE(detected.y0, detected.height / 2.0);
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("path");
        // Still holds DJI_0024's tags: reading may succeed, with the right values.
        QTest::addColumn<bool>("mayRead");
        QTest::newRow("cut after the EXIF block") << Temp("cut_after_exif.jpg") << true;
        QTest::newRow("cut inside the EXIF block") << Temp("cut_in_exif.jpg") << false;
        QTest::newRow("JPEG marker only") << Temp("jpeg_marker_only.jpg") << false;
        QTest::newRow("text renamed .jpg") << Temp("text.jpg") << false;
        QTest::newRow("empty file") << Temp("empty.jpg") << false;
        QTest::newRow("missing file") << Temp("missing.jpg") << false;
        QTest::newRow("folder") << Temp("folder.jpg") << false;
        QTest::newRow("empty path") << QString() << false;
    }

    void badInput()
    {
        QFETCH(QString, path);
        QFETCH(bool, mayRead);
        double lla[3] = {kUntouched, kUntouched, kUntouched};
        const QString untouched = Position(lla);
        const bool gps = kvimage::GetGPSFromImage(Image(path), lla);
        QVERIFY(!gps || mayRead);
        QCOMPARE(Position(lla), gps ? kDjiPosition : untouched);

        CameraInfo camera = Sentinel();
        const bool detected = kvimage::GetCameraFormImage(Image(path), camera);
        QVERIFY(!detected || mayRead);
        QVERIFY(detected ? Describe(camera) == kDjiCamera : camera == Sentinel());
        QVERIFY(!kvimage::GetGPSFromImage(Image(path), nullptr));
    }

    void concurrentReads()
    {
        const std::string files[] = {Image("DJI_0024.JPG"), Image(kLensCap), Image("GoPro.jpg"),
                                     Image("drone-testdata-agung-1-example.jpg")};
        std::atomic<int> failures {0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t)
            threads.emplace_back([&, t] {
                for (int round = 0; round < 5; ++round) {
                    const int i = (t + round) % 4;
                    double lla[3] = {0.0, 0.0, 0.0};
                    CameraInfo camera;
                    failures += kvimage::GetGPSFromImage(files[i], lla) != (i < 3);
                    failures += i == 1 && Position(lla) != kLensCapPosition;
                    failures += kvimage::GetCameraFormImage(files[i], camera) != (i < 3);
                }
            });
        for (std::thread& thread : threads)
            thread.join();
        QCOMPARE(failures.load(), 0);
    }

private:
    QString Temp(const QString& name) const { return m_temp.path() + QLatin1Char('/') + name; }

    QTemporaryDir m_temp;
};

QTEST_GUILESS_MAIN(TestKvImage)
#include "tst_kvimage.moc"
