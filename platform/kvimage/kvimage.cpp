// Camera and GPS tags of photos, read with Exiv2.
//
// Exiv2 is set up once per process: its log output is muted (a damaged photo is
// an answer of false, not a message on stderr) and the XMP toolkit is
// initialised before any thread parses XMP, which makes concurrent calls safe.
// Paths are UTF-8 and go to Exiv2 unchanged. Positions come first from a small
// reader of the start of the file (gpsifd.h), Exiv2 answering where it cannot.

#include "kvimage/kvimage.h"

#include "gpsifd.h"
#include "sensortable.h"

#include <cerrno>
#include <cmath>
#include <exception>
#include <exiv2/exiv2.hpp>
#include <fcntl.h>
#include <locale>
#include <memory>
#include <mutex>
#include <new>
#include <sstream>
#include <unistd.h>

namespace kvimage {

namespace {

void InitExiv2()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
    });
}

// Owns the photo. ImageFactory::open returns a std::auto_ptr before Exiv2 0.28
// (deprecated, and so warned about wherever its type is named) and a
// std::unique_ptr from 0.28 on; both hand the photo over with release().
using ImagePtr = std::unique_ptr<Exiv2::Image>;

// The photo with its metadata read; null for an empty path. Exiv2 throws when the
// file cannot be opened or parsed.
ImagePtr OpenImage(const std::string& path)
{
    InitExiv2();
    if (path.empty())
        return ImagePtr();
    ImagePtr image(Exiv2::ImageFactory::open(path).release());
    if (image.get() == nullptr)
        return image;
    image->readMetadata();
    return image;
}

const Exiv2::Exifdatum* FindExif(const Exiv2::ExifData& exif, const char* key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    if (it == exif.end() || it->count() == 0)
        return nullptr;
    return &*it;
}

bool IsRational(const Exiv2::Exifdatum& datum)
{
    return datum.typeId() == Exiv2::unsignedRational || datum.typeId() == Exiv2::signedRational;
}

// Component i of a rational tag; false for another type or a zero denominator.
bool RationalAt(const Exiv2::Exifdatum& datum, long i, double* value)
{
    if (!IsRational(datum) || i >= datum.count())
        return false;
    const Exiv2::Rational r = datum.toRational(i);
    if (r.second == 0)
        return false;
    *value = static_cast<double>(r.first) / static_cast<double>(r.second);
    return std::isfinite(*value);
}

bool PositiveRational(const Exiv2::ExifData& exif, const char* key, double* value)
{
    const Exiv2::Exifdatum* datum = FindExif(exif, key);
    double v = 0.0;
    if (datum == nullptr || !RationalAt(*datum, 0, &v) || !(v > 0.0))
        return false;
    *value = v;
    return true;
}

bool PositiveInteger(const Exiv2::ExifData& exif, const char* key, long* value)
{
    const Exiv2::Exifdatum* datum = FindExif(exif, key);
    if (datum == nullptr)
        return false;
    switch (datum->typeId()) {
    case Exiv2::unsignedByte:
    case Exiv2::unsignedShort:
    case Exiv2::unsignedLong:
    case Exiv2::signedShort:
    case Exiv2::signedLong:
        break;
    default:
        return false;
    }
    const long v = datum->toLong(0);
    if (v <= 0)
        return false;
    *value = v;
    return true;
}

std::string AsciiTag(const Exiv2::ExifData& exif, const char* key)
{
    const Exiv2::Exifdatum* datum = FindExif(exif, key);
    if (datum == nullptr || datum->typeId() != Exiv2::asciiString)
        return std::string();
    std::string text = datum->toString();
    const std::string::size_type end = text.find('\0');
    if (end != std::string::npos)
        text.resize(end);
    const char* blanks = " \t\r\n";
    const std::string::size_type first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Sensor size from the focal-plane resolution (pixels per unit on the sensor).
bool SensorFromFocalPlane(const Exiv2::ExifData& exif, long width, long height, double* ccd_width,
                          double* ccd_height)
{
    double x_resolution = 0.0;
    if (!PositiveRational(exif, "Exif.Photo.FocalPlaneXResolution", &x_resolution))
        return false;
    long unit = 2; // inch, the EXIF default
    const Exiv2::Exifdatum* unit_tag = FindExif(exif, "Exif.Photo.FocalPlaneResolutionUnit");
    if (unit_tag != nullptr)
        unit = unit_tag->toLong(0);
    double unit_mm = 0.0;
    switch (unit) {
    case 2:
        unit_mm = 25.4;
        break;
    case 3:
        unit_mm = 10.0;
        break;
    case 4:
        unit_mm = 1.0;
        break;
    default:
        return false;
    }
    const double w = static_cast<double>(width) / x_resolution * unit_mm;
    // Photos scaled down after capture keep the focal-plane resolution of the
    // full frame and so claim a sensor a fraction of a millimetre wide.
    if (!(w >= 2.0 && w <= 100.0))
        return false;
    double y_resolution = 0.0;
    double h = static_cast<double>(height) * w / static_cast<double>(width);
    if (PositiveRational(exif, "Exif.Photo.FocalPlaneYResolution", &y_resolution))
        h = static_cast<double>(height) / y_resolution * unit_mm;
    if (!(h > 0.0) || !std::isfinite(h))
        return false;
    *ccd_width = w;
    *ccd_height = h;
    return true;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix)
{
    if (prefix.empty() || text.size() < prefix.size())
        return false;
    for (std::string::size_type i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i]))
            != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

bool ReadCamera(const std::string& path, kvfd::CameraInfo& camera)
{
    ImagePtr image = OpenImage(path);
    if (image.get() == nullptr)
        return false;
    const Exiv2::ExifData& exif = image->exifData();

    long width = 0;
    long height = 0;
    if (!PositiveInteger(exif, "Exif.Photo.PixelXDimension", &width)
        || !PositiveInteger(exif, "Exif.Photo.PixelYDimension", &height)) {
        width = image->pixelWidth();
        height = image->pixelHeight();
    }
    if (width <= 0 || height <= 0 || width > 0x7fffffffL || height > 0x7fffffffL)
        return false;

    double focal = 0.0;
    if (!PositiveRational(exif, "Exif.Photo.FocalLength", &focal)
        && !PositiveRational(exif, "Exif.Image.FocalLength", &focal))
        return false;

    const std::string make = AsciiTag(exif, "Exif.Image.Make");
    const std::string model = AsciiTag(exif, "Exif.Image.Model");

    double ccd_width = 0.0;
    double ccd_height = 0.0;
    if (!SensorFromFocalPlane(exif, width, height, &ccd_width, &ccd_height)) {
        ccd_width = detail::FindSensorWidth(make, model);
        if (!(ccd_width > 0.0))
            return false;
        ccd_height = ccd_width * static_cast<double>(height) / static_cast<double>(width);
    }

    kvfd::CameraInfo found = camera;
    found.name = model;
    // Canon and others repeat the make in the model: "Canon Canon EOS ..." helps nobody.
    if (make.empty() || StartsWithNoCase(model, make))
        found.fullname = model;
    else
        found.fullname = make + " " + model;
    found.width = static_cast<std::int32_t>(width);
    found.height = static_cast<std::int32_t>(height);
    found.focal = focal;
    found.ccd_width = ccd_width;
    found.ccd_height = ccd_height;
    found.pixel_size_x = ccd_width / static_cast<double>(width);
    found.pixel_size_y = ccd_height / static_cast<double>(height);
    found.x0 = static_cast<double>(width) / 2.0;
    found.y0 = static_cast<double>(height) / 2.0;
    found.dtype = 1;
    found.k1 = found.k2 = found.k3 = 0.0;
    found.p1 = found.p2 = 0.0;
    found.alpha = found.beta = 0.0;
    found.k4 = found.k5 = found.k6 = 0.0;
    found.mount_angle = 0;
    camera = found;
    return true;
}

// Degrees from a latitude or longitude tag: degrees, minutes, seconds (the
// minutes and seconds may be missing).
bool Degrees(const Exiv2::ExifData& exif, const char* key, double limit, double* value)
{
    const Exiv2::Exifdatum* datum = FindExif(exif, key);
    if (datum == nullptr || !IsRational(*datum))
        return false;
    const long count = datum->count() < 3 ? datum->count() : 3;
    double result = 0.0;
    double scale = 1.0;
    for (long i = 0; i < count; ++i) {
        double part = 0.0;
        if (!RationalAt(*datum, i, &part) || part < 0.0)
            return false;
        result += part / scale;
        scale *= 60.0;
    }
    if (!(result <= limit))
        return false;
    *value = result;
    return true;
}

bool IsRef(const Exiv2::ExifData& exif, const char* key, char letter)
{
    const std::string ref = AsciiTag(exif, key);
    return !ref.empty() && std::toupper(static_cast<unsigned char>(ref[0])) == letter;
}

// The drone's absolute altitude written as XMP text, e.g. "+1189.641".
bool XmpAltitude(const Exiv2::XmpData& xmp, double* value)
{
    for (const Exiv2::Xmpdatum& datum : xmp) {
        if (datum.key() != "Xmp.drone-dji.AbsoluteAltitude")
            continue;
        std::istringstream in(datum.toString());
        in.imbue(std::locale::classic());
        double v = 0.0;
        if (in >> v && std::isfinite(v)) {
            *value = v;
            return true;
        }
        return false;
    }
    return false;
}

bool ReadGps(const std::string& path, double* lla)
{
    ImagePtr image = OpenImage(path);
    if (image.get() == nullptr)
        return false;
    const Exiv2::ExifData& exif = image->exifData();

    double latitude = 0.0;
    double longitude = 0.0;
    if (!Degrees(exif, "Exif.GPSInfo.GPSLatitude", 90.0, &latitude)
        || !Degrees(exif, "Exif.GPSInfo.GPSLongitude", 180.0, &longitude))
        return false;
    if (IsRef(exif, "Exif.GPSInfo.GPSLatitudeRef", 'S'))
        latitude = -latitude;
    if (IsRef(exif, "Exif.GPSInfo.GPSLongitudeRef", 'W'))
        longitude = -longitude;

    double altitude = 0.0;
    const Exiv2::Exifdatum* altitude_tag = FindExif(exif, "Exif.GPSInfo.GPSAltitude");
    if (altitude_tag != nullptr && RationalAt(*altitude_tag, 0, &altitude)) {
        const Exiv2::Exifdatum* ref = FindExif(exif, "Exif.GPSInfo.GPSAltitudeRef");
        if (ref != nullptr && ref->toLong(0) == 1)
            altitude = -std::fabs(altitude);
    } else if (!XmpAltitude(image->xmpData(), &altitude)) {
        altitude = 0.0;
    }

    lla[0] = longitude;
    lla[1] = latitude;
    lla[2] = altitude;
    return true;
}

// Up to size bytes from the start of the file, in one read where the system
// allows; 0 for a file that cannot be read.
std::size_t ReadBlock(const std::string& path, std::uint8_t* block, std::size_t size)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t n = ::read(fd, block + filled, size - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return filled;
}

bool ReadGpsFast(const std::string& path, double* lla)
{
    if (path.empty())
        return false;
    std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[detail::kGpsBlockSize]);
    const std::size_t size = ReadBlock(path, block.get(), detail::kGpsBlockSize);
    return detail::GpsFromBlock(block.get(), size, lla);
}

} // namespace

namespace detail {

bool GpsFromExiv2(const std::string& path, double* lla)
{
    if (lla == nullptr)
        return false;
    try {
        return ReadGps(path, lla);
    } catch (const std::exception&) { // Exiv2's errors included
        return false;
    } catch (...) {
        return false;
    }
}

} // namespace detail

bool GetCameraFormImage(const std::string& path, kvfd::CameraInfo& camera)
{
    try {
        return ReadCamera(path, camera);
    } catch (const std::exception&) { // Exiv2's errors included
        return false;
    } catch (...) {
        return false;
    }
}

bool GetGPSFromImage(const std::string& path, double* lla)
{
    if (lla == nullptr)
        return false;
    // Most photos of a survey are plain JPEGs whose position the fast reader
    // finds; Exiv2 answers for the rest, and for photos without a position.
    try {
        if (ReadGpsFast(path, lla))
            return true;
    } catch (const std::bad_alloc&) { }
    return detail::GpsFromExiv2(path, lla);
}

bool GetExifThumbnail(const std::string& path, std::string& jpeg)
{
    try {
        const ImagePtr image = OpenImage(path);
        if (image.get() == nullptr)
            return false;
        const Exiv2::ExifThumbC thumb(image->exifData());
        if (std::string(thumb.mimeType()) != "image/jpeg")
            return false;
        const Exiv2::DataBuf data = thumb.copy();
#if EXIV2_TEST_VERSION(0, 28, 0)
        if (data.size() == 0)
            return false;
        jpeg.assign(reinterpret_cast<const char*>(data.c_data()), data.size());
#else
        if (data.size_ <= 0 || data.pData_ == nullptr)
            return false;
        jpeg.assign(reinterpret_cast<const char*>(data.pData_), std::size_t(data.size_));
#endif
        return true;
    } catch (...) {
        // Exiv2 throws on files it cannot open or parse; a thumbnail is
        // never worth more than an empty answer.
        return false;
    }
}

} // namespace kvimage
