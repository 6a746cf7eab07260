#pragma once

// A framework header that reaches up into camera/: the layer check must fail on it.
#include "camera/cameradialog.h"
