#include "host/patbexport.h"

#include <QDir>
#include <cmath>

namespace kvhost {

ExportResult PatbExport::Export(const kvprj::KvProject& project, const PatbJob& job)
{
    ExportResult result = PrepareFolder(job.folder);
    if (!result.ok)
        return result;
    const std::vector<int> ids = PlacedImages(project, result);
    if (ids.empty())
        return result;
    const double unit = (job.gon ? 200.0 : 180.0) / M_PI;
    QByteArray orientations;
    QByteArray names;
    for (int id : ids) {
        const kvfd::ImageInfo& image = *project.GetImageInfoSet().GetImage(id);
        const kvfd::EOP& e = image.GetEOP();
        orientations += QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
                            .arg(id + 1, 8)
                            .arg(e.X, 15, 'f', 4)
                            .arg(e.Y, 15, 'f', 4)
                            .arg(e.Z, 12, 'f', 4)
                            .arg(e.Omega * unit, 13, 'f', 7)
                            .arg(e.Phi * unit, 13, 'f', 7)
                            .arg(e.Kappa * unit, 13, 'f', 7)
                            .toLatin1();
        names += QByteArray::number(id + 1) + ' ' + QByteArray::fromStdString(image.Name()) + '\n';
    }
    orientations += "-99\n";
    const QDir dir(job.folder);
    if (WriteAside(dir.filePath(job.baseName + QStringLiteral(".ori")), orientations, result))
        WriteAside(dir.filePath(job.baseName + QStringLiteral("_images.txt")), names, result);
    return result;
}

} // namespace kvhost
