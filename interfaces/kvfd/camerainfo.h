#pragma once

#include "kvfd/kvfd_export.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kvfd {

// Interior orientation and lens distortion of a frame camera. Focal length and
// sensor size are in millimetres, image size and principal point in pixels;
// pixel_size_x/y are ccd_width/width and ccd_height/height.
struct CameraInfo
{
    std::int32_t id = -1;
    std::string name;     // model name; with focal the key of a camera database look-up
    std::string fullname; // long name shown in camera lists
    std::int32_t width = -1;
    std::int32_t height = -1;
    double ccd_width = -1.0;
    double ccd_height = -1.0;
    double focal = -1.0;
    double pixel_size_x = -1.0;
    double pixel_size_y = -1.0;
    double x0 = -1.0;
    double y0 = -1.0;
    std::int32_t dtype
        = 1; // distortion model: 0 none, 1 AUS, 2 partial, 3 Brown, 4 Inpho, 6 fisheye
    double k1 = 0.0;
    double k2 = 0.0;
    double k3 = 0.0;
    double p1 = 0.0;
    double p2 = 0.0;
    double alpha = 0.0;
    double beta = 0.0;
    double k4 = 0.0;
    double k5 = 0.0;
    double k6 = 0.0;
    std::int32_t mount_angle = 0; // 0, 1, 2, 3 for 0, 90, 180, 270 degrees
};

KVFD_EXPORT bool operator==(const CameraInfo& a, const CameraInfo& b);
inline bool operator!=(const CameraInfo& a, const CameraInfo& b)
{
    return !(a == b);
}

// The cameras of a project or of the camera database.
class KVFD_EXPORT CameraInfoSet
{
public:
    int Size() const { return static_cast<int>(m_cameras.size()); }
    // Null for an index out of range.
    CameraInfo* GetCamera(int i);
    const CameraInfo* GetCamera(int i) const;
    // Appends a camera and returns its index.
    int AddCamera(const CameraInfo& camera);
    // Removes the camera; later cameras move down by one. Out of range does nothing.
    void RemoveCamera(int i);
    // Index of the first camera with that name and a focal length equal within
    // a thousandth of a millimetre, or -1.
    int FindCamera(const std::string& name, double focal) const;
    void Clear() { m_cameras.clear(); }

private:
    std::vector<CameraInfo> m_cameras;
};

} // namespace kvfd
