#pragma once

#include "kvui_export.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

// Base of every content widget: remembers the dialog that shows it, so that the
// content can end it, and lets the host's style sheet paint backgrounds and
// borders on a plain widget.
//
// A content widget ends its dialog through AcceptDialog(), RejectDialog() or
// FinishDialog(code). They do nothing while no dialog is set (a widget built on
// its own, in a test or embedded in another form) or after the dialog is gone:
//
//     void CameraWidget::Accept()
//     {
//         m_camera = m_setting->GetCamera();
//         AcceptDialog();
//     }
class KVUI_EXPORT BaseWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BaseWidget(QWidget* parent = nullptr);

    void SetDialog(QDialog* dialog) { m_dialog = dialog; }
    QDialog* Dialog() const { return m_dialog; }

    // The dialog's accept(), reject() and done(code), each through the
    // dialog's own override.
    void AcceptDialog();
    void RejectDialog();
    void FinishDialog(int code);

protected:
    void paintEvent(QPaintEvent* event) override;

    QPointer<QDialog> m_dialog;
};
