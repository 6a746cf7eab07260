#include "host/workspacemodule.h"

#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "framework/language.h"
#include "host/buttonwords.h"
#include "host/fixtures.h"
#include "host/imagetablepanel.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "imagery/catalogbar.h"
#include "imagery/displaybar.h"
#include "kvkernel/aiscontext.h"
#include "kvkernel/kvprogress.h"
#include "processing/imageprocesswidget.h"
#include "processing/processwidget.h"

#include <QAbstractButton>
#include <QDockWidget>
#include <QProgressDialog>
#include <algorithm>

namespace {

// Progress of work that runs on the GUI thread while it keeps painting: the
// thumbnail page reports here between its rounds of painting.
class PaintingProgress : public kvkernel::KvProgress
{
public:
    explicit PaintingProgress(QWidget* parent)
        : m_dialog(parent)
    {
        m_dialog.setObjectName(QStringLiteral("kvhost_thumbnail_progress"));
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.setCancelButton(nullptr);
        m_dialog.setMinimumDuration(0);
        m_dialog.setAutoClose(false);
    }
    void Start(std::string title, int total) override
    {
        m_dialog.setWindowTitle(kvui::LocalText(title.c_str()));
        m_dialog.setLabelText(kvui::LocalText(title.c_str()));
        m_dialog.setMaximum(std::max(total, 1));
        m_dialog.setValue(0);
        m_dialog.show();
    }
    bool SetInformation(std::string message, int step) override
    {
        m_dialog.setLabelText(kvui::LocalText(message.c_str()));
        m_dialog.setValue(std::min(step, m_dialog.maximum()));
        return true;
    }
    void End(bool) override { m_dialog.hide(); }
    bool Success() override { return true; }
    void NeverEnd(bool) override { }
    kvfd::KvError GetError() override { return 0; }
    void SetError(kvfd::KvError) override { }
    void Popup(std::string) override { }

private:
    QProgressDialog m_dialog;
};

// The highest flight number of the images, or 0.
int LastFlight(const kvfd::ImageInfoSet& images)
{
    int last = 0;
    for (int i = 0; i < images.Size(); ++i) {
        if (const kvfd::ImageInfoExt* ext = images.GetImageExt(i))
            last = std::max(last, int(ext->flight));
    }
    return last;
}

// The survey the pictures of the bars show; it outlives them, as the
// window's project outlives the bars.
kvkernel::AISContext& ShownProject()
{
    static const std::unique_ptr<kvkernel::AISContext> project = [] {
        auto demo = kvhost::fixtures::DemoProject();
        kvfd::ImageInfoSet& images = demo->GetImageInfoSet();
        for (int i = 0; i < images.Size(); ++i) {
            if (kvfd::ImageInfoExt* ext = images.GetImageExt(i))
                ext->selected = i == 2 || i == 3;
        }
        return demo;
    }();
    kvkernel::KvSetContext(project.get());
    return *project;
}

} // namespace

void WorkspaceModule::Install(KvMainWindow& window)
{
    m_window = &window;
    m_catalog = new CatalogBar(&window);
    m_display = new DisplayBar(&window);
    m_tools = new ProcessWidget(&window);
    for (QWidget* bar : {static_cast<QWidget*>(m_catalog), static_cast<QWidget*>(m_display),
                         static_cast<QWidget*>(m_tools)})
        kvhost::GiveButtonsWords(bar);
    QDockWidget* catalogDock = window.AddDock(
        m_catalog, [] { return tr("Images"); }, QStringLiteral("kv_catalog_dock"));
    // Refreshes asked for while the catalogue was closed or tabbed away run
    // when it shows again.
    connect(catalogDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && m_catalog)
            m_catalog->LazyUpdate();
    });
    window.AddDock(
        m_display, [] { return tr("Display"); }, QStringLiteral("kv_display_dock"));
    window.AddDock(
        m_tools, [] { return tr("Tools"); }, QStringLiteral("kv_tools_dock"),
        Qt::RightDockWidgetArea);
    // The table of the window shows positions and flights, which the image
    // page does not: the page goes below it.
    m_imageDock = window.AddDock(
        new QWidget(), [] { return tr("Image Processing"); },
        QStringLiteral("kv_image_process_dock"), Qt::BottomDockWidgetArea);
    ConnectTools();

    connect(m_catalog, &CatalogBar::UpdateView, this, [this] {
        if (m_window->Context() && m_images)
            m_images->Update(*m_window->Context(), true);
    });
    connect(m_display, &DisplayBar::OnChangeFlight, this, &WorkspaceModule::AssignFlight);
    connect(m_display, &DisplayBar::RefreshFlight, this, [this] { Refresh(true); });
    connect(m_display, &DisplayBar::RefreshImage, this, [this] { Refresh(false); });
    connect(&window, &KvMainWindow::ProjectChanged, this, &WorkspaceModule::ShowProject);
    ShowProject();
}

void WorkspaceModule::ConnectTools()
{
    const struct
    {
        void (ProcessWidget::*signal)();
        const char* name;
    } tools[] = {
        {&ProcessWidget::ClickCalibration, QT_TR_NOOP("Flight calibration")},
        {&ProcessWidget::ClickBatch, QT_TR_NOOP("Batch processing")},
        {&ProcessWidget::ClickChangeFormat, QT_TR_NOOP("Format change")},
        {&ProcessWidget::ClickResample, QT_TR_NOOP("Resampling")},
        {&ProcessWidget::ClickRotation, QT_TR_NOOP("Rotation")},
        {&ProcessWidget::ClickPyramid, QT_TR_NOOP("Overviews")},
        {&ProcessWidget::ClickInitCorrection, QT_TR_NOOP("Image correction")},
        {&ProcessWidget::ClickUnDistortion, QT_TR_NOOP("Distortion correction")},
        {&ProcessWidget::ClickEnhancement, QT_TR_NOOP("Enhancement")},
        {&ProcessWidget::ClickBalanceColor, QT_TR_NOOP("Colour balance")},
        {&ProcessWidget::ClickExif, QT_TR_NOOP("EXIF writing")},
        {&ProcessWidget::ClickGPSSolve, QT_TR_NOOP("GPS solution")},
        {&ProcessWidget::ClickGPSAddFlight, QT_TR_NOOP("Flight from GPS")},
        {&ProcessWidget::ClickRT27, QT_TR_NOOP("RT27 format change")},
        {&ProcessWidget::ClickATOM, QT_TR_NOOP("ATOM conversion")},
        {&ProcessWidget::ClickAddEventMark, QT_TR_NOOP("RINEX event marks")},
        {&ProcessWidget::ClickDEMClick, QT_TR_NOOP("DEM check")},
        {&ProcessWidget::ClickRename, QT_TR_NOOP("Renaming")},
        {&ProcessWidget::ClickLeverArm, QT_TR_NOOP("Lever-arm correction")},
        {&ProcessWidget::ClickRAW2TIF, QT_TR_NOOP("Raw to TIFF")},
    };
    for (const auto& tool : tools) {
        const char* name = tool.name;
        connect(m_tools, tool.signal, this, [this, name] { ToolNotRunHere(tr(name)); });
    }
    connect(m_tools, &ProcessWidget::ClickTileView, this,
            [this] { m_window->ShowStatus(tr("Tile view chosen")); });
    connect(m_tools, &ProcessWidget::ClickGeoView, this,
            [this] { m_window->ShowStatus(tr("Geographic view chosen")); });
}

void WorkspaceModule::ShowProject()
{
    // A new page for each project: thumbnails belong to the project they show.
    auto* page = new ImageProcessWidget();
    page->setObjectName(QStringLiteral("kvhost_image_page"));
    QWidget* previous = m_imageDock->widget();
    m_imageDock->setWidget(page);
    delete previous;
    m_images = page;
    connect(page, qOverload<>(&ImageProcessWidget::GenerateThumbnail), this,
            &WorkspaceModule::MakeThumbnails);
    connect(page, &ImageProcessWidget::ClickEnable, this, [this] { EnableSelected(true); });
    connect(page, &ImageProcessWidget::ClickDisable, this, [this] { EnableSelected(false); });
    connect(page, &ImageProcessWidget::ClickRemove, this, &WorkspaceModule::RemoveSelected);
    Refresh(true);
}

void WorkspaceModule::Refresh(bool flightsChanged)
{
    kvkernel::AISContext* project = m_window->Context();
    if (flightsChanged) {
        m_catalog->LoadProject();
        m_display->InitCombox(project ? LastFlight(project->GetImageInfoSet()) : 0);
    }
    m_catalog->Update(false);
    if (project) {
        m_images->Update(*project, false);
    } else {
        m_images->Update(kvprj::KvProject(), false);
    }
    if (ImageTablePanel* table = m_window->ImageTable())
        table->ShowImages(project ? &project->GetImageInfoSet() : nullptr);
    Q_EMIT ImagesChanged(flightsChanged);
}

void WorkspaceModule::ToolNotRunHere(const QString& tool)
{
    const QString message = tr("%1: kvhost does not run this tool yet.").arg(tool);
    m_window->ShowStatus(message);
    KvMessageBox::Show(QString2String(message), KvMessageBox::BT_OK);
}

void WorkspaceModule::AssignFlight(int flight)
{
    kvkernel::AISContext* project = m_window->Context();
    if (!project)
        return;
    std::vector<int> ids;
    project->GetSelected(ids);
    if (ids.empty()) {
        m_window->ShowStatus(tr("Select the images to put into Flight%1 first.").arg(flight));
        return;
    }
    kvfd::ImageInfoSet& images = project->GetImageInfoSet();
    for (int id : ids) {
        if (kvfd::ImageInfoExt* ext = images.GetImageExt(id))
            ext->flight = flight;
    }
    m_window->SetProjectModified(true);
    Refresh(true);
    m_display->SetIndex(flight);
    m_window->ShowStatus(
        tr("Flight%1 now holds the %2 selected images.").arg(flight).arg(ids.size()));
}

void WorkspaceModule::EnableSelected(bool enable)
{
    kvkernel::AISContext* project = m_window->Context();
    if (!project)
        return;
    std::vector<int> ids;
    project->GetSelected(ids);
    if (ids.empty())
        return;
    project->SetEnable(ids, enable);
    m_window->SetProjectModified(true);
    Refresh(false);
}

void WorkspaceModule::RemoveSelected()
{
    kvkernel::AISContext* project = m_window->Context();
    if (!project)
        return;
    std::vector<int> ids;
    project->GetSelected(ids);
    if (ids.empty())
        return;
    project->Remove(ids);
    m_window->SetProjectModified(true);
    Refresh(true);
}

void WorkspaceModule::MakeThumbnails()
{
    kvkernel::AISContext* project = m_window->Context();
    if (!project || !m_images)
        return;
    PaintingProgress progress(m_window);
    m_images->GenerateThumbnail(*project, &progress);
    Q_EMIT ThumbnailsMade();
}

void WorkspaceModule::Screenshots(ScreenshotRegistry& registry) const
{
    registry.Add(QStringLiteral("catalog_bar"), [] {
        ShownProject();
        auto bar = std::make_unique<CatalogBar>();
        bar->LoadProject();
        kvhost::GiveButtonsWords(bar.get());
        if (auto* pulldown = bar->findChild<QAbstractButton*>(QStringLiteral("cb_pulldown_btn")))
            pulldown->setChecked(true);
        bar->show();
        bar->Update(false);
        return std::unique_ptr<QWidget>(std::move(bar));
    });
    registry.Add(QStringLiteral("catalog_bar_enable_view"), [] {
        ShownProject();
        auto bar = std::make_unique<CatalogBar>();
        kvhost::GiveButtonsWords(bar.get());
        bar->show();
        bar->ClickEnableView();
        return std::unique_ptr<QWidget>(std::move(bar));
    });
    registry.Add(QStringLiteral("display_bar"), [] {
        auto bar = std::make_unique<DisplayBar>();
        bar->InitCombox(2);
        kvhost::GiveButtonsWords(bar.get());
        return std::unique_ptr<QWidget>(std::move(bar));
    });
    registry.Add(QStringLiteral("process_widget"), [] {
        auto panel = std::make_unique<ProcessWidget>();
        kvhost::GiveButtonsWords(panel.get());
        return panel;
    });
    registry.Add(QStringLiteral("image_process_widget"), [] {
        auto page = std::make_unique<ImageProcessWidget>();
        page->resize(760, 320);
        page->Update(ShownProject(), false);
        return std::unique_ptr<QWidget>(std::move(page));
    });
}
