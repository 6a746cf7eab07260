#pragma once

#include "kvui_export.h"

#include <QTableWidget>

// A table that centres its texts and draws icons below them.
class KVUI_EXPORT MyTableWidget : public QTableWidget
{
    Q_OBJECT

public:
    using QTableWidget::QTableWidget;

protected:
    QStyleOptionViewItem viewOptions() const override;
};
