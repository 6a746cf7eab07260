#pragma once

#include <QPoint>
#include <QWidget>

// Moves a window by the mouse: the title strips of the frames share it.
struct WindowDrag
{
    bool dragging = false;
    QPoint pressPos;  // screen position of the press
    QPoint windowPos; // window position at the press

    void Press(const QWidget* window, const QPoint& globalPos)
    {
        dragging = true;
        pressPos = globalPos;
        windowPos = window->pos();
    }
    void Move(QWidget* window, const QPoint& globalPos) const
    {
        if (dragging && window)
            window->move(windowPos + (globalPos - pressPos));
    }
    void Release() { dragging = false; }
};
