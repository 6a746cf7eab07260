#include "project/projectmanager.h"

#include "camera/querycamerabyserial.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvsettingskeys.h"
#include "framework/kvshared.h"
#include "framework/titlewidget2.h"
#include "kvalgorithm/flightlinealgo.h"
#include "kvfd/kvconststringfactory.h"
#include "kvfd/pathhelper.h"
#include "kvimage/kvimage.h"
#include "kvprj/flyprojecthelper.h"
#include "project/createproject.h"
#include "project/flyprjsettingdialog.h"
#include "project/tiledscene.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QVBoxLayout>
#include <QtGlobal>
#include <atomic>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kProjectMissing = 128;
constexpr int kProjectNotFound = 129;

const char* const kListFile = "dp_project.ini";
const char* const kArray = "DP_PROJECT";
const char* const kPath = "PATH";
const char* const kName = "NAME";
const char* const kDate = "DATE";
const char* const kUser = "USER";
const char* const kDescription = "DESCRIPTION";

const char* const kThumbnail = ":/project/images/1280/Engineering/Thumbnails.png";

// A list change holds the lock for a few milliseconds; one that has waited this
// long is facing a dead holder on another machine or an unwritable folder.
constexpr int kLockWaitMs = 10000;
constexpr int kStaleLockMs = 10000;

// A name beside the list file that no other writer uses. QSettings keeps its
// own "<file>.lock" while it writes a file.
QString LockPath()
{
    return ProjectManager::ConfigPath() + QStringLiteral(".kvlock");
}

// Serialises the read-modify-write of the list between threads and programs.
class ListLock
{
public:
    ListLock()
        : m_lock(LockPath())
    {
        m_lock.setStaleLockTime(kStaleLockMs);
        QElapsedTimer timer;
        timer.start();
        while (!m_lock.tryLock(0)) {
            if (m_lock.error() != QLockFile::LockFailedError || timer.elapsed() > kLockWaitMs) {
                qWarning("kvui: cannot lock the recent-project list; updating it unlocked");
                return;
            }
            QThread::msleep(3);
        }
    }

private:
    QLockFile m_lock;
};

// A name in the list's folder that nothing else uses, for files written aside.
QString AsideName(const QString& base, const char* what)
{
    static std::atomic<int> counter {0};
    return base
        + QStringLiteral(".%1-%2-%3")
              .arg(QLatin1String(what))
              .arg(QCoreApplication::applicationPid())
              .arg(counter.fetch_add(1));
}

int EntryCount(QSettings& settings)
{
    // A hand-edited size may be missing, negative or far beyond the entries
    // that are there; never walk further than the highest index present.
    settings.beginGroup(QLatin1String(kArray));
    int highest = 0;
    const QStringList groups = settings.childGroups();
    for (const QString& group : groups) {
        bool ok = false;
        const int index = group.toInt(&ok);
        if (ok && index > highest)
            highest = index;
    }
    const bool sized = settings.contains(QStringLiteral("size"));
    settings.endGroup();
    const int size = settings.beginReadArray(QLatin1String(kArray));
    settings.endArray();
    return sized ? qBound(0, size, highest) : highest;
}

// Reads the file into list; false when it exists but cannot be read.
bool ReadList(QList<PrjInfo>& list)
{
    list.clear();
    const QString path = ProjectManager::ConfigPath();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    file.close();
    if (content.isEmpty())
        return true;

    // QSettings keeps a parsed copy of each file per process and trusts it
    // while the file's size and time stamp look unchanged; another program's
    // write within the same millisecond would go unseen. A private copy under
    // a fresh name is always parsed anew.
    const QString copyPath = AsideName(path, "read");
    {
        QFile copy(copyPath);
        if (!copy.open(QIODevice::WriteOnly) || copy.write(content) != content.size()) {
            copy.remove();
            return false;
        }
    }
    {
        QSettings settings(copyPath, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        const int count = EntryCount(settings);
        settings.beginReadArray(QLatin1String(kArray));
        list.reserve(count);
        for (int i = 0; i < count; ++i) {
            settings.setArrayIndex(i);
            PrjInfo record;
            // A value that is no plain text (a hand-written list, say) reads
            // as an empty string.
            record.path = settings.value(QLatin1String(kPath)).toString();
            record.name = settings.value(QLatin1String(kName)).toString();
            record.date = settings.value(QLatin1String(kDate)).toString();
            record.user = settings.value(QLatin1String(kUser)).toString();
            record.description = settings.value(QLatin1String(kDescription)).toString();
            list.append(record);
        }
        settings.endArray();
    }
    QFile::remove(copyPath);
    return true;
}

// Writes list aside through QSettings and moves it over the file, so that a
// reader sees the old list or the new one, never half of it.
bool WriteList(const QList<PrjInfo>& list)
{
    const QString path = ProjectManager::ConfigPath();
    const QString aside = AsideName(path, "write");
    QSettings::Status status = QSettings::NoError;
    {
        QSettings settings(aside, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        settings.beginWriteArray(QLatin1String(kArray), list.size());
        for (int i = 0; i < list.size(); ++i) {
            const PrjInfo& record = list.at(i);
            settings.setArrayIndex(i);
            settings.setValue(QLatin1String(kPath), record.path);
            settings.setValue(QLatin1String(kName), record.name);
            settings.setValue(QLatin1String(kDate), record.date);
            settings.setValue(QLatin1String(kUser), record.user);
            settings.setValue(QLatin1String(kDescription), record.description);
        }
        settings.endArray();
        settings.sync();
        status = settings.status();
    }
    if (status != QSettings::NoError
        || std::rename(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData())
            != 0) {
        QFile::remove(aside);
        return false;
    }
    return true;
}

QString Decode(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), int(text.size()));
}

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

QString ProjectManager::ConfigPath()
{
    return Decode(kvfd::PathHelper::Merge(kvfd::PathHelper::GetSystemDataDirectory(), kListFile));
}

void ProjectManager::ReadConfig(QList<PrjInfo>& list)
{
    // Writers replace the file in one move, so reading needs no lock.
    if (!ReadList(list))
        list.clear();
}

void ProjectManager::WriteConfig(const QList<PrjInfo>& list)
{
    ListLock lock;
    WriteList(list);
}

bool ProjectManager::ModifyConfig(const std::function<bool(QList<PrjInfo>&)>& edit)
{
    ListLock lock;
    QList<PrjInfo> list;
    if (!ReadList(list))
        return false;
    if (!edit(list))
        return true;
    return WriteList(list);
}

void ProjectManager::PutFirst(QList<PrjInfo>& list, const PrjInfo& record)
{
    list.prepend(record);
    for (int i = 1; i < list.size(); ++i) {
        if (list.at(i).path == record.path) {
            list.removeAt(i);
            break;
        }
    }
}

bool ProjectManager::RemoveFirst(QList<PrjInfo>& list, const QString& path)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).path == path) {
            list.removeAt(i);
            return true;
        }
    }
    return false;
}

void ProjectManager::UpdateConfig(const kvprj::KvProject& project)
{
    if (project.GetPrjInfo().path.empty())
        return;
    const PrjInfo record = MakeRecord(project);
    ModifyConfig([&record](QList<PrjInfo>& list) {
        PutFirst(list, record);
        return true;
    });
}

void ConfigHelper::AddProject(kvprj::KvProject* project)
{
    if (project)
        ProjectManager::UpdateConfig(*project);
}

void ConfigHelper::RemoveProject(kvprj::KvProject* project)
{
    if (!project)
        return;
    const QString path = Decode(project->GetPrjInfo().path);
    ProjectManager::ModifyConfig(
        [&path](QList<PrjInfo>& list) { return ProjectManager::RemoveFirst(list, path); });
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
            record.identifier = Decode(mission.id);
            record.path = Decode(mission.mission) + QLatin1Char(' ') + Decode(mission.description);
            record.name = Decode(mission.name);
            record.date = Decode(mission.date);
            record.description = Decode(mission.description);
            m_records.append(record);
            AddTile(record);
        }
    }
    m_search->clear();
    m_key.clear();
    m_scene->Layout(QString());
}

void ProjectManagerWidget::Finish()
{
    if (m_dialog)
        m_dialog->accept();
}

QStringList ProjectManagerWidget::ChooseImages()
{
    return QFileDialog::getOpenFileNames(
        this, tr("Add Images"), GetDefaultPath(),
        tr("images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)"));
}

void ProjectManagerWidget::NewProject()
{
    if (m_imageMode) {
        const QStringList files = ChooseImages();
        if (!files.isEmpty())
            SetDefaultPath(files.first(), true);
        NewImageProject(files);
        return;
    }
    kvprj::KvProject project;
    if (!ShowCreateProjectDialog(project, false))
        return;
    kvalgorithm::FlightLineAlgo::CalcFlightLine(project.GetImageInfoSetLocal(),
                                                project.GetImageInfoSet());
    m_project = project;
    Finish();
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
    m_project = project;
    Finish();
}

void ProjectManagerWidget::LoadProjects()
{
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Open Project"), GetDefaultPath(), tr("Project File (*.db)"));
    AddProjectFiles(files);
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
        PrjInfo record = MakeRecord(project);
        record.path = file;
        ProjectManager::PutFirst(m_records, record);
        ProjectManager::ModifyConfig([&record](QList<PrjInfo>& list) {
            ProjectManager::PutFirst(list, record);
            return true;
        });
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
    m_project = project;
    PrjInfo record = MakeRecord(project);
    record.path = path;
    ProjectManager::PutFirst(m_records, record);
    ProjectManager::ModifyConfig([&record](QList<PrjInfo>& list) {
        ProjectManager::PutFirst(list, record);
        return true;
    });
    Finish();
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
        if (kvfd::CameraInfo* first = project.GetCameraInfoSet().GetCamera(0)) {
            const std::int32_t id = first->id;
            *first = online;
            first->id = id;
        }
    }

    kvalgorithm::FlightLineAlgo::CalcFlightLine(project.GetImageInfoSetLocal(),
                                                project.GetImageInfoSet());
    m_project = project;
    Finish();
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
