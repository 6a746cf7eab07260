// The two replies of a calibration download: the first byte of the input says
// which one the rest is. Even: the reply to "/cameracheck/downloadcalibration",
// which names the calibration file. Odd: that file, a camera block. A reply
// that is not used changes nothing.

#include "camera/getcamerawidget.h"
#include "fuzzsupport.h"

#include <QLineEdit>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    kvfuzz::Input input(data, size);
    const bool file = input.Byte() & 1;
    const QByteArray reply = input.Rest();
    kvfuzz::ReplyServer& server = kvfuzz::ReplyServer::Instance();
    server.SetReply(reply);

    GetCameraWidget widget;
    kvfuzz::FindEdit(&widget, "gcw_cameraid_")->setText(QStringLiteral("A7R"));
    kvfuzz::FindEdit(&widget, "gcw_lensid_")->setText(QStringLiteral("35"));
    if (!file) {
        QString url = QStringLiteral("untouched");
        if (widget.RequestCalibrationUrl(url) != GetCameraWidget::kSuccess)
            kvfuzz::Check(url == QLatin1String("untouched"), "a refused reply names no file");
        return 0;
    }
    kvfd::CameraInfo before;
    before.name = "before";
    kvfd::CameraInfo camera = before;
    const int result = widget.DownloadCalibration(
        server.Address() + QStringLiteral("/calibration/1.cam"), camera);
    if (result != GetCameraWidget::kSuccess)
        kvfuzz::Check(kvfuzz::SameCamera(camera, before), "a refused block changes nothing");
    else
        kvfuzz::Check(reply.size() == 128, "only a whole block is used");
    return 0;
}
