#include "framework/titlebar.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

TitleBar::TitleBar(int width, int height, QGraphicsItem* parent, QWidget* window)
    : QGraphicsPathItem(parent)
    , m_width(width)
    , m_height(height)
    , m_window(window)
{
    setCursor(Qt::ArrowCursor);
    setFlag(QGraphicsItem::ItemIsMovable);
    resize(width);
}

void TitleBar::resize(int width)
{
    m_width = width;
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(width, 0);
    path.lineTo(width, m_height);
    path.lineTo(0, m_height);
    path.closeSubpath();
    setPath(path);
}

void TitleBar::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    QGraphicsPathItem::paint(painter, option, widget);
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QColor colour(35, 24, 21, 192);
    painter->setBrush(colour);
    painter->setPen(colour);
    painter->fillPath(path(), colour);
    painter->drawPath(path());
}

void TitleBar::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    // The item is movable so that it receives the press, but what moves is the
    // window that shows the scene, never the item.
    if (event->button() == Qt::LeftButton && m_window) {
        m_dragging = true;
        m_pressScreenPos = event->screenPos();
        m_windowStartPos = m_window->pos();
    }
    event->accept();
}

void TitleBar::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_dragging && m_window && !m_window->isMaximized())
        m_window->move(m_windowStartPos + (event->screenPos() - m_pressScreenPos));
    event->accept();
}

void TitleBar::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    m_dragging = false;
    event->accept();
}

void TitleBar::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_window) {
        if (m_window->isMaximized())
            m_window->showNormal();
        else
            m_window->showMaximized();
    }
    event->accept();
}
