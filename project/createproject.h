#pragma once

#include "framework/runwizard.h"
#include "kvui_export.h"

#include <vector>

namespace kvprj {
class KvProject;
}

// Runs the project wizard on project: the description page, the image page
// (skipped for a project built from a flight mission, which already holds its
// images), the image-and-POS page and the preview. Each page works on its own
// stage copy; Back returns to the previous page with its earlier edits, Next
// hands the page's result on. True when the preview was confirmed: the caller's
// project then holds the result. Exit on any page returns false and leaves the
// caller's project as it was.
KVUI_EXPORT bool ShowCreateProjectDialog(kvprj::KvProject& project, bool fromFlight);

namespace kvui {

// One page of the project wizard.
using WizardPage = WizardStep<kvprj::KvProject>;

// RunWizard (framework/runwizard.h) over a project: the driver behind
// ShowCreateProjectDialog, for any chain of pages.
KVUI_EXPORT bool RunProjectWizard(kvprj::KvProject& project, const std::vector<WizardPage>& pages);

} // namespace kvui
