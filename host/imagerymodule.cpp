#include "host/imagerymodule.h"

#include "framework/kvshared.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "imagery/editimagepropertydialog.h"
#include "imagery/elevationdialog.h"
#include "imagery/gpstooldialog.h"
#include "imagery/imageinfodialog.h"
#include "imagery/leverarmdialog.h"
#include "imagery/posloaddialog.h"
#include "imagery/rt27dialog.h"
#include "kvkernel/aiscontext.h"
#include "kvprj/kvproject.h"

#include <QDir>
#include <QFile>
#include <QMenu>

namespace {

using MenuId = KvMainWindow::MenuId;

QString Native(const std::string& path)
{
    return QDir::toNativeSeparators(String2QString(path));
}

QString TempFile(const QString& name)
{
    return QDir::temp().filePath(QStringLiteral("kvhost_shot_") + name);
}

std::unique_ptr<QWidget> PosImport()
{
    const QString path = TempFile(QStringLiteral("pos.txt"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(kvhost::fixtures::SurveyPos());
    file.close();
    auto dialog = std::make_unique<PosLoadDialog>();
    dialog->Widget()->LoadFile(path);
    return dialog;
}

std::unique_ptr<QWidget> EditProperty()
{
    auto dialog = std::make_unique<EditImagePropertyDialog>();
    const kvfd::ImageInfoSet& images = kvhost::fixtures::LastingSurveyProject().GetImageInfoSet();
    dialog->Widget()->SetImage(*images.GetImage(2), images.GetImageExt(2)->flight);
    return dialog;
}

std::unique_ptr<QWidget> ImageInfo()
{
    const QString photo = TempFile(QStringLiteral("DJI_0101.JPG"));
    kvhost::fixtures::WriteSurveyPhoto(photo);
    auto dialog = std::make_unique<ImageInfoDialog>();
    dialog->SetData(
        kvhost::fixtures::LastingSurveyProject().GetImageInfoSet().GetImage(0)->GetEOP(),
        QString2String(photo));
    return dialog;
}

std::unique_ptr<QWidget> Elevation()
{
    auto dialog = std::make_unique<ElevationDialog>();
    dialog->Widget()->SetPosition(114.3, 30.5);
    return dialog;
}

} // namespace

void ImageryModule::Install(KvMainWindow& window)
{
    m_window = &window;
    window.AddMenuAction(MenuId::Tools, tr("Get &Elevation…"),
                         QStringLiteral("kv_action_elevation"), [this] { GetElevation(); });
    window.AddMenuAction(MenuId::Tools, tr("&RT27 Format Change…"),
                         QStringLiteral("kv_action_rt27"), [this] { ConvertRT27(); });
    window.AddMenuAction(MenuId::Tools, tr("Correct &Lever Arm…"),
                         QStringLiteral("kv_action_lever_arm"), [this] { CorrectLeverArm(); });
    window.AddMenuAction(MenuId::Tools, tr("&GPS Tool…"), QStringLiteral("kv_action_gps_tool"),
                         [this] { RunGPSTool(); });
    window.Menu(MenuId::Tools)->addSeparator();
}

void ImageryModule::Screenshots(ScreenshotRegistry& registry) const
{
    registry.Add(QStringLiteral("pos_import"), PosImport);
    registry.Add(QStringLiteral("image_property"), EditProperty);
    registry.Add(QStringLiteral("image_info"), ImageInfo);
    registry.Add(QStringLiteral("elevation_dialog"), Elevation);
    registry.Add(QStringLiteral("rt27_dialog"), [] { return std::make_unique<RT27Dialog>(); });
    registry.Add(QStringLiteral("lever_arm_dialog"),
                 [] { return std::make_unique<LeverArmDialog>(); });
    registry.Add(QStringLiteral("gps_tool_dialog"),
                 [] { return std::make_unique<GPSToolDialog>(); });
}

void ImageryModule::GetElevation()
{
    kvkernel::AISContext* project = m_window->Context();
    ElevationDialog dialog;
    double longitude = 0.0;
    double latitude = 0.0;
    if (project) {
        const kvfd::ImageInfoSet& images = project->GetImageInfoSet();
        for (int i = 0; i < images.Size(); ++i) {
            if (const kvfd::ImageInfo* image = images.GetImage(i)) {
                longitude = image->GetEOP().X;
                latitude = image->GetEOP().Y;
                break;
            }
        }
    }
    dialog.Widget()->SetPosition(longitude, latitude);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const double elevation = dialog.Widget()->Elevation();
    if (project)
        project->GetPrjInfo().meanElevation = elevation;
    m_window->SetProjectModified(true);
    m_window->ShowStatus(tr("Elevation: %1 m").arg(elevation, 0, 'f', 2));
}

void ImageryModule::ConvertRT27()
{
    std::string files[2];
    if (!ShowRT27Dialog(files))
        return;
    // Receiver files are converted by the receiver maker's tools; this host
    // only shows what it was asked.
    m_window->ShowStatus(tr("RT27 conversion is not available here: %1 → %2")
                             .arg(Native(files[0]), Native(files[1])));
}

void ImageryModule::CorrectLeverArm()
{
    int type = 0;
    std::string paths[4];
    if (!ShowLeverArmDialog(type, paths))
        return;
    m_window->ShowStatus(tr("Lever-arm correction is not available here: %1 (UAV type %2) → %3")
                             .arg(Native(paths[0]))
                             .arg(type)
                             .arg(Native(paths[3])));
}

void ImageryModule::RunGPSTool()
{
    ShowGPSToolDialog(m_window);
}
