#include "host/hostmodule.h"

#include "host/algosettingsmodule.h"
#include "host/barsmodule.h"
#include "host/cameramodule.h"
#include "host/exportglue.h"
#include "host/fixtures.h"
#include "host/frameworkmodule.h"
#include "host/gnssmodule.h"
#include "host/imagerymodule.h"
#include "host/kvmainwindow.h"
#include "host/processingmodule.h"
#include "host/projectmodule.h"
#include "host/screenshotregistry.h"
#include "host/settingsmodule.h"
#include "host/surveymodule.h"
#include "host/viewermodule.h"
#include "host/workspaceglue.h"
#include "host/workspacemodule.h"
#include "kvkernel/aiscontext.h"

HostModule::~HostModule() = default;

namespace kvhost {

std::vector<std::unique_ptr<HostModule>> HostModules()
{
    std::vector<std::unique_ptr<HostModule>> modules;
    modules.push_back(std::make_unique<ProjectModule>());
    modules.push_back(std::make_unique<ImageryModule>());
    modules.push_back(std::make_unique<CameraModule>());
    modules.push_back(std::make_unique<GnssModule>());
    modules.push_back(std::make_unique<FrameworkModule>());
    modules.push_back(std::make_unique<BarsModule>());
    modules.push_back(std::make_unique<ProcessingModule>());
    modules.push_back(std::make_unique<AlgoSettingsModule>());
    modules.push_back(std::make_unique<SettingsModule>());
    modules.push_back(std::make_unique<ViewerModule>());
    modules.push_back(std::make_unique<SurveyModule>());
    modules.push_back(std::make_unique<WorkspaceModule>());
    // Joins the modules above; installed after all of them.
    modules.push_back(std::make_unique<WorkspaceGlue>());
    return modules;
}

void AddHostScreenshots(ScreenshotRegistry& registry)
{
    registry.Add(QStringLiteral("main_window"), [] {
        auto window = std::make_unique<KvMainWindow>();
        window->SetProject(fixtures::DemoProject());
        window->resize(1100, 640);
        return std::unique_ptr<QWidget>(std::move(window));
    });
    for (const auto& module : HostModules())
        module->Screenshots(registry);
    ExportGlue::Screenshots(registry);
    // A few pictures again in each language, to see the translations in place.
    for (const char* language : {"en", "zh_CN"}) {
        for (const char* name :
             {"main_window", "wizard_1_description", "camera_dialog", "gps_tool_dialog"})
            registry.AddTranslated(QLatin1String(name), QLatin1String(language));
    }
}

} // namespace kvhost
