#pragma once

#include "kvfd/camerainfo.h"
#include "kvfd/imageinfoset.h"
#include "kvui_export.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QObject;

// The cameras of a project while its images are being assembled camera by
// camera. An image finds its camera by the index it carries, so a camera is
// kept at a fixed slot of the camera set: giving a camera to an index fills the
// gap before it with blank slots, and removing a camera blanks its slot, so
// that the cameras after it keep their indices. CompactCameras() then closes
// the gaps once, for the project.
namespace kvui {

// True for a default CameraInfo: a slot that holds no camera.
KVUI_EXPORT bool IsBlankCamera(const kvfd::CameraInfo& camera);

// Puts camera at slot index, replacing what was there and adding blank slots
// before it as needed. A negative index does nothing.
KVUI_EXPORT void PutCamera(kvfd::CameraInfoSet& cameras, int index, const kvfd::CameraInfo& camera);

// Blanks slot index and removes every image carrying that index; the other
// cameras and images keep their indices. Blank slots left at the end of the
// set are dropped.
KVUI_EXPORT void RemoveCameraSlot(kvfd::CameraInfoSet& cameras, kvfd::ImageInfoSet& images,
                                  int index);

// The slots that need a camera tab, ascending: those holding a camera and
// every non-negative index that an image carries, with or without a camera.
KVUI_EXPORT std::vector<int> CameraSlotsInUse(const kvfd::CameraInfoSet& cameras,
                                              const kvfd::ImageInfoSet& images);

// The cameras without blank slots, in slot order. Each image's camera index is
// changed to its camera's new index (-1 when its slot holds no camera), and a
// camera whose id was its slot gets its new index as id; other ids are kept.
KVUI_EXPORT kvfd::CameraInfoSet CompactCameras(const kvfd::CameraInfoSet& cameras,
                                               kvfd::ImageInfoSet& images);

// Finds the camera of a slot from the tags of its photos and remembers the
// answers: a photo is read at most once while the detection lives, and a
// slot's answer (a camera or none) holds until Forget(slot) says its images
// changed. Reading tens of thousands of photos without tags on every tab
// switch is what this saves.
//
// Detect reads at most kPhotosAtOnce photos not read before; when none of
// them carries a camera, the other photos of the slot are read on a thread of
// its own and Detect answers false at once, so that a tab switch over a block
// of untagged photos does not stall the page. What that search finds is
// remembered as if Detect had read it, and a camera it finds is handed to the
// FoundLater function, on the thread that made the detection (which must run
// Qt's event loop), unless the slot was forgotten meanwhile.
class KVUI_EXPORT CameraDetection
{
public:
    using Reader = std::function<bool(const std::string& path, kvfd::CameraInfo& camera)>;
    using FoundLater = std::function<void(int slot, const kvfd::CameraInfo& camera)>;

    static constexpr int kPhotosAtOnce = 256;

    // reader defaults to the image library's tag reader; it must be safe to
    // call from another thread when a slot has more than photosAtOnce photos.
    explicit CameraDetection(Reader reader = Reader(), int photosAtOnce = kPhotosAtOnce);
    // Stops a search still going on and waits for it.
    ~CameraDetection();
    CameraDetection(const CameraDetection&) = delete;
    CameraDetection& operator=(const CameraDetection&) = delete;

    void SetFoundLater(FoundLater found) { m_foundLater = std::move(found); }

    // The camera of the first image of slot whose photo carries one, with
    // the slot as its id; false when none does or while a search goes on.
    bool Detect(const kvfd::ImageInfoSet& images, int slot, kvfd::CameraInfo& camera);
    // The images of slot changed: its answer is looked for again, though
    // photos already read are not read again.
    void Forget(int slot);
    // Forgets every answer, per slot and per photo.
    void Clear();
    // Whether a search goes on for slot.
    bool Searching(int slot) const;

private:
    struct Search;

    // An index into m_cameras, or kNone for a photo without a camera.
    static constexpr int kNone = -1;

    void StartSearch(int slot, std::vector<std::string> paths, int after);
    void Finish(Search& search);
    void Drop(const Search& search);

    Reader m_reader;
    int m_photosAtOnce;
    FoundLater m_foundLater;
    // The cameras photos gave, each once; the answers below point into it.
    std::vector<kvfd::CameraInfo> m_cameras;
    std::map<int, int> m_slots;
    std::unordered_map<std::string, int> m_photos;
    // Forget and Clear make the searches started before them stale.
    std::map<int, unsigned> m_generations;
    unsigned m_epoch = 0;
    std::vector<std::unique_ptr<Search>> m_searches;
    // Receives the searches' answers; deleted first, so that none arrives
    // after the detection is gone.
    std::unique_ptr<QObject> m_receiver;
};

} // namespace kvui
