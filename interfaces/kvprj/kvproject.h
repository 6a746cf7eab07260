#pragma once

#include "kvfd/camerainfo.h"
#include "kvfd/imageinfoset.h"
#include "kvprj/kvprj_export.h"
#include "kvprj/prjinfo.h"

#include <string>

namespace kvprj {

// One project: its description, images and cameras. A value type: dialogs edit
// a copy and assign it back. Project files are SQLite databases.
class KVPRJ_EXPORT KvProject
{
public:
    KvProject() = default;
    KvProject(const KvProject&) = default;
    KvProject& operator=(const KvProject&) = default;
    KvProject(KvProject&&) = default;
    KvProject& operator=(KvProject&&) = default;
    virtual ~KvProject() = default;

    PrjInfo& GetPrjInfo() { return m_info; }
    const PrjInfo& GetPrjInfo() const { return m_info; }
    kvfd::ImageInfoSet& GetImageInfoSet() { return m_images; }
    const kvfd::ImageInfoSet& GetImageInfoSet() const { return m_images; }
    kvfd::CameraInfoSet& GetCameraInfoSet() { return m_cameras; }
    const kvfd::CameraInfoSet& GetCameraInfoSet() const { return m_cameras; }

    void SetImageInfoSet(const kvfd::ImageInfoSet& images) { m_images = images; }
    void SetCameraInfoSet(const kvfd::CameraInfoSet& cameras) { m_cameras = cameras; }
    kvfd::ImageInfoSet GetImageInfoSetLocal() const { return m_images; }

    // Reads a whole project file. False, with the project unchanged, when the file
    // is missing, not a project, damaged or written by a newer version.
    bool OpenPrj(const std::string& path);
    // Reads only the description (and the first image, for a preview); fast
    // enough for listing many projects. Same failure rules as OpenPrj.
    bool QuickOpenPrj(const std::string& path);
    // Writes the project to path (the description's path when empty) and records
    // the path in the description. The file is written aside and then moved over
    // the old one, so a failed save leaves the previous file intact.
    bool SavePrj(const std::string& path = std::string());
    // Copies the project file source to target; refuses to overwrite an existing
    // target. The copy's description records its new path.
    static bool CopyTo(const std::string& source, const std::string& target);

    // Format version written by SavePrj; files of a later version are refused.
    static constexpr int kFormatVersion = 1;

private:
    PrjInfo m_info;
    kvfd::ImageInfoSet m_images;
    kvfd::CameraInfoSet m_cameras;
};

} // namespace kvprj
