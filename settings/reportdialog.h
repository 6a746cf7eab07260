#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <string>

class QWebEngineView;

// Content of "Quality Report": an HTML report in an embedded web view, which
// starts at about:blank.
class KVUI_EXPORT ReportWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit ReportWidget(QWidget* parent = nullptr);

    QWebEngineView* View() const { return m_view; }
    // Loads a local file; path in the local code page.
    void Load(const std::string& path);

private:
    QWebEngineView* m_view = nullptr;
};

class KVUI_EXPORT ReportDialog : public kvui::ContentDialog<ReportWidget>
{
    Q_OBJECT

public:
    explicit ReportDialog(QWidget* parent = nullptr);

    void Load(std::string path) { Content()->Load(path); }
};
