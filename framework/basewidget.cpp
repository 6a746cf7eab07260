#include "framework/basewidget.h"

#include <QPainter>
#include <QStyleOption>

BaseWidget::BaseWidget(QWidget* parent)
    : QWidget(parent)
{ }

void BaseWidget::AcceptDialog()
{
    if (m_dialog)
        m_dialog->accept();
}

void BaseWidget::RejectDialog()
{
    if (m_dialog)
        m_dialog->reject();
}

void BaseWidget::FinishDialog(int code)
{
    if (m_dialog)
        m_dialog->done(code);
}

void BaseWidget::paintEvent(QPaintEvent*)
{
    // A QWidget subclass ignores background rules of a style sheet unless it
    // draws the PE_Widget primitive itself.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
