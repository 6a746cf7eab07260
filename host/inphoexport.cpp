#include "host/inphoexport.h"

#include "camera/camerafile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace kvhost {

ExportResult InphoExport::Export(const kvprj::KvProject& project, const InphoJob& job)
{
    ExportResult result = PrepareFolder(job.folder);
    if (!result.ok)
        return result;
    const std::vector<int> ids = PlacedImages(project, result);
    if (ids.empty())
        return result;
    // Undistorted images carry no distortion: their camera file must say so.
    const bool undistort = job.undistortion && !job.imagesFolder.isEmpty();
    if (undistort && !UndistortImages(project, ids, job.imagesFolder, job.undistort, result))
        return result;

    const auto& images = project.GetImageInfoSet();
    const QDir dir(job.folder);
    std::set<int> cameras;
    double minX = std::numeric_limits<double>::max(), minY = minX;
    double maxX = std::numeric_limits<double>::lowest(), maxY = maxX;
    for (int id : ids) {
        const kvfd::EOP& e = images.GetImage(id)->GetEOP();
        cameras.insert(images.GetImage(id)->GetCamera());
        minX = std::min(minX, e.X);
        maxX = std::max(maxX, e.X);
        minY = std::min(minY, e.Y);
        maxY = std::max(maxY, e.Y);
    }
    for (int index : cameras) {
        kvfd::CameraInfo camera = *project.GetCameraInfoSet().GetCamera(index);
        if (undistort)
            camera.k1 = camera.k2 = camera.k3 = camera.k4 = camera.k5 = camera.k6 = camera.p1
                = camera.p2 = camera.alpha = camera.beta = 0.0;
        const QString path = dir.filePath(QStringLiteral("camera_%1.prj").arg(index));
        if (!ExportCameraFile(camera, path)) {
            result.ok = false;
            result.message
                = QCoreApplication::translate("kvhost", "The camera file %1 could not be written.")
                      .arg(QDir::toNativeSeparators(path));
            return result;
        }
        result.files << QFileInfo(path).absoluteFilePath();
    }

    const double offsetX = job.toCenter ? std::round((minX + maxX) / 2.0) : 0.0;
    const double offsetY = job.toCenter ? std::round((minY + maxY) / 2.0) : 0.0;
    const double degrees = 180.0 / M_PI;
    QByteArray text = "# name X Y Z omega phi kappa camera (angles in degrees)\n";
    if (job.toCenter)
        text += QStringLiteral("# offset %1 %2\n")
                    .arg(offsetX, 0, 'f', 0)
                    .arg(offsetY, 0, 'f', 0)
                    .toUtf8();
    for (int id : ids) {
        const kvfd::ImageInfo& image = *images.GetImage(id);
        const kvfd::EOP& e = image.GetEOP();
        text += QStringLiteral("%1 %2 %3 %4 %5 %6 %7 camera_%8.prj\n")
                    .arg(QString::fromStdString(image.Name()))
                    .arg(e.X - offsetX, 0, 'f', 4)
                    .arg(e.Y - offsetY, 0, 'f', 4)
                    .arg(e.Z, 0, 'f', 4)
                    .arg(e.Omega * degrees, 0, 'f', 7)
                    .arg(e.Phi * degrees, 0, 'f', 7)
                    .arg(e.Kappa * degrees, 0, 'f', 7)
                    .arg(image.GetCamera())
                    .toUtf8();
    }
    WriteAside(dir.filePath(QLatin1String(kOrientationFile)), text, result);
    return result;
}

} // namespace kvhost
