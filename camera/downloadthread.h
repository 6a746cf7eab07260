#pragma once

#include "kvfd/camerainfo.h"
#include "kvui_export.h"

#include <QThread>

// Refreshes the camera database from the camera web service: fetches the
// camera list ("/cameracheck/other"), writes it into <data>/download/camera.db
// and puts that file in place of <data>/config/camera.db. The host creates it,
// connects finish() and starts it; it reports nothing but finish(), emitted on
// the thread once the new database is in place.
class KVUI_EXPORT DownloadThread : public QThread
{
    Q_OBJECT

public:
    explicit DownloadThread(QObject* parent = nullptr);
    // Asks a running thread to stop between attempts and waits for it, so that
    // deleting it early is safe.
    ~DownloadThread() override;

    // For tests only: the time limit of one request (60000 ms in use) and the
    // pause after a failed attempt (2000 ms). Applies to runs started later.
    static void SetTimeouts(int requestMs, int pauseMs);
    // Restores the limits in use.
    static void ResetTimeouts();

signals:
    void finish();

protected:
    void run() override;
    // One request; appends the received cameras to cameras. True when the
    // reply was a JSON object whose "status" reads as 0, even with no camera.
    bool download(kvfd::CameraInfoSet& cameras);
    // Writes cameras into the download file and, when they were stored,
    // replaces the camera database in use and emits finish().
    void save(kvfd::CameraInfoSet& cameras);
};
