#pragma once

#include "kvui_export.h"

#include <QWidget>

class QDialog;

// Base of every content widget: remembers the dialog that shows it, so that the
// content can end it with accept() or reject(), and lets the host's style sheet
// paint backgrounds and borders on a plain widget.
class KVUI_EXPORT BaseWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BaseWidget(QWidget* parent = nullptr);

    void SetDialog(QDialog* dialog) { m_dialog = dialog; }
    QDialog* Dialog() const { return m_dialog; }

protected:
    void paintEvent(QPaintEvent* event) override;

    QDialog* m_dialog = nullptr;
};
