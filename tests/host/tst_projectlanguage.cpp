// The project module's menu, tool bar, project menu popup and status messages,
// in English and in Chinese, and as written by default.

#include "host/kvmainwindow.h"
#include "host/projectmodule.h"
#include "host/settingsmodule.h"
#include "kvkernel/aiscontext.h"
#include "languagecheck.h"
#include "modalanswer.h"
#include "project/dpmenubar.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

namespace {

std::unique_ptr<KvMainWindow> ProjectWindow()
{
    std::vector<std::unique_ptr<HostModule>> modules;
    modules.push_back(std::make_unique<ProjectModule>());
    auto window = std::make_unique<KvMainWindow>(std::move(modules));
    window->SetProject(std::make_unique<kvkernel::AISContext>());
    return window;
}

QString Foreign(const QString& language, QWidget* root)
{
    return kvtest::LanguageCheck(language).Foreign(root).join(QLatin1Char('\n'));
}

} // namespace

class TestProjectLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void cleanup() { QVERIFY(SettingsModule::ApplyLanguage(QString(), false)); }

    // The File menu's project actions, the tool bar's menu button, the four
    // buttons of the popup it opens (worded by the module, not the style
    // sheet) and what the status bar says when the wizard is left.
    void projectModuleReadsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("startPage");
        QTest::addColumn<QString>("menuButton");
        QTest::addColumn<QStringList>("popup");
        QTest::addColumn<QString>("wizardLeft");
        QTest::newRow("default") << ""
                                 << "Start &Page…"
                                 << "Project ▾"
                                 << QStringList {"Edit", "Save", "Save As", "Main Menu"}
                                 << "Project wizard left; nothing was created";
        QTest::newRow("en") << "en"
                            << "Start &Page…"
                            << "Project ▾" << QStringList {"Edit", "Save", "Save As", "Main Menu"}
                            << "Project wizard left; nothing was created";
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("起始页(&P)…")
                               << QStringLiteral("工程 ▾")
                               << QStringList {QStringLiteral("编辑"), QStringLiteral("保存"),
                                               QStringLiteral("另存为"), QStringLiteral("主菜单")}
                               << QStringLiteral("已退出工程向导，未创建工程");
    }

    void projectModuleReadsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, startPage);
        QFETCH(QString, menuButton);
        QFETCH(QStringList, popup);
        QFETCH(QString, wizardLeft);
        QVERIFY(SettingsModule::ApplyLanguage(language, false));
        const std::unique_ptr<KvMainWindow> window = ProjectWindow();

        QCOMPARE(window->findChild<QAction*>(QStringLiteral("kv_action_start_page"))->text(),
                 startPage);
        QString foreign = Foreign(language, window->Menu(KvMainWindow::MenuId::File));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
        auto* bar = window->findChild<QToolBar*>(QStringLiteral("kv_project_toolbar"));
        QVERIFY(bar);
        foreign = Foreign(language, bar);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
        QCOMPARE(kvtest::Text(bar, QStringLiteral("kv_project_menu_button")), menuButton);

        window->show();
        kvtest::Click(bar, QStringLiteral("kv_project_menu_button"));
        QPointer<DpMenuBar> menu = window->findChild<DpMenuBar*>(QStringLiteral("kv_project_menu"));
        QVERIFY(menu);
        QStringList shown;
        for (const char* name :
             {"dpmn_edit_btn_", "dpmn_save_btn_", "dpmn_save_as_btn_", "dpmn_main_btn_"})
            shown << kvtest::Text(menu, QLatin1String(name));
        QCOMPARE(shown, popup);
        foreign = Foreign(language, menu);
        menu->close();
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));

        kvtest::ModalAnswer wizard;
        wizard.Click(QStringLiteral("prj_quitBtn")).Arm();
        window->findChild<QAction*>(QStringLiteral("kv_action_new"))->trigger();
        QVERIFY2(wizard.Done(), qPrintable(wizard.Error()));
        QCOMPARE(window->statusBar()->currentMessage(), wizardLeft);
    }
};

QTEST_MAIN(TestProjectLanguage)
#include "tst_projectlanguage.moc"
