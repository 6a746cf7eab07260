#include "framework/titlewidget2.h"

#include "framework/formrows.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

TitleWidget2::TitleWidget2(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("TitleWidget2"));
    m_layout = new QVBoxLayout(this);
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(3, 3, 3, 3);

    m_titleBar = new QWidget(this);
    m_titleBar->setObjectName(QStringLiteral("kv_title_widget2"));
    m_titleBar->setAutoFillBackground(true);
    m_titleBar->setFixedHeight(36);
    m_layout->addWidget(m_titleBar);
    auto* bar = new QHBoxLayout(m_titleBar);

    auto makeButton = [this](const char* name) {
        QPushButton* button = kvui::MakeToolButton(m_titleBar, name, QString(), QSize(22, 22));
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    bar->addWidget(makeButton("dialog_home_btn"), 1, Qt::AlignLeft);
    bar->addWidget(makeButton("dialog_about_btn"), 1, Qt::AlignLeft);
    bar->addItem(new QSpacerItem(1020, 34, QSizePolicy::Expanding, QSizePolicy::Expanding));
    QPushButton* close = makeButton("dialog_close_btn");
    bar->addWidget(close, 1, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &TitleWidget2::Quit);
}

void TitleWidget2::AddWidget(QWidget* widget)
{
    m_layout->addWidget(widget);
}

void TitleWidget2::Quit()
{
    if (auto* dialog = qobject_cast<QDialog*>(parentWidget()))
        dialog->reject();
}

void TitleWidget2::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && parentWidget()
        && m_titleBar->geometry().contains(event->pos()))
        m_drag.Press(parentWidget(), event->globalPos());
    BaseWidget::mousePressEvent(event);
}

void TitleWidget2::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.Move(parentWidget(), event->globalPos());
    BaseWidget::mouseMoveEvent(event);
}

void TitleWidget2::mouseReleaseEvent(QMouseEvent* event)
{
    m_drag.Release();
    BaseWidget::mouseReleaseEvent(event);
}
