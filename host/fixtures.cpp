#include "host/fixtures.h"

#include "framework/kvshared.h"
#include "kvkernel/aiscontext.h"
#include "kvprj/flyprojecthelper.h"
#include "kvprj/kvproject.h"
#include "project/projectrecord.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace {

QString PhotoName(int number)
{
    return QStringLiteral("DJI_%1.JPG").arg(number, 4, 10, QLatin1Char('0'));
}

} // namespace

namespace kvhost::fixtures {

std::unique_ptr<kvkernel::AISContext> DemoProject()
{
    auto project = std::make_unique<kvkernel::AISContext>();
    kvprj::PrjInfo& info = project->GetPrjInfo();
    kvprj::CopyText(info.name, u8"演示测区 Demo");
    kvprj::CopyText(info.prjOperator, "kvhost");
    kvprj::CopyText(info.date, "2024-05-18T09:30:00");
    info.meanElevation = 42.0;

    kvfd::ImageInfoSet& images = project->GetImageInfoSet();
    for (int i = 0; i < 12; ++i) {
        const int flight = i < 7 ? 0 : 1;
        kvfd::EOP eop;
        eop.X = 512340.0 + 38.5 * (i % 7);
        eop.Y = 3378120.0 + 112.0 * flight;
        eop.Z = 118.0 + 0.35 * i;
        eop.Omega = qDegreesToRadians(0.8 - 0.15 * i);
        eop.Phi = qDegreesToRadians(-1.2 + 0.2 * i);
        eop.Kappa = qDegreesToRadians(flight == 0 ? 91.5 : -88.7);
        const std::string folder = flight == 0 ? "/data/survey/flight1" : "/data/survey/flight2";
        const int index = images.AddImage(QString2String(PhotoName(i + 1)), folder, eop, 0, i != 4);
        images.GetImageExt(index)->flight = flight;
    }
    return project;
}

kvprj::KvProject SurveyProject()
{
    kvprj::KvProject project;
    kvprj::PrjInfo& info = project.GetPrjInfo();
    kvprj::CopyText(info.name, u8"东湖测区");
    kvprj::CopyText(info.prjOperator, u8"王工");
    kvprj::CopyText(info.date, "2026-05-18T09:30:00");
    kvprj::CopyText(info.description, u8"东湖北岸 1:500 地形测量，两架次。");
    info.meanElevation = 23.5;
    info.coordinateId = 32650;
    info.aircraftType = 1;

    kvfd::CameraInfo camera;
    camera.id = 0;
    camera.name = "FC6310";
    camera.fullname = "DJI FC6310";
    camera.width = 5472;
    camera.height = 3648;
    camera.ccd_width = 13.2;
    camera.ccd_height = 8.8;
    camera.focal = 8.8;
    camera.pixel_size_x = camera.pixel_size_y = 13.2 / 5472;
    camera.x0 = 2736;
    camera.y0 = 1824;
    project.GetCameraInfoSet().AddCamera(camera);

    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (int i = 0; i < 12; ++i) {
        const int line = i / 6;
        kvfd::EOP eop;
        eop.X = 114.3 + 0.0004 * (line ? 5 - i % 6 : i % 6);
        eop.Y = 30.5 + 0.0009 * line;
        eop.Z = 143.2 + 0.17 * i;
        eop.Omega = qDegreesToRadians(0.6 - 0.1 * i);
        eop.Phi = qDegreesToRadians(-1.1 + 0.2 * i);
        eop.Kappa = qDegreesToRadians(line ? -90.4 : 89.7);
        const int index = images.AddImage(QString2String(PhotoName(i + 101)),
                                          u8"/data/东湖/flight1", eop, 0, true);
        images.GetImageExt(index)->flight = line;
    }
    return project;
}

kvprj::KvProject& LastingSurveyProject()
{
    static kvprj::KvProject project = SurveyProject();
    return project;
}

QByteArray SurveyPos()
{
    QByteArray text("Name Lon Lat Height Omega Phi Kappa\n");
    for (int i = 0; i < 12; ++i)
        text += QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
                    .arg(PhotoName(i + 101))
                    .arg(114.3 + 0.0004 * (i % 6), 0, 'f', 8)
                    .arg(30.5 + 0.0009 * (i / 6), 0, 'f', 8)
                    .arg(143.2 + 0.17 * i, 0, 'f', 3)
                    .arg(0.6 - 0.1 * i, 0, 'f', 4)
                    .arg(-1.1 + 0.2 * i, 0, 'f', 4)
                    .arg(i < 6 ? 89.7 : -90.4, 0, 'f', 4)
                    .toUtf8();
    return text;
}

bool WriteSurveyPhoto(const QString& path)
{
    QImage image(1200, 800, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient field(0, 0, 1200, 800);
    field.setColorAt(0, QColor(96, 128, 72));
    field.setColorAt(1, QColor(150, 160, 96));
    painter.fillRect(image.rect(), field);
    painter.fillRect(QRect(0, 350, 1200, 60), QColor(120, 118, 112));
    painter.fillRect(QRect(700, 0, 40, 800), QColor(70, 110, 160));
    painter.end();
    return image.save(path, "JPG");
}

kvfd::CameraInfo SampleCamera()
{
    kvfd::CameraInfo camera;
    camera.name = "ILCE-5100";
    camera.fullname = "ILCE-5100 (E 20mm F2.8)";
    camera.width = 6000;
    camera.height = 4000;
    camera.pixel_size_x = camera.pixel_size_y = 0.0039;
    camera.ccd_width = camera.width * camera.pixel_size_x;
    camera.ccd_height = camera.height * camera.pixel_size_y;
    camera.focal = 20.0;
    camera.x0 = 3012.25;
    camera.y0 = 1994.5;
    camera.k1 = -0.0412;
    camera.k2 = 0.0087;
    camera.p1 = 1.2e-4;
    camera.p2 = -3.5e-5;
    return camera;
}

QList<PrjInfo> RecentProjects()
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
    return list;
}

std::vector<kvprj::FlyMission> FlightMissions()
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
    return missions;
}

QStringList FlightPhotoPaths()
{
    QStringList paths;
    for (int i = 0; i < 8; ++i)
        paths << QStringLiteral("/data/flight_2026-05-18/") + PhotoName(i + 101);
    return paths;
}

} // namespace kvhost::fixtures
