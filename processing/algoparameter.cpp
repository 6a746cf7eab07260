#include "processing/algoparameter.h"

// Out of line, so that each record's type information lives once, in the
// library, and a dynamic_cast in the host finds the same type.
AlgoParameter::~AlgoParameter() = default;
ColorParameter::~ColorParameter() = default;
DistortionParameter::~DistortionParameter() = default;
EnhanceParameter::~EnhanceParameter() = default;
FormatParameter::~FormatParameter() = default;
PyramidParameter::~PyramidParameter() = default;
ResampleParameter::~ResampleParameter() = default;
RotateParameter::~RotateParameter() = default;
