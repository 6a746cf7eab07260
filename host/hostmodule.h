#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class KvMainWindow;
class ScreenshotRegistry;

// One subsystem's share of the host: the menu actions that reach its dialogs,
// with whatever state they keep, and the pictures "kvhost --screenshot" takes
// of those dialogs. A new subsystem is a new module and one line in
// kvhost::HostModules().
class HostModule : public QObject
{
    Q_OBJECT

public:
    ~HostModule() override;

    // Short and unique among the modules; names the module in messages.
    virtual QString Name() const = 0;
    // Adds the module's actions (and tool bars) to window. Called once, by the
    // window, which owns the module from then on and deletes it before its own
    // menus and project.
    virtual void Install(KvMainWindow& window) = 0;
    // Adds the module's pictures; needs no window and no installed module.
    virtual void Screenshots(ScreenshotRegistry& registry) const = 0;
};

namespace kvhost {

// Every module, in the order their actions follow each other in a menu that
// several of them share.
std::vector<std::unique_ptr<HostModule>> HostModules();

// Every picture of "kvhost --screenshot": the main window and each module's.
void AddHostScreenshots(ScreenshotRegistry& registry);

} // namespace kvhost
