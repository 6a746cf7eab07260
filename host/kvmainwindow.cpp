#include "host/kvmainwindow.h"

#include "framework/buttongroup.h"
#include "framework/filechooser.h"
#include "framework/kvmessagebox.h"
#include "framework/kvservice.h"
#include "framework/kvsettingskeys.h"
#include "framework/kvshared.h"
#include "framework/language.h"
#include "framework/savequestion.h"
#include "host/imagetablepanel.h"
#include "host/kvhostsettingskeys.h"
#include "kvfd/kvconfiguration.h"
#include "kvfd/kvconststringfactory.h"
#include "kvkernel/aiscontext.h"
#include "kvmath/geoprj.h"
#include "project/projectmanager.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QEvent>
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

// KvMessageBox::Show and kvui::LocalText translate them (framework/language.h).
const char* const kCannotOpen = QT_TRANSLATE_NOOP("kvui", "工程文件无法打开！");
const char* const kCannotSave = QT_TRANSLATE_NOOP("kvui", "工程文件保存失败！");

QSettings HostSettings()
{
    return QSettings(QLatin1String(kvui::settings::kOrganization),
                     QLatin1String(kvui::settings::kApplication));
}

QString ProjectFilter()
{
    return KvMainWindow::tr("Project files (*.db)");
}

// Questions and choosers open over the start page while it shows (the window
// itself may not be shown yet), else over the window.
QWidget* DialogParent(QWidget* window)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : window;
}

// A file the operator has marked read-only. Permissions do not stop every
// user (nor does a rename over the file care), so the mark itself is read.
bool IsReadOnly(const QFileInfo& file)
{
    return file.exists() && !file.isDir()
        && (!file.isWritable() || !(file.permissions() & QFileDevice::WriteOwner));
}

// Why a project cannot be, or could not be, written to path.
QString SaveFailureReason(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (IsReadOnly(file))
        return KvMainWindow::tr("The file is read-only.");
    if (file.isDir())
        return KvMainWindow::tr("A folder of that name is in the way.");
    if (!folder.isDir())
        return KvMainWindow::tr("Its folder does not exist.");
    if (!folder.isWritable())
        return KvMainWindow::tr("Its folder is read-only.");
    return KvMainWindow::tr("The disk may be full, or another program may be using the file.");
}

} // namespace

KvMainWindow::KvMainWindow(QWidget* parent)
    : KvMainWindow(kvhost::HostModules(), parent)
{ }

KvMainWindow::KvMainWindow(std::vector<std::unique_ptr<HostModule>> modules, QWidget* parent)
    : QMainWindow(parent)
    , m_modules(std::move(modules))
{
    setObjectName(QStringLiteral("KvMainWindow"));
    resize(1100, 680);
    // The table first: a module may put it into a panel of its own.
    SetCentralPanel(new ImageTablePanel(this));
    BuildMenus();

    m_projectLabel = new QLabel(this);
    m_projectLabel->setObjectName(QStringLiteral("kv_project_status"));
    statusBar()->addPermanentWidget(m_projectLabel);

    m_flightDock = new QDockWidget(tr("Flights"), this);
    m_flightDock->setObjectName(QStringLiteral("kv_flight_dock"));
    m_flightDock->setFeatures(QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::LeftDockWidgetArea, m_flightDock);

    // The modules' tool bars must exist before the saved state is restored.
    const QSettings settings = HostSettings();
    restoreGeometry(settings.value(QLatin1String(kvhost::settings::kWindowGeometry)).toByteArray());
    restoreState(settings.value(QLatin1String(kvhost::settings::kWindowState)).toByteArray());
    ShowProject();
}

KvMainWindow::~KvMainWindow()
{
    // Modules may hold threads whose signals must not reach a window that is
    // half gone, and actions that reach the project.
    m_modules.clear();
    // The library must never see a context that is gone.
    if (m_context && kvkernel::KvGetContext() == m_context.get())
        kvkernel::KvSetContext(nullptr);
}

void KvMainWindow::BuildMenus()
{
    m_menus[int(MenuId::File)] = menuBar()->addMenu(QString());
    m_menus[int(MenuId::Tools)] = menuBar()->addMenu(QString());
    m_menus[int(MenuId::Cameras)] = menuBar()->addMenu(QString());
    m_menus[int(MenuId::Help)] = menuBar()->addMenu(QString());
    // The developers' demonstrations of the library's boxes keep out of the
    // operator's way.
    m_menus[int(MenuId::Demonstrations)] = Menu(MenuId::Help)->addMenu(QString());
    m_menus[int(MenuId::File)]->setObjectName(QStringLiteral("kv_menu_file"));
    m_menus[int(MenuId::Tools)]->setObjectName(QStringLiteral("kv_menu_tools"));
    m_menus[int(MenuId::Cameras)]->setObjectName(QStringLiteral("kv_menu_cameras"));
    m_menus[int(MenuId::Demonstrations)]->setObjectName(QStringLiteral("kv_menu_demonstrations"));
    m_menus[int(MenuId::Help)]->setObjectName(QStringLiteral("kv_menu_help"));

    for (const auto& module : m_modules)
        module->Install(*this);
    QMenu* demonstrations = Menu(MenuId::Demonstrations);
    demonstrations->menuAction()->setVisible(!demonstrations->isEmpty());

    // Quit and About belong to the window and close their menus, whatever
    // the modules added above them.
    Menu(MenuId::File)->addSeparator();
    m_quit = AddMenuAction(
        MenuId::File, [] { return tr("&Quit"); }, QStringLiteral("kv_action_quit"),
        [this] { close(); });
    m_quit->setShortcut(QKeySequence::Quit);
    Menu(MenuId::Help)->addSeparator();
    m_about = AddMenuAction(
        MenuId::Help, [] { return tr("&About kvhost"); }, QStringLiteral("kv_action_about"),
        [this] { ShowAbout(); });
    Retranslate();
}

void KvMainWindow::Retranslate()
{
    Menu(MenuId::File)->setTitle(tr("&File"));
    Menu(MenuId::Tools)->setTitle(tr("&Tools"));
    Menu(MenuId::Cameras)->setTitle(tr("&Cameras"));
    Menu(MenuId::Demonstrations)->setTitle(tr("&Demonstrations"));
    Menu(MenuId::Help)->setTitle(tr("&Help"));
    for (const Translated& text : m_translated) {
        if (text.owner)
            text.apply();
    }
    if (m_flightDock)
        m_flightDock->setWindowTitle(tr("Flights"));
    if (m_projectLabel)
        ShowSummary();
}

void KvMainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QMainWindow::changeEvent(event);
}

QMenu* KvMainWindow::Menu(MenuId id) const
{
    return m_menus[int(id)];
}

void KvMainWindow::FollowLanguage(QObject* owner, std::function<void()> apply)
{
    if (!apply)
        return;
    apply();
    m_translated.push_back({owner, std::move(apply)});
}

QAction* KvMainWindow::AddMenuAction(MenuId id, TextOf text, const QString& objectName,
                                     std::function<void()> run)
{
    QAction* action = Menu(id)->addAction(QString());
    action->setObjectName(objectName);
    if (text)
        FollowLanguage(action, [action, text = std::move(text)] { action->setText(text()); });
    connect(action, &QAction::triggered, this, [run = std::move(run)] {
        if (run)
            run();
    });
    return action;
}

QAction* KvMainWindow::AddProjectAction(MenuId id, TextOf text, const QString& objectName,
                                        std::function<void()> run)
{
    QAction* action = AddMenuAction(id, std::move(text), objectName, std::move(run));
    action->setEnabled(m_context != nullptr);
    m_projectActions << action;
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
    if (auto* table = qobject_cast<ImageTablePanel*>(m_central))
        return table;
    // A later panel may keep the table as one of its pages.
    return m_central ? m_central->findChild<ImageTablePanel*>() : nullptr;
}

QDockWidget* KvMainWindow::AddDock(QWidget* widget, TextOf title, const QString& objectName,
                                   Qt::DockWidgetArea area)
{
    auto* dock = new QDockWidget(this);
    dock->setObjectName(objectName);
    if (title)
        FollowLanguage(dock, [dock, title = std::move(title)] { dock->setWindowTitle(title()); });
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
    m_modified = false;
    // The summary page and the exports project positions into the project's
    // system: its transformation is searched for while the window fills.
    kvfd::CoordinateInfo system;
    const kvfd::CoordinateInfoSet systems
        = kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet();
    if (m_context && systems.GetCoordinateByID(m_context->GetPrjInfo().coordinateId, system))
        kvmath::GeoPrj::Prepare(systems.GetWGS84(), system);
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
    return SaveProjectAs(String2QString(m_context->GetPrjInfo().path));
}

bool KvMainWindow::SaveProjectAs(const QString& path)
{
    if (!RequireProject())
        return false;
    const std::string previousPath = m_context->GetPrjInfo().path;
    // SavePrj would rename its new file over a read-only one.
    if (IsReadOnly(QFileInfo(path)) || !m_context->SavePrj(QString2String(path))) {
        ShowStatus(tr("Could not save %1").arg(QDir::toNativeSeparators(path)));
        // The box cannot translate the two lines as one text: the first is
        // translated here, the reason already is.
        const QString message
            = kvui::LocalText(kCannotSave) + QLatin1Char('\n') + SaveFailureReason(path);
        KvMessageBox::Show(QString2String(message), KvMessageBox::BT_OK);
        return false;
    }
    ProjectManager::UpdateConfig(*m_context);
    m_modified = false;
    ShowSummary();
    ShowStatus(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
    if (m_context->GetPrjInfo().path != previousPath)
        Q_EMIT ProjectChanged();
    return true;
}

bool KvMainWindow::CloseProject()
{
    if (!m_context)
        return true;
    if (!SettleUnsavedChanges())
        return false;
    ProjectManager::UpdateConfig(*m_context);
    SetProject(nullptr);
    ShowStatus(tr("Project closed"));
    return true;
}

void KvMainWindow::SetProjectModified(bool modified)
{
    modified = modified && m_context;
    if (modified == m_modified)
        return;
    m_modified = modified;
    ShowSummary();
}

bool KvMainWindow::SettleUnsavedChanges()
{
    if (!m_context || !m_modified)
        return true;
    switch (kvui::AskToSave(DialogParent(this), ProjectName())) {
    case kvui::SaveAnswer::Save:
        return SaveProject();
    case kvui::SaveAnswer::Discard:
        return true;
    case kvui::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void KvMainWindow::ChooseProject()
{
    if (!SettleUnsavedChanges())
        return;
    const QString path = kvui::ChooseFile(this, tr("Open Project"), ProjectFilter());
    if (!path.isEmpty())
        OpenProject(path);
}

void KvMainWindow::ChooseProjectFileAndSave()
{
    if (!RequireProject())
        return;
    // Opens at the project's own file, so that a copy beside it takes one edit.
    QString path
        = kvui::ChooseFile(DialogParent(this), tr("Save Project As"), ProjectFilter(),
                           kvui::FileAction::Save, String2QString(m_context->GetPrjInfo().path));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".db");
    SaveProjectAs(path);
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
    if (!SettleUnsavedChanges()) {
        event->ignore();
        return;
    }
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
    for (QAction* action : qAsConst(m_projectActions))
        action->setEnabled(open);

    if (!open) {
        m_projectLabel->setText(tr("No project open"));
        setWindowTitle(tr("kvhost"));
        return;
    }
    const QString name = ProjectName();
    const int count = m_context->GetImageInfoSet().ValidSize();
    m_projectLabel->setText(tr("Project: %1 · %2 images").arg(name).arg(count));
    setWindowTitle(tr("%1 – kvhost").arg(m_modified ? name + QLatin1Char('*') : name));
}

QString KvMainWindow::ProjectName() const
{
    const QString name = m_context ? String2QString(m_context->GetPrjInfo().name) : QString();
    return name.isEmpty() ? tr("Untitled") : name;
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
