// Screenshots of the project wizard's pages and of the image, POS and GNSS
// dialogs, each filled as an operator would see it halfway through a survey.

#include "host/hostscreenshots.h"
#include "host/screenshotregistry.h"
#include "imagery/coordinatedialog.h"
#include "imagery/editimagepropertydialog.h"
#include "imagery/elevationdialog.h"
#include "imagery/gpstooldialog.h"
#include "imagery/imageinfodialog.h"
#include "imagery/imageloaddialog.h"
#include "imagery/imageposloaddialog.h"
#include "imagery/leverarmdialog.h"
#include "imagery/posloaddialog.h"
#include "imagery/rt27dialog.h"
#include "kvprj/kvproject.h"
#include "project/dpmenubar.h"
#include "project/flyprjsettingdialog.h"
#include "project/kvcreatprojectdialog.h"
#include "project/kvshowprjinfodialog.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace {

// Twelve images along two flight lines near Wuhan, positions in WGS84 degrees,
// projected to "UTM zone 50N".
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
        const QString name = QStringLiteral("DJI_%1.JPG").arg(i + 101, 4, 10, QLatin1Char('0'));
        const int index = images.AddImage(name.toStdString(), u8"/data/东湖/flight1", eop, 0, true);
        images.GetImageExt(index)->flight = line;
    }
    return project;
}

// The project's own copy for the dialogs that keep a pointer to it.
kvprj::KvProject& Survey()
{
    static kvprj::KvProject project = SurveyProject();
    return project;
}

QString TempFile(const QString& name)
{
    return QDir::temp().filePath(QStringLiteral("kvhost_shot_") + name);
}

// A stand-in aerial photo: fields and a road.
QString SamplePhoto()
{
    const QString path = TempFile(QStringLiteral("DJI_0101.JPG"));
    QImage image(1200, 800, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient field(0, 0, 1200, 800);
    field.setColorAt(0, QColor(96, 128, 72));
    field.setColorAt(1, QColor(150, 160, 96));
    painter.fillRect(image.rect(), field);
    painter.fillRect(QRect(0, 350, 1200, 60), QColor(120, 118, 112));
    painter.fillRect(QRect(700, 0, 40, 800), QColor(70, 110, 160));
    painter.end();
    image.save(path, "JPG");
    return path;
}

QString SamplePos()
{
    const QString path = TempFile(QStringLiteral("pos.txt"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write("Name Lon Lat Height Omega Phi Kappa\n");
        for (int i = 0; i < 12; ++i)
            file.write(QStringLiteral("DJI_%1.JPG %2 %3 %4 %5 %6 %7\n")
                           .arg(i + 101, 4, 10, QLatin1Char('0'))
                           .arg(114.3 + 0.0004 * (i % 6), 0, 'f', 8)
                           .arg(30.5 + 0.0009 * (i / 6), 0, 'f', 8)
                           .arg(143.2 + 0.17 * i, 0, 'f', 3)
                           .arg(0.6 - 0.1 * i, 0, 'f', 4)
                           .arg(-1.1 + 0.2 * i, 0, 'f', 4)
                           .arg(i < 6 ? 89.7 : -90.4, 0, 'f', 4)
                           .toUtf8());
    }
    return path;
}

std::unique_ptr<QWidget> DescriptionPage()
{
    auto dialog = std::make_unique<KvCreatProjectDialog>();
    dialog->SetProject(&Survey());
    return dialog;
}

std::unique_ptr<QWidget> ImagePage()
{
    auto dialog = std::make_unique<ImageLoadDialog>();
    dialog->SetProject(&Survey());
    return dialog;
}

std::unique_ptr<QWidget> ImagePosPage(bool fromFlight)
{
    auto dialog = std::make_unique<ImagePosLoadDialog>();
    dialog->Widget()->SetProject(&Survey(), fromFlight);
    return dialog;
}

std::unique_ptr<QWidget> PreviewPage()
{
    auto dialog = std::make_unique<KvShowPrjInfoDialog>();
    dialog->SetProject(&Survey());
    return dialog;
}

std::unique_ptr<QWidget> PosImport()
{
    auto dialog = std::make_unique<PosLoadDialog>();
    dialog->Widget()->LoadFile(SamplePos());
    return dialog;
}

std::unique_ptr<QWidget> FlightImages()
{
    auto dialog = std::make_unique<FlyPrjSettingDialog>();
    QStringList paths;
    for (int i = 0; i < 8; ++i)
        paths << QStringLiteral("/data/flight_2026-05-18/DJI_%1.JPG")
                     .arg(i + 101, 4, 10, QLatin1Char('0'));
    dialog->Widget()->AddImages(paths);
    return dialog;
}

std::unique_ptr<QWidget> Coordinate()
{
    auto dialog = std::make_unique<CoordinateDialog>();
    kvfd::CoordinateInfo utm;
    utm.type = kvfd::CT_WGS84_UTM;
    utm.id = 32650;
    dialog->Widget()->SetCoordinate(utm);
    return dialog;
}

std::unique_ptr<QWidget> EditProperty()
{
    auto dialog = std::make_unique<EditImagePropertyDialog>();
    const kvfd::ImageInfoSet& images = Survey().GetImageInfoSet();
    dialog->Widget()->SetImage(*images.GetImage(2), images.GetImageExt(2)->flight);
    return dialog;
}

std::unique_ptr<QWidget> ImageInfo()
{
    auto dialog = std::make_unique<ImageInfoDialog>();
    dialog->SetData(Survey().GetImageInfoSet().GetImage(0)->GetEOP(), SamplePhoto().toStdString());
    return dialog;
}

std::unique_ptr<QWidget> Elevation()
{
    auto dialog = std::make_unique<ElevationDialog>();
    dialog->Widget()->SetPosition(114.3, 30.5);
    return dialog;
}

std::unique_ptr<QWidget> MainMenu()
{
    return std::make_unique<DpMenuBar>();
}

} // namespace

namespace kvhost {

void AddWizardScreenshots(ScreenshotRegistry& registry)
{
    registry.Add(QStringLiteral("wizard_1_description"), DescriptionPage);
    registry.Add(QStringLiteral("wizard_2_images"), ImagePage);
    registry.Add(QStringLiteral("wizard_3_image_pos"), [] { return ImagePosPage(false); });
    registry.Add(QStringLiteral("wizard_3_image_pos_flight"), [] { return ImagePosPage(true); });
    registry.Add(QStringLiteral("wizard_4_preview"), PreviewPage);
    registry.Add(QStringLiteral("pos_import"), PosImport);
    registry.Add(QStringLiteral("flight_project_images"), FlightImages);
    registry.Add(QStringLiteral("coordinate_dialog"), Coordinate);
    registry.Add(QStringLiteral("image_property"), EditProperty);
    registry.Add(QStringLiteral("image_info"), ImageInfo);
    registry.Add(QStringLiteral("elevation_dialog"), Elevation);
    registry.Add(QStringLiteral("rt27_dialog"), [] { return std::make_unique<RT27Dialog>(); });
    registry.Add(QStringLiteral("lever_arm_dialog"),
                 [] { return std::make_unique<LeverArmDialog>(); });
    registry.Add(QStringLiteral("gps_tool_dialog"),
                 [] { return std::make_unique<GPSToolDialog>(); });
    registry.Add(QStringLiteral("project_menu"), MainMenu);
}

} // namespace kvhost
