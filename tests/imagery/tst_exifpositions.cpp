// Positions read from the photos' own GPS tags, without the page. The photo
// reader has its own suite; here: which images are read, the rule for values
// without a fix, and what is left of an image whose file gives nothing.

#include "imagery/exifpositions.h"
#include "imagerytest.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

using imagerytest::WriteFile;

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");

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
    constexpr quint32 kGpsIfd = 26, kData = kGpsIfd + 2 + 6 * 12 + 4;
    constexpr quint16 kByte = 1, kAscii = 2, kLong = 4, kRational = 5;
    QByteArray tiff;
    QDataStream out(&tiff, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    auto entry = [&out](quint16 tag, quint16 type, quint32 count, quint32 value) {
        out << tag << type << count << value;
    };
    out << quint8('I') << quint8('I') << quint16(42) << quint32(8) << quint16(1);
    entry(0x8825, kLong, 1, kGpsIfd);
    out << quint32(0) << quint16(6);
    entry(0x0001, kAscii, 2, latitude < 0 ? 'S' : 'N');
    entry(0x0002, kRational, 3, kData);
    entry(0x0003, kAscii, 2, longitude < 0 ? 'W' : 'E');
    entry(0x0004, kRational, 3, kData + 24);
    entry(0x0005, kByte, 1, altitude < 0 ? 1 : 0);
    entry(0x0006, kRational, 1, kData + 48);
    out << quint32(0);
    for (double degrees : {std::fabs(latitude), std::fabs(longitude)}) {
        const double whole = std::floor(degrees), minutes = std::floor((degrees - whole) * 60.0);
        const double seconds = ((degrees - whole) * 60.0 - minutes) * 60.0;
        out << quint32(whole) << quint32(1) << quint32(minutes) << quint32(1)
            << quint32(std::llround(seconds * 10000.0)) << quint32(10000);
    }
    out << quint32(std::llround(std::fabs(altitude) * 100.0)) << quint32(100);

    const int length = 2 + 6 + tiff.size();
    const QByteArray app1 = QByteArray("\xff\xe1", 2) + char(length >> 8) + char(length & 0xff)
        + QByteArray("Exif\0\0", 6) + tiff;
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
        QTest::addColumn<int>("mib");            // the file made this long, sparse
        QTest::addColumn<QString>("position");   // X Y Z Omega Phi Kappa; empty: none
        const QString folder = Folder();
        const QByteArray none;
        auto row = [](const char* name, const QString& path, const QByteArray& content, int mib,
                      const QString& position) {
            QTest::newRow(name) << path << content << mib << position;
        };
        row("drone photo", kImages + "/DJI_0024.JPG", none, 0, "-91.993697 46.842865 198.41 0 0 0");
        row("below sea level", kImages + "/FurnaceCreekInn.jpg", none, 0,
            "-116.855000 36.448333 -14.28 0 0 0");
        row("EXIF without GPS", kImages + "/Canon.jpg", none, 0, QString());
        row("made here, Chinese name", folder + "/测区 001.jpg", PhotoWithGps(30.5, 114.3, 35.25),
            0, "114.300000 30.500000 35.25 0 0 0");
        // A zero is what a camera writes before it has a fix.
        row("altitude 0", folder + "/a0.jpg", PhotoWithGps(30.5, 114.3, 0.0), 0, QString());
        row("EXIF block cut to its header", folder + "/header.JPG",
            PhotoWithGps(30.5, 114.3, 35.0).left(40), 0, QString());
        row("text named .jpg", folder + "/假 照片.jpg", "plain text, not a photo\n", 0, QString());
        // The tags at the front of a photo are read without the rest.
        row("256 MiB photo", folder + "/big.jpg", PhotoWithGps(30.5, 114.3, 35.0), 256,
            "114.300000 30.500000 35.00 0 0 0");
    }

    // Any file is either positioned with its tags or left exactly as it was.
    void oneFile()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, content);
        QFETCH(int, mib);
        QFETCH(QString, position);
        if (!content.isNull())
            QVERIFY(WriteFile(path, content));
        if (mib > 0)
            QVERIFY(QFile::resize(path, qint64(mib) << 20));

        kvfd::ImageInfoSet images;
        const kvfd::EOP before {7.0, 8.0, 9.0, 0.1, 0.2, 0.3};
        const int i = images.AddImage(QFileInfo(path).fileName().toStdString(),
                                      QFileInfo(path).path().toStdString(), before, 0, false);
        const std::vector<PosData> records = kvui::ReadExifPositions(images, 0);
        if (mib > 0)
            QFile::remove(path);

        const kvfd::ImageInfo& image = *images.GetImage(i);
        QCOMPARE(Describe(image.GetEOP()), position.isEmpty() ? Describe(before) : position);
        QCOMPARE(images.GetImageExt(i)->enabled, !position.isEmpty());
        QCOMPARE(int(records.size()), position.isEmpty() ? 0 : 1);
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

        // Image i: photo i % 4 (the fourth is none), camera (i / 4) % 2,
        // removed when i % 5 == 0.
        kvfd::ImageInfoSet images;
        QStringList expected, seen;
        for (int i = 0; i < 300; ++i) {
            const int k = i % 4;
            const std::string name = k == 3 ? "none.jpg" : "p" + std::to_string(k) + ".jpg";
            images.AddImage(name, dir.toStdString(), {}, (i / 4) % 2, false);
            if ((i / 4) % 2 == 1 && k != 3 && i % 5 != 0)
                expected << QString("%1 %2 p%3.jpg").arg(i).arg(114.0 + k).arg(k);
        }
        for (int i = 0; i < images.Size(); i += 5)
            images.RemoveImage(i);

        const std::vector<PosData> records = kvui::ReadExifPositions(images, 1);
        for (int i = 0; i < images.Size(); ++i) {
            const kvfd::ImageInfo* image = images.GetImage(i);
            if (image && images.GetImageExt(i)->enabled)
                seen << QString("%1 %2").arg(i).arg(image->GetEOP().X);
        }
        for (int r = 0; r < int(records.size()) && r < seen.size(); ++r)
            seen[r] += ' ' + QString::fromStdString(records[std::size_t(r)].name);
        QCOMPARE(int(records.size()), seen.size());
        QCOMPARE(seen, expected);
    }

    // A name that is no UTF-8 (as a Latin-1 system writes it) still names the
    // file; the bytes reach the reader unchanged.
    void nonUtf8Name()
    {
        const QByteArray dir = QFile::encodeName(Folder());
        QVERIFY(QDir().mkpath(Folder()));
        const std::string name = "\xe9t\xe9 1.jpg";
        const QByteArray photo = PhotoWithGps(-33.5, 151.25, 12.0);
        FILE* file = std::fopen((dir.toStdString() + '/' + name).c_str(), "wb");
        QVERIFY(file);
        QCOMPARE(std::fwrite(photo.constData(), 1, std::size_t(photo.size()), file),
                 std::size_t(photo.size()));
        std::fclose(file);

        kvfd::ImageInfoSet images;
        images.AddImage(name, dir.toStdString(), {}, 0, false);
        const std::vector<PosData> records = kvui::ReadExifPositions(images, 0);
        QCOMPARE(int(records.size()), 1);
        QCOMPARE(Describe(images.GetImage(0)->GetEOP()),
                 QStringLiteral("151.250000 -33.500000 12.00 0 0 0"));
    }
};

QTEST_GUILESS_MAIN(TestExifPositions)
#include "tst_exifpositions.moc"
