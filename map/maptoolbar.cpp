#include "map/maptoolbar.h"

#include "map/mapbar.h"

#include <QVBoxLayout>

MapToolBar::MapToolBar(QWidget* parent)
    : TransparentDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bar = new MapBar(this);
    m_bar->SetDialog(this);
    layout->addWidget(m_bar);

    connect(m_bar, &MapBar::ClickAMapHybrid, this, &MapToolBar::ClickAMapHybrid);
    connect(m_bar, &MapBar::ClickAMapSat, this, &MapToolBar::ClickAMapSat);
    connect(m_bar, &MapBar::ClickGGHybrid, this, &MapToolBar::ClickGGHybrid);
    connect(m_bar, &MapBar::ClickGGSat, this, &MapToolBar::ClickGGSat);
    connect(m_bar, &MapBar::ClickCloseMap, this, &MapToolBar::ClickCloseMap);
}

void MapToolBar::SetMap(MapType type)
{
    m_bar->SetMap(type);
}
