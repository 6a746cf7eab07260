#include "host/algosettingsmodule.h"

#include "framework/filechooser.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "host/exportglue.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "settings/basettingdialog.h"
#include "settings/ccxmldialog.h"
#include "settings/demcheckdialog.h"
#include "settings/inphodialog.h"
#include "settings/matchsettingwidget.h"
#include "settings/reportdialog.h"
#include "settings/runsettingdialog.h"
#include "settings/settingdialog.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <unistd.h>

namespace {

using MenuId = KvMainWindow::MenuId;

const char* const kSaveFailed = QT_TRANSLATE_NOOP("kvui", "处理参数保存失败！");

QString OnOff(bool on)
{
    return on ? AlgoSettingsModule::tr("on") : AlgoSettingsModule::tr("off");
}

// A small quality report, as the processing writes one, for the picture of
// the report viewer.
const char kSampleReport[] = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Quality Report</title>
<style>body{font-family:sans-serif;margin:24px}table{border-collapse:collapse}
td,th{border:1px solid #999;padding:4px 10px;text-align:right}</style></head>
<body><h2>Quality Report</h2>
<p>Project: survey-demo, 48 images, 1 flight.</p>
<table><tr><th>Item</th><th>Value</th></tr>
<tr><td>Tie points</td><td>182 406</td></tr>
<tr><td>Reprojection error (px)</td><td>0.61</td></tr>
<tr><td>GCP RMSE XY (m)</td><td>0.034</td></tr>
<tr><td>GCP RMSE Z (m)</td><td>0.052</td></tr></table></body></html>
)";

} // namespace

void AlgoSettingsModule::PrepareWebView()
{
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

void AlgoSettingsModule::Install(KvMainWindow& window)
{
    m_window = &window;
    const auto add = [&window](KvMainWindow::TextOf text, const char* name, auto run) {
        window.AddMenuAction(MenuId::Tools, std::move(text), QLatin1String(name), run);
    };
    add([] { return tr("&Algorithm Setting…"); }, "kv_action_match_setting",
        [this] { ShowMatchSetting(); });
    add([] { return tr("&Setting…"); }, "kv_action_setting", [this] { ShowSetting(); });
    add([] { return tr("&BA Setting…"); }, "kv_action_ba_setting", [this] { ShowBASetting(); });
    add([] { return tr("Select &Method…"); }, "kv_action_run_setting",
        [this] { ShowRunSetting(); });
    // The exports ask for a project when none is open (RequireProject).
    add([] { return tr("CC &XML Export…"); }, "kv_action_cc_xml_export",
        [this] { ShowCCXmlExport(); });
    add([] { return tr("&Inpho Export…"); }, "kv_action_inpho_export",
        [this] { ShowInphoExport(); });
    add([] { return tr("&DEM Check…"); }, "kv_action_dem_check", [this] { ShowDEMCheck(); });
    add([] { return tr("Quality &Report…"); }, "kv_action_report", [this] { ShowReport(); });
}

void AlgoSettingsModule::SaveSettings()
{
    if (!kvfd::KvConfiguration::Instance()->SaveAlgoSetting())
        KvMessageBox::Show(kSaveFailed, KvMessageBox::BT_OK);
}

void AlgoSettingsModule::ShowMatchSetting()
{
    kvfd::AlgoSetting& setting = kvfd::KvConfiguration::Instance()->GetAlgoSetting();
    MatchSettingWidget dialog(m_window);
    dialog.Set(setting);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.Get(setting);
    SaveSettings();
    m_window->ShowStatus(tr("Algorithm settings saved"));
}

void AlgoSettingsModule::ShowSetting()
{
    kvfd::AlgoSetting& setting = kvfd::KvConfiguration::Instance()->GetAlgoSetting();
    SettingDialog dialog;
    dialog.SetAlgoSetting(setting);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The dialog fills only its own six fields.
    const kvfd::AlgoSetting chosen = dialog.GetAlgoSetting();
    setting.landscape = chosen.landscape;
    setting.usage = chosen.usage;
    setting.seamlineMode = chosen.seamlineMode;
    setting.adjustCalibration = chosen.adjustCalibration;
    setting.device = chosen.device;
    setting.demFilter = chosen.demFilter;
    SaveSettings();
    m_window->ShowStatus(tr("Settings saved"));
}

void AlgoSettingsModule::ShowBASetting()
{
    bool calibration = true;
    bool ppk = false;
    bool gcp = false;
    if (!ShowBASettingDialog(calibration, ppk, gcp))
        return;
    m_window->ShowStatus(tr("Bundle adjustment: calibration %1, PPK %2, GCP %3")
                             .arg(OnOff(calibration), OnOff(ppk), OnOff(gcp)));
}

void AlgoSettingsModule::ShowRunSetting()
{
    RunSettingDialog dialog(m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    bool flags[RunSettingWidget::kFlagCount] = {};
    dialog.Get(flags);
    QStringList chosen;
    const QString names[RunSettingWidget::kFlagCount]
        = {tr("matching"), tr("adjustment"), tr("PPK/RTK"),    tr("GCP"),     tr("quick mosaic"),
           tr("DSM"),      tr("true ortho"), tr("2.5D model"), tr("3D model")};
    for (int i = 0; i < RunSettingWidget::kFlagCount; ++i) {
        if (flags[i])
            chosen << names[i];
    }
    m_window->ShowStatus(
        tr("To run: %1").arg(chosen.isEmpty() ? tr("nothing") : chosen.join(QStringLiteral(", "))));
}

void AlgoSettingsModule::ShowCCXmlExport()
{
    if (!m_window->RequireProject())
        return;
    CCXmlDialog dialog(m_window);
    kvfd::CoordinateInfo projectSystem;
    if (kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet().GetCoordinateByID(
            m_window->Context()->GetPrjInfo().coordinateId, projectSystem))
        dialog.Set(projectSystem);
    if (dialog.exec() != QDialog::Accepted)
        return;
    kvfd::CoordinateInfo coordinate;
    std::string output;
    bool undistortion = false;
    dialog.Get(coordinate, output, undistortion);
    ExportCCXml(coordinate, output, undistortion);
}

void AlgoSettingsModule::ExportCCXml(const kvfd::CoordinateInfo& coordinate,
                                     const std::string& output, bool undistortion)
{
    kvhost::ExportGlue::Of(*m_window).ExportCCXml(coordinate, String2QString(output), undistortion);
}

void AlgoSettingsModule::ShowInphoExport()
{
    if (!m_window->RequireProject())
        return;
    bool toCenter = true;
    bool undistortion = true;
    std::string paths[2];
    if (ShowInphoDialog(toCenter, undistortion, paths))
        ExportInpho(toCenter, undistortion, paths);
}

void AlgoSettingsModule::ExportInpho(bool toCenter, bool undistortion, const std::string* paths)
{
    kvhost::ExportGlue::Of(*m_window).ExportInpho(toCenter, undistortion, String2QString(paths[0]),
                                                  String2QString(paths[1]));
}

void AlgoSettingsModule::ShowDEMCheck()
{
    ShowDEMDialog();
}

void AlgoSettingsModule::ShowReport()
{
    const QString file = kvui::ChooseFile(m_window, tr("Open Quality Report"),
                                          tr("Reports (*.html *.htm);;All files (*)"));
    if (file.isEmpty())
        return;
    PrepareWebView();
    ReportDialog dialog(m_window);
    dialog.Load(QString2String(file));
    dialog.exec();
}

void AlgoSettingsModule::Screenshots(ScreenshotRegistry& registry) const
{
    registry.Add(QStringLiteral("match_setting_dialog"), [] {
        auto dialog = std::make_unique<MatchSettingWidget>();
        kvfd::AlgoSetting setting;
        setting.featureNumber = 8000;
        setting.blockSize = 2000;
        setting.radius = 5;
        setting.maxModels = 16;
        setting.stdom = 1;
        dialog->Set(setting);
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
    registry.Add(QStringLiteral("setting_dialog"), [] {
        auto dialog = std::make_unique<SettingDialog>();
        kvfd::AlgoSetting setting;
        setting.landscape = 1;
        setting.seamlineMode = 4;
        dialog->SetAlgoSetting(setting);
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
    registry.Add(QStringLiteral("ba_setting_dialog"),
                 [] { return std::unique_ptr<QWidget>(std::make_unique<BASettingDialog>()); });
    registry.Add(QStringLiteral("run_setting_dialog"),
                 [] { return std::unique_ptr<QWidget>(std::make_unique<RunSettingDialog>()); });
    registry.Add(QStringLiteral("cc_xml_dialog"), [] {
        auto dialog = std::make_unique<CCXmlDialog>();
        kvfd::CoordinateInfo utm50;
        utm50.type = kvfd::CT_WGS84_UTM;
        utm50.id = 32650;
        dialog->Set(utm50);
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
    registry.Add(QStringLiteral("inpho_dialog"),
                 [] { return std::unique_ptr<QWidget>(std::make_unique<InphoDialog>()); });
    registry.Add(QStringLiteral("dem_check_dialog"), [] {
        auto dialog = std::make_unique<DEMCheckDialog>();
        // Three surveyed points against the tree's own DEM when it is there.
        QTemporaryDir dir;
        const QString check = dir.path() + QStringLiteral("/check.txt");
        QFile file(check);
        if (file.open(QIODevice::WriteOnly)) {
            file.write("CP1 324991.07 5103866.98 2518.20\n"
                       "CP2 325500.00 5104200.00 2700.00\n"
                       "CP3 330000.00 5104000.00 2600.00\n");
            file.close();
            dialog->Content()->SetDemFile(QStringLiteral(KVHOST_SAMPLE_PHOTOS)
                                          + QStringLiteral("/../dem/storml_elev.tif"));
            dialog->Content()->LoadCheckFile(check);
            dialog->Content()->ClickRun();
        }
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
    registry.Add(QStringLiteral("report_dialog"), [] {
        PrepareWebView();
        auto dialog = std::make_unique<ReportDialog>();
        // The page loads on its own schedule; the picture waits for it.
        QEventLoop loop;
        QTimer::singleShot(ScreenshotRegistry::kTimeoutMs, &loop, &QEventLoop::quit);
        QObject::connect(dialog->Content()->View(), &QWebEngineView::loadFinished, &loop,
                         &QEventLoop::quit);
        dialog->Content()->View()->setHtml(QString::fromUtf8(kSampleReport));
        loop.exec();
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
    // The same viewer on a report the host assessed itself.
    kvhost::ExportGlue::Screenshots(registry);
}
