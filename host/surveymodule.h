#pragma once

#include "host/hostmodule.h"
#include "host/imagetablepanel.h"
#include "host/surveyview.h"

#include <QPointer>
#include <QTabWidget>

// The survey map in the main window: the central panel becomes two tabs, the
// map of the open project ("Map") and the image table ("Table"). The map follows
// the open project and is redrawn whenever the project is replaced.
class SurveyModule : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("survey"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

    SurveyView* View() const { return m_view; }
    ImageTablePanel* Table() const { return m_table; }
    QTabWidget* Tabs() const { return m_tabs; }

private:
    void ShowProject();

    KvMainWindow* m_window = nullptr;
    QPointer<QTabWidget> m_tabs;
    QPointer<SurveyView> m_view;
    QPointer<ImageTablePanel> m_table;
};
