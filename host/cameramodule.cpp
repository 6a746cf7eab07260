#include "host/cameramodule.h"

#include "camera/cameradialog.h"
#include "camera/cameraimagesize.h"
#include "camera/downloadthread.h"
#include "camera/getcameradialog.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "framework/language.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QStatusBar>

namespace {

using MenuId = KvMainWindow::MenuId;

const char* const kSaveCloudCamera = QT_TRANSLATE_NOOP("kvui", "是否将该相机保存到工程？");

// Qt's own texts for a failed request come from Qt's catalogue, under this
// context; named here, and not written out at the call, so that lupdate does
// not copy them into ours.
const char* const kQtHttpContext = "QHttp";

// One line about a camera for the status bar.
QString DescribeCamera(const kvfd::CameraInfo& camera)
{
    QString name = String2QString(camera.name);
    if (name.isEmpty())
        name = CameraModule::tr("unnamed camera");
    return CameraModule::tr("%1, %2 × %3 px, focal length %4 mm, pixel %5 µm")
        .arg(name)
        .arg(camera.width)
        .arg(camera.height)
        .arg(camera.focal, 0, 'f', 3)
        .arg(camera.pixel_size_x * 1000.0, 0, 'f', 2);
}

void Type(QWidget* form, const QString& formName, const QString& text)
{
    for (auto* edit : form->findChildren<QLineEdit*>()) {
        if (edit->objectName() == formName || edit->property("kvFormName").toString() == formName)
            edit->setText(text);
    }
}

std::unique_ptr<QWidget> CameraSetting()
{
    auto dialog = std::make_unique<CameraDialog>();
    dialog->SetCamera(kvhost::fixtures::SampleCamera());
    return dialog;
}

std::unique_ptr<QWidget> GetCamera()
{
    auto dialog = std::make_unique<GetCameraDialog>();
    Type(dialog.get(), QStringLiteral("gcw_cameraid_"), QStringLiteral("1001"));
    Type(dialog.get(), QStringLiteral("gcw_lensid_"), QStringLiteral("1"));
    return dialog;
}

} // namespace

CameraModule::~CameraModule()
{
    // A download still running is asked to stop and waited for; its signals
    // must not reach a module that is half gone.
    if (m_download) {
        m_download->disconnect(this);
        delete m_download;
    }
}

void CameraModule::Install(KvMainWindow& window)
{
    m_window = &window;
    window.AddProjectAction(
        MenuId::Cameras, [] { return tr("&Camera…"); }, QStringLiteral("kv_action_camera"),
        [this] { EditProjectCamera(); });
    m_refreshAction = window.AddMenuAction(
        MenuId::Cameras, [] { return tr("&Refresh Camera Database"); },
        QStringLiteral("kv_action_refresh_cameras"), [this] { RefreshCameraDatabase(); });
    window.AddMenuAction(
        MenuId::Cameras, [] { return tr("&Get Camera From Cloud…"); },
        QStringLiteral("kv_action_cloud_camera"), [this] { GetCameraFromCloud(); });
}

void CameraModule::Screenshots(ScreenshotRegistry& registry) const
{
    registry.Add(QStringLiteral("camera_dialog"), CameraSetting);
    registry.Add(QStringLiteral("get_camera_dialog"), GetCamera);
    // What a refused connection shows: the network's own reason under the
    // fixed text, which the dialog translates before it adds the reason.
    registry.AddModal(
        QStringLiteral("get_camera_network_error"),
        [] {
            const QString message = kvui::LocalText(QT_TRANSLATE_NOOP("kvui", "网络错误!"))
                + QLatin1Char('\n')
                + QCoreApplication::translate(kQtHttpContext, "Connection refused");
            KvMessageBox::Show(QString2String(message), KvMessageBox::BT_OK);
        },
        QStringLiteral("kvsb_ok_btn_"));
    registry.AddModal(
        QStringLiteral("get_camera_no_data"),
        [] { KvMessageBox::Show(QT_TRANSLATE_NOOP("kvui", "数据不存在!"), KvMessageBox::BT_OK); },
        QStringLiteral("kvsb_ok_btn_"));
    // A downloaded 6000 × 4000 camera offered to the survey of 5472 × 3648 images.
    registry.AddModal(
        QStringLiteral("cloud_camera_size_question"),
        [] {
            kvui::ConfirmImageSize(
                kvhost::fixtures::SampleCamera(),
                *kvhost::fixtures::SurveyProject().GetCameraInfoSet().GetCamera(0));
        },
        QStringLiteral("kvbw2_cancel_"));
}

bool CameraModule::SetProjectCamera(const kvfd::CameraInfo& camera)
{
    kvkernel::AISContext* project = m_window ? m_window->Context() : nullptr;
    if (!project)
        return false;
    kvfd::CameraInfoSet& cameras = project->GetCameraInfoSet();
    if (kvfd::CameraInfo* first = cameras.GetCamera(0))
        *first = camera;
    else
        cameras.AddCamera(camera);
    m_window->SetProjectModified(true);
    m_window->ShowStatus(tr("Project camera: %1").arg(DescribeCamera(camera)));
    return true;
}

void CameraModule::EditProjectCamera()
{
    if (!m_window->RequireProject())
        return;
    kvfd::CameraInfo camera;
    const kvfd::CameraInfo* first = m_window->Context()->GetCameraInfoSet().GetCamera(0);
    if (first)
        camera = *first;
    if (ShowCameraDialog(camera, first != nullptr))
        SetProjectCamera(camera);
}

void CameraModule::RefreshCameraDatabase()
{
    if (m_download)
        return;
    m_download = new DownloadThread(this);
    m_downloadReplacedDatabase = false;
    connect(m_download, &DownloadThread::finish, this, &CameraModule::CameraDatabaseReplaced);
    // finish() is queued before the thread's own finished(), so by the time
    // the run has ended it is known whether the database was replaced.
    connect(m_download, &QThread::finished, this, &CameraModule::CameraDownloadEnded);
    m_refreshAction->setEnabled(false);
    // No time-out: the message stays for as long as the download runs.
    m_window->statusBar()->showMessage(tr("正在更新相机数据库……"));
    m_download->start();
}

void CameraModule::CameraDatabaseReplaced()
{
    m_downloadReplacedDatabase = true;
    kvfd::KvConfiguration* configuration = kvfd::KvConfiguration::Instance();
    configuration->ReloadCameras();
    m_window->ShowStatus(
        tr("相机数据库已更新（%1 台相机）").arg(configuration->GetCameraInfoSet().Size()));
}

void CameraModule::CameraDownloadEnded()
{
    if (!m_downloadReplacedDatabase) {
        // Why the database stayed: no camera listed, no service reached (and
        // the network's reason), or no room to write.
        QString why = m_download->StatusText();
        if (why.isEmpty())
            why = tr("相机数据库更新失败");
        m_window->ShowStatus(why);
    }
    m_download->deleteLater();
    m_download = nullptr;
    m_refreshAction->setEnabled(true);
}

void CameraModule::GetCameraFromCloud()
{
    GetCameraDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return;
    const kvfd::CameraInfo camera = dialog.GetCamera();
    m_window->ShowStatus(tr("Downloaded camera: %1").arg(DescribeCamera(camera)));
    kvkernel::AISContext* project = m_window->Context();
    if (!project)
        return;
    // A camera for images of another size than the project's would spoil
    // every later step: that question, which names both sizes, is the one
    // asked; the plain offer only for a camera that fits.
    const kvfd::CameraInfo* current = project->GetCameraInfoSet().GetCamera(0);
    const bool differs = current && kvui::ImageSizeDiffers(camera, *current);
    const bool save = differs
        ? kvui::ConfirmImageSize(camera, *current)
        : KvMessageBox::Show(kSaveCloudCamera, KvMessageBox::BT_YES_NO) == KvMessageBox::BC_OK;
    if (save)
        SetProjectCamera(camera);
}
