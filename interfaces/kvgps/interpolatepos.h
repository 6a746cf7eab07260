#pragma once

#include "kvgps/kvgps_export.h"

#include <cstddef>
#include <string>

namespace kvgps {

// Camera positions from the event marks of an airborne GNSS receiver.
//
// InterpolatePOS reads the times at which the camera fired from the aircraft
// receiver's RINEX observation file, interpolates the antenna position at each
// of those times from a trajectory, moves it by the antenna-to-camera offset
// and writes one POS line per event. Paths are narrow strings in the local
// code page (UTF-8).
//
// Input files must be regular files (a link to one will do): a folder, a
// pipe or a device is a file that cannot be read, and a pipe without a
// writer does not make the call wait. The RINEX file may be up to 4 GiB and
// hold up to a million events; the trajectory and the block-adjusted POS up
// to 1 GiB, the trajectory up to 2^23 epochs. Larger files cannot be read.
//
// RINEX observation file (rinex)
//   Version 2.xx or 3.xx, file type "O", not compressed. Every epoch record
//   with epoch flag 5 (external event) is one camera event, at the epoch time
//   of that record; all other records (observations, cycle slips, header
//   records inside the data) are skipped by the counts their epoch lines give.
//   Epoch times are GPS time: the time system of "TIME OF FIRST OBS" may be
//   blank, GPS, GAL, QZS or IRN (all kept in GPS time) or BDT (GPS time less
//   14 s, corrected here); GLONASS and UTC time are refused. A damaged file
//   (no "END OF HEADER", an epoch line that cannot be read, a file ending
//   inside a record, a line longer than 64 KiB) is unreadable as a whole.
//
// Trajectory (trajectory)
//   Text, one epoch of the antenna per line, in one of two forms:
//       WEEK SOW LAT LON H [ROLL PITCH HEADING]
//       YYYY-MM-DD hh:mm:ss.sss LAT LON H [ROLL PITCH HEADING]
//   WEEK is the full GPS week (not taken modulo 1024) and SOW the seconds of
//   that week; the date may also be written YYYY/MM/DD; both forms are GPS
//   time. LAT and LON are WGS84 degrees, north and east positive; H is the
//   ellipsoidal height in metres. ROLL (right wing down positive), PITCH (nose
//   up positive) and HEADING (clockwise from north) are degrees. Fields are
//   separated by blanks, tabs or commas; '#' starts a comment that runs to the
//   end of the line; blank lines are ignored. Lines before the first line that
//   reads as an epoch are a header and skipped; from there on every line must
//   be an epoch with as many fields as the first (5 or 8). Epochs may come in
//   any order; an epoch that repeats an earlier time is ignored. An angle
//   beyond +-1e6 degrees is not read as one.
//
// Block-adjusted POS (baPos; may be empty)
//   Text, one image per line: NAME X Y Z, or NAME X Y Z OMEGA PHI KAPPA with
//   the angles in degrees; the same separators, comments and header rule as
//   the trajectory, and the same number of fields (4 or 7) on every line.
//   Record k names the k-th event of the RINEX file, so the file must hold
//   exactly one record per event (angles within +-1e6 degrees, as in the
//   trajectory). Its angles, when present, give the camera
//   attitude used for the offset and written to the output. X, Y and Z are
//   not used. Without this file each event is named by its number in the
//   RINEX file, counted from 1.
//
// Offset (offset: X, Y, Z in metres, each within +-1e6 m; nullptr counts as
// no offset)
//   The vector from the antenna phase centre to the camera's projection
//   centre, in the aircraft frame: X to the right, Y forward, Z up. It is
//   turned into the local east-north-up frame at the antenna by
//   - the block-adjusted angles when given: R = Rx(omega) Ry(phi) Rz(kappa),
//     the photogrammetric rotation from image to map space, the map axes
//     taken as east, north, up;
//   - else the trajectory's attitude when given:
//     R = Rz(-heading) Rx(pitch) Ry(roll);
//   - else not at all: X is east, Y north and Z up.
//
// Interpolation
//   An event at time t is kept when the trajectory covers it (first epoch <= t
//   <= last epoch) and skipped otherwise. The two epochs around t are
//   interpolated linearly: the position in earth-centred coordinates
//   (GPSHelper), the angles along the shorter arc.
//
// Output POS (output)
//   Text, replaced as a whole: written beside the output under a temporary
//   name in the same folder and renamed over it once complete, so that a
//   failed run leaves an earlier output as it was and no file of its own. A
//   link is followed and its file replaced, keeping that file's permissions.
//   An output that exists but is not a regular file (a folder, a pipe) or
//   has no write permission is not replaced. The file holds a header line,
//   then one line per kept event in the order of the RINEX file, fields
//   separated by one blank:
//       name longitude latitude height omega phi kappa
//   Longitude and latitude in degrees with 10 decimals, the ellipsoidal height
//   in metres with 4 decimals, angles in degrees with 6 decimals: the
//   block-adjusted omega, phi, kappa; without them the trajectory's roll,
//   pitch and heading (the header then reads "roll pitch heading"); zeros
//   without either. The POS import reads it with begin line 2, "BLH" checked
//   and angles in degrees.
//
// Returns true when the output was written with at least one event. Returns
// false, without writing the output, when a file cannot be read or is not in
// its format, the RINEX file holds no event, the block-adjusted POS does not
// hold one record per event, no event lies within the trajectory or an
// offset is out of range; returns false when the output cannot be written or
// replaced. Nothing throws, not even when memory runs out.
KVGPS_EXPORT bool InterpolatePOS(std::string rinex, std::string trajectory, std::string baPos,
                                 std::string output, double* offset);

// Why InterpolatePOS gave no output, for the operator: which file, what is
// wrong with it and where.
struct InterpolateError
{
    enum Reason {
        NoError,
        Unreadable,  // the file cannot be opened or read: missing, not permitted, not a file
        TooLarge,    // the file is larger than its format allows (sizes above)
        NotRinex,    // the first lines are no RINEX 2 or 3 observation header
        BadLine,     // line cannot be read as what the format has there
        Truncated,   // the file ends inside its header or inside a record
        TimeSystem,  // the RINEX epochs are in GLONASS or UTC time
        NoRecords,   // the trajectory or block-adjusted POS holds no line of data
        NoEvents,    // the RINEX file holds no camera event
        RecordCount, // the block-adjusted POS holds records lines for events events
        NotCovered,  // no event lies within the trajectory's time
        BadOffset,   // an offset is no number within +-1e6 m
        NoOutput,    // the output path is empty
        WriteFailed, // the output cannot be written or replaced
        OutOfMemory,
    };
    enum File { NoFile, Rinex, Trajectory, BAPos, Output };

    Reason reason = NoError;
    File file = NoFile;
    long long line = 0;      // BadLine: the line, counted from 1
    std::size_t records = 0; // RecordCount
    std::size_t events = 0;  // RecordCount
};

// The same; when it returns false and error is not null, error says why.
KVGPS_EXPORT bool InterpolatePOS(std::string rinex, std::string trajectory, std::string baPos,
                                 std::string output, double* offset, InterpolateError* error);

} // namespace kvgps
