#pragma once

#include "kvui_export.h"

#include <string>

// The two header records of a RINEX observation file that the GPS parameter
// pages take over: the approximate station position and the antenna height.
// Only the head of a regular file is read (a folder, pipe or device is not a
// file to read and never blocks the caller), and lines are taken as written,
// with LF or CRLF ends. Paths are narrow strings in the local code page.
namespace kvui {

enum class RinexHeaderResult {
    Found,
    Missing,    // read, but the record is not there (or holds no usable number)
    Unreadable, // not a regular file, or it cannot be opened or read
};

// "APPROX POSITION XYZ" within the first 64 lines, before "END OF HEADER":
// the three numbers at the start of the line, earth-centred X, Y, Z in metres.
// A record whose three numbers are all within 1e-6 of 0 (the position left
// unknown) counts as missing; so does one that does not begin with three
// numbers. xyz is written only when the position is found.
KVUI_EXPORT RinexHeaderResult ReadRinexApproxPosition(const std::string& path, double xyz[3]);

// "ANTENNA: DELTA H/E/N" within the first 100 lines: its first number, the
// antenna height in metres, when it is a number above 0. height is written
// only when found.
KVUI_EXPORT RinexHeaderResult ReadRinexAntennaHeight(const std::string& path, double& height);

} // namespace kvui
