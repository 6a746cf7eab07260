#pragma once

#include "kvui_export.h"

#include <QGraphicsPathItem>

// A translucent 40-pixel strip painted along the bottom of a graphics scene.
class KVUI_EXPORT StatusBar : public QGraphicsPathItem
{
public:
    StatusBar(int width, int height, QGraphicsItem* parent);

    void resize(int width, int height);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    int m_width;
    int m_height;
};
