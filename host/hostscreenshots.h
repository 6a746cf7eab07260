#pragma once

#include <memory>

class ScreenshotRegistry;

namespace kvkernel {
class AISContext;
}

namespace kvhost {

// Every dialog and panel that "kvhost --screenshot" pictures, one line each.
void AddHostScreenshots(ScreenshotRegistry& registry);
// The project wizard's pages and the image, POS and GNSS dialogs.
void AddWizardScreenshots(ScreenshotRegistry& registry);
// The start page with tiles: recent projects, flight missions, image mode.
void AddStartPageScreenshots(ScreenshotRegistry& registry);

// A small unsaved project of two flights, for pictures and demonstrations.
std::unique_ptr<kvkernel::AISContext> DemoProject();

} // namespace kvhost
