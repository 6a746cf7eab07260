#include "framework/kvshared.h"

#include "framework/kvsettingskeys.h"
#include "kvfd/pathhelper.h"
#include "kvfd/stringconverter.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <fstream>
#include <unistd.h>

namespace {

QString DefaultPathKey()
{
    return QLatin1String(kvui::settings::kGroup) + QLatin1Char('/')
        + QLatin1String(kvui::settings::kDefaultPath);
}

} // namespace

std::string QString2String(const QString& text)
{
    std::string narrow;
    kvfd::StringConverter::Convert(text.toStdWString(), narrow);
    return narrow;
}

QString String2QString(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<int>(text.size()));
}

QString GetDefaultPath()
{
    QSettings store {QLatin1String(kvui::settings::kOrganization),
                     QLatin1String(kvui::settings::kApplication)};
    return store.value(DefaultPathKey()).toString();
}

void SetDefaultPath(QString path, bool isFile)
{
    if (isFile)
        path = QFileInfo(path).absoluteDir().path();
    QSettings store {QLatin1String(kvui::settings::kOrganization),
                     QLatin1String(kvui::settings::kApplication)};
    store.setValue(DefaultPathKey(), path);
}

void LoadImagesToViewer(const std::vector<std::string>& paths)
{
    const std::string list = kvfd::PathHelper::GetSystemDataDirectory() + "/viewer.ini";
    // The viewer is started even when its list cannot be written: it then
    // shows what it had before.
    std::ofstream file(list, std::ios::out | std::ios::trunc | std::ios::binary);
    for (const std::string& path : paths)
        file << path << '\n';
    file.close();

    const QString program = String2QString(kvfd::PathHelper::GetExecuteFilePath())
        + QLatin1Char('/') + QLatin1String(kvui::kViewerProgram);
    QProcess::startDetached(program,
                            {QLatin1String(kvui::kViewerCode1), QLatin1String(kvui::kViewerCode2)});
}

bool kvui::SyncToDisk(QFileDevice& file)
{
    return file.handle() >= 0 && ::fsync(file.handle()) == 0;
}
