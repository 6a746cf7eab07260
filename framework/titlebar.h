#pragma once

#include "kvui_export.h"

#include <QGraphicsPathItem>
#include <QPoint>

// A translucent title strip painted in a graphics scene; dragging it moves the
// window that shows the scene, double-clicking maximises or restores it.
class KVUI_EXPORT TitleBar : public QGraphicsPathItem
{
public:
    TitleBar(int width, int height, QGraphicsItem* parent, QWidget* window);

    void resize(int width);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    int m_width;
    int m_height;
    bool m_dragging = false;
    QPoint m_pressScreenPos;
    QPoint m_windowStartPos;
    QWidget* m_window;
};
