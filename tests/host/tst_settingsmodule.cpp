#include "framework/kvsettingskeys.h"
#include "framework/language.h"
#include "host/kvhostsettingskeys.h"
#include "host/kvmainwindow.h"
#include "host/settingsmodule.h"
#include "kvkernel/aiscontext.h"
#include "languagecheck.h"
#include "modalanswer.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

namespace {

QSettings Store()
{
    return QSettings(QLatin1String(kvui::settings::kOrganization),
                     QLatin1String(kvui::settings::kApplication));
}

QString StoredValue()
{
    return Store().value(QLatin1String(kvhost::settings::kLanguage)).toString();
}

std::unique_ptr<KvMainWindow> WindowWithSettings()
{
    std::vector<std::unique_ptr<HostModule>> modules;
    modules.push_back(std::make_unique<SettingsModule>());
    return std::make_unique<KvMainWindow>(std::move(modules));
}

QAction* Action(const KvMainWindow& window, const QString& name)
{
    return window.findChild<QAction*>(QStringLiteral("kv_action_language_") + name);
}

// The languages' entries that are checked, by their names.
QStringList Checked(const KvMainWindow& window)
{
    QStringList checked;
    for (const char* name : {"en", "zh_CN", "default"}) {
        if (QAction* action = Action(window, QLatin1String(name)); action && action->isChecked())
            checked << QLatin1String(name);
    }
    return checked;
}

QString FileMenuTitle(const KvMainWindow& window)
{
    return window.Menu(KvMainWindow::MenuId::File)->title();
}

QString Foreign(const QString& language, QWidget* root)
{
    return kvtest::LanguageCheck(language).Foreign(root).join(QLatin1Char('\n'));
}

} // namespace

class TestSettingsModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void cleanup()
    {
        QVERIFY(SettingsModule::ApplyLanguage(QString(), false));
        Store().remove(QLatin1String(kvhost::settings::kLanguage));
    }

    // The menu sits before Help; its entry switches the language at once,
    // is kept for the next start, and the window's own menus follow. Default
    // brings back the texts as written.
    void languageMenuSwitchesAndRemembers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("settingsMenu");
        QTest::newRow("en") << "en"
                            << "en"
                            << "&File"
                            << "&Settings";
        QTest::newRow("zh_CN") << "zh_CN"
                               << "zh_CN" << QStringLiteral("文件(&F)")
                               << QStringLiteral("设置(&S)");
    }

    void languageMenuSwitchesAndRemembers()
    {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, fileMenu);
        QFETCH(QString, settingsMenu);
        auto window = WindowWithSettings();
        auto* settings = window->findChild<QMenu*>(QStringLiteral("kv_menu_settings"));
        QVERIFY(settings);
        const QList<QAction*> bar = window->menuBar()->actions();
        QCOMPARE(bar.indexOf(settings->menuAction()) + 1,
                 bar.indexOf(window->Menu(KvMainWindow::MenuId::Help)->menuAction()));
        QCOMPARE(Checked(*window), QStringList {QStringLiteral("default")});

        Action(*window, name)->trigger();
        QCOMPARE(kvui::Language(), code);
        QCOMPARE(StoredValue(), code);
        QCOMPARE(Checked(*window), QStringList {name});
        QTRY_COMPARE(FileMenuTitle(*window), fileMenu);
        QTRY_COMPARE(settings->title(), settingsMenu);
        // Panels already built keep their language; the menus follow.
        const QString foreign = Foreign(code, window->menuBar());
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
        const QString status = window->statusBar()->currentMessage();
        QVERIFY(!status.isEmpty());
        QVERIFY2(!kvtest::LanguageCheck(code).IsForeign(status), qPrintable(status));

        Action(*window, QStringLiteral("default"))->trigger();
        QCOMPARE(kvui::Language(), QString());
        QCOMPARE(StoredValue(), QString());
        QCOMPARE(Checked(*window), QStringList {QStringLiteral("default")});
        QTRY_COMPARE(FileMenuTitle(*window), QStringLiteral("&File"));
        QTRY_COMPARE(settings->title(), QStringLiteral("&Settings"));
        QCOMPARE(window->windowTitle(), QStringLiteral("kvhost"));
    }

    // What main() does before any window is built: the stored language, or
    // the texts as written when none or an unknown one is stored.
    void storedLanguageAppliesAtStart_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("checked");
        QTest::newRow("zh_CN") << "zh_CN"
                               << "zh_CN"
                               << "zh_CN";
        QTest::newRow("en") << "en"
                            << "en"
                            << "en";
        QTest::newRow("unknown") << "fr"
                                 << ""
                                 << "default";
        QTest::newRow("none") << QString() << ""
                              << "default";
    }

    void storedLanguageAppliesAtStart()
    {
        QFETCH(QString, stored);
        QFETCH(QString, code);
        QFETCH(QString, checked);
        if (!stored.isNull())
            Store().setValue(QLatin1String(kvhost::settings::kLanguage), stored);
        QCOMPARE(SettingsModule::StoredLanguage(), code);
        QVERIFY(SettingsModule::ApplyLanguage(SettingsModule::StoredLanguage(), false));
        QCOMPARE(kvui::Language(), code);
        auto window = WindowWithSettings();
        QCOMPARE(Checked(*window), QStringList {checked});
        // Applying at start does not replace what was stored.
        QCOMPARE(StoredValue(), stored);
    }

    // A window built after the choice reads in the language throughout: its
    // menus, the flight dock, the image table's columns and the status bar.
    void mainWindowReadsInTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("summary");
        QTest::newRow("en") << "en"
                            << "Project: Untitled · 0 images";
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("工程：未命名 · 0 张影像");
    }

    void mainWindowReadsInTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, summary);
        QVERIFY(SettingsModule::ApplyLanguage(code, false));
        auto window = WindowWithSettings();
        window->SetProject(std::make_unique<kvkernel::AISContext>());
        QCOMPARE(window->ProjectLabel()->text(), summary);
        const QString foreign = Foreign(code, window.get());
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
    }

    void unknownLanguageIsRefused()
    {
        QVERIFY(!SettingsModule::ApplyLanguage(QStringLiteral("fr"), true));
        QCOMPARE(kvui::Language(), QString());
        QCOMPARE(StoredValue(), QString());
        QString code = QStringLiteral("unchanged");
        QVERIFY(!SettingsModule::CodeOfName(QStringLiteral("fr"), &code));
        QVERIFY(SettingsModule::CodeOfName(QStringLiteral("default"), &code));
        QCOMPARE(code, QString());
    }
};

QTEST_MAIN(TestSettingsModule)
#include "tst_settingsmodule.moc"
