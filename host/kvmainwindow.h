#pragma once

#include "host/hostmodule.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class ButtonGroup;
class ImageTablePanel;
class QAction;
class QDockWidget;
class QLabel;
class QMenu;

namespace kvkernel {
class AISContext;
}

// The host's main window. It owns the open project and registers it as the
// library's context, so that the library's panels see the same images. The
// central panel, the docks and the menus are open to the host modules (and to
// later panels) through SetCentralPanel, AddDock and AddMenuAction; everything
// a subsystem adds to the window comes from its module.
class KvMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Demonstrations is the submenu Help ▸ Demonstrations.
    enum class MenuId { File, Tools, Cameras, Demonstrations, Help };

    // A window with every module of kvhost::HostModules().
    explicit KvMainWindow(QWidget* parent = nullptr);
    // A window with these modules only, installed in their order.
    explicit KvMainWindow(std::vector<std::unique_ptr<HostModule>> modules,
                          QWidget* parent = nullptr);
    ~KvMainWindow() override;

    // The installed module of that class, or null.
    template <class Module> Module* FindModule() const
    {
        for (const auto& module : m_modules) {
            if (auto* found = qobject_cast<Module*>(module.get()))
                return found;
        }
        return nullptr;
    }

    // The open project, or null.
    kvkernel::AISContext* Context() const { return m_context.get(); }

    // Opens a project file. On failure the operator is told and the project
    // that was open stays open.
    bool OpenProject(const QString& path);
    // Makes project the open one, whether or not it was ever saved. The new
    // project starts unmodified.
    void SetProject(std::unique_ptr<kvkernel::AISContext> project);
    // Saves to the project's file; a project without one asks for it.
    bool SaveProject();
    // A save that fails tells the operator why and leaves the project as it
    // was, modified. A read-only file is never replaced.
    bool SaveProjectAs(const QString& path);
    // Closes the open project, after asking about unsaved changes; false when
    // the project stays open.
    bool CloseProject();
    // True with a project open; otherwise tells the operator to open one.
    bool RequireProject();

    // Every edit of the open project marks it: the title shows a "*" and the
    // project may not go unasked. Saving clears the mark; without a project
    // nothing is marked.
    void SetProjectModified(bool modified);
    bool IsProjectModified() const { return m_modified; }
    // Whether the open project may be replaced or closed: true when nothing is
    // unsaved, or once the operator saved it or chose to discard the changes.
    // False (Cancel, or a save that failed or found no file) leaves all as it was.
    bool SettleUnsavedChanges();

    // A text in the language in use, such as [] { return tr("&Open…"); }: the
    // window asks for it again whenever the language changes, so that menus,
    // docks and bars follow a change at once.
    using TextOf = std::function<QString()>;

    // Replaces the central panel; the window deletes the previous one.
    void SetCentralPanel(QWidget* panel);
    QDockWidget* AddDock(QWidget* widget, TextOf title, const QString& objectName,
                         Qt::DockWidgetArea area = Qt::LeftDockWidgetArea);
    QMenu* Menu(MenuId id) const;
    // Appends an action to the menu; run is called when it is triggered.
    QAction* AddMenuAction(MenuId id, TextOf text, const QString& objectName,
                           std::function<void()> run);
    // An action that means nothing without a project: disabled while none is open.
    QAction* AddProjectAction(MenuId id, TextOf text, const QString& objectName,
                              std::function<void()> run);
    // Runs apply now and after every change of language, while owner lives:
    // for the texts a module sets on what it adds to the window.
    void FollowLanguage(QObject* owner, std::function<void()> apply);
    // A message in the status bar that goes after a while.
    void ShowStatus(const QString& text);

    // The image table, also when a later panel holds it as one of its pages;
    // null once a later panel has replaced it.
    ImageTablePanel* ImageTable() const;
    ButtonGroup* FlightSelector() const { return m_flights; }
    // The project summary at the right of the status bar.
    QLabel* ProjectLabel() const { return m_projectLabel; }

Q_SIGNALS:
    // The open project was replaced, closed or saved under a new name.
    void ProjectChanged();

public Q_SLOTS:
    // Asks about unsaved changes, then for the file to open.
    void ChooseProject();
    void ChooseProjectFileAndSave();
    void ShowAbout();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    // The texts of the window and of what the modules added, in the current
    // language.
    void Retranslate();
    void RebuildFlightSelector();
    void ShowProject();
    void ShowSummary();
    QString ProjectName() const;

    std::unique_ptr<kvkernel::AISContext> m_context;
    // Declared after the context, so that modules go before the project they
    // may still be looking at.
    std::vector<std::unique_ptr<HostModule>> m_modules;
    bool m_modified = false;
    QMenu* m_menus[5] = {};
    QAction* m_quit = nullptr;
    QAction* m_about = nullptr;
    QList<QAction*> m_projectActions;
    // What Retranslate applies again: each with the object it belongs to, and
    // left out once that object is gone.
    struct Translated
    {
        QPointer<QObject> owner;
        std::function<void()> apply;
    };
    std::vector<Translated> m_translated;
    QWidget* m_central = nullptr;
    QDockWidget* m_flightDock = nullptr;
    ButtonGroup* m_flights = nullptr;
    QLabel* m_projectLabel = nullptr;
};
