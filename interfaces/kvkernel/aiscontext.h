#pragma once

#include "kvkernel/kvkernel_export.h"
#include "kvprj/kvproject.h"

#include <vector>

namespace kvkernel {

// The project open in the host, shared between the host's view and the
// library's panels through the per-image flags of its image set. Indices that
// are out of range or removed are skipped.
class KVKERNEL_EXPORT AISContext : public kvprj::KvProject
{
public:
    AISContext() = default;
    explicit AISContext(const kvprj::KvProject& project)
        : kvprj::KvProject(project)
    { }

    // Indices of the selected images, ascending.
    void GetSelected(std::vector<int>& ids) const;
    // Selects or deselects every image.
    void SetSelected(bool on);
    void SetEnable(const std::vector<int>& ids, bool on);
    void SetVisible(const std::vector<int>& ids, bool on);
    void Remove(const std::vector<int>& ids);
};

// The context the host has set, or null when no project is open.
KVKERNEL_EXPORT AISContext* KvGetContext();
// Called by the host when it opens or closes a project; it keeps ownership.
KVKERNEL_EXPORT void KvSetContext(AISContext* context);

} // namespace kvkernel
