#include "framework/buttongroup.h"

#include "framework/qrightclickbutton.h"

#include <QAction>
#include <QButtonGroup>
#include <QMenu>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

void ShapeFlightButton(QPushButton* button, int number)
{
    button->setObjectName(QStringLiteral("kv_group_btn"));
    button->setCheckable(true);
    button->setFixedSize(32, 56);
    button->setText(QString::number(number));
}

} // namespace

ButtonGroup::ButtonGroup(QWidget* parent)
    : QWidget(parent)
{
    setFixedWidth(52);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("bg_scrollarea_"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setStyleSheet(QStringLiteral("QWidget#bg_scrollarea_{ border: 0px; }"));
    m_contents = new QWidget(scroll);
    m_contents->setObjectName(QStringLiteral("bg_scrollarea_contents_"));
    m_contents->setStyleSheet(QStringLiteral("QWidget#bg_scrollarea_contents_{ border: 0px; }"));
    scroll->setWidget(m_contents);
    outer->addWidget(scroll);

    m_layout = new QVBoxLayout(m_contents);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    m_menu = new QMenu(this);
    QAction* remove = m_menu->addAction(tr("删除当前架次"));
    connect(remove, &QAction::triggered, this, &ButtonGroup::RemoveGroup);

    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);

    m_firstButton = new QPushButton(m_contents);
    ShapeFlightButton(m_firstButton, 1);
    m_firstButton->setChecked(true);
    m_group->addButton(m_firstButton);
    m_layout->addWidget(m_firstButton);
    // Without this, flight 1 could not be chosen again once another flight
    // had been.
    connect(m_firstButton, &QPushButton::clicked, this, qOverload<bool>(&ButtonGroup::SetCurrent));

    m_addButton = new QPushButton(QStringLiteral("+"), m_contents);
    m_addButton->setObjectName(QStringLiteral("kv_add_btn"));
    m_addButton->setFixedSize(32, 56);
    m_layout->addWidget(m_addButton);
    connect(m_addButton, &QPushButton::clicked, this, &ButtonGroup::AddGroup);
    m_layout->addStretch();
}

void ButtonGroup::AddButton(int number)
{
    auto* button = new QRightClickButton(m_contents);
    ShapeFlightButton(button, number);
    connect(button, &QRightClickButton::RightClicked, this, &ButtonGroup::PopMenu);
    connect(button, &QPushButton::clicked, this, qOverload<bool>(&ButtonGroup::SetCurrent));
    m_group->addButton(button);
    m_layout->insertWidget(m_layout->indexOf(m_addButton), button);
}

void ButtonGroup::AddGroup()
{
    ++m_highest;
    AddButton(m_highest);
}

void ButtonGroup::AddGroups(std::vector<int> flights)
{
    std::sort(flights.begin(), flights.end());
    for (int flight : flights) {
        if (flight == 0)
            continue;
        AddButton(flight + 1);
        m_highest = flight + 1;
    }
}

void ButtonGroup::PopMenu()
{
    auto* button = qobject_cast<QPushButton*>(sender());
    if (!button)
        return;
    m_menuButton = button;
    m_menu->popup(button->mapToGlobal(QPoint(0, 14)));
}

void ButtonGroup::SetCurrent(bool checked)
{
    auto* button = qobject_cast<QPushButton*>(sender());
    if (checked && button)
        Q_EMIT SetCurrent(button->text().toInt() - 1);
}

void ButtonGroup::RemoveGroup()
{
    QPushButton* button = m_menuButton;
    if (!button)
        return;
    m_menuButton = nullptr;
    int current = -1;
    if (button->isChecked()) {
        m_firstButton->setChecked(true);
        current = m_firstButton->text().toInt() - 1;
    }
    button->hide();
    m_group->removeButton(button);
    m_layout->removeWidget(button);
    bool isNumber = false;
    const int number = button->text().toInt(&isNumber);
    button->deleteLater();
    if (isNumber)
        Q_EMIT Remove(number - 1, current);
}
