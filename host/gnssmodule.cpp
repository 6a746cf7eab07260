#include "host/gnssmodule.h"

#include "camera/calibrationdialog.h"
#include "camera/imagecorrectiondialog.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "imagery/exifdialog.h"
#include "imagery/exportsettingdialog.h"
#include "imagery/gpsloaddialog.h"
#include "imagery/gpssettingdialog.h"
#include "kvgps/gpshelper.h"
#include "kvkernel/aiscontext.h"

#include <QDir>
#include <QFile>
#include <QMenu>

namespace {

using MenuId = KvMainWindow::MenuId;

QString Native(const std::string& path)
{
    return QDir::toNativeSeparators(String2QString(path));
}

// The open project's first camera, or a default one.
kvfd::CameraInfo ProjectCamera(const kvkernel::AISContext* project)
{
    if (project) {
        if (const kvfd::CameraInfo* camera = project->GetCameraInfoSet().GetCamera(0))
            return *camera;
    }
    return kvfd::CameraInfo();
}

// The settings page as it shows a rover file with a base station.
std::unique_ptr<QWidget> SettingsPage()
{
    auto dialog = std::make_unique<GPSSettingDialog>();
    kvgps::GPSParam param;
    param.use_base = 1;
    param.positioning = 1;
    param.output_dir = "/data/gnss/result";
    param.antenna_height = 1.2;
    dialog->SetGPSParam(param);
    return dialog;
}

std::unique_ptr<QWidget> CalibrationPicture()
{
    auto dialog = std::make_unique<CalibrationDialog>();
    dialog->SetCamera(kvhost::fixtures::SampleCamera());
    return dialog;
}

std::unique_ptr<QWidget> CorrectionPicture(ImageCorrectionWidget::Page page)
{
    auto dialog = std::make_unique<ImageCorrectionDialog>();
    // The sample's coefficients are on the normalised (Brown) scale.
    kvfd::CameraInfo camera = kvhost::fixtures::SampleCamera();
    camera.dtype = 3;
    dialog->Widget()->ShowCamera(camera, page);
    return dialog;
}

std::unique_ptr<QWidget> ExifPicture()
{
    auto dialog = std::make_unique<ExifDialog>();
    for (const char* folder : {"/data/flight1/img", "/data/flight2/img", "/data/flight3/raw"})
        dialog->Widget()->AddFolder(QLatin1String(folder));
    return dialog;
}

// "Next" with a typed base position 2.5 km above the one in the base file's
// header.
void DeviationQuestion()
{
    const QString base = QDir::temp().filePath(QStringLiteral("kvhost_shot_base.22o"));
    QFile file(base);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write("  4362689.8809  2026647.9686  4174234.2239                  "
                   "APPROX POSITION XYZ\n");
    file.close();
    GPSLoadWidget page;
    kvgps::GPSParam param;
    param.rover_obs_path = "rover.22o";
    param.use_base = 1;
    param.base_obs_path = QString2String(base);
    param.base_position_mode = 2;
    const double xyz[3] = {4362689.8809, 2026647.9686, 4174234.2239};
    double llh[3];
    kvgps::GPSHelper::ECEF2LL(xyz, llh);
    param.base_longitude = llh[0];
    param.base_latitude = llh[1];
    param.base_height = llh[2] + 2500.0;
    page.SetGPSParam(param);
    page.ClickOK();
}

// Calibrate on a project of 40 images.
void TooManyImages()
{
    kvkernel::AISContext* before = kvkernel::KvGetContext();
    kvkernel::AISContext project;
    for (int i = 0; i < 40; ++i)
        project.GetImageInfoSet().AddImage("DJI_" + std::to_string(i) + ".JPG", "/data", {}, 0,
                                           true);
    kvkernel::KvSetContext(&project);
    CalibrationWidget().ClickCalibration();
    kvkernel::KvSetContext(before);
}

} // namespace

// The POS export and the calibration work on the open project; without one
// their actions say so (RequireProject) rather than stay greyed out.
void GnssModule::Install(KvMainWindow& window)
{
    m_window = &window;
    window.AddMenuAction(MenuId::Tools, tr("Import G&PS…"), QStringLiteral("kv_action_import_gps"),
                         [this] { ImportGPS(); });
    window.AddMenuAction(MenuId::Tools, tr("E&xport POS…"), QStringLiteral("kv_action_export_pos"),
                         [this] { ExportPOS(); });
    window.AddMenuAction(MenuId::Tools, tr("&Write EXIF…"), QStringLiteral("kv_action_write_exif"),
                         [this] { WriteExif(); });
    window.AddMenuAction(MenuId::Cameras, tr("C&alibration…"),
                         QStringLiteral("kv_action_calibration"), [this] { Calibrate(); });
    window.AddMenuAction(MenuId::Cameras, tr("&Image Correction…"),
                         QStringLiteral("kv_action_image_correction"), [this] { CorrectImages(); });
}

void GnssModule::Screenshots(ScreenshotRegistry& registry) const
{
    registry.Add(QStringLiteral("gps_load_dialog"),
                 [] { return std::make_unique<GPSLoadDialog>(); });
    registry.Add(QStringLiteral("gps_setting_dialog"), SettingsPage);
    registry.Add(QStringLiteral("export_setting_dialog"),
                 [] { return std::make_unique<ExportSettingDialog>(); });
    registry.Add(QStringLiteral("exif_dialog"), ExifPicture);
    registry.Add(QStringLiteral("calibration_dialog"), CalibrationPicture);
    registry.Add(QStringLiteral("image_correction_grid"),
                 [] { return CorrectionPicture(ImageCorrectionWidget::kGridPage); });
    registry.Add(QStringLiteral("image_correction_coefficients"),
                 [] { return CorrectionPicture(ImageCorrectionWidget::kCoefficientPage); });
    registry.AddModal(
        QStringLiteral("gps_load_no_rover"), [] { GPSLoadWidget().ClickOK(); },
        QStringLiteral("kvsb_ok_btn_"));
    registry.AddModal(
        QStringLiteral("gps_setting_no_folder"), [] { GPSSettingWidget().ClickOK(); },
        QStringLiteral("kvsb_ok_btn_"));
    registry.AddModal(QStringLiteral("gps_base_deviation"), DeviationQuestion,
                      QStringLiteral("kvbw2_cancel_"));
    registry.AddModal(QStringLiteral("calibration_too_many_images"), TooManyImages,
                      QStringLiteral("kvsb_ok_btn_"));
}

void GnssModule::ImportGPS()
{
    kvgps::GPSParam param = m_gps;
    if (!ShowGPSDialog(param))
        return;
    m_gps = param;
    RunGNSSPositioning(param);
}

void GnssModule::ExportPOS()
{
    if (!m_window->RequireProject())
        return;
    ExportSettingDialog dialog(m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int images = 0;
    int angle = 0;
    int name = 0;
    int coord = 0;
    char separator = '\t';
    std::string path;
    dialog.Get(images, angle, name, coord, separator, path);
    RunPosExport(images, angle, name, coord, separator, path);
}

void GnssModule::WriteExif()
{
    std::vector<std::pair<std::string, std::string>> folders;
    std::string posPath;
    int match = 0;
    if (ShowExifDialog(folders, posPath, match))
        RunExifWriting(folders, posPath, match);
}

void GnssModule::Calibrate()
{
    if (!m_window->RequireProject())
        return;
    CalibrationDialog dialog(m_window);
    dialog.SetCamera(ProjectCamera(m_window->Context()));
    connect(&dialog, &CalibrationDialog::RunCalibration, this,
            [this, &dialog] { RunCalibration(dialog.IsSelected(), dialog.GetCamera()); });
    connect(&dialog, qOverload<>(&CalibrationDialog::UpdateCamera), this, [this, &dialog] {
        kvkernel::AISContext* project = m_window->Context();
        if (!project)
            return;
        kvfd::CameraInfoSet& cameras = project->GetCameraInfoSet();
        if (kvfd::CameraInfo* camera = cameras.GetCamera(0))
            *camera = dialog.GetCamera();
        else
            cameras.AddCamera(dialog.GetCamera());
        m_window->SetProjectModified(true);
        m_window->ShowStatus(tr("The calibrated camera is the project's camera."));
    });
    dialog.exec();
}

void GnssModule::CorrectImages()
{
    ImageCorrectionDialog dialog(m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::string input;
    std::string output;
    kvfd::CameraInfo camera;
    bool center = false;
    bool tif = false;
    dialog.Get(input, output, camera, center, tif);
    RunImageCorrection(input, output, camera, center, tif);
}

void GnssModule::NotRunHere(const QString& what)
{
    KvMessageBox::Show(QString2String(tr("%1 does not run in this host yet.").arg(what)),
                       KvMessageBox::BT_OK);
}

void GnssModule::RunGNSSPositioning(const kvgps::GPSParam& param)
{
    NotRunHere(tr("GNSS post-processing of %1 into %2")
                   .arg(Native(param.rover_obs_path), Native(param.output_dir)));
}

void GnssModule::RunPosExport(int, int, int, int, char, const std::string& path)
{
    NotRunHere(tr("The POS export to %1").arg(Native(path)));
}

void GnssModule::RunExifWriting(const std::vector<std::pair<std::string, std::string>>& folders,
                                const std::string& posPath, int)
{
    NotRunHere(tr("Writing the positions of %1 into the photos of %2 folders")
                   .arg(Native(posPath))
                   .arg(folders.size()));
}

void GnssModule::RunCalibration(bool, const kvfd::CameraInfo&)
{
    NotRunHere(tr("Camera calibration"));
}

void GnssModule::RunImageCorrection(const std::string& input, const std::string& output,
                                    const kvfd::CameraInfo&, bool, bool)
{
    NotRunHere(tr("The image correction of %1 into %2").arg(Native(input), Native(output)));
}
