#pragma once

#include "host/exportresult.h"

#include <QString>

namespace kvhost {

// PATB exterior orientations of the enabled images that have a position: a plain text file with
// one line per image,
//     number  X  Y  Z  omega  phi  kappa
// (number the image's index in the project plus one; X, Y, Z in the project's
// coordinates, angles in the chosen unit), closed by a line "-99". A second
// file beside it, "<base>_images.txt", gives "number name" per line, so the
// numbers can be traced back to the photos.
struct PatbJob
{
    QString folder;
    QString baseName = QStringLiteral("patb"); // the files are <base>.ori and <base>_images.txt
    bool gon = false;                          // angles in gon instead of degrees
};

class PatbExport
{
public:
    static ExportResult Export(const kvprj::KvProject& project, const PatbJob& job);
};

} // namespace kvhost
