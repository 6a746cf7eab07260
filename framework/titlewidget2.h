#pragma once

#include "framework/basewidget.h"
#include "framework/windowdrag.h"
#include "kvui_export.h"

// The frame of the start page: home and about buttons on the left (connected by
// the owner), a close button that rejects the parent dialog without asking.
class KVUI_EXPORT TitleWidget2 : public BaseWidget
{
    Q_OBJECT

public:
    explicit TitleWidget2(QWidget* parent);

    void AddWidget(QWidget* widget);

public Q_SLOTS:
    void Quit();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QWidget* m_titleBar = nullptr;
    class QVBoxLayout* m_layout = nullptr;
    WindowDrag m_drag;
};
