#pragma once

#include "framework/basewidget.h"
#include "framework/windowdrag.h"
#include "kvui_export.h"

#include <atomic>

class QLabel;
class QPushButton;
class QVBoxLayout;

// The visible frame of every dialog: a title strip with its buttons above the
// dialog's content. Dragging the strip moves the dialog; the close button asks
// first when need-check is set.
class KVUI_EXPORT TitleWidget : public BaseWidget
{
    Q_OBJECT

public:
    TitleWidget(QWidget* parent, bool showMinMax, bool maximised, bool showSave);

    void SetTitle(const QString& title);
    QString Title() const;
    // Appends a widget below the title strip.
    void AddWidget(QWidget* widget);
    void SetNeedCheck(bool needCheck) { m_needCheck = needCheck; }
    // True while a close is being decided. Safe to call from any thread: a
    // progress worker pauses while the question is open.
    bool IsChecking() const { return m_isChecking.load(); }

Q_SIGNALS:
    void ConfirmQuit();
    void ConfirmSave();

public Q_SLOTS:
    void Maximize();
    void Minimize();

private Q_SLOTS:
    void Quit();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void SetMaximizeLook(const QString& picture, const QString& toolTip);

    QWidget* m_titleBar = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QLabel* m_title = nullptr;
    QPushButton* m_minButton = nullptr;
    QPushButton* m_maxButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    WindowDrag m_drag;
    bool m_needCheck = false;
    std::atomic<bool> m_isChecking {false};
    bool m_maximised = false;
    bool m_showSave = false;
};
