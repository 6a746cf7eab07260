#include "kvfd/camerainfo.h"

#include <cmath>

namespace kvfd {

bool operator==(const CameraInfo& a, const CameraInfo& b)
{
    return a.id == b.id && a.name == b.name && a.fullname == b.fullname && a.width == b.width
        && a.height == b.height && a.ccd_width == b.ccd_width && a.ccd_height == b.ccd_height
        && a.focal == b.focal && a.pixel_size_x == b.pixel_size_x
        && a.pixel_size_y == b.pixel_size_y && a.x0 == b.x0 && a.y0 == b.y0 && a.dtype == b.dtype
        && a.k1 == b.k1 && a.k2 == b.k2 && a.k3 == b.k3 && a.p1 == b.p1 && a.p2 == b.p2
        && a.alpha == b.alpha && a.beta == b.beta && a.k4 == b.k4 && a.k5 == b.k5 && a.k6 == b.k6
        && a.mount_angle == b.mount_angle;
}

CameraInfo* CameraInfoSet::GetCamera(int i)
{
    if (i < 0 || i >= Size())
        return nullptr;
    return &m_cameras[std::size_t(i)];
}

const CameraInfo* CameraInfoSet::GetCamera(int i) const
{
    if (i < 0 || i >= Size())
        return nullptr;
    return &m_cameras[std::size_t(i)];
}

int CameraInfoSet::AddCamera(const CameraInfo& camera)
{
    m_cameras.push_back(camera);
    return Size() - 1;
}

void CameraInfoSet::RemoveCamera(int i)
{
    if (i < 0 || i >= Size())
        return;
    m_cameras.erase(m_cameras.begin() + i);
}

int CameraInfoSet::FindCamera(const std::string& name, double focal) const
{
    // Focal lengths come from EXIF rationals and from typed-in values; they agree
    // only to a few decimals.
    for (std::size_t i = 0; i < m_cameras.size(); ++i) {
        if (m_cameras[i].name == name && std::fabs(m_cameras[i].focal - focal) < 1e-3)
            return int(i);
    }
    return -1;
}

} // namespace kvfd
