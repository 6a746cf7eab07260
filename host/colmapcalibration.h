#pragma once

#include "kvfd/camerainfo.h"

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace kvkernel {
class KvProgress;
}

// Self-calibration of one camera from up to 32 overlapping photos, by the
// structure-from-motion programs of the "colmap" package started as
// processes: features of every photo (one camera for all, the focal length of
// the photos' EXIF tags as starting value), matches between every pair, and a
// reconstruction whose bundle adjustment refines the focal length, the
// principal point and the distortion. The calibrated camera is read back from
// the text form of the model and converted to a kvfd::CameraInfo.
//
// Model conversion. COLMAP projects a point (X, Y, Z) of the camera frame to
// normalised x = X/Z, y = Y/Z, distorts it to (xd, yd) and maps it to pixels
// u = fx xd + cx, v = fy yd + cy, with the centre of the top-left pixel at
// (0.5, 0.5). Its models:
//   SIMPLE_RADIAL  f, cx, cy, k          xd = x (1 + k r^2)
//   RADIAL         f, cx, cy, k1, k2     xd = x (1 + k1 r^2 + k2 r^4)
//   OPENCV         fx, fy, cx, cy, k1, k2, p1, p2
//                  xd = x (1 + k1 r^2 + k2 r^4) + 2 p1 x y + p2 (r^2 + 2 x^2)
//                  yd = y (1 + k1 r^2 + k2 r^4) + p1 (r^2 + 2 y^2) + 2 p2 x y
// kvfd's Brown model (dtype 3, kvfd/distortion.h) is the same polynomial on the
// same normalised coordinates, distorted = ideal + offset, with the two
// tangential coefficients named the other way round. So:
//   dtype = 3; k1, k2 as they are (k3..k6 = 0);
//   kvfd p1 = COLMAP p2, kvfd p2 = COLMAP p1;
//   focal in pixels = (fx + fy) / 2 (kvfd pixels are square; COLMAP's two
//   values differ by a fraction of a per cent on a real lens);
//   x0 = cx - 0.5, y0 = cy - 0.5 (kvfd counts the top-left pixel's centre as 0);
//   width, height as COLMAP's; focal (mm) = focal in pixels x pixel size.
// The pixel size (and so ccd_width, ccd_height) comes from the job's initial
// camera when it has one, else from the EXIF focal length in 35 mm terms
// (pixel size = 36 mm x focal / (focal in 35 mm x the longer image side)),
// else stays unknown (-1) with the focal length then left in pixels' terms
// unconverted (focal -1).
struct ColmapJob
{
    QStringList images; // 2 to 32 photos
    QString workDir;    // receives the database, the model and its text form
    // Starting camera: when its focal and pixel size are known they are the
    // prior instead of the photos' EXIF tags.
    kvfd::CameraInfo initial;
    int maxImageSize = 0; // features on photos scaled down to this side (0: whole)
    int threads = 0;      // 0: COLMAP's own choice
    QString program = QStringLiteral("colmap");
};

struct ColmapResult
{
    enum Outcome { Calibrated, Failed, Cancelled };
    Outcome outcome = Failed;
    QString message;
    QString model;              // the COLMAP camera model, e.g. "OPENCV"
    std::vector<double> params; // its parameters as written in cameras.txt
    int registered = 0;         // photos in the reconstruction
    double focalPixels = 0.0;
    kvfd::CameraInfo camera;
};

class ColmapCalibration
{
public:
    static constexpr int kMaxImages = 32;

    // Runs on the calling thread; progress may be null, a false answer of
    // SetInformation kills the running program.
    static ColmapResult Run(const ColmapJob& job, kvkernel::KvProgress* progress);

    // Run on a worker thread behind the library's modal progress dialog; a
    // failure is told in a message box.
    static ColmapResult RunWithDialog(const ColmapJob& job, QWidget* parent);

    // Converts one line of COLMAP's cameras.txt ("id MODEL w h params...");
    // pixelSize in mm (<= 0: unknown). False for a malformed line or a model
    // other than the three above.
    static bool ToCameraInfo(const QString& line, double pixelSize, ColmapResult& result);
};
