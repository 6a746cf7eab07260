#include "framework/framedialog.h"

#include <QVBoxLayout>

FrameDialog::FrameDialog(QWidget* parent)
    : TransparentDialog(parent)
{
    // The layout keeps Qt's default margins: that band stays transparent
    // around the visible frame.
    auto* layout = new QVBoxLayout(this);
    m_frame = new TitleWidget(this, false, false, false);
    layout->addWidget(m_frame);
}
