#include "framework/treewidgetitem.h"

#include <QTreeWidget>

bool TreeWidgetItem::operator<(const QTreeWidgetItem& other) const
{
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    return text(column).toInt() < other.text(column).toInt();
}
