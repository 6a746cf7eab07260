#pragma once

#include "kvui_export.h"

#include <QPushButton>

// A push button that also reports presses of the right mouse button.
class KVUI_EXPORT QRightClickButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

Q_SIGNALS:
    void RightClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
