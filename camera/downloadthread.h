#pragma once

#include "kvfd/camerainfo.h"
#include "kvui_export.h"

#include <QMutex>
#include <QString>
#include <QThread>
#include <atomic>

// Refreshes the camera database from the camera web service: fetches the
// camera list ("/cameracheck/other"), writes it into <data>/download/camera.db
// and puts that file in place of <data>/config/camera.db. The host creates it,
// connects finish() and starts it; finish() is emitted on the thread once the
// new database is in place, and GetStatus() tells how a run ended. An empty
// list never replaces a database that holds cameras.
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
    // For tests only: the largest camera list reply taken (256 MiB in use); a
    // longer one counts as no reply. Applies to runs started later.
    static void SetMaxReplyBytes(qint64 bytes);
    // Restores the limits in use, the reply size included.
    static void ResetTimeouts();

    // How the last run (or save()) ended. Written on the thread; final once the
    // thread has finished.
    enum Status {
        NotFinished,      // not run yet, still running, or stopped early
        Replaced,         // the received cameras are in use; finish() was emitted
        KeptOnEmptyList,  // the service listed no camera: the cameras in use are kept
        KeptOnNoReply,    // no usable reply in ten attempts: the database in use is kept
        KeptOnWriteError, // the new database could not be written or put in place
    };
    Status GetStatus() const;
    // Why the last attempt reached no service, as the network tells it
    // ("Connection refused", a time-out, a failing server); empty when the
    // service answered. Final once the thread has finished.
    QString NetworkError() const;
    // The status as a sentence for the operator, with the network's reason
    // when no attempt reached the service; empty for NotFinished.
    QString StatusText() const;

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

private:
    void SetNetworkError(const QString& error);

    std::atomic<int> m_status {NotFinished};
    mutable QMutex m_errorLock;
    QString m_networkError;
};
