// The reply of the camera-by-serial query ("/data/getcamera"): any reply
// either fills the camera or leaves it untouched.

#include "camera/querycamerabyserial.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    kvfuzz::ReplyServer::Instance().SetReply(
        QByteArray(reinterpret_cast<const char*>(data), int(size)));

    kvfd::CameraInfo before;
    before.name = "before";
    before.k4 = 0.5;
    kvfd::CameraInfo camera = before;
    if (!QueryCameraBySerial(camera, "1581F5FHD23B300A0K7N"))
        kvfuzz::Check(kvfuzz::SameCamera(camera, before), "a refused reply changes nothing");
    else
        kvfuzz::Check(camera.name == "ILCE-5100" && camera.dtype == 1 && camera.k4 == 0.5,
                      "a reply fills the service's fields only");
    return 0;
}
