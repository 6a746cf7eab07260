#pragma once

#include "framework/kvshared.h"

#include <cstddef>
#include <functional>
#include <vector>

// A wizard over any record type: a chain of modal pages, each run on its own
// stage copy of the record and ending with WR_NEXT, WR_BACK or WR_CANCEL.
//
// - Stage 0 starts as a copy of the caller's record; page k works on stage k.
// - Next copies the current stage into the next one, so the next page starts
//   from this page's result.
// - Back returns to the previous page, which shows its own earlier edits. The
//   page left keeps its edits only until it is reached again with Next, which
//   hands it a fresh copy.
// - Back from the first page, WR_CANCEL (or any other value) and an empty page
//   end the wizard with false; the caller's record is untouched.
// - Next on the last page copies the last stage into the caller's record and
//   returns true.
//
// The record must be copyable. A wizard over GNSS parameters, say:
//
//     std::vector<kvui::WizardStep<kvgps::GPSParam>> pages;
//     pages.emplace_back([](kvgps::GPSParam& stage) { return ShowGPSLoadDialog(stage); });
//     pages.emplace_back([](kvgps::GPSParam& stage) { return ShowGPSSettingDialog(stage); });
//     return kvui::RunWizard(param, pages);
namespace kvui {

// One page: runs modally on its stage and says where to go next.
template <class Record> using WizardStep = std::function<WResut(Record& stage)>;

template <class Record> bool RunWizard(Record& record, const std::vector<WizardStep<Record>>& pages)
{
    if (pages.empty())
        return false;
    std::vector<Record> stages(pages.size(), record);
    std::size_t step = 0;
    for (;;) {
        const WResut result = pages[step] ? pages[step](stages[step]) : WR_CANCEL;
        if (result == WR_NEXT) {
            if (step + 1 == pages.size()) {
                record = stages[step];
                return true;
            }
            stages[step + 1] = stages[step];
            ++step;
        } else if (result == WR_BACK && step > 0) {
            --step;
        } else {
            return false;
        }
    }
}

} // namespace kvui
