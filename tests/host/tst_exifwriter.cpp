#include "host/exifwriter.h"
#include "hosttest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <exiv2/exiv2.hpp>
#include <map>
#include <memory>

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/");

struct Position
{
    double lon, lat, height;
};

// The photos of the folder: real ones with and without a GPS block, one
// without any EXIF, and two broken ones.
const std::map<QString, Position> kPositions = {
    {QStringLiteral("DJI_0024.JPG"), {116.3912345678, 39.9012345678, 52.125}}, // GPS block
    {QStringLiteral("tiny_drone_image.jpg"), {-81.5, -33.25, -3.5}},           // no altitude ref
    {QStringLiteral("Canon.jpg"), {151.2, -33.8, 10.0}},                       // no GPS block
    {QStringLiteral("drone-testdata-agung-1-example.jpg"), {115.48, -8.3, 1189.6}}, // no EXIF
    {QStringLiteral("broken.jpg"), {1, 1, 1}},                                      // random bytes
    {QStringLiteral("truncated.jpg"), {2, 2, 2}}, // the first 3000 bytes of a photo
};

QByteArray Hash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The position as Exiv2 reads it back.
bool ExivPosition(const QString& path, Position& p)
{
    std::unique_ptr<Exiv2::Image> image(
        Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString()).release());
    image->readMetadata();
    const Exiv2::ExifData& exif = image->exifData();
    auto value = [&exif](const char* tag, const char* ref, char negative, double& v) {
        const auto it = exif.findKey(Exiv2::ExifKey(std::string("Exif.GPSInfo.") + tag));
        const auto sign = exif.findKey(Exiv2::ExifKey(std::string("Exif.GPSInfo.") + ref));
        if (it == exif.end() || sign == exif.end())
            return false;
        v = 0.0;
        for (long i = it->count() - 1; i >= 0; --i)
            v = v / 60.0 + it->toFloat(i);
        v = sign->toString().front() == negative ? -v : v;
        return true;
    };
    return value("GPSLatitude", "GPSLatitudeRef", 'S', p.lat)
        && value("GPSLongitude", "GPSLongitudeRef", 'W', p.lon)
        && value("GPSAltitude", "GPSAltitudeRef", '1', p.height);
}

bool Near(const Position& a, const Position& b)
{
    return std::fabs(a.lon - b.lon) < 1e-8 && std::fabs(a.lat - b.lat) < 1e-8
        && std::fabs(a.height - b.height) < 1e-3;
}

} // namespace

class TestExifWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("kvui-test"));
        QVERIFY(m_dir.isValid());
        m_pos = "Name\tLongitude\tLatitude\tHeight\tOmega\tPhi\tKappa\n";
        for (const auto& [name, p] : kPositions)
            m_pos += QStringLiteral("%1\t%2\t%3\t%4\t0\t0\t0\n")
                         .arg(name)
                         .arg(p.lon, 0, 'f', 10)
                         .arg(p.lat, 0, 'f', 10)
                         .arg(p.height, 0, 'f', 4)
                         .toUtf8();
    }

    // Four threads over six photos: each written or refused on its own.
    void writesInPlace()
    {
        const QString folder = MakeFolder(QStringLiteral("照片"));
        // A read-only photo is left alone.
        const QString locked = QDir(folder).filePath(QStringLiteral("Canon.jpg"));
        QFile::setPermissions(locked, QFile::ReadOwner);
        std::map<QString, QByteArray> before;
        for (const auto& entry : kPositions)
            before[entry.first] = Hash(QDir(folder).filePath(entry.first));
        const QImage pixels(
            QDir(folder).filePath(QStringLiteral("drone-testdata-agung-1-example.jpg")));
        const qint64 size = QFileInfo(QDir(folder).filePath(QStringLiteral("DJI_0024.JPG"))).size();

        ExifJob job;
        job.folders = {{folder, folder}};
        job.posPath = WritePos(QStringLiteral("位置.txt"), m_pos);
        job.threads = 4;
        const ExifResult result = ExifWriter::Run(job, nullptr);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.written, 3);
        QCOMPARE(result.readOnly, 1);
        QCOMPARE(result.failed, 2);

        for (const ExifPhotoOutcome& photo : result.photos) {
            const QString name = QFileInfo(photo.source).fileName();
            if (photo.kind == ExifPhotoOutcome::Written) {
                Position p {};
                QVERIFY2(ExivPosition(photo.target, p), qPrintable(name));
                QVERIFY2(Near(p, kPositions.at(name)), qPrintable(name));
            } else {
                // Refused photos are byte for byte as they were.
                QCOMPARE(Hash(photo.source), before[name]);
                QVERIFY(photo.kind == ExifPhotoOutcome::ReadOnly || !photo.detail.isEmpty());
            }
        }
        // Only the values of an existing GPS block change; image data never.
        QCOMPARE(QFileInfo(QDir(folder).filePath(QStringLiteral("DJI_0024.JPG"))).size(), size);
        QCOMPARE(
            QImage(QDir(folder).filePath(QStringLiteral("drone-testdata-agung-1-example.jpg"))),
            pixels);
        // Nothing is left behind from writing aside.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), int(kPositions.size()));
    }

    void copiesByOrder()
    {
        const QString a = MakeFolder(QStringLiteral("a/影像"));
        const QString b = MakeFolder(QStringLiteral("b/影像"));
        const QString hash = Hash(QDir(a).filePath(QStringLiteral("DJI_0024.JPG"))).toHex();
        // Records without names: the folders' photos in name order receive them.
        QByteArray pos;
        for (int i = 0; i < 8; ++i)
            pos += QByteArray("x,") + QByteArray::number(100.0 + i) + ",-" + QByteArray::number(i)
                + ".5,0.0\n";
        ExifJob job;
        job.folders = {{a, m_dir.filePath(QStringLiteral("输出/影像_1"))},
                       {b, m_dir.filePath(QStringLiteral("输出/影像_2"))}};
        job.posPath = WritePos(QStringLiteral("order.txt"), pos);
        job.match = 1;
        const ExifResult result = ExifWriter::Run(job, nullptr);
        QVERIFY2(result.ok, qPrintable(result.message));
        // Six photos per folder, eight records: four of b's photos have none.
        QCOMPARE(result.unmatched, 4);
        QCOMPARE(int(result.photos.size()), 12);
        const QStringList sorted = QDir(a).entryList(QDir::Files, QDir::Name);
        for (int i = 0; i < 12; ++i) {
            const ExifPhotoOutcome& photo = result.photos[size_t(i)];
            QCOMPARE(QFileInfo(photo.source).fileName(), sorted.at(i % 6));
            if (photo.kind != ExifPhotoOutcome::Written)
                continue;
            Position p {};
            QVERIFY(ExivPosition(photo.target, p));
            QVERIFY(Near(p, {100.0 + i, -(i + 0.5), 0.0}));
        }
        // Unmatched photos are copied unchanged; the sources are untouched.
        QCOMPARE(Hash(QDir(a).filePath(QStringLiteral("DJI_0024.JPG"))).toHex(), hash.toLatin1());
        QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("输出/影像_2/tiny_drone_image.jpg"))));
    }

    void badPosFiles_data()
    {
        QTest::addColumn<QByteArray>("pos");
        QTest::addColumn<QString>("message");
        QByteArray binary(2048, Qt::Uninitialized);
        for (char& c : binary)
            c = char(QRandomGenerator::global()->generate());
        QTest::newRow("binary") << binary << QStringLiteral("holds no position");
        QTest::newRow("truncated line")
            << QByteArray("DJI_0024.JPG\t116.39") << "holds no position";
        QTest::newRow("projected") << QByteArray("DJI_0024.JPG 447000.5 4417000.25 52\n")
                                   << "does not hold longitudes and latitudes";
        QTest::newRow("matches nothing")
            << QByteArray("other.jpg 116.3 39.9 50\n") << "No photo matches";
        QTest::newRow("missing") << QByteArray() << "cannot be read";
    }

    void badPosFiles()
    {
        QFETCH(QByteArray, pos);
        QFETCH(QString, message);
        const QString folder = MakeFolder(QStringLiteral("坏 POS"));
        std::map<QString, QByteArray> before;
        for (const auto& entry : kPositions)
            before[entry.first] = Hash(QDir(folder).filePath(entry.first));
        ExifJob job;
        job.folders = {{folder, folder}};
        job.posPath = pos.isEmpty() ? m_dir.filePath(QStringLiteral("无.txt"))
                                    : WritePos(QStringLiteral("坏.txt"), pos);
        const ExifResult result = ExifWriter::Run(job, nullptr);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
        QCOMPARE(result.written, 0);
        for (const auto& entry : kPositions)
            QCOMPARE(Hash(QDir(folder).filePath(entry.first)), before[entry.first]);
    }

private:
    QString MakeFolder(const QString& name)
    {
        const QString folder = m_dir.filePath(name);
        QDir().mkpath(folder);
        for (const auto& entry : kPositions) {
            const QString target = QDir(folder).filePath(entry.first);
            QFile::remove(target);
            QFile photo(kImages + QStringLiteral("DJI_0024.JPG"));
            QByteArray bytes = photo.open(QIODevice::ReadOnly) ? photo.read(3000) : QByteArray();
            if (entry.first == QLatin1String("broken.jpg"))
                for (char& c : bytes)
                    c = char(QRandomGenerator::global()->generate());
            QFile file(target);
            const bool made = entry.first == QLatin1String("broken.jpg")
                || entry.first == QLatin1String("truncated.jpg");
            if (!made)
                QFile::copy(kImages + entry.first, target);
            else if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        }
        return folder;
    }

    QString WritePos(const QString& name, const QByteArray& text)
    {
        const QString path = m_dir.filePath(name);
        return hosttest::WriteFile(path, text) ? path : QString();
    }

    QTemporaryDir m_dir;
    QByteArray m_pos;
};

QTEST_GUILESS_MAIN(TestExifWriter)
#include "tst_exifwriter.moc"
