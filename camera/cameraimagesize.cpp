#include "camera/cameraimagesize.h"

#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"

#include <QCoreApplication>

namespace kvui {

bool ImageSizeDiffers(const kvfd::CameraInfo& downloaded, const kvfd::CameraInfo& inProject)
{
    if (inProject.width <= 0 || inProject.height <= 0)
        return false;
    return downloaded.width != inProject.width || downloaded.height != inProject.height;
}

QString ImageSizeQuestion(const kvfd::CameraInfo& downloaded, const kvfd::CameraInfo& inProject)
{
    return QCoreApplication::translate("kvui",
                                       "The downloaded camera is for images of %1 × %2 px, the "
                                       "project's images are %3 × %4 px. Use it anyway?")
        .arg(downloaded.width)
        .arg(downloaded.height)
        .arg(inProject.width)
        .arg(inProject.height);
}

bool ConfirmImageSize(const kvfd::CameraInfo& downloaded, const kvfd::CameraInfo& inProject)
{
    if (!ImageSizeDiffers(downloaded, inProject))
        return true;
    return KvMessageBox::Show(QString2String(ImageSizeQuestion(downloaded, inProject)),
                              KvMessageBox::BT_YES_NO)
        == KvMessageBox::BC_OK;
}

} // namespace kvui
