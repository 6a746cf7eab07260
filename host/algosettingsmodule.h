#pragma once

#include "host/hostmodule.h"
#include "kvfd/coordinateinfo.h"

#include <QString>
#include <string>

// Tools ▸ the processing settings (matching, general, bundle-adjustment run,
// stages to run), the option dialogs of the ContextCapture XML and Inpho
// exports, the DEM check and the quality-report viewer. The settings dialogs
// edit the configuration's processing settings, which are saved at once so
// that they survive a restart.
class AlgoSettingsModule : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("algosettings"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

    // The web view's renderer refuses to start as root inside its sandbox
    // (containers, CI); without a sandbox it starts. Call before the first
    // report view is made.
    static void PrepareWebView();

public Q_SLOTS:
    void ShowMatchSetting();
    void ShowSetting();
    void ShowBASetting();
    void ShowRunSetting();
    void ShowCCXmlExport();
    void ShowInphoExport();
    void ShowDEMCheck();
    // Asks for an HTML report and shows it.
    void ShowReport();

private:
    // The exports themselves; each gets the options its dialog collected.
    void ExportCCXml(const kvfd::CoordinateInfo& coordinate, const std::string& output,
                     bool undistortion);
    void ExportInpho(bool toCenter, bool undistortion, const std::string paths[2]);
    // Saves the configuration's processing settings; a failure is told.
    void SaveSettings();

    KvMainWindow* m_window = nullptr;
};
