#include "camerablock.h"

#include <cstdint>
#include <cstring>

namespace kvcloud {

namespace {

constexpr int kBlockSize = 128;
constexpr unsigned char kMarker = 0xD7;

// Explicit little-endian stores, so the block is the same on any host.
void PutU32(QByteArray& block, int offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        block[offset + i] = char((value >> (8 * i)) & 0xFF);
}

void PutDouble(QByteArray& block, int offset, double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    PutU32(block, offset, std::uint32_t(bits & 0xFFFFFFFFu));
    PutU32(block, offset + 4, std::uint32_t(bits >> 32));
}

std::uint32_t GetU32(const QByteArray& block, int offset)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(block[offset + i])) << (8 * i);
    return value;
}

} // namespace

QByteArray EncodeCameraBlock(const Calibration& c)
{
    QByteArray block(kBlockSize, '\0');
    block[0] = char(kMarker);
    block[1] = char(0x01);
    PutU32(block, 4, std::uint32_t(c.width));
    PutU32(block, 8, std::uint32_t(c.height));
    const double pixelMm = c.width > 0 ? c.ccdWidth / c.width : 0.0;
    PutDouble(block, 12, pixelMm > 0.0 ? c.focal / pixelMm : 0.0);
    PutDouble(block, 20, pixelMm * 1000.0);
    const double values[]
        = {c.x0, c.y0, c.k1, c.k2, c.k3, c.k4, c.k5, c.k6, c.p1, c.p2, c.alpha, c.beta};
    int offset = 28;
    for (const double v : values) {
        PutDouble(block, offset, v);
        offset += 8;
    }
    std::uint32_t check = 0;
    for (int word = 0; word < 124; word += 4)
        check ^= GetU32(block, word);
    PutU32(block, 124, check);
    for (int i = 1; i < kBlockSize; ++i)
        block[i] = char(static_cast<unsigned char>(block[i]) ^ kMarker);
    return block;
}

} // namespace kvcloud
