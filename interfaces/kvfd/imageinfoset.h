#pragma once

#include "kvfd/eop.h"
#include "kvfd/kvfd_export.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace kvfd {

// One image of a project: file name, folder, exterior orientation and the
// index of its camera in the project's camera set.
class KVFD_EXPORT ImageInfo
{
public:
    ImageInfo() = default;
    ImageInfo(std::string name, std::string path, const EOP& eop, int camera);

    const std::string& Name() const { return m_name; }
    const std::string& Path() const;
    // The folder and the name joined with '/'.
    std::string GetFullName() const;
    // Splits a full path at its last separator into folder and name.
    void SetFullName(const std::string& fullName);
    void SetName(const std::string& name) { m_name = name; }
    void SetPath(const std::string& path);

    const EOP& GetEOP() const { return m_eop; }
    void SetEOP(const EOP& eop) { m_eop = eop; }

    int GetCamera() const { return m_camera; }
    void SetCamera(int camera) { m_camera = camera; }

private:
    friend class ImageInfoSet;

    std::string m_name;
    // The folder, shared by the images of one folder that a set adds one
    // after another: a survey of 100,000 photos has a handful of folders, and
    // copying a project then copies no folder name. Never changed in place;
    // null for no folder.
    std::shared_ptr<const std::string> m_path;
    EOP m_eop;
    int m_camera = 0;
};

// Per-image state kept beside each ImageInfo: the flight (0-based) and the
// flags that the catalogue and the host's view share.
struct ImageInfoExt
{
    std::int32_t flight = 0;
    bool enabled = true;
    bool visible = true;
    bool selected = false;
    bool update = false;
};

// Ordered collection of images. Removing an image keeps its slot: the indices
// of the other images never change, GetImage() of a removed index returns null,
// Size() still counts the slot and ValidSize() counts only the images left.
class KVFD_EXPORT ImageInfoSet
{
public:
    int Size() const;
    int ValidSize() const;

    // Null for an index out of range or a removed slot.
    ImageInfo* GetImage(int i);
    const ImageInfo* GetImage(int i) const;
    ImageInfoExt* GetImageExt(int i);
    const ImageInfoExt* GetImageExt(int i) const;

    // Appends an image and returns its index.
    int AddImage(const std::string& name, const std::string& directory, const EOP& eop, int camera,
                 bool enabled);
    // Index of the valid image with that name in that folder, or -1.
    int FindImage(const std::string& name, const std::string& directory) const;

    void RemoveImage(int i);
    void Clear();
    // Room for n images without reallocation.
    void Reserve(int n);

private:
    struct Slot
    {
        ImageInfo info;
        ImageInfoExt ext;
        bool valid = true;
    };
    std::vector<Slot> m_slots;
    int m_valid = 0;
    // Full name -> index, built on the first FindImage and kept up to date by
    // AddImage/RemoveImage; non-const access to an image may rename it, so it
    // drops the index until the next search.
    mutable std::unordered_map<std::string, int> m_index;
    mutable bool m_indexValid = false;
    // Some full name occurs more than once: removing the image the index points
    // at must then fall back to a later one, so the index is rebuilt instead.
    mutable bool m_indexDuplicates = false;
};

} // namespace kvfd
