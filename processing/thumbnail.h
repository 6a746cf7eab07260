#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <string>

// The thumbnail of one photo, fitted into a square of side pixels with its
// shape kept: the size is the whole photo's size scaled down to fit, whatever
// way it is made. Safe to call from several threads at once.
//
// A JPEG whose Exif thumbnail is large enough and shows the whole photo (bars
// that fit another shape into it are cut off) is not decoded at all; other
// JPEGs are decoded at the smallest scale their codec offers that still
// covers the thumbnail. A null image when the file cannot be read.
namespace kvui::thumbnail {

QImage Make(const QString& path, int side);

// The part of an embedded thumbnail that shows a photo of size full: the
// whole thumbnail when the shapes agree, the picture between dark bars when
// the photo was fitted into it; a null rectangle when neither holds.
QRect PictureArea(const QImage& thumb, QSize full);

} // namespace kvui::thumbnail
