#include "framework/mytablewidget.h"

QStyleOptionViewItem MyTableWidget::viewOptions() const
{
    QStyleOptionViewItem options = QTableWidget::viewOptions();
    options.displayAlignment = Qt::AlignCenter;
    options.decorationPosition = QStyleOptionViewItem::Bottom;
    return options;
}
