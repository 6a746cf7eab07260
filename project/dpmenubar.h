#pragma once

#include "framework/basewidget.h"
#include "framework/transparentdialog.h"
#include "kvui_export.h"

// The four buttons of the main menu: edit, save, save as and main menu. Each
// button emits its signal; their look comes from the host's style sheet.
class KVUI_EXPORT DPMenuWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit DPMenuWidget(QWidget* parent = nullptr);

Q_SIGNALS:
    void NewProject();
    void EditProject();
    void SaveProject();
    void SaveasProject();
    void PopupMain();
};

// The drop-down popup that the host shows under its menu button. It deletes
// itself when closed, by Save or by a click outside, and says so with Quit().
class KVUI_EXPORT DpMenuBar : public TransparentDialog
{
    Q_OBJECT

public:
    explicit DpMenuBar(QWidget* parent = nullptr);
    ~DpMenuBar() override;

    DPMenuWidget* Widget() const { return m_widget; }

Q_SIGNALS:
    void NewProject();
    void EditProject();
    void SaveProject();
    void SaveasProject();
    void PopupMain();
    void Quit();

public Q_SLOTS:
    void SaveProject2();

private:
    DPMenuWidget* m_widget;
};
