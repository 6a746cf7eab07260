// Screenshots of the start page: the recent projects as tiles, the missions of
// the flight-planning program, and the page in image mode. Each is built over
// a temporary data folder and home, so the operator's own list is never read
// or written.

#include "host/hostscreenshots.h"
#include "host/screenshotregistry.h"
#include "kvprj/flyprojecthelper.h"
#include "project/projectmanager.h"
#include "project/tiledscene.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QTemporaryDir& Sandbox()
{
    static QTemporaryDir dir;
    return dir;
}

// Points the data folder and the home folder at the sandbox while a page is
// built, and back afterwards.
class SandboxEnvironment
{
public:
    SandboxEnvironment()
        : m_data(qgetenv("KVUI_DATA_DIR"))
        , m_home(qgetenv("HOME"))
    {
        qputenv("KVUI_DATA_DIR", QFile::encodeName(Sandbox().filePath(QStringLiteral("data"))));
        qputenv("HOME", QFile::encodeName(Sandbox().filePath(QStringLiteral("home"))));
    }
    ~SandboxEnvironment()
    {
        qputenv("KVUI_DATA_DIR", m_data);
        qputenv("HOME", m_home);
    }

private:
    QByteArray m_data;
    QByteArray m_home;
};

void WriteRecentProjects()
{
    const char* names[] = {u8"东湖测区",   u8"长江大桥 南岸", "Quarry North 2026",
                           u8"光谷软件园", "Brighton Beach",  u8"黄陂 农田 第二架次"};
    QList<PrjInfo> list;
    for (int i = 0; i < 6; ++i) {
        PrjInfo record;
        record.path = QStringLiteral("/data/projects/%1.db").arg(i + 1);
        record.name = QString::fromUtf8(names[i]);
        record.user = i % 2 ? QStringLiteral("Li Wei") : QString::fromUtf8(u8"王工");
        record.date = QStringLiteral("2026-0%1-1%2T09:30:00").arg(i % 9 + 1).arg(i);
        record.description = QString::fromUtf8(u8"1:500 地形测量");
        list << record;
    }
    ProjectManager::WriteConfig(list);
}

void WriteMissions()
{
    std::vector<kvprj::FlyMission> missions;
    for (int m = 0; m < 3; ++m) {
        kvprj::FlyMission mission;
        mission.info.id = "M" + std::to_string(m + 1);
        mission.info.mission = "Mission " + std::to_string(m + 1);
        mission.info.description = u8"航线规划";
        mission.info.name = m == 0 ? u8"东湖 航线 A" : "Block " + std::to_string(m + 1);
        mission.info.date = "2026-05-1" + std::to_string(m) + "T08:00:00";
        mission.aircraftSerial = "SN0001";
        mission.epsg = 32650;
        for (int i = 0; i < 8; ++i) {
            kvprj::FlyPhoto photo;
            photo.line = i / 4;
            photo.fileName = "DJI_000" + std::to_string(i + 1) + ".JPG";
            photo.folder = "/data/flight";
            photo.longitude = 114.3 + 0.0004 * (i % 4);
            photo.latitude = 30.5 + 0.0009 * photo.line;
            photo.altitude = 150.0;
            mission.photos.push_back(photo);
        }
        missions.push_back(mission);
    }
    const QString path = FlightMissionDatabasePath();
    QDir().mkpath(QFileInfo(path).path());
    kvprj::FlyProjectHelper::Write(QFile::encodeName(path).toStdString(), missions);
}

std::unique_ptr<QWidget> StartPage(bool imageMode, bool flight, bool selected = false)
{
    SandboxEnvironment sandbox;
    WriteRecentProjects();
    auto page = std::make_unique<ProjectManagerDialog>(imageMode, nullptr);
    if (flight) {
        WriteMissions();
        page->Widget()->SelectFlightProject();
    }
    // A selected tile shows its export, copy and delete buttons.
    if (selected && !page->Widget()->Scene()->Items().isEmpty())
        page->Widget()->Scene()->Items().first()->setSelected(true);
    return page;
}

} // namespace

namespace kvhost {

void AddStartPageScreenshots(ScreenshotRegistry& registry)
{
    registry.Add(QStringLiteral("start_page"), [] { return StartPage(false, false); });
    registry.Add(QStringLiteral("start_page_flight"), [] { return StartPage(false, true); });
    registry.Add(QStringLiteral("start_page_image_mode"), [] { return StartPage(true, false); });
    registry.Add(QStringLiteral("start_page_selected"),
                 [] { return StartPage(false, false, true); });
}

} // namespace kvhost
