#include "framework/transparentdialog.h"

#include <QKeyEvent>
#include <QPainter>

TransparentDialog::TransparentDialog()
    : TransparentDialog(nullptr)
{ }

TransparentDialog::TransparentDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TransparentDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void TransparentDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), QColor(0, 0, 0, 0));
}
