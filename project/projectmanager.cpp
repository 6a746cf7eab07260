#include "project/projectmanager.h"

#include "camera/cameraimagesize.h"
#include "camera/querycamerabyserial.h"
#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvsettingskeys.h"
#include "framework/kvshared.h"
#include "framework/titlewidget2.h"
#include "kvalgorithm/flightlinealgo.h"
#include "kvfd/kvconststringfactory.h"
#include "kvimage/kvimage.h"
#include "kvprj/flyprojecthelper.h"
#include "project/createproject.h"
#include "project/flyprjsettingdialog.h"
#include "project/tiledscene.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QtGlobal>
#include <cstring>

namespace {

constexpr int kProjectMissing = 128;
constexpr int kProjectNotFound = 129;

const char* const kThumbnail = ":/project/images/1280/Engineering/Thumbnails.png";

} // namespace

QString FlightMissionDatabasePath()
{
    QSettings store {QLatin1String(kvui::settings::kOrganization),
                     QLatin1String(kvui::settings::kAccountStore)};
    const QString account = store
                                .value(QLatin1String(kvui::settings::kAccountGroup)
                                       + QLatin1Char('/') + QLatin1String(kvui::settings::kAccount))
                                .toString();
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation)
        + QStringLiteral("/UAVQuorvel/Project") + QLatin1Char('/') + account
        + QStringLiteral("/Lumo_Airline/Flight_Mission.db");
}

// ---------------------------------------------------------------------------

ProjectManagerWidget::ProjectManagerWidget(QWidget* parent, bool imageMode)
    : BaseWidget(parent)
    , m_imageMode(imageMode)
{
    setObjectName(QStringLiteral("ProjectManagerWidget"));
    setFixedSize(1120, 710);

    m_title = kvui::MakeLabel(this, tr("My Project"), "pmw_project_type_label_");
    QFont titleFont = font();
    titleFont.setPointSize(titleFont.pointSize() + 10);
    m_title->setFont(titleFont);

    m_type = kvui::MakeButton(this, "pmw_select_prj_btn_", QString(), QSize(40, 36));
    auto* menu = new QMenu(m_type);
    menu->setObjectName(QStringLiteral("kvmenu"));
    menu->setFixedWidth(214);
    QAction* mine = menu->addAction(tr("My Project"));
    QAction* flight = menu->addAction(tr("Flight Project"));
    connect(mine, &QAction::triggered, this, &ProjectManagerWidget::SelectProcessProject);
    connect(flight, &QAction::triggered, this, &ProjectManagerWidget::SelectFlightProject);
    m_type->setMenu(menu);
    m_type->setStyleSheet(QStringLiteral("QPushButton::menu-indicator{image:None;}"));

    m_new = kvui::MakeButton(this, "pmw_new_prj_btn_", tr("New Project"), QSize(100, 42));
    m_open = kvui::MakeButton(this, "pmw_open_prj_btn_", tr("Import Project"), QSize(100, 42));
    m_images = kvui::MakeButton(this, "pmw_open_images_btn_", tr("View Image"), QSize(100, 42));

    auto* searchBox = new QWidget(this);
    searchBox->setFixedSize(420, 42);
    auto* searchButton = kvui::MakeButton(searchBox, "pmw_search_btn_", QString(), QSize(24, 24));
    m_search = new QLineEdit(searchBox);
    m_search->setObjectName(QStringLiteral("pmw_search_content_"));
    m_search->setFont(QFont(QStringLiteral("微软雅黑"), 12, 50));
    m_search->setStyleSheet(
        QStringLiteral("background:transparent;border:1px solid transparent;color:white;"));
    auto* searchRow = new QHBoxLayout(searchBox);
    searchRow->setContentsMargins(10, 0, 10, 0);
    searchRow->addWidget(searchButton);
    searchRow->addWidget(m_search, 1);

    m_view = new QGraphicsView(this);
    m_view->setObjectName(QStringLiteral("pmw_view_"));
    m_view->setFixedWidth(990);
    m_view->setMinimumHeight(500);
    m_view->setMaximumHeight(550);
    m_view->setStyleSheet(QStringLiteral("background:transparent;"));
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* top = new QHBoxLayout();
    top->setSpacing(10);
    top->addWidget(m_title);
    top->addWidget(m_type);
    top->addStretch();
    top->addWidget(m_new);
    top->addWidget(m_open);
    top->addWidget(m_images);
    top->addWidget(searchBox);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(50, 20, 50, 20);
    layout->setSpacing(20);
    layout->addLayout(top);
    layout->addWidget(m_view, 1, Qt::AlignHCenter);

    connect(m_search, &QLineEdit::textEdited, this, &ProjectManagerWidget::UpdateView);
    connect(m_new, &QPushButton::clicked, this, &ProjectManagerWidget::NewProject);
    connect(m_open, &QPushButton::clicked, this, &ProjectManagerWidget::LoadProjects);
    connect(m_images, &QPushButton::clicked, this, &ProjectManagerWidget::OpenImages);

    m_scene = new TiledScene(this);
    m_scene->setSceneRect(0, 0, m_view->width(), m_view->minimumHeight());
    m_view->setScene(m_scene);
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_scene, qOverload<PrjInfo*>(&TiledScene::RemoveItem), this,
            &ProjectManagerWidget::DeleteOneProject);
    connect(m_scene, &TiledScene::AddItem, this, &ProjectManagerWidget::AddOneProject);

    if (m_imageMode) {
        m_type->hide();
        m_new->setObjectName(QStringLiteral("pmw_select_images_btn_"));
        m_new->setToolTip(tr("Add Images"));
    }

    SelectProcessProject();
}

ProjectGraphicsItem* ProjectManagerWidget::AddTile(const PrjInfo& record)
{
    auto* tile = new ProjectGraphicsItem();
    tile->SetPixmap(QPixmap(QLatin1String(kThumbnail)));
    tile->SetPrjInfo(record);
    m_scene->addItem(tile);
    tile->setZValue(0);
    m_scene->Items().append(tile);
    connect(tile, &ProjectGraphicsItem::OpenMe, this, &ProjectManagerWidget::OpenOneProject);
    // The entry that asked to go is the one dropped, whatever else is selected.
    connect(tile, &ProjectGraphicsItem::DeleteMe, m_scene,
            [this, tile] { m_scene->RemoveTile(tile); });
    return tile;
}

void ProjectManagerWidget::PutFirst(const kvprj::KvProject& project, const QString& path)
{
    PrjInfo record = MakeRecord(project);
    record.path = path;
    ProjectManager::PutFirst(m_records, record);
    ProjectManager::ModifyConfig([&record](QList<PrjInfo>& list) {
        ProjectManager::PutFirst(list, record);
        return true;
    });
}

void ProjectManagerWidget::SelectProcessProject()
{
    m_flightMode = false;
    m_title->setText(tr("My Project"));
    m_new->setVisible(true);
    m_open->setVisible(true);
    m_scene->SetButtonsEnabled(true);
    m_scene->RemoveAll();
    ProjectManager::ReadConfig(m_records);
    for (const PrjInfo& record : qAsConst(m_records))
        AddTile(record);
    // A new list starts unfiltered; the search box says so too.
    m_search->clear();
    m_key.clear();
    m_scene->Layout(QString());
}

void ProjectManagerWidget::SelectFlightProject()
{
    m_flightMode = true;
    m_title->setText(tr("Flight Project"));
    m_new->setVisible(false);
    m_open->setVisible(false);
    m_scene->SetButtonsEnabled(false);
    m_scene->RemoveAll();
    m_records.clear();
    std::vector<kvprj::FlyPrjInfo> missions;
    if (kvprj::FlyProjectHelper::QuickRead(QString2String(FlightMissionDatabasePath()), missions)) {
        for (const kvprj::FlyPrjInfo& mission : missions) {
            PrjInfo record;
            record.identifier = String2QString(mission.id);
            record.path = String2QString(mission.mission) + QLatin1Char(' ')
                + String2QString(mission.description);
            record.name = String2QString(mission.name);
            record.date = String2QString(mission.date);
            record.description = String2QString(mission.description);
            m_records.append(record);
            AddTile(record);
        }
    }
    m_search->clear();
    m_key.clear();
    m_scene->Layout(QString());
}

QStringList ProjectManagerWidget::ChooseImages()
{
    return kvui::ChooseFiles(
        this, tr("Add Images"),
        tr("images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)"));
}

bool ProjectManagerWidget::MayReplace() const
{
    return !m_replaceCheck || m_replaceCheck();
}

void ProjectManagerWidget::Finish(const kvprj::KvProject& project)
{
    m_project = project;
    if (m_take)
        m_take(m_project);
    AcceptDialog();
}

void ProjectManagerWidget::NewProject()
{
    // Asked first: nobody fills in the wizard to be told then that the open
    // project may not go.
    if (!MayReplace())
        return;
    if (m_imageMode) {
        NewImageProject(ChooseImages());
        return;
    }
    kvprj::KvProject project;
    if (!ShowCreateProjectDialog(project, false))
        return;
    kvalgorithm::FlightLineAlgo::CalcFlightLine(project.GetImageInfoSetLocal(),
                                                project.GetImageInfoSet());
    Finish(project);
}

void ProjectManagerWidget::NewImageProject(const QStringList& files)
{
    if (files.isEmpty())
        return;
    kvprj::KvProject project;
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (const QString& file : files) {
        const QFileInfo info(file);
        const int index = images.AddImage(QString2String(info.fileName()),
                                          QString2String(info.path()), kvfd::EOP(), -1, true);
        if (kvfd::ImageInfoExt* ext = images.GetImageExt(index))
            ext->flight = index / 4;
    }
    Finish(project);
}

void ProjectManagerWidget::LoadProjects()
{
    AddProjectFiles(kvui::ChooseFiles(this, tr("Open Project"), tr("Project File (*.db)")));
}

void ProjectManagerWidget::AddProjectFiles(const QStringList& files)
{
    for (const QString& file : files) {
        if (!QFileInfo(file).isFile())
            continue;
        SetDefaultPath(file, true);
        kvprj::KvProject project;
        if (!project.QuickOpenPrj(QString2String(file)))
            continue;
        PutFirst(project, file);
    }
    SelectProcessProject();
}

void ProjectManagerWidget::OpenImages()
{
    ViewImages(ChooseImages());
}

void ProjectManagerWidget::ViewImages(const QStringList& files)
{
    std::vector<std::string> existing;
    for (const QString& file : files) {
        if (!QFileInfo(file).isFile())
            continue;
        if (existing.empty())
            SetDefaultPath(file, true);
        existing.push_back(QString2String(file));
    }
    if (!existing.empty())
        LoadImagesToViewer(existing);
}

void ProjectManagerWidget::AddOneProject(QString filename)
{
    kvprj::KvProject project;
    if (!project.QuickOpenPrj(QString2String(filename)))
        return;
    PrjInfo record = MakeRecord(project);
    record.path = filename;
    m_records.append(record);
    AddTile(record);
    m_scene->Layout(m_key);
    if (m_flightMode)
        return;
    ProjectManager::ModifyConfig([&record](QList<PrjInfo>& list) {
        for (const PrjInfo& entry : qAsConst(list)) {
            if (entry.path == record.path)
                return false;
        }
        list.append(record);
        return true;
    });
}

void ProjectManagerWidget::OpenOneProject(PrjInfo* prj)
{
    if (!prj)
        return;
    if (m_flightMode) {
        OpenFlightMission(*prj);
        return;
    }
    const QString path = prj->path;
    if (!QFileInfo(path).isFile())
        return;
    kvprj::KvProject project;
    if (!project.OpenPrj(QString2String(path))) {
        // The file is there but is no project (any more): offer to drop the
        // entry, as for a file that has gone.
        if (KvMessageBox::Show(kvfd::KvGetConstString(kProjectMissing), KvMessageBox::BT_YES_NO)
            == KvMessageBox::BC_OK) {
            for (ProjectGraphicsItem* tile : m_scene->Items()) {
                if (tile->Info() == prj) {
                    m_scene->RemoveTile(tile);
                    break;
                }
            }
        }
        return;
    }
    if (!MayReplace())
        return;
    PutFirst(project, path);
    Finish(project);
}

void ProjectManagerWidget::OpenFlightMission(const PrjInfo& chosen)
{
    const PrjInfo* record = nullptr;
    for (const PrjInfo& entry : qAsConst(m_records)) {
        if (entry.path == chosen.path) {
            record = &entry;
            break;
        }
    }
    if (!record) {
        KvMessageBox::Show(kvfd::KvGetConstString(kProjectNotFound), KvMessageBox::BT_OK);
        return;
    }
    kvprj::KvProject project;
    if (!kvprj::FlyProjectHelper::Read(QString2String(FlightMissionDatabasePath()),
                                       QString2String(record->identifier), project))
        return;
    if (!MayReplace())
        return;

    FlyPrjSettingDialog images(this);
    if (images.exec() != QDialog::Accepted)
        return;
    const std::vector<std::string> files = images.GetImages();

    kvfd::ImageInfoSet& set = project.GetImageInfoSet();
    std::size_t next = 0;
    for (int i = 0; i < set.Size() && next < files.size(); ++i) {
        if (kvfd::ImageInfo* image = set.GetImage(i))
            image->SetFullName(files[next++]);
    }
    kvprj::PrjInfo& info = project.GetPrjInfo();
    info.path.clear();
    // The mission's coordinate system came with the mission (Read sets it).

    for (const std::string& file : files) {
        kvfd::CameraInfo camera;
        if (kvimage::GetCameraFormImage(file, camera)) {
            // The mission's images use camera 0; the camera carries that id, as
            // the cameras the image pages add do.
            camera.id = project.GetCameraInfoSet().Size();
            project.GetCameraInfoSet().AddCamera(camera);
            break;
        }
    }

    kvfd::CameraInfo online;
    const std::string serial(info.description, strnlen(info.description, sizeof info.description));
    if (QueryCameraBySerial(online, serial)) {
        kvfd::CameraInfo* first = project.GetCameraInfoSet().GetCamera(0);
        // The camera read from the photos fits them; the aircraft's camera
        // takes its place unasked only when it is meant for images of that size.
        if (first && kvui::ConfirmImageSize(online, *first)) {
            const std::int32_t id = first->id;
            *first = online;
            first->id = id;
        }
    }

    kvalgorithm::FlightLineAlgo::CalcFlightLine(project.GetImageInfoSetLocal(),
                                                project.GetImageInfoSet());
    Finish(project);
}

void ProjectManagerWidget::DeleteOneProject(PrjInfo* prj)
{
    if (!prj)
        return;
    const QString path = prj->path;
    ProjectManager::RemoveFirst(m_records, path);
    // The missions of the flight-planning program are no entries of the list.
    if (m_flightMode)
        return;
    ProjectManager::ModifyConfig(
        [&path](QList<PrjInfo>& list) { return ProjectManager::RemoveFirst(list, path); });
}

void ProjectManagerWidget::UpdateView(QString key)
{
    m_key = key;
    m_scene->Layout(m_key);
}

// ---------------------------------------------------------------------------

ProjectManagerDialog::ProjectManagerDialog(bool imageMode, QWidget* parent)
    : TransparentDialog(parent)
{
    auto* layout = new QVBoxLayout(this);
    m_frame = new TitleWidget2(this);
    layout->addWidget(m_frame);
    m_widget = new ProjectManagerWidget(m_frame, imageMode);
    m_widget->SetDialog(this);
    m_frame->AddWidget(m_widget);
}
