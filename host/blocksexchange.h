#pragma once

#include "host/exportresult.h"
#include "kvfd/coordinateinfo.h"

#include <QString>

namespace kvhost {

// A ContextCapture BlocksExchange XML export: one photogroup per camera of
// the exported images, one photo per enabled image with its pose, in the
// chosen spatial reference system (a local system writes none: the centres
// stay in the project's coordinates).
struct BlocksExchangeJob
{
    QString folder;                  // the output folder; the file is kFileName in it
    kvfd::CoordinateInfo coordinate; // target system
    bool undistortion = false;       // photos point at undistorted copies, distortion 0
    UndistortHook undistort;         // runs the undistortion when asked for
    QString blockName;               // the block's name; the project's name when empty
};

class BlocksExchange
{
public:
    static constexpr const char* kFileName = "BlocksExchange.xml";
    static constexpr const char* kUndistortedFolder = "undistorted";

    static ExportResult Export(const kvprj::KvProject& project, const BlocksExchangeJob& job);
};

} // namespace kvhost
