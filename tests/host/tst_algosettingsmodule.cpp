#include "host/algosettingsmodule.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
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

QTEST_MAIN(TestAlgoSettingsModule)
#include "tst_algosettingsmodule.moc"
