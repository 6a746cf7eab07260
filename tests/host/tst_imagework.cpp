#include "host/imagework.h"
#include "host/imageworkraster.h"
#include "hosttest.h"
#include "kvfd/distortion.h"
#include "kvkernel/kvprogress.h"
#include "modalanswer.h"
#include "writefaults.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <exiv2/exiv2.hpp>
#include <map>
#include <unistd.h>

using namespace kvhost;
using hosttest::StubProgress;

namespace {

const QString kPhotos = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/");

QByteArray Checksum(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

std::map<QString, QByteArray> Checksums(const QStringList& files)
{
    std::map<QString, QByteArray> sums;
    for (const QString& file : files)
        sums[file] = Checksum(file);
    return sums;
}

QStringList FilesOf(const QString& folder)
{
    QStringList files;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
        files << info.absoluteFilePath();
    return files;
}

// Leftovers of a write that did not finish: the engine's ".part" files.
QStringList PartFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.part*")}, QDir::Files | QDir::Hidden);
}

QString GpsLatitude(const QString& path)
{
    try {
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        const auto it = image->exifData().findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude"));
        return it == image->exifData().end() ? QString() : QString::fromStdString(it->toString());
    } catch (const std::exception&) {
        return {};
    }
}

bool Copy(const QString& from, const QString& to)
{
    return QFile::copy(from, to)
        && QFile::setPermissions(to, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// "png,rot90,..." -> steps.
std::vector<ImageStep> Chain(const QString& text)
{
    const std::map<QString, ImageStepKind> kinds {{"quarter", ImageStepKind::Resample},
                                                  {"rot90", ImageStepKind::Rotate},
                                                  {"ovr", ImageStepKind::Overviews},
                                                  {"enhance", ImageStepKind::Enhance},
                                                  {"balance", ImageStepKind::ColorBalance}};
    std::vector<ImageStep> steps;
    for (const QString& word : text.split(',', Qt::SkipEmptyParts)) {
        ImageStep step;
        step.kind = kinds.count(word) ? kinds.at(word) : ImageStepKind::Format;
        step.format = word;
        step.rate = 0.25;
        steps.push_back(step);
        if (steps.back().kind != ImageStepKind::Format)
            steps.back().format = QStringLiteral("GTiff");
    }
    return steps;
}

// A minimal DNG: 64 x 48 pixels of 16-bit RGGB mosaic, a grey ramp, with
// the tags a raw developer needs and nothing more. Little-endian TIFF.
QByteArray MinimalDng()
{
    const quint32 w = 64, h = 48;
    struct Entry
    {
        quint16 tag, type;
        quint32 count;
        QByteArray data; // the value bytes
    };
    auto shorts = [](std::initializer_list<quint16> values) {
        QByteArray bytes;
        for (quint16 v : values)
            bytes.append(char(v & 0xff)).append(char(v >> 8));
        return bytes;
    };
    auto longs = [](std::initializer_list<qint32> values) {
        QByteArray bytes;
        for (qint32 v : values)
            for (int i = 0; i < 4; ++i)
                bytes.append(char((quint32(v) >> (8 * i)) & 0xff));
        return bytes;
    };
    const QByteArray identity = longs({1, 1, 0, 1, 0, 1, 0, 1, 1, 1, 0, 1, 0, 1, 0, 1, 1, 1});
    std::vector<Entry> entries {
        {254, 4, 1, longs({0})},
        {256, 4, 1, longs({qint32(w)})},
        {257, 4, 1, longs({qint32(h)})},
        {258, 3, 1, shorts({16})},
        {259, 3, 1, shorts({1})},
        {262, 3, 1, shorts({32803})},
        {271, 2, 7, QByteArray("Kvtest", 7)},
        {272, 2, 5, QByteArray("Grid", 5)},
        {273, 4, 1, longs({0})}, // the strip offset, set below
        {277, 3, 1, shorts({1})},
        {278, 4, 1, longs({qint32(h)})},
        {279, 4, 1, longs({qint32(w * h * 2)})},
        {284, 3, 1, shorts({1})},
        {33421, 3, 2, shorts({2, 2})},
        {33422, 1, 4, QByteArray("\0\1\1\2", 4)},
        {50706, 1, 4, QByteArray("\1\4\0\0", 4)},
        {50708, 2, 12, QByteArray("Kvtest Grid", 12)},
        {50717, 4, 1, longs({65535})},
        {50721, 10, 9, identity},
        {50778, 3, 1, shorts({21})},
    };
    const quint32 ifd = 8;
    const quint32 extra = ifd + 2 + 12 * quint32(entries.size()) + 4;
    QByteArray values; // values longer than four bytes, after the IFD
    QByteArray directory = shorts({quint16(entries.size())});
    quint32 strip = 0;
    for (int pass = 0; pass < 2; ++pass) {
        values.clear();
        directory = shorts({quint16(entries.size())});
        for (Entry& e : entries) {
            if (e.tag == 273)
                e.data = longs({qint32(strip)});
            directory += shorts({e.tag, e.type}) + longs({qint32(e.count)});
            if (e.data.size() <= 4) {
                directory += e.data + QByteArray(4 - e.data.size(), '\0');
            } else {
                directory += longs({qint32(extra + values.size())});
                values += e.data;
                if (values.size() % 2)
                    values += '\0';
            }
        }
        directory += longs({0});
        strip = extra + quint32(values.size());
    }
    QByteArray pixels;
    for (quint32 y = 0; y < h; ++y)
        for (quint32 x = 0; x < w; ++x)
            pixels += shorts({quint16(1000 + 900 * x + 300 * y)});
    return QByteArray("II*\0", 4) + longs({qint32(ifd)}) + directory + values + pixels;
}

// A Brown camera of 800 x 600 pixels with all four coefficients set.
kvfd::CameraInfo GridCamera()
{
    kvfd::CameraInfo camera;
    camera.width = 800;
    camera.height = 600;
    camera.pixel_size_x = camera.pixel_size_y = 0.004;
    camera.ccd_width = 3.2;
    camera.ccd_height = 2.4;
    camera.focal = 700 * 0.004;
    camera.x0 = 405.5;
    camera.y0 = 296.25;
    camera.dtype = 3;
    camera.k1 = -0.12;
    camera.k2 = 0.05;
    camera.p1 = 0.002;
    camera.p2 = -0.0015;
    return camera;
}

} // namespace

class TestImageWork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_sources = m_dir.filePath(QStringLiteral("sources"));
        QVERIFY(QDir().mkpath(m_sources));
        for (const char* name : {"DJI_0024.JPG", "FurnaceCreekInn.jpg"}) {
            QVERIFY(Copy(kPhotos + name, m_sources + '/' + name));
            m_photos << m_sources + '/' + name;
        }
    }

    void chain_data()
    {
        QTest::addColumn<QString>("chain");
        QTest::addColumn<int>("divide");
        QTest::addColumn<QString>("driver");
        QTest::addColumn<bool>("turned");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("tags");
        QTest::newRow("rotate 90 to PNG") << "PNG,rot90" << 1 << "PNG" << true << "png" << true;
        QTest::newRow("enhance and balance")
            << "quarter,enhance,balance,GTiff" << 4 << "GTiff" << false << "tif" << true;
        QTest::newRow("BMP holds no tags")
            << "BMP,quarter" << 4 << "BMP" << false << "bmp" << false;
    }

    void chain()
    {
        QFETCH(QString, chain);
        QFETCH(QString, driver);
        QFETCH(QString, extension);
        QFETCH(int, divide);
        QFETCH(bool, turned);
        QFETCH(bool, tags);
        const auto before = Checksums(m_photos);
        QTemporaryDir out;
        ImageJob job;
        job.images = m_photos;
        job.destination = out.path();
        job.steps = Chain(chain);
        job.tiffOptions << QStringLiteral("COMPRESS=LZW");
        StubProgress progress;

        const ImageJobResult result = RunImageJob(job, &progress);

        QVERIFY2(!result.refused && !result.cancelled, qPrintable(result.message));
        QCOMPARE(result.Done(), 2);
        QVERIFY(progress.ended);
        std::vector<Raster> outputs;
        for (const ImageOutcome& outcome : result.outcomes) {
            QVERIFY2(outcome.done, qPrintable(outcome.reason));
            QCOMPARE(outcome.output,
                     out.filePath(QFileInfo(outcome.source).completeBaseName() + '.' + extension));
            QCOMPARE(DriverOf(outcome.output), driver);
            Raster source, written;
            QString error;
            QVERIFY(ReadRaster(outcome.source, 1.0, ResampleMethod::Nearest, source, error));
            QVERIFY(ReadRaster(outcome.output, 1.0, ResampleMethod::Nearest, written, error));
            const int w = int(std::lround(double(source.width) / divide));
            const int h = int(std::lround(double(source.height) / divide));
            QCOMPARE(written.width, turned ? h : w);
            QCOMPARE(written.height, turned ? w : h);
            if (turned) // lossless: the bottom-left source pixel is now top-left
                for (int b = 0; b < 3; ++b)
                    QCOMPARE(written.Band<std::uint8_t>(b)[0],
                             source.Band<std::uint8_t>(
                                 b)[std::size_t(source.height - 1) * source.width]);
            QCOMPARE(GpsLatitude(outcome.output), tags ? GpsLatitude(outcome.source) : QString());
            QCOMPARE(outcome.reason.isEmpty(), tags);
            outputs.push_back(std::move(written));
        }
        if (chain.contains("balance")) {
            const ChannelStats a = MeasureRaster(outputs[0]), b = MeasureRaster(outputs[1]);
            for (int c = 0; c < 3; ++c) {
                QVERIFY(std::abs(a.mean[c] - b.mean[c]) < 4.0);
                QVERIFY(std::abs(a.deviation[c] - b.deviation[c]) < 4.0);
            }
        }
        QVERIFY(PartFiles(out.path()).isEmpty());
        QVERIFY(Checksums(m_photos) == before);
    }

    // A dot drawn where the lens puts an ideal point must come out at that
    // ideal point.
    void undistortionMovesPointsByTheModel_data()
    {
        QTest::addColumn<bool>("toCenter");
        QTest::newRow("in place") << false;
        QTest::newRow("principal point to centre") << true;
    }

    void undistortionMovesPointsByTheModel()
    {
        QFETCH(bool, toCenter);
        const kvfd::CameraInfo camera = GridCamera();
        QImage grid(camera.width, camera.height, QImage::Format_Grayscale16);
        grid.fill(0);
        std::vector<kvfd::ImagePoint> ideals;
        for (int gy = 60; gy < camera.height - 40; gy += 80)
            for (int gx = 60; gx < camera.width - 40; gx += 80)
                ideals.push_back({gx + 0.3, gy + 0.6});
        for (const kvfd::ImagePoint& p : ideals) {
            const kvfd::ImagePoint offset = kvfd::GetDistortionValue(camera, p);
            const double dx = p.x + offset.x, dy = p.y + offset.y;
            for (int y = int(dy) - 6; y <= int(dy) + 6; ++y)
                for (int x = int(dx) - 6; x <= int(dx) + 6; ++x) {
                    if (x < 0 || y < 0 || x >= grid.width() || y >= grid.height())
                        continue;
                    const double v = 60000.0
                        * std::exp(-((x - dx) * (x - dx) + (y - dy) * (y - dy)) / (2 * 1.6 * 1.6));
                    auto* line = reinterpret_cast<quint16*>(grid.scanLine(y));
                    line[x] = quint16(std::min(65535.0, line[x] + v));
                }
        }
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("in")));
        const QString source = dir.filePath(QStringLiteral("in/grid.png"));
        QVERIFY(grid.save(source));
        ImageJob job;
        job.images << source;
        job.destination = dir.filePath(QStringLiteral("out"));
        ImageStep step;
        step.kind = ImageStepKind::Distortion;
        step.camera = camera;
        step.toCenter = toCenter;
        step.toTif = true;
        job.steps.push_back(step);
        const ImageJobResult result = RunImageJob(job, static_cast<kvkernel::KvProgress*>(nullptr));
        QVERIFY2(result.Done() == 1, qPrintable(result.message));
        QCOMPARE(DriverOf(result.outcomes[0].output), QStringLiteral("GTiff"));
        Raster out;
        QString error;
        QVERIFY(ReadRaster(result.outcomes[0].output, 1.0, ResampleMethod::Nearest, out, error));
        QVERIFY(out.wide);
        const double shiftX = toCenter ? camera.x0 - camera.width / 2.0 : 0.0;
        const double shiftY = toCenter ? camera.y0 - camera.height / 2.0 : 0.0;
        for (const kvfd::ImagePoint& p : ideals) {
            const double cx = p.x - shiftX, cy = p.y - shiftY;
            double sum = 0, sx = 0, sy = 0;
            for (int y = int(cy) - 5; y <= int(cy) + 6; ++y)
                for (int x = int(cx) - 5; x <= int(cx) + 6; ++x) {
                    const double v = out.Band<std::uint16_t>(0)[std::size_t(y) * out.width + x];
                    sum += v, sx += v * x, sy += v * y;
                }
            QVERIFY(sum > 0);
            QVERIFY2(std::hypot(sx / sum - cx, sy / sum - cy) < 0.1,
                     qPrintable(QStringLiteral("%1 %2").arg(cx).arg(cy)));
        }
    }

    // A raw file and a POS file naming it: a 16-bit RGB TIFF with the POS
    // position in its GPS tags; a second raw file without a record is
    // converted without them.
    void rawToTiffWithPositions()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("raw")));
        for (const char* name : {"IMG_0001.DNG", "IMG_0002.dng"})
            QVERIFY(hosttest::WriteFile(dir.filePath(QStringLiteral("raw/") + name), MinimalDng()));
        RawJob job;
        job.posFile = dir.filePath(QStringLiteral("位置.txt"));
        QVERIFY(hosttest::WriteFile(
            job.posFile, "name,lon,lat,height\r\nimg_0001,115.48415,-8.30395,1189.5\r\n"));
        job.rawFolder = dir.filePath(QStringLiteral("raw"));
        job.destination = dir.filePath(QStringLiteral("tif"));
        const ImageJobResult result = RunRawJob(job, static_cast<kvkernel::KvProgress*>(nullptr));
        QVERIFY2(result.Done() == 2, qPrintable(result.message));
        Raster tif;
        QString error;
        QVERIFY(ReadRaster(dir.filePath(QStringLiteral("tif/IMG_0001.tif")), 1.0,
                           ResampleMethod::Nearest, tif, error));
        QVERIFY(tif.wide);
        QCOMPARE(tif.bands, 3);
        auto image = Exiv2::ImageFactory::open(
            QFile::encodeName(dir.filePath(QStringLiteral("tif/IMG_0001.tif"))).toStdString());
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        auto tag = [&](const char* key) {
            const auto it = exif.findKey(Exiv2::ExifKey(key));
            return it == exif.end() ? std::string() : it->toString();
        };
        QCOMPARE(tag("Exif.GPSInfo.GPSLatitudeRef"), std::string("S"));
        QCOMPARE(tag("Exif.GPSInfo.GPSLatitude"), std::string("8/1 18/1 142200/10000"));
        QCOMPARE(tag("Exif.GPSInfo.GPSAltitude"), std::string("1189500/1000"));
        QCOMPARE(GpsLatitude(dir.filePath(QStringLiteral("tif/IMG_0002.tif"))), QString());
        QVERIFY(!result.outcomes[1].reason.isEmpty());
    }

    void cancelStopsBetweenImages()
    {
        QTemporaryDir dir;
        ImageJob job;
        for (int i = 0; i < 5; ++i) {
            job.images << dir.filePath(QStringLiteral("in/%1.jpg").arg(i));
            QDir().mkpath(dir.filePath("in"));
            QVERIFY(Copy(m_photos[1], job.images.last()));
        }
        job.destination = dir.filePath(QStringLiteral("out"));
        job.steps = Chain(QStringLiteral("GTiff,ovr"));
        job.threads = 1;
        StubProgress progress(2);
        const ImageJobResult result = RunImageJob(job, &progress);
        QVERIFY(result.cancelled);
        QVERIFY(progress.ends == 1 && !progress.ended);
        QCOMPARE(result.Done(), 2);
        QCOMPARE(QDir(job.destination).entryList(QDir::Files | QDir::Hidden).size(),
                 4); // 2 images + 2 .ovr
        QVERIFY(!result.outcomes[2].reason.isEmpty());
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("done");

        QTest::newRow("truncated JPEG") << "truncated" << false << 1;
        QTest::newRow("not an image") << "garbage" << false << 1;
        QTest::newRow("oversized BMP header") << "oversized" << false << 1;
        QTest::newRow("Chinese folders and names") << "chinese" << false << 2;
        QTest::newRow("destination inside the source folder") << "inside" << true << 0;
        QTest::newRow("destination cannot be written") << "readonly" << false << 0;
        QTest::newRow("destination full") << "full" << false << 0;
        QTest::newRow("zero-focal camera") << "zerofocal" << false << 0;
        QTest::newRow("distortion fields left empty") << "emptycamera" << true << 0;
        QTest::newRow("raw file that is not raw") << "notraw" << false << 0;
        QTest::newRow("truncated raw file") << "rawtruncated" << false << 0;
        QTest::newRow("POS file naming no raw file") << "posnomatch" << true << 0;
        QTest::newRow("POS file malformed") << "posgarbage" << true << 0;
    }

    void badInput()
    {
        QFETCH(QString, setup);
        QFETCH(bool, refused);
        QFETCH(int, done);
        QTemporaryDir dir;
        const QString in
            = dir.filePath(setup == "chinese" ? QStringLiteral("源 图像") : QStringLiteral("in"));
        QVERIFY(QDir().mkpath(in));
        ImageJob job;
        job.destination
            = dir.filePath(setup == "chinese" ? QStringLiteral("输出") : QStringLiteral("out"));
        job.steps = Chain(QStringLiteral("quarter"));
        const QString good
            = in + (setup == "chinese" ? QStringLiteral("/航片.jpg") : QStringLiteral("/good.jpg"));
        QVERIFY(Copy(m_photos[1], good));
        job.images << good;
        const QString bad = in + QStringLiteral("/bad.jpg");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (setup == "truncated") {
            QFile photo(m_photos[0]);
            QVERIFY(photo.open(QIODevice::ReadOnly));
            file.write(photo.read(photo.size() / 2));
        } else if (setup == "garbage") {
            file.write(QByteArray(5000, '\x5a'));
        } else if (setup == "oversized") {
            // A BMP header claiming 70000 x 70000 pixels of 24 bits.
            QByteArray header(54, '\0');
            header[0] = 'B', header[1] = 'M', header[10] = 54, header[14] = 40;
            for (int at : {18, 22}) // width and height, little-endian 70000
                header[at] = char(0x70), header[at + 1] = char(0x11), header[at + 2] = 1;
            header[26] = 1, header[28] = 24;
            file.write(header + QByteArray(4096, '\0'));
        } else if (setup == "chinese") {
            QFile photo(m_photos[0]);
            QVERIFY(photo.open(QIODevice::ReadOnly));
            file.write(photo.readAll());
        }
        file.close();
        if (setup != "truncated" && setup != "garbage" && setup != "oversized"
            && setup != "chinese")
            QFile::remove(bad);
        else
            job.images << bad;

        ImageStep distortion;
        distortion.kind = ImageStepKind::Distortion;
        distortion.camera = GridCamera();
        distortion.camera.width = 400;
        distortion.camera.height = 300;
        if (setup == "inside")
            job.destination = in + QStringLiteral("/out");
        else if (setup == "zerofocal") {
            distortion.camera.focal = 0;
            job.steps = {distortion};
        } else if (setup == "emptycamera") {
            distortion.camera.width = distortion.camera.height = 0;
            distortion.camera.pixel_size_x = std::nan("");
            job.steps = {distortion};
        } else if (setup == "readonly") {
            // Root writes into any folder: a destination under a file stands in.
            if (geteuid() == 0) {
                QFile blocker(dir.filePath("blocker"));
                QVERIFY(blocker.open(QIODevice::WriteOnly));
                job.destination = blocker.fileName() + QStringLiteral("/out");
            } else {
                QVERIFY(QDir().mkpath(job.destination));
                QFile::setPermissions(job.destination,
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            }
        } else if (setup == "full") {
            job.steps = Chain(QStringLiteral("GTiff"));
        }

        const bool rawJob = setup == "notraw" || setup == "rawtruncated" || setup.startsWith("pos");
        if (rawJob)
            QVERIFY(QFile::rename(good, in + QStringLiteral("/IMG_0001.DNG")));
        if (setup == "rawtruncated")
            QVERIFY(
                hosttest::WriteFile(in + QStringLiteral("/IMG_0001.DNG"), MinimalDng().left(1000)));
        const auto before = Checksums(FilesOf(in));
        ImageJobResult result;
        if (rawJob) {
            RawJob raw;
            raw.rawFolder = in;
            raw.destination = job.destination;
            if (setup.startsWith("pos")) {
                raw.posFile = dir.filePath(QStringLiteral("pos.txt"));
                QVERIFY(hosttest::WriteFile(raw.posFile,
                                            setup == "posnomatch"
                                                ? "name lon lat h\nIMG_0002.DNG 115.1 -8.3 120\n"
                                                : QByteArray("\x89PNG\r\n\x1a\n\0\0\xff", 11)));
            }
            result = RunRawJob(raw, static_cast<kvkernel::KvProgress*>(nullptr));
        } else if (setup == "full") {
            kvtest::FileSizeLimit limit(200000);
            QVERIFY(limit.IsActive());
            result = RunImageJob(job, static_cast<kvkernel::KvProgress*>(nullptr));
        } else {
            result = RunImageJob(job, static_cast<kvkernel::KvProgress*>(nullptr));
        }

        QCOMPARE(result.refused, refused);
        QVERIFY(!result.message.isEmpty());
        QCOMPARE(result.Done(), done);
        for (const ImageOutcome& outcome : result.outcomes)
            QVERIFY2(outcome.done == outcome.reason.isEmpty() || outcome.done,
                     qPrintable(outcome.reason));
        if (!refused && result.Failed() > 0)
            QVERIFY(
                result.message.contains(QFileInfo(result.outcomes.back().source).fileName())
                || result.message.contains(QFileInfo(result.outcomes.front().source).fileName()));
        QVERIFY(PartFiles(job.destination).isEmpty());
        QVERIFY(Checksums(FilesOf(in)) == before);
        if (setup == "readonly" && geteuid() != 0)
            QFile::setPermissions(job.destination,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ExeOwner);
    }

private:
    QTemporaryDir m_dir;
    QString m_sources;
    QStringList m_photos;
};

QTEST_MAIN(TestImageWork)
#include "tst_imagework.moc"
