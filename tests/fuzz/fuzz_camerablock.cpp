// Binary camera blocks, as a .cam file and as the calibration the web service
// delivers: any bytes either give a camera or change nothing, and the file and
// the block agree.

#include "camera/camerafile.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));

    kvfd::CameraInfo before;
    before.id = 3;
    before.name = "kept";
    before.fullname = "kept too";
    before.mount_angle = 1;
    kvfd::CameraInfo decoded = before;
    const bool blockRead = kvui::DecodeCameraBlock(bytes, decoded);
    if (!blockRead)
        kvfuzz::Check(kvfuzz::SameCamera(decoded, before), "a refused block changes nothing");
    else
        kvfuzz::Check(decoded.id == before.id && decoded.name == before.name
                          && decoded.fullname == before.fullname
                          && decoded.mount_angle == before.mount_angle,
                      "a block keeps id, names and mounting angle");

    // A .cam file is its first 128 bytes; a shorter one is refused.
    kvfuzz::WriteScratch("camera.cam", bytes);
    kvfd::CameraInfo fromFile = before;
    const bool fileRead = ImportCameraFile(fromFile, kvfuzz::ScratchPath("camera.cam"));
    kvfd::CameraInfo fromHead = before;
    const bool headRead = bytes.size() >= kvui::kCameraBlockSize
        && kvui::DecodeCameraBlock(bytes.left(kvui::kCameraBlockSize), fromHead);
    kvfuzz::Check(fileRead == headRead, "a .cam file reads as its first block");
    kvfuzz::Check(kvfuzz::SameCamera(fromFile, fromHead), "a .cam file gives its block's camera");
    return 0;
}
