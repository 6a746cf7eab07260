#pragma once

#include "host/hostmodule.h"

// The widget framework at work: message boxes and a checksum of a folder
// behind the progress dialog (the developers' demonstrations, under Help ▸
// Demonstrations), the image viewer, and pictures of the dialog frames and
// small controls.
class FrameworkModule : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("framework"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

    // Checksums folder behind the progress dialog, shows the outcome in the
    // status bar and offers to save the list.
    void ChecksumFolder(const QString& folder);

public Q_SLOTS:
    void ShowMessageDemo();
    void AskQuestionDemo();
    void ChooseChecksumFolder();
    // Sends the open project's images to the image viewer.
    void OpenImageViewer();

private:
    KvMainWindow* m_window = nullptr;
};
