#pragma once

#include "framework/basewidget.h"
#include "kvfd/camerainfo.h"
#include "kvui_export.h"

class CameraSettingWidget;
class QScrollArea;

// Content of the camera dialog: the camera editor in a scroll area above OK and
// Cancel. OK keeps the edited camera and accepts the dialog; until then the
// kept camera is a default record.
class KVUI_EXPORT CameraWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit CameraWidget(QWidget* parent = nullptr);

    void SetCamera(const kvfd::CameraInfo& camera);
    // The camera kept by the last OK.
    kvfd::CameraInfo GetCamera() const { return m_camera; }
    CameraSettingWidget* SettingWidget() const { return m_setting; }

public Q_SLOTS:
    void Accept();
    void Reject();

private:
    kvfd::CameraInfo m_camera;
    CameraSettingWidget* m_setting = nullptr;
};
