#pragma once

#include "kvfd/kverror.h"

#include <string>

namespace kvkernel {

// Progress of a long operation, called from the worker thread that runs it.
// The order of the functions is binding: hosts call through this table.
class KvProgress
{
public:
    virtual ~KvProgress() = default;
    virtual void Start(std::string title, int total_step) = 0;
    // False tells the worker to stop.
    virtual bool SetInformation(std::string msg, int current_step) = 0;
    virtual void End(bool success) = 0;
    virtual bool Success() = 0;
    virtual void NeverEnd(bool on) = 0;
    virtual kvfd::KvError GetError() = 0;
    virtual void SetError(kvfd::KvError error) = 0;
    // Asks a yes/no question; No cancels the run.
    virtual void Popup(std::string msg) = 0;
};

} // namespace kvkernel
