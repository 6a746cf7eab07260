// Times the start page with a recent-project list of 2,000 projects: reading the
// list, building the page (one tile per project) and laying the tiles out for a
// search key, as on each keystroke; then the list updates a save or close makes
// with 20,000 projects. Runs in a temporary data folder.

#include "project/projectmanager.h"
#include "project/tiledscene.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kProjects = 2000;
constexpr int kLargeList = 20000;
constexpr int kRuns = 5;

QList<PrjInfo> MakeList(int count)
{
    QList<PrjInfo> list;
    for (int i = 0; i < count; ++i) {
        list.append(PrjInfo {QString(), QStringLiteral("/survey/2024/block-%1/project.db").arg(i),
                             QStringLiteral("Block %1 测区 %2").arg(i).arg(QChar('A' + i % 26)),
                             QStringLiteral("operator"), QStringLiteral("2024-05-06T07:08:09"),
                             QStringLiteral("Nadir flight over the river, second sortie")});
    }
    return list;
}

template <class F> double BestMs(F&& run)
{
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir root;
    qputenv("KVUI_DATA_DIR", (root.path() + QStringLiteral("/data")).toLocal8Bit());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root.path());
    QApplication app(argc, argv);

    const QList<PrjInfo> list = MakeList(kProjects);
    const double write = BestMs([&list] { ProjectManager::WriteConfig(list); });
    QList<PrjInfo> read;
    const double readMs = BestMs([&read] { ProjectManager::ReadConfig(read); });
    const double update = BestMs([] {
        kvprj::KvProject project;
        project.GetPrjInfo().path = "/survey/2024/block-7/project.db";
        ProjectManager::UpdateConfig(project);
    });

    const double build = BestMs([] {
        ProjectManagerDialog dialog(false, nullptr);
        dialog.show();
        QApplication::processEvents();
        dialog.grab(); // the first painting of the visible tiles
    });
    ProjectManagerDialog dialog(false, nullptr);
    dialog.show();
    QApplication::processEvents();
    TiledScene* scene = dialog.Widget()->Scene();

    std::printf("projects                %d (read back %d)\n", kProjects, int(read.size()));
    std::printf("WriteConfig             %8.2f ms\n", write);
    std::printf("ReadConfig              %8.2f ms\n", readMs);
    std::printf("UpdateConfig            %8.2f ms\n", update);
    std::printf("open the page           %8.2f ms (read, 2,000 tiles, layout, first paint)\n",
                build);
    for (const char* key : {"b", "bl", "block 1", "测区 q", "zzz", ""}) {
        const QString text = QString::fromUtf8(key);
        const double layout = BestMs([scene, &dialog, &text] {
            scene->Layout(text);
            dialog.Widget()->grab();
        });
        int shown = 0;
        for (ProjectGraphicsItem* tile : scene->Items())
            shown += tile->isVisible() ? 1 : 0;
        std::printf("Layout(\"%s\")+paint%*s %8.2f ms (%d shown)\n", key, int(12 - text.size()), "",
                    layout, shown);
    }

    // A save or close with a long list: put one project first, then drop it,
    // as opening and closing it would.
    const QList<PrjInfo> large = MakeList(kLargeList);
    const double writeLarge = BestMs([&large] { ProjectManager::WriteConfig(large); });
    QFile file(ProjectManager::ConfigPath());
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const double parseLarge
        = BestMs([&content, &read] { ProjectManager::ParseConfig(content, read); });
    int step = 0;
    const double updateLarge = BestMs([&step] {
        kvprj::KvProject project;
        project.GetPrjInfo().path
            = QStringLiteral("/survey/2024/block-%1/project.db").arg(++step * 997).toStdString();
        ConfigHelper::AddProject(&project);
    });
    const double closeLarge = BestMs([&step] {
        kvprj::KvProject project;
        project.GetPrjInfo().path
            = QStringLiteral("/survey/2024/block-%1/project.db").arg(++step * 991).toStdString();
        ConfigHelper::RemoveProject(&project);
    });
    const double readLarge = BestMs([&read] { ProjectManager::ReadConfig(read); });
    std::printf("projects                %d (%.1f MB, read back %d)\n", kLargeList,
                content.size() / 1048576.0, int(read.size()));
    std::printf("WriteConfig             %8.2f ms\n", writeLarge);
    std::printf("ParseConfig             %8.2f ms (the file as another program left it)\n",
                parseLarge);
    std::printf("ReadConfig              %8.2f ms\n", readLarge);
    std::printf("update on save          %8.2f ms (AddProject)\n", updateLarge);
    std::printf("update on close         %8.2f ms (RemoveProject)\n", closeLarge);
    return 0;
}
