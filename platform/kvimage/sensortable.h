#pragma once

#include <string>

namespace kvimage {
namespace detail {

// Sensor width in millimetres of the camera with that EXIF make and model, from
// the built-in table; 0 when the camera is not listed. Letter case, surrounding
// blanks and runs of blanks do not matter. The model is looked up after the
// make, after the first word of the make (makers write "OLYMPUS IMAGING CORP."
// where the table says "Olympus") and on its own (Canon writes the make into
// the model).
double FindSensorWidth(const std::string& make, const std::string& model);

} // namespace detail
} // namespace kvimage
