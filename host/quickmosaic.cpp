#include "host/quickmosaic.h"

#include "host/footprint.h"
#include "kvfd/coordinateinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <cpl_conv.h>
#include <cpl_error.h>
#include <cpl_string.h>
#include <cstdio>
#include <gdal.h>
#include <ogr_srs_api.h>

namespace kvhost {

namespace {

QString Text(const char* text)
{
    return QCoreApplication::translate("kvhost", text);
}

// The JPEG reader decodes a cut file and fills the rest grey: a photo still
// being copied must be left out instead. Entropy-coded data stuffs every 0xFF,
// so an end-of-image marker near the end means the file is whole (cameras may
// append a little after it).
bool JpegIsWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 tail = std::min<qint64>(file.size(), 64 * 1024);
    file.seek(file.size() - tail);
    return file.read(tail).contains("\xFF\xD9");
}

// The image's thumbnail; JPEG readers decode at the reduced size directly.
QImage Thumbnail(const QString& path, int size)
{
    QImageReader reader(path);
    if (reader.format() == "jpeg" && !JpegIsWhole(path))
        return QImage();
    // The footprint is of the sensor's pixel grid: no EXIF rotation.
    reader.setAutoTransform(false);
    const QSize full = reader.size();
    if (full.isValid() && std::max(full.width(), full.height()) > size)
        reader.setScaledSize(full.scaled(size, size, Qt::KeepAspectRatio));
    return reader.read();
}

bool SaveGeoTiff(const QImage& rgba, const std::array<double, 6>& gt, const std::string& srs,
                 const QString& path)
{
    GDALAllRegister();
    GDALDriverH driver = GDALGetDriverByName("GTiff");
    if (!driver)
        return false;
    char** options = nullptr;
    options = CSLSetNameValue(options, "COMPRESS", "DEFLATE");
    options = CSLSetNameValue(options, "TILED", "YES");
    options = CSLSetNameValue(options, "ALPHA", "YES");
    const QByteArray file = QFile::encodeName(path);
    GDALDatasetH dataset
        = GDALCreate(driver, file.constData(), rgba.width(), rgba.height(), 4, GDT_Byte, options);
    CSLDestroy(options);
    if (!dataset)
        return false;
    double transform[6];
    std::copy(gt.begin(), gt.end(), transform);
    bool ok = GDALSetGeoTransform(dataset, transform) == CE_None;
    if (!srs.empty()) {
        OGRSpatialReferenceH reference = OSRNewSpatialReference(nullptr);
        char* wkt = nullptr;
        if (OSRSetFromUserInput(reference, srs.c_str()) == OGRERR_NONE
            && OSRExportToWkt(reference, &wkt) == OGRERR_NONE)
            ok = GDALSetProjection(dataset, wkt) == CE_None && ok;
        CPLFree(wkt);
        OSRDestroySpatialReference(reference);
    }
    int bands[4] = {1, 2, 3, 4};
    ok = ok
        && GDALDatasetRasterIO(dataset, GF_Write, 0, 0, rgba.width(), rgba.height(),
                               const_cast<uchar*>(rgba.constBits()), rgba.width(), rgba.height(),
                               GDT_Byte, 4, bands, 4, rgba.bytesPerLine(), 1)
            == CE_None;
    // Closing flushes: an error there is a failed write as well.
    CPLErrorReset();
    GDALClose(dataset);
    return ok && CPLGetLastErrorType() != CE_Failure && CPLGetLastErrorType() != CE_Fatal;
    return ok;
}

} // namespace

QuickMosaicResult QuickMosaic::Write(const kvprj::KvProject& project, const QuickMosaicJob& job)
{
    QuickMosaicResult result;
    static_cast<ExportResult&>(result) = PrepareFolder(QFileInfo(job.path).absolutePath());
    if (!result.ok)
        return result;
    result.ok = false;
    kvfd::CoordinateInfo coordinate;
    const bool known = kvfd::CoordinateInfoSet::Catalogue().GetCoordinateByID(
        project.GetPrjInfo().coordinateId, coordinate);
    // Footprints are computed in metres: geographic coordinates cannot carry them.
    if (known && coordinate.id == 4326) {
        result.message = Text(QT_TRANSLATE_NOOP(
            "kvhost",
            "A quick mosaic needs a projected coordinate system, not longitude and latitude."));
        return result;
    }

    const double groundZ = project.GetPrjInfo().meanElevation;
    struct Item
    {
        int id;
        Footprint::Corners corners;
    };
    std::vector<Item> items;
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (int id : ExportedImages(project)) {
        const kvfd::ImageInfo& image = *project.GetImageInfoSet().GetImage(id);
        Item item {id, {}};
        if (!Footprint::Compute(image.GetEOP(),
                                *project.GetCameraInfoSet().GetCamera(image.GetCamera()), groundZ,
                                item.corners)) {
            ++result.skipped;
            continue;
        }
        for (const auto& c : item.corners) {
            const bool first = items.empty() && &c == &item.corners[0];
            minX = first ? c[0] : std::min(minX, c[0]);
            maxX = first ? c[0] : std::max(maxX, c[0]);
            minY = first ? c[1] : std::min(minY, c[1]);
            maxY = first ? c[1] : std::max(maxY, c[1]);
        }
        items.push_back(item);
    }
    if (items.empty()) {
        result.message = Text(
            QT_TRANSLATE_NOOP("kvhost", "No image has a ground footprint: no mosaic was written."));
        return result;
    }
    const int maxSize = std::max(job.maxSize, 16);
    double resolution
        = job.resolution > 0.0 ? job.resolution : std::max(maxX - minX, maxY - minY) / maxSize;
    resolution = std::max(resolution, std::max(maxX - minX, maxY - minY) / maxSize);
    const int width = std::max(1, int(std::ceil((maxX - minX) / resolution)));
    const int height = std::max(1, int(std::ceil((maxY - minY) / resolution)));
    result.geoTransform = {minX, resolution, 0.0, maxY, 0.0, -resolution};

    QImage mosaic(width, height, QImage::Format_RGBA8888);
    mosaic.fill(Qt::transparent);
    {
        QPainter painter(&mosaic);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const Item& item : items) {
            const kvfd::ImageInfo& image = *project.GetImageInfoSet().GetImage(item.id);
            const QImage thumbnail
                = Thumbnail(QString::fromStdString(image.GetFullName()), job.thumbnail);
            if (thumbnail.isNull()) {
                ++result.skipped;
                continue;
            }
            QPolygonF source;
            source << QPointF(0, 0) << QPointF(thumbnail.width(), 0)
                   << QPointF(thumbnail.width(), thumbnail.height())
                   << QPointF(0, thumbnail.height());
            QPolygonF target;
            for (const auto& c : item.corners)
                target << QPointF((c[0] - minX) / resolution, (maxY - c[1]) / resolution);
            QTransform transform;
            if (!QTransform::quadToQuad(source, target, transform)) {
                ++result.skipped;
                continue;
            }
            painter.setTransform(transform);
            painter.drawImage(0, 0, thumbnail);
            ++result.drawn;
        }
    }
    if (result.drawn == 0) {
        result.message
            = Text(QT_TRANSLATE_NOOP("kvhost", "No image could be read: no mosaic was written."));
        return result;
    }

    // GDAL writes in place: the file is made beside its final name and renamed
    // over it only when complete.
    const QString aside = job.path + QStringLiteral(".part");
    if (!SaveGeoTiff(mosaic, result.geoTransform, known ? coordinate.definition : std::string(),
                     aside)
        || std::rename(QFile::encodeName(aside).constData(),
                       QFile::encodeName(job.path).constData())
            != 0) {
        QFile::remove(aside);
        result.message = Text(QT_TRANSLATE_NOOP("kvhost", "The mosaic %1 could not be written."))
                             .arg(QDir::toNativeSeparators(job.path));
        return result;
    }
    result.ok = true;
    result.files << QFileInfo(job.path).absoluteFilePath();
    return result;
}

} // namespace kvhost
