#pragma once

#include "host/hostmodule.h"

class DownloadThread;
class QAction;

namespace kvfd {
struct CameraInfo;
}

// Cameras: the open project's camera in the camera dialog, the camera database
// refreshed from the web service, and a camera fetched by its ids.
class CameraModule : public HostModule
{
    Q_OBJECT

public:
    ~CameraModule() override;

    QString Name() const override { return QStringLiteral("camera"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

    // Makes camera the open project's first camera, adding it when the project
    // has none. False without a project.
    bool SetProjectCamera(const kvfd::CameraInfo& camera);
    // The camera-database download under way, or null.
    DownloadThread* Download() const { return m_download; }

public Q_SLOTS:
    // Edits the open project's first camera (or a new one) in the camera
    // dialog and stores the result in the project.
    void EditProjectCamera();
    // Refreshes the camera database on a DownloadThread; the outcome shows in
    // the status bar.
    void RefreshCameraDatabase();
    // Downloads a camera by its ids and offers it to the open project.
    void GetCameraFromCloud();

private:
    void CameraDatabaseReplaced();
    void CameraDownloadEnded();

    KvMainWindow* m_window = nullptr;
    QAction* m_refreshAction = nullptr;
    DownloadThread* m_download = nullptr;
    bool m_downloadReplacedDatabase = false;
};
