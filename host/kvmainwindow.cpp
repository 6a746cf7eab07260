#include "host/kvmainwindow.h"

#include "framework/buttongroup.h"
#include "framework/filechooser.h"
#include "framework/kvmessagebox.h"
#include "framework/kvservice.h"
#include "framework/kvsettingskeys.h"
#include "framework/kvshared.h"
#include "host/imagetablepanel.h"
#include "host/kvhostsettingskeys.h"
#include "kvfd/kvconststringfactory.h"
#include "kvkernel/aiscontext.h"
#include "project/projectmanager.h"

#include <QAction>
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

// KvMessageBox::Show translates them (framework/language.h).
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
    BuildMenus();

    m_projectLabel = new QLabel(this);
    m_projectLabel->setObjectName(QStringLiteral("kv_project_status"));
    statusBar()->addPermanentWidget(m_projectLabel);

    SetCentralPanel(new ImageTablePanel(this));

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
    for (QMenu*& menu : m_menus)
        menu = menuBar()->addMenu(QString());
    m_menus[int(MenuId::File)]->setObjectName(QStringLiteral("kv_menu_file"));
    m_menus[int(MenuId::Tools)]->setObjectName(QStringLiteral("kv_menu_tools"));
    m_menus[int(MenuId::Cameras)]->setObjectName(QStringLiteral("kv_menu_cameras"));
    m_menus[int(MenuId::Framework)]->setObjectName(QStringLiteral("kv_menu_framework"));
    m_menus[int(MenuId::Help)]->setObjectName(QStringLiteral("kv_menu_help"));

    for (const auto& module : m_modules)
        module->Install(*this);

    // Quit and About belong to the window and close their menus, whatever
    // the modules added above them.
    Menu(MenuId::File)->addSeparator();
    m_quit = AddMenuAction(MenuId::File, QString(), QStringLiteral("kv_action_quit"),
                           [this] { close(); });
    m_quit->setShortcut(QKeySequence::Quit);
    m_about = AddMenuAction(MenuId::Help, QString(), QStringLiteral("kv_action_about"),
                            [this] { ShowAbout(); });
    Retranslate();
}

void KvMainWindow::Retranslate()
{
    Menu(MenuId::File)->setTitle(tr("&File"));
    Menu(MenuId::Tools)->setTitle(tr("&Tools"));
    Menu(MenuId::Cameras)->setTitle(tr("&Cameras"));
    Menu(MenuId::Framework)->setTitle(tr("F&ramework"));
    Menu(MenuId::Help)->setTitle(tr("&Help"));
    m_quit->setText(tr("&Quit"));
    m_about->setText(tr("&About kvhost"));
    if (m_flightDock)
        m_flightDock->setWindowTitle(tr("Flights"));
    if (m_projectLabel)
        ShowSummary();
}

void KvMainWindow::changeEvent(QEvent* event)
{
    // The modules' entries keep their language; the window's own follow.
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QMainWindow::changeEvent(event);
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

QAction* KvMainWindow::AddProjectAction(MenuId id, const QString& text, const QString& objectName,
                                        std::function<void()> run)
{
    QAction* action = AddMenuAction(id, text, objectName, std::move(run));
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
    return SaveProjectAs(String2QString(m_context->GetPrjInfo().path));
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
        = kvui::ChooseFile(this, tr("Save Project As"), ProjectFilter(), kvui::FileAction::Save,
                           String2QString(m_context->GetPrjInfo().path));
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
    QString name = String2QString(m_context->GetPrjInfo().name);
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
