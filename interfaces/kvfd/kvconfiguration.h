#pragma once

#include "kvfd/algosetting.h"
#include "kvfd/camerainfo.h"
#include "kvfd/coordinateinfo.h"
#include "kvfd/kvfd_export.h"

#include <mutex>
#include <string>

namespace kvfd {

// The process-wide configuration: the coordinate-system catalogue, the camera
// database (<data>/config/camera.db) and the processing settings
// (<data>/config/algosetting.ini).
class KVFD_EXPORT KvConfiguration
{
public:
    static KvConfiguration* Instance();

    CoordinateInfoSet GetCoordinateInfoSet() const;
    // A copy of the camera database as last loaded.
    CameraInfoSet GetCameraInfoSet() const;
    // Reads <data>/config/camera.db again (after a download replaced it).
    // False, and the cameras kept, when the file is missing or unreadable.
    bool ReloadCameras();
    void SetCameraInfoSet(const CameraInfoSet& cameras);

    AlgoSetting& GetAlgoSetting() { return m_algo; }
    bool SaveAlgoSetting() const;
    bool LoadAlgoSetting();

    // Path of the camera database in use.
    static std::string CameraDatabasePath();
    // Reads the "camera" table of a camera database into cameras.
    static bool ReadCameraDatabase(const std::string& path, CameraInfoSet& cameras);

private:
    KvConfiguration();

    mutable std::mutex m_mutex;
    CoordinateInfoSet m_coordinates;
    CameraInfoSet m_cameras;
    AlgoSetting m_algo;
};

} // namespace kvfd
