#pragma once

#include "host/hostmodule.h"

class QToolButton;

namespace kvprj {
class KvProject;
}

// Projects: the start page, the project wizard and its pages on the open
// project, opening, saving and closing project files, and the project menu
// popup under its tool-bar button.
class ProjectModule : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("project"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

public Q_SLOTS:
    // The start page: the recent projects (or, in image mode, a project made of
    // chosen photos). A project opened or created there becomes the open one,
    // once unsaved changes of the project open before are settled; false when
    // the page was closed without one.
    bool ShowStartPage(bool imageMode = false);
    // Runs the project wizard on a new project (after asking about unsaved
    // changes); a finished project is saved where the operator chooses and
    // becomes the open one.
    void NewProject();
    // The wizard's pages on the open project, each on a copy that replaces the
    // project only when the page ends with Next.
    void EditProjectInformation();
    void EditImagesAndPositions();
    void ShowProjectPreview();
    void ChooseProjectCoordinate();
    // Shows the project menu popup under the tool bar's menu button.
    void ShowProjectMenu();

private:
    // Replaces the open project by an edited copy, keeping its file, and marks
    // it modified.
    void ReplaceProject(const kvprj::KvProject& edited);
    // Makes a project that has never been saved the open one and asks where
    // to save it.
    void AdoptNewProject(const kvprj::KvProject& project);

    KvMainWindow* m_window = nullptr;
    QToolButton* m_menuButton = nullptr;
};
