#pragma once

#include "kvui_export.h"

#include <QTreeWidgetItem>

// A tree item that sorts by the integer value of its text in the sort column
// ("9" before "10"); text that is not a number counts as 0.
class KVUI_EXPORT TreeWidgetItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override;
};
