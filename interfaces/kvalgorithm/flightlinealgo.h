#pragma once

#include "kvalgorithm/kvalgorithm_export.h"
#include "kvfd/imageinfoset.h"

namespace kvalgorithm {

// Groups the images of a project into flight lines.
//
// The images are taken in flight order (index order) and their positions (EOP X
// and Y) joined into a track. Positions that look like longitude and latitude
// (all |X| <= 180 and |Y| <= 90 over an extent of less than 2 degrees) are
// scaled to metres around their mean, east by cos(latitude); others are taken
// as metres already. Along the track:
//   - a new line starts where a step turns by more than 45 degrees from the
//     line's running direction (the direction from its first image to its last
//     one so far), or where a step is longer than 4 times the median step (a
//     gap);
//   - at such a cut, up to 2 images at the end of the line whose step into them
//     already turns by more than 22.5 degrees go to the new line (the start of
//     the turn);
//   - steps of zero length (repeated positions) neither turn nor break;
//   - a piece of 1 or 2 images (the turn between two lines) joins the next
//     line, or the last line when no longer piece follows; when no piece
//     is longer than that, the pieces stay as they are.
// Lines are numbered 0, 1, ... in flight order. Images without a position (X and Y
// both zero, or not finite) take the line of the last positioned image before
// them, or of the first one when none comes before; when no image has a position
// all are on line 0.
class KVALGORITHM_EXPORT FlightLineAlgo
{
public:
    // Sets ImageInfoExt::flight of every valid image of images. Positions come
    // from local (the same set as read before), at the same index; an index that
    // local lacks uses the image's own position. False, with nothing changed, when
    // images holds no valid image.
    static bool CalcFlightLine(const kvfd::ImageInfoSet& local, kvfd::ImageInfoSet& images);

    static constexpr double kTurnDegrees = 45.0;
    static constexpr double kGapFactor = 4.0;
    static constexpr int kShortPiece = 2;
};

} // namespace kvalgorithm
