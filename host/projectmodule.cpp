#include "host/projectmodule.h"

#include "framework/kvshared.h"
#include "framework/savequestion.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "imagery/coordinatedialog.h"
#include "imagery/imageloaddialog.h"
#include "imagery/imageposloaddialog.h"
#include "kvalgorithm/flightlinealgo.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "kvprj/flyprojecthelper.h"
#include "project/createproject.h"
#include "project/dpmenubar.h"
#include "project/flyprjsettingdialog.h"
#include "project/kvcreatprojectdialog.h"
#include "project/kvshowprjinfodialog.h"
#include "project/projectmanager.h"
#include "project/tiledscene.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <memory>
#include <utility>

namespace {

using MenuId = KvMainWindow::MenuId;

QString Native(const std::string& path)
{
    return QDir::toNativeSeparators(String2QString(path));
}

// The pictures' start pages read and write their lists here, never in the
// operator's own data folder.
QTemporaryDir& Sandbox()
{
    static QTemporaryDir dir;
    return dir;
}

// Points the data folder and the home folder at the sandbox while a page is
// built, and back afterwards.
class SandboxEnvironment
{
public:
    SandboxEnvironment()
        : m_data(qgetenv("KVUI_DATA_DIR"))
        , m_home(qgetenv("HOME"))
    {
        qputenv("KVUI_DATA_DIR", QFile::encodeName(Sandbox().filePath(QStringLiteral("data"))));
        qputenv("HOME", QFile::encodeName(Sandbox().filePath(QStringLiteral("home"))));
    }
    ~SandboxEnvironment()
    {
        qputenv("KVUI_DATA_DIR", m_data);
        qputenv("HOME", m_home);
    }

private:
    QByteArray m_data;
    QByteArray m_home;
};

void WriteMissions()
{
    const QString path = FlightMissionDatabasePath();
    QDir().mkpath(QFileInfo(path).path());
    kvprj::FlyProjectHelper::Write(QString2String(path), kvhost::fixtures::FlightMissions());
}

std::unique_ptr<QWidget> StartPage(bool imageMode, bool flight, bool selected = false)
{
    SandboxEnvironment sandbox;
    ProjectManager::WriteConfig(kvhost::fixtures::RecentProjects());
    auto page = std::make_unique<ProjectManagerDialog>(imageMode, nullptr);
    if (flight) {
        WriteMissions();
        page->Widget()->SelectFlightProject();
    }
    // A selected tile shows its export, copy and delete buttons.
    if (selected && !page->Widget()->Scene()->Items().isEmpty())
        page->Widget()->Scene()->Items().first()->setSelected(true);
    return page;
}

// The question of the Delete button under the selected tile, asked on a page
// of the sample list.
void AskDeleteOnStartPage()
{
    SandboxEnvironment sandbox;
    const std::unique_ptr<QWidget> page = StartPage(false, false, true);
    TiledScene* scene = static_cast<ProjectManagerDialog*>(page.get())->Widget()->Scene();
    emit scene->DeleteButton()->PixmapItemClicked();
}

std::unique_ptr<QWidget> DescriptionPage()
{
    auto dialog = std::make_unique<KvCreatProjectDialog>();
    dialog->SetProject(&kvhost::fixtures::LastingSurveyProject());
    return dialog;
}

std::unique_ptr<QWidget> ImagePage()
{
    auto dialog = std::make_unique<ImageLoadDialog>();
    dialog->SetProject(&kvhost::fixtures::LastingSurveyProject());
    return dialog;
}

std::unique_ptr<QWidget> ImagePosPage(bool fromFlight)
{
    auto dialog = std::make_unique<ImagePosLoadDialog>();
    dialog->Widget()->SetProject(&kvhost::fixtures::LastingSurveyProject(), fromFlight);
    return dialog;
}

std::unique_ptr<QWidget> PreviewPage()
{
    auto dialog = std::make_unique<KvShowPrjInfoDialog>();
    dialog->SetProject(&kvhost::fixtures::LastingSurveyProject());
    return dialog;
}

std::unique_ptr<QWidget> FlightImages()
{
    auto dialog = std::make_unique<FlyPrjSettingDialog>();
    dialog->Widget()->AddImages(kvhost::fixtures::FlightPhotoPaths());
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

// The popup's buttons take their pictures from the style sheet and their
// words from here, where they are translated.
std::unique_ptr<DpMenuBar> NewProjectMenu(QWidget* parent)
{
    auto popup = std::make_unique<DpMenuBar>(parent);
    const std::pair<const char*, QString> buttons[] = {
        {"dpmn_edit_btn_", ProjectModule::tr("Edit")},
        {"dpmn_save_btn_", ProjectModule::tr("Save")},
        {"dpmn_save_as_btn_", ProjectModule::tr("Save As")},
        {"dpmn_main_btn_", ProjectModule::tr("Main Menu")},
    };
    for (const auto& [name, text] : buttons) {
        if (auto* button = popup->findChild<QPushButton*>(QLatin1String(name)))
            button->setText(text);
    }
    return popup;
}

} // namespace

void ProjectModule::Install(KvMainWindow& window)
{
    m_window = &window;
    window.AddMenuAction(
        MenuId::File, [] { return tr("Start &Page…"); }, QStringLiteral("kv_action_start_page"),
        [this] { ShowStartPage(false); });
    window.AddMenuAction(
        MenuId::File, [] { return tr("Project from &Photos…"); },
        QStringLiteral("kv_action_image_manager"), [this] { ShowStartPage(true); });
    QAction* create = window.AddMenuAction(
        MenuId::File, [] { return tr("&New Project…"); }, QStringLiteral("kv_action_new"),
        [this] { NewProject(); });
    create->setShortcut(QKeySequence::New);
    window.AddProjectAction(
        MenuId::File, [] { return tr("Project &Information…"); },
        QStringLiteral("kv_action_edit_project"), [this] { EditProjectInformation(); });
    window.AddProjectAction(
        MenuId::File, [] { return tr("&Images and Positions…"); },
        QStringLiteral("kv_action_image_pos"), [this] { EditImagesAndPositions(); });
    window.AddProjectAction(
        MenuId::File, [] { return tr("Project &Summary…"); }, QStringLiteral("kv_action_preview"),
        [this] { ShowProjectPreview(); });
    window.AddProjectAction(
        MenuId::File, [] { return tr("&Coordinate System…"); },
        QStringLiteral("kv_action_coordinate"), [this] { ChooseProjectCoordinate(); });
    window.Menu(MenuId::File)->addSeparator();

    QAction* open = window.AddMenuAction(
        MenuId::File, [] { return tr("&Open Project…"); }, QStringLiteral("kv_action_open"),
        [&window] { window.ChooseProject(); });
    open->setShortcut(QKeySequence::Open);
    QAction* save = window.AddProjectAction(
        MenuId::File, [] { return tr("&Save Project"); }, QStringLiteral("kv_action_save"),
        [&window] { window.SaveProject(); });
    save->setShortcut(QKeySequence::Save);
    window.AddProjectAction(
        MenuId::File, [] { return tr("Save Project &As…"); }, QStringLiteral("kv_action_save_as"),
        [&window] { window.ChooseProjectFileAndSave(); });
    window.AddProjectAction(
        MenuId::File, [] { return tr("&Close Project"); }, QStringLiteral("kv_action_close"),
        [&window] { window.CloseProject(); });

    // The project menu popup opens under this button, as under the
    // application's own menu button.
    auto* bar = window.addToolBar(QString());
    bar->setObjectName(QStringLiteral("kv_project_toolbar"));
    m_menuButton = new QToolButton(bar);
    m_menuButton->setObjectName(QStringLiteral("kv_project_menu_button"));
    window.FollowLanguage(bar, [bar, button = m_menuButton] {
        bar->setWindowTitle(tr("Project"));
        button->setText(tr("Project ▾"));
        button->setToolTip(tr("Project menu"));
    });
    bar->addWidget(m_menuButton);
    connect(m_menuButton, &QToolButton::clicked, this, &ProjectModule::ShowProjectMenu);
}

void ProjectModule::Screenshots(ScreenshotRegistry& registry) const
{
    registry.Add(QStringLiteral("wizard_1_description"), DescriptionPage);
    registry.Add(QStringLiteral("wizard_2_images"), ImagePage);
    registry.Add(QStringLiteral("wizard_3_image_pos"), [] { return ImagePosPage(false); });
    registry.Add(QStringLiteral("wizard_3_image_pos_flight"), [] { return ImagePosPage(true); });
    registry.Add(QStringLiteral("wizard_4_preview"), PreviewPage);
    registry.Add(QStringLiteral("flight_project_images"), FlightImages);
    registry.Add(QStringLiteral("coordinate_dialog"), Coordinate);
    registry.Add(QStringLiteral("project_menu"), [] { return NewProjectMenu(nullptr); });
    registry.Add(QStringLiteral("start_page"), [] { return StartPage(false, false); });
    registry.Add(QStringLiteral("start_page_flight"), [] { return StartPage(false, true); });
    registry.Add(QStringLiteral("start_page_image_mode"), [] { return StartPage(true, false); });
    registry.Add(QStringLiteral("start_page_selected"),
                 [] { return StartPage(false, false, true); });
    registry.AddModal(QStringLiteral("start_page_delete_question"), AskDeleteOnStartPage,
                      QStringLiteral("kvbw2_cancel_"));
    registry.AddModal(
        QStringLiteral("save_question"),
        [] {
            kvui::AskToSave(
                nullptr,
                String2QString(kvhost::fixtures::LastingSurveyProject().GetPrjInfo().name));
        },
        QStringLiteral("kvsq_cancel_btn_"));
}

bool ProjectModule::ShowStartPage(bool imageMode)
{
    ProjectManagerDialog page(imageMode, m_window);
    // Once saved or given up, the open project is not asked about again
    // while the page shows (a wizard left half-way, say, and then a tile).
    bool settled = false;
    page.Widget()->SetReplaceCheck([this, &settled] {
        settled = settled || m_window->SettleUnsavedChanges();
        return settled;
    });
    // Taken while the page still shows: a new project's save dialog opens
    // over the page rather than after it has gone.
    page.Widget()->SetProjectTaker([this](const kvprj::KvProject& project) {
        if (project.GetPrjInfo().path.empty()) {
            AdoptNewProject(project);
            return;
        }
        m_window->SetProject(std::make_unique<kvkernel::AISContext>(project));
        m_window->ShowStatus(tr("Opened %1").arg(Native(project.GetPrjInfo().path)));
    });
    return page.exec() == QDialog::Accepted;
}

void ProjectModule::NewProject()
{
    if (!m_window->SettleUnsavedChanges())
        return;
    kvprj::KvProject project;
    if (!ShowCreateProjectDialog(project, false)) {
        m_window->ShowStatus(tr("Project wizard left; nothing was created"));
        return;
    }
    kvalgorithm::FlightLineAlgo::CalcFlightLine(project.GetImageInfoSetLocal(),
                                                project.GetImageInfoSet());
    AdoptNewProject(project);
}

void ProjectModule::AdoptNewProject(const kvprj::KvProject& project)
{
    m_window->SetProject(std::make_unique<kvkernel::AISContext>(project));
    // A new project is saved at once (which also puts it on the start page); a
    // refused save leaves it open and unsaved, and Save asks again.
    m_window->SetProjectModified(true);
    m_window->ChooseProjectFileAndSave();
}

void ProjectModule::ReplaceProject(const kvprj::KvProject& edited)
{
    m_window->SetProject(std::make_unique<kvkernel::AISContext>(edited));
    m_window->SetProjectModified(true);
}

void ProjectModule::EditProjectInformation()
{
    if (!m_window->RequireProject())
        return;
    kvprj::KvProject copy = *m_window->Context();
    if (ShowPrjInfoDialog(copy) == WR_NEXT)
        ReplaceProject(copy);
}

void ProjectModule::EditImagesAndPositions()
{
    if (!m_window->RequireProject())
        return;
    kvprj::KvProject copy = *m_window->Context();
    // The project's own images stay even without a position: the page runs as
    // it does for a flight project.
    if (ShowImagePosLoadDialog(copy, true) == WR_NEXT)
        ReplaceProject(copy);
}

void ProjectModule::ShowProjectPreview()
{
    if (m_window->RequireProject())
        ShowPreviewDialog(*m_window->Context());
}

void ProjectModule::ChooseProjectCoordinate()
{
    if (!m_window->RequireProject())
        return;
    kvkernel::AISContext& project = *m_window->Context();
    kvfd::CoordinateInfo coordinate;
    kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet().GetCoordinateByID(
        project.GetPrjInfo().coordinateId, coordinate);
    if (!ShowCoordinateDialog(coordinate))
        return;
    if (project.GetPrjInfo().coordinateId != coordinate.id)
        m_window->SetProjectModified(true);
    project.GetPrjInfo().coordinateId = coordinate.id;
    m_window->ShowStatus(tr("Coordinate system: %1").arg(String2QString(coordinate.name)));
}

void ProjectModule::ShowProjectMenu()
{
    // The popup deletes itself when it closes.
    auto* popup = NewProjectMenu(m_window).release();
    popup->setObjectName(QStringLiteral("kv_project_menu"));
    connect(popup, &DpMenuBar::EditProject, this, &ProjectModule::EditProjectInformation);
    connect(popup, &DpMenuBar::SaveProject, m_window, [this] { m_window->SaveProject(); });
    connect(popup, &DpMenuBar::SaveasProject, m_window, &KvMainWindow::ChooseProjectFileAndSave);
    connect(popup, &DpMenuBar::PopupMain, this, &ProjectModule::ShowProjectPreview);
    connect(popup, &DpMenuBar::NewProject, this, &ProjectModule::NewProject);
    popup->move(m_menuButton->mapToGlobal(QPoint(0, m_menuButton->height())));
    popup->show();
}
