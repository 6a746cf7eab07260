#include "camera/getcameradialog.h"

GetCameraDialog::GetCameraDialog(QWidget* parent)
    : FrameDialog(parent)
{
    SetTitle(tr("Get Camera From Varnel Cloud"));
    m_widget = SetContent<GetCameraWidget>();
}
