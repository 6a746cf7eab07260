#pragma once

#include <cstdint>

namespace kvfd {

// Processing settings held by the configuration. The first two fields are the
// host's own; the rest are edited by the settings dialogs.
struct AlgoSetting
{
    std::int32_t threadCount = 0;  // worker threads, 0 = one per core
    double outputResolution = 0.0; // ground sampling distance of products, 0 = automatic
    std::int32_t landscape = 0;    // 0 City, 1 Mountain, 2 River
    std::int32_t usage = 0;        // 0 NoMapping, 1 Mapping
    std::int32_t seamlineMode = 0; // 0 Regular, 4 Fine
    bool adjustCalibration = true; // true Ajust, false Keep
    bool oblique = false;
    std::int32_t device = 0; // 0 CUDA, 1 GLSL, 2 CPU
    std::int32_t featureNumber = 1000;
    std::int32_t blockSize = -1;
    double gcpWeight = 2.0;
    double gpsWeight[3] = {1.0, 1.0, 1.0};
    std::int32_t hpGps = 0;
    std::int32_t lsm = 0;
    std::int32_t demFilter = 0; // 0 Auto, 1 TIN
    std::int32_t scenario = 0;  // 0 DEFAULT, 1 OBLIQUE
    std::int32_t pyr = 0;       // 0..5 for 1:1 .. 1:32
    std::int32_t autoResolution = 0;
    std::int32_t radius = 0;
    std::int32_t dsmMethod = 0; // 0 LOWEST, 1 IWD
    std::int32_t dsmFilter = 0;
    std::int32_t maxModels = 0;
    std::int32_t qtdom = 0;
    std::int32_t stdom = 0;
    std::int32_t ftdom = 0;
    std::int32_t sftdom = 0;
};

} // namespace kvfd
