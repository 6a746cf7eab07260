#pragma once

#include "kvimage/kvimage_export.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The position of a JPEG photo read straight from the first block of its file:
// the GPS IFD of the Exif APP1 segment and, where the altitude is missing
// there, the drone's absolute altitude from the XMP APP1 segment. It exists
// because positions of thousands of photos are read at once and Exiv2 decodes
// every tag, the maker notes and the XMP to give three numbers.
//
// The reader answers only where its answer is Exiv2's: anything it does not
// know for certain (not a JPEG, segments running past the block, offsets out
// of range, unexpected types, repeated tags, a GPS IFD shared with another)
// is left to Exiv2.
namespace kvimage::detail {

// How much of the file the fast reader looks at: the metadata of the photos of
// drones ends well within it.
constexpr std::size_t kGpsBlockSize = 64 * 1024;

// True, with lla written as GetGPSFromImage writes it, when the block (the
// start of a file) holds a JPEG's metadata segments up to the start of the
// image data and they give a position. False, with lla untouched, when Exiv2
// must decide: there is no position or the block does not settle it.
KVIMAGE_EXPORT bool GpsFromBlock(const std::uint8_t* data, std::size_t size, double* lla);

// GetGPSFromImage through Exiv2 alone, never throwing.
KVIMAGE_EXPORT bool GpsFromExiv2(const std::string& path, double* lla);

} // namespace kvimage::detail
