#include "framework/statusbar.h"

#include <QCursor>
#include <QPainter>
#include <QPainterPath>

StatusBar::StatusBar(int width, int height, QGraphicsItem* parent)
    : QGraphicsPathItem(parent)
    , m_width(width)
    , m_height(height)
{
    setCursor(Qt::ArrowCursor);
    resize(width, height);
}

void StatusBar::resize(int width, int height)
{
    m_width = width;
    m_height = height;
    QPainterPath path;
    path.moveTo(0, height);
    path.lineTo(width, height);
    path.lineTo(width, height - 40);
    path.lineTo(0, height - 40);
    path.closeSubpath();
    setPath(path);
}

void StatusBar::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    QGraphicsPathItem::paint(painter, option, widget);
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter->fillPath(path(), QColor(35, 24, 21, 192));
    painter->drawPath(path());
}
