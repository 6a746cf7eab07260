#include "host/rawconvert.h"

#include "framework/kvshared.h"
#include "imagery/posfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <libraw/libraw.h>
#include <memory>

namespace kvhost {

QStringList ListRawFiles(const QString& folder)
{
    static const QStringList patterns {"*.dng", "*.cr2", "*.cr3", "*.crw", "*.nef", "*.nrw",
                                       "*.arw", "*.srf", "*.sr2", "*.orf", "*.rw2", "*.raf",
                                       "*.pef", "*.srw", "*.3fr", "*.iiq", "*.erf", "*.mos",
                                       "*.x3f", "*.raw", "*.rwl", "*.kdc", "*.dcr", "*.mrw"};
    QStringList files;
    const QDir dir(folder);
    const auto entries = dir.entryInfoList(patterns, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& entry : entries)
        files << entry.absoluteFilePath();
    return files;
}

bool DevelopRaw(const QString& path, Raster& raster, QString& error)
{
    // LibRaw's object holds tens of megabytes of state: not on the stack.
    auto raw = std::make_unique<LibRaw>();
    raw->imgdata.params.output_bps = 16;
    raw->imgdata.params.use_camera_wb = 1;
    int code = raw->open_file(QFile::encodeName(path).constData());
    if (code == LIBRAW_SUCCESS)
        code = raw->unpack();
    if (code == LIBRAW_SUCCESS)
        code = raw->dcraw_process();
    libraw_processed_image_t* image = nullptr;
    if (code == LIBRAW_SUCCESS)
        image = raw->dcraw_make_mem_image(&code);
    if (code != LIBRAW_SUCCESS || !image) {
        error = code == LIBRAW_FILE_UNSUPPORTED
            ? QCoreApplication::translate("ImageWork", "The file is not a camera raw file.")
            : QCoreApplication::translate("ImageWork", "The raw file could not be developed: %1")
                  .arg(QString::fromLatin1(libraw_strerror(code)));
        if (image)
            LibRaw::dcraw_clear_mem(image);
        return false;
    }
    const int colours = image->colors;
    raster.Allocate(image->width, image->height, colours, image->bits == 16);
    raster.colours.clear();
    for (int b = 0; b < colours; ++b)
        raster.colours.push_back(colours == 3 ? 3 + b : 1); // GCI_RedBand... or grey
    const std::size_t n = raster.BandValues();
    for (int b = 0; b < colours; ++b) {
        if (raster.wide) {
            const auto* in = reinterpret_cast<const std::uint16_t*>(image->data);
            std::uint16_t* out = raster.Band<std::uint16_t>(b);
            for (std::size_t i = 0; i < n; ++i)
                out[i] = in[i * colours + b];
        } else {
            std::uint8_t* out = raster.Band<std::uint8_t>(b);
            for (std::size_t i = 0; i < n; ++i)
                out[i] = image->data[i * colours + b];
        }
    }
    LibRaw::dcraw_clear_mem(image);
    return true;
}

bool ReadPosPositions(const QString& path, std::map<QString, GpsPosition>& positions,
                      QString& error)
{
    std::vector<std::vector<std::string>> rows;
    if (!kvui::ReadPosRows(QString2String(path), rows)) {
        error = QCoreApplication::translate("ImageWork", "The POS file cannot be read.");
        return false;
    }
    for (const auto& row : rows) {
        if (row.size() < 4)
            continue;
        bool ok[3] = {};
        GpsPosition position;
        position.longitude = QString::fromStdString(row[1]).toDouble(&ok[0]);
        position.latitude = QString::fromStdString(row[2]).toDouble(&ok[1]);
        position.height = QString::fromStdString(row[3]).toDouble(&ok[2]);
        if (!ok[0] || !ok[1] || !ok[2] || !std::isfinite(position.height)
            || !(std::abs(position.longitude) <= 180.0) || !(std::abs(position.latitude) <= 90.0))
            continue;
        positions[String2QString(row[0]).toLower()] = position;
    }
    return true;
}

const GpsPosition* FindPosition(const std::map<QString, GpsPosition>& positions,
                                const QString& path)
{
    const QFileInfo file(path);
    const auto exact = positions.find(file.fileName().toLower());
    if (exact != positions.end())
        return &exact->second;
    const QString title = file.completeBaseName().toLower();
    for (const auto& entry : positions)
        if (QFileInfo(entry.first).completeBaseName() == title || entry.first == title)
            return &entry.second;
    return nullptr;
}

} // namespace kvhost
