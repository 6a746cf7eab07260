#include "host/surveymodule.h"

#include "host/fixtures.h"
#include "host/imagetablepanel.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "host/surveyview.h"
#include "kvkernel/aiscontext.h"

#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

// The survey fixture as the open project of a main window showing its map
// with the given layers.
std::unique_ptr<QWidget> MapWindow(int layers, bool thumbnails)
{
    auto window = std::make_unique<KvMainWindow>();
    window->resize(1100, 680);
    window->SetProject(std::make_unique<kvkernel::AISContext>(kvhost::fixtures::SurveyProject()));
    auto* module = window->FindModule<SurveyModule>();
    if (!module || !module->View())
        return window;
    SurveyView* view = module->View();
    module->Tabs()->setCurrentWidget(module->Tabs()->widget(0));
    for (int layer : {SurveyView::LayerGps, SurveyView::LayerFootprint, SurveyView::LayerImageId,
                      SurveyView::LayerImage, SurveyView::LayerFlightLine, SurveyView::LayerLink,
                      SurveyView::LayerImu})
        view->SetLayer(SurveyView::Layer(layer), (layers & layer) != 0);
    if (thumbnails) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("photo.jpg"));
        if (kvhost::fixtures::WriteSurveyPhoto(path)) {
            const QImage photo = QImage(path).scaled(240, 160);
            for (int i = 0; i < view->ImageCount(); ++i)
                view->SetThumbnail(i, photo);
        }
    }
    // One image selected and one left out, so each look shows.
    if (auto* ext = window->Context()->GetImageInfoSet().GetImageExt(3))
        ext->selected = true;
    if (auto* ext = window->Context()->GetImageInfoSet().GetImageExt(8))
        ext->enabled = false;
    // The fixture flies steadily: thresholds of a degree or so show both
    // warning colours.
    const double thresholds[4] = {0.007, 0.007, 0.016, 0.016};
    view->SetImuThresholds(thresholds);
    view->Refresh();
    window->show();
    view->Fit();
    return window;
}

} // namespace

void SurveyModule::Install(KvMainWindow& window)
{
    m_window = &window;
    m_tabs = new QTabWidget(&window);
    m_tabs->setObjectName(QStringLiteral("kv_survey_tabs"));

    auto* page = new QWidget(m_tabs);
    page->setObjectName(QStringLiteral("kv_survey_page"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The view's tools and background maps are the view tool bar's
    // (BarsModule); the workspace joins them to the view.
    m_view = new SurveyView(page);
    layout->addWidget(m_view);
    m_table = new ImageTablePanel(m_tabs);
    m_tabs->addTab(page, QString());
    m_tabs->addTab(m_table, QString());
    window.FollowLanguage(m_tabs, [tabs = m_tabs] {
        tabs->setTabText(0, tr("Map"));
        tabs->setTabText(1, tr("Table"));
    });
    window.SetCentralPanel(m_tabs);

    // The view changes flags the table shows; edits elsewhere reach the view
    // when the project is replaced or its tab comes back.
    connect(m_view, &SurveyView::FlagsChanged, &window, [this] {
        m_window->SetProjectModified(true);
        if (m_table)
            m_table->ShowImages(m_window->Context() ? &m_window->Context()->GetImageInfoSet()
                                                    : nullptr);
    });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 0 && m_view)
            m_view->Refresh();
        else if (m_table && m_window)
            m_table->ShowImages(m_window->Context() ? &m_window->Context()->GetImageInfoSet()
                                                    : nullptr);
    });
    connect(&window, &KvMainWindow::ProjectChanged, this, &SurveyModule::ShowProject);
    ShowProject();
}

void SurveyModule::ShowProject()
{
    if (!m_window || !m_view)
        return;
    kvkernel::AISContext* context = m_window->Context();
    m_view->SetContext(context);
    if (m_table)
        m_table->ShowImages(context ? &context->GetImageInfoSet() : nullptr);
    if (m_tabs)
        m_tabs->setCurrentIndex(context ? 0 : 1);
}

void SurveyModule::Screenshots(ScreenshotRegistry& registry) const
{
    const struct
    {
        const char* name;
        int layers;
    } modes[] = {
        {"survey_gps", SurveyView::LayerGps},
        {"survey_footprint", SurveyView::LayerFootprint | SurveyView::LayerGps},
        {"survey_imageid",
         SurveyView::LayerGps | SurveyView::LayerFootprint | SurveyView::LayerImageId},
        {"survey_image", SurveyView::LayerImage | SurveyView::LayerFootprint},
        {"survey_flight", SurveyView::LayerGps | SurveyView::LayerFlightLine},
        {"survey_link", SurveyView::LayerGps | SurveyView::LayerLink},
        {"survey_imu", SurveyView::LayerGps | SurveyView::LayerFootprint | SurveyView::LayerImu},
    };
    for (const auto& mode : modes) {
        const int layers = mode.layers;
        registry.Add(QLatin1String(mode.name), [layers] {
            return MapWindow(layers, (layers & SurveyView::LayerImage) != 0);
        });
    }
}
