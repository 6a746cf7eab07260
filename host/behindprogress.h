#pragma once

#include "framework/kvprogressimpl.h"

#include <thread>

class QWidget;

namespace kvhost {

// Runs work(progress) on a worker thread while the library's progress dialog
// (pause, cancel) shows on this one, and returns what the work returned. The
// work must end its progress (KvProgress::End), which closes the dialog.
template <class Work> auto RunBehindProgress(QWidget* parent, Work work) -> decltype(work(nullptr))
{
    decltype(work(nullptr)) result;
    KvProgressImpl progress(parent);
    std::thread worker([&] { result = work(&progress); });
    // Returns once the worker has called End, so the join below is short.
    progress.Run();
    worker.join();
    return result;
}

} // namespace kvhost
