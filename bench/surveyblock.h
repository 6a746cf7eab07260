#pragma once

// A synthetic survey block for the benches that draw or report on one.

#include "kvprj/kvproject.h"

#include <cmath>
#include <string>

namespace kvbench {

// Flights of 250 images, 30 m apart along the line and 60 m between lines, 100 m
// above the ground in UTM zone 50: each image overlaps about a dozen others.
inline void FillSurveyBlock(kvprj::KvProject& project, int images)
{
    project.GetPrjInfo().coordinateId = 32650;
    project.GetPrjInfo().meanElevation = 20.0;
    kvfd::CameraInfo camera;
    camera.width = 5472;
    camera.height = 3648;
    camera.focal = 8.8;
    camera.pixel_size_x = camera.pixel_size_y = 13.2 / 5472;
    camera.x0 = 2736;
    camera.y0 = 1824;
    project.GetCameraInfoSet().AddCamera(camera);
    kvfd::ImageInfoSet& set = project.GetImageInfoSet();
    set.Reserve(images);
    for (int i = 0; i < images; ++i) {
        const int line = i / 250;
        kvfd::EOP eop;
        eop.X = 500000.0 + 30.0 * (line % 2 ? 249 - i % 250 : i % 250);
        eop.Y = 3300000.0 + 60.0 * line;
        eop.Z = 120.0;
        eop.Omega = 0.02 * std::sin(i * 0.37);
        eop.Phi = 0.02 * std::cos(i * 0.11);
        eop.Kappa = line % 2 ? 3.14159 : 0.0;
        const int index = set.AddImage("DJI_" + std::to_string(i) + ".JPG", "/data", eop, 0, true);
        set.GetImageExt(index)->flight = line;
    }
}

} // namespace kvbench
