#pragma once

#include "framework/basewidget.h"
#include "kvui_export.h"

// A small header with five buttons (disable, enable, delete, list view, grid
// view), each forwarded to one signal.
class KVUI_EXPORT LittleTitleWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit LittleTitleWidget(QWidget* parent);

Q_SIGNALS:
    void ShowTable();
    void ShowIcon();
    void ClickEnable();
    void ClickDisable();
    void ClickRemove();
};
