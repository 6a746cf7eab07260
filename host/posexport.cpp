#include "host/posexport.h"

#include "kvmath/geoprj.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace {

const char* const kContext = "PosExport";
QString Tr(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

constexpr double kDeg = 57.295779513082320876798;

void Multiply(const double* a, const double* b, double* out)
{
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out[i * 3 + j] = a[i * 3] * b[j] + a[i * 3 + 1] * b[3 + j] + a[i * 3 + 2] * b[6 + j];
}

void Rx(double a, double* r)
{
    const double c = std::cos(a), s = std::sin(a);
    const double m[9] = {1, 0, 0, 0, c, -s, 0, s, c};
    std::copy(m, m + 9, r);
}
void Ry(double a, double* r)
{
    const double c = std::cos(a), s = std::sin(a);
    const double m[9] = {c, 0, s, 0, 1, 0, -s, 0, c};
    std::copy(m, m + 9, r);
}
void Rz(double a, double* r)
{
    const double c = std::cos(a), s = std::sin(a);
    const double m[9] = {c, -s, 0, s, c, 0, 0, 0, 1};
    std::copy(m, m + 9, r);
}

// Rounding may leave |sin| a hair above 1.
double SafeAsin(double v)
{
    return std::asin(std::clamp(v, -1.0, 1.0));
}

} // namespace

void PosExport::Matrix(int angle, double omega, double phi, double kappa, double* r)
{
    double a[9], b[9], c[9], ab[9];
    if (angle == 0) {
        Ry(-phi, a);
        Rx(omega, b);
    } else {
        Rx(omega, a);
        Ry(phi, b);
    }
    Rz(kappa, c);
    Multiply(a, b, ab);
    Multiply(ab, c, r);
}

void PosExport::Angles(int angle, const double* r, double& omega, double& phi, double& kappa)
{
    if (angle == 0) {
        omega = SafeAsin(-r[5]);
        phi = std::atan2(-r[2], r[8]);
        kappa = std::atan2(r[3], r[4]);
    } else {
        phi = SafeAsin(r[2]);
        omega = std::atan2(-r[5], r[8]);
        kappa = std::atan2(-r[1], r[0]);
    }
}

PosExportResult PosExport::Write(const PosExportJob& job)
{
    PosExportResult result;
    if (job.path.isEmpty()) {
        result.message = Tr(QT_TRANSLATE_NOOP("PosExport", "No POS file was chosen."));
        return result;
    }
    kvmath::GeoPrj toLongLat;
    if (job.coord == 1) {
        kvfd::CoordinateInfo wgs84;
        wgs84.type = kvfd::CT_WGS84_UTM;
        wgs84.id = 4326;
        wgs84.definition = "EPSG:4326";
        if (!toLongLat.Create(job.coordinate, wgs84)) {
            result.message = Tr(QT_TRANSLATE_NOOP(
                "PosExport",
                "The project's coordinate system cannot be converted to longitude and latitude."));
            return result;
        }
    }

    const QChar gap = QLatin1Char(job.separator);
    QByteArray text;
    QStringList header {QStringLiteral("Name"),
                        job.coord == 1 ? QStringLiteral("Longitude") : QStringLiteral("X"),
                        job.coord == 1 ? QStringLiteral("Latitude") : QStringLiteral("Y"),
                        job.coord == 1 ? QStringLiteral("Height") : QStringLiteral("Z"),
                        QStringLiteral("Omega"),
                        QStringLiteral("Phi"),
                        QStringLiteral("Kappa")};
    text += header.join(gap).toUtf8() + '\n';
    for (const PosExportImage& image : job.images) {
        if (job.images_mask != 0) {
            // The two boxes together ask for images that are both.
            if ((job.images_mask & 1) && !image.selected)
                continue;
            if ((job.images_mask & 2) && !image.enabled)
                continue;
        }
        QString name = image.name;
        // The import splits lines at any of these, whichever one was chosen
        // here: such a name would not read back as one field.
        if (name.isEmpty() || name.contains(QRegularExpression(QStringLiteral("[\\t ,;\\r\\n]")))) {
            result.message
                = Tr(QT_TRANSLATE_NOOP("PosExport",
                                       "The image name \"%1\" holds a separator of POS files."))
                      .arg(name);
            return result;
        }
        if (job.name == 1) {
            const int dot = name.lastIndexOf(QLatin1Char('.'));
            if (dot > 0)
                name.truncate(dot);
        }
        double x = image.eop.X, y = image.eop.Y, z = image.eop.Z;
        int decimals = 4;
        if (job.coord == 1) {
            if (!toLongLat.Transform(x, y, z)) {
                result.message = Tr(QT_TRANSLATE_NOOP(
                                        "PosExport",
                                        "The position of %1 cannot be converted to longitude and "
                                        "latitude."))
                                     .arg(image.name);
                return result;
            }
            decimals = 10;
        }
        double omega = image.eop.Omega, phi = image.eop.Phi, kappa = image.eop.Kappa;
        if (job.angle == 0) {
            double r[9];
            Matrix(1, omega, phi, kappa, r);
            Angles(0, r, omega, phi, kappa);
        }
        const QStringList fields {name,
                                  QString::number(x, 'f', decimals),
                                  QString::number(y, 'f', decimals),
                                  QString::number(z, 'f', 4),
                                  QString::number(omega * kDeg, 'f', 8),
                                  QString::number(phi * kDeg, 'f', 8),
                                  QString::number(kappa * kDeg, 'f', 8)};
        text += fields.join(gap).toUtf8() + '\n';
        ++result.written;
    }

    QSaveFile file(job.path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        result.written = 0;
        result.message = Tr(QT_TRANSLATE_NOOP("PosExport", "The POS file %1 cannot be written."))
                             .arg(QDir::toNativeSeparators(job.path));
        return result;
    }
    result.ok = true;
    return result;
}
