#pragma once

#include "host/imagework.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The pixel work of the image engine on one image held in memory, and its
// reading and writing through GDAL and Exiv2. Every function is safe to call
// from several threads on different rasters.
namespace kvhost {

// One image, band after band, each row after row; 8 or 16 bits per value.
struct Raster
{
    int width = 0;
    int height = 0;
    int bands = 0;
    bool wide = false;              // 16-bit values
    std::vector<int> colours;       // GDALColorInterp of each band
    std::vector<std::uint8_t> data; // bands * height * width values

    std::size_t BandValues() const { return std::size_t(width) * std::size_t(height); }
    int MaxValue() const { return wide ? 65535 : 255; }
    void Allocate(int w, int h, int n, bool sixteen);
    template <class T> T* Band(int b)
    {
        return reinterpret_cast<T*>(data.data()) + BandValues() * std::size_t(b);
    }
    template <class T> const T* Band(int b) const
    {
        return reinterpret_cast<const T*>(data.data()) + BandValues() * std::size_t(b);
    }
};

// Per-channel mean and standard deviation.
struct ChannelStats
{
    std::vector<double> mean;
    std::vector<double> deviation;
};

// Sets the process-wide GDAL options the engine relies on (no sidecar
// ".aux.xml" files; a damaged JPEG is an error, not a grey patch). Idempotent.
void PrepareImageLibraries();

// The largest raster the engine holds in memory, in bytes; a larger image
// fails with a reason instead of exhausting the machine.
constexpr double kMaxRasterBytes = 4.0 * 1024 * 1024 * 1024;

// Reads the image at path scaled by rate (1 reads it whole) with method.
// Images of other than 8 or 16 bits unsigned per value, or larger than
// kMaxRasterBytes once scaled, are refused.
bool ReadRaster(const QString& path, double rate, ResampleMethod method, Raster& raster,
                QString& error);

void ResampleRaster(Raster& raster, double rate, ResampleMethod method);
void RotateRaster(Raster& raster, Rotation rotation);
void StretchRaster(Raster& raster, double lowPercent, double highPercent);
ChannelStats MeasureRaster(const Raster& raster);
// Brings raster from its statistics own to target.
void BalanceRaster(Raster& raster, const ChannelStats& own, const ChannelStats& target);

// round(size * rate), at least 1.
int ScaledSize(int size, double rate);

// Writes raster to path with the GDAL driver (values above 8 bits are scaled
// down for drivers that hold only 8).
bool WriteRaster(const Raster& raster, const QString& driver, const QString& path,
                 const QStringList& options, QString& error);

// The GDAL driver name of the file at path ("JPEG", "GTiff", ...); empty when
// GDAL cannot open it.
QString DriverOf(const QString& path);
// The file extension (without the dot) written for driver.
QString ExtensionOf(const QString& driver);

// Averaged overview levels of path into path + ".ovr".
bool BuildOverviews(const QString& path, QString& error);

// A position for the GPS tags: degrees east and north, metres above sea level.
struct GpsPosition
{
    double longitude = 0.0;
    double latitude = 0.0;
    double height = 0.0;
};

// Copies the EXIF, IPTC and XMP tags of source into target, setting the pixel
// dimensions to width x height and leaving out thumbnails and the tags that
// describe the source's own image layout; with gps, its position replaces the
// GPS position tags. False with error when target's format holds no tags or
// writing failed; target's pixels are never touched.
bool CopyImageTags(const QString& source, const QString& target, int width, int height,
                   const GpsPosition* gps, QString& error);

} // namespace kvhost
