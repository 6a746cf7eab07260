#pragma once

#include <QList>
#include <QMainWindow>
#include <functional>
#include <memory>

class ButtonGroup;
class DownloadThread;
class ImageTablePanel;
class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class QToolButton;

namespace kvfd {
struct CameraInfo;
}
namespace kvkernel {
class AISContext;
}
namespace kvprj {
class KvProject;
}

// The host's main window. It owns the open project and registers it as the
// library's context, so that the library's panels see the same images. The
// central panel, the docks and the menus are open to later panels through
// SetCentralPanel, AddDock and AddMenuAction.
class KvMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum class MenuId { File, Tools, Cameras, Framework, Help };

    explicit KvMainWindow(QWidget* parent = nullptr);
    ~KvMainWindow() override;

    // The open project, or null.
    kvkernel::AISContext* Context() const { return m_context.get(); }

    // Opens a project file. On failure the operator is told and the project
    // that was open stays open.
    bool OpenProject(const QString& path);
    // Makes project the open one, whether or not it was ever saved.
    void SetProject(std::unique_ptr<kvkernel::AISContext> project);
    // Saves to the project's file; a project without one asks for it.
    bool SaveProject();
    bool SaveProjectAs(const QString& path);
    void CloseProject();

    // Replaces the central panel; the window deletes the previous one.
    void SetCentralPanel(QWidget* panel);
    QDockWidget* AddDock(QWidget* widget, const QString& title, const QString& objectName,
                         Qt::DockWidgetArea area = Qt::LeftDockWidgetArea);
    QMenu* Menu(MenuId id) const;
    QAction* AddMenuAction(MenuId id, const QString& text, const QString& objectName,
                           std::function<void()> run);

    // Checksums folder behind the progress dialog, shows the outcome in the
    // status bar and offers to save the list.
    void ChecksumFolder(const QString& folder);

    // Makes camera the open project's first camera, adding it when the project
    // has none. False without a project.
    bool SetProjectCamera(const kvfd::CameraInfo& camera);
    // The camera-database download under way, or null.
    DownloadThread* CameraDownload() const { return m_download; }

    // Null once a later panel has replaced the table.
    ImageTablePanel* ImageTable() const;
    ButtonGroup* FlightSelector() const { return m_flights; }
    // The project summary at the right of the status bar.
    QLabel* ProjectLabel() const { return m_projectLabel; }

Q_SIGNALS:
    // The open project was replaced, closed or saved under a new name.
    void ProjectChanged();

public Q_SLOTS:
    void ChooseProject();
    void ChooseProjectFileAndSave();
    void ShowMessageDemo();
    void AskQuestionDemo();
    void ChooseChecksumFolder();
    void OpenImageViewer();
    // Edits the open project's first camera (or a new one) in the camera
    // dialog and stores the result in the project.
    void EditProjectCamera();
    // Refreshes the camera database on a DownloadThread; the outcome shows in
    // the status bar.
    void RefreshCameraDatabase();
    // Downloads a camera by its ids and offers it to the open project.
    void GetCameraFromCloud();

    // The start page: the recent projects (or, in image mode, a project made of
    // chosen photos). A project opened or created there becomes the open one;
    // false when the page was closed without one.
    bool ShowStartPage(bool imageMode = false);

    // Runs the project wizard on a new project; a finished project is saved
    // where the operator chooses and becomes the open one.
    void NewProject();
    // The wizard's pages on the open project, each on a copy that replaces the
    // project only when the page ends with Next.
    void EditProjectInformation();
    void EditImagesAndPositions();
    void ShowProjectPreview();
    void ChooseProjectCoordinate();
    // Shows the project menu popup under the tool bar's menu button.
    void ShowProjectMenu();
    // The GNSS tools: each collects its paths; the host does what it can with them.
    void GetElevation();
    void ConvertRT27();
    void CorrectLeverArm();
    void RunGPSTool();
    void ShowAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildProjectMenus();
    // Replaces the open project by an edited copy, keeping its file.
    void ReplaceProject(const kvprj::KvProject& edited);
    // Makes a project that has never been saved the open one and asks where
    // to save it.
    void AdoptNewProject(const kvprj::KvProject& project);
    void RebuildFlightSelector();
    void ShowProject();
    void ShowSummary();
    void ShowStatus(const QString& text);
    void CameraDatabaseReplaced();
    void CameraDownloadEnded();
    bool RequireProject();

    std::unique_ptr<kvkernel::AISContext> m_context;
    QMenu* m_menus[5] = {};
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_closeAction = nullptr;
    QAction* m_viewerAction = nullptr;
    QAction* m_cameraAction = nullptr;
    QAction* m_refreshCamerasAction = nullptr;
    QList<QAction*> m_projectActions;
    QToolButton* m_menuButton = nullptr;
    DownloadThread* m_download = nullptr;
    bool m_downloadReplacedDatabase = false;
    QWidget* m_central = nullptr;
    QDockWidget* m_flightDock = nullptr;
    ButtonGroup* m_flights = nullptr;
    QLabel* m_projectLabel = nullptr;
};
