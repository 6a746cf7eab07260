// Photos: any bytes either give the camera and the position that their tags
// record, within the ranges the reader promises, and the thumbnail they embed,
// or leave the caller's values.

#include "fuzzsupport.h"
#include "kvimage/kvimage.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    const std::string path = kvfuzz::WriteScratch(
        "照片.JPG", QByteArray(reinterpret_cast<const char*>(data), int(size)));

    kvfd::CameraInfo before;
    before.id = 11;
    before.name = "before";
    kvfd::CameraInfo camera = before;
    if (!kvimage::GetCameraFormImage(path, camera))
        kvfuzz::Check(kvfuzz::SameCamera(camera, before),
                      "a photo without a camera changes nothing");
    else
        kvfuzz::Check(camera.id == before.id && camera.dtype == 1, "the camera keeps its id");

    double lla[3] = {1.0, 2.0, 3.0};
    if (!kvimage::GetGPSFromImage(path, lla))
        kvfuzz::Check(lla[0] == 1.0 && lla[1] == 2.0 && lla[2] == 3.0,
                      "a photo without a position changes nothing");
    else
        kvfuzz::Check(std::fabs(lla[0]) <= 180.0 && std::fabs(lla[1]) <= 90.0,
                      "a position lies on the earth");

    std::string thumbnail = "before";
    if (!kvimage::GetExifThumbnail(path, thumbnail))
        kvfuzz::Check(thumbnail == "before", "a photo without a thumbnail changes nothing");
    else
        kvfuzz::Check(!thumbnail.empty() && thumbnail.size() <= size,
                      "a thumbnail is a part of the photo");
    return 0;
}
