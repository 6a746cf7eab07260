#pragma once

#include "kvfd/transient.h"
#include "kvui_export.h"
#include "processing/algoparameter.h"

#include <QString>

// What every parameter page offers the batch chain: a new record built from
// its controls as they are now (count 1, all = true, empty path).
class KVUI_EXPORT ParameterWidgetInterface
{
public:
    virtual kvfd::KvPtr<AlgoParameter> GetParameter() = 0;

protected:
    // Pages are owned and deleted as widgets, never through this interface.
    ~ParameterWidgetInterface() = default;
};

// The translated display name of an algorithm type code ("Resample" for 14);
// empty for a code that no page makes.
KVUI_EXPORT QString AlgoTypeName(int code);
