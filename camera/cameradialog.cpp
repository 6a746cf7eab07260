#include "camera/cameradialog.h"

CameraDialog::CameraDialog(QWidget* parent)
    : ContentDialog(tr("Camera Setting"), parent)
{ }

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
