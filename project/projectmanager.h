#pragma once

#include "framework/basewidget.h"
#include "framework/transparentdialog.h"
#include "kvprj/kvproject.h"
#include "kvui_export.h"
#include "project/projectrecord.h"
#include "project/recentprojectlist.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QGraphicsView;
class QLabel;
class QLineEdit;
class QPushButton;
class TiledScene;
class ProjectGraphicsItem;
class TitleWidget2;

// The flight-planning program's mission database of the signed-in account.
KVUI_EXPORT QString FlightMissionDatabasePath();

// The start page: the user's projects (or the missions of the flight-planning
// program) as tiles, with search, new project, import, image viewing, and
// opening a project, which ends the dialog with that project chosen. In image
// mode the new-project button makes a project of chosen images instead.
class KVUI_EXPORT ProjectManagerWidget : public BaseWidget
{
    Q_OBJECT

public:
    ProjectManagerWidget(QWidget* parent, bool imageMode);

    const kvprj::KvProject& GetProject() const { return m_project; }
    const QList<PrjInfo>& Records() const { return m_records; }
    TiledScene* Scene() const { return m_scene; }
    bool FlightMode() const { return m_flightMode; }
    const QString& Key() const { return m_key; }

    // The host's say in what the page hands over. check is asked before the
    // page would replace the host's open project (before the wizard, the image
    // chooser of image mode, a flight mission's images, or ending with an
    // opened project); false leaves the page as it was. take receives the
    // chosen project while the page still shows, so that a new project's save
    // dialog opens over the page; the page ends when it returns. Without them
    // the page ends with the project, unasked.
    void SetReplaceCheck(std::function<bool()> check) { m_replaceCheck = std::move(check); }
    void SetProjectTaker(std::function<void(const kvprj::KvProject&)> take)
    {
        m_take = std::move(take);
    }

    // The parts of LoadProjects, NewProject (image mode) and OpenImages after
    // their file choosers.
    void AddProjectFiles(const QStringList& files);
    void NewImageProject(const QStringList& files);
    void ViewImages(const QStringList& files);

public Q_SLOTS:
    void SelectFlightProject();
    void SelectProcessProject();
    void NewProject();
    void LoadProjects();
    void OpenImages();
    void AddOneProject(QString filename);
    void OpenOneProject(PrjInfo* prj);
    void DeleteOneProject(PrjInfo* prj);
    void UpdateView(QString key);

private:
    ProjectGraphicsItem* AddTile(const PrjInfo& record);
    // Puts the project, stored at path, first in the shown and the stored list.
    void PutFirst(const kvprj::KvProject& project, const QString& path);
    QStringList ChooseImages();
    void OpenFlightMission(const PrjInfo& record);
    bool MayReplace() const;
    // Makes project the chosen one and ends the page with it.
    void Finish(const kvprj::KvProject& project);

    QString m_key;
    QList<PrjInfo> m_records;
    kvprj::KvProject m_project;
    bool m_flightMode = false;
    bool m_imageMode = false;
    std::function<bool()> m_replaceCheck;
    std::function<void(const kvprj::KvProject&)> m_take;

    QLabel* m_title = nullptr;
    QPushButton* m_type = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_images = nullptr;
    QLineEdit* m_search = nullptr;
    QGraphicsView* m_view = nullptr;
    TiledScene* m_scene = nullptr;
};

class KVUI_EXPORT ProjectManagerDialog : public TransparentDialog
{
    Q_OBJECT

public:
    ProjectManagerDialog(bool imageMode, QWidget* parent);

    kvprj::KvProject GetProject() const { return m_widget->GetProject(); }
    ProjectManagerWidget* Widget() const { return m_widget; }
    TitleWidget2* Frame() const { return m_frame; }

private:
    TitleWidget2* m_frame;
    ProjectManagerWidget* m_widget;
};
