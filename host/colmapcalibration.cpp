#include "host/colmapcalibration.h"

#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "host/behindprogress.h"
#include "host/gnssrunprocess.h"
#include "kvkernel/kvprogress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <exiv2/exiv2.hpp>
#include <memory>

namespace {

const char* const kContext = "ColmapCalibration";
const char* const kCalibrating = QT_TRANSLATE_NOOP("kvui", "相机检校中……");

QString Tr(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

// The focal length and its 35 mm equivalent of a photo's EXIF tags, 0 when absent.
void ExifFocal(const QString& path, double& focal, double& focal35)
{
    focal = focal35 = 0.0;
    try {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        std::unique_ptr<Exiv2::Image> image(
            Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString()).release());
        if (!image)
            return;
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        const auto f = exif.findKey(Exiv2::ExifKey("Exif.Photo.FocalLength"));
        if (f != exif.end() && f->count() > 0)
            focal = f->toFloat(0);
        const auto f35 = exif.findKey(Exiv2::ExifKey("Exif.Photo.FocalLengthIn35mmFilm"));
        if (f35 != exif.end() && f35->count() > 0)
            focal35 = f35->toFloat(0);
    } catch (...) {
        focal = focal35 = 0.0;
    }
}

// Registered images of a text model: images.txt holds two lines per image.
int RegisteredImages(const QString& folder)
{
    QFile file(QDir(folder).filePath(QStringLiteral("images.txt")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    int lines = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (!line.startsWith('#'))
            ++lines;
    }
    return lines / 2;
}

} // namespace

bool ColmapCalibration::ToCameraInfo(const QString& line, double pixelSize, ColmapResult& result)
{
    const QStringList f = line.simplified().split(QLatin1Char(' '));
    if (f.size() < 5)
        return false;
    bool ok = true;
    const QString model = f.at(1);
    const int width = f.at(2).toInt(&ok);
    const int height = ok ? f.at(3).toInt(&ok) : 0;
    std::vector<double> p;
    for (int i = 4; ok && i < f.size(); ++i)
        p.push_back(f.at(i).toDouble(&ok));
    if (!ok || width <= 0 || height <= 0)
        return false;
    const size_t want = model == QLatin1String("SIMPLE_RADIAL") ? 4
        : model == QLatin1String("RADIAL")                      ? 5
        : model == QLatin1String("OPENCV")                      ? 8
                                                                : 0;
    if (want == 0 || p.size() != want)
        return false;
    for (double v : p)
        if (!std::isfinite(v))
            return false;

    kvfd::CameraInfo camera;
    camera.dtype = 3;
    camera.width = width;
    camera.height = height;
    double focal = p[0], cx = p[1], cy = p[2];
    if (model == QLatin1String("SIMPLE_RADIAL")) {
        camera.k1 = p[3];
    } else if (model == QLatin1String("RADIAL")) {
        camera.k1 = p[3];
        camera.k2 = p[4];
    } else {
        focal = (p[0] + p[1]) / 2.0;
        cx = p[2];
        cy = p[3];
        camera.k1 = p[4];
        camera.k2 = p[5];
        camera.p1 = p[7];
        camera.p2 = p[6];
    }
    if (!(focal > 0.0))
        return false;
    camera.x0 = cx - 0.5;
    camera.y0 = cy - 0.5;
    if (pixelSize > 0.0) {
        camera.pixel_size_x = camera.pixel_size_y = pixelSize;
        camera.ccd_width = pixelSize * width;
        camera.ccd_height = pixelSize * height;
        camera.focal = focal * pixelSize;
    }
    result.model = model;
    result.params = p;
    result.focalPixels = focal;
    result.camera = camera;
    return true;
}

ColmapResult ColmapCalibration::Run(const ColmapJob& job, kvkernel::KvProgress* progress)
{
    ColmapResult result;
    auto fail = [&](const QString& message) {
        result.outcome = ColmapResult::Failed;
        result.message = message;
        if (progress)
            progress->End(false);
        return result;
    };
    if (progress)
        progress->Start(kCalibrating, 100);

    const QString program = ToolProcess::Find(job.program);
    if (program.isEmpty())
        return fail(
            Tr(QT_TRANSLATE_NOOP(
                   "ColmapCalibration",
                   "The calibration program %1 was not found. Install the package \"colmap\"."))
                .arg(job.program));
    if (job.images.size() < 2 || job.images.size() > kMaxImages)
        return fail(
            Tr(QT_TRANSLATE_NOOP("ColmapCalibration", "A calibration needs 2 to %1 photos."))
                .arg(kMaxImages));

    QDir work(job.workDir);
    const QString imageDir = work.filePath(QStringLiteral("images"));
    const QString database = work.filePath(QStringLiteral("database.db"));
    const QString sparse = work.filePath(QStringLiteral("sparse"));
    const QString text = work.filePath(QStringLiteral("text"));
    // A model of an earlier run must not pass for this one's.
    for (const QString& old : {imageDir, sparse, text})
        QDir(old).removeRecursively();
    QFile::remove(database);
    if (job.workDir.isEmpty() || !work.mkpath(QStringLiteral("images"))
        || !work.mkpath(QStringLiteral("sparse")) || !work.mkpath(QStringLiteral("text")))
        return fail(
            Tr(QT_TRANSLATE_NOOP("ColmapCalibration", "The work folder %1 cannot be created."))
                .arg(QDir::toNativeSeparators(job.workDir)));

    // The photos are linked into one folder under plain names, so photos from
    // several folders (and names COLMAP would mangle) go in together.
    QSize size;
    double exifFocal = 0.0, exifFocal35 = 0.0;
    for (int i = 0; i < job.images.size(); ++i) {
        const QFileInfo info(job.images.at(i));
        QImageReader reader(info.absoluteFilePath());
        const QSize s = reader.size();
        if (!info.isFile() || !s.isValid())
            return fail(Tr(QT_TRANSLATE_NOOP("ColmapCalibration", "%1 is not a readable photo."))
                            .arg(QDir::toNativeSeparators(job.images.at(i))));
        if (size.isValid() && s != size)
            return fail(Tr(
                QT_TRANSLATE_NOOP("ColmapCalibration",
                                  "The photos of one calibration must all have the same size.")));
        size = s;
        const QString link = QDir(imageDir).filePath(
            QStringLiteral("%1.%2").arg(i, 3, 10, QLatin1Char('0')).arg(info.suffix()));
        if (!QFile::link(info.absoluteFilePath(), link))
            return fail(
                Tr(QT_TRANSLATE_NOOP("ColmapCalibration", "The work folder %1 cannot be written."))
                    .arg(QDir::toNativeSeparators(job.workDir)));
        if (i == 0)
            ExifFocal(info.absoluteFilePath(), exifFocal, exifFocal35);
    }

    double pixelSize = -1.0;
    QStringList extract {QStringLiteral("feature_extractor"),
                         QStringLiteral("--database_path"),
                         database,
                         QStringLiteral("--image_path"),
                         imageDir,
                         QStringLiteral("--ImageReader.single_camera"),
                         QStringLiteral("1"),
                         QStringLiteral("--ImageReader.camera_model"),
                         QStringLiteral("OPENCV"),
                         QStringLiteral("--SiftExtraction.use_gpu"),
                         QStringLiteral("0")};
    const kvfd::CameraInfo& initial = job.initial;
    if (initial.focal > 0.0 && initial.pixel_size_x > 0.0) {
        // The caller's camera replaces the EXIF tags as the starting value.
        pixelSize = initial.pixel_size_x;
        const double f = initial.focal / pixelSize;
        extract << QStringLiteral("--ImageReader.camera_params")
                << QStringLiteral("%1,%1,%2,%3,0,0,0,0")
                       .arg(f, 0, 'f', 4)
                       .arg(size.width() / 2.0, 0, 'f', 2)
                       .arg(size.height() / 2.0, 0, 'f', 2);
    } else if (exifFocal > 0.0 && exifFocal35 > 0.0) {
        pixelSize = 36.0 * exifFocal / (exifFocal35 * std::max(size.width(), size.height()));
    }
    if (job.maxImageSize > 0)
        extract << QStringLiteral("--SiftExtraction.max_image_size")
                << QString::number(job.maxImageSize);
    const QString threads = QString::number(job.threads > 0 ? job.threads : -1);
    extract << QStringLiteral("--SiftExtraction.num_threads") << threads;
    const QStringList match {QStringLiteral("exhaustive_matcher"),
                             QStringLiteral("--database_path"),
                             database,
                             QStringLiteral("--SiftMatching.use_gpu"),
                             QStringLiteral("0"),
                             QStringLiteral("--SiftMatching.num_threads"),
                             threads};
    const QStringList map {QStringLiteral("mapper"),
                           QStringLiteral("--database_path"),
                           database,
                           QStringLiteral("--image_path"),
                           imageDir,
                           QStringLiteral("--output_path"),
                           sparse,
                           QStringLiteral("--Mapper.ba_refine_focal_length"),
                           QStringLiteral("1"),
                           QStringLiteral("--Mapper.ba_refine_principal_point"),
                           QStringLiteral("1"),
                           QStringLiteral("--Mapper.ba_refine_extra_params"),
                           QStringLiteral("1"),
                           QStringLiteral("--Mapper.num_threads"),
                           threads};

    // Each stage's share of the bar, and what in its output counts the work.
    struct Stage
    {
        const QStringList* arguments;
        int from, to;
        QRegularExpression counter;
    };
    const int n = job.images.size();
    const Stage stages[] = {
        {&extract, 0, 50, QRegularExpression(QStringLiteral("Processed file \\[(\\d+)/(\\d+)\\]"))},
        {&match, 50, 70, QRegularExpression(QStringLiteral("Matching block \\[(\\d+)/(\\d+)"))},
        {&map, 70, 97, QRegularExpression(QStringLiteral("Registering image #\\d+ \\((\\d+)\\)"))},
    };
    int step = 0;
    for (const Stage& stage : stages) {
        step = stage.from;
        const std::string message = QString2String(stage.arguments->first());
        const ToolProcess::Outcome outcome = ToolProcess::Run(
            program, *stage.arguments, job.workDir, progress, message, &step,
            [&](const QByteArray& output) {
                QRegularExpressionMatchIterator it
                    = stage.counter.globalMatch(QString::fromLocal8Bit(output));
                while (it.hasNext()) {
                    const QRegularExpressionMatch m = it.next();
                    const int done = m.captured(1).toInt();
                    const int total = m.lastCapturedIndex() >= 2 ? m.captured(2).toInt() : n;
                    if (total > 0)
                        step = stage.from
                            + (stage.to - stage.from) * std::clamp(done, 0, total) / total;
                }
                return true;
            });
        if (!outcome.started)
            return fail(Tr(QT_TRANSLATE_NOOP("ColmapCalibration",
                                             "The calibration program %1 could not be started."))
                            .arg(program));
        if (outcome.cancelled) {
            result.outcome = ColmapResult::Cancelled;
            if (progress)
                progress->End(false);
            return result;
        }
        if (outcome.crashed || outcome.exitCode != 0)
            return fail(
                Tr(QT_TRANSLATE_NOOP("ColmapCalibration", "The calibration failed in %1: %2"))
                    .arg(stage.arguments->first(), QString::fromLocal8Bit(outcome.errorTail)));
    }

    // The mapper may leave several partial models; the one with most photos counts.
    QString best;
    const QStringList models
        = QDir(sparse).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& model : models) {
        const QString out = QDir(text).filePath(model);
        QDir().mkpath(out);
        const QStringList convert {QStringLiteral("model_converter"),
                                   QStringLiteral("--input_path"),
                                   QDir(sparse).filePath(model),
                                   QStringLiteral("--output_path"),
                                   out,
                                   QStringLiteral("--output_type"),
                                   QStringLiteral("TXT")};
        const ToolProcess::Outcome outcome
            = ToolProcess::Run(program, convert, job.workDir, nullptr, std::string(), nullptr);
        const int registered = outcome.exitCode == 0 ? RegisteredImages(out) : 0;
        if (registered > result.registered) {
            result.registered = registered;
            best = out;
        }
    }
    if (best.isEmpty() || result.registered < 2)
        return fail(Tr(QT_TRANSLATE_NOOP("ColmapCalibration",
                                         "The photos do not overlap enough for a calibration.")));

    QFile cameras(QDir(best).filePath(QStringLiteral("cameras.txt")));
    bool read = false;
    if (cameras.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!cameras.atEnd() && !read) {
            const QString line = QString::fromUtf8(cameras.readLine()).trimmed();
            if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
                read = ToCameraInfo(line, pixelSize, result);
        }
    }
    if (!read)
        return fail(
            Tr(QT_TRANSLATE_NOOP("ColmapCalibration", "The calibrated camera cannot be read.")));
    result.camera.name = initial.name;
    result.camera.fullname = initial.fullname;
    result.outcome = ColmapResult::Calibrated;
    if (progress) {
        progress->SetInformation(std::string(), 100);
        progress->End(true);
    }
    return result;
}

ColmapResult ColmapCalibration::RunWithDialog(const ColmapJob& job, QWidget* parent)
{
    const ColmapResult result = kvhost::RunBehindProgress(
        parent, [&job](kvkernel::KvProgress* progress) { return Run(job, progress); });
    if (result.outcome == ColmapResult::Failed)
        KvMessageBox::Show(QString2String(result.message), KvMessageBox::BT_OK);
    return result;
}
