#include "../../platform/kvimage/gpsifd.h"
#include "kvimage/kvimage.h"

#include <QtTest>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

using kvfd::CameraInfo;
using Lla = std::array<double, 3>; // longitude, latitude, altitude

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");
const Lla kUntouched = {-12345.0, -12345.0, -12345.0};
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
QString Position(const Lla& lla)
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

// The fast reader on the first n bytes (all when n < 0).
bool Fast(const QByteArray& bytes, Lla& lla, int n = -1)
{
    return kvimage::detail::GpsFromBlock(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                         std::size_t(n < 0 ? bytes.size() : n), lla.data());
}

bool SameBits(const Lla& a, const Lla& b)
{
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
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

// Big-endian unsigned numbers of 4 bytes.
QByteArray U32(std::initializer_list<quint32> values)
{
    QByteArray bytes;
    for (quint32 v : values) {
        const char big[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
        bytes += QByteArray(big, 4);
    }
    return bytes;
}

// A big-endian TIFF directory; values that do not fit an entry follow it.
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
        QByteArray dir = U32({quint32(tags.size()) << 16}).left(2), values;
        for (const Tag& t : tags) {
            dir += U32({quint32(t.tag) << 16 | t.type, t.count});
            dir += t.value.size() <= 4
                ? t.value.leftJustified(4, '\0', true)
                : U32({offset + 2 + 12 * quint32(tags.size()) + 4 + quint32(values.size())});
            if (t.value.size() > 4)
                values += t.value;
        }
        return dir + U32({next}) + values;
    }
};

// The GPS IFD written after an IFD0 that points to it (at 26 unless told) and,
// when given, to an Exif IFD.
QByteArray Tiff(const Ifd& gps, quint32 gps_offset = 26, quint32 exif_offset = 0)
{
    Ifd ifd0;
    if (exif_offset != 0)
        ifd0.Add(0x8769, 4, 1, U32({exif_offset}));
    ifd0.Add(0x8825, 4, 1, U32({gps_offset != 26 || exif_offset == 0 ? gps_offset : 38}));
    QByteArray tiff = QByteArray("MM\0*", 4) + U32({8}) + ifd0.Write(8);
    return tiff + gps.Write(tiff.size());
}

Ifd PlainGps()
{
    Ifd gps;
    gps.Add(1, 2, 2, QByteArray("S\0", 2))
        .Add(2, 5, 3, U32({8, 1, 18, 1, 1422, 100}))
        .Add(3, 2, 2, QByteArray("E\0", 2))
        .Add(4, 5, 3, U32({115, 1, 29, 1, 3, 1}));
    return gps;
}

} // namespace

class TestKvImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        QVERIFY(QDir().mkpath(Temp(QStringLiteral("航拍 影像"))));
        QVERIFY(QFile::copy(kImages + QLatin1Char('/') + kLensCap, Temp(kChinese)));
        // A model name no table knows, the length kept.
        QByteArray renamed = ReadFile(kImages + "/GoPro.jpg");
        QVERIFY(renamed.contains("HERO6 Black"));
        QVERIFY(
            WriteFile(Temp("unknown_model.jpg"), renamed.replace("HERO6 Black", "XYZW9 Prism")));
    }

    // What each photo gives: its position and its camera.
    void photo_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("position"); // empty: none; null: not checked
        QTest::addColumn<QString>("camera");   // empty: not detected; null: not checked

        const QString none = QStringLiteral(""), skip;
        QTest::newRow("north-west, table") << "DJI_0024.JPG" << kDjiPosition << kDjiCamera;
        QTest::newRow("south-east, altitude from XMP, recent model")
            << kLensCap << kLensCapPosition << kLensCapCamera;
        QTest::newRow("Chinese path") << Temp(kChinese) << kLensCapPosition << kLensCapCamera;
        // The focal-plane sensor of a scaled-down photo would be under 2 mm.
        QTest::newRow("EXIF without GPS, scaled down, table")
            << "Canon.jpg" << none
            << "Canon EOS DIGITAL REBEL | Canon EOS DIGITAL REBEL | 160x120 | f 34 | 22.7x17.025";
        QTest::newRow("unknown model") << Temp("unknown_model.jpg") << skip << none;
        QTest::newRow("no EXIF") << "drone-testdata-agung-1-example.jpg" << none << none;
        // What is no photo, or what is left of one.
        const QByteArray dji = ReadFile(kImages + "/DJI_0024.JPG");
        QVERIFY(dji.size() > 100000);
        const auto bad = [&](const char* name, const QByteArray& bytes) {
            QVERIFY(WriteFile(Temp(name), bytes));
            QTest::newRow(name) << Temp(name) << none << none;
        };
        bad("cut inside the EXIF block", dji.left(400));
        bad("text renamed .jpg", "Not a photo: a text file renamed to .jpg\n");
        QVERIFY(QDir().mkpath(Temp("folder.jpg")));
        QTest::newRow("folder") << Temp("folder.jpg") << none << none;
        QTest::newRow("missing file") << Temp("missing.jpg") << none << none;
        QVERIFY(WriteFile(Temp("cut after its tags.jpg"), dji.left(64 * 1024)));
        QTest::newRow("cut after its tags")
            << Temp("cut after its tags.jpg") << kDjiPosition << kDjiCamera;
    }

    void photo()
    {
        QFETCH(QString, file);
        QFETCH(QString, position);
        QFETCH(QString, camera);
        QVERIFY(!kvimage::GetGPSFromImage(Image(file), nullptr));
        if (!position.isNull()) {
            Lla lla = kUntouched;
            QCOMPARE(kvimage::GetGPSFromImage(Image(file), lla.data()), !position.isEmpty());
            QCOMPARE(Position(lla), position.isEmpty() ? Position(kUntouched) : position);
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
                    Lla lla = {};
                    CameraInfo camera;
                    failures += kvimage::GetGPSFromImage(files[i], lla.data()) != (i < 3);
                    failures += i == 1 && Position(lla) != kLensCapPosition;
                    failures += kvimage::GetCameraFormImage(files[i], camera) != (i < 3);
                }
            });
        for (std::thread& thread : threads)
            thread.join();
        QCOMPARE(failures.load(), 0);
    }

    // The fast reader and Exiv2 agree bit for bit on every real photo of the
    // tree and of the shared collection, and the fast reader does answer for
    // the photos of drones.
    void fastReaderMatchesExiv2_data()
    {
        QTest::addColumn<QString>("path");
        QStringList photos;
        for (const QString& root : {kImages, QStringLiteral("/work/shared/realdata/images")}) {
            QDirIterator it(root, {"*.jpg", "*.JPG", "*.jpeg"}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                photos << it.next();
        }
        QVERIFY(photos.size() >= 9);
        for (const QString& path : photos)
            QTest::newRow(qPrintable(path.section('/', -1))) << path;
    }

    void fastReaderMatchesExiv2()
    {
        QFETCH(QString, path);
        Lla exiv2 = kUntouched, fast = kUntouched, both = kUntouched;
        const bool by_exiv2 = kvimage::detail::GpsFromExiv2(Image(path), exiv2.data());
        const bool by_fast = Fast(ReadFile(path).left(int(kvimage::detail::kGpsBlockSize)), fast);
        QCOMPARE(kvimage::GetGPSFromImage(Image(path), both.data()), by_exiv2);
        QVERIFY(SameBits(both, exiv2));
        QVERIFY(SameBits(fast, by_fast ? exiv2 : kUntouched));
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
        Lla fast = kUntouched, exiv2 = kUntouched;
        const bool by_fast = kvimage::GetGPSFromImage(path, fast.data());
        const bool by_exiv2 = kvimage::detail::GpsFromExiv2(path, exiv2.data());
        // Qt cannot name the file to remove it with the folder.
        QCOMPARE(std::remove(path.c_str()), 0);
        QVERIFY(by_fast && by_exiv2);
        QCOMPARE(Position(fast), kDjiPosition);
        QVERIFY(SameBits(fast, exiv2));
    }

    // Hand-made tags: the fast reader answers where it is sure and leaves the
    // rest to Exiv2, whose answer the caller gets either way.
    void handMade_data()
    {
        QTest::addColumn<QByteArray>("jpeg");
        QTest::addColumn<bool>("fast");
        QTest::addColumn<QString>("expected"); // empty: no position

        const QString plain = QStringLiteral("-8.303950000, 115.484166667, 0");
        const QString xmpHeight = QStringLiteral("-8.303950000, 115.484166667, 1189.641");
        const auto row = [](const char* name, const QByteArray& jpeg, bool fast,
                            const QString& expected = QString()) {
            QTest::newRow(name) << jpeg << fast << expected;
        };
        const auto gps = [](const std::function<void(Ifd&)>& change) {
            Ifd ifd = PlainGps();
            change(ifd);
            return Jpeg(Tiff(ifd));
        };
        row("plain", Jpeg(Tiff(PlainGps())), true, plain);
        Ifd altitude = PlainGps();
        altitude.Add(5, 1, 1, QByteArray(1, '\1')).Add(6, 5, 1, U32({1234, 10}));
        row("below sea level", Jpeg(Tiff(altitude)), true, "-8.303950000, 115.484166667, -123.4");

        const QByteArray xmp
            = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
              "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><rdf:Description "
              "rdf:about=\"\" xmlns:drone-dji=\"http://www.dji.com/drone-dji/1.0/\" "
              "drone-dji:AbsoluteAltitude=\"+1189.641\"/></rdf:RDF></x:xmpmeta>";
        const QByteArray element = QByteArray(xmp).replace(
            "drone-dji:AbsoluteAltitude=\"+1189.641\"/>",
            "><drone-dji:AbsoluteAltitude>12.5</drone-dji:AbsoluteAltitude></rdf:Description>");
        row("altitude from XMP", Jpeg(Tiff(PlainGps()), xmp), true, xmpHeight);
        row("XMP altitude as an element", Jpeg(Tiff(PlainGps()), element), true,
            "-8.303950000, 115.484166667, 12.5");
        row("malformed XMP, no altitude",
            Jpeg(Tiff(PlainGps()), QByteArray(xmp).replace("<rdf:RDF ", "<rdf:RDF <")), false,
            plain);
        row("text beside the XMP properties",
            Jpeg(Tiff(PlainGps()),
                 QByteArray(element).replace("<drone-dji:AbsoluteAltitude>",
                                             "?<drone-dji:AbsoluteAltitude>")),
            false, plain);
        row("GPS IFD out of range", Jpeg(Tiff(PlainGps(), 0xfffffff0u)), false);
        row("huge count", gps([](Ifd& i) { i.tags[1].count = 0x20000000u; }), false);
        // LONG instead of RATIONAL
        row("latitude of the wrong type", gps([](Ifd& i) { i.tags[1].type = 4; }), false);
        row("zero denominator", gps([](Ifd& i) {
                i.tags[1].value = U32({8, 0, 18, 1, 1422, 100});
            }),
            false);
        row("numerator above 2^31 reads negative", gps([](Ifd& i) {
                i.tags[3].value = U32({0x80000073u, 1, 29, 1, 3, 1});
            }),
            false);
        row("next IFD loops to itself", gps([](Ifd& i) { i.next = 26; }), true, plain);
        QByteArray not_jpeg = Jpeg(Tiff(PlainGps()));
        not_jpeg[1] = '\xd9';
        row("not a JPEG", not_jpeg, false);
    }

    void handMade()
    {
        QFETCH(QByteArray, jpeg);
        QFETCH(bool, fast);
        QFETCH(QString, expected);
        Lla lla = kUntouched, exiv2 = kUntouched, both = kUntouched;
        QCOMPARE(Fast(jpeg, lla), fast);
        QCOMPARE(Position(lla), fast ? expected : Position(kUntouched));

        const QString path = Temp(QStringLiteral("手工 %1.jpg").arg(QTest::currentDataTag()));
        QVERIFY(WriteFile(path, jpeg));
        QCOMPARE(kvimage::detail::GpsFromExiv2(Image(path), exiv2.data()), !expected.isEmpty());
        QCOMPARE(Position(exiv2), expected.isEmpty() ? Position(kUntouched) : expected);
        QCOMPARE(kvimage::GetGPSFromImage(Image(path), both.data()), !expected.isEmpty());
        QVERIFY(SameBits(both, exiv2));
    }

private:
    QString Temp(const QString& name) const { return m_temp.path() + QLatin1Char('/') + name; }

    QTemporaryDir m_temp;
};

QTEST_GUILESS_MAIN(TestKvImage)
#include "tst_kvimage.moc"
