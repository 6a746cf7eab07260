// Camera XML files: any bytes either give a camera or leave the caller's
// record exactly as it was.

#include "camera/camerafile.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    kvfuzz::WriteScratch("camera.xml", QByteArray(reinterpret_cast<const char*>(data), int(size)));

    kvfd::CameraInfo before;
    before.id = 7;
    before.name = "before";
    before.mount_angle = 2;
    kvfd::CameraInfo camera = before;
    if (!ImportCameraFile(camera, kvfuzz::ScratchPath("camera.xml")))
        kvfuzz::Check(kvfuzz::SameCamera(camera, before), "a failed read changes nothing");
    return 0;
}
