#include "camera/camerafile.h"

#include "framework/kvshared.h"
#include "kvfd/datetime.h"
#include "kvmath/cameratransformer.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <memory>
#include <sstream>

namespace {

using kvfd::CameraInfo;

// Camera block layout (before masking). The coefficient order differs from the
// record's field order; calibration files of the web service use the same block,
// so it must not change.
constexpr unsigned char kMarker = 0xD7;
constexpr int kWidthOffset = 4;
constexpr int kHeightOffset = 8;
constexpr int kFocalOffset = 12;
constexpr int kPixelSizeOffset = 20;
constexpr int kX0Offset = 28;
constexpr int kY0Offset = 36;
constexpr int kCoefficientOffset = 44;
constexpr int kCheckOffset = 124;

constexpr double CameraInfo::*kBlockCoefficients[] = {
    &CameraInfo::k1, &CameraInfo::k2, &CameraInfo::k3, &CameraInfo::k4,    &CameraInfo::k5,
    &CameraInfo::k6, &CameraInfo::p1, &CameraInfo::p2, &CameraInfo::alpha, &CameraInfo::beta,
};

// Little-endian whatever the host, so that files move between machines.
void PutUInt32(unsigned char* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

std::uint32_t GetUInt32(const unsigned char* p)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

void PutDouble(unsigned char* p, double v)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    PutUInt32(p, static_cast<std::uint32_t>(bits));
    PutUInt32(p + 4, static_cast<std::uint32_t>(bits >> 32));
}

double GetDouble(const unsigned char* p)
{
    const std::uint64_t bits = (std::uint64_t(GetUInt32(p + 4)) << 32) | GetUInt32(p);
    double v = 0.0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::uint32_t CheckWord(const unsigned char* block)
{
    std::uint32_t check = 0;
    for (int offset = 0; offset < kCheckOffset; offset += 4)
        check ^= GetUInt32(block + offset);
    return check;
}

// Masking and unmasking are the same operation.
void Mask(unsigned char* block)
{
    for (int i = 1; i < kvui::kCameraBlockSize; ++i)
        block[i] ^= block[0];
}

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// ---- camera XML file

constexpr struct
{
    const char* tag;
    double CameraInfo::*field;
} kXmlDoubles[] = {
    {"focal", &CameraInfo::focal},
    {"ccd_width", &CameraInfo::ccd_width},
    {"ccd_height", &CameraInfo::ccd_height},
    {"x0", &CameraInfo::x0},
    {"y0", &CameraInfo::y0},
    {"k1", &CameraInfo::k1},
    {"k2", &CameraInfo::k2},
    {"k3", &CameraInfo::k3},
    {"p1", &CameraInfo::p1},
    {"p2", &CameraInfo::p2},
    {"alpha", &CameraInfo::alpha},
    {"beta", &CameraInfo::beta},
    {"k4", &CameraInfo::k4},
    {"k5", &CameraInfo::k5},
    {"k6", &CameraInfo::k6},
};

constexpr struct
{
    const char* tag;
    std::int32_t CameraInfo::*field;
} kXmlIntegers[] = {
    {"width", &CameraInfo::width},
    {"height", &CameraInfo::height},
    {"dtype", &CameraInfo::dtype},
};

// Survey lenses stay far below this; a larger value is a focal length in pixels,
// as some files hold it.
constexpr double kLargestFocalInMillimetres = 200.0;

// Every camera file is written beside its final name and moved over it only
// once complete and on disk: a full disk, a failing device or a crash leaves
// the previous file or none, never a partial one. QSaveFile (Qt 5) commits even
// when its last flush or its sync failed, so both are checked here.
bool Commit(QSaveFile& file)
{
    if (!file.flush() || !kvui::SyncToDisk(file))
        file.cancelWriting();
    return file.commit();
}

bool WriteCameraXml(const CameraInfo& camera, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("CAMERA"));
    const auto fixed = [](double v) { return QString::number(v, 'f', 8); };
    const auto general = [](double v) { return QString::number(v, 'g', 10); };
    xml.writeTextElement(QStringLiteral("name"), String2QString(camera.name));
    xml.writeTextElement(QStringLiteral("fullname"), String2QString(camera.fullname));
    xml.writeTextElement(QStringLiteral("width"), QString::number(camera.width));
    xml.writeTextElement(QStringLiteral("height"), QString::number(camera.height));
    xml.writeTextElement(QStringLiteral("focal"), fixed(camera.focal));
    xml.writeTextElement(QStringLiteral("ccd_width"), fixed(camera.ccd_width));
    xml.writeTextElement(QStringLiteral("ccd_height"), fixed(camera.ccd_height));
    xml.writeTextElement(QStringLiteral("x0"), fixed(camera.x0));
    xml.writeTextElement(QStringLiteral("y0"), fixed(camera.y0));
    xml.writeTextElement(QStringLiteral("dtype"), QString::number(camera.dtype));
    xml.writeTextElement(QStringLiteral("k1"), general(camera.k1));
    xml.writeTextElement(QStringLiteral("k2"), general(camera.k2));
    xml.writeTextElement(QStringLiteral("k3"), general(camera.k3));
    xml.writeTextElement(QStringLiteral("p1"), general(camera.p1));
    xml.writeTextElement(QStringLiteral("p2"), general(camera.p2));
    xml.writeTextElement(QStringLiteral("alpha"), general(camera.alpha));
    xml.writeTextElement(QStringLiteral("beta"), general(camera.beta));
    xml.writeTextElement(QStringLiteral("k4"), general(camera.k4));
    xml.writeTextElement(QStringLiteral("k5"), general(camera.k5));
    xml.writeTextElement(QStringLiteral("k6"), general(camera.k6));
    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError())
        file.cancelWriting();
    return Commit(file);
}

void ReadXmlField(const QDomElement& element, CameraInfo& camera)
{
    const QString tag = element.tagName();
    const QString text = element.text();
    if (tag == QLatin1String("name")) {
        camera.name = QString2String(text);
        return;
    }
    if (tag == QLatin1String("fullname")) {
        camera.fullname = QString2String(text);
        return;
    }
    for (const auto& entry : kXmlIntegers) {
        if (tag == QLatin1String(entry.tag)) {
            camera.*entry.field = text.toInt(nullptr, 10);
            return;
        }
    }
    for (const auto& entry : kXmlDoubles) {
        if (tag == QLatin1String(entry.tag)) {
            camera.*entry.field = text.toDouble();
            return;
        }
    }
}

bool ReadCameraXml(CameraInfo& camera, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDomDocument document;
    if (!document.setContent(&file))
        return false;
    const QDomElement root = document.documentElement();
    if (root.isNull() || root.firstChild().isNull())
        return false;

    CameraInfo read;
    // A root whose first child is not an element (a comment, say) yields the
    // default record: older writers never put anything before the fields.
    for (QDomElement e = root.firstChild().toElement(); !e.isNull(); e = e.nextSiblingElement())
        ReadXmlField(e, read);
    read.pixel_size_x = read.ccd_width / read.width;
    read.pixel_size_y = read.ccd_height / read.height;
    if (read.focal > kLargestFocalInMillimetres)
        read.focal *= read.pixel_size_x;
    camera = read;
    return true;
}

// ---- binary camera file

bool WriteCameraBinary(const CameraInfo& camera, const QString& path)
{
    const QByteArray block = kvui::EncodeCameraBlock(camera);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(block) != block.size())
        file.cancelWriting();
    return Commit(file);
}

bool ReadCameraBinary(CameraInfo& camera, const QString& path)
{
    QByteArray block(kvui::kCameraBlockSize, '\0');
    {
        FilePtr file(std::fopen(QString2String(path).c_str(), "rb"));
        if (!file)
            return false;
        const std::size_t read
            = std::fread(block.data(), 1, static_cast<std::size_t>(block.size()), file.get());
        if (read != static_cast<std::size_t>(block.size()))
            return false;
    }
    return kvui::DecodeCameraBlock(block, camera);
}

// ---- Inpho camera file

bool WriteInphoCamera(const CameraInfo& camera, const QString& path)
{
    CameraInfo c;
    c.dtype = 4;
    if (!kvmath::CameraTransformer::Transform(camera, c))
        return false;

    QSaveFile file(path);
    // Text mode: line ends follow the platform's convention.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;

    std::ostringstream out;
    const std::string now = kvfd::DateTime::Now().ToString();
    out << "$PROJECT 5.0.0\n";
    out << "  $STARTING_DATE : " << now << '\n';
    out << "  $LAST_CHANGE : " << now << '\n';
    out << "  $LINEAR_UNITS_OF_OBJECT : m\n";
    out << "  $LINEAR_UNITS_OF_IMAGE : mm\n";
    out << "  $ANGULAR_UNITS : deg\n";
    out << "$END\n";
    out << "$CAMERA\n";
    out << "  $TYPE : " << c.name << '\n';
    out << "  $DATE : " << now << '\n';
    out << "  $BRAND : Custom\n";
    out << "  $KIND : CCDFrame\n";
    out << "  $CCD_INTERIOR_ORIENTATION :\n";
    // Note the order: y0 on the first row, x0 on the second, as files in use have it.
    out << std::fixed << std::setprecision(6);
    out << "     " << 1.0 / c.pixel_size_x << "\t0.0000000000" << '\t' << c.y0 << '\n';
    out << "     0.0000000000\t" << -1.0 / c.pixel_size_x << '\t' << c.x0 << '\n';
    out << "  $CCD_COLUMNS : " << c.width << '\n';
    out << "  $CCD_ROWS : " << c.height << '\n';
    out << "  $PIXEL_REFERENCE : CenterTopLeft\n";
    out << "  $FOCAL_LENGTH : " << c.focal << '\n';
    out << "  $PRINCIPAL_POINT_PPA :     0.000000     0.000000\n";
    out << "  $RADIAL_COEFFS :\n";
    out.unsetf(std::ios::floatfield);
    out << std::setprecision(12);
    const auto field = std::setw(23);
    out << "  " << field << 0 << field << c.k1 << field << c.k2 << field << c.k3 << '\n';
    out << "  " << field << c.alpha << field << 0 << field << 0 << field << "0\n";
    out << "  $DECENTRE_COEFFS :\n";
    out << "  " << field << c.p1 << field << c.p2 << field << 0 << field << "0\n";
    out << "  $GPS_ANTENNA_OFFSET :     0.000000     0.000000     0.000000\n";
    out << "  $CAMERA_MOUNT_ROTATION :     0.000000\n";
    out << "$END\n";
    const std::string text = out.str();
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size()))
        file.cancelWriting();
    return Commit(file);
}

// ---- optical properties file

bool WriteOpticalProperties(const CameraInfo& camera, const QString& path)
{
    CameraInfo c;
    c.dtype = 3;
    if (!kvmath::CameraTransformer::Transform(camera, c))
        return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto g6 = [](double v) { return QString::number(v, 'g', 6); };
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("OpticalProperties"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    xml.writeTextElement(QStringLiteral("Id"), QString::number(c.id));
    xml.writeTextElement(QStringLiteral("Name"), String2QString(c.name));
    xml.writeTextElement(QStringLiteral("Description"), String2QString(c.fullname));
    xml.writeTextElement(QStringLiteral("Directory"), QString());
    xml.writeStartElement(QStringLiteral("ImageDimensions"));
    xml.writeTextElement(QStringLiteral("Width"), QString::number(c.width));
    xml.writeTextElement(QStringLiteral("Height"), QString::number(c.height));
    xml.writeEndElement();
    xml.writeTextElement(QStringLiteral("CameraModelType"), QStringLiteral("Perspective"));
    xml.writeTextElement(QStringLiteral("FocalLength"), g6(c.focal));
    xml.writeStartElement(QStringLiteral("Distortion"));
    xml.writeTextElement(QStringLiteral("K1"), g6(c.k1));
    xml.writeTextElement(QStringLiteral("K2"), g6(c.k2));
    xml.writeTextElement(QStringLiteral("K3"), g6(c.k3));
    xml.writeTextElement(QStringLiteral("P1"), g6(c.p1));
    xml.writeTextElement(QStringLiteral("P2"), g6(c.p2));
    xml.writeTextElement(QStringLiteral("Direct"), QStringLiteral("true"));
    xml.writeEndElement();
    xml.writeTextElement(QStringLiteral("FocalLengthPixel"), g6(c.focal / c.pixel_size_x));
    xml.writeStartElement(QStringLiteral("PrincipalPoint"));
    xml.writeTextElement(QStringLiteral("X"), g6(c.x0));
    xml.writeTextElement(QStringLiteral("Y"), g6(c.y0));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError())
        file.cancelWriting();
    return Commit(file);
}

QString Suffix(const QString& path)
{
    return QFileInfo(path).suffix().toLower();
}

} // namespace

bool ExportCameraFile(const kvfd::CameraInfo& camera, const QString& path)
{
    const QString suffix = Suffix(path);
    if (suffix == QLatin1String("xml"))
        return WriteCameraXml(camera, path);
    if (suffix == QLatin1String("cam"))
        return WriteCameraBinary(camera, path);
    if (suffix == QLatin1String("prj"))
        return WriteInphoCamera(camera, path);
    if (suffix == QLatin1String("opt"))
        return WriteOpticalProperties(camera, path);
    return false;
}

bool ImportCameraFile(kvfd::CameraInfo& camera, const QString& path)
{
    const QString suffix = Suffix(path);
    if (suffix == QLatin1String("xml"))
        return ReadCameraXml(camera, path);
    if (suffix == QLatin1String("cam"))
        return ReadCameraBinary(camera, path);
    return false;
}

namespace kvui {

QByteArray EncodeCameraBlock(const kvfd::CameraInfo& camera)
{
    unsigned char block[kCameraBlockSize] = {};
    block[0] = kMarker;
    block[1] = 0x01;
    PutUInt32(block + kWidthOffset, static_cast<std::uint32_t>(camera.width));
    PutUInt32(block + kHeightOffset, static_cast<std::uint32_t>(camera.height));
    PutDouble(block + kFocalOffset, camera.focal / camera.pixel_size_x);
    PutDouble(block + kPixelSizeOffset, camera.pixel_size_x * 1000.0);
    PutDouble(block + kX0Offset, camera.x0);
    PutDouble(block + kY0Offset, camera.y0);
    int offset = kCoefficientOffset;
    for (const auto field : kBlockCoefficients) {
        PutDouble(block + offset, camera.*field);
        offset += 8;
    }
    PutUInt32(block + kCheckOffset, CheckWord(block));
    Mask(block);
    return QByteArray(reinterpret_cast<const char*>(block), kCameraBlockSize);
}

bool DecodeCameraBlock(const QByteArray& bytes, kvfd::CameraInfo& camera)
{
    if (bytes.size() != kCameraBlockSize)
        return false;
    unsigned char block[kCameraBlockSize];
    std::memcpy(block, bytes.constData(), kCameraBlockSize);
    Mask(block);
    if (block[0] != kMarker || CheckWord(block) != GetUInt32(block + kCheckOffset))
        return false;

    kvfd::CameraInfo read = camera; // the block holds no id, names or mounting angle
    const double pixelSize = GetDouble(block + kPixelSizeOffset) / 1000.0;
    read.width = static_cast<std::int32_t>(GetUInt32(block + kWidthOffset));
    read.height = static_cast<std::int32_t>(GetUInt32(block + kHeightOffset));
    read.ccd_width = read.width * pixelSize;
    read.ccd_height = read.height * pixelSize;
    read.pixel_size_x = pixelSize;
    read.pixel_size_y = pixelSize;
    read.focal = GetDouble(block + kFocalOffset) * pixelSize;
    read.x0 = GetDouble(block + kX0Offset);
    read.y0 = GetDouble(block + kY0Offset);
    int offset = kCoefficientOffset;
    for (const auto field : kBlockCoefficients) {
        read.*field = GetDouble(block + offset);
        offset += 8;
    }
    read.dtype = 1;
    camera = read;
    return true;
}

} // namespace kvui
