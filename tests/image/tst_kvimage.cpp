#include "../../platform/kvimage/gpsifd.h"
#include "kvimage/kvimage.h"

#include <QtTest>
#include <atomic>
#include <cstdio>
#include <cstring>
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

// A photo holding only a TIFF block in its Exif segment and, when given, an XMP packet.
QByteArray Jpeg(const QByteArray& tiff, const QByteArray& xmp = QByteArray())
{
    const auto segment = [](char marker, const QByteArray& body) {
        const int length = body.size() + 2;
        return QByteArray("\xff") + marker + char(length >> 8) + char(length & 0xff) + body;
    };
    QByteArray jpeg("\xff\xd8");
    jpeg += segment('\xe1', QByteArray("Exif\0\0", 6) + tiff);
    if (!xmp.isEmpty())
        jpeg += segment('\xe1', QByteArray("http://ns.adobe.com/xap/1.0/\0", 29) + xmp);
    return jpeg + segment('\xda', QByteArray(10, '\0')) + QByteArray(64, '\x55') + "\xff\xd9";
}

// Big-endian TIFF directories; values that do not fit an entry follow the directory.
struct Ifd
{
    struct Tag
    {
        quint16 tag, type;
        quint32 count;
        QByteArray value;
    };
    QVector<Tag> tags;
    quint32 next = 0;

    Ifd& Add(quint16 tag, quint16 type, quint32 count, const QByteArray& value)
    {
        tags.append({tag, type, count, value});
        return *this;
    }
    // Written at offset; pointers to other directories are the caller's.
    QByteArray Write(quint32 offset) const
    {
        QByteArray dir;
        QByteArray values;
        const quint32 values_at = offset + 2 + 12 * tags.size() + 4;
        const auto u16 = [](QByteArray& b, quint32 v) { b += char(v >> 8), b += char(v); };
        const auto u32 = [&](QByteArray& b, quint32 v) { u16(b, v >> 16), u16(b, v & 0xffff); };
        u16(dir, tags.size());
        for (const Tag& t : tags) {
            u16(dir, t.tag), u16(dir, t.type), u32(dir, t.count);
            if (t.value.size() <= 4) {
                dir += t.value.leftJustified(4, '\0', true);
            } else {
                u32(dir, values_at + values.size());
                values += t.value;
            }
        }
        u32(dir, next);
        return dir + values;
    }
};

QByteArray U32(quint32 v)
{
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(bytes, 4);
}

QByteArray Rationals(std::initializer_list<quint32> parts)
{
    QByteArray bytes;
    for (quint32 p : parts)
        bytes += U32(p);
    return bytes;
}

// The GPS IFD written after an IFD0 that points to it (at 26 unless told) and,
// when given, to an Exif IFD.
QByteArray Tiff(const Ifd& gps, quint32 gps_offset = 26, quint32 exif_offset = 0)
{
    Ifd ifd0;
    if (exif_offset != 0)
        ifd0.Add(0x8769, 4, 1, U32(exif_offset));
    ifd0.Add(0x8825, 4, 1, U32(gps_offset != 26 || exif_offset == 0 ? gps_offset : 38));
    QByteArray tiff = QByteArray("MM\0*", 4) + U32(8) + ifd0.Write(8);
    return tiff + gps.Write(tiff.size());
}

Ifd PlainGps()
{
    Ifd gps;
    gps.Add(1, 2, 2, QByteArray("S\0", 2))
        .Add(2, 5, 3, Rationals({8, 1, 18, 1, 1422, 100}))
        .Add(3, 2, 2, QByteArray("E\0", 2))
        .Add(4, 5, 3, Rationals({115, 1, 29, 1, 3, 1}));
    return gps;
}

bool SameBits(const double* a, const double* b)
{
    return std::memcmp(a, b, 3 * sizeof(double)) == 0;
}

// Every real photo of the tree and of the shared collection.
QStringList RealPhotos()
{
    QStringList photos;
    for (const QString& root : {kImages, QStringLiteral("/work/shared/realdata/images")}) {
        QDirIterator it(root, {"*.jpg", "*.JPG", "*.jpeg"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            photos << it.next();
    }
    return photos;
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

    // The fast reader and Exiv2 agree bit for bit on every real photo, and the
    // fast reader does answer for the photos of drones.
    void fastReaderMatchesExiv2_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList photos = RealPhotos();
        QVERIFY(photos.size() >= 9);
        for (const QString& path : photos)
            QTest::newRow(qPrintable(path.mid(path.lastIndexOf('/') + 1))) << path;
    }

    void fastReaderMatchesExiv2()
    {
        QFETCH(QString, path);
        const QByteArray block = ReadFile(path).left(int(kvimage::detail::kGpsBlockSize));
        double exiv2[3] = {kUntouched, kUntouched, kUntouched};
        double fast[3] = {kUntouched, kUntouched, kUntouched};
        double both[3] = {kUntouched, kUntouched, kUntouched};
        const bool by_exiv2 = kvimage::detail::GpsFromExiv2(Image(path), exiv2);
        const bool by_fast = kvimage::detail::GpsFromBlock(
            reinterpret_cast<const std::uint8_t*>(block.constData()), block.size(), fast);
        QCOMPARE(kvimage::GetGPSFromImage(Image(path), both), by_exiv2);
        QVERIFY(SameBits(both, exiv2));
        if (by_fast)
            QVERIFY(SameBits(fast, exiv2));
        else
            QCOMPARE(Position(fast), Position(both).isEmpty() ? QString() : Position(fast));
        if (QFileInfo(path).fileName().startsWith("DJI_"))
            QVERIFY2(by_fast, "a drone photo is read without Exiv2");
    }

    // A file name in GBK, as copied from an old Windows disk: the bytes reach
    // the file system unchanged, on both paths.
    void nonUtf8Path()
    {
        const std::string path
            = QFile::encodeName(m_temp.path()).toStdString() + "/\xba\xbd\xc5\xc4.JPG";
        const QByteArray photo = ReadFile(kImages + "/DJI_0024.JPG");
        std::FILE* file = std::fopen(path.c_str(), "wb");
        QVERIFY(file != nullptr);
        QCOMPARE(std::fwrite(photo.constData(), 1, std::size_t(photo.size()), file),
                 std::size_t(photo.size()));
        std::fclose(file);
        double fast[3] = {kUntouched, kUntouched, kUntouched};
        double exiv2[3] = {kUntouched, kUntouched, kUntouched};
        const bool by_fast = kvimage::GetGPSFromImage(path, fast);
        const bool by_exiv2 = kvimage::detail::GpsFromExiv2(path, exiv2);
        // Qt cannot name the file to remove it with the folder.
        QCOMPARE(std::remove(path.c_str()), 0);
        QVERIFY(by_fast && by_exiv2);
        QCOMPARE(Position(fast), kDjiPosition);
        QVERIFY(SameBits(fast, exiv2));
    }

    // A photo cut anywhere in its first 4 KiB (all of it for the small ones)
    // gets Exiv2's answer.
    void truncated_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("DJI_0024") << kImages + "/DJI_0024.JPG";
        QTest::newRow("GoPro") << kImages + "/GoPro.jpg";
        QTest::newRow("lens cap tags, altitude from XMP")
            << QStringLiteral(KVUI_SOURCE_DIR "/tests/fuzz/corpus/exif/agung-lens-cap-tags.jpg");
        QTest::newRow("DJI_0024 tags")
            << QStringLiteral(KVUI_SOURCE_DIR "/tests/fuzz/corpus/exif/brighton-DJI_0024-tags.jpg");
    }

    void truncated()
    {
        QFETCH(QString, path);
        const QByteArray photo = ReadFile(path);
        QVERIFY(!photo.isEmpty());
        const QString cut = Temp("cut.jpg");
        const int last = photo.size() < 8192 ? photo.size() : 4096;
        int first_fast = -1;
        for (int n = 0; n <= last; ++n) {
            double fast[3] = {kUntouched, kUntouched, kUntouched};
            if (!kvimage::detail::GpsFromBlock(
                    reinterpret_cast<const std::uint8_t*>(photo.constData()), n, fast)) {
                // Exiv2 answers, as it did before; once the image data has
                // begun, every longer cut holds all the tags.
                QVERIFY2(first_fast < 0, qPrintable(QString::number(n)));
                continue;
            }
            if (first_fast < 0)
                first_fast = n;
            QVERIFY(WriteFile(cut, photo.left(n)));
            double exiv2[3] = {kUntouched, kUntouched, kUntouched};
            if (!kvimage::detail::GpsFromExiv2(Image(cut), exiv2) || !SameBits(fast, exiv2))
                QFAIL(qPrintable(QStringLiteral("differs from Exiv2 when cut at %1").arg(n)));
        }
        // Cuts of a big photo's first 4 KiB all end inside its tags.
        QCOMPARE(first_fast >= 0, photo.size() < 8192);
    }

    // Hand-made tags: the fast reader answers where it is sure and leaves the
    // rest to Exiv2, whose answer the caller gets either way.
    void handMade_data()
    {
        QTest::addColumn<QByteArray>("jpeg");
        QTest::addColumn<bool>("fast");
        QTest::addColumn<QString>("expected"); // empty: no position

        const QString plain = QStringLiteral("-8.303950000, 115.484166667, 0");
        QTest::newRow("plain") << Jpeg(Tiff(PlainGps())) << true << plain;

        Ifd altitude = PlainGps();
        altitude.Add(5, 1, 1, QByteArray(1, '\1')).Add(6, 5, 1, Rationals({1234, 10}));
        QTest::newRow("below sea level")
            << Jpeg(Tiff(altitude)) << true << "-8.303950000, 115.484166667, -123.4";

        const QByteArray xmp
            = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
              "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><rdf:Description "
              "rdf:about=\"\" xmlns:drone-dji=\"http://www.dji.com/drone-dji/1.0/\" "
              "drone-dji:AbsoluteAltitude=\"+1189.641\"/></rdf:RDF></x:xmpmeta>";
        QTest::newRow("altitude from XMP")
            << Jpeg(Tiff(PlainGps()), xmp) << true << "-8.303950000, 115.484166667, 1189.641";
        QByteArray element = xmp;
        element.replace("drone-dji:AbsoluteAltitude=\"+1189.641\"/>",
                        "><drone-dji:AbsoluteAltitude>12.5</drone-dji:AbsoluteAltitude>"
                        "</rdf:Description>");
        QTest::newRow("XMP altitude as an element")
            << Jpeg(Tiff(PlainGps()), element) << true << "-8.303950000, 115.484166667, 12.5";
        QByteArray broken = xmp;
        broken.replace("<rdf:RDF ", "<rdf:RDF <");
        QTest::newRow("malformed XMP, no altitude")
            << Jpeg(Tiff(PlainGps()), broken) << false << plain;

        QByteArray mixed = element;
        mixed.replace("<drone-dji:AbsoluteAltitude>", "?<drone-dji:AbsoluteAltitude>");
        QTest::newRow("text beside the XMP properties")
            << Jpeg(Tiff(PlainGps()), mixed) << false << plain;
        QByteArray not_rdf = xmp;
        not_rdf.replace("22-rdf-syntax-ns#", "22-rdf-syntax-ns");
        QTest::newRow("XMP in another RDF namespace")
            << Jpeg(Tiff(PlainGps()), not_rdf) << false << "-8.303950000, 115.484166667, 1189.641";
        Ifd header = altitude;
        header.tags.last().value = QByteArray(8, '\0'); // rewritten below to point at 0
        QByteArray in_header = Jpeg(Tiff(header));
        const int pointer = in_header.indexOf(QByteArray("\x00\x06\x00\x05\x00\x00\x00\x01", 8));
        QVERIFY(pointer > 0);
        in_header.replace(pointer + 8, 4, QByteArray(4, '\0'));
        QTest::newRow("altitude read from the TIFF header")
            << in_header << false << "-8.303950000, 115.484166667, 0";
        QTest::newRow("GPS IFD is IFD0") << Jpeg(Tiff(PlainGps(), 8)) << false << QString();
        QTest::newRow("GPS IFD is the Exif IFD")
            << Jpeg(Tiff(PlainGps(), 26, 38)) << false << QString();
        QTest::newRow("GPS IFD out of range")
            << Jpeg(Tiff(PlainGps(), 0xfffffff0u)) << false << QString();
        Ifd huge = PlainGps();
        huge.tags[1].count = 0x20000000u;
        QTest::newRow("huge count") << Jpeg(Tiff(huge)) << false << QString();
        Ifd wrong = PlainGps();
        wrong.tags[1].type = 4; // LONG instead of RATIONAL
        QTest::newRow("latitude of the wrong type") << Jpeg(Tiff(wrong)) << false << QString();
        Ifd unknown = PlainGps();
        unknown.tags[3].type = 99;
        QTest::newRow("reference of an unknown type") << Jpeg(Tiff(unknown)) << false << QString();
        Ifd twice = PlainGps();
        twice.Add(2, 5, 3, Rationals({1, 1, 0, 1, 0, 1}));
        QTest::newRow("latitude twice") << Jpeg(Tiff(twice)) << false << plain;
        Ifd zero = PlainGps();
        zero.tags[1].value = Rationals({8, 0, 18, 1, 1422, 100});
        QTest::newRow("zero denominator") << Jpeg(Tiff(zero)) << false << QString();
        Ifd negative = PlainGps();
        negative.tags[3].value = Rationals({0x80000073u, 1, 29, 1, 3, 1});
        QTest::newRow("numerator above 2^31 reads negative")
            << Jpeg(Tiff(negative)) << false << QString();
        Ifd many = PlainGps();
        for (int i = 0; i < 260; ++i)
            many.Add(quint16(100 + i), 3, 1, QByteArray(2, '\0'));
        QTest::newRow("257 entries and more") << Jpeg(Tiff(many)) << false << QString();
        Ifd loop = PlainGps();
        loop.next = 26;
        QTest::newRow("next IFD loops to itself") << Jpeg(Tiff(loop)) << true << plain;
        QByteArray not_jpeg = Jpeg(Tiff(PlainGps()));
        not_jpeg[1] = '\xd9';
        QTest::newRow("not a JPEG") << not_jpeg << false << QString();
    }

    void handMade()
    {
        QFETCH(QByteArray, jpeg);
        QFETCH(bool, fast);
        QFETCH(QString, expected);
        double lla[3] = {kUntouched, kUntouched, kUntouched};
        const QString untouched = Position(lla);
        QCOMPARE(kvimage::detail::GpsFromBlock(
                     reinterpret_cast<const std::uint8_t*>(jpeg.constData()), jpeg.size(), lla),
                 fast);
        if (fast)
            QCOMPARE(Position(lla), expected);
        else
            QCOMPARE(Position(lla), untouched);

        const QString path = Temp(QStringLiteral("手工 %1.jpg").arg(QTest::currentDataTag()));
        QVERIFY(WriteFile(path, jpeg));
        double exiv2[3] = {kUntouched, kUntouched, kUntouched};
        double both[3] = {kUntouched, kUntouched, kUntouched};
        QCOMPARE(kvimage::detail::GpsFromExiv2(Image(path), exiv2), !expected.isEmpty());
        QCOMPARE(Position(exiv2), expected.isEmpty() ? untouched : expected);
        QCOMPARE(kvimage::GetGPSFromImage(Image(path), both), !expected.isEmpty());
        QVERIFY(SameBits(both, exiv2));
    }

private:
    QString Temp(const QString& name) const { return m_temp.path() + QLatin1Char('/') + name; }

    QTemporaryDir m_temp;
};

QTEST_GUILESS_MAIN(TestKvImage)
#include "tst_kvimage.moc"
