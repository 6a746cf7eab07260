// Positions read from the photos' own GPS tags, without the page: real drone
// photos, photos made here with chosen tags, and files that are no photos.

#include "imagery/exifpositions.h"
#include "imagerytest.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

using imagerytest::WriteFile;

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");

void Append16(QByteArray& data, quint16 value)
{
    data.append(char(value & 0xff)).append(char(value >> 8));
}

void Append32(QByteArray& data, quint32 value)
{
    Append16(data, quint16(value & 0xffff));
    Append16(data, quint16(value >> 16));
}

void AppendEntry(QByteArray& data, quint16 tag, quint16 type, quint32 count, quint32 value)
{
    Append16(data, tag);
    Append16(data, type);
    Append32(data, count);
    Append32(data, value);
}

// Degrees, minutes and seconds as three rationals.
void AppendDms(QByteArray& data, double degrees)
{
    degrees = std::fabs(degrees);
    const double whole = std::floor(degrees);
    const double minutes = std::floor((degrees - whole) * 60.0);
    const double seconds = ((degrees - whole) * 60.0 - minutes) * 60.0;
    const quint32 rationals[6]
        = {quint32(whole), 1, quint32(minutes), 1, quint32(std::llround(seconds * 10000.0)), 10000};
    for (quint32 value : rationals)
        Append32(data, value);
}

// A small JPEG whose EXIF holds only a GPS block with these values.
QByteArray PhotoWithGps(double latitude, double longitude, double altitude)
{
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");

    // Little-endian TIFF: IFD0 with the GPS pointer at 8, the GPS IFD at 26,
    // its rationals from 104 on.
    constexpr quint32 kGpsIfd = 26;
    constexpr quint32 kData = kGpsIfd + 2 + 6 * 12 + 4;
    constexpr quint16 kAscii = 2, kLong = 4, kRational = 5, kByte = 1;
    QByteArray tiff("II");
    Append16(tiff, 42);
    Append32(tiff, 8);
    Append16(tiff, 1);
    AppendEntry(tiff, 0x8825, kLong, 1, kGpsIfd);
    Append32(tiff, 0);
    Append16(tiff, 6);
    AppendEntry(tiff, 0x0001, kAscii, 2, latitude < 0 ? 'S' : 'N');
    AppendEntry(tiff, 0x0002, kRational, 3, kData);
    AppendEntry(tiff, 0x0003, kAscii, 2, longitude < 0 ? 'W' : 'E');
    AppendEntry(tiff, 0x0004, kRational, 3, kData + 24);
    AppendEntry(tiff, 0x0005, kByte, 1, altitude < 0 ? 1 : 0);
    AppendEntry(tiff, 0x0006, kRational, 1, kData + 48);
    Append32(tiff, 0);
    AppendDms(tiff, latitude);
    AppendDms(tiff, longitude);
    Append32(tiff, quint32(std::llround(std::fabs(altitude) * 100.0)));
    Append32(tiff, 100);

    QByteArray app1("\xff\xe1", 2);
    const int length = 2 + 6 + tiff.size();
    app1.append(char(length >> 8)).append(char(length & 0xff));
    app1.append("Exif\0\0", 6).append(tiff);
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

QString Describe(const kvfd::EOP& eop)
{
    return QString::asprintf("%.6f %.6f %.2f %g %g %g", eop.X, eop.Y, eop.Z, eop.Omega, eop.Phi,
                             eop.Kappa);
}

} // namespace

class TestExifPositions : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // A folder whose name holds Chinese and a space.
    QString Folder() const { return m_dir.filePath(QStringLiteral("航测 照片")); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void oneFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("content"); // written to path unless null
        QTest::addColumn<QString>("position");   // X Y Z Omega Phi Kappa; empty: none
        const QString folder = Folder();

        QTest::newRow("drone photo")
            << kImages + "/DJI_0024.JPG" << QByteArray() << "-91.993697 46.842865 198.41 0 0 0";
        QTest::newRow("altitude from XMP, south")
            << kImages + "/DJI_20251001213509_0003_D_LENS_CAP.JPG" << QByteArray()
            << "115.484150 -8.303950 1189.64 0 0 0";
        QTest::newRow("below sea level") << kImages + "/FurnaceCreekInn.jpg" << QByteArray()
                                         << "-116.855000 36.448333 -14.28 0 0 0";
        QTest::newRow("EXIF without GPS") << kImages + "/Canon.jpg" << QByteArray() << QString();
        QTest::newRow("no EXIF at all")
            << kImages + "/drone-testdata-agung-1-example.jpg" << QByteArray() << QString();

        QTest::newRow("made here, Chinese name")
            << folder + "/测区 001.jpg" << PhotoWithGps(30.5, 114.3, 35.25)
            << "114.300000 30.500000 35.25 0 0 0";
        QTest::newRow("altitude 0")
            << folder + "/a0.jpg" << PhotoWithGps(30.5, 114.3, 0.0) << QString();
        QTest::newRow("latitude 0")
            << folder + "/b0.jpg" << PhotoWithGps(0.0, 114.3, 35.0) << QString();
        QTest::newRow("longitude 0")
            << folder + "/c0.jpg" << PhotoWithGps(51.5, 0.0, 35.0) << QString();

        QFile photo(kImages + "/DJI_0024.JPG");
        photo.open(QIODevice::ReadOnly);
        const QByteArray whole = photo.readAll();
        QTest::newRow("truncated in the EXIF block")
            << folder + "/截断.JPG" << whole.left(1024) << QString();
        QTest::newRow("EXIF block cut to its header")
            << folder + "/header.JPG" << PhotoWithGps(30.5, 114.3, 35.0).left(40) << QString();
        QTest::newRow("text named .jpg")
            << folder + "/假 照片.jpg" << QByteArray("plain text, not a photo\n") << QString();
        QTest::newRow("empty file") << folder + "/empty.jpg" << QByteArray("") << QString();
        QTest::newRow("missing file") << folder + "/missing.jpg" << QByteArray() << QString();
    }

    // Any file is either positioned with its tags or left exactly as it was.
    void oneFile()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, content);
        QFETCH(QString, position);
        if (!content.isNull())
            QVERIFY(WriteFile(path, content));

        kvfd::ImageInfoSet images;
        const kvfd::EOP before {7.0, 8.0, 9.0, 0.1, 0.2, 0.3};
        const int i = images.AddImage(QFileInfo(path).fileName().toStdString(),
                                      QFileInfo(path).path().toStdString(), before, 0, false);
        const std::vector<PosData> records = kvui::ReadExifPositions(images, 0);

        const kvfd::ImageInfo& image = *images.GetImage(i);
        if (position.isEmpty()) {
            QVERIFY(records.empty());
            QCOMPARE(Describe(image.GetEOP()), Describe(before));
            QVERIFY(!images.GetImageExt(i)->enabled);
            return;
        }
        QCOMPARE(Describe(image.GetEOP()), position);
        QVERIFY(images.GetImageExt(i)->enabled);
        QCOMPARE(int(records.size()), 1);
        QCOMPARE(records[0].name, image.Name());
        QCOMPARE(Describe(records[0].eop), position);
    }

    // Many images over two cameras, read in parallel: records in image order,
    // the other camera's images and removed slots untouched.
    void onlyTheCameraInImageOrder()
    {
        const QString dir = Folder() + "/many";
        for (int k = 0; k < 3; ++k)
            QVERIFY(WriteFile(QString("%1/p%2.jpg").arg(dir).arg(k),
                              PhotoWithGps(30.0 + k, 114.0 + k, 100.0 + k)));
        QVERIFY(WriteFile(dir + "/none.jpg", "no photo"));

        kvfd::ImageInfoSet images;
        QStringList expected;
        QStringList expectedNames;
        for (int i = 0; i < 300; ++i) {
            const int k = i % 4;
            const std::string name = k == 3 ? "none.jpg" : "p" + std::to_string(k) + ".jpg";
            const int camera = (i / 4) % 2;
            images.AddImage(name, dir.toStdString(), {}, camera, false);
            if (camera == 1 && k != 3 && i % 5 != 0) {
                expected << QString("%1 %2").arg(i).arg(114.0 + k);
                expectedNames << QString::fromStdString(name);
            }
        }
        for (int i = 0; i < images.Size(); i += 5)
            images.RemoveImage(i);

        const std::vector<PosData> records = kvui::ReadExifPositions(images, 1);
        QStringList seen;
        QStringList read;
        for (int i = 0; i < images.Size(); ++i) {
            const kvfd::ImageInfo* image = images.GetImage(i);
            if (!image)
                continue;
            const bool enabled = images.GetImageExt(i)->enabled;
            QCOMPARE(enabled, image->GetCamera() == 1 && image->Name() != "none.jpg");
            if (enabled)
                seen << QString("%1 %2").arg(i).arg(image->GetEOP().X);
        }
        for (const PosData& record : records)
            read << QString::fromStdString(record.name);
        QCOMPARE(seen, expected);
        QCOMPARE(read, expectedNames);
    }

    // Files of 256 MiB (sparse, so the disk is not filled): the tags at the
    // front of a photo are read without the rest; zeros are no photo.
    void oversized_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("read");
        QTest::newRow("photo with a long tail") << PhotoWithGps(30.5, 114.3, 35.0) << true;
        QTest::newRow("zeros") << QByteArray() << false;
    }

    void oversized()
    {
        QFETCH(QByteArray, head);
        QFETCH(bool, read);
        const QString path = Folder() + "/big.jpg";
        QVERIFY(WriteFile(path, head));
        QVERIFY(QFile::resize(path, qint64(256) << 20));

        kvfd::ImageInfoSet images;
        images.AddImage("big.jpg", Folder().toStdString(), {}, 0, false);
        QCOMPARE(int(kvui::ReadExifPositions(images, 0).size()), read ? 1 : 0);
        QCOMPARE(images.GetImageExt(0)->enabled, read);
        QFile::remove(path);
    }

    // A name that is no UTF-8 (as a Latin-1 system writes it) still names the
    // file; the bytes reach the reader unchanged.
    void nonUtf8Name()
    {
        const QByteArray dir = QFile::encodeName(Folder());
        QVERIFY(QDir().mkpath(Folder()));
        const std::string name = "\xe9t\xe9 1.jpg";
        const std::string path = dir.toStdString() + '/' + name;
        const QByteArray photo = PhotoWithGps(-33.5, 151.25, 12.0);
        FILE* file = std::fopen(path.c_str(), "wb");
        QVERIFY(file);
        QCOMPARE(std::fwrite(photo.constData(), 1, std::size_t(photo.size()), file),
                 std::size_t(photo.size()));
        std::fclose(file);

        kvfd::ImageInfoSet images;
        images.AddImage(name, dir.toStdString(), {}, 0, false);
        const std::vector<PosData> records = kvui::ReadExifPositions(images, 0);
        QCOMPARE(int(records.size()), 1);
        QCOMPARE(records[0].name, name);
        QCOMPARE(Describe(images.GetImage(0)->GetEOP()),
                 QStringLiteral("151.250000 -33.500000 12.00 0 0 0"));
    }

    void nothingToRead()
    {
        kvfd::ImageInfoSet images;
        QVERIFY(kvui::ReadExifPositions(images, 0).empty());
        images.AddImage("p.jpg", "/nowhere", {}, 1, false);
        QVERIFY(kvui::ReadExifPositions(images, 0).empty());
        QVERIFY(!images.GetImageExt(0)->enabled);
    }
};

QTEST_GUILESS_MAIN(TestExifPositions)
#include "tst_exifpositions.moc"
