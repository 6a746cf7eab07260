#include "map/mapbar.h"

#include "framework/formrows.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

MapBar::MapBar(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("MapBar"));
    setFixedSize(360, 80);

    struct Choice
    {
        const char* button;
        const char* caption; // object name of the caption; null for none
        QString text;
    };
    const Choice choices[] = {
        {"mapbar_nomap_btn_", nullptr, QString()},
        {"mapbar_amap_hybrid_btn_", "mapbar_amap_hybrid_label_", tr("AMap Hybrid")},
        {"mapbar_amap_sat_btn_", "mapbar_amap_sat_label_", tr("AMap Sat")},
        {"mapbar_gg_hybrid_btn_", "mapbar_gg_hybrid_label_", tr("Google Hybrid")},
        {"mapbar_gg_sat_btn_", "mapbar_gg_sat_label_", tr("Google Sat")},
    };

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 2);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < 5; ++i) {
        const Choice& choice = choices[i];
        QPushButton* button = kvui::MakeToolButton(this, choice.button, QString(), QSize(42, 42));
        button->setCheckable(true);
        m_buttons[i] = button;
        // "No map" is the last of the row, after the four layers.
        const int column = i == MAP_NONE ? 4 : i - 1;
        grid->addWidget(button, 0, column, Qt::AlignHCenter);
        if (choice.caption) {
            QLabel* caption = kvui::MakeLabel(this, choice.text, choice.caption);
            caption->setStyleSheet(QStringLiteral("color:white;"));
            caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            // Two words to a caption, a column each: a long one wraps.
            caption->setWordWrap(true);
            grid->addWidget(caption, 1, column, Qt::AlignHCenter);
        }
    }

    connect(m_buttons[MAP_AMAP_HYBRID], &QPushButton::clicked, this, &MapBar::OnAMapHybrid);
    connect(m_buttons[MAP_AMAP_SAT], &QPushButton::clicked, this, &MapBar::OnAMapSat);
    connect(m_buttons[MAP_GOOGLE_HYBRID], &QPushButton::clicked, this, &MapBar::OnGGHybrid);
    connect(m_buttons[MAP_GOOGLE_SAT], &QPushButton::clicked, this, &MapBar::OnGGSat);
    connect(m_buttons[MAP_NONE], &QPushButton::clicked, this, &MapBar::OnCloseMap);
}

void MapBar::SetMap(MapType type)
{
    if (type < MAP_NONE || type > MAP_GOOGLE_SAT)
        return;
    for (int i = 0; i < 5; ++i)
        m_buttons[i]->setChecked(i == type);
}

void MapBar::OnAMapHybrid()
{
    Q_EMIT ClickAMapHybrid();
    ClosePopup();
}

void MapBar::OnAMapSat()
{
    Q_EMIT ClickAMapSat();
    ClosePopup();
}

void MapBar::OnGGHybrid()
{
    Q_EMIT ClickGGHybrid();
    ClosePopup();
}

void MapBar::OnGGSat()
{
    Q_EMIT ClickGGSat();
    ClosePopup();
}

void MapBar::OnCloseMap()
{
    Q_EMIT ClickCloseMap();
    ClosePopup();
}

void MapBar::ClosePopup()
{
    // close(), not reject(): the popup deletes itself only when closed.
    if (m_dialog)
        m_dialog->close();
}
