#include "map/dpviewtoolbar.h"

#include "framework/formrows.h"

#include <QGridLayout>
#include <QPushButton>

namespace {

constexpr QSize kButton(42, 42);

// The picture name of the map button for each map; null for a value outside
// MapType.
const char* MapIcon(MapType type)
{
    switch (type) {
    case MAP_NONE:
        return "map_show";
    case MAP_AMAP_HYBRID:
        return "map_gdjt";
    case MAP_AMAP_SAT:
        return "map_gdwx";
    case MAP_GOOGLE_HYBRID:
        return "map_gghh";
    case MAP_GOOGLE_SAT:
        return "map_ggwx";
    }
    return nullptr;
}

QString MapButtonSheet(const char* icon)
{
    const QString rule
        = QStringLiteral("%1{ border: 2px; border-color: beige; "
                         "background-image:url(\":/map/images/1280/map/%2_but_%3.png\"); }");
    const QString name = QLatin1String(icon);
    return rule.arg(QStringLiteral("QPushButton"), name, QStringLiteral("nor")) + QLatin1Char('\n')
        + rule.arg(QStringLiteral("QPushButton:hover"), name, QStringLiteral("hov"))
        + QLatin1Char('\n')
        + rule.arg(QStringLiteral("QPushButton:pressed"), name, QStringLiteral("hov"));
}

} // namespace

DpViewToolBar::DpViewToolBar(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("DpViewToolBar"));
    resize(94, 664);
    setMinimumSize(80, 500);

    auto make = [this](const char* name, const QString& toolTip, bool checkable) {
        QPushButton* button = kvui::MakeToolButton(this, name, toolTip, kButton);
        button->setCheckable(checkable);
        return button;
    };
    m_map = make("dpvtb_map_btn_", tr("Map"), false);
    m_zoomIn = make("dpvtb_zoom_in_btn_", tr("Zoom In"), true);
    m_zoomOut = make("dpvtb_zoom_out_btn_", tr("Zoom Out"), true);
    m_pan = make("dpvtb_pan_btn_", tr("Pan"), true);
    m_fit = make("dpvtb_fit_btn_", tr("Fit"), false);
    m_selectOne = make("dpvtb_select_one_btn_", tr("Select"), true);
    m_selectRect = make("dpvtb_select_rect_btn_", tr("Select By Rectangle"), true);
    m_selectFree = make("dpvtb_select_free_btn_", tr("Select By Polygon"), true);
    m_delete = make("dpvtb_delete_btn_", tr("Delete"), false);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 12, 0, 12);
    grid->setSpacing(10);
    int row = 0;
    for (QPushButton* button : {m_map, m_zoomIn, m_zoomOut, m_pan, m_fit, m_selectOne, m_selectRect,
                                m_selectFree, m_delete})
        grid->addWidget(button, row++, 0, Qt::AlignHCenter);
    grid->setRowStretch(row, 1);

    connect(m_map, &QPushButton::clicked, this, qOverload<>(&DpViewToolBar::ClickMap));
    connect(m_zoomIn, &QPushButton::clicked, this, &DpViewToolBar::ClickZoomIn);
    connect(m_zoomOut, &QPushButton::clicked, this, &DpViewToolBar::ClickZoomOut);
    connect(m_pan, &QPushButton::clicked, this, &DpViewToolBar::ClickPan);
    connect(m_fit, &QPushButton::clicked, this, &DpViewToolBar::ClickFit);
    connect(m_selectOne, &QPushButton::clicked, this, &DpViewToolBar::ClickSelectOne);
    connect(m_selectRect, &QPushButton::clicked, this, &DpViewToolBar::ClickSelectRect);
    connect(m_selectFree, &QPushButton::clicked, this, &DpViewToolBar::ClickSelectFree);
    connect(m_delete, &QPushButton::clicked, this, &DpViewToolBar::ClickDelete);

    SetMap(MAP_NONE);
}

void DpViewToolBar::SetMap(MapType type)
{
    if (const char* icon = MapIcon(type))
        m_map->setStyleSheet(MapButtonSheet(icon));
}

void DpViewToolBar::ShowMap(bool on)
{
    m_map->setVisible(on);
}

void DpViewToolBar::HideSelect()
{
    for (QPushButton* button : {m_selectOne, m_selectRect, m_selectFree, m_delete})
        button->hide();
}

void DpViewToolBar::UpdateCheckStatus(int tool)
{
    const std::pair<int, QPushButton*> tools[] = {
        {kPan, m_pan},
        {kZoomIn, m_zoomIn},
        {kZoomOut, m_zoomOut},
        {kSelectOne, m_selectOne},
        {kSelectRect, m_selectRect},
        {kSelectFree, m_selectFree},
    };
    for (const auto& [code, button] : tools)
        button->setChecked(code == tool);
}

void DpViewToolBar::ClickMap()
{
    const QPoint at = mapToGlobal(m_map->pos());
    Q_EMIT ClickMap(at.x(), at.y());
}
