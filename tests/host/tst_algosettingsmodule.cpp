#include "host/algosettingsmodule.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QStatusBar>
#include <QtTest>

namespace {

QAction* Action(KvMainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

std::unique_ptr<KvMainWindow> Window()
{
    std::vector<std::unique_ptr<HostModule>> modules;
    modules.push_back(std::make_unique<AlgoSettingsModule>());
    return std::make_unique<KvMainWindow>(std::move(modules));
}

} // namespace

class TestAlgoSettingsModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void actions()
    {
        auto window = Window();
        QStringList names;
        for (const QAction* action : window->Menu(KvMainWindow::MenuId::Tools)->actions())
            names << action->objectName();
        QVERIFY(names.join(' ').contains(
            "kv_action_match_setting kv_action_setting kv_action_ba_setting kv_action_run_setting "
            "kv_action_cc_xml_export kv_action_inpho_export kv_action_dem_check kv_action_report"));
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

    // Until the exports are written, OK is answered with a message; Cancel
    // with nothing.
    void exportsAnswerOK()
    {
        auto window = Window();
        // Without a project the operator is told to open one first.
        QCOMPARE(kvtest::AnswerEveryBox([&] {
                     Action(*window, "kv_action_cc_xml_export")->trigger();
                 }).size(),
                 1);
        window->SetProject(kvhost::fixtures::DemoProject());
        const QList<QStringList> boxes = kvtest::AnswerEveryBox([&] {
            kvtest::ModalAnswer cc;
            cc.ExpectTitle(QStringLiteral("CC XML Export"))
                .Do([](QWidget* dialog) {
                    kvtest::SetText(dialog, "ccw_output_", QStringLiteral("/tmp/cc"));
                })
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
        QVERIFY(boxes[0].contains(QStringLiteral("导出将在后续步骤中执行。")));
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

QTEST_MAIN(TestAlgoSettingsModule)
#include "tst_algosettingsmodule.moc"
