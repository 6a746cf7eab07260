#pragma once

#include "framework/basewidget.h"
#include "framework/transparentdialog.h"
#include "kvprj/kvproject.h"
#include "kvui_export.h"
#include "project/projectrecord.h"

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

// The recent-project list, "dp_project.ini" in the system data folder, most
// recent first. Every change of the list holds a lock file beside it and
// re-reads the file under that lock, so that several programs updating the
// list at once neither lose nor duplicate entries.
class KVUI_EXPORT ProjectManager
{
public:
    static QString ConfigPath();

    // Replaces list with the entries of the file; unreadable values are empty
    // strings, and a missing or damaged file gives what could be read.
    static void ReadConfig(QList<PrjInfo>& list);
    // Replaces the file's entries with list.
    static void WriteConfig(const QList<PrjInfo>& list);
    // Puts the project's entry first and drops its previous entry. A project
    // without a file path changes nothing.
    static void UpdateConfig(const kvprj::KvProject& project);

    // Runs edit on the list read under the lock and, when edit says it changed
    // the list, writes the result, all while holding the lock. Nothing is
    // written when the file exists but cannot be read (writing would drop its
    // entries). False when the list could not be read or written.
    static bool ModifyConfig(const std::function<bool(QList<PrjInfo>&)>& edit);

    // record first, then the first later entry with its path dropped.
    static void PutFirst(QList<PrjInfo>& list, const PrjInfo& record);
    // Drops the first entry with that path; false when there was none.
    static bool RemoveFirst(QList<PrjInfo>& list, const QString& path);
};

// The list changes the host makes when it saves, opens or drops a project.
class KVUI_EXPORT ConfigHelper
{
public:
    static void AddProject(kvprj::KvProject* project);
    static void RemoveProject(kvprj::KvProject* project);
};

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
    QStringList ChooseImages();
    void OpenFlightMission(const PrjInfo& record);
    void Finish();

    QString m_key;
    QList<PrjInfo> m_records;
    kvprj::KvProject m_project;
    bool m_flightMode = false;
    bool m_imageMode = false;

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
