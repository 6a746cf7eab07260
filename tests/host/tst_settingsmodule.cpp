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

        setting = kvfd::AlgoSetting();
        QVERIFY(kvfd::KvConfiguration::Instance()->LoadAlgoSetting());
        QCOMPARE(setting.featureNumber, 40000);
        QCOMPARE(setting.seamlineMode, 4);
        QCOMPARE(setting.threadCount, 3);
    }
};

QTEST_MAIN(TestSettingsModule)
#include "tst_settingsmodule.moc"
