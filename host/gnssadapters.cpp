#include "host/gnssadapters.h"

#include "framework/kvshared.h"
#include "kvfd/coordinateinfo.h"
#include "kvkernel/aiscontext.h"

#include <QDir>

namespace kvhost {

GnssJob ToGnssJob(const kvgps::GPSParam& param)
{
    GnssJob job;
    job.useBase = param.use_base != 0;
    job.basePositionMode = param.base_position_mode;
    job.navSource = param.nav_source;
    job.gnssSystems = param.gnss_systems;
    job.positioning = param.positioning;
    job.baseLongitude = param.base_longitude;
    job.baseLatitude = param.base_latitude;
    job.baseHeight = param.base_height;
    job.antennaHeight = param.antenna_height;
    job.baseObsPath = String2QString(param.base_obs_path);
    job.roverObsPath = String2QString(param.rover_obs_path);
    job.outputDir = String2QString(param.output_dir);
    return job;
}

PosExportJob ToPosExportJob(const kvkernel::AISContext& project, int images, int angle, int name,
                            int coord, char separator, const std::string& path)
{
    PosExportJob job;
    const kvfd::ImageInfoSet& set = project.GetImageInfoSet();
    job.images.reserve(std::size_t(set.ValidSize()));
    for (int i = 0; i < set.Size(); ++i) {
        const kvfd::ImageInfo* image = set.GetImage(i);
        const kvfd::ImageInfoExt* ext = set.GetImageExt(i);
        if (!image || !ext)
            continue;
        PosExportImage row;
        row.name = String2QString(image->Name());
        row.eop = image->GetEOP();
        row.selected = ext->selected;
        row.enabled = ext->enabled;
        job.images.push_back(row);
    }
    job.images_mask = images;
    job.angle = angle;
    job.name = name;
    job.coord = coord;
    job.separator = separator;
    job.path = String2QString(path);
    const int id = project.GetPrjInfo().coordinateId;
    if (id != -1)
        kvfd::CoordinateInfoSet::Catalogue().GetCoordinateByID(id, job.coordinate);
    return job;
}

ExifJob ToExifJob(const std::vector<std::pair<std::string, std::string>>& folders,
                  const std::string& posPath, int match)
{
    ExifJob job;
    for (const auto& pair : folders)
        job.folders.emplace_back(String2QString(pair.first), String2QString(pair.second));
    job.posPath = String2QString(posPath);
    job.match = match;
    return job;
}

ColmapJob ToColmapJob(const kvkernel::AISContext& project, bool selectedOnly,
                      const kvfd::CameraInfo& initial, const QString& workDir)
{
    ColmapJob job;
    const kvfd::ImageInfoSet& set = project.GetImageInfoSet();
    for (int i = 0; i < set.Size(); ++i) {
        const kvfd::ImageInfo* image = set.GetImage(i);
        const kvfd::ImageInfoExt* ext = set.GetImageExt(i);
        if (image && ext && (!selectedOnly || ext->selected))
            job.images << String2QString(image->GetFullName());
    }
    job.workDir = workDir;
    job.initial = initial;
    return job;
}

ImageJob ToImageCorrectionJob(const std::string& input, const std::string& output,
                              const kvfd::CameraInfo& camera, bool center, bool tif)
{
    ImageJob job;
    const QDir folder(String2QString(input));
    const QStringList filters {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"),
                               QStringLiteral("*.tif"), QStringLiteral("*.tiff"),
                               QStringLiteral("*.png"), QStringLiteral("*.bmp")};
    const QStringList names
        = folder.entryList(filters, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        job.images << folder.filePath(name);
    job.destination = String2QString(output);
    ImageStep step;
    step.kind = ImageStepKind::Distortion;
    step.camera = camera;
    step.toCenter = center;
    step.toTif = tif;
    job.steps.push_back(step);
    return job;
}

} // namespace kvhost
