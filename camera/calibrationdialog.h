#pragma once

#include "framework/basewidget.h"
#include "framework/formrows.h"
#include "framework/framedialog.h"
#include "kvfd/camerainfo.h"
#include "kvui_export.h"

class CameraParameterWidget;
class QTabWidget;

// Content of the "Calibration" dialog: the camera's initial parameters on one
// tab, the calibrated ones on the other, and the choice of all or the
// selected images of the open project. It computes nothing: "Calibrate"
// checks the image count (at most 32) and asks the host with
// RunCalibration(); "Update" asks the host to take the calibrated camera.
class KVUI_EXPORT CalibrationWidget : public BaseWidget
{
    Q_OBJECT

public:
    // More images than this are not calibrated together.
    static constexpr int kMaxImages = 32;

    explicit CalibrationWidget(QWidget* parent = nullptr);

    void SetAll(bool all) { m_images.SetAll(all); }
    bool IsSelected() const { return m_images.IsSelected(); }
    // Shows the camera on both tabs.
    void SetCamera(const kvfd::CameraInfo& camera);
    // Shows the camera on the "Calibrated Parameters" tab only.
    void UpdateCamera(const kvfd::CameraInfo& camera);
    // The camera of the "Calibrated Parameters" tab.
    kvfd::CameraInfo GetCamera() const;

Q_SIGNALS:
    void RunCalibration();
    void UpdateCamera();

public Q_SLOTS:
    void ClickCancel();
    void ClickCalibration();

private:
    kvui::AllSelectedPair m_images;
    QTabWidget* m_tabs = nullptr;
    CameraParameterWidget* m_raw = nullptr;
    CameraParameterWidget* m_new = nullptr;
};

class KVUI_EXPORT CalibrationDialog : public kvui::ContentDialog<CalibrationWidget>
{
    Q_OBJECT

public:
    explicit CalibrationDialog(QWidget* parent = nullptr);

    void SetAll(bool all) { Content()->SetAll(all); }
    bool IsSelected() const { return Content()->IsSelected(); }
    void SetCamera(const kvfd::CameraInfo& camera) { Content()->SetCamera(camera); }
    void UpdateCamera(const kvfd::CameraInfo& camera) { Content()->UpdateCamera(camera); }
    kvfd::CameraInfo GetCamera() const { return Content()->GetCamera(); }
    CalibrationWidget* Widget() const { return Content(); }

Q_SIGNALS:
    void RunCalibration();
    void UpdateCamera();
};
