#include "processing/thumbnail.h"

#include "kvimage/kvimage.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cmath>

namespace kvui::thumbnail {

namespace {

// Shapes closer than this count as the same (rounding of small thumbnails).
constexpr double kShapeTolerance = 0.03;
// The bars that fit a photo into a thumbnail of another shape are black, give
// or take the codec's noise.
constexpr int kDarkBar = 40;

bool IsDark(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) > kDarkBar)
                return false;
        }
    }
    return true;
}

QImage FromExif(const QString& path, QSize full, QSize target)
{
    std::string bytes;
    if (!kvimage::GetExifThumbnail(QFile::encodeName(path).toStdString(), bytes))
        return QImage();
    QImage thumb
        = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()), "JPEG");
    if (thumb.isNull())
        return QImage();
    const QRect area = PictureArea(thumb, full);
    if (area.isNull() || area.width() < target.width() || area.height() < target.height())
        return QImage();
    return thumb.copy(area).scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QRect PictureArea(const QImage& thumb, QSize full)
{
    if (thumb.isNull() || full.isEmpty())
        return QRect();
    const double photo = double(full.width()) / full.height();
    const double shown = double(thumb.width()) / thumb.height();
    if (std::abs(photo - shown) <= kShapeTolerance * photo)
        return thumb.rect();
    QRect picture;
    if (photo > shown) {
        const int height = int(std::lround(thumb.width() / photo));
        picture = QRect(0, (thumb.height() - height) / 2, thumb.width(), height);
    } else {
        const int width = int(std::lround(thumb.height() * photo));
        picture = QRect((thumb.width() - width) / 2, 0, width, thumb.height());
    }
    if (picture.isEmpty())
        return QRect();
    // The bars on both sides of the picture must be dark; the edge rows next
    // to the picture may blend with it, so they are not looked at.
    const QRect before = picture.top() > 0 ? QRect(0, 0, thumb.width(), picture.top() - 1)
                                           : QRect(0, 0, picture.left() - 1, thumb.height());
    const QRect after = picture.top() > 0
        ? QRect(0, picture.bottom() + 2, thumb.width(), thumb.height() - picture.bottom() - 2)
        : QRect(picture.right() + 2, 0, thumb.width() - picture.right() - 2, thumb.height());
    if (before.isEmpty() || after.isEmpty() || !IsDark(thumb, before) || !IsDark(thumb, after))
        return QRect();
    return picture;
}

QImage Make(const QString& path, int side)
{
    QImageReader reader(path);
    const QSize full = reader.size();
    if (!full.isValid() || full.isEmpty()) {
        // A format that does not tell its size before decoding.
        const QImage image = reader.read();
        return image.isNull()
            ? image
            : image.scaled(side, side, Qt::KeepAspectRatio, Qt::FastTransformation);
    }
    const QSize target = full.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (reader.format() == "jpeg") {
        const QImage thumb = FromExif(path, full, target);
        if (!thumb.isNull())
            return thumb;
    }
    // JPEG decodes at 1/2, 1/4 or 1/8 of its size when asked for less.
    reader.setScaledSize(target);
    const QImage image = reader.read();
    if (image.isNull() || image.size() == target)
        return image;
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace kvui::thumbnail
