#pragma once

#include "host/hostmodule.h"
#include "imagery/catalogbar.h"
#include "imagery/displaybar.h"
#include "processing/imageprocesswidget.h"
#include "processing/processwidget.h"

#include <QPointer>

class QDockWidget;

// The panels around the open project: the catalogue of its images and the
// display switches in docks on the left, the tool panel on the right and the
// table and thumbnail page of the images below. The bars follow the project
// the window holds; the survey view connects to CatalogBar::UpdateView and the
// display switches through the accessors.
class WorkspaceModule : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("workspace"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

    CatalogBar* Catalog() const { return m_catalog; }
    DisplayBar* Display() const { return m_display; }
    ProcessWidget* Tools() const { return m_tools; }
    ImageProcessWidget* Images() const { return m_images; }

Q_SIGNALS:
    // The bars and pages were refreshed after the images changed here (flags,
    // flights, images removed); flightsChanged when flights or the image set did.
    void ImagesChanged(bool flightsChanged);
    // The image page made its thumbnails.
    void ThumbnailsMade();

public Q_SLOTS:
    // The window opened, closed or replaced its project.
    void ShowProject();
    // Tells the operator that this host does not run the tool yet.
    void ToolNotRunHere(const QString& tool);
    // Puts the selected images into the flight (as the selector numbers it).
    void AssignFlight(int flight);
    // The image page's buttons, on the selected images.
    void EnableSelected(bool enable);
    void RemoveSelected();
    void MakeThumbnails();

private:
    // The catalogue, the selector and the pages after the images changed.
    void Refresh(bool flightsChanged);
    void ConnectTools();

    KvMainWindow* m_window = nullptr;
    QPointer<CatalogBar> m_catalog;
    QPointer<DisplayBar> m_display;
    QPointer<ProcessWidget> m_tools;
    QPointer<ImageProcessWidget> m_images;
    QDockWidget* m_imageDock = nullptr;
};
