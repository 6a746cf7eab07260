#include "host/kvmainwindow.h"

#include "camera/cameradialog.h"
#include "camera/downloadthread.h"
#include "camera/getcameradialog.h"
#include "framework/buttongroup.h"
#include "framework/kvmessagebox.h"
#include "framework/kvservice.h"
#include "framework/kvsettingskeys.h"
#include "framework/kvshared.h"
#include "host/folderchecksum.h"
#include "host/imagetablepanel.h"
#include "host/kvhostsettingskeys.h"
#include "kvfd/kvconfiguration.h"
#include "kvfd/kvconststringfactory.h"
#include "kvkernel/aiscontext.h"
#include "project/projectmanager.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QVBoxLayout>
#include <set>

namespace {

// "请先打开工程！"
constexpr int kOpenProjectFirst = 109;
constexpr int kStatusTimeoutMs = 15000;

const char* const kCannotOpen = u8"工程文件无法打开！";
const char* const kCannotSave = u8"工程文件保存失败！";
const char* const kCannotWriteList = u8"校验文件写入失败！";
const char* const kDemoMessage = u8"影像数据已准备就绪。";
const char* const kDemoQuestion = u8"是否继续处理？";
const char* const kSaveCloudCamera = u8"是否将该相机保存到工程？";

QSettings HostSettings()
{
    return QSettings(QLatin1String(kvui::settings::kOrganization),
                     QLatin1String(kvui::settings::kApplication));
}

QString ProjectFilter()
{
    return KvMainWindow::tr("Project files (*.db)");
}

// One line about a camera for the status bar.
QString DescribeCamera(const kvfd::CameraInfo& camera)
{
    QString name = QString::fromLocal8Bit(camera.name.c_str());
    if (name.isEmpty())
        name = KvMainWindow::tr("unnamed camera");
    return KvMainWindow::tr("%1, %2 × %3 px, focal length %4 mm, pixel %5 µm")
        .arg(name)
        .arg(camera.width)
        .arg(camera.height)
        .arg(camera.focal, 0, 'f', 3)
        .arg(camera.pixel_size_x * 1000.0, 0, 'f', 2);
}

} // namespace

KvMainWindow::KvMainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("KvMainWindow"));
    resize(1100, 680);
    BuildMenus();

    m_projectLabel = new QLabel(this);
    m_projectLabel->setObjectName(QStringLiteral("kv_project_status"));
    statusBar()->addPermanentWidget(m_projectLabel);

    SetCentralPanel(new ImageTablePanel(this));

    m_flightDock = new QDockWidget(tr("Flights"), this);
    m_flightDock->setObjectName(QStringLiteral("kv_flight_dock"));
    m_flightDock->setFeatures(QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::LeftDockWidgetArea, m_flightDock);

    const QSettings settings = HostSettings();
    restoreGeometry(settings.value(QLatin1String(kvhost::settings::kWindowGeometry)).toByteArray());
    restoreState(settings.value(QLatin1String(kvhost::settings::kWindowState)).toByteArray());
    ShowProject();
}

KvMainWindow::~KvMainWindow()
{
    // A download still running is asked to stop and waited for; its signals
    // must not reach a window that is half gone.
    if (m_download) {
        m_download->disconnect(this);
        delete m_download;
    }
    // The library must never see a context that is gone.
    if (m_context && kvkernel::KvGetContext() == m_context.get())
        kvkernel::KvSetContext(nullptr);
}

void KvMainWindow::BuildMenus()
{
    m_menus[int(MenuId::File)] = menuBar()->addMenu(tr("&File"));
    m_menus[int(MenuId::Tools)] = menuBar()->addMenu(tr("&Tools"));
    m_menus[int(MenuId::Cameras)] = menuBar()->addMenu(tr("&Cameras"));
    m_menus[int(MenuId::Framework)] = menuBar()->addMenu(tr("F&ramework"));
    m_menus[int(MenuId::Help)] = menuBar()->addMenu(tr("&Help"));
    m_menus[int(MenuId::File)]->setObjectName(QStringLiteral("kv_menu_file"));
    m_menus[int(MenuId::Tools)]->setObjectName(QStringLiteral("kv_menu_tools"));
    m_menus[int(MenuId::Cameras)]->setObjectName(QStringLiteral("kv_menu_cameras"));
    m_menus[int(MenuId::Framework)]->setObjectName(QStringLiteral("kv_menu_framework"));
    m_menus[int(MenuId::Help)]->setObjectName(QStringLiteral("kv_menu_help"));

    BuildProjectMenus();
    QAction* open = AddMenuAction(MenuId::File, tr("&Open Project…"),
                                  QStringLiteral("kv_action_open"), [this] { ChooseProject(); });
    open->setShortcut(QKeySequence::Open);
    m_saveAction = AddMenuAction(MenuId::File, tr("&Save Project"),
                                 QStringLiteral("kv_action_save"), [this] { SaveProject(); });
    m_saveAction->setShortcut(QKeySequence::Save);
    m_saveAsAction
        = AddMenuAction(MenuId::File, tr("Save Project &As…"), QStringLiteral("kv_action_save_as"),
                        [this] { ChooseProjectFileAndSave(); });
    m_closeAction = AddMenuAction(MenuId::File, tr("&Close Project"),
                                  QStringLiteral("kv_action_close"), [this] { CloseProject(); });
    Menu(MenuId::File)->addSeparator();
    QAction* quit = AddMenuAction(MenuId::File, tr("&Quit"), QStringLiteral("kv_action_quit"),
                                  [this] { close(); });
    quit->setShortcut(QKeySequence::Quit);

    m_viewerAction
        = AddMenuAction(MenuId::Tools, tr("Open Image &Viewer"), QStringLiteral("kv_action_viewer"),
                        [this] { OpenImageViewer(); });

    m_cameraAction
        = AddMenuAction(MenuId::Cameras, tr("&Camera…"), QStringLiteral("kv_action_camera"),
                        [this] { EditProjectCamera(); });
    m_refreshCamerasAction = AddMenuAction(MenuId::Cameras, tr("&Refresh Camera Database"),
                                           QStringLiteral("kv_action_refresh_cameras"),
                                           [this] { RefreshCameraDatabase(); });
    AddMenuAction(MenuId::Cameras, tr("&Get Camera From Cloud…"),
                  QStringLiteral("kv_action_cloud_camera"), [this] { GetCameraFromCloud(); });

    AddMenuAction(MenuId::Framework, tr("&Message (OK)…"), QStringLiteral("kv_action_message"),
                  [this] { ShowMessageDemo(); });
    AddMenuAction(MenuId::Framework, tr("&Question (Yes/No)…"),
                  QStringLiteral("kv_action_question"), [this] { AskQuestionDemo(); });
    AddMenuAction(MenuId::Framework, tr("&Checksum Folder…"), QStringLiteral("kv_action_checksum"),
                  [this] { ChooseChecksumFolder(); });

    AddMenuAction(MenuId::Help, tr("&About kvhost"), QStringLiteral("kv_action_about"),
                  [this] { ShowAbout(); });
}

QMenu* KvMainWindow::Menu(MenuId id) const
{
    return m_menus[int(id)];
}

QAction* KvMainWindow::AddMenuAction(MenuId id, const QString& text, const QString& objectName,
                                     std::function<void()> run)
{
    QAction* action = Menu(id)->addAction(text);
    action->setObjectName(objectName);
    connect(action, &QAction::triggered, this, [run = std::move(run)] {
        if (run)
            run();
    });
    return action;
}

void KvMainWindow::SetCentralPanel(QWidget* panel)
{
    QWidget* previous = takeCentralWidget();
    m_central = panel;
    setCentralWidget(panel);
    delete previous;
    if (auto* table = ImageTable())
        table->ShowImages(m_context ? &m_context->GetImageInfoSet() : nullptr);
}

ImageTablePanel* KvMainWindow::ImageTable() const
{
    return qobject_cast<ImageTablePanel*>(m_central);
}

QDockWidget* KvMainWindow::AddDock(QWidget* widget, const QString& title, const QString& objectName,
                                   Qt::DockWidgetArea area)
{
    auto* dock = new QDockWidget(title, this);
    dock->setObjectName(objectName);
    dock->setWidget(widget);
    addDockWidget(area, dock);
    return dock;
}

bool KvMainWindow::OpenProject(const QString& path)
{
    auto project = std::make_unique<kvkernel::AISContext>();
    if (!project->OpenPrj(QString2String(path))) {
        KvMessageBox::Show(kCannotOpen, KvMessageBox::BT_OK);
        ShowStatus(tr("Could not open %1").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    SetProject(std::move(project));
    ShowStatus(tr("Opened %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void KvMainWindow::SetProject(std::unique_ptr<kvkernel::AISContext> project)
{
    // Register the new context before the old one goes, so the library never
    // holds a dangling one.
    kvkernel::KvSetContext(project.get());
    m_context = std::move(project);
    ShowProject();
    Q_EMIT ProjectChanged();
}

bool KvMainWindow::SaveProject()
{
    if (!RequireProject())
        return false;
    if (m_context->GetPrjInfo().path.empty()) {
        ChooseProjectFileAndSave();
        return !m_context->GetPrjInfo().path.empty();
    }
    return SaveProjectAs(QString::fromStdString(m_context->GetPrjInfo().path));
}

bool KvMainWindow::SaveProjectAs(const QString& path)
{
    if (!RequireProject())
        return false;
    const std::string previousPath = m_context->GetPrjInfo().path;
    if (!m_context->SavePrj(QString2String(path))) {
        KvMessageBox::Show(kCannotSave, KvMessageBox::BT_OK);
        ShowStatus(tr("Could not save %1").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    ProjectManager::UpdateConfig(*m_context);
    ShowSummary();
    ShowStatus(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
    if (m_context->GetPrjInfo().path != previousPath)
        Q_EMIT ProjectChanged();
    return true;
}

void KvMainWindow::CloseProject()
{
    if (!m_context)
        return;
    ProjectManager::UpdateConfig(*m_context);
    SetProject(nullptr);
    ShowStatus(tr("Project closed"));
}

void KvMainWindow::ChooseProject()
{
    const QString path
        = QFileDialog::getOpenFileName(this, tr("Open Project"), GetDefaultPath(), ProjectFilter());
    if (path.isEmpty())
        return;
    SetDefaultPath(path, true);
    OpenProject(path);
}

void KvMainWindow::ChooseProjectFileAndSave()
{
    if (!RequireProject())
        return;
    QString start = QString::fromStdString(m_context->GetPrjInfo().path);
    if (start.isEmpty())
        start = GetDefaultPath();
    QString path
        = QFileDialog::getSaveFileName(this, tr("Save Project As"), start, ProjectFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".db");
    SetDefaultPath(path, true);
    SaveProjectAs(path);
}

void KvMainWindow::ShowMessageDemo()
{
    const auto code = KvMessageBox::Show(kDemoMessage, KvMessageBox::BT_OK);
    ShowStatus(code == KvMessageBox::BC_OK ? tr("Message box: OK") : tr("Message box: closed"));
}

void KvMainWindow::AskQuestionDemo()
{
    switch (KvMessageBox::Show(kDemoQuestion, KvMessageBox::BT_YES_NO)) {
    case KvMessageBox::BC_OK:
        ShowStatus(tr("Answer: Yes"));
        break;
    case KvMessageBox::BC_NO:
        ShowStatus(tr("Answer: No"));
        break;
    case KvMessageBox::BC_CLOSED:
        ShowStatus(tr("Answer: closed without answering"));
        break;
    }
}

void KvMainWindow::ChooseChecksumFolder()
{
    const QString folder
        = QFileDialog::getExistingDirectory(this, tr("Checksum Folder"), GetDefaultPath());
    if (folder.isEmpty())
        return;
    SetDefaultPath(folder, false);
    ChecksumFolder(folder);
}

void KvMainWindow::ChecksumFolder(const QString& folder)
{
    const FolderChecksum::Result result = FolderChecksum::RunWithDialog(folder, this);
    const int done = int(result.entries.size());
    if (result.cancelled) {
        ShowStatus(tr("Checksum cancelled after %1 of %2 files").arg(done).arg(result.total));
        return;
    }
    QString summary = tr("Checksummed %1 files").arg(done);
    if (!result.unreadable.isEmpty())
        summary += tr(", %1 unreadable").arg(result.unreadable.size());
    ShowStatus(summary);
    if (result.entries.empty())
        return;

    const QFileInfo folderInfo(result.folder);
    const QString suggestion = folderInfo.absolutePath() + QLatin1Char('/')
        + (folderInfo.fileName().isEmpty() ? QStringLiteral("checksums") : folderInfo.fileName())
        + QStringLiteral(".sha256");
    const QString listPath = QFileDialog::getSaveFileName(
        this, tr("Save Checksum List"), suggestion, tr("Checksum lists (*.sha256);;All files (*)"));
    if (listPath.isEmpty())
        return;
    if (!FolderChecksum::WriteList(result, listPath)) {
        KvMessageBox::Show(kCannotWriteList, KvMessageBox::BT_OK);
        return;
    }
    ShowStatus(summary + tr("; list saved to %1").arg(QDir::toNativeSeparators(listPath)));
}

void KvMainWindow::OpenImageViewer()
{
    if (!RequireProject())
        return;
    std::vector<std::string> paths;
    const kvfd::ImageInfoSet& images = m_context->GetImageInfoSet();
    for (int i = 0; i < images.Size(); ++i) {
        if (const kvfd::ImageInfo* image = images.GetImage(i))
            paths.push_back(image->GetFullName());
    }
    LoadImagesToViewer(paths);
    ShowStatus(tr("Sent %1 images to the image viewer").arg(paths.size()));
}

bool KvMainWindow::SetProjectCamera(const kvfd::CameraInfo& camera)
{
    if (!m_context)
        return false;
    kvfd::CameraInfoSet& cameras = m_context->GetCameraInfoSet();
    if (kvfd::CameraInfo* first = cameras.GetCamera(0))
        *first = camera;
    else
        cameras.AddCamera(camera);
    ShowStatus(tr("Project camera: %1").arg(DescribeCamera(camera)));
    return true;
}

void KvMainWindow::EditProjectCamera()
{
    if (!RequireProject())
        return;
    kvfd::CameraInfo camera;
    const kvfd::CameraInfo* first = m_context->GetCameraInfoSet().GetCamera(0);
    if (first)
        camera = *first;
    if (ShowCameraDialog(camera, first != nullptr))
        SetProjectCamera(camera);
}

void KvMainWindow::RefreshCameraDatabase()
{
    if (m_download)
        return;
    m_download = new DownloadThread(this);
    m_downloadReplacedDatabase = false;
    connect(m_download, &DownloadThread::finish, this, &KvMainWindow::CameraDatabaseReplaced);
    // finish() is queued before the thread's own finished(), so by the time
    // the run has ended it is known whether the database was replaced.
    connect(m_download, &QThread::finished, this, &KvMainWindow::CameraDownloadEnded);
    m_refreshCamerasAction->setEnabled(false);
    // No time-out: the message stays for as long as the download runs.
    statusBar()->showMessage(QStringLiteral("正在更新相机数据库……"));
    m_download->start();
}

void KvMainWindow::CameraDatabaseReplaced()
{
    m_downloadReplacedDatabase = true;
    kvfd::KvConfiguration* configuration = kvfd::KvConfiguration::Instance();
    configuration->ReloadCameras();
    ShowStatus(QStringLiteral("相机数据库已更新（%1 台相机）")
                   .arg(configuration->GetCameraInfoSet().Size()));
}

void KvMainWindow::CameraDownloadEnded()
{
    if (!m_downloadReplacedDatabase)
        ShowStatus(QStringLiteral("相机数据库更新失败"));
    m_download->deleteLater();
    m_download = nullptr;
    m_refreshCamerasAction->setEnabled(true);
}

void KvMainWindow::GetCameraFromCloud()
{
    GetCameraDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return;
    const kvfd::CameraInfo camera = dialog.GetCamera();
    ShowStatus(tr("Downloaded camera: %1").arg(DescribeCamera(camera)));
    if (m_context
        && KvMessageBox::Show(kSaveCloudCamera, KvMessageBox::BT_YES_NO) == KvMessageBox::BC_OK)
        SetProjectCamera(camera);
}

void KvMainWindow::ShowAbout()
{
    QMessageBox::about(this, tr("About kvhost"),
                       tr("kvhost shows the kvui widget library at work: projects, "
                          "cameras, the flight selector, message boxes and progress dialogs.")
                           + QStringLiteral("\n\n")
                           + tr("Camera web service: %1").arg(kvui::ServiceAddress()));
}

void KvMainWindow::closeEvent(QCloseEvent* event)
{
    QSettings settings = HostSettings();
    settings.setValue(QLatin1String(kvhost::settings::kWindowGeometry), saveGeometry());
    settings.setValue(QLatin1String(kvhost::settings::kWindowState), saveState());
    QMainWindow::closeEvent(event);
}

void KvMainWindow::RebuildFlightSelector()
{
    // The selector cannot drop its buttons, so a new project gets a new one.
    auto* panel = new QWidget(m_flightDock);
    panel->setObjectName(QStringLiteral("kvhost_panel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 6);
    m_flights = new ButtonGroup(panel);
    m_flights->setObjectName(QStringLiteral("kv_flight_selector"));
    layout->addWidget(m_flights);

    if (m_context) {
        std::set<int> flights;
        const kvfd::ImageInfoSet& images = m_context->GetImageInfoSet();
        for (int i = 0; i < images.Size(); ++i) {
            if (images.GetImage(i))
                flights.insert(images.GetImageExt(i)->flight);
        }
        m_flights->AddGroups(std::vector<int>(flights.begin(), flights.end()));
    }
    connect(m_flights, qOverload<int>(&ButtonGroup::SetCurrent), this,
            [this](int flight) { ShowStatus(tr("Flight %1 selected").arg(flight + 1)); });
    connect(m_flights, &ButtonGroup::Remove, this, [this](int flight, int current) {
        QString text = tr("Flight %1 removed").arg(flight + 1);
        if (current >= 0)
            text += tr("; flight %1 selected").arg(current + 1);
        ShowStatus(text);
    });

    QWidget* previous = m_flightDock->widget();
    m_flightDock->setWidget(panel);
    delete previous;
}

void KvMainWindow::ShowProject()
{
    if (auto* table = ImageTable())
        table->ShowImages(m_context ? &m_context->GetImageInfoSet() : nullptr);
    RebuildFlightSelector();
    ShowSummary();
}

void KvMainWindow::ShowSummary()
{
    const bool open = m_context != nullptr;
    m_saveAction->setEnabled(open);
    m_saveAsAction->setEnabled(open);
    m_closeAction->setEnabled(open);
    m_viewerAction->setEnabled(open);
    m_cameraAction->setEnabled(open);
    for (QAction* action : qAsConst(m_projectActions))
        action->setEnabled(open);

    if (!open) {
        m_projectLabel->setText(tr("No project open"));
        setWindowTitle(tr("kvhost"));
        return;
    }
    QString name = QString::fromStdString(m_context->GetPrjInfo().name);
    if (name.isEmpty())
        name = tr("Untitled");
    const int count = m_context->GetImageInfoSet().ValidSize();
    m_projectLabel->setText(tr("Project: %1 · %2 images").arg(name).arg(count));
    setWindowTitle(tr("%1 – kvhost").arg(name));
}

void KvMainWindow::ShowStatus(const QString& text)
{
    statusBar()->showMessage(text, kStatusTimeoutMs);
}

bool KvMainWindow::RequireProject()
{
    if (m_context)
        return true;
    KvMessageBox::Show(kvfd::KvGetConstString(kOpenProjectFirst), KvMessageBox::BT_OK);
    return false;
}
