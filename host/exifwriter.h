#pragma once

#include <QString>
#include <utility>
#include <vector>

class QWidget;

namespace kvkernel {
class KvProgress;
}

// Writes positions from a POS file into the GPS tags of photos, as the EXIF
// dialog describes the run: a list of (source folder, output folder) pairs,
// the POS file and how its records are matched to the photos. An output
// folder equal to its source writes in place; any other receives copies.
//
// The POS file is read like the POS import reads it (fields split at tab,
// blank, comma, semicolon); a record is a line whose first field names the
// photo and whose next three are longitude and latitude in degrees and the
// ellipsoidal height in metres, as the POS export writes them with
// longitude/latitude chosen. Lines whose coordinates are not numbers (a
// header) are skipped; a line whose numbers are not a longitude and latitude
// is an error of the whole file.
//
// Matching: by file (0) a record's name equals the photo's file name, letter
// case ignored, with or without its extension; by order (1) the records go to
// the photos of the folders in list order, each folder's JPEG photos sorted
// by name.
//
// A photo is never left broken: a photo whose GPS tags already hold the six
// position tags in the standard layout gets only their values rewritten, in
// one write of a few bytes that leaves the file's structure as it was; any
// other photo is written by Exiv2 into a copy beside it, which is then renamed
// over it. Copies into an output folder are made the same way under a
// temporary name. The image data are never decoded.
struct ExifJob
{
    std::vector<std::pair<QString, QString>> folders; // (source, output)
    QString posPath;
    int match = 0;   // 0 by file name, 1 by order
    int threads = 0; // 0: as many as the machine has cores
};

struct ExifPhotoOutcome
{
    enum Kind {
        Written,    // tags written (in place or into the copy)
        Unmatched,  // no record for this photo; a copy is still made
        ReadOnly,   // in place, but the photo is read-only: left as it was
        Failed,     // could not be written: left as it was
        NotReached, // the run was cancelled before this photo
    };
    QString source;
    QString target;
    Kind kind = NotReached;
    QString detail; // why, for Failed
};

struct ExifResult
{
    bool ok = false; // the run took place (the POS file was read)
    bool cancelled = false;
    QString message; // why the run did not take place, or a summary
    int written = 0;
    int unmatched = 0;
    int readOnly = 0;
    int failed = 0;
    int unusedRecords = 0;
    std::vector<ExifPhotoOutcome> photos;
};

class ExifWriter
{
public:
    // Runs on the calling thread (the photos in parallel). progress may be
    // null; a false answer of SetInformation stops before the next photo.
    static ExifResult Run(const ExifJob& job, kvkernel::KvProgress* progress);

    // Run on a worker thread behind the library's modal progress dialog; the
    // summary or the failure is told in a message box.
    static ExifResult RunWithDialog(const ExifJob& job, QWidget* parent);

    // Writes one photo's GPS position into target (== source: in place).
    // Returns the outcome kind; detail receives the reason of a failure.
    static ExifPhotoOutcome::Kind WritePhoto(const QString& source, const QString& target,
                                             double longitude, double latitude, double height,
                                             QString* detail = nullptr);
};
