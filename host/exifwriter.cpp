#include "host/exifwriter.h"

#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "host/behindprogress.h"
#include "imagery/posfile.h"
#include "kvkernel/kvprogress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryFile>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exiv2/exiv2.hpp>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

const char* const kContext = "ExifWriter";
const char* const kWriting = QT_TRANSLATE_NOOP("kvui", "EXIF写入中……");

QString Tr(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

struct Record
{
    QString name;
    double longitude = 0.0;
    double latitude = 0.0;
    double height = 0.0;
};

// An unsigned rational as EXIF stores it.
struct URational
{
    quint32 num = 0;
    quint32 den = 1;
};

// Degrees as degrees, minutes and seconds; the seconds kept to a millionth.
void Dms(double value, URational* out)
{
    value = std::fabs(value);
    double degrees = std::floor(value);
    double minutes = std::floor((value - degrees) * 60.0);
    double seconds = std::round(((value - degrees) * 60.0 - minutes) * 60.0 * 1e6);
    if (seconds >= 60e6) {
        seconds -= 60e6;
        minutes += 1;
    }
    if (minutes >= 60) {
        minutes -= 60;
        degrees += 1;
    }
    out[0] = {quint32(degrees), 1};
    out[1] = {quint32(minutes), 1};
    out[2] = {quint32(seconds), 1000000};
}

URational Altitude(double height)
{
    return {quint32(std::min(std::round(std::fabs(height) * 1000.0), 4.0e9)), 1000};
}

// --- Rewriting the values of an existing GPS block --------------------------

class TiffReader
{
public:
    TiffReader(const uchar* data, int size, bool big)
        : m_data(data)
        , m_size(size)
        , m_big(big)
    { }
    bool In(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset + length <= m_size;
    }
    quint16 U16(int at) const
    {
        return m_big ? quint16(m_data[at] << 8 | m_data[at + 1])
                     : quint16(m_data[at + 1] << 8 | m_data[at]);
    }
    quint32 U32(int at) const
    {
        return m_big ? quint32(U16(at)) << 16 | U16(at + 2) : quint32(U16(at + 2)) << 16 | U16(at);
    }
    void Put32(uchar* to, quint32 v) const
    {
        for (int i = 0; i < 4; ++i)
            to[i] = uchar(m_big ? v >> (24 - 8 * i) : v >> (8 * i));
    }

private:
    const uchar* m_data;
    int m_size;
    bool m_big;
};

// The file offsets of the six position values when the photo's GPS block
// holds them in the layout EXIF prescribes (references as two-character
// texts, coordinates as three rationals, altitude reference as one byte and
// altitude as one rational). Then the values can be rewritten where they are.
struct GpsSlots
{
    qint64 latRef = -1, lat = -1, lonRef = -1, lon = -1, altRef = -1, alt = -1;
    bool big = false;
    bool Complete() const
    {
        return latRef >= 0 && lat >= 0 && lonRef >= 0 && lon >= 0 && altRef >= 0 && alt >= 0;
    }
};

GpsSlots FindGpsSlots(const QByteArray& head)
{
    GpsSlots found;
    const auto* d = reinterpret_cast<const uchar*>(head.constData());
    const int n = head.size();
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return found;
    int pos = 2;
    // Walk the segments before the image data for the EXIF one.
    while (pos + 4 <= n && d[pos] == 0xFF) {
        const uchar marker = d[pos + 1];
        if (marker == 0xDA || marker == 0xD9)
            return found;
        const int length = d[pos + 2] << 8 | d[pos + 3];
        if (length < 2)
            return found;
        if (marker == 0xE1 && length >= 16 && pos + 2 + length <= n
            && std::memcmp(d + pos + 4, "Exif\0\0", 6) == 0) {
            const int tiff = pos + 10;
            const int size = length - 8;
            const uchar* t = d + tiff;
            if (!(t[0] == 'I' && t[1] == 'I') && !(t[0] == 'M' && t[1] == 'M'))
                return found;
            const TiffReader r(t, size, t[0] == 'M');
            if (r.U16(2) != 42)
                return found;
            const quint32 ifd0 = r.U32(4);
            if (!r.In(ifd0, 2))
                return found;
            const int count0 = r.U16(int(ifd0));
            if (!r.In(qint64(ifd0) + 2, qint64(count0) * 12))
                return found;
            qint64 gps = -1;
            for (int i = 0; i < count0; ++i) {
                const int e = int(ifd0) + 2 + 12 * i;
                if (r.U16(e) == 0x8825 && (r.U16(e + 2) == 4 || r.U16(e + 2) == 13)
                    && r.U32(e + 4) == 1)
                    gps = r.U32(e + 8);
            }
            if (!r.In(gps, 2))
                return found;
            const int count = r.U16(int(gps));
            if (!r.In(gps + 2, qint64(count) * 12))
                return found;
            found.big = t[0] == 'M';
            for (int i = 0; i < count; ++i) {
                const int e = int(gps) + 2 + 12 * i;
                const quint16 tag = r.U16(e), type = r.U16(e + 2);
                const quint32 items = r.U32(e + 4);
                const qint64 inlineAt = tiff + e + 8;
                auto rationals = [&](quint32 want) -> qint64 {
                    if (type != 5 || items != want || !r.In(r.U32(e + 8), 8 * want))
                        return -1;
                    return tiff + qint64(r.U32(e + 8));
                };
                if ((tag == 1 || tag == 3) && type == 2 && items == 2)
                    (tag == 1 ? found.latRef : found.lonRef) = inlineAt;
                else if (tag == 2)
                    found.lat = rationals(3);
                else if (tag == 4)
                    found.lon = rationals(3);
                else if (tag == 5 && type == 1 && items == 1)
                    found.altRef = inlineAt;
                else if (tag == 6)
                    found.alt = rationals(1);
            }
            return found;
        }
        pos += 2 + length;
    }
    return found;
}

enum class Patch { Done, NotPossible, Failed };

// Rewrites the six values in one write covering them all; the file's length
// and structure do not change, so an interrupted write leaves a readable photo.
Patch PatchGps(const QString& path, const Record& record, QString* detail)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return Patch::NotPossible;
    // The EXIF segment is at most 64 KiB and comes early in the file.
    QByteArray head(192 * 1024, Qt::Uninitialized);
    const ssize_t got = ::pread(fd, head.data(), size_t(head.size()), 0);
    if (got <= 0) {
        ::close(fd);
        return Patch::NotPossible;
    }
    head.truncate(int(got));
    const GpsSlots s = FindGpsSlots(head);
    if (!s.Complete()) {
        ::close(fd);
        return Patch::NotPossible;
    }
    const qint64 from = std::min({s.latRef, s.lat, s.lonRef, s.lon, s.altRef, s.alt});
    const qint64 to
        = std::max({s.latRef + 2, s.lat + 24, s.lonRef + 2, s.lon + 24, s.altRef + 1, s.alt + 8});
    QByteArray block = head.mid(int(from), int(to - from));
    auto* b = reinterpret_cast<uchar*>(block.data());
    const TiffReader r(nullptr, 0, s.big);
    auto putRationals = [&](qint64 at, const URational* v, int count) {
        for (int i = 0; i < count; ++i) {
            r.Put32(b + (at - from) + 8 * i, v[i].num);
            r.Put32(b + (at - from) + 8 * i + 4, v[i].den);
        }
    };
    URational dms[3];
    Dms(record.latitude, dms);
    putRationals(s.lat, dms, 3);
    Dms(record.longitude, dms);
    putRationals(s.lon, dms, 3);
    const URational alt = Altitude(record.height);
    putRationals(s.alt, &alt, 1);
    b[s.latRef - from] = record.latitude < 0 ? 'S' : 'N';
    b[s.latRef - from + 1] = 0;
    b[s.lonRef - from] = record.longitude < 0 ? 'W' : 'E';
    b[s.lonRef - from + 1] = 0;
    b[s.altRef - from] = record.height < 0 ? 1 : 0;
    const ssize_t put = ::pwrite(fd, block.constData(), size_t(block.size()), from);
    const bool closed = ::close(fd) == 0;
    if (put != block.size() || !closed) {
        if (detail)
            *detail = Tr(QT_TRANSLATE_NOOP("ExifWriter", "The photo could not be written."));
        return Patch::Failed;
    }
    return Patch::Done;
}

// --- Writing through Exiv2 into a copy ---------------------------------------

Exiv2::URationalValue RationalValue(const URational* v, int count)
{
    Exiv2::URationalValue value;
    for (int i = 0; i < count; ++i)
        value.value_.push_back({v[i].num, v[i].den});
    return value;
}

bool ExivWrite(const QString& path, const Record& record, QString* detail)
{
    try {
        std::unique_ptr<Exiv2::Image> image(
            Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString()).release());
        if (!image || image->mimeType() != "image/jpeg") {
            if (detail)
                *detail = Tr(QT_TRANSLATE_NOOP("ExifWriter", "The file is not a JPEG photo."));
            return false;
        }
        image->readMetadata();
        Exiv2::ExifData exif = image->exifData();
        Exiv2::DataValue version(Exiv2::unsignedByte);
        version.read("2 3 0 0");
        exif["Exif.GPSInfo.GPSVersionID"] = version;
        exif["Exif.GPSInfo.GPSLatitudeRef"] = std::string(record.latitude < 0 ? "S" : "N");
        exif["Exif.GPSInfo.GPSLongitudeRef"] = std::string(record.longitude < 0 ? "W" : "E");
        URational dms[3];
        Dms(record.latitude, dms);
        exif["Exif.GPSInfo.GPSLatitude"] = RationalValue(dms, 3);
        Dms(record.longitude, dms);
        exif["Exif.GPSInfo.GPSLongitude"] = RationalValue(dms, 3);
        Exiv2::DataValue altRef(Exiv2::unsignedByte);
        altRef.read(record.height < 0 ? "1" : "0");
        exif["Exif.GPSInfo.GPSAltitudeRef"] = altRef;
        const URational alt = Altitude(record.height);
        exif["Exif.GPSInfo.GPSAltitude"] = RationalValue(&alt, 1);
        image->setExifData(exif);
        image->writeMetadata();
        return true;
    } catch (const std::exception& error) {
        if (detail)
            *detail = Tr(QT_TRANSLATE_NOOP("ExifWriter",
                                           "The photo's tags cannot be read or written: %1"))
                          .arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        if (detail)
            *detail = Tr(
                QT_TRANSLATE_NOOP("ExifWriter", "The photo's tags cannot be read or written."));
    }
    return false;
}

// Copies source into a new temporary file in target's folder; the caller
// renames it into place or drops it.
std::unique_ptr<QTemporaryFile> CopyAside(const QString& source, const QString& target,
                                          QString* detail)
{
    const QFileInfo info(target);
    auto copy = std::make_unique<QTemporaryFile>(
        info.dir().filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".XXXXXX")));
    QFile in(source);
    if (!copy->open() || !in.open(QIODevice::ReadOnly)) {
        if (detail)
            *detail = in.isOpen()
                ? Tr(QT_TRANSLATE_NOOP("ExifWriter", "The output folder cannot be written."))
                : Tr(QT_TRANSLATE_NOOP("ExifWriter", "The photo cannot be read."));
        return nullptr;
    }
    QByteArray chunk;
    while (!(chunk = in.read(1 << 20)).isEmpty()) {
        if (copy->write(chunk) != chunk.size()) {
            if (detail)
                *detail
                    = Tr(QT_TRANSLATE_NOOP("ExifWriter", "The output folder cannot be written."));
            return nullptr;
        }
    }
    if (in.error() != QFileDevice::NoError || !copy->flush()) {
        if (detail)
            *detail = Tr(QT_TRANSLATE_NOOP("ExifWriter", "The photo cannot be read."));
        return nullptr;
    }
    copy->close();
    return copy;
}

bool Replace(QTemporaryFile& copy, const QString& target, QFileDevice::Permissions permissions)
{
    copy.setPermissions(permissions);
    if (std::rename(QFile::encodeName(copy.fileName()).constData(),
                    QFile::encodeName(target).constData())
        != 0)
        return false;
    copy.setAutoRemove(false);
    return true;
}

QString Lower(const QString& name)
{
    return name.toLower();
}

QString WithoutExtension(const QString& name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

} // namespace

ExifPhotoOutcome::Kind ExifWriter::WritePhoto(const QString& source, const QString& target,
                                              double longitude, double latitude, double height,
                                              QString* detail)
{
    const Record record {QString(), longitude, latitude, height};
    const QFileInfo sourceInfo(source);
    const bool inPlace = QFileInfo(target).absoluteFilePath() == sourceInfo.absoluteFilePath();
    if (inPlace) {
        // The owner's write bit, not access(): run as root, a photo marked
        // read-only is still the operator's wish to keep it as it is.
        if (!(sourceInfo.permissions() & QFileDevice::WriteOwner) || !sourceInfo.isWritable())
            return ExifPhotoOutcome::ReadOnly;
        const Patch patch = PatchGps(source, record, detail);
        if (patch == Patch::Done)
            return ExifPhotoOutcome::Written;
        if (patch == Patch::Failed)
            return ExifPhotoOutcome::Failed;
    } else {
        const QFileInfo targetInfo(target);
        if (targetInfo.exists()
            && (!(targetInfo.permissions() & QFileDevice::WriteOwner) || !targetInfo.isWritable()))
            return ExifPhotoOutcome::ReadOnly;
    }
    std::unique_ptr<QTemporaryFile> copy = CopyAside(source, target, detail);
    if (!copy)
        return ExifPhotoOutcome::Failed;
    // A copy of a photo with the standard GPS block only needs its values.
    const Patch patch = PatchGps(copy->fileName(), record, detail);
    if (patch == Patch::Failed
        || (patch == Patch::NotPossible && !ExivWrite(copy->fileName(), record, detail)))
        return ExifPhotoOutcome::Failed;
    QFileDevice::Permissions permissions = sourceInfo.permissions();
    if (!inPlace)
        permissions |= QFileDevice::WriteOwner;
    if (!Replace(*copy, target, permissions)) {
        if (detail)
            *detail = Tr(QT_TRANSLATE_NOOP("ExifWriter", "The photo could not be replaced."));
        return ExifPhotoOutcome::Failed;
    }
    return ExifPhotoOutcome::Written;
}

ExifResult ExifWriter::Run(const ExifJob& job, kvkernel::KvProgress* progress)
{
    ExifResult result;
    auto fail = [&](const QString& message) {
        result.message = message;
        if (progress)
            progress->End(false);
        return result;
    };
    if (progress)
        progress->Start(kWriting, 1);

    std::vector<std::vector<std::string>> rows;
    if (!kvui::ReadPosRows(QString2String(job.posPath), rows))
        return fail(Tr(QT_TRANSLATE_NOOP("ExifWriter", "The POS file %1 cannot be read."))
                        .arg(QDir::toNativeSeparators(job.posPath)));
    std::vector<Record> records;
    for (const auto& row : rows) {
        if (row.size() < 4)
            continue;
        bool ok[3] = {};
        Record record;
        record.name = String2QString(row[0]);
        record.longitude = QByteArray::fromStdString(row[1]).toDouble(&ok[0]);
        record.latitude = QByteArray::fromStdString(row[2]).toDouble(&ok[1]);
        record.height = QByteArray::fromStdString(row[3]).toDouble(&ok[2]);
        if (!ok[0] || !ok[1] || !ok[2])
            continue; // a header line
        if (!(std::fabs(record.longitude) <= 180.0 && std::fabs(record.latitude) <= 90.0
              && std::fabs(record.height) < 1e6))
            return fail(
                Tr(QT_TRANSLATE_NOOP(
                       "ExifWriter",
                       "The POS file %1 does not hold longitudes and latitudes (line \"%2\")."))
                    .arg(QDir::toNativeSeparators(job.posPath), record.name));
        records.push_back(record);
    }
    if (records.empty())
        return fail(Tr(QT_TRANSLATE_NOOP("ExifWriter", "The POS file %1 holds no position."))
                        .arg(QDir::toNativeSeparators(job.posPath)));

    // Every photo of every folder, with its target.
    std::vector<ExifPhotoOutcome> photos;
    for (const auto& [source, output] : job.folders) {
        const QDir in(source);
        const bool inPlace = output.isEmpty() || QDir(output).absolutePath() == in.absolutePath();
        if (!inPlace && !QDir().mkpath(output))
            return fail(
                Tr(QT_TRANSLATE_NOOP("ExifWriter", "The output folder %1 cannot be created."))
                    .arg(QDir::toNativeSeparators(output)));
        const QStringList names
            = in.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")},
                           QDir::Files | QDir::Readable | QDir::Hidden, QDir::Name);
        for (const QString& name : names) {
            ExifPhotoOutcome photo;
            photo.source = in.filePath(name);
            photo.target = inPlace ? photo.source : QDir(output).filePath(name);
            photos.push_back(photo);
        }
    }

    // Which record each photo receives (-1: none).
    std::vector<int> given(photos.size(), -1);
    std::vector<bool> used(records.size(), false);
    if (job.match == 1) {
        for (size_t i = 0; i < photos.size() && i < records.size(); ++i)
            given[i] = int(i);
    } else {
        QHash<QString, int> byName;
        for (int i = int(records.size()) - 1; i >= 0; --i)
            byName.insert(Lower(records[size_t(i)].name), i);
        for (size_t i = 0; i < photos.size(); ++i) {
            const QString name = Lower(QFileInfo(photos[i].source).fileName());
            given[i] = byName.value(name, byName.value(WithoutExtension(name), -1));
        }
    }
    for (int g : given)
        if (g >= 0)
            used[size_t(g)] = true;
    result.unusedRecords = int(std::count(used.begin(), used.end(), false));

    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    // Exiv2's XMP parser must be set up once before threads use it.
    Exiv2::XmpParser::initialize();
    if (progress)
        progress->Start(kWriting, int(photos.size()));
    std::atomic<size_t> next {0};
    std::atomic<int> done {0};
    std::atomic<bool> stop {false};
    auto work = [&]() {
        for (size_t i; !stop && (i = next++) < photos.size(); ++done) {
            ExifPhotoOutcome& photo = photos[i];
            if (given[i] < 0) {
                photo.kind = ExifPhotoOutcome::Unmatched;
                // The output folder still receives the photo, unchanged.
                if (photo.target != photo.source) {
                    QString detail;
                    std::unique_ptr<QTemporaryFile> copy
                        = CopyAside(photo.source, photo.target, &detail);
                    if (!copy
                        || !Replace(*copy, photo.target,
                                    QFileInfo(photo.source).permissions()
                                        | QFileDevice::WriteOwner)) {
                        photo.kind = ExifPhotoOutcome::Failed;
                        photo.detail = copy ? Tr(QT_TRANSLATE_NOOP(
                                           "ExifWriter", "The photo could not be replaced."))
                                            : detail;
                    }
                }
                continue;
            }
            const Record& record = records[size_t(given[i])];
            photo.kind = WritePhoto(photo.source, photo.target, record.longitude, record.latitude,
                                    record.height, &photo.detail);
        }
    };
    const int threads = std::max(
        1,
        std::min<int>(job.threads > 0 ? job.threads : int(std::thread::hardware_concurrency()),
                      int(photos.size())));
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back(work);
    while (done < int(photos.size()) && !stop) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const int d = done;
        if (progress
            && !progress->SetInformation(d < int(photos.size()) ? QString2String(
                                             QFileInfo(photos[size_t(d)].source).fileName())
                                                                : std::string(),
                                         d))
            stop = true;
        if (next >= photos.size() && done >= int(photos.size()))
            break;
    }
    for (std::thread& worker : workers)
        worker.join();
    result.cancelled = stop;

    for (const ExifPhotoOutcome& photo : photos) {
        result.written += photo.kind == ExifPhotoOutcome::Written;
        result.unmatched += photo.kind == ExifPhotoOutcome::Unmatched;
        result.readOnly += photo.kind == ExifPhotoOutcome::ReadOnly;
        result.failed += photo.kind == ExifPhotoOutcome::Failed;
    }
    result.photos = std::move(photos);
    result.ok = true;
    if (result.written == 0 && result.unmatched == int(result.photos.size())
        && !result.photos.empty())
        result.message
            = Tr(QT_TRANSLATE_NOOP("ExifWriter", "No photo matches a record of the POS file."));
    else
        result.message = Tr(QT_TRANSLATE_NOOP(
                                "ExifWriter",
                                "%1 photos written, %2 without a record, %3 read-only, %4 failed."))
                             .arg(result.written)
                             .arg(result.unmatched)
                             .arg(result.readOnly)
                             .arg(result.failed);
    if (progress)
        progress->End(!result.cancelled);
    return result;
}

ExifResult ExifWriter::RunWithDialog(const ExifJob& job, QWidget* parent)
{
    const ExifResult result = kvhost::RunBehindProgress(
        parent, [&job](kvkernel::KvProgress* progress) { return Run(job, progress); });
    if (!result.cancelled)
        KvMessageBox::Show(QString2String(result.message), KvMessageBox::BT_OK);
    return result;
}
