// GPS tags written into 1,000 copies of a real drone photo (tests/data/images'
// DJI_0024.JPG, 4000x2250, 2.9 MB; another photo and count may be given as
// arguments), in place, by the host's EXIF writer and by
//
//     exiftool -overwrite_original -GPSLatitude=... -GPSLatitudeRef=...
//              -GPSLongitude=... -GPSLongitudeRef=... -GPSAltitude=...
//              -GPSAltitudeRef=... <folder>
//
// with the same tags on the same files, in the same run: the writer first, then
// exiftool, then the writer again on what exiftool left. Wall-clock times on a
// hot page cache; the copies are made untimed and removed at the end.

#include "host/exifwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <cstdio>

namespace {

const double kLon = 116.3912345678, kLat = 39.9012345678, kHeight = 52.125;

double TimeWriter(const QString& folder, const QString& pos, int photos)
{
    ExifJob job;
    job.folders = {{folder, folder}};
    job.posPath = pos;
    QElapsedTimer timer;
    timer.start();
    const ExifResult result = ExifWriter::Run(job, nullptr);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (result.written != photos)
        std::printf("  writer wrote %d of %d: %s\n", result.written, photos,
                    qPrintable(result.message));
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString photo = args.size() > 1
        ? args.at(1)
        : QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/DJI_0024.JPG");
    const int photos = args.size() > 2 ? args.at(2).toInt() : 1000;
    if (QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty()) {
        std::printf("exiftool is not installed\n");
        return 1;
    }
    const QString folder = QStringLiteral(KVUI_BINARY_DIR "/bench_exifwrite");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QByteArray pos;
    for (int i = 0; i < photos; ++i) {
        const QString name = QStringLiteral("P%1.JPG").arg(i, 5, 10, QLatin1Char('0'));
        if (!QFile::copy(photo, QDir(folder).filePath(name))) {
            std::printf("cannot copy %s\n", qPrintable(photo));
            return 1;
        }
        pos += QStringLiteral("%1 %2 %3 %4\n")
                   .arg(name)
                   .arg(kLon, 0, 'f', 10)
                   .arg(kLat, 0, 'f', 10)
                   .arg(kHeight, 0, 'f', 3)
                   .toUtf8();
    }
    const QString posPath = QStringLiteral(KVUI_BINARY_DIR "/bench_exifwrite.txt");
    QFile posFile(posPath);
    posFile.open(QIODevice::WriteOnly);
    posFile.write(pos);
    posFile.close();

    std::printf("%d copies of %s (%lld bytes), %d cores\n", photos, qPrintable(photo),
                QFileInfo(photo).size(), QThread::idealThreadCount());
    const double writer = TimeWriter(folder, posPath, photos);

    QProcess exiftool;
    exiftool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    exiftool.start(QStringLiteral("exiftool"),
                   {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                    QStringLiteral("-GPSLatitude=%1").arg(kLat, 0, 'f', 10),
                    QStringLiteral("-GPSLatitudeRef=N"),
                    QStringLiteral("-GPSLongitude=%1").arg(kLon, 0, 'f', 10),
                    QStringLiteral("-GPSLongitudeRef=E"),
                    QStringLiteral("-GPSAltitude=%1").arg(kHeight, 0, 'f', 3),
                    QStringLiteral("-GPSAltitudeRef=0"), folder});
    exiftool.waitForFinished(-1);
    const double tool = double(timer.nsecsElapsed()) / 1e6;
    const double again = TimeWriter(folder, posPath, photos);

    std::printf("host EXIF writer:            %9.1f ms (%.3f ms a photo)\n", writer,
                writer / photos);
    std::printf("exiftool -overwrite_original: %9.1f ms (%.3f ms a photo)\n", tool, tool / photos);
    std::printf("host EXIF writer after it:   %9.1f ms\n", again);
    std::printf("speed-up: %.1fx (after exiftool's rewrite: %.1fx)\n", tool / writer, tool / again);
    QDir(folder).removeRecursively();
    QFile::remove(posPath);
    return 0;
}
