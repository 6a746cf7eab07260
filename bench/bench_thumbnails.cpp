// Thumbnails of 300 real drone photos (4000x2250 JPEG, hard links to the DJI
// photos of the shared real data, else to tests/data/images' DJI_0024.JPG) in a
// folder of the build tree:
//
//   - ImageProcessWidget::GenerateThumbnail with the page shown in a window and
//     a progress that counts the reports, as kvhost runs it;
//   - the same photos with their Exif thumbnail stripped (copies without the
//     APP1 segment), so that every photo is decoded at reduced size;
//   - "vipsthumbnail -s 100" over the same photos in two processes, each given
//     half of them.
//
// Each figure is the minimum and the median of 3 runs on a hot page cache
// (one untimed run of each first), in photos per second. Run on a
// Release-like build.

#include "benchsupport.h"
#include "kvfd/imageinfoset.h"
#include "kvkernel/kvprogress.h"
#include "kvprj/kvproject.h"
#include "processing/imageprocesswidget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kPhotos = 300;
constexpr int kRuns = 3;

QStringList Originals()
{
    QStringList photos;
    const QDir shared(QStringLiteral("/work/shared/realdata/images/brighton_beach"));
    for (const QString& name : shared.entryList({QStringLiteral("DJI_*.JPG")}, QDir::Files))
        photos << shared.filePath(name);
    if (photos.isEmpty())
        photos << QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/DJI_0024.JPG");
    return photos;
}

// The JPEG without its APP1 (Exif) segments.
QByteArray WithoutExif(const QByteArray& jpeg)
{
    QByteArray out = jpeg.left(2);
    int at = 2;
    while (at + 4 <= jpeg.size() && uchar(jpeg[at]) == 0xff) {
        const int marker = uchar(jpeg[at + 1]);
        if (marker == 0xda)
            break;
        const int length = (uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]);
        if (marker != 0xe1)
            out += jpeg.mid(at, length + 2);
        at += length + 2;
    }
    return out + jpeg.mid(at);
}

// The folder's photos: hard links to the originals, or copies without Exif.
QStringList MakeFolder(const QString& folder, bool stripExif)
{
    QDir().mkpath(folder);
    const QStringList originals = Originals();
    QStringList files;
    for (int k = 0; k < kPhotos; ++k) {
        const QString source = originals[k % originals.size()];
        const QString target = QStringLiteral("%1/P%2.JPG").arg(folder).arg(k, 4, 10, QChar('0'));
        if (!QFile::exists(target)) {
            if (stripExif) {
                QFile in(source);
                QFile out(target);
                if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
                    out.write(WithoutExif(in.readAll()));
            } else if (link(QFile::encodeName(source).constData(),
                            QFile::encodeName(target).constData())
                       != 0) {
                QFile::copy(source, target);
            }
        }
        files << target;
    }
    return files;
}

kvprj::KvProject Project(const QStringList& files)
{
    kvprj::KvProject project;
    for (const QString& file : files) {
        const QFileInfo info(file);
        project.GetImageInfoSet().AddImage(QFile::encodeName(info.fileName()).toStdString(),
                                           QFile::encodeName(info.path()).toStdString(),
                                           kvfd::EOP(), 0, true);
    }
    return project;
}

class CountingProgress : public kvkernel::KvProgress
{
public:
    void Start(std::string, int) override { reports = 0; }
    bool SetInformation(std::string, int) override
    {
        ++reports;
        return true;
    }
    void End(bool) override { }
    bool Success() override { return true; }
    void NeverEnd(bool) override { }
    kvfd::KvError GetError() override { return 0; }
    void SetError(kvfd::KvError) override { }
    void Popup(std::string) override { }
    int reports = 0;
};

void Report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const double best = ms.front();
    const double median = ms[ms.size() / 2];
    std::printf("%-44s %7.0f ms (median %7.0f ms)  %6.1f photos/s (median %6.1f)\n", what, best,
                median, kPhotos * 1000.0 / best, kPhotos * 1000.0 / median);
}

std::vector<double> Time(const std::function<void()>& run)
{
    run();
    std::vector<double> ms;
    for (int k = 0; k < kRuns; ++k) {
        const auto start = std::chrono::steady_clock::now();
        run();
        ms.push_back(kvbench::Since(start));
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString root = QStringLiteral(KVUI_BINARY_DIR "/bench_thumbnails");
    const QStringList photos = MakeFolder(root + QStringLiteral("/photos"), false);
    const QStringList stripped = MakeFolder(root + QStringLiteral("/stripped"), true);
    const QString out = root + QStringLiteral("/vips");
    QDir().mkpath(out);

    ImageProcessWidget page;
    page.resize(800, 500);
    page.show();
    kvbench::WaitExposed(page);
    CountingProgress progress;
    std::printf("%d photos of 4000x2250, %d threads\n", kPhotos, QThread::idealThreadCount());

    const kvprj::KvProject project = Project(photos);
    const auto widget = Time([&] { page.GenerateThumbnail(project, &progress); });
    int empty = 0;
    for (const QIcon& icon : page.Thumbnails())
        empty += icon.isNull() ? 1 : 0;
    const QSize size = page.Thumbnails().value(0).pixmap(100, 100).size();
    const kvprj::KvProject decoded = Project(stripped);
    const auto reduced = Time([&] { page.GenerateThumbnail(decoded, &progress); });

    const auto vips = Time([&] {
        QProcess first;
        QProcess second;
        const QString pattern = out + QStringLiteral("/%s.jpg");
        first.start(
            QStringLiteral("vipsthumbnail"),
            QStringList {QStringLiteral("-s"), QStringLiteral("100"), QStringLiteral("-o"), pattern}
                + photos.mid(0, kPhotos / 2));
        second.start(
            QStringLiteral("vipsthumbnail"),
            QStringList {QStringLiteral("-s"), QStringLiteral("100"), QStringLiteral("-o"), pattern}
                + photos.mid(kPhotos / 2));
        first.waitForFinished(-1);
        second.waitForFinished(-1);
    });

    Report("GenerateThumbnail (Exif thumbnails)", widget);
    Report("GenerateThumbnail (decoded at 1/8)", reduced);
    Report("vipsthumbnail -s 100, two processes", vips);
    std::printf("icons: %d, empty: %d, first %dx%d, progress reports per run: %d\n",
                int(page.Thumbnails().size()), empty, size.width(), size.height(),
                progress.reports);
    std::printf("ratio to vipsthumbnail: %.1fx (median %.1fx)\n",
                *std::min_element(vips.begin(), vips.end())
                    / *std::min_element(widget.begin(), widget.end()),
                vips[1] / widget[1]);
    return 0;
}
