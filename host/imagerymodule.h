#pragma once

#include "host/hostmodule.h"

// Images and positions: the GNSS tools of the Tools menu, and the pictures of
// the POS import, image property, image info and GNSS dialogs with the
// questions and messages they show.
class ImageryModule : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("imagery"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

public Q_SLOTS:
    // Asks the elevation service about the open project's first image (or
    // nowhere in particular without a project); an accepted height becomes
    // the project's mean elevation.
    void GetElevation();
    // The GNSS tools: each collects its paths; the host does what it can with
    // them. RT27 conversion and lever-arm correction cannot run here, which a
    // question says before their dialogs open.
    void ConvertRT27();
    void CorrectLeverArm();
    void RunGPSTool();

private:
    KvMainWindow* m_window = nullptr;
};
