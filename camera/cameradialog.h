#pragma once

#include "camera/camerawidget.h"
#include "framework/framedialog.h"
#include "kvfd/camerainfo.h"
#include "kvui_export.h"

// The "Camera Setting" dialog: defines one camera, from the camera database,
// from a camera file or typed in. GetCamera holds the edited camera once the
// dialog was accepted, a default record before.
class KVUI_EXPORT CameraDialog : public kvui::ContentDialog<CameraWidget>
{
    Q_OBJECT

public:
    explicit CameraDialog(QWidget* parent = nullptr);

    void SetCamera(const kvfd::CameraInfo& camera) { Content()->SetCamera(camera); }
    kvfd::CameraInfo GetCamera() const { return Content()->GetCamera(); }
    CameraWidget* Widget() const { return Content(); }
};

// Runs the camera dialog, showing camera first when useGiven is set (an empty
// form otherwise). On OK camera is replaced as a whole by the dialog's record
// (fullname empty, id -1) and true is returned; otherwise camera is untouched.
KVUI_EXPORT bool ShowCameraDialog(kvfd::CameraInfo& camera, bool useGiven);
