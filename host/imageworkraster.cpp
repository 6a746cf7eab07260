#include "host/imageworkraster.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cpl_conv.h>
#include <cpl_error.h>
#include <cstdio>
#include <exiv2/exiv2.hpp>
#include <gdal.h>
#include <mutex>

namespace kvhost {

namespace {

std::string NativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// GDAL's own words when it left any, they say most about a damaged file.
QString GdalError(const QString& fallback)
{
    const char* message = CPLGetLastErrorMsg();
    return (message && *message) ? QString::fromUtf8(message) : fallback;
}

GDALRIOResampleAlg GdalMethod(ResampleMethod method)
{
    switch (method) {
    case ResampleMethod::Nearest:
        return GRIORA_NearestNeighbour;
    case ResampleMethod::Bilinear:
        return GRIORA_Bilinear;
    case ResampleMethod::Cubic:
        return GRIORA_Cubic;
    case ResampleMethod::Average:
        break;
    }
    return GRIORA_Average;
}

// A GDAL in-memory dataset over the raster's own buffer (its first `bands`
// bands, all when negative), without a copy.
GDALDatasetH WrapRaster(const Raster& raster, int bands = -1)
{
    if (bands < 0)
        bands = raster.bands;
    GDALDriverH mem = GDALGetDriverByName("MEM");
    const GDALDataType type = raster.wide ? GDT_UInt16 : GDT_Byte;
    GDALDatasetH dataset = GDALCreate(mem, "", raster.width, raster.height, 0, type, nullptr);
    if (!dataset)
        return nullptr;
    const std::size_t bytes = raster.wide ? 2 : 1;
    for (int b = 0; b < bands; ++b) {
        char pointer[64];
        std::snprintf(
            pointer, sizeof pointer, "DATAPOINTER=%p",
            static_cast<const void*>(raster.data.data() + raster.BandValues() * bytes * b));
        char* options[] = {pointer, nullptr};
        if (GDALAddBand(dataset, type, options) != CE_None) {
            GDALClose(dataset);
            return nullptr;
        }
        if (b < int(raster.colours.size()))
            GDALSetRasterColorInterpretation(GDALGetRasterBand(dataset, b + 1),
                                             GDALColorInterp(raster.colours[b]));
    }
    return dataset;
}

// Reads the whole of dataset into raster at width x height.
bool ReadInto(GDALDatasetH dataset, int width, int height, ResampleMethod method, bool wide,
              Raster& raster)
{
    const int bands = GDALGetRasterCount(dataset);
    raster.Allocate(width, height, bands, wide);
    raster.colours.resize(bands);
    for (int b = 0; b < bands; ++b)
        raster.colours[b] = GDALGetRasterColorInterpretation(GDALGetRasterBand(dataset, b + 1));
    GDALRasterIOExtraArg extra;
    INIT_RASTERIO_EXTRA_ARG(extra);
    extra.eResampleAlg = GdalMethod(method);
    const int bytes = wide ? 2 : 1;
    return GDALDatasetRasterIOEx(
               dataset, GF_Read, 0, 0, GDALGetRasterXSize(dataset), GDALGetRasterYSize(dataset),
               raster.data.data(), width, height, wide ? GDT_UInt16 : GDT_Byte, bands, nullptr,
               bytes, GSpacing(width) * bytes, GSpacing(raster.BandValues()) * bytes, &extra)
        == CE_None;
}

template <class T> void Rotate(Raster& raster, Rotation rotation)
{
    const int w = raster.width;
    const int h = raster.height;
    const bool turn = rotation == Rotation::Rotate90 || rotation == Rotation::Rotate270;
    Raster out;
    out.Allocate(turn ? h : w, turn ? w : h, raster.bands, raster.wide);
    out.colours = raster.colours;
    const int ow = out.width;
    for (int b = 0; b < raster.bands; ++b) {
        const T* in = raster.Band<T>(b);
        T* o = out.Band<T>(b);
        for (int y = 0; y < h; ++y) {
            const T* row = in + std::size_t(y) * w;
            for (int x = 0; x < w; ++x) {
                int ox = x, oy = y;
                switch (rotation) {
                case Rotation::Rotate90:
                    ox = h - 1 - y, oy = x;
                    break;
                case Rotation::Rotate180:
                    ox = w - 1 - x, oy = h - 1 - y;
                    break;
                case Rotation::Rotate270:
                    ox = y, oy = w - 1 - x;
                    break;
                case Rotation::FlipLeftRight:
                    ox = w - 1 - x;
                    break;
                case Rotation::FlipTopBottom:
                    oy = h - 1 - y;
                    break;
                }
                o[std::size_t(oy) * ow + ox] = row[x];
            }
        }
    }
    raster = std::move(out);
}

template <class T> std::vector<std::uint64_t> Histogram(const Raster& raster, int band)
{
    std::vector<std::uint64_t> counts(std::size_t(raster.MaxValue()) + 1, 0);
    const T* values = raster.Band<T>(band);
    const std::size_t n = raster.BandValues();
    for (std::size_t i = 0; i < n; ++i)
        ++counts[values[i]];
    return counts;
}

std::vector<std::uint64_t> BandHistogram(const Raster& raster, int band)
{
    return raster.wide ? Histogram<std::uint16_t>(raster, band)
                       : Histogram<std::uint8_t>(raster, band);
}

template <class T> void ApplyTable(Raster& raster, int band, const std::vector<int>& table)
{
    T* values = raster.Band<T>(band);
    const std::size_t n = raster.BandValues();
    for (std::size_t i = 0; i < n; ++i)
        values[i] = T(table[values[i]]);
}

void ApplyBandTable(Raster& raster, int band, const std::vector<int>& table)
{
    if (raster.wide)
        ApplyTable<std::uint16_t>(raster, band, table);
    else
        ApplyTable<std::uint8_t>(raster, band, table);
}

// The smallest value whose cumulative count exceeds fraction of all values.
int Percentile(const std::vector<std::uint64_t>& counts, double fraction, std::uint64_t total)
{
    const double limit = fraction * double(total);
    std::uint64_t sum = 0;
    for (std::size_t v = 0; v < counts.size(); ++v) {
        sum += counts[v];
        if (double(sum) > limit)
            return int(v);
    }
    return int(counts.size()) - 1;
}

bool HoldsOnlyBytes(const QString& driver)
{
    return driver == QLatin1String("JPEG") || driver == QLatin1String("BMP");
}

// Tags of IFD0 that describe how the file stores its own pixels: the target's
// must stay, the source's mean nothing there.
bool IsLayoutTag(const std::string& group, const std::string& tag)
{
    if (group != "Image")
        return false;
    static const char* const layout[] = {"NewSubfileType",
                                         "SubfileType",
                                         "ImageWidth",
                                         "ImageLength",
                                         "BitsPerSample",
                                         "Compression",
                                         "PhotometricInterpretation",
                                         "FillOrder",
                                         "StripOffsets",
                                         "SamplesPerPixel",
                                         "RowsPerStrip",
                                         "StripByteCounts",
                                         "PlanarConfiguration",
                                         "Predictor",
                                         "TileWidth",
                                         "TileLength",
                                         "TileOffsets",
                                         "TileByteCounts",
                                         "ExtraSamples",
                                         "SampleFormat",
                                         "SubIFDs",
                                         "JPEGTables",
                                         "JPEGInterchangeFormat",
                                         "JPEGInterchangeFormatLength",
                                         "YCbCrSubSampling",
                                         "ColorMap",
                                         "ImageResources"};
    return std::find(std::begin(layout), std::end(layout), tag) != std::end(layout);
}

// Exiv2's XMP toolkit keeps global state; the engine's threads take turns.
std::mutex& TagMutex()
{
    static std::mutex mutex;
    return mutex;
}

// Degrees as the three rationals of EXIF: degrees, minutes, seconds to 1/10000.
Exiv2::URationalValue Sexagesimal(double degrees)
{
    degrees = std::abs(degrees);
    const auto whole = uint32_t(degrees);
    const double minutesAll = (degrees - whole) * 60.0;
    const auto minutes = uint32_t(minutesAll);
    const auto seconds = uint32_t(std::lround((minutesAll - minutes) * 60.0 * 10000.0));
    Exiv2::URationalValue value;
    value.value_.push_back({whole, 1});
    value.value_.push_back({minutes, 1});
    value.value_.push_back({seconds, 10000});
    return value;
}

void SetGpsTags(const GpsPosition& gps, Exiv2::ExifData& exif)
{
    // Byte-typed tags take their values as text in the tag's own type.
    exif["Exif.GPSInfo.GPSVersionID"] = std::string("2 3 0 0");
    exif["Exif.GPSInfo.GPSLatitudeRef"] = std::string(gps.latitude < 0 ? "S" : "N");
    exif["Exif.GPSInfo.GPSLatitude"] = Sexagesimal(gps.latitude);
    exif["Exif.GPSInfo.GPSLongitudeRef"] = std::string(gps.longitude < 0 ? "W" : "E");
    exif["Exif.GPSInfo.GPSLongitude"] = Sexagesimal(gps.longitude);
    exif["Exif.GPSInfo.GPSAltitudeRef"] = std::string(gps.height < 0 ? "1" : "0");
    exif["Exif.GPSInfo.GPSAltitude"]
        = Exiv2::URational(uint32_t(std::lround(std::abs(gps.height) * 1000.0)), 1000);
}

} // namespace

void Raster::Allocate(int w, int h, int n, bool sixteen)
{
    width = w;
    height = h;
    bands = n;
    wide = sixteen;
    data.assign(BandValues() * std::size_t(n) * (sixteen ? 2 : 1), 0);
}

void PrepareImageLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] {
        GDALAllRegister();
        CPLSetConfigOption("GDAL_PAM_ENABLED", "NO");
        CPLSetConfigOption("GDAL_ERROR_ON_LIBJPEG_WARNING", "TRUE");
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
    });
}

int ScaledSize(int size, double rate)
{
    return std::max(1, int(std::lround(double(size) * rate)));
}

bool ReadRaster(const QString& path, double rate, ResampleMethod method, Raster& raster,
                QString& error)
{
    CPLErrorReset();
    GDALDatasetH dataset = GDALOpenEx(NativePath(path).c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY,
                                      nullptr, nullptr, nullptr);
    if (!dataset) {
        error = QCoreApplication::translate("ImageWork",
                                            "The file is not an image that can be read.");
        return false;
    }
    bool ok = false;
    const int bands = GDALGetRasterCount(dataset);
    const GDALDataType type
        = bands > 0 ? GDALGetRasterDataType(GDALGetRasterBand(dataset, 1)) : GDT_Unknown;
    if (type != GDT_Byte && type != GDT_UInt16) {
        error = QCoreApplication::translate(
            "ImageWork", "The image holds values of a kind other than 8 or 16 bits per channel.");
    } else {
        const int w = GDALGetRasterXSize(dataset);
        const int h = GDALGetRasterYSize(dataset);
        const int ow = rate < 1.0 ? ScaledSize(w, rate) : w;
        const int oh = rate < 1.0 ? ScaledSize(h, rate) : h;
        if (double(ow) * oh * bands * (type == GDT_UInt16 ? 2 : 1) > kMaxRasterBytes) {
            error = QCoreApplication::translate("ImageWork", "The image is too large to process.");
        } else {
            ok = ReadInto(dataset, ow, oh, method, type == GDT_UInt16, raster);
            if (!ok)
                error = GdalError(QCoreApplication::translate(
                    "ImageWork", "The image could not be read to its end."));
        }
    }
    GDALClose(dataset);
    return ok;
}

void ResampleRaster(Raster& raster, double rate, ResampleMethod method)
{
    GDALDatasetH source = WrapRaster(raster);
    if (!source)
        return;
    Raster out;
    if (ReadInto(source, ScaledSize(raster.width, rate), ScaledSize(raster.height, rate), method,
                 raster.wide, out)) {
        out.colours = raster.colours;
        GDALClose(source);
        raster = std::move(out);
        return;
    }
    GDALClose(source);
}

void RotateRaster(Raster& raster, Rotation rotation)
{
    if (raster.wide)
        Rotate<std::uint16_t>(raster, rotation);
    else
        Rotate<std::uint8_t>(raster, rotation);
}

void StretchRaster(Raster& raster, double lowPercent, double highPercent)
{
    const int top = raster.MaxValue();
    for (int b = 0; b < raster.bands; ++b) {
        const auto counts = BandHistogram(raster, b);
        const int low = Percentile(counts, lowPercent / 100.0, raster.BandValues());
        const int high = Percentile(counts, highPercent / 100.0, raster.BandValues());
        if (high <= low)
            continue; // a flat channel has nothing to stretch
        std::vector<int> table(std::size_t(top) + 1);
        for (int v = 0; v <= top; ++v) {
            const double stretched = double(v - low) * top / double(high - low);
            table[v] = int(std::clamp(std::lround(stretched), 0L, long(top)));
        }
        ApplyBandTable(raster, b, table);
    }
}

ChannelStats MeasureRaster(const Raster& raster)
{
    ChannelStats stats;
    const double n = double(raster.BandValues());
    for (int b = 0; b < raster.bands; ++b) {
        const auto counts = BandHistogram(raster, b);
        double sum = 0.0, squares = 0.0;
        for (std::size_t v = 0; v < counts.size(); ++v) {
            sum += double(v) * double(counts[v]);
            squares += double(v) * double(v) * double(counts[v]);
        }
        const double mean = n > 0 ? sum / n : 0.0;
        stats.mean.push_back(mean);
        stats.deviation.push_back(n > 0 ? std::sqrt(std::max(0.0, squares / n - mean * mean))
                                        : 0.0);
    }
    return stats;
}

void BalanceRaster(Raster& raster, const ChannelStats& own, const ChannelStats& target)
{
    const int top = raster.MaxValue();
    const int bands
        = std::min<int>(raster.bands, int(std::min(own.mean.size(), target.mean.size())));
    for (int b = 0; b < bands; ++b) {
        // A flat channel keeps its spread (none) and only moves to the mean.
        const double gain = own.deviation[b] > 1e-9 ? target.deviation[b] / own.deviation[b] : 1.0;
        std::vector<int> table(std::size_t(top) + 1);
        for (int v = 0; v <= top; ++v) {
            const double value = (double(v) - own.mean[b]) * gain + target.mean[b];
            table[v] = int(std::clamp(std::lround(value), 0L, long(top)));
        }
        ApplyBandTable(raster, b, table);
    }
}

bool WriteRaster(const Raster& raster, const QString& driverName, const QString& path,
                 const QStringList& options, QString& error)
{
    GDALDriverH driver = GDALGetDriverByName(driverName.toLatin1().constData());
    if (!driver) {
        error = QCoreApplication::translate("ImageWork", "No writer for the chosen format.");
        return false;
    }
    Raster narrowed;
    const Raster* source = &raster;
    if (raster.wide && HoldsOnlyBytes(driverName)) {
        narrowed.Allocate(raster.width, raster.height, raster.bands, false);
        narrowed.colours = raster.colours;
        const std::size_t n = raster.BandValues() * std::size_t(raster.bands);
        const auto* in = reinterpret_cast<const std::uint16_t*>(raster.data.data());
        for (std::size_t i = 0; i < n; ++i)
            narrowed.data[i] = std::uint8_t(in[i] >> 8);
        source = &narrowed;
    }
    // JPEG and BMP hold no transparency: an alpha band is left out.
    int bands = source->bands;
    if (HoldsOnlyBytes(driverName) && bands > 1 && int(source->colours.size()) == bands
        && source->colours.back() == GCI_AlphaBand)
        --bands;
    GDALDatasetH memory = WrapRaster(*source, bands);
    if (!memory) {
        error = QCoreApplication::translate("ImageWork", "Out of memory.");
        return false;
    }
    std::vector<QByteArray> texts;
    if (driverName == QLatin1String("GTiff"))
        for (const QString& option : options)
            texts.push_back(option.toUtf8());
    if (driverName == QLatin1String("JPEG"))
        texts.push_back("QUALITY=90");
    std::vector<char*> list;
    for (QByteArray& text : texts)
        list.push_back(text.data());
    list.push_back(nullptr);
    CPLErrorReset();
    GDALDatasetH written = GDALCreateCopy(driver, NativePath(path).c_str(), memory, FALSE,
                                          list.data(), nullptr, nullptr);
    bool ok = written != nullptr;
    if (written) {
        // Closing flushes the last blocks: a full disk shows only here.
        CPLErrorReset();
        GDALClose(written);
        ok = CPLGetLastErrorType() != CE_Failure && CPLGetLastErrorType() != CE_Fatal;
    }
    GDALClose(memory);
    if (!ok)
        error = GdalError(
            QCoreApplication::translate("ImageWork", "The image could not be written."));
    return ok;
}

QString DriverOf(const QString& path)
{
    GDALDriverH driver = GDALIdentifyDriver(NativePath(path).c_str(), nullptr);
    return driver ? QString::fromLatin1(GDALGetDriverShortName(driver)) : QString();
}

QString ExtensionOf(const QString& driver)
{
    if (driver == QLatin1String("GTiff"))
        return QStringLiteral("tif");
    if (driver == QLatin1String("JPEG"))
        return QStringLiteral("jpg");
    GDALDriverH handle = GDALGetDriverByName(driver.toLatin1().constData());
    const char* extension
        = handle ? GDALGetMetadataItem(handle, GDAL_DMD_EXTENSION, nullptr) : nullptr;
    return extension && *extension ? QString::fromLatin1(extension).section(QLatin1Char(' '), 0, 0)
                                   : driver.toLower();
}

bool BuildOverviews(const QString& path, QString& error)
{
    CPLErrorReset();
    GDALDatasetH dataset = GDALOpenEx(NativePath(path).c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY,
                                      nullptr, nullptr, nullptr);
    if (!dataset) {
        error = GdalError(QCoreApplication::translate(
            "ImageWork", "The image could not be opened for overviews."));
        return false;
    }
    const int larger = std::max(GDALGetRasterXSize(dataset), GDALGetRasterYSize(dataset));
    std::vector<int> levels;
    for (int level = 2; larger / level >= 256; level *= 2)
        levels.push_back(level);
    if (levels.empty())
        levels.push_back(2); // a small image still gets one level, as asked
    const bool ok = GDALBuildOverviews(dataset, "AVERAGE", int(levels.size()), levels.data(), 0,
                                       nullptr, nullptr, nullptr)
        == CE_None;
    CPLErrorReset();
    GDALClose(dataset);
    if (!ok || CPLGetLastErrorType() == CE_Failure) {
        error = GdalError(
            QCoreApplication::translate("ImageWork", "The overviews could not be written."));
        return false;
    }
    return true;
}

bool CopyImageTags(const QString& source, const QString& target, int width, int height,
                   const GpsPosition* gps, QString& error)
{
    std::lock_guard<std::mutex> lock(TagMutex());
    try {
        auto in = Exiv2::ImageFactory::open(NativePath(source));
        in->readMetadata();
        auto out = Exiv2::ImageFactory::open(NativePath(target));
        if (!out->good()) {
            error = QCoreApplication::translate("ImageWork",
                                                "The output could not be opened to copy the tags.");
            return false;
        }
        if (out->checkMode(Exiv2::mdExif) != Exiv2::amReadWrite) {
            error = QCoreApplication::translate(
                "ImageWork", "The output format holds no photo tags; they were not copied.");
            return false;
        }
        out->readMetadata();
        Exiv2::ExifData exif = out->exifData();
        bool dimensions = false;
        for (const Exiv2::Exifdatum& datum : in->exifData()) {
            const std::string group = datum.groupName();
            if (group == "Thumbnail" || (group.rfind("Image", 0) == 0 && group != "Image")
                || group.rfind("SubImage", 0) == 0 || IsLayoutTag(group, datum.tagName()))
                continue;
            if (datum.key() == "Exif.Photo.PixelXDimension")
                dimensions = true;
            // Cameras pad text tags with NULs, which a TIFF reader warns of.
            if (datum.typeId() == Exiv2::asciiString)
                exif[datum.key()] = std::string(datum.toString().c_str());
            else
                exif[datum.key()] = datum.value();
        }
        if (gps)
            SetGpsTags(*gps, exif);
        if (dimensions) {
            exif["Exif.Photo.PixelXDimension"] = uint32_t(width);
            exif["Exif.Photo.PixelYDimension"] = uint32_t(height);
        }
        out->setExifData(exif);
        if (out->checkMode(Exiv2::mdXmp) == Exiv2::amReadWrite)
            out->setXmpData(in->xmpData());
        if (out->checkMode(Exiv2::mdIptc) == Exiv2::amReadWrite)
            out->setIptcData(in->iptcData());
        out->writeMetadata();
    } catch (const std::exception& e) {
        error = QCoreApplication::translate("ImageWork", "The photo tags could not be copied: %1")
                    .arg(QString::fromLocal8Bit(e.what()));
        return false;
    }
    return true;
}

} // namespace kvhost
