#include "framework/basewidget.h"

#include <QPainter>
#include <QStyleOption>

BaseWidget::BaseWidget(QWidget* parent)
    : QWidget(parent)
{ }

void BaseWidget::paintEvent(QPaintEvent*)
{
    // A QWidget subclass ignores background rules of a style sheet unless it
    // draws the PE_Widget primitive itself.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
