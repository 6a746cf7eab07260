#pragma once

#include "kvui_export.h"

#include <QWidget>

// The placeholder widget the library offers to Qt Designer.
class KVUI_EXPORT qaui : public QWidget
{
    Q_OBJECT

public:
    explicit qaui(QWidget* parent = nullptr);
};
