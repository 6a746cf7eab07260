#pragma once

#include "framework/framedialog.h"
#include "kvfd/camerainfo.h"
#include "kvui_export.h"

class CameraWidget;

// The "Camera Setting" dialog: defines one camera, from the camera database,
// from a camera file or typed in. GetCamera holds the edited camera once the
// dialog was accepted, a default record before.
class KVUI_EXPORT CameraDialog : public FrameDialog
{
    Q_OBJECT

public:
    explicit CameraDialog(QWidget* parent = nullptr);

    void SetCamera(const kvfd::CameraInfo& camera);
    kvfd::CameraInfo GetCamera() const;
    CameraWidget* Widget() const { return m_widget; }

private:
    CameraWidget* m_widget = nullptr;
};

// Runs the camera dialog, showing camera first when useGiven is set (an empty
// form otherwise). On OK camera is replaced as a whole by the dialog's record
// (fullname empty, id -1) and true is returned; otherwise camera is untouched.
KVUI_EXPORT bool ShowCameraDialog(kvfd::CameraInfo& camera, bool useGiven);
