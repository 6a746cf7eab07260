#pragma once

#include "framework/basewidget.h"
#include "kvfd/camerainfo.h"
#include "kvui_export.h"

#include <QString>

class QLineEdit;
class QPushButton;

// Content of the "Get Camera From Varnel Cloud" dialog: the user types a
// camera id and a lens id, and Download fetches that camera's calibration
// block from the camera web service. The widget's record changes only when a
// whole, checked block arrived; the dialog is then accepted. Every failure is
// told in a message box and leaves the dialog open for another try: a service
// that could not be reached with the network's reason, one that answered
// without a usable camera as data that does not exist.
class KVUI_EXPORT GetCameraWidget : public BaseWidget
{
    Q_OBJECT

public:
    // What each of the two download steps gives.
    enum Result : int {
        kTimedOut = 0,  // the service was not reached: no answer in time, no
                        // connection or a failing server (NetworkError() says which)
        kUnusable = 1,  // the reply (or the ids) could not be used
        kMissingId = 2, // an id is missing
        kSuccess = 3,
    };

    // How long each request may take.
    static constexpr int kTimeoutMs = 3000;
    // Longest calibration-address URL the service is asked for.
    static constexpr int kMaxUrlLength = 255;

    explicit GetCameraWidget(QWidget* parent = nullptr);

    kvfd::CameraInfo GetCamera() const { return m_camera; }

    // Asks the service where the calibration file of the typed ids is; on
    // kSuccess url holds that address.
    int RequestCalibrationUrl(QString& url);
    // Downloads the calibration block from url and, when it is whole and its
    // check word matches, fills camera as a binary camera file would.
    int DownloadCalibration(const QString& url, kvfd::CameraInfo& camera);
    // Why the last step that gave kTimedOut reached no service, as the network
    // tells it ("Connection refused", a time-out).
    QString NetworkError() const { return m_networkError; }

public Q_SLOTS:
    void ClickOK();
    void ClickCancel();

private:
    kvfd::CameraInfo m_camera;
    QLineEdit* m_cameraId = nullptr;
    QLineEdit* m_lensId = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QString m_networkError;
    bool m_busy = false;
};
