// Camera files written from any record (names of any bytes, any numbers,
// infinities and NaNs included) and read back: the XML and binary files read
// again, the optical properties file is well-formed XML, the Inpho file whole.

#include "camera/camerafile.h"
#include "fuzzsupport.h"

#include <QDomDocument>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    kvfuzz::Input input(data, size);
    kvfd::CameraInfo camera;
    camera.id = input.Int32();
    camera.name = input.String();
    camera.fullname = input.String();
    camera.width = input.Int32();
    camera.height = input.Int32();
    camera.dtype = input.Byte() % 8;
    camera.mount_angle = input.Byte() % 4;
    for (double* field :
         {&camera.ccd_width, &camera.ccd_height, &camera.focal, &camera.pixel_size_x,
          &camera.pixel_size_y, &camera.x0, &camera.y0, &camera.k1, &camera.k2, &camera.k3,
          &camera.p1, &camera.p2, &camera.alpha, &camera.beta, &camera.k4, &camera.k5, &camera.k6})
        *field = input.Double();

    const QString xml = kvfuzz::ScratchPath("camera.xml");
    if (ExportCameraFile(camera, xml)) {
        kvfd::CameraInfo read;
        ImportCameraFile(read, xml);
    }

    const QString cam = kvfuzz::ScratchPath("camera.CAM");
    kvfuzz::Check(ExportCameraFile(camera, cam), "a binary camera file is written");
    kvfd::CameraInfo read;
    kvfuzz::Check(ImportCameraFile(read, cam), "a written binary camera file reads again");
    kvfuzz::Check(read.width == camera.width && read.height == camera.height && read.dtype == 1,
                  "the binary camera file keeps the image size");

    const QString opt = kvfuzz::ScratchPath("camera.opt");
    if (ExportCameraFile(camera, opt)) {
        QDomDocument document;
        kvfuzz::Check(document.setContent(kvfuzz::ReadFile(opt)),
                      "the optical properties file is well-formed XML");
    }

    const QString prj = kvfuzz::ScratchPath("camera.prj");
    if (ExportCameraFile(camera, prj))
        kvfuzz::Check(kvfuzz::ReadFile(prj).endsWith("$END\n"), "the Inpho file is written whole");
    return 0;
}
