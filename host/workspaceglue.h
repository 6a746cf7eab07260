#pragma once

#include "host/hostmodule.h"

#include <QPointer>

class BarsModule;
class SurveyModule;
class SurveyView;
class WorkspaceModule;

// One workspace out of the modules that each place their part of the main
// window: the catalogue, the image page and the survey view share the
// project's per-image flags and show each change of either side at once; the
// display switches set the view's layers; the view tool bar and the map popup
// drive the view; the one-key bar's output-area tools draw the boundary on it;
// and the tool panel's requests open the dialogs of the modules that serve
// them. Installed after all the modules it joins.
class WorkspaceGlue : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("workspaceglue"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

public Q_SLOTS:
    // The view changed flags (or removed images): the catalogue and the image
    // page follow.
    void ViewChanged();
    // The catalogue changed flags or removed images: the view and the image
    // page follow.
    void CatalogChanged();
    // The image page's thumbnails become the view's, so that each photo is
    // decoded once.
    void ShareThumbnails();

private:
    void JoinCatalog();
    void JoinDisplay();
    void JoinViewTools();
    void JoinTools();
    // Images of the open project (with a record), to tell removals from flag
    // changes.
    int ImageCount() const;

    KvMainWindow* m_window = nullptr;
    QPointer<WorkspaceModule> m_workspace;
    QPointer<BarsModule> m_bars;
    QPointer<SurveyView> m_view;
    int m_images = 0;
};
