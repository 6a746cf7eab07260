#include "host/viewermodule.h"

#include "host/fixtures.h"
#include "host/screenshotregistry.h"
#include "host/viewer/viewerwindow.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// The tree's test photos when kvhost runs from its build; the stand-in survey
// photo elsewhere.
kvviewer::PhotoList SamplePhotos()
{
    QStringList paths;
    const QDir real(QStringLiteral(KVHOST_SAMPLE_PHOTOS));
    for (const char* name :
         {"DJI_20251001213509_0003_D_LENS_CAP.JPG", "DJI_0024.JPG", "tiny_drone_image.jpg"}) {
        if (real.exists(QLatin1String(name)))
            paths << real.filePath(QLatin1String(name));
    }
    if (paths.size() < 2) {
        static QTemporaryDir dir;
        const QString standIn = dir.filePath(QStringLiteral("DJI_0101.JPG"));
        kvhost::fixtures::WriteSurveyPhoto(standIn);
        paths = QStringList {standIn, standIn};
    }
    QList<QByteArray> bytes;
    for (const QString& path : paths)
        bytes << QFile::encodeName(path);
    return kvviewer::PhotoListFromArguments(bytes);
}

// The second photo, once it is read: the picture must not show "Loading".
std::unique_ptr<QWidget> Viewer()
{
    auto window = std::make_unique<ViewerWindow>();
    window->resize(1000, 620);
    window->SetPhotos(SamplePhotos());
    QEventLoop wait;
    QObject::connect(window.get(), &ViewerWindow::PhotoShown, &wait, [&wait, &window] {
        if (window->Current() == 1)
            wait.quit();
    });
    QTimer::singleShot(ScreenshotRegistry::kTimeoutMs, &wait, &QEventLoop::quit);
    window->ShowPhoto(1);
    if (window->IsLoading())
        wait.exec();
    return window;
}

} // namespace

void ViewerModule::Install(KvMainWindow&) { }

void ViewerModule::Screenshots(ScreenshotRegistry& registry) const
{
    registry.Add(QStringLiteral("image_viewer"), Viewer);
}
