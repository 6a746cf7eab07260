#include "imagery/cameraslots.h"

#include "kvimage/kvimage.h"

#include <set>
#include <utility>

namespace kvui {

bool IsBlankCamera(const kvfd::CameraInfo& camera)
{
    return camera == kvfd::CameraInfo();
}

void PutCamera(kvfd::CameraInfoSet& cameras, int index, const kvfd::CameraInfo& camera)
{
    if (index < 0)
        return;
    // Appending would hand the camera to the images of whatever index the set
    // happens to end at.
    while (cameras.Size() < index)
        cameras.AddCamera(kvfd::CameraInfo());
    if (kvfd::CameraInfo* slot = cameras.GetCamera(index))
        *slot = camera;
    else
        cameras.AddCamera(camera);
}

void RemoveCameraSlot(kvfd::CameraInfoSet& cameras, kvfd::ImageInfoSet& images, int index)
{
    if (kvfd::CameraInfo* camera = cameras.GetCamera(index))
        *camera = kvfd::CameraInfo();
    while (cameras.Size() > 0 && IsBlankCamera(*cameras.GetCamera(cameras.Size() - 1)))
        cameras.RemoveCamera(cameras.Size() - 1);
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfo* image = std::as_const(images).GetImage(i);
        if (image && image->GetCamera() == index)
            images.RemoveImage(i);
    }
}

std::vector<int> CameraSlotsInUse(const kvfd::CameraInfoSet& cameras,
                                  const kvfd::ImageInfoSet& images)
{
    std::set<int> slots;
    for (int c = 0; c < cameras.Size(); ++c) {
        const kvfd::CameraInfo* camera = cameras.GetCamera(c);
        if (camera && !IsBlankCamera(*camera))
            slots.insert(c);
    }
    // Images whose camera is missing need a tab too: without one they could
    // never be given a camera.
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfo* image = images.GetImage(i);
        if (image && image->GetCamera() >= 0)
            slots.insert(image->GetCamera());
    }
    return std::vector<int>(slots.begin(), slots.end());
}

kvfd::CameraInfoSet CompactCameras(const kvfd::CameraInfoSet& cameras, kvfd::ImageInfoSet& images)
{
    kvfd::CameraInfoSet compact;
    std::vector<int> newIndex(std::size_t(cameras.Size()), -1);
    for (int c = 0; c < cameras.Size(); ++c) {
        const kvfd::CameraInfo* camera = cameras.GetCamera(c);
        if (!camera || IsBlankCamera(*camera))
            continue;
        kvfd::CameraInfo kept = *camera;
        if (kept.id == c)
            kept.id = compact.Size();
        newIndex[std::size_t(c)] = compact.AddCamera(kept);
    }
    for (int i = 0; i < images.Size(); ++i) {
        kvfd::ImageInfo* image = images.GetImage(i);
        if (!image)
            continue;
        const int c = image->GetCamera();
        image->SetCamera(c >= 0 && c < int(newIndex.size()) ? newIndex[std::size_t(c)] : -1);
    }
    return compact;
}

CameraDetection::CameraDetection(Reader reader)
    : m_reader(reader ? std::move(reader) : Reader(&kvimage::GetCameraFormImage))
{ }

bool CameraDetection::Detect(const kvfd::ImageInfoSet& images, int slot, kvfd::CameraInfo& camera)
{
    auto known = m_slots.find(slot);
    if (known == m_slots.end()) {
        std::optional<kvfd::CameraInfo> found;
        for (int i = 0; i < images.Size() && !found; ++i) {
            const kvfd::ImageInfo* image = images.GetImage(i);
            if (!image || image->GetCamera() != slot)
                continue;
            auto photo = m_photos.try_emplace(image->GetFullName());
            if (photo.second) {
                kvfd::CameraInfo read;
                if (m_reader(photo.first->first, read))
                    photo.first->second = read;
            }
            found = photo.first->second;
        }
        known = m_slots.emplace(slot, found).first;
    }
    if (!known->second)
        return false;
    camera = *known->second;
    camera.id = slot;
    return true;
}

void CameraDetection::Forget(int slot)
{
    m_slots.erase(slot);
}

void CameraDetection::Clear()
{
    m_slots.clear();
    m_photos.clear();
}

} // namespace kvui
