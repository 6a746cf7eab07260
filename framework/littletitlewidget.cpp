#include "framework/littletitlewidget.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSpacerItem>

LittleTitleWidget::LittleTitleWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("LittleTitleWidget"));
    resize(518, 30);
    setFixedHeight(30);
    setAutoFillBackground(true);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(6);
    layout->setContentsMargins(14, 0, 14, 0);
    auto* buttons = new QHBoxLayout();
    buttons->setSpacing(12);
    layout->addLayout(buttons);
    layout->addItem(new QSpacerItem(311, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    auto addButton = [this, buttons](const char* name, void (LittleTitleWidget::*signal)()) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setFixedSize(24, 24);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, signal);
    };
    addButton("ltw_ineditable_btn_", &LittleTitleWidget::ClickDisable);
    addButton("ltw_editable_btn_", &LittleTitleWidget::ClickEnable);
    addButton("ltw_delete_btn_", &LittleTitleWidget::ClickRemove);
    addButton("ltw_view_list_btn_", &LittleTitleWidget::ShowTable);
    addButton("ltw_view_grid_btn_", &LittleTitleWidget::ShowIcon);
}
