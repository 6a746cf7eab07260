#include "framework/kvsettingskeys.h"
#include "framework/language.h"
#include "host/algosettingsmodule.h"
#include "host/fixtures.h"
#include "host/kvhostsettingskeys.h"
#include "host/kvmainwindow.h"
#include "host/settingsmodule.h"
#include "hosttest.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "languagecheck.h"
#include "modalanswer.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
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

QAction* LanguageEntry(const KvMainWindow& window, const QString& name)
{
    return window.findChild<QAction*>(QStringLiteral("kv_action_language_") + name);
}

// The languages' entries that are checked, by their names.
QStringList Checked(const KvMainWindow& window)
{
    QStringList checked;
    for (const char* name : {"en", "zh_CN", "default"}) {
        if (QAction* action = LanguageEntry(window, QLatin1String(name));
            action && action->isChecked())
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

using hosttest::Action;

std::unique_ptr<KvMainWindow> Window()
{
    return hosttest::WindowWith<AlgoSettingsModule>();
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
        QTest::newRow("en") << "en" << QString("en") << "&File" << QString("&Settings");
        QTest::newRow("zh_CN") << "zh_CN" << QString("zh_CN") << QStringLiteral("文件(&F)")
                               << QStringLiteral("设置(&S)");
    }

    void languageMenuSwitchesAndRemembers()
    {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, fileMenu);
        QFETCH(QString, settingsMenu);
        auto window = hosttest::WindowWith<SettingsModule>();
        auto* settings = window->findChild<QMenu*>(QStringLiteral("kv_menu_settings"));
        QVERIFY(settings);
        const QList<QAction*> bar = window->menuBar()->actions();
        QCOMPARE(bar.indexOf(settings->menuAction()) + 1,
                 bar.indexOf(window->Menu(KvMainWindow::MenuId::Help)->menuAction()));
        QCOMPARE(Checked(*window), QStringList {QStringLiteral("default")});

        LanguageEntry(*window, name)->trigger();
        QCOMPARE(kvui::Language(), code);
        QCOMPARE(StoredValue(), code);
        QTRY_COMPARE(FileMenuTitle(*window), fileMenu);
        QTRY_COMPARE(settings->title(), settingsMenu);
        // Panels already built keep their language; the menus follow.
        const QString foreign = Foreign(code, window->menuBar());
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));

        LanguageEntry(*window, QStringLiteral("default"))->trigger();
        QCOMPARE(kvui::Language(), QString());
        QCOMPARE(StoredValue(), QString());
        QTRY_COMPARE(FileMenuTitle(*window), QStringLiteral("&File"));
    }

    // What main() does before any window is built: the stored language, or
    // the texts as written when none or an unknown one is stored.
    void storedLanguageAppliesAtStart_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("checked");
        QTest::newRow("zh_CN") << "zh_CN" << QString("zh_CN") << "zh_CN";
        QTest::newRow("unknown") << "fr" << QString() << "default";
        QTest::newRow("none") << QString() << "" << QString("default");
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
        auto window = hosttest::WindowWith<SettingsModule>();
        QCOMPARE(Checked(*window), QStringList {checked});
        // Applying at start does not replace what was stored.
        QCOMPARE(StoredValue(), stored);
    }

    void unknownLanguageIsRefused()
    {
        QVERIFY(!SettingsModule::ApplyLanguage(QStringLiteral("fr"), true));
        QCOMPARE(kvui::Language(), QString());
        QCOMPARE(StoredValue(), QString());
    }

    // What the settings dialogs accept is in the configuration's file at
    // once, so it is there after a restart; the fields a dialog does not show
    // stay as they were.
    void settingsSurviveARestart()
    {
        auto window = Window();
        kvfd::AlgoSetting& setting = kvfd::KvConfiguration::Instance()->GetAlgoSetting();
        setting.threadCount = 3;
        kvtest::ModalAnswer match;
        match.ExpectTitle(QStringLiteral("Algorithm Setting"))
            .Do([](QWidget* dialog) {
                kvtest::Find<QComboBox>(dialog, "msw_features_")->setCurrentText("40000");
            })
            .Click(QStringLiteral("msw_ok_"))
            .Arm();
        Action(*window, "kv_action_match_setting")->trigger();
        QVERIFY2(match.Done(), qPrintable(match.Error()));

        kvtest::ModalAnswer general;
        general.ExpectTitle(QStringLiteral("Setting"))
            .Do([](QWidget* dialog) {
                kvtest::Find<QComboBox>(dialog, "sw_seamline_")->setCurrentIndex(1);
            })
            .Click(QStringLiteral("sw_ok_"))
            .Arm();
        Action(*window, "kv_action_setting")->trigger();
        QVERIFY2(general.Done(), qPrintable(general.Error()));

        kvtest::ModalAnswer cancelled;
        cancelled
            .Do([](QWidget* dialog) {
                kvtest::Find<QComboBox>(dialog, "sw_device_")->setCurrentIndex(2);
            })
            .Click(QStringLiteral("sw_cancel_"))
            .Arm();
        Action(*window, "kv_action_setting")->trigger();
        QVERIFY2(cancelled.Done(), qPrintable(cancelled.Error()));

        setting = kvfd::AlgoSetting();
        QVERIFY(kvfd::KvConfiguration::Instance()->LoadAlgoSetting());
        QCOMPARE(setting.featureNumber, 40000);
        QCOMPARE(setting.seamlineMode, 4);
        QCOMPARE(setting.threadCount, 3);
        QCOMPARE(setting.device, 0);
    }

    // OK writes the export and tells its files; Cancel writes nothing.
    void exportsAnswerOK()
    {
        auto window = Window();
        // Without a project the operator is told to open one first.
        QCOMPARE(kvtest::AnswerEveryBox([&] {
                     Action(*window, "kv_action_cc_xml_export")->trigger();
                 }).size(),
                 1);
        auto project = kvhost::fixtures::DemoProject();
        project->GetCameraInfoSet().AddCamera(kvhost::fixtures::SampleCamera());
        // The dialog starts at the project's system; the centres are UTM 50N.
        project->GetPrjInfo().coordinateId = 32650;
        window->SetProject(std::move(project));
        QTemporaryDir out;
        const QString folder = out.filePath(QStringLiteral("导出"));
        const QList<QStringList> boxes = kvtest::AnswerEveryBox([&] {
            kvtest::ModalAnswer cc;
            cc.ExpectTitle(QStringLiteral("CC XML Export"))
                .Do([&folder](QWidget* dialog) { kvtest::SetText(dialog, "ccw_output_", folder); })
                .Click(QStringLiteral("ccw_ok_"))
                .Arm();
            Action(*window, "kv_action_cc_xml_export")->trigger();
            QVERIFY2(cc.Done(), qPrintable(cc.Error()));
            kvtest::ModalAnswer inpho;
            inpho.ExpectTitle(QStringLiteral("Export Project"))
                .Click(QStringLiteral("iw_cancel_"))
                .Arm();
            Action(*window, "kv_action_inpho_export")->trigger();
            QVERIFY2(inpho.Done(), qPrintable(inpho.Error()));
        });
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(!boxes[0].filter(QStringLiteral("file(s) written")).isEmpty(),
                 qPrintable(boxes[0].join(QLatin1Char('|'))));
        QVERIFY(QFileInfo(QDir(folder).filePath(QStringLiteral("BlocksExchange.xml"))).size() > 0);
    }

    void demCheckOpens()
    {
        auto window = Window();
        kvtest::ModalAnswer answer;
        answer.ExpectTitle(QStringLiteral("DEM Check")).Do([](QWidget* d) { d->close(); }).Arm();
        Action(*window, "kv_action_dem_check")->trigger();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    }
};

QTEST_MAIN(TestSettingsModule)
#include "tst_settingsmodule.moc"
