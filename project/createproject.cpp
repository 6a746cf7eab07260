#include "project/createproject.h"

#include "imagery/imageloaddialog.h"
#include "imagery/imageposloaddialog.h"
#include "kvprj/kvproject.h"
#include "project/kvcreatprojectdialog.h"
#include "project/kvshowprjinfodialog.h"

namespace kvui {

bool RunProjectWizard(kvprj::KvProject& project, const std::vector<WizardPage>& pages)
{
    if (pages.empty())
        return false;
    // stages[k] is what page k works on; a page left with Back keeps its edits
    // in its stage until the page before it hands on a fresh copy.
    std::vector<kvprj::KvProject> stages(pages.size(), project);
    std::size_t step = 0;
    for (;;) {
        const WResut result = pages[step] ? pages[step](stages[step]) : WR_CANCEL;
        switch (result) {
        case WR_NEXT:
            if (step + 1 == pages.size()) {
                project = stages[step];
                return true;
            }
            stages[step + 1] = stages[step];
            ++step;
            break;
        case WR_BACK:
            if (step == 0)
                return false;
            --step;
            break;
        default:
            return false;
        }
    }
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
