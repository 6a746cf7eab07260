// The reply of the elevation query ("/bing/getelevationbypoint"): any reply
// either puts a plausible height into the elevation field or leaves the
// field as it was.

#include "fuzzsupport.h"
#include "imagery/elevationdialog.h"

#include <QLineEdit>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    kvfuzz::ReplyServer::Instance().SetReply(
        QByteArray(reinterpret_cast<const char*>(data), int(size)));

    ElevationWidget widget;
    widget.SetPosition(115.48415, -8.30395);
    kvfuzz::FindEdit(&widget, "ew_elevation_")->setText(QStringLiteral("1189.641"));
    widget.ClickGet();
    const double elevation = widget.Elevation();
    kvfuzz::Check(elevation == 1189.641 || (elevation > -200.0 && elevation < 10000.0),
                  "only a plausible height is taken");
    return 0;
}
