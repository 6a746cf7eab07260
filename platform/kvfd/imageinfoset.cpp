#include "kvfd/imageinfoset.h"

namespace kvfd {

namespace {

// The folder and the name separated by a byte that no file name contains, so that
// ("a/b", "c") and ("a", "b/c") stay distinct keys.
std::string MakeKey(const std::string& name, const std::string& directory)
{
    std::string key;
    key.reserve(directory.size() + 1 + name.size());
    key += directory;
    key += '\0';
    key += name;
    return key;
}

std::string MakeKey(const ImageInfo& info)
{
    return MakeKey(info.Name(), info.Path());
}

} // namespace

int ImageInfoSet::Size() const
{
    return static_cast<int>(m_slots.size());
}

int ImageInfoSet::ValidSize() const
{
    return m_valid;
}

ImageInfo* ImageInfoSet::GetImage(int i)
{
    if (i < 0 || i >= Size() || !m_slots[std::size_t(i)].valid)
        return nullptr;
    // The caller may rename the image through the pointer.
    m_indexValid = false;
    return &m_slots[std::size_t(i)].info;
}

const ImageInfo* ImageInfoSet::GetImage(int i) const
{
    if (i < 0 || i >= Size() || !m_slots[std::size_t(i)].valid)
        return nullptr;
    return &m_slots[std::size_t(i)].info;
}

ImageInfoExt* ImageInfoSet::GetImageExt(int i)
{
    if (i < 0 || i >= Size() || !m_slots[std::size_t(i)].valid)
        return nullptr;
    // Any writable access drops the index, like GetImage, so that callers need
    // not know which parts of a slot the index depends on.
    m_indexValid = false;
    return &m_slots[std::size_t(i)].ext;
}

const ImageInfoExt* ImageInfoSet::GetImageExt(int i) const
{
    if (i < 0 || i >= Size() || !m_slots[std::size_t(i)].valid)
        return nullptr;
    return &m_slots[std::size_t(i)].ext;
}

int ImageInfoSet::AddImage(const std::string& name, const std::string& directory, const EOP& eop,
                           int camera, bool enabled)
{
    Slot slot;
    slot.info = ImageInfo(name, std::string(), eop, camera);
    // Images come folder by folder: the folder of the image before is most
    // often this one's.
    const ImageInfo* before = m_slots.empty() ? nullptr : &m_slots.back().info;
    if (before && before->m_path && *before->m_path == directory)
        slot.info.m_path = before->m_path;
    else
        slot.info.SetPath(directory);
    slot.ext.enabled = enabled;
    m_slots.push_back(std::move(slot));
    ++m_valid;
    const int index = Size() - 1;
    if (m_indexValid) {
        // An earlier image of the same name keeps winning.
        auto inserted = m_index.emplace(MakeKey(name, directory), index);
        if (!inserted.second)
            m_indexDuplicates = true;
    }
    return index;
}

int ImageInfoSet::FindImage(const std::string& name, const std::string& directory) const
{
    if (!m_indexValid) {
        m_index.clear();
        m_index.reserve(std::size_t(m_valid));
        m_indexDuplicates = false;
        for (std::size_t i = 0; i < m_slots.size(); ++i) {
            if (!m_slots[i].valid)
                continue;
            if (!m_index.emplace(MakeKey(m_slots[i].info), int(i)).second)
                m_indexDuplicates = true;
        }
        m_indexValid = true;
    }
    const auto it = m_index.find(MakeKey(name, directory));
    return it == m_index.end() ? -1 : it->second;
}

void ImageInfoSet::RemoveImage(int i)
{
    if (i < 0 || i >= Size() || !m_slots[std::size_t(i)].valid)
        return;
    Slot& slot = m_slots[std::size_t(i)];
    if (m_indexValid) {
        const auto it = m_index.find(MakeKey(slot.info));
        if (it != m_index.end() && it->second == i) {
            if (m_indexDuplicates) {
                // A later image of the same name should take over; finding it means
                // a scan, which the next search does anyway.
                m_indexValid = false;
            } else {
                m_index.erase(it);
            }
        }
    }
    slot.valid = false;
    // The slot stays but its strings need not.
    slot.info = ImageInfo();
    --m_valid;
}

void ImageInfoSet::Clear()
{
    m_slots.clear();
    m_valid = 0;
    m_index.clear();
    m_indexValid = false;
    m_indexDuplicates = false;
}

void ImageInfoSet::Reserve(int n)
{
    if (n > 0)
        m_slots.reserve(std::size_t(n));
}

} // namespace kvfd
