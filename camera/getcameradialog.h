#pragma once

#include "camera/getcamerawidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

// Downloads one calibrated camera from the camera web service by its camera
// and lens ids. Run it modally; when it is accepted, GetCamera() holds the
// downloaded camera.
class KVUI_EXPORT GetCameraDialog : public kvui::ContentDialog<GetCameraWidget>
{
    Q_OBJECT

public:
    explicit GetCameraDialog(QWidget* parent = nullptr);

    kvfd::CameraInfo GetCamera() const { return Content()->GetCamera(); }
};
