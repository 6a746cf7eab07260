#include "host/processingadapter.h"

#include "framework/kvshared.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace kvhost {

namespace {

// The camera a distortion step without its own camera corrects with: the
// first image's camera is the one the project's photos were taken with.
const kvfd::CameraInfo* ProjectCamera(const kvkernel::AISContext& project)
{
    const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (int i = 0; i < images.Size(); ++i) {
        if (const kvfd::ImageInfo* image = images.GetImage(i))
            if (const kvfd::CameraInfo* camera
                = project.GetCameraInfoSet().GetCamera(image->GetCamera()))
                return camera;
    }
    return project.GetCameraInfoSet().GetCamera(0);
}

} // namespace

QString GdalDriverOf(const QString& format)
{
    static const QHash<QString, QString> drivers {
        {QStringLiteral("bmp"), QStringLiteral("BMP")},
        {QStringLiteral("jpeg"), QStringLiteral("JPEG")},
        {QStringLiteral("jpg"), QStringLiteral("JPEG")},
        {QStringLiteral("png"), QStringLiteral("PNG")},
        {QStringLiteral("gtiff"), QStringLiteral("GTiff")},
        {QStringLiteral("tiff"), QStringLiteral("GTiff")},
        {QStringLiteral("tif"), QStringLiteral("GTiff")},
    };
    const QString key = format.trimmed().toLower();
    return drivers.value(key, format);
}

QStringList ProjectImages(const kvkernel::AISContext& project, bool all)
{
    const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    QStringList files;
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfo* image = images.GetImage(i);
        const kvfd::ImageInfoExt* ext = images.GetImageExt(i);
        if (image && ext && (all || ext->selected))
            files << String2QString(image->GetFullName());
    }
    return files;
}

bool ToImageStep(const AlgoParameter& record, const kvkernel::AISContext* project, ImageStep& step,
                 QString& error)
{
    step = ImageStep();
    switch (record.type) {
    case kvalgo::kColor:
        step.kind = ImageStepKind::ColorBalance;
        return true;
    case kvalgo::kEnhance:
        step.kind = ImageStepKind::Enhance;
        return true;
    case kvalgo::kPyramid:
        step.kind = ImageStepKind::Overviews;
        return true;
    case kvalgo::kFormat:
        step.kind = ImageStepKind::Format;
        step.format
            = GdalDriverOf(String2QString(static_cast<const FormatParameter&>(record).format));
        return true;
    case kvalgo::kResample:
        step.kind = ImageStepKind::Resample;
        step.rate = static_cast<const ResampleParameter&>(record).rate;
        // Averaging keeps every source pixel's share in a reduced image.
        step.method = ResampleMethod::Average;
        return true;
    case kvalgo::kRotate: {
        const std::int32_t type = static_cast<const RotateParameter&>(record).rotateType;
        if (type < int(Rotation::Rotate90) || type > int(Rotation::Rotate270)) {
            error = QCoreApplication::translate("ProcessingAdapter",
                                                "The rotation %1 is none of 90°, 180° and 270°.")
                        .arg(type);
            return false;
        }
        step.kind = ImageStepKind::Rotate;
        step.rotation = Rotation(type);
        return true;
    }
    case kvalgo::kDistortion: {
        const auto& distortion = static_cast<const DistortionParameter&>(record);
        step.kind = ImageStepKind::Distortion;
        step.camera = distortion.camera;
        if (!distortion.useCamera && project)
            if (const kvfd::CameraInfo* camera = ProjectCamera(*project))
                step.camera = *camera;
        step.toTif = distortion.toTif;
        step.toCenter = distortion.toCenter;
        return true;
    }
    default:
        error = QCoreApplication::translate("ProcessingAdapter",
                                            "The processing step %1 is not known to this host.")
                    .arg(record.type);
        return false;
    }
}

bool MakeImageJob(const AlgoChain& chain, const QString& output,
                  const kvkernel::AISContext* project, ImageJob& job, QString& error)
{
    job = ImageJob();
    if (!project) {
        error = QCoreApplication::translate("ProcessingAdapter", "Open a project first.");
        return false;
    }
    if (chain.empty()) {
        error = QCoreApplication::translate("ProcessingAdapter",
                                            "The chain has no steps; add at least one.");
        return false;
    }
    for (const auto& record : chain) {
        if (!record) {
            error
                = QCoreApplication::translate("ProcessingAdapter", "A step of the chain is empty.");
            return false;
        }
        ImageStep step;
        if (!ToImageStep(*record, project, step, error))
            return false;
        job.steps.push_back(step);
    }
    job.images = ProjectImages(*project, chain.front()->all);
    if (job.images.isEmpty()) {
        error = chain.front()->all
            ? QCoreApplication::translate("ProcessingAdapter", "The project has no images.")
            : QCoreApplication::translate("ProcessingAdapter", "No image is selected.");
        return false;
    }
    job.destination = output.trimmed();
    job.tiffOptions = DefaultTiffOptions();
    job.threads = ConfiguredThreads();
    return true;
}

RawJob MakeRawJob(const QString& rawFolder, const QString& posFile, const QString& output)
{
    RawJob job;
    job.rawFolder = rawFolder.trimmed();
    job.posFile = posFile.trimmed();
    job.destination = output.trimmed();
    job.tiffOptions = DefaultTiffOptions();
    job.threads = ConfiguredThreads();
    return job;
}

QStringList DefaultTiffOptions()
{
    return {QStringLiteral("COMPRESS=LZW")};
}

int ConfiguredThreads()
{
    kvfd::KvConfiguration* configuration = kvfd::KvConfiguration::Instance();
    return configuration ? std::max(0, int(configuration->GetAlgoSetting().threadCount)) : 0;
}

} // namespace kvhost
