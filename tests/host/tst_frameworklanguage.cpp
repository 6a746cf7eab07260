// The menu entries, docks, tool bars and tabs the modules add follow a live
// change of language. The windows themselves are read by the sweep of every
// window (tst_screenlanguage).

#include "framework/language.h"
#include "framework/savequestion.h"
#include "host/cameramodule.h"
#include "host/folderchecksum.h"
#include "host/frameworkmodule.h"
#include "host/kvmainwindow.h"
#include "host/settingsmodule.h"
#include "host/viewermodule.h"
#include "hosttest.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QAction>
#include <QDockWidget>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <functional>

namespace {

// The texts the window and its modules put in the menu bar, the docks, the
// tool bars and the central tabs, each under its object's name.
QStringList WindowTexts(KvMainWindow& window)
{
    QStringList texts;
    std::function<void(const QList<QAction*>&)> read = [&](const QList<QAction*>& actions) {
        for (QAction* action : actions) {
            texts << action->objectName() + QLatin1Char('=') + action->text();
            if (action->menu())
                read(action->menu()->actions());
        }
    };
    read(window.menuBar()->actions());
    for (QDockWidget* dock :
         window.findChildren<QDockWidget*>(QString(), Qt::FindDirectChildrenOnly))
        texts << dock->objectName() + QLatin1Char('=') + dock->windowTitle();
    for (QToolBar* bar : window.findChildren<QToolBar*>())
        texts << bar->objectName() + QLatin1Char('=') + bar->windowTitle();
    for (QTabWidget* tabs :
         window.findChildren<QTabWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(window.centralWidget())) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    }
    for (QToolButton* button :
         window.findChildren<QToolButton*>(QStringLiteral("kv_project_menu_button")))
        texts << button->text() + QLatin1Char('|') + button->toolTip();
    return texts;
}

} // namespace

class TestFrameworkLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_dir.isValid());
    }

    void cleanup() { QVERIFY(SettingsModule::ApplyLanguage(QString(), false)); }

    // A language chosen in the Settings menu reaches every menu entry, dock,
    // tool bar and tab of the window at once: they read as in a window built
    // in that language, and back.
    void windowFollowsALiveSwitch()
    {
        auto textsBuiltIn = [](const QString& language) {
            SettingsModule::ApplyLanguage(language, false);
            KvMainWindow window(kvhost::HostModules());
            return WindowTexts(window);
        };
        const QStringList chinese = textsBuiltIn(QStringLiteral("zh_CN"));
        const QStringList english = textsBuiltIn(QStringLiteral("en"));
        QVERIFY(chinese != english);
        KvMainWindow window(kvhost::HostModules());
        for (const char* language : {"zh_CN", "en"}) {
            hosttest::Action(window, QStringLiteral("kv_action_language_") + language)->trigger();
            QTRY_COMPARE(WindowTexts(window), language == QByteArray("en") ? english : chinese);
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestFrameworkLanguage)
#include "tst_frameworklanguage.moc"
