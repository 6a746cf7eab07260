#include "camera/getcameradialog.h"

GetCameraDialog::GetCameraDialog(QWidget* parent)
    : ContentDialog(tr("Get Camera From Varnel Cloud"), parent)
{ }
