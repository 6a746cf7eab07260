#pragma once

#include "host/exportresult.h"

#include <QString>

namespace kvhost {

// The Inpho export of the enabled images that have a position: for every
// camera of those images an Inpho camera
// file "camera_<index>.prj" (the library's camera file writer), the exterior
// orientations "exterior_orientations.txt", and on request undistorted
// copies of the images.
//
// The orientation file is plain text: comment lines start with '#'; one line
// per image: name X Y Z omega phi kappa camera-file, angles in degrees. With
// toCenter the block's centre (the middle of the centres' bounding box,
// rounded to whole metres) is subtracted from X and Y and written in a
// comment line "# offset X Y".
struct InphoJob
{
    QString folder; // the project folder
    bool toCenter = true;
    bool undistortion = true;
    QString imagesFolder;    // undistorted images go here when set and undistortion is on
    UndistortHook undistort; // runs the undistortion
};

class InphoExport
{
public:
    static constexpr const char* kOrientationFile = "exterior_orientations.txt";

    static ExportResult Export(const kvprj::KvProject& project, const InphoJob& job);
};

} // namespace kvhost
