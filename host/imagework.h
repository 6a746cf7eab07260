#pragma once

#include "kvfd/camerainfo.h"

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace kvkernel {
class KvProgress;
}

// The host's image engine: it runs the pre-processing steps that the
// library's tool dialogs and batch chain only describe, over a list of image
// files, writing one output per image into a destination folder.
//
// What each step does to an image (the chain is applied in order, image by
// image; pixel values stay in the source's type, 8 or 16 bits per channel):
//
// - Format: the output is written with the GDAL driver named ("BMP", "JPEG",
//   "PNG", "GTiff"); GTiff takes the job's TIFF creation options, JPEG is
//   written at quality 90. Without a Format step the output keeps the
//   source's driver (a distortion step asking for TIFF wins over both). Drivers
//   that hold only 8 bits (BMP, JPEG) get 16-bit values divided by 256 and
//   leave out an alpha band.
// - Resample: the image is scaled by rate (1:2 is 0.5) to round(size * rate),
//   at least one pixel, with the chosen method. As the first step it is done
//   while reading, so that a JPEG is decoded at the reduced scale.
// - Rotation: clockwise by 90, 180 or 270 degrees, or mirrored left-right or
//   top-bottom. The EXIF orientation tag is copied unchanged.
// - Overviews: not a pixel step; wherever it stands, the output gets
//   "<output>.ovr" beside it once it is complete: averaged levels 2, 4, 8, ...
//   down to the last one whose larger side is at least 256 pixels. A job
//   whose only step is Overviews and that has no destination makes
//   "<image>.ovr" beside each source image instead (the image itself is
//   opened read-only and never written).
// - Distortion: the lens distortion of camera (kvfd::GetDistortionValue) is
//   removed. Each output pixel p takes the source value at p + offset(p),
//   sampled bilinearly; the offset is evaluated on a grid of kDistortionGrid
//   pixels and interpolated between nodes. With toCenter the output is shifted
//   so that the principal point (x0, y0) lands on the image centre. An image
//   whose size differs from the camera's by a common factor (an earlier
//   resample) is corrected at that scale; another aspect is a failure.
// - Enhancement: each channel is stretched linearly so that its lowPercent and
//   highPercent percentiles become black and full white.
// - Colour balance: every image is brought to the same per-channel mean and
//   standard deviation, the averages over all images of the job of their own
//   means and deviations. The statistics are read from each image decoded at
//   1:8, after the value steps (enhancement, earlier balances) that come
//   before the balance in the chain.
//
// Outputs are named after their sources with the extension of their format,
// keep the source's EXIF, IPTC and XMP tags (GPS included; BMP holds none),
// with the pixel dimensions updated and the thumbnail dropped. Each output is
// written under a temporary name in the destination and renamed when it is
// complete, so a failure or a cancel leaves no partial file.
namespace kvhost {

enum class ImageStepKind { Format, Resample, Rotate, Overviews, Distortion, Enhance, ColorBalance };

// GDAL's names for them.
enum class ResampleMethod { Nearest, Bilinear, Cubic, Average };

enum class Rotation {
    Rotate90 = 1,
    Rotate180 = 2,
    Rotate270 = 3,
    FlipLeftRight = 4,
    FlipTopBottom = 5
};

struct ImageStep
{
    ImageStepKind kind = ImageStepKind::Format;
    QString format = QStringLiteral("GTiff"); // Format
    double rate = 0.5;                        // Resample
    ResampleMethod method = ResampleMethod::Average;
    Rotation rotation = Rotation::Rotate90; // Rotate
    kvfd::CameraInfo camera;                // Distortion
    bool toTif = false;
    bool toCenter = true;
    double lowPercent = 0.5; // Enhance
    double highPercent = 99.5;
};

struct ImageJob
{
    QStringList images; // source files
    QString destination;
    std::vector<ImageStep> steps;
    QStringList tiffOptions; // GDAL GTiff creation options, e.g. "COMPRESS=LZW"
    int threads = 0;         // images worked on at once; 0: one per core
};

struct ImageOutcome
{
    QString source;
    QString output; // empty unless written
    bool done = false;
    QString reason; // why it failed, or what was left out of a done image
};

struct ImageJobResult
{
    bool refused = false;               // the job was not started; message says why
    bool cancelled = false;             // stopped between images
    std::vector<ImageOutcome> outcomes; // one per source, in job order
    QString message;                    // for the operator, in the present language
    int Done() const;
    int Failed() const;
};

// Offset grid spacing of the distortion step, in output pixels.
constexpr int kDistortionGrid = 16;

// Why the job cannot run at all (destination missing, equal to or inside a
// source folder, a distortion camera without size or pixel size, no images);
// empty when it can.
QString CheckImageJob(const ImageJob& job);

// Runs the job on the calling thread's behalf: workers take the images in
// turn; progress (may be null) gets one report per image, and a false answer
// stops the job between images.
ImageJobResult RunImageJob(const ImageJob& job, kvkernel::KvProgress* progress);

// Runs the job on a worker thread behind the library's modal progress dialog
// (pause and cancel), then tells the operator the outcome in a message box.
ImageJobResult RunImageJob(const ImageJob& job, QWidget* parent);

// Camera raw files to TIFF: every file of rawFiles (or, when it is empty,
// every raw file of rawFolder) is developed by LibRaw to a 16-bit RGB TIFF
// named after it in destination, with the raw file's EXIF. With posFile, each
// raw file whose name (with or without extension, letter case ignored) is the
// first field of a POS record gets that record's position as GPS tags: fields
// name, longitude, latitude and height in degrees and metres, separated as
// the library's POS reader separates them; rows without numbers there
// (headers) are skipped. A POS file that cannot be read or whose records name
// none of the raw files refuses the job.
struct RawJob
{
    QString rawFolder;
    QStringList rawFiles;
    QString posFile;
    QString destination;
    QStringList tiffOptions;
    int threads = 0;
};

ImageJobResult RunRawJob(const RawJob& job, kvkernel::KvProgress* progress);
ImageJobResult RunRawJob(const RawJob& job, QWidget* parent);

} // namespace kvhost
