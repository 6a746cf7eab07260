#include "host/barsmodule.h"

#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "host/exportglue.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "map/dpviewtoolbar.h"
#include "map/mapbar.h"
#include "map/maptoolbar.h"
#include "settings/okexportbar.h"
#include "settings/oksettingbar.h"
#include "settings/procedurebar.h"
#include "settings/qaexportbar.h"
#include "settings/qasettingbar.h"

#include <QDir>
#include <QDockWidget>
#include <QPushButton>
#include <QToolBar>
#include <QToolBox>

namespace {

// A button of a form by its form name, whatever style name it carries.
QPushButton* Button(QWidget* form, const char* name)
{
    const QString wanted = QLatin1String(name);
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        if (button->objectName() == wanted || button->property("kvFormName").toString() == wanted)
            return button;
    }
    return nullptr;
}

// The library's buttons are text-less and take their pictures from the host;
// this host gives them words (and symbols where words do not fit) instead.
void Name(QWidget* form, const char* button, const QString& text,
          const QString& toolTip = QString())
{
    if (QPushButton* found = Button(form, button)) {
        found->setText(text);
        if (!toolTip.isEmpty())
            found->setToolTip(toolTip);
    }
}

template <class Bar> Bar* Decorated(QWidget* parent);

template <> OKSettingBar* Decorated(QWidget* parent)
{
    auto* bar = new OKSettingBar(parent);
    Name(bar, "oksb_browse_btn_", QStringLiteral("…"), BarsModule::tr("Choose the output folder"));
    Name(bar, "oksb_rect_btn_", QStringLiteral("▭"), BarsModule::tr("Output area: rectangle"));
    Name(bar, "oksb_polygon_btn_", QStringLiteral("⬠"), BarsModule::tr("Output area: polygon"));
    Name(bar, "oksb_clear_btn_", QStringLiteral("✕"), BarsModule::tr("Clear the output area"));
    Name(bar, "oksb_reset_btn_", BarsModule::tr("Reset POS"));
    Name(bar, "oksb_run_btn_", BarsModule::tr("Start"));
    return bar;
}

template <> OKExportBar* Decorated(QWidget* parent)
{
    auto* bar = new OKExportBar(parent);
    // The packages' names; the tool tips say the rest.
    const std::pair<const char*, const char*> names[] = {
        {"okeb_ssk_btn_", "SSK"},
        {"okeb_inpho_btn_", "Inpho"},
        {"okeb_patb_btn_", "PatB"},
        {"okeb_pos_btn_", "POS"},
        {"okeb_cc_btn_", "Context Capture XML"},
        {"okeb_photomod_btn_", "PhotoMod"},
    };
    for (const auto& [button, name] : names)
        Name(bar, button, QLatin1String(name));
    return bar;
}

template <> QaSettingBar* Decorated(QWidget* parent)
{
    auto* bar = new QaSettingBar(parent);
    Name(bar, "qasb_reset_btn_", BarsModule::tr("Reset POS"));
    Name(bar, "qasb_report_btn_", BarsModule::tr("Report"));
    Name(bar, "qasb_run_btn_", BarsModule::tr("Start"));
    return bar;
}

template <> QaExportBar* Decorated(QWidget* parent)
{
    auto* bar = new QaExportBar(parent);
    Name(bar, "qaeb_report_btn_", BarsModule::tr("Export Report"));
    Name(bar, "qaeb_quick_dom_btn_", BarsModule::tr("Export Quick DOM"));
    Name(bar, "qaeb_pos_btn_", BarsModule::tr("Export QA POS"));
    return bar;
}

template <> ProcedureBar* Decorated(QWidget* parent)
{
    auto* bar = new ProcedureBar(parent);
    Name(bar, "pw_feature_group_btn_", BarsModule::tr("Features"));
    Name(bar, "pw_ba_group_btn_", BarsModule::tr("Adjust"));
    Name(bar, "pw_mosaic_group_btn_", BarsModule::tr("Mosaic"));
    Name(bar, "pw_feature_btn_", BarsModule::tr("Matching"));
    Name(bar, "pw_adjust_btn_", BarsModule::tr("Optimize"));
    Name(bar, "pw_ba_btn_", BarsModule::tr("Bundle Adjustment"));
    Name(bar, "pw_mosaic_btn_", BarsModule::tr("Mosaic"));
    Name(bar, "pw_model_report_btn_", BarsModule::tr("Model Report"));
    Name(bar, "pw_qdsm_btn_", BarsModule::tr("Quick DSM"));
    return bar;
}

template <> DpViewToolBar* Decorated(QWidget* parent)
{
    auto* bar = new DpViewToolBar(parent);
    const std::pair<const char*, const char*> symbols[] = {
        {"dpvtb_zoom_in_btn_", "+"},     {"dpvtb_zoom_out_btn_", "−"},
        {"dpvtb_pan_btn_", "✥"},         {"dpvtb_fit_btn_", "⤢"},
        {"dpvtb_select_one_btn_", "↖"},  {"dpvtb_select_rect_btn_", "▭"},
        {"dpvtb_select_free_btn_", "⬠"}, {"dpvtb_delete_btn_", "✕"},
    };
    for (const auto& [button, symbol] : symbols)
        Name(bar, button, QString::fromUtf8(symbol));
    return bar;
}

MapToolBar* DecoratedPopup(QWidget* parent)
{
    auto* popup = new MapToolBar(parent);
    // The captions are white: the popup needs a dark ground under them.
    popup->Bar()->setStyleSheet(
        QStringLiteral("MapBar { background-color: #263141; }\n"
                       "QPushButton:checked { background-color: #2f7de1; }"));
    Name(popup->Bar(), "mapbar_nomap_btn_", QStringLiteral("✕"), BarsModule::tr("No Map"));
    return popup;
}

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

void BarsModule::Install(KvMainWindow& window)
{
    m_window = &window;

    m_view = Decorated<DpViewToolBar>(nullptr);
    m_viewHolder = new QToolBar(&window);
    m_viewHolder->setObjectName(QStringLiteral("kv_toolbar_view"));
    window.FollowLanguage(m_viewHolder, [bar = m_viewHolder] { bar->setWindowTitle(tr("View")); });
    m_viewHolder->addWidget(m_view);
    window.addToolBar(Qt::LeftToolBarArea, m_viewHolder);
    connect(m_view, qOverload<int, int>(&DpViewToolBar::ClickMap), this, &BarsModule::OpenMapPopup);

    auto* pages = new QToolBox;
    pages->setObjectName(QStringLiteral("kv_toolbox_processing"));
    // The tool box scrolls each page itself; the bars are 200 wide and tall.
    pages->setMinimumWidth(224);
    m_oneKey = Decorated<OKSettingBar>(nullptr);
    m_oneKeyExport = Decorated<OKExportBar>(nullptr);
    m_qa = Decorated<QaSettingBar>(nullptr);
    m_qaExport = Decorated<QaExportBar>(nullptr);
    m_procedures = Decorated<ProcedureBar>(nullptr);
    pages->addItem(m_oneKey, tr("One-Key Processing"));
    pages->addItem(m_oneKeyExport, tr("One-Key Export"));
    pages->addItem(m_procedures, tr("Procedures"));
    pages->addItem(m_qa, tr("Quality Assessment"));
    pages->addItem(m_qaExport, tr("QA Export"));
    m_dock = window.AddDock(
        pages, [] { return tr("Processing"); }, QStringLiteral("kv_dock_processing"),
        Qt::RightDockWidgetArea);

    connect(m_oneKey, &OKSettingBar::Run, this, &BarsModule::RunOneKey);
    connect(m_oneKey, &OKSettingBar::SelectOuputRect, this, &BarsModule::SelectOutputRect);
    connect(m_oneKey, &OKSettingBar::SelectOutputPolygon, this, &BarsModule::SelectOutputPolygon);
    connect(m_oneKey, &OKSettingBar::SelectOutputClear, this, &BarsModule::SelectOutputClear);
    connect(m_oneKey, &OKSettingBar::ResetPos, this, &BarsModule::ResetOneKeyPositions);
    connect(m_oneKeyExport, &OKExportBar::ExportSSK, this, &BarsModule::ExportSSK);
    connect(m_oneKeyExport, &OKExportBar::ExportInpho, this, &BarsModule::ExportInpho);
    connect(m_oneKeyExport, &OKExportBar::ExportPatB, this, &BarsModule::ExportPatB);
    connect(m_oneKeyExport, &OKExportBar::ExportOKPOS, this, &BarsModule::ExportOneKeyPOS);
    connect(m_oneKeyExport, &OKExportBar::ExportPhotoMod, this, &BarsModule::ExportPhotoMod);
    connect(m_oneKeyExport, &OKExportBar::ExportCC, this, &BarsModule::ExportContextCapture);
    connect(m_qa, &QaSettingBar::RunQA, this, &BarsModule::RunQA);
    connect(m_qa, &QaSettingBar::ShowReport, this, &BarsModule::ShowQAReport);
    connect(m_qa, &QaSettingBar::ResetPos, this, &BarsModule::ResetQAPositions);
    connect(m_qaExport, &QaExportBar::ExportReport, this, &BarsModule::ExportQAReport);
    connect(m_qaExport, &QaExportBar::ExportQuickDOM, this, &BarsModule::ExportQuickDOM);
    connect(m_qaExport, &QaExportBar::ExportQAPOS, this, &BarsModule::ExportQAPOS);
    connect(m_procedures, &ProcedureBar::ClickMatching, this, &BarsModule::RunMatching);
    connect(m_procedures, &ProcedureBar::ClickOptimize, this, &BarsModule::RunOptimize);
    connect(m_procedures, &ProcedureBar::ClickBA, this, &BarsModule::RunBA);
    connect(m_procedures, &ProcedureBar::ClickModelReport, this, &BarsModule::ShowModelReport);
    connect(m_procedures, &ProcedureBar::ClickQDSM, this, &BarsModule::RunQuickDSM);
}

void BarsModule::Screenshots(ScreenshotRegistry& registry) const
{
    registry.Add(QStringLiteral("bar_one_key"),
                 [] { return std::unique_ptr<QWidget>(Decorated<OKSettingBar>(nullptr)); });
    registry.Add(QStringLiteral("bar_one_key_export"),
                 [] { return std::unique_ptr<QWidget>(Decorated<OKExportBar>(nullptr)); });
    registry.Add(QStringLiteral("bar_qa"),
                 [] { return std::unique_ptr<QWidget>(Decorated<QaSettingBar>(nullptr)); });
    registry.Add(QStringLiteral("bar_qa_export"),
                 [] { return std::unique_ptr<QWidget>(Decorated<QaExportBar>(nullptr)); });
    registry.Add(QStringLiteral("bar_procedures"),
                 [] { return std::unique_ptr<QWidget>(Decorated<ProcedureBar>(nullptr)); });
    registry.Add(QStringLiteral("view_tool_bar"),
                 [] { return std::unique_ptr<QWidget>(Decorated<DpViewToolBar>(nullptr)); });
    registry.Add(QStringLiteral("map_popup"), [] {
        MapToolBar* popup = DecoratedPopup(nullptr);
        // The registry deletes the picture itself.
        popup->setAttribute(Qt::WA_DeleteOnClose, false);
        popup->SetMap(MAP_GOOGLE_SAT);
        return std::unique_ptr<QWidget>(popup);
    });
}

void BarsModule::OpenMapPopup(int x, int y)
{
    if (m_popup)
        m_popup->close();
    m_popup = DecoratedPopup(m_window);
    m_popup->setObjectName(QStringLiteral("kv_map_popup"));
    m_popup->SetMap(m_map);
    connect(m_popup, &MapToolBar::ClickAMapHybrid, this, [this] { ChooseMap(MAP_AMAP_HYBRID); });
    connect(m_popup, &MapToolBar::ClickAMapSat, this, [this] { ChooseMap(MAP_AMAP_SAT); });
    connect(m_popup, &MapToolBar::ClickGGHybrid, this, [this] { ChooseMap(MAP_GOOGLE_HYBRID); });
    connect(m_popup, &MapToolBar::ClickGGSat, this, [this] { ChooseMap(MAP_GOOGLE_SAT); });
    connect(m_popup, &MapToolBar::ClickCloseMap, this, [this] { ChooseMap(MAP_NONE); });
    m_popup->move(x, y);
    m_popup->show();
}

void BarsModule::ChooseMap(MapType type)
{
    m_map = type;
    if (m_view)
        m_view->SetMap(type);
    Q_EMIT MapChosen(type);
}

void BarsModule::TellNotRun(const QString& message)
{
    if (m_window)
        m_window->ShowStatus(message);
    KvMessageBox::Show(QString2String(message), KvMessageBox::BT_OK);
}

void BarsModule::RunOneKey()
{
    TellNotRun(
        tr("This host does not run the one-key processing yet (output folder %1, "
           "resolution %2 m).")
            .arg(Native(m_oneKey->GetSavePath()), QString::number(m_oneKey->GetResolution())));
}

void BarsModule::SelectOutputRect()
{
    Q_EMIT OutputAreaRequested(200);
}

void BarsModule::SelectOutputPolygon()
{
    Q_EMIT OutputAreaRequested(201);
}

void BarsModule::SelectOutputClear()
{
    Q_EMIT OutputAreaCleared();
}

void BarsModule::ResetOneKeyPositions()
{
    TellNotRun(tr("This host does not reset the image positions for the one-key processing "
                  "yet."));
}

void BarsModule::ExportSSK()
{
    kvhost::ExportGlue::Of(*m_window).ExportOneKey(kvhost::OneKeyFormat::SSK,
                                                   m_oneKey->GetSavePath());
}

void BarsModule::ExportInpho()
{
    kvhost::ExportGlue::Of(*m_window).ExportOneKey(kvhost::OneKeyFormat::Inpho,
                                                   m_oneKey->GetSavePath());
}

void BarsModule::ExportPatB()
{
    kvhost::ExportGlue::Of(*m_window).ExportOneKey(kvhost::OneKeyFormat::PatB,
                                                   m_oneKey->GetSavePath());
}

void BarsModule::ExportOneKeyPOS()
{
    kvhost::ExportGlue::Of(*m_window).ExportOneKey(kvhost::OneKeyFormat::Pos,
                                                   m_oneKey->GetSavePath());
}

void BarsModule::ExportPhotoMod()
{
    kvhost::ExportGlue::Of(*m_window).ExportOneKey(kvhost::OneKeyFormat::PhotoMod,
                                                   m_oneKey->GetSavePath());
}

void BarsModule::ExportContextCapture()
{
    kvhost::ExportGlue::Of(*m_window).ExportOneKey(kvhost::OneKeyFormat::ContextCapture,
                                                   m_oneKey->GetSavePath());
}

void BarsModule::RunQA()
{
    kvhost::ExportGlue::Of(*m_window).RunQa(*m_qa);
}

void BarsModule::ShowQAReport()
{
    kvhost::ExportGlue::Of(*m_window).ShowQaReport(*m_qa);
}

void BarsModule::ResetQAPositions()
{
    TellNotRun(tr("This host does not reset the image positions for the quality assessment "
                  "yet."));
}

void BarsModule::ExportQAReport()
{
    kvhost::ExportGlue::Of(*m_window).ExportQaReport();
}

void BarsModule::ExportQuickDOM()
{
    kvhost::ExportGlue::Of(*m_window).ExportQuickMosaic();
}

void BarsModule::ExportQAPOS()
{
    kvhost::ExportGlue::Of(*m_window).ExportQaPos();
}

void BarsModule::RunMatching()
{
    TellNotRun(tr("This host does not run the feature matching yet."));
}

void BarsModule::RunOptimize()
{
    TellNotRun(tr("This host does not run the optimization yet."));
}

void BarsModule::RunBA()
{
    TellNotRun(tr("This host does not run the bundle adjustment yet."));
}

void BarsModule::ShowModelReport()
{
    TellNotRun(tr("This host does not make model reports yet."));
}

void BarsModule::RunQuickDSM()
{
    TellNotRun(tr("This host does not make the quick DSM yet."));
}
