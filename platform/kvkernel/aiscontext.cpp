#include "kvkernel/aiscontext.h"

#include <atomic>

namespace kvkernel {

namespace {

// Set by the host's thread, read by panels and workers of the library.
std::atomic<AISContext*> g_context {nullptr};

} // namespace

void AISContext::GetSelected(std::vector<int>& ids) const
{
    ids.clear();
    const kvfd::ImageInfoSet& images = GetImageInfoSet();
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfoExt* ext = images.GetImageExt(i);
        if (ext && ext->selected)
            ids.push_back(i);
    }
}

void AISContext::SetSelected(bool on)
{
    kvfd::ImageInfoSet& images = GetImageInfoSet();
    for (int i = 0; i < images.Size(); ++i) {
        if (kvfd::ImageInfoExt* ext = images.GetImageExt(i))
            ext->selected = on;
    }
}

void AISContext::SetEnable(const std::vector<int>& ids, bool on)
{
    kvfd::ImageInfoSet& images = GetImageInfoSet();
    for (int id : ids) {
        if (kvfd::ImageInfoExt* ext = images.GetImageExt(id))
            ext->enabled = on;
    }
}

void AISContext::SetVisible(const std::vector<int>& ids, bool on)
{
    kvfd::ImageInfoSet& images = GetImageInfoSet();
    for (int id : ids) {
        if (kvfd::ImageInfoExt* ext = images.GetImageExt(id))
            ext->visible = on;
    }
}

void AISContext::Remove(const std::vector<int>& ids)
{
    kvfd::ImageInfoSet& images = GetImageInfoSet();
    for (int id : ids)
        images.RemoveImage(id);
}

AISContext* KvGetContext()
{
    return g_context.load(std::memory_order_acquire);
}

void KvSetContext(AISContext* context)
{
    g_context.store(context, std::memory_order_release);
}

} // namespace kvkernel
