#pragma once

#include "kvfd/camerainfo.h"
#include "kvfd/imageinfoset.h"
#include "kvfd/transient.h"
#include "kvui_export.h"

#include <cstdint>
#include <string>

// One image pre-processing step as the host runs it: which algorithm (type),
// on which images (all), and the algorithm's own values in the subtype. The
// pages and dialogs of this library only gather these records; the host runs
// them. Records are shared through kvfd::KvPtr, never copied, and a fresh one
// starts with count 0 until its first KvPtr takes it.
struct KVUI_EXPORT AlgoParameter : public kvfd::Transient
{
    ~AlgoParameter() override;

    std::int32_t type = 0;
    // true: every image of the project; false: the selected images only.
    bool all = true;
    // Left empty by every page of this library.
    std::string path;
};

// Type codes of AlgoParameter::type; no other code is made.
namespace kvalgo {
constexpr std::int32_t kColor = 1;
constexpr std::int32_t kDistortion = 3;
constexpr std::int32_t kEnhance = 6;
constexpr std::int32_t kFormat = 7;
constexpr std::int32_t kPyramid = 10;
constexpr std::int32_t kResample = 14;
constexpr std::int32_t kRotate = 15;
} // namespace kvalgo

struct KVUI_EXPORT ColorParameter : public AlgoParameter
{
    ~ColorParameter() override;
};

// Lens distortion removed with the camera's model.
struct KVUI_EXPORT DistortionParameter : public AlgoParameter
{
    ~DistortionParameter() override;

    kvfd::CameraInfo camera;
    kvfd::ImageInfoSet images;
    // In the order of the distortion dialog's options: TIFF output, centred
    // principal point, the camera given here rather than the project's.
    bool toTif = true;
    bool toCenter = true;
    bool useCamera = true;
};

struct KVUI_EXPORT EnhanceParameter : public AlgoParameter
{
    ~EnhanceParameter() override;
};

struct KVUI_EXPORT FormatParameter : public AlgoParameter
{
    ~FormatParameter() override;

    // "BMP", "JPEG", "PNG" or "GTiff".
    std::string format;
};

// Overviews, made beside the images.
struct KVUI_EXPORT PyramidParameter : public AlgoParameter
{
    ~PyramidParameter() override;
};

struct KVUI_EXPORT ResampleParameter : public AlgoParameter
{
    ~ResampleParameter() override;

    // Scale factor, below 1.
    double rate = 0.5;
};

struct KVUI_EXPORT RotateParameter : public AlgoParameter
{
    ~RotateParameter() override;

    // 1 = 90°, 2 = 180°, 3 = 270°.
    std::int32_t rotateType = 1;
};
