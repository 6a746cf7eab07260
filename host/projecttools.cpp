// The project wizard, its pages on the open project, the project menu popup
// and the GNSS tools, as the host's menus reach them.

#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "host/kvmainwindow.h"
#include "imagery/coordinatedialog.h"
#include "imagery/elevationdialog.h"
#include "imagery/gpstooldialog.h"
#include "imagery/imageposloaddialog.h"
#include "imagery/leverarmdialog.h"
#include "imagery/rt27dialog.h"
#include "kvalgorithm/flightlinealgo.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "project/createproject.h"
#include "project/dpmenubar.h"
#include "project/kvcreatprojectdialog.h"
#include "project/kvshowprjinfodialog.h"
#include "project/projectmanager.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QString Native(const std::string& path)
{
    return QDir::toNativeSeparators(QString::fromLocal8Bit(path.c_str()));
}

} // namespace

void KvMainWindow::BuildProjectMenus()
{
    AddMenuAction(MenuId::File, tr("Start &Page…"), QStringLiteral("kv_action_start_page"),
                  [this] { ShowStartPage(false); });
    AddMenuAction(MenuId::File, tr("Project from &Photos…"),
                  QStringLiteral("kv_action_image_manager"), [this] { ShowStartPage(true); });
    QAction* create = AddMenuAction(MenuId::File, tr("&New Project…"),
                                    QStringLiteral("kv_action_new"), [this] { NewProject(); });
    create->setShortcut(QKeySequence::New);
    m_projectActions = {
        AddMenuAction(MenuId::File, tr("Project &Information…"),
                      QStringLiteral("kv_action_edit_project"),
                      [this] { EditProjectInformation(); }),
        AddMenuAction(MenuId::File, tr("&Images and Positions…"),
                      QStringLiteral("kv_action_image_pos"), [this] { EditImagesAndPositions(); }),
        AddMenuAction(MenuId::File, tr("Project &Summary…"), QStringLiteral("kv_action_preview"),
                      [this] { ShowProjectPreview(); }),
        AddMenuAction(MenuId::File, tr("&Coordinate System…"),
                      QStringLiteral("kv_action_coordinate"),
                      [this] { ChooseProjectCoordinate(); }),
    };
    Menu(MenuId::File)->addSeparator();

    AddMenuAction(MenuId::Tools, tr("Get &Elevation…"), QStringLiteral("kv_action_elevation"),
                  [this] { GetElevation(); });
    AddMenuAction(MenuId::Tools, tr("&RT27 Format Change…"), QStringLiteral("kv_action_rt27"),
                  [this] { ConvertRT27(); });
    AddMenuAction(MenuId::Tools, tr("Correct &Lever Arm…"), QStringLiteral("kv_action_lever_arm"),
                  [this] { CorrectLeverArm(); });
    AddMenuAction(MenuId::Tools, tr("&GPS Tool…"), QStringLiteral("kv_action_gps_tool"),
                  [this] { RunGPSTool(); });
    Menu(MenuId::Tools)->addSeparator();

    // The project menu popup opens under this button, as under the
    // application's own menu button.
    auto* bar = addToolBar(tr("Project"));
    bar->setObjectName(QStringLiteral("kv_project_toolbar"));
    m_menuButton = new QToolButton(bar);
    m_menuButton->setObjectName(QStringLiteral("kv_project_menu_button"));
    m_menuButton->setText(tr("Project ▾"));
    m_menuButton->setToolTip(tr("Project menu"));
    bar->addWidget(m_menuButton);
    connect(m_menuButton, &QToolButton::clicked, this, &KvMainWindow::ShowProjectMenu);
}

bool KvMainWindow::ShowStartPage(bool imageMode)
{
    ProjectManagerDialog page(imageMode, this);
    if (page.exec() != QDialog::Accepted)
        return false;
    const kvprj::KvProject project = page.GetProject();
    if (project.GetPrjInfo().path.empty()) {
        AdoptNewProject(project);
    } else {
        SetProject(std::make_unique<kvkernel::AISContext>(project));
        statusBar()->showMessage(tr("Opened %1").arg(Native(project.GetPrjInfo().path)), 15000);
    }
    return true;
}

void KvMainWindow::NewProject()
{
    kvprj::KvProject project;
    if (!ShowCreateProjectDialog(project, false)) {
        statusBar()->showMessage(tr("Project wizard left; nothing was created"), 15000);
        return;
    }
    kvalgorithm::FlightLineAlgo::CalcFlightLine(project.GetImageInfoSetLocal(),
                                                project.GetImageInfoSet());
    AdoptNewProject(project);
}

void KvMainWindow::AdoptNewProject(const kvprj::KvProject& project)
{
    SetProject(std::make_unique<kvkernel::AISContext>(project));
    // A new project is saved at once (which also puts it on the start page); a
    // refused save leaves it open and unsaved, and Save asks again.
    ChooseProjectFileAndSave();
}

void KvMainWindow::ReplaceProject(const kvprj::KvProject& edited)
{
    SetProject(std::make_unique<kvkernel::AISContext>(edited));
}

void KvMainWindow::EditProjectInformation()
{
    if (!RequireProject())
        return;
    kvprj::KvProject copy = *m_context;
    if (ShowPrjInfoDialog(copy) == WR_NEXT)
        ReplaceProject(copy);
}

void KvMainWindow::EditImagesAndPositions()
{
    if (!RequireProject())
        return;
    kvprj::KvProject copy = *m_context;
    // The project's own images stay even without a position: the page runs as
    // it does for a flight project.
    if (ShowImagePosLoadDialog(copy, true) == WR_NEXT)
        ReplaceProject(copy);
}

void KvMainWindow::ShowProjectPreview()
{
    if (RequireProject())
        ShowPreviewDialog(*m_context);
}

void KvMainWindow::ChooseProjectCoordinate()
{
    if (!RequireProject())
        return;
    kvfd::CoordinateInfo coordinate;
    kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet().GetCoordinateByID(
        m_context->GetPrjInfo().coordinateId, coordinate);
    if (!ShowCoordinateDialog(coordinate))
        return;
    m_context->GetPrjInfo().coordinateId = coordinate.id;
    statusBar()->showMessage(
        tr("Coordinate system: %1").arg(QString::fromLocal8Bit(coordinate.name.c_str())), 15000);
}

void KvMainWindow::ShowProjectMenu()
{
    auto* popup = new DpMenuBar(this);
    popup->setObjectName(QStringLiteral("kv_project_menu"));
    connect(popup, &DpMenuBar::EditProject, this, &KvMainWindow::EditProjectInformation);
    connect(popup, &DpMenuBar::SaveProject, this, [this] { SaveProject(); });
    connect(popup, &DpMenuBar::SaveasProject, this, &KvMainWindow::ChooseProjectFileAndSave);
    connect(popup, &DpMenuBar::PopupMain, this, &KvMainWindow::ShowProjectPreview);
    connect(popup, &DpMenuBar::NewProject, this, &KvMainWindow::NewProject);
    popup->move(m_menuButton->mapToGlobal(QPoint(0, m_menuButton->height())));
    popup->show();
}

void KvMainWindow::GetElevation()
{
    ElevationDialog dialog;
    double longitude = 0.0;
    double latitude = 0.0;
    if (m_context) {
        const kvfd::ImageInfoSet& images = m_context->GetImageInfoSet();
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
    if (m_context)
        m_context->GetPrjInfo().meanElevation = elevation;
    statusBar()->showMessage(tr("Elevation: %1 m").arg(elevation, 0, 'f', 2), 15000);
}

void KvMainWindow::ConvertRT27()
{
    std::string files[2];
    if (!ShowRT27Dialog(files))
        return;
    // Receiver files are converted by the receiver maker's tools; this host
    // only shows what it was asked.
    statusBar()->showMessage(tr("RT27 conversion is not available here: %1 → %2")
                                 .arg(Native(files[0]), Native(files[1])),
                             15000);
}

void KvMainWindow::CorrectLeverArm()
{
    int type = 0;
    std::string paths[4];
    if (!ShowLeverArmDialog(type, paths))
        return;
    statusBar()->showMessage(tr("Lever-arm correction is not available here: %1 (UAV type %2) → %3")
                                 .arg(Native(paths[0]))
                                 .arg(type)
                                 .arg(Native(paths[3])),
                             15000);
}

void KvMainWindow::RunGPSTool()
{
    ShowGPSToolDialog(this);
}
