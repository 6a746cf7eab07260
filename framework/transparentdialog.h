#pragma once

#include "kvui_export.h"

#include <QDialog>

// Frameless, translucent dialog: the visible frame is drawn by the TitleWidget
// inside it. Escape never closes it; Enter still reaches the default button.
class KVUI_EXPORT TransparentDialog : public QDialog
{
    Q_OBJECT

public:
    TransparentDialog();
    explicit TransparentDialog(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
