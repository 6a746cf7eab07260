#include "host/viewer/photoloader.h"

#include "kvfd/camerainfo.h"
#include "kvimage/kvimage.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>
#include <cerrno>
#include <cstring>
#include <exiv2/exiv2.hpp>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace kvviewer {

namespace {

QString Tag(const Exiv2::ExifData& exif, const char* key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    if (it == exif.end() || it->count() == 0)
        return QString();
    return QString::fromStdString(it->toString()).trimmed();
}

// Make, model and focal length for a camera that kvimage cannot describe in
// full (it needs the sensor size, which only its table or the focal-plane tags
// give).
void ReadCameraTags(const QByteArray& path, PhotoTags& tags)
{
    try {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        std::unique_ptr<Exiv2::Image> image(
            Exiv2::ImageFactory::open(path.toStdString()).release());
        if (!image)
            return;
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        const QString make = Tag(exif, "Exif.Image.Make");
        const QString model = Tag(exif, "Exif.Image.Model");
        tags.camera = model.startsWith(make, Qt::CaseInsensitive)
            ? model
            : QStringList {make, model}.join(QLatin1Char(' ')).trimmed();
        const auto focal = exif.findKey(Exiv2::ExifKey("Exif.Photo.FocalLength"));
        if (focal != exif.end() && focal->count() > 0) {
            const Exiv2::Rational r = focal->toRational(0);
            if (r.second > 0 && r.first > 0)
                tags.focal = double(r.first) / double(r.second);
        }
    } catch (...) {
        // A photo whose tags Exiv2 cannot parse simply records no camera.
    }
}

// The file opened through its bytes, so that a name which is no valid UTF-8
// opens as well; error says why not.
bool OpenPhoto(const QByteArray& path, QFile& file, QString& error)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno == ENOENT
            ? QCoreApplication::translate("kvui", "The file does not exist.")
            : QCoreApplication::translate("kvui", "The file cannot be opened: %1.")
                  .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error = QCoreApplication::translate("kvui", "This is not a file.");
        return false;
    }
    if (status.st_size == 0) {
        ::close(fd);
        error = QCoreApplication::translate("kvui", "The file is empty.");
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = QCoreApplication::translate("kvui", "The file cannot be opened: %1.")
                    .arg(file.errorString());
        return false;
    }
    return true;
}

bool Turned(QImageIOHandler::Transformations transformation)
{
    return transformation & QImageIOHandler::TransformationRotate90;
}

} // namespace

PhotoTags ReadPhotoTags(const QByteArray& path)
{
    PhotoTags tags;
    const std::string name = path.toStdString();
    double lla[3] = {0.0, 0.0, 0.0};
    if (kvimage::GetGPSFromImage(name, lla)) {
        tags.hasPosition = true;
        tags.longitude = lla[0];
        tags.latitude = lla[1];
        tags.altitude = lla[2];
    }
    kvfd::CameraInfo camera;
    if (kvimage::GetCameraFormImage(name, camera)) {
        tags.camera = QString::fromStdString(camera.fullname).trimmed();
        tags.focal = camera.focal;
        tags.imageSize = QSize(camera.width, camera.height);
    } else {
        ReadCameraTags(path, tags);
    }
    return tags;
}

LoadedPhoto LoadPhoto(const QByteArray& path, int maxSide)
{
    LoadedPhoto photo;
    QFile file;
    if (!OpenPhoto(path, file, photo.error))
        return photo;

    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    const bool turned = Turned(reader.transformation());
    if (stored.isValid()) {
        photo.fullSize = turned ? stored.transposed() : stored;
        if (stored.width() > maxSide || stored.height() > maxSide)
            reader.setScaledSize(stored.scaled(maxSide, maxSide, Qt::KeepAspectRatio));
    }
    photo.image = reader.read();
    if (photo.image.isNull()) {
        photo.error
            = QCoreApplication::translate("kvui", "The file cannot be read as a picture: %1.")
                  .arg(reader.errorString());
        photo.fullSize = QSize();
    } else if (!photo.fullSize.isValid()) {
        photo.fullSize = photo.image.size();
    }
    file.close();
    photo.tags = ReadPhotoTags(path);
    return photo;
}

} // namespace kvviewer
