#include "camera/cameradialog.h"

#include "camera/camerawidget.h"

CameraDialog::CameraDialog(QWidget* parent)
    : FrameDialog(parent)
{
    SetTitle(tr("Camera Setting"));
    m_widget = SetContent<CameraWidget>();
}

void CameraDialog::SetCamera(const kvfd::CameraInfo& camera)
{
    m_widget->SetCamera(camera);
}

kvfd::CameraInfo CameraDialog::GetCamera() const
{
    return m_widget->GetCamera();
}

bool ShowCameraDialog(kvfd::CameraInfo& camera, bool useGiven)
{
    CameraDialog dialog;
    if (useGiven)
        dialog.SetCamera(camera);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    camera = dialog.GetCamera();
    return true;
}
