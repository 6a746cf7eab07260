#pragma once

#include "host/hostmodule.h"

// The image viewer program (host/viewer), which the framework module's Tools
// entry starts through the library: a picture of its window on real drone
// photos. It adds no action of its own.
class ViewerModule : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("viewer"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;
};
