#pragma once

// What the benches that time windows share: a clock reading and a wait until a
// window is on screen and painted.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>

namespace kvbench {

// Milliseconds since start.
inline double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Runs events until the window is on screen and painted (at most 5 s).
inline void WaitExposed(QWidget& widget)
{
    QElapsedTimer wait;
    wait.start();
    while (!(widget.windowHandle() && widget.windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

} // namespace kvbench
