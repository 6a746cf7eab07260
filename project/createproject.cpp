#include "project/createproject.h"

#include "imagery/imageloaddialog.h"
#include "imagery/imageposloaddialog.h"
#include "kvprj/kvproject.h"
#include "project/kvcreatprojectdialog.h"
#include "project/kvshowprjinfodialog.h"

namespace kvui {

bool RunProjectWizard(kvprj::KvProject& project, const std::vector<WizardPage>& pages)
{
    return RunWizard(project, pages);
}

} // namespace kvui

bool ShowCreateProjectDialog(kvprj::KvProject& project, bool fromFlight)
{
    std::vector<kvui::WizardPage> pages;
    pages.emplace_back([](kvprj::KvProject& stage) { return ShowPrjInfoDialog(stage); });
    if (fromFlight) {
        pages.emplace_back(
            [](kvprj::KvProject& stage) { return ShowImagePosLoadDialog(stage, true); });
    } else {
        pages.emplace_back([](kvprj::KvProject& stage) { return ShowImageDialog(stage); });
        pages.emplace_back(
            [](kvprj::KvProject& stage) { return ShowImagePosLoadDialog(stage, false); });
    }
    pages.emplace_back([](kvprj::KvProject& stage) { return ShowPreviewDialog(stage); });
    return kvui::RunProjectWizard(project, pages);
}
