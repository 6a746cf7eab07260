#pragma once

#include <memory>

class ScreenshotRegistry;

namespace kvkernel {
class AISContext;
}

namespace kvhost {

// Every dialog and panel that "kvhost --screenshot" pictures, one line each.
void AddHostScreenshots(ScreenshotRegistry& registry);

// A small unsaved project of two flights, for pictures and demonstrations.
std::unique_ptr<kvkernel::AISContext> DemoProject();

} // namespace kvhost
