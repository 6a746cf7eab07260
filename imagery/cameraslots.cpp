#include "imagery/cameraslots.h"

#include "kvimage/kvimage.h"

#include <QPointer>
#include <algorithm>
#include <atomic>
#include <future>
#include <optional>
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
    std::set<int> used;
    for (int c = 0; c < cameras.Size(); ++c) {
        const kvfd::CameraInfo* camera = cameras.GetCamera(c);
        if (camera && !IsBlankCamera(*camera))
            used.insert(c);
    }
    // Images whose camera is missing need a tab too: without one they could
    // never be given a camera.
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfo* image = images.GetImage(i);
        if (image && image->GetCamera() >= 0)
            used.insert(image->GetCamera());
    }
    return std::vector<int>(used.begin(), used.end());
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

struct CameraDetection::Search
{
    int slot = -1;
    unsigned generation = 0;
    unsigned epoch = 0;
    // The photos to read, in image order, and the answer of a photo read
    // before that comes after them (kNone when there is none).
    std::vector<std::string> paths;
    int after = kNone;
    // What the thread leaves: how many photos it read and the camera of the
    // last one read, if it had one.
    std::size_t read = 0;
    std::optional<kvfd::CameraInfo> found;
    std::atomic<bool> stop {false};
    std::atomic<bool> done {false};
    std::future<void> thread;
};

CameraDetection::CameraDetection(Reader reader, int photosAtOnce)
    : m_reader(reader ? std::move(reader) : Reader(&kvimage::GetCameraFormImage))
    , m_photosAtOnce(std::max(photosAtOnce, 1))
    , m_receiver(std::make_unique<QObject>())
{ }

CameraDetection::~CameraDetection()
{
    for (const auto& search : m_searches)
        search->stop = true;
    m_searches.clear(); // waits for each thread
    m_receiver.reset();
}

bool CameraDetection::Detect(const kvfd::ImageInfoSet& images, int slot, kvfd::CameraInfo& camera)
{
    auto known = m_slots.find(slot);
    if (known == m_slots.end()) {
        if (Searching(slot))
            return false;
        int found = kNone;
        int read = 0;
        int i = 0;
        for (; i < images.Size() && found == kNone && read < m_photosAtOnce; ++i) {
            const kvfd::ImageInfo* image = images.GetImage(i);
            if (!image || image->GetCamera() != slot)
                continue;
            auto photo = m_photos.try_emplace(image->GetFullName(), kNone);
            if (photo.second) {
                ++read;
                kvfd::CameraInfo tags;
                if (m_reader(photo.first->first, tags)) {
                    m_cameras.push_back(tags);
                    photo.first->second = int(m_cameras.size()) - 1;
                }
            }
            found = photo.first->second;
        }
        // The other photos are read in the background, up to the first one
        // read before that gave a camera.
        std::vector<std::string> rest;
        for (; i < images.Size() && found == kNone; ++i) {
            const kvfd::ImageInfo* image = images.GetImage(i);
            if (!image || image->GetCamera() != slot)
                continue;
            std::string path = image->GetFullName();
            const auto photo = m_photos.find(path);
            if (photo == m_photos.end())
                rest.push_back(std::move(path));
            else if (photo->second != kNone && rest.empty())
                found = photo->second;
            else if (photo->second != kNone) {
                StartSearch(slot, std::move(rest), photo->second);
                return false;
            }
        }
        if (!rest.empty()) {
            StartSearch(slot, std::move(rest), kNone);
            return false;
        }
        known = m_slots.emplace(slot, found).first;
    }
    if (known->second == kNone)
        return false;
    camera = m_cameras[std::size_t(known->second)];
    camera.id = slot;
    return true;
}

void CameraDetection::StartSearch(int slot, std::vector<std::string> paths, int after)
{
    // Searches that were stopped and have ended are dropped here.
    m_searches.erase(std::remove_if(m_searches.begin(), m_searches.end(),
                                    [](const auto& search) { return search->done.load(); }),
                     m_searches.end());
    auto search = std::make_unique<Search>();
    search->slot = slot;
    search->generation = m_generations[slot];
    search->epoch = m_epoch;
    search->paths = std::move(paths);
    search->after = after;
    Search* running = search.get();
    QPointer<QObject> receiver(m_receiver.get());
    search->thread = std::async(std::launch::async, [this, running, receiver, reader = m_reader] {
        for (const std::string& path : running->paths) {
            if (running->stop)
                break;
            ++running->read;
            kvfd::CameraInfo tags;
            if (reader(path, tags)) {
                running->found = tags;
                break;
            }
        }
        // The detection waits for this thread before it deletes the receiver,
        // so the receiver is alive here; a queued call dies with it.
        if (!running->stop && receiver) {
            QMetaObject::invokeMethod(
                receiver.data(), [this, running] { Finish(*running); }, Qt::QueuedConnection);
        }
        running->done = true;
    });
    m_searches.push_back(std::move(search));
}

void CameraDetection::Finish(Search& search)
{
    search.thread.wait();
    const int slot = search.slot;
    const bool current = m_generations[slot] == search.generation;
    if (search.epoch != m_epoch) {
        // Cleared meanwhile: the answers of the photos go too.
        Drop(search);
        return;
    }
    // What was read is remembered even when the slot was forgotten meanwhile.
    const std::size_t without = search.read - (search.found ? 1 : 0);
    for (std::size_t k = 0; k < without; ++k)
        m_photos.try_emplace(std::move(search.paths[k]), kNone);
    int answer = search.after;
    if (search.found) {
        m_cameras.push_back(*search.found);
        answer = int(m_cameras.size()) - 1;
        m_photos.try_emplace(std::move(search.paths[without]), answer);
    }
    Drop(search);
    if (!current)
        return;
    m_slots[slot] = answer;
    if (answer != kNone && m_foundLater) {
        kvfd::CameraInfo camera = m_cameras[std::size_t(answer)];
        camera.id = slot;
        m_foundLater(slot, camera);
    }
}

void CameraDetection::Drop(const Search& search)
{
    m_searches.erase(std::find_if(m_searches.begin(), m_searches.end(),
                                  [&search](const auto& kept) { return kept.get() == &search; }));
}

bool CameraDetection::Searching(int slot) const
{
    const auto generation = m_generations.find(slot);
    const unsigned current = generation == m_generations.end() ? 0 : generation->second;
    return std::any_of(m_searches.begin(), m_searches.end(), [slot, current](const auto& search) {
        return search->slot == slot && search->generation == current && !search->stop;
    });
}

void CameraDetection::Forget(int slot)
{
    m_slots.erase(slot);
    ++m_generations[slot];
}

void CameraDetection::Clear()
{
    m_slots.clear();
    m_photos.clear();
    m_cameras.clear();
    ++m_epoch;
    for (auto& [slot, generation] : m_generations)
        ++generation;
    for (const auto& search : m_searches)
        search->stop = true;
}

} // namespace kvui
