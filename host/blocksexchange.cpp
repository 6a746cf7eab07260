#include "host/blocksexchange.h"

#include "host/footprint.h"
#include "kvfd/distortion.h"
#include "kvmath/geoprj.h"

#include <QCoreApplication>
#include <QDir>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>
#include <map>

namespace kvhost {

namespace {

QString Number(double v)
{
    return QString::number(v, 'g', 15);
}

void WriteText(QXmlStreamWriter& xml, const char* name, const QString& text)
{
    xml.writeTextElement(QLatin1String(name), text);
}

double PixelSize(const kvfd::CameraInfo& camera)
{
    if (camera.pixel_size_x > 0.0)
        return camera.pixel_size_x;
    return camera.ccd_width > 0.0 && camera.width > 0 ? camera.ccd_width / camera.width : 0.0;
}

// The pose's rotation is the matrix from the map into the camera frame whose
// x runs right, y down and z along the viewing direction ("XRightYDown"). The
// project's R turns image space (x right, y up, z towards the viewer) into
// map space, so M = diag(1, -1, -1) R^T.
//
// In another coordinate system the map's axes turn as well (grid convergence
// between zones or projections): G, the project's east, north and up as seen
// in the target system at the centre, measured over a metre and made
// orthonormal, goes in front of R. False when the transformation fails there.
bool PoseRotation(const kvfd::EOP& eop, const kvmath::GeoPrj& transform, double m[3][3])
{
    double r[3][3]; // r[row][column] of R
    for (int c = 0; c < 3; ++c) {
        double axis[3] = {0.0, 0.0, 0.0};
        axis[c] = 1.0;
        double out[3];
        Footprint::Rotate(eop, axis, out);
        for (int row = 0; row < 3; ++row)
            r[row][c] = out[row];
    }
    if (transform.IsValid()) {
        double origin[3] = {eop.X, eop.Y, eop.Z};
        double east[3] = {eop.X + 1.0, eop.Y, eop.Z};
        double north[3] = {eop.X, eop.Y + 1.0, eop.Z};
        if (!transform.Transform(origin[0], origin[1], origin[2])
            || !transform.Transform(east[0], east[1], east[2])
            || !transform.Transform(north[0], north[1], north[2]))
            return false;
        double e[3], n[3], u[3];
        for (int i = 0; i < 3; ++i) {
            e[i] = east[i] - origin[i];
            n[i] = north[i] - origin[i];
        }
        const auto normalise = [](double v[3]) {
            const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
            for (int i = 0; i < 3; ++i)
                v[i] /= length;
        };
        normalise(e);
        const double d = n[0] * e[0] + n[1] * e[1] + n[2] * e[2];
        for (int i = 0; i < 3; ++i)
            n[i] -= d * e[i];
        normalise(n);
        u[0] = e[1] * n[2] - e[2] * n[1];
        u[1] = e[2] * n[0] - e[0] * n[2];
        u[2] = e[0] * n[1] - e[1] * n[0];
        double g[3][3] = {{e[0], n[0], u[0]}, {e[1], n[1], u[1]}, {e[2], n[2], u[2]}};
        double turned[3][3];
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j)
                turned[i][j] = g[i][0] * r[0][j] + g[i][1] * r[1][j] + g[i][2] * r[2][j];
        }
        std::copy(&turned[0][0], &turned[0][0] + 9, &r[0][0]);
    }
    const double sign[3] = {1.0, -1.0, -1.0};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            m[i][j] = sign[i] * r[j][i];
    }
    return true;
}

} // namespace

ExportResult BlocksExchange::Export(const kvprj::KvProject& project, const BlocksExchangeJob& job)
{
    ExportResult result = PrepareFolder(job.folder);
    if (!result.ok)
        return result;
    const std::vector<int> ids = ExportedImages(project);
    if (ids.empty()) {
        result.ok = false;
        result.message = NoImagesMessage();
        return result;
    }

    // Centres move into the target system when both systems are known; a
    // local system on either side keeps the project's coordinates.
    kvfd::CoordinateInfo source;
    const kvfd::CoordinateInfoSet catalogue = kvfd::CoordinateInfoSet::Catalogue();
    const bool known = catalogue.GetCoordinateByID(project.GetPrjInfo().coordinateId, source);
    const bool georeferenced = job.coordinate.type != kvfd::CT_LOCAL && job.coordinate.id >= 0
        && !job.coordinate.definition.empty();
    kvmath::GeoPrj transform;
    if (known && georeferenced && source.id != job.coordinate.id
        && !transform.Create(source, job.coordinate)) {
        result.ok = false;
        result.message = QCoreApplication::translate(
            "kvhost", "The positions cannot be transformed into the chosen coordinate system.");
        return result;
    }

    const QString undistorted = QDir(job.folder).filePath(QLatin1String(kUndistortedFolder));
    if (job.undistortion && !UndistortImages(project, ids, undistorted, job.undistort, result))
        return result;

    std::map<int, std::vector<int>> groups; // camera -> images, in project order
    for (int id : ids)
        groups[project.GetImageInfoSet().GetImage(id)->GetCamera()].push_back(id);

    QByteArray data;
    QXmlStreamWriter xml(&data);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("BlocksExchange"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    if (georeferenced) {
        xml.writeStartElement(QStringLiteral("SpatialReferenceSystems"));
        xml.writeStartElement(QStringLiteral("SRS"));
        WriteText(xml, "Id", QStringLiteral("0"));
        WriteText(xml, "Name", QString::fromStdString(job.coordinate.name));
        WriteText(xml, "Definition", QString::fromStdString(job.coordinate.definition));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeStartElement(QStringLiteral("Block"));
    const QString name
        = job.blockName.isEmpty() ? QString::fromUtf8(project.GetPrjInfo().name) : job.blockName;
    WriteText(xml, "Name", name.isEmpty() ? QStringLiteral("Block") : name);
    WriteText(xml, "Description", QString::fromUtf8(project.GetPrjInfo().description));
    if (georeferenced)
        WriteText(xml, "SRSId", QStringLiteral("0"));
    xml.writeStartElement(QStringLiteral("Photogroups"));
    for (const auto& group : groups) {
        const kvfd::CameraInfo& camera = *project.GetCameraInfoSet().GetCamera(group.first);
        xml.writeStartElement(QStringLiteral("Photogroup"));
        WriteText(xml, "Name",
                  QString::fromStdString(camera.name.empty() ? "Camera" : camera.name)
                      + QStringLiteral(" %1").arg(group.first));
        xml.writeStartElement(QStringLiteral("ImageDimensions"));
        WriteText(xml, "Width", QString::number(camera.width));
        WriteText(xml, "Height", QString::number(camera.height));
        xml.writeEndElement();
        WriteText(xml, "CameraModelType", QStringLiteral("Perspective"));
        WriteText(xml, "FocalLength", Number(camera.focal));
        // The sensor size is that of the longer image side.
        WriteText(xml, "SensorSize",
                  Number(PixelSize(camera) * std::max(camera.width, camera.height)));
        WriteText(xml, "CameraOrientation", QStringLiteral("XRightYDown"));
        xml.writeStartElement(QStringLiteral("PrincipalPoint"));
        WriteText(xml, "x", Number(camera.x0 >= 0.0 ? camera.x0 : camera.width / 2.0));
        WriteText(xml, "y", Number(camera.y0 >= 0.0 ? camera.y0 : camera.height / 2.0));
        xml.writeEndElement();
        // K1..K3, P1, P2 on coordinates normalised by the focal length in
        // pixels, the scale of the project's Brown model.
        kvfd::NormalisedDistortion d;
        if (!job.undistortion)
            kvfd::GetNormalisedDistortion(camera, d);
        xml.writeStartElement(QStringLiteral("Distortion"));
        WriteText(xml, "K1", Number(d.k1));
        WriteText(xml, "K2", Number(d.k2));
        WriteText(xml, "K3", Number(d.k3));
        WriteText(xml, "P1", Number(d.p1));
        WriteText(xml, "P2", Number(d.p2));
        xml.writeEndElement();
        for (int id : group.second) {
            const kvfd::ImageInfo& image = *project.GetImageInfoSet().GetImage(id);
            kvfd::EOP eop = image.GetEOP();
            // An image without a position gets no pose: a centre at the
            // origin would be taken for a measured one.
            const bool placed = HasPosition(eop);
            double m[3][3];
            if (placed
                && (!PoseRotation(eop, transform, m)
                    || (transform.IsValid() && !transform.Transform(eop.X, eop.Y, eop.Z)))) {
                result.ok = false;
                result.message = QCoreApplication::translate(
                                     "kvhost", "The position of %1 cannot be transformed.")
                                     .arg(QString::fromStdString(image.Name()));
                return result;
            }
            const QString path = job.undistortion
                ? QDir(undistorted).filePath(QString::fromStdString(image.Name()))
                : QString::fromStdString(image.GetFullName());
            xml.writeStartElement(QStringLiteral("Photo"));
            WriteText(xml, "Id", QString::number(id));
            WriteText(xml, "ImagePath", QDir::toNativeSeparators(path));
            if (placed) {
                xml.writeStartElement(QStringLiteral("Pose"));
                xml.writeStartElement(QStringLiteral("Rotation"));
                for (int i = 0; i < 9; ++i)
                    xml.writeTextElement(QStringLiteral("M_%1%2").arg(i / 3).arg(i % 3),
                                         Number(m[i / 3][i % 3]));
                xml.writeEndElement();
                xml.writeStartElement(QStringLiteral("Center"));
                WriteText(xml, "x", Number(eop.X));
                WriteText(xml, "y", Number(eop.Y));
                WriteText(xml, "z", Number(eop.Z));
                xml.writeEndElement();
                xml.writeEndElement(); // Pose
            }
            xml.writeEndElement(); // Photo
        }
        xml.writeEndElement(); // Photogroup
    }
    xml.writeEndDocument();
    WriteAside(QDir(job.folder).filePath(QLatin1String(kFileName)), data, result);
    return result;
}

} // namespace kvhost
