#include "host/workspaceglue.h"

#include "host/algosettingsmodule.h"
#include "host/barsmodule.h"
#include "host/fixtures.h"
#include "host/gnssmodule.h"
#include "host/imagerymodule.h"
#include "host/kvmainwindow.h"
#include "host/processingmodule.h"
#include "host/screenshotregistry.h"
#include "host/surveymodule.h"
#include "host/surveyview.h"
#include "host/workspacemodule.h"
#include "imagery/catalogbar.h"
#include "imagery/displaybar.h"
#include "kvkernel/aiscontext.h"
#include "map/dpviewtoolbar.h"
#include "processing/imageprocesswidget.h"
#include "processing/processwidget.h"
#include "settings/oksettingbar.h"

#include <QAbstractButton>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>

namespace {

// The view tool bar's tools and the view's tool codes are the same numbers.
constexpr int kViewTools[]
    = {SurveyView::ToolPan,       SurveyView::ToolZoomIn,     SurveyView::ToolZoomOut,
       SurveyView::ToolSelectOne, SurveyView::ToolSelectRect, SurveyView::ToolSelectPolygon};

bool IsViewTool(int tool)
{
    return std::find(std::begin(kViewTools), std::end(kViewTools), tool) != std::end(kViewTools);
}

// The host's generated survey: many images in flights, with positions and
// attitudes, so that every layer has something to draw.
std::unique_ptr<kvkernel::AISContext> PictureProject()
{
    return std::make_unique<kvkernel::AISContext>(kvhost::fixtures::SurveyProject());
}

} // namespace

void WorkspaceGlue::Install(KvMainWindow& window)
{
    m_window = &window;
    m_workspace = window.FindModule<WorkspaceModule>();
    m_bars = window.FindModule<BarsModule>();
    auto* survey = window.FindModule<SurveyModule>();
    m_view = survey ? survey->View() : nullptr;
    if (!m_workspace || !m_view)
        return;
    m_images = ImageCount();
    JoinCatalog();
    JoinDisplay();
    JoinViewTools();
    JoinTools();
}

int WorkspaceGlue::ImageCount() const
{
    kvkernel::AISContext* project = m_window ? m_window->Context() : nullptr;
    return project ? project->GetImageInfoSet().ValidSize() : 0;
}

void WorkspaceGlue::JoinCatalog()
{
    connect(m_view, &SurveyView::FlagsChanged, this, &WorkspaceGlue::ViewChanged);
    connect(m_workspace->Catalog(), &CatalogBar::UpdateView, this, &WorkspaceGlue::CatalogChanged);
    // The workspace's own edits (the image page's buttons, flights) and a new
    // project reach the view too.
    connect(m_workspace, &WorkspaceModule::ImagesChanged, this, [this](bool flightsChanged) {
        m_images = ImageCount();
        if (!m_view)
            return;
        if (flightsChanged)
            m_view->Reload();
        else
            m_view->Refresh();
    });
}

void WorkspaceGlue::ViewChanged()
{
    kvkernel::AISContext* project = m_window->Context();
    if (!project || !m_workspace)
        return;
    // A removal changes the catalogue's tree, a flag only its checks.
    const int images = ImageCount();
    const bool removed = images != m_images;
    m_images = images;
    m_workspace->Catalog()->Update(removed);
    if (ImageProcessWidget* page = m_workspace->Images())
        page->Update(*project, !removed);
}

void WorkspaceGlue::CatalogChanged()
{
    m_window->SetProjectModified(true);
    const int images = ImageCount();
    if (images != m_images) {
        m_images = images;
        // The page's rows follow the image set; its selection the flags
        // (the workspace keeps that one in step already).
        if (ImageProcessWidget* page = m_workspace->Images())
            page->Update(*m_window->Context(), false);
    }
    if (m_view)
        m_view->Refresh();
}

void WorkspaceGlue::JoinDisplay()
{
    DisplayBar* bar = m_workspace->Display();
    SurveyView* view = m_view;
    connect(bar, qOverload<bool>(&DisplayBar::ShowGPS), view,
            [view](bool on) { view->ShowGPS(on); });
    connect(bar, qOverload<bool>(&DisplayBar::ShowFootprint), view,
            [view](bool on) { view->ShowFootprint(on); });
    connect(bar, qOverload<bool>(&DisplayBar::ShowImageId), view,
            [view](bool on) { view->ShowImageId(on); });
    connect(bar, qOverload<bool>(&DisplayBar::ShowFlightLine), view,
            [view](bool on) { view->ShowFlightLine(on); });
    connect(bar, qOverload<bool>(&DisplayBar::ShowLink), view,
            [view](bool on) { view->ShowLink(on); });
    connect(bar, qOverload<bool>(&DisplayBar::ShowImage), this, [this](bool on) {
        if (on)
            ShareThumbnails();
        m_view->ShowImage(on);
    });
    // The thresholds count only while the warnings show; they are read when
    // they are switched on and whenever one changes.
    auto thresholds = [bar, view] {
        double radians[4];
        bar->GetThreshold(radians);
        view->SetImuThresholds(radians);
    };
    connect(bar, qOverload<bool>(&DisplayBar::ShowIMU), view, [view, thresholds](bool on) {
        if (on)
            thresholds();
        view->ShowIMU(on);
    });
    connect(bar, &DisplayBar::UpdateIMU, view, thresholds);
    connect(m_workspace, &WorkspaceModule::ThumbnailsMade, this, &WorkspaceGlue::ShareThumbnails);
}

void WorkspaceGlue::ShareThumbnails()
{
    ImageProcessWidget* page = m_workspace ? m_workspace->Images() : nullptr;
    if (!page || !m_view || !page->LoadThumbnail())
        return;
    const QMap<int, QIcon>& thumbs = page->Thumbnails();
    for (auto it = thumbs.begin(); it != thumbs.end(); ++it) {
        // An image the page could not read keeps the view's own try.
        const QList<QSize> sizes = it.value().availableSizes();
        if (it.value().isNull() || sizes.isEmpty())
            continue;
        m_view->SetThumbnail(it.key(), it.value().pixmap(sizes.first()).toImage());
    }
}

void WorkspaceGlue::JoinViewTools()
{
    if (!m_bars || !m_bars->ViewToolBar())
        return;
    DpViewToolBar* tools = m_bars->ViewToolBar();
    SurveyView* view = m_view;
    const std::pair<void (DpViewToolBar::*)(), int> modes[] = {
        {&DpViewToolBar::ClickZoomIn, SurveyView::ToolZoomIn},
        {&DpViewToolBar::ClickZoomOut, SurveyView::ToolZoomOut},
        {&DpViewToolBar::ClickPan, SurveyView::ToolPan},
        {&DpViewToolBar::ClickSelectOne, SurveyView::ToolSelectOne},
        {&DpViewToolBar::ClickSelectRect, SurveyView::ToolSelectRect},
        {&DpViewToolBar::ClickSelectFree, SurveyView::ToolSelectPolygon},
    };
    for (const auto& [signal, tool] : modes) {
        const int code = tool;
        connect(tools, signal, view, [view, code] { view->SetTool(code); });
    }
    connect(tools, &DpViewToolBar::ClickFit, view, &SurveyView::Fit);
    connect(tools, &DpViewToolBar::ClickDelete, view, &SurveyView::DeleteSelected);

    // The bars show the view's tool: the view tool bar its own tools, the
    // one-key bar its area tools; each unchecks what is not its own.
    OKSettingBar* oneKey = m_bars->OneKeyBar();
    auto showTool = [tools, oneKey](int tool) {
        tools->UpdateCheckStatus(IsViewTool(tool) ? tool : -1);
        if (oneKey)
            oneKey->UpdateCheckStatus(tool);
    };
    connect(view, &SurveyView::ToolChanged, tools, showTool);
    showTool(view->CurrentTool());

    // Background map.
    connect(m_bars, &BarsModule::MapChosen, view, [view](MapType type) { view->SetMapType(type); });
    view->SetMapType(m_bars->CurrentMap());

    // Output area: drawn on the view; once drawn (or cleared) the view goes
    // back to panning, which unchecks the bar's area tool.
    connect(m_bars, &BarsModule::OutputAreaRequested, view, [this, view](int tool) {
        view->SetTool(tool);
        m_window->ShowStatus(tool == SurveyView::ToolBoundaryRect
                                 ? tr("Drag the output rectangle on the map.")
                                 : tr("Click the corners of the output area on the map; "
                                      "double-click the last one."));
    });
    connect(m_bars, &BarsModule::OutputAreaCleared, view, [view] {
        view->ClearBoundary();
        view->SetTool(SurveyView::ToolPan);
    });
    connect(view, &SurveyView::BoundaryChanged, this, [this, view](const QVector<QPointF>& points) {
        if (view->CurrentTool() == SurveyView::ToolBoundaryRect
            || view->CurrentTool() == SurveyView::ToolBoundaryPolygon)
            view->SetTool(SurveyView::ToolPan);
        m_window->SetProjectModified(true);
        m_window->ShowStatus(points.isEmpty()
                                 ? tr("The output area was cleared.")
                                 : tr("The output area has %1 corners.").arg(points.size()));
    });
}

void WorkspaceGlue::JoinTools()
{
    ProcessWidget* panel = m_workspace->Tools();
    auto* processing = m_window->FindModule<ProcessingModule>();
    auto* gnss = m_window->FindModule<GnssModule>();
    auto* imagery = m_window->FindModule<ImageryModule>();
    auto* algo = m_window->FindModule<AlgoSettingsModule>();

    // Each request that a module serves replaces the workspace's "not run"
    // answer; the rest keep it.
    auto serve = [this, panel](void (ProcessWidget::*signal)(), auto* module, auto slot) {
        if (!module)
            return;
        QObject::disconnect(panel, signal, m_workspace.data(), nullptr);
        connect(panel, signal, module, slot);
    };
    serve(&ProcessWidget::ClickBatch, processing, &ProcessingModule::ShowBatch);
    serve(&ProcessWidget::ClickChangeFormat, processing, &ProcessingModule::ShowFormat);
    serve(&ProcessWidget::ClickResample, processing, &ProcessingModule::ShowResample);
    serve(&ProcessWidget::ClickRotation, processing, &ProcessingModule::ShowRotate);
    serve(&ProcessWidget::ClickPyramid, processing, &ProcessingModule::ShowPyramid);
    serve(&ProcessWidget::ClickEnhancement, processing, &ProcessingModule::ShowEnhancement);
    serve(&ProcessWidget::ClickBalanceColor, processing, &ProcessingModule::ShowColor);
    serve(&ProcessWidget::ClickUnDistortion, processing, &ProcessingModule::ShowDistortion);
    serve(&ProcessWidget::ClickRename, processing, &ProcessingModule::ShowRename);
    serve(&ProcessWidget::ClickRAW2TIF, processing, &ProcessingModule::ShowRaw2Tif);
    serve(&ProcessWidget::ClickInitCorrection, gnss, &GnssModule::CorrectImages);
    serve(&ProcessWidget::ClickCalibration, gnss, &GnssModule::Calibrate);
    serve(&ProcessWidget::ClickExif, gnss, &GnssModule::WriteExif);
    serve(&ProcessWidget::ClickGPSSolve, gnss, &GnssModule::ImportGPS);
    serve(&ProcessWidget::ClickRT27, imagery, &ImageryModule::ConvertRT27);
    serve(&ProcessWidget::ClickLeverArm, imagery, &ImageryModule::CorrectLeverArm);
    // The GPS tool interpolates positions at the RINEX event marks.
    serve(&ProcessWidget::ClickAddEventMark, imagery, &ImageryModule::RunGPSTool);
    serve(&ProcessWidget::ClickDEMClick, algo, &AlgoSettingsModule::ShowDEMCheck);

    // The view buttons choose between the survey map and the image table.
    if (auto* survey = m_window->FindModule<SurveyModule>()) {
        QTabWidget* tabs = survey->Tabs();
        QObject::disconnect(panel, &ProcessWidget::ClickGeoView, m_workspace.data(), nullptr);
        QObject::disconnect(panel, &ProcessWidget::ClickTileView, m_workspace.data(), nullptr);
        connect(panel, &ProcessWidget::ClickGeoView, tabs, [tabs] { tabs->setCurrentIndex(0); });
        connect(panel, &ProcessWidget::ClickTileView, tabs, [tabs] { tabs->setCurrentIndex(1); });
    }
}

void WorkspaceGlue::Screenshots(ScreenshotRegistry& registry) const
{
    // The whole window, every bar in place, once per display switch, each
    // switch pressed on the display bar as the operator would.
    const struct
    {
        const char* name;
        const char* button;
    } modes[] = {
        {"workspace_gps", nullptr},
        {"workspace_footprint", nullptr},
        {"workspace_imageid", nullptr},
        {"workspace_image", "db_image_check_btn_"},
        {"workspace_flight", "db_flight_line_check_btn_"},
        {"workspace_link", "db_link_check_btn_"},
        {"workspace_imu", "db_imu_check_btn_"},
    };
    for (const auto& mode : modes) {
        const QString name = QLatin1String(mode.name);
        const QString button = mode.button ? QLatin1String(mode.button) : QString();
        registry.Add(name, [name, button] {
            auto window = std::make_unique<KvMainWindow>();
            window->resize(1400, 860);
            window->SetProject(PictureProject());
            auto* workspace = window->FindModule<WorkspaceModule>();
            auto* survey = window->FindModule<SurveyModule>();
            if (!workspace || !survey || !survey->View())
                return std::unique_ptr<QWidget>(std::move(window));
            DisplayBar* bar = workspace->Display();
            auto press = [bar](const QString& object, bool on) {
                auto* found = bar->findChild<QAbstractButton*>(object);
                if (found && found->isChecked() != on)
                    found->click();
            };
            // The first three are on at start; each of their pictures shows
            // the one switch alone over the GPS points.
            if (name == QLatin1String("workspace_gps")) {
                press(QStringLiteral("db_footprint_check_btn_"), false);
                press(QStringLiteral("db_imageid_check_btn_"), false);
            } else if (name == QLatin1String("workspace_footprint")) {
                press(QStringLiteral("db_imageid_check_btn_"), false);
            }
            if (!button.isEmpty())
                press(button, true);
            // The survey flies steadily: thresholds of a degree or less show
            // both warning colours, typed as the operator would.
            if (name == QLatin1String("workspace_imu")) {
                if (auto* table
                    = bar->findChild<QTableWidget*>(QStringLiteral("imu_setting_table_widget_"))) {
                    for (int row : {0, 1}) {
                        if (table->item(row, 1) && table->item(row, 2)) {
                            table->item(row, 1)->setText(QStringLiteral("0"));
                            table->item(row, 2)->setText(QStringLiteral("1"));
                        }
                    }
                }
            }
            window->show();
            survey->View()->Fit();
            return std::unique_ptr<QWidget>(std::move(window));
        });
    }
}
