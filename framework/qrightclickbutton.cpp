#include "framework/qrightclickbutton.h"

#include <QMouseEvent>

void QRightClickButton::mousePressEvent(QMouseEvent* event)
{
    QPushButton::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        Q_EMIT RightClicked();
}
