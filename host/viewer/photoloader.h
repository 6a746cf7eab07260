#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace kvviewer {

// Where and with what a photo was taken, as its EXIF tags record it.
struct PhotoTags
{
    bool hasPosition = false;
    double latitude = 0.0;  // degrees, negative south
    double longitude = 0.0; // degrees, negative west
    double altitude = 0.0;  // metres
    QString camera;         // make and model; empty when not recorded
    double focal = 0.0;     // millimetres; 0 when not recorded
    QSize imageSize;        // the camera's image size; invalid when not recorded
};

struct LoadedPhoto
{
    QImage image;   // null when the photo could not be read
    QSize fullSize; // the photo's own size, turned as its orientation tag says
    QString error;  // why image is null, for the operator
    PhotoTags tags;
};

// A 20+ MP photo is decoded scaled down to this longest side: the JPEG decoder
// then skips most of the work, and the window never holds more than 64 MiB of
// picture.
constexpr int kMaxDecodedSide = 4096;

// Reads the photo whose path is given as bytes (see ListedPhoto): its picture,
// scaled down to fit maxSide when larger, and its tags. Never throws; safe to
// call from several threads at once.
LoadedPhoto LoadPhoto(const QByteArray& path, int maxSide = kMaxDecodedSide);

// The tags alone: position and camera through kvimage; make, model and focal
// length straight from the tags when kvimage knows no sensor for the camera.
PhotoTags ReadPhotoTags(const QByteArray& path);

} // namespace kvviewer
