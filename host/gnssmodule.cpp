#include "host/gnssmodule.h"

#include "camera/calibrationdialog.h"
#include "camera/imagecorrectiondialog.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "host/behindprogress.h"
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
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

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
    window.AddMenuAction(
        MenuId::Tools, [] { return tr("Import G&PS…"); }, QStringLiteral("kv_action_import_gps"),
        [this] { ImportGPS(); });
    window.AddMenuAction(
        MenuId::Tools, [] { return tr("E&xport POS…"); }, QStringLiteral("kv_action_export_pos"),
        [this] { ExportPOS(); });
    window.AddMenuAction(
        MenuId::Tools, [] { return tr("&Write EXIF…"); }, QStringLiteral("kv_action_write_exif"),
        [this] { WriteExif(); });
    window.AddMenuAction(
        MenuId::Cameras, [] { return tr("C&alibration…"); },
        QStringLiteral("kv_action_calibration"), [this] { Calibrate(); });
    window.AddMenuAction(
        MenuId::Cameras, [] { return tr("&Image Correction…"); },
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
    connect(&dialog, &CalibrationDialog::RunCalibration, this, [this, &dialog] {
        const ColmapResult result = RunCalibration(dialog.IsSelected(), dialog.GetCamera());
        if (result.outcome == ColmapResult::Calibrated)
            dialog.UpdateCamera(result.camera);
    });
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

void GnssModule::Tell(const QString& text)
{
    KvMessageBox::Show(QString2String(text), KvMessageBox::BT_OK);
}

GnssResult GnssModule::RunGNSSPositioning(const kvgps::GPSParam& param)
{
    const GnssResult result = GnssRun::RunWithDialog(kvhost::ToGnssJob(param), m_window);
    if (result.outcome == GnssResult::Cancelled) {
        m_window->ShowStatus(tr("GNSS post-processing cancelled."));
    } else if (result.outcome == GnssResult::Solved) {
        Tell(tr("The solution is in %1.\n"
                "%2 epochs, %3 of them fixed (fix ratio %4 %).\n"
                "Mean position: longitude %5°, latitude %6°, height %7 m.")
                 .arg(QDir::toNativeSeparators(result.solutionPath))
                 .arg(result.epochs)
                 .arg(result.fixed)
                 .arg(result.fixRatio * 100.0, 0, 'f', 1)
                 .arg(result.meanLongitude, 0, 'f', 8)
                 .arg(result.meanLatitude, 0, 'f', 8)
                 .arg(result.meanHeight, 0, 'f', 3));
    }
    return result;
}

PosExportResult GnssModule::RunPosExport(int images, int angle, int name, int coord, char separator,
                                         const std::string& path)
{
    const kvkernel::AISContext* project = m_window->Context();
    if (!project)
        return {};
    const PosExportResult result = PosExport::Write(
        kvhost::ToPosExportJob(*project, images, angle, name, coord, separator, path));
    if (result.ok)
        Tell(tr("%1 image positions written to %2.").arg(result.written).arg(Native(path)));
    else
        Tell(tr("The POS file was not written: %1").arg(result.message));
    return result;
}

// ExifWriter::RunWithDialog tells only the counts; here the operator also
// learns which photos were left out and why, in one message.
ExifResult
GnssModule::RunExifWriting(const std::vector<std::pair<std::string, std::string>>& folders,
                           const std::string& posPath, int match)
{
    const ExifJob job = kvhost::ToExifJob(folders, posPath, match);
    const ExifResult result
        = kvhost::RunBehindProgress(m_window, [&job](kvkernel::KvProgress* progress) {
              return ExifWriter::Run(job, progress);
          });
    if (result.cancelled) {
        m_window->ShowStatus(tr("EXIF writing cancelled after %1 photos.").arg(result.written));
        return result;
    }
    if (!result.ok) {
        Tell(result.message);
        return result;
    }
    QStringList lines {tr("%1 photos written, %2 without a record, %3 failed.")
                           .arg(result.written)
                           .arg(result.unmatched)
                           .arg(result.failed + result.readOnly)};
    // A long list would not fit on the screen; the first ones say what went wrong.
    constexpr int kShown = 10;
    int shown = 0;
    int more = 0;
    for (const ExifPhotoOutcome& photo : result.photos) {
        QString why;
        if (photo.kind == ExifPhotoOutcome::Unmatched)
            why = tr("no record in the POS file");
        else if (photo.kind == ExifPhotoOutcome::ReadOnly)
            why = tr("read-only");
        else if (photo.kind == ExifPhotoOutcome::Failed)
            why = photo.detail.isEmpty() ? tr("cannot be written") : photo.detail;
        else
            continue;
        if (shown++ < kShown)
            lines << tr("%1: %2").arg(QDir::toNativeSeparators(photo.source), why);
        else
            ++more;
    }
    if (more > 0)
        lines << tr("… and %1 more.").arg(more);
    if (result.unusedRecords > 0)
        lines << tr("%1 records of the POS file name no photo.").arg(result.unusedRecords);
    Tell(lines.join(QLatin1Char('\n')));
    return result;
}

ColmapResult GnssModule::RunCalibration(bool selectedOnly, const kvfd::CameraInfo& camera)
{
    const kvkernel::AISContext* project = m_window->Context();
    if (!project)
        return {};
    // The database and the models are only a means; the camera is the result.
    QTemporaryDir work(QDir::temp().filePath(QStringLiteral("kvhost_calibration_XXXXXX")));
    const ColmapResult result = ColmapCalibration::RunWithDialog(
        kvhost::ToColmapJob(*project, selectedOnly, camera, work.path()), m_window);
    if (result.outcome == ColmapResult::Cancelled) {
        m_window->ShowStatus(tr("Calibration cancelled."));
    } else if (result.outcome == ColmapResult::Calibrated) {
        const kvfd::CameraInfo& found = result.camera;
        Tell(tr("Calibrated on %1 photos (model %2): %3 × %4 pixels, focal length %5 pixels, "
                "principal point %6, %7.")
                 .arg(result.registered)
                 .arg(result.model)
                 .arg(found.width)
                 .arg(found.height)
                 .arg(result.focalPixels, 0, 'f', 2)
                 .arg(found.x0, 0, 'f', 2)
                 .arg(found.y0, 0, 'f', 2));
    }
    return result;
}

kvhost::ImageJobResult GnssModule::RunImageCorrection(const std::string& input,
                                                      const std::string& output,
                                                      const kvfd::CameraInfo& camera, bool center,
                                                      bool tif)
{
    const kvhost::ImageJob job = kvhost::ToImageCorrectionJob(input, output, camera, center, tif);
    if (job.images.isEmpty()) {
        const QString message = tr("%1 holds no photos.").arg(Native(input));
        Tell(message);
        kvhost::ImageJobResult refused;
        refused.refused = true;
        refused.message = message;
        return refused;
    }
    // A destination typed rather than chosen may not exist yet; one made here
    // for a job that is then refused (inside the input folder) goes again.
    const bool made = !QFileInfo::exists(job.destination) && QDir().mkpath(job.destination);
    const QString problem = kvhost::CheckImageJob(job);
    if (!problem.isEmpty()) {
        if (made)
            QDir().rmdir(job.destination);
        Tell(problem);
        kvhost::ImageJobResult refused;
        refused.refused = true;
        refused.message = problem;
        return refused;
    }
    return kvhost::RunImageJob(job, m_window);
}
