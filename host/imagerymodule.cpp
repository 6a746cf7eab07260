#include "host/imagerymodule.h"

#include "framework/kvmessagebox.h"
#include "framework/kvservice.h"
#include "framework/kvshared.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "imagery/editimagepropertydialog.h"
#include "imagery/elevationdialog.h"
#include "imagery/gpstooldialog.h"
#include "imagery/imageinfodialog.h"
#include "imagery/imageposloaddialog.h"
#include "imagery/leverarmdialog.h"
#include "imagery/posloaddialog.h"
#include "imagery/rt27dialog.h"
#include "kvkernel/aiscontext.h"
#include "kvprj/kvproject.h"
#include "project/kvshowprjinfodialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>

namespace {

using MenuId = KvMainWindow::MenuId;

// Qt's own texts for a failed request come from Qt's catalogue, under this
// context; named here, and not written out at the call, so that lupdate does
// not copy them into ours.
const char* const kQtHttpContext = "QHttp";

QString Native(const std::string& path)
{
    return QDir::toNativeSeparators(String2QString(path));
}

QString TempFile(const QString& name)
{
    return QDir::temp().filePath(QStringLiteral("kvhost_shot_") + name);
}

// The line edit of a form by its form name, whatever style name it carries.
QLineEdit* Field(QWidget* form, const char* name)
{
    const QString wanted = QLatin1String(name);
    for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
        if (edit->objectName() == wanted || edit->property("kvFormName").toString() == wanted)
            return edit;
    }
    return nullptr;
}

// Two GNSS tools need what this host does not have; the operator learns it
// before filling in their dialogs.
QString Rt27CannotRun()
{
    return ImageryModule::tr("RT27 conversion cannot run here: the receiver format is its "
                             "maker's. Open the dialog anyway?");
}

QString LeverArmCannotRun()
{
    return ImageryModule::tr("Lever-arm correction cannot run here: the aircraft offsets are "
                             "their maker's. Open the dialog anyway?");
}

bool AskToOpenAnyway(const QString& question)
{
    return KvMessageBox::Show(QString2String(question), KvMessageBox::BT_YES_NO)
        == KvMessageBox::BC_OK;
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

// The elevation dialog after a query that brought no height: a service that
// cannot be reached, or one that has no height for the place.
std::unique_ptr<QWidget> ElevationFailure(bool reached)
{
    auto dialog = std::make_unique<ElevationDialog>();
    dialog->Widget()->SetPosition(114.3, 30.5);
    if (QLineEdit* elevation = Field(dialog.get(), "ew_elevation_"))
        elevation->setText(QStringLiteral("23.5"));
    kvui::HttpResult reply;
    if (reached) {
        reply.status = 200;
        reply.body = R"({"status":"1","data":{}})";
    } else {
        reply.failed = true;
        // The network's reason in Qt's words, as a real refusal gives it.
        reply.error = QCoreApplication::translate(kQtHttpContext, "Connection refused");
    }
    dialog->Widget()->TakeReply(reply);
    return dialog;
}

// The POS records of the survey's first ten images and two of another survey.
std::vector<PosData> SurveyRecords()
{
    std::vector<PosData> records;
    const kvfd::ImageInfoSet& images = kvhost::fixtures::LastingSurveyProject().GetImageInfoSet();
    for (int i = 0; i < images.Size() && records.size() < 10; ++i) {
        if (const kvfd::ImageInfo* image = images.GetImage(i))
            records.push_back({image->Name(), image->GetEOP()});
    }
    records.push_back({"IMG_9001.JPG", {}});
    records.push_back({"IMG_9002.JPG", {}});
    return records;
}

std::unique_ptr<QWidget> PosOutcome()
{
    auto dialog = std::make_unique<ImagePosLoadDialog>();
    // The page writes into its project only on "Next", which the picture
    // never presses.
    dialog->Widget()->SetProject(&kvhost::fixtures::LastingSurveyProject(), false);
    dialog->Widget()->ApplyPosRecords(SurveyRecords(), PosMatchWithExt, true);
    return dialog;
}

// "Next" on the image-and-POS page with five images still without a position.
void LeftOutQuestion()
{
    kvprj::KvProject project = kvhost::fixtures::SurveyProject();
    ImagePosLoadDialog dialog;
    dialog.Widget()->SetProject(&project, false);
    std::vector<PosData> records = SurveyRecords();
    records.erase(records.begin() + 4, records.begin() + 7);
    dialog.Widget()->ApplyPosRecords(records, PosMatchWithExt, true);
    dialog.Widget()->ClickNext();
}

// Finish on the summary of a project whose images were all left out.
void SummaryWithoutImages()
{
    kvprj::KvProject project = kvhost::fixtures::SurveyProject();
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (int i = 0; i < images.Size(); ++i)
        images.RemoveImage(i);
    KvShowPrjInfoDialog dialog;
    dialog.SetProject(&project);
    dialog.Widget()->slot_OkBtn_clicked();
}

// A GPS tool run on a trajectory that ends in a line cut short.
void GPSToolFailure()
{
    const QString rinex = TempFile(QStringLiteral("flight.20o"));
    const QString trajectory = TempFile(QStringLiteral("trajectory.txt"));
    QFile file(rinex);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QByteArray("     3.03").leftJustified(20, ' ') + "O" + QByteArray(39, ' ')
                   + "RINEX VERSION / TYPE\n" + QByteArray(60, ' ') + "END OF HEADER\n"
                   + "> 2026 05 18 01 30  5.0000000  5  0\n");
    file.close();
    file.setFileName(trajectory);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write("2026-05-18 01:30:00 30.5 114.3 180.2\n"
                   "2026-05-18 01:30:10 30.5004 114.3 180.9\n"
                   "2026-05-18 01:30:20 30.5008\n");
    file.close();
    GPSToolDialog dialog;
    const std::pair<const char*, QString> fields[]
        = {{"gtw_rinex_", rinex},
           {"gtw_trajectory_", trajectory},
           {"gtw_pos_", TempFile(QStringLiteral("camera_pos.txt"))}};
    for (const auto& [name, text] : fields) {
        if (QLineEdit* field = Field(&dialog, name))
            field->setText(QDir::toNativeSeparators(text));
    }
    dialog.Widget()->Run();
}

} // namespace

void ImageryModule::Install(KvMainWindow& window)
{
    m_window = &window;
    window.AddMenuAction(
        MenuId::Tools, [] { return tr("Get &Elevation…"); }, QStringLiteral("kv_action_elevation"),
        [this] { GetElevation(); });
    window.AddMenuAction(
        MenuId::Tools, [] { return tr("&RT27 Format Change…"); }, QStringLiteral("kv_action_rt27"),
        [this] { ConvertRT27(); });
    window.AddMenuAction(
        MenuId::Tools, [] { return tr("Correct &Lever Arm…"); },
        QStringLiteral("kv_action_lever_arm"), [this] { CorrectLeverArm(); });
    window.AddMenuAction(
        MenuId::Tools, [] { return tr("&GPS Tool…"); }, QStringLiteral("kv_action_gps_tool"),
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
    registry.Add(QStringLiteral("elevation_unreachable"), [] { return ElevationFailure(false); });
    registry.Add(QStringLiteral("elevation_refused"), [] { return ElevationFailure(true); });
    registry.Add(QStringLiteral("pos_outcome"), PosOutcome);
    registry.AddModal(QStringLiteral("left_out_question"), LeftOutQuestion,
                      QStringLiteral("kvbw2_cancel_"));
    registry.AddModal(QStringLiteral("summary_no_image"), SummaryWithoutImages,
                      QStringLiteral("kvsb_ok_btn_"));
    registry.AddModal(
        QStringLiteral("rt27_cannot_run"), [] { AskToOpenAnyway(Rt27CannotRun()); },
        QStringLiteral("kvbw2_cancel_"));
    registry.AddModal(
        QStringLiteral("lever_arm_cannot_run"), [] { AskToOpenAnyway(LeverArmCannotRun()); },
        QStringLiteral("kvbw2_cancel_"));
    registry.AddModal(QStringLiteral("gps_tool_failure"), GPSToolFailure,
                      QStringLiteral("kvsb_ok_btn_"));
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
    if (!AskToOpenAnyway(Rt27CannotRun()))
        return;
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
    if (!AskToOpenAnyway(LeverArmCannotRun()))
        return;
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
