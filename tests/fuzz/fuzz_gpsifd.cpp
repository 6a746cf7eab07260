// The fast position reader alone, on the bytes of a file's first block: it reads
// nothing outside them (the sanitizers watch), and either gives a position on
// the earth or leaves the caller's values for Exiv2 to decide.

#include "../../platform/kvimage/gpsifd.h"
#include "fuzzsupport.h"

#include <algorithm>
#include <cmath>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The reader is given at most one block, in a buffer of exactly that size.
    const std::size_t n
        = size < kvimage::detail::kGpsBlockSize ? size : kvimage::detail::kGpsBlockSize;
    std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[n == 0 ? 1 : n]);
    std::copy(data, data + n, block.get());

    double lla[3] = {1.0, 2.0, 3.0};
    if (!kvimage::detail::GpsFromBlock(block.get(), n, lla))
        kvfuzz::Check(lla[0] == 1.0 && lla[1] == 2.0 && lla[2] == 3.0,
                      "a block that settles nothing changes nothing");
    else
        kvfuzz::Check(std::fabs(lla[0]) <= 180.0 && std::fabs(lla[1]) <= 90.0
                          && std::isfinite(lla[2]),
                      "a position lies on the earth");
    return 0;
}
