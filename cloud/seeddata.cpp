#include "seeddata.h"

#include <QString>

namespace kvcloud {

namespace {

struct SeedCamera
{
    const char* name;
    const char* fullname;
    int width;
    int height;
    double ccdWidth;
    double ccdHeight;
    double focal;
    double k1, k2, k3, p1, p2;
};

QString Number(double value)
{
    return QString::number(value, 'g', 12);
}

QJsonObject CameraObject(const SeedCamera& c)
{
    // Every value is a JSON string, as the camera list carries them.
    return QJsonObject {
        {QStringLiteral("name"), QString::fromUtf8(c.name)},
        {QStringLiteral("fullname"), QString::fromUtf8(c.fullname)},
        {QStringLiteral("width"), QString::number(c.width)},
        {QStringLiteral("height"), QString::number(c.height)},
        {QStringLiteral("ccdwidth"), Number(c.ccdWidth)},
        {QStringLiteral("ccdheight"), Number(c.ccdHeight)},
        {QStringLiteral("x0"), Number(c.width / 2.0)},
        {QStringLiteral("y0"), Number(c.height / 2.0)},
        {QStringLiteral("focallength"), Number(c.focal)},
        {QStringLiteral("k1"), Number(c.k1)},
        {QStringLiteral("k2"), Number(c.k2)},
        {QStringLiteral("k3"), Number(c.k3)},
        {QStringLiteral("p1"), Number(c.p1)},
        {QStringLiteral("p2"), Number(c.p2)},
        {QStringLiteral("alpha"), QStringLiteral("0")},
        {QStringLiteral("beta"), QStringLiteral("0")},
    };
}

// Sensor formats common on survey aircraft.
const SeedCamera kSurveyCameras[] = {
    {"Survey 1in 20MP", "1-inch 20 MP mapping camera, 8.8 mm", 5472, 3648, 13.2, 8.8, 8.8, -0.0021,
     0.0013, -0.0002, 0.00011, -0.00007},
    {"Compact 1/2.3in 12MP", "1/2.3-inch 12 MP camera, 4.5 mm", 4000, 3000, 6.17, 4.55, 4.5,
     -0.0112, 0.0094, -0.0021, 0.00032, 0.00018},
    {"Full-frame 24MP 35mm", "Full-frame 24 MP camera, 35 mm", 6000, 4000, 35.9, 24.0, 35.0,
     -0.0008, 0.0004, 0.0, 0.00002, -0.00001},
    {"APS-C 24MP 24mm", "APS-C 24 MP camera, 24 mm", 6000, 4000, 23.5, 15.6, 24.0, -0.0015, 0.0009,
     -0.0001, 0.00005, 0.00003},
    {"Four-thirds 20MP 12.29mm", "4/3-inch 20 MP camera, 12.29 mm", 5280, 3956, 17.3, 13.0, 12.29,
     -0.0031, 0.0017, -0.0003, 0.00008, -0.00004},
};

// Make and model with sensor width (mm) from the public openMVG sensor width
// database (MPL-2.0, see cloud/data/README.md); image size, sensor height and
// focal length are typical values for each body.
const SeedCamera kCatalogueCameras[] = {
    {"Canon EOS 100D", "Canon EOS 100D 18 mm", 5184, 3456, 22.3, 14.9, 18, 0, 0, 0, 0, 0},
    {"Canon EOS 5D Mark III", "Canon EOS 5D Mark III 24 mm", 5760, 3840, 36, 24, 24, 0, 0, 0, 0, 0},
    {"Canon EOS 6D", "Canon EOS 6D 35 mm", 5472, 3648, 35.8, 23.9, 35, 0, 0, 0, 0, 0},
    {"Canon EOS 6D Mark II", "Canon EOS 6D Mark II 35 mm", 6240, 4160, 35.9, 24, 35, 0, 0, 0, 0, 0},
    {"Canon EOS 7D", "Canon EOS 7D 20 mm", 5184, 3456, 22.3, 14.9, 20, 0, 0, 0, 0, 0},
    {"Canon EOS 7D Mark II", "Canon EOS 7D Mark II 20 mm", 5472, 3648, 22.4, 15, 20, 0, 0, 0, 0, 0},
    {"Canon EOS 80D", "Canon EOS 80D 18 mm", 6000, 4000, 22.5, 15, 18, 0, 0, 0, 0, 0},
    {"Canon EOS M", "Canon EOS M 22 mm", 5184, 3456, 22.3, 14.9, 22, 0, 0, 0, 0, 0},
    {"Canon EOS M50", "Canon EOS M50 15 mm", 6000, 4000, 22.3, 14.9, 15, 0, 0, 0, 0, 0},
    {"Canon PowerShot G7 X", "Canon PowerShot G7 X 8.8 mm", 5472, 3648, 13.2, 8.8, 8.8, 0, 0, 0, 0,
     0},
    {"Canon PowerShot SX260 HS", "Canon PowerShot SX260 HS 4.5 mm", 4000, 3000, 6.16, 4.62, 4.5, 0,
     0, 0, 0, 0},
    {"Fujifilm X-A1", "Fujifilm X-A1 16 mm", 4896, 3264, 23.6, 15.6, 16, 0, 0, 0, 0, 0},
    {"Fujifilm X-E2", "Fujifilm X-E2 18 mm", 4896, 3264, 23.6, 15.6, 18, 0, 0, 0, 0, 0},
    {"Fujifilm X-T1", "Fujifilm X-T1 18 mm", 4896, 3264, 23.6, 15.6, 18, 0, 0, 0, 0, 0},
    {"Fujifilm X-T10", "Fujifilm X-T10 23 mm", 4896, 3264, 23.6, 15.6, 23, 0, 0, 0, 0, 0},
    {"Fujifilm X100S", "Fujifilm X100S 23 mm", 4896, 3264, 23.6, 15.6, 23, 0, 0, 0, 0, 0},
    {"Leica X2", "Leica X2 24 mm", 4944, 3272, 23.6, 15.7, 24, 0, 0, 0, 0, 0},
    {"Nikon 1 J5", "Nikon 1 J5 10 mm", 5568, 3712, 13.2, 8.8, 10, 0, 0, 0, 0, 0},
    {"Nikon D3300", "Nikon D3300 18 mm", 6000, 4000, 23.5, 15.6, 18, 0, 0, 0, 0, 0},
    {"Nikon D5300", "Nikon D5300 24 mm", 6000, 4000, 23.5, 15.6, 24, 0, 0, 0, 0, 0},
    {"Nikon D7200", "Nikon D7200 20 mm", 6000, 4000, 23.5, 15.6, 20, 0, 0, 0, 0, 0},
    {"Nikon D750", "Nikon D750 28 mm", 6016, 4016, 35.9, 24, 28, 0, 0, 0, 0, 0},
    {"Nikon D800", "Nikon D800 35 mm", 7360, 4912, 35.9, 24, 35, 0, 0, 0, 0, 0},
    {"Nikon D800E", "Nikon D800E 50 mm", 7360, 4912, 35.9, 24, 50, 0, 0, 0, 0, 0},
    {"Nikon D810", "Nikon D810 35 mm", 7360, 4912, 35.9, 24, 35, 0, 0, 0, 0, 0},
    {"Olympus E-M1", "Olympus E-M1 12 mm", 4608, 3456, 17.3, 13, 12, 0, 0, 0, 0, 0},
    {"Olympus E-M10", "Olympus E-M10 14 mm", 4608, 3456, 17.3, 13, 14, 0, 0, 0, 0, 0},
    {"Olympus E-M5", "Olympus E-M5 12 mm", 4608, 3456, 17.3, 13, 12, 0, 0, 0, 0, 0},
    {"Olympus E-M5MarkII", "Olympus E-M5MarkII 17 mm", 4608, 3456, 17.3, 13, 17, 0, 0, 0, 0, 0},
    {"Pentax K-3", "Pentax K-3 21 mm", 6016, 4000, 23.5, 15.6, 21, 0, 0, 0, 0, 0},
    {"Pentax K-5", "Pentax K-5 21 mm", 4928, 3264, 23.6, 15.7, 21, 0, 0, 0, 0, 0},
    {"Pentax K-50", "Pentax K-50 18 mm", 4928, 3264, 23.7, 15.7, 18, 0, 0, 0, 0, 0},
    {"Ricoh GR", "Ricoh GR 18.3 mm", 4928, 3264, 23.6, 15.7, 18.3, 0, 0, 0, 0, 0},
    {"Ricoh GR Digital IV", "Ricoh GR Digital IV 6 mm", 3648, 2736, 7.6, 5.7, 6, 0, 0, 0, 0, 0},
    {"Ricoh GR II", "Ricoh GR II 18.3 mm", 4928, 3264, 23.7, 15.7, 18.3, 0, 0, 0, 0, 0},
    {"Samsung NX300", "Samsung NX300 16 mm", 5472, 3648, 23.5, 15.7, 16, 0, 0, 0, 0, 0},
    {"Samsung NX1000", "Samsung NX1000 20 mm", 5472, 3648, 23.5, 15.7, 20, 0, 0, 0, 0, 0},
    {"Sigma DP2 Merrill", "Sigma DP2 Merrill 30 mm", 4704, 3136, 24, 16, 30, 0, 0, 0, 0, 0},
    {"Sony NEX-5N", "Sony NEX-5N 16 mm", 4912, 3264, 23.5, 15.6, 16, 0, 0, 0, 0, 0},
    {"Sony NEX-7", "Sony NEX-7 16 mm", 6000, 4000, 23.5, 15.6, 16, 0, 0, 0, 0, 0},
    {"Sony DSC-RX100M5", "Sony DSC-RX100M5 8.8 mm", 5472, 3648, 13.2, 8.8, 8.8, 0, 0, 0, 0, 0},
};

QJsonObject CalibrationObject(const char* cameraId, const char* lensId, const SeedCamera& c)
{
    QJsonObject object = CameraObject(c);
    object.insert(QStringLiteral("camera_id"), QString::fromUtf8(cameraId));
    object.insert(QStringLiteral("lens_id"), QString::fromUtf8(lensId));
    return object;
}

// A camera as the serial look-up reports it: pixel size ("dpi") in
// micrometres and focal length ("f") in pixels.
QJsonObject SerialObject(int width, int height, double pixelUm, double focalMm)
{
    return QJsonObject {
        {QStringLiteral("image_width"), QString::number(width)},
        {QStringLiteral("image_height"), QString::number(height)},
        {QStringLiteral("dpi"), Number(pixelUm)},
        {QStringLiteral("x0"), Number(width / 2.0)},
        {QStringLiteral("y0"), Number(height / 2.0)},
        {QStringLiteral("f"), Number(focalMm / (pixelUm * 0.001))},
        {QStringLiteral("k1"), QStringLiteral("-0.0015")},
        {QStringLiteral("k2"), QStringLiteral("0.0009")},
        {QStringLiteral("k3"), QStringLiteral("-0.0001")},
        {QStringLiteral("p1"), QStringLiteral("0.00005")},
        {QStringLiteral("p2"), QStringLiteral("0.00003")},
        {QStringLiteral("alpha"), QStringLiteral("0")},
        {QStringLiteral("beta"), QStringLiteral("0")},
    };
}

} // namespace

QJsonArray SeedCameras()
{
    QJsonArray cameras;
    for (const SeedCamera& c : kSurveyCameras)
        cameras.append(CameraObject(c));
    for (const SeedCamera& c : kCatalogueCameras)
        cameras.append(CameraObject(c));
    return cameras;
}

QJsonArray SeedCalibrations()
{
    return QJsonArray {
        CalibrationObject("1001", "1", kSurveyCameras[0]),
        CalibrationObject("1002", "1", kSurveyCameras[3]),
        CalibrationObject("1002", "2", kSurveyCameras[2]),
        CalibrationObject("1003", "1", kSurveyCameras[4]),
    };
}

QJsonObject SeedSerials()
{
    return QJsonObject {
        {QStringLiteral("SN0001"), SerialObject(6000, 4000, 3.9, 24.0)},
        {QStringLiteral("SN0002"), SerialObject(6000, 4000, 4.4, 35.0)},
        {QStringLiteral("SN0003"), SerialObject(5472, 3648, 2.41, 8.8)},
    };
}

} // namespace kvcloud
