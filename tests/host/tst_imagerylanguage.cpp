// The imagery module's menu entries, questions and status messages, in
// English and in Chinese.

#include "host/imagerymodule.h"
#include "host/kvmainwindow.h"
#include "host/settingsmodule.h"
#include "imagery/rt27dialog.h"
#include "kvkernel/aiscontext.h"
#include "languagecheck.h"
#include "modalanswer.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

std::unique_ptr<KvMainWindow> Window()
{
    std::vector<std::unique_ptr<HostModule>> modules;
    modules.push_back(std::make_unique<ImageryModule>());
    auto window = std::make_unique<KvMainWindow>(std::move(modules));
    window->SetProject(std::make_unique<kvkernel::AISContext>());
    return window;
}

QAction* Action(const KvMainWindow& window, const QString& name)
{
    return window.findChild<QAction*>(name);
}

// The lever-arm dialog offers the aircraft by their names.
QString Foreign(const QString& language, QWidget* root)
{
    kvtest::LanguageCheck check(language);
    for (const char* name : {"Kestrel", "Heron", "Egret", "Osprey", "Plover"})
        check.Allow(QLatin1String(name));
    return check.Foreign(root).join(QLatin1Char('\n'));
}

} // namespace

class TestImageryLanguage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void cleanup() { QVERIFY(SettingsModule::ApplyLanguage(QString(), false)); }

    void toolsMenuReadsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("entries"); // elevation, RT27, lever arm, GPS tool
        QTest::newRow("en") << "en"
                            << QStringList {"Get &Elevation…", "&RT27 Format Change…",
                                            "Correct &Lever Arm…", "&GPS Tool…"};
        QTest::newRow("zh_CN") << "zh_CN"
                               << QStringList {QStringLiteral("获取高程(&E)…"),
                                               QStringLiteral("RT27 格式转换(&R)…"),
                                               QStringLiteral("杆臂改正(&L)…"),
                                               QStringLiteral("GPS 工具(&G)…")};
    }

    void toolsMenuReadsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, entries);
        QVERIFY(SettingsModule::ApplyLanguage(language, false));
        const auto window = Window();
        QStringList shown;
        for (const char* name :
             {"kv_action_elevation", "kv_action_rt27", "kv_action_lever_arm", "kv_action_gps_tool"})
            shown << Action(*window, QLatin1String(name))->text();
        QCOMPARE(shown, entries);
        const QString foreign = Foreign(language, window->Menu(KvMainWindow::MenuId::Tools));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
    }

    // Each tool: the question before its dialog where it cannot run here,
    // the dialog, and what the status bar says afterwards; paths as typed.
    void toolsReadInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("status"); // %1, %2: the two paths
        QTest::newRow("en, elevation")
            << "en"
            << "kv_action_elevation" << QString() << "Elevation: 23.50 m";
        QTest::newRow("zh_CN, elevation")
            << "zh_CN"
            << "kv_action_elevation" << QString() << QStringLiteral("高程：23.50 m");
        QTest::newRow("en, RT27") << "en"
                                  << "kv_action_rt27"
                                  << "RT27 conversion cannot run here: the receiver format is its "
                                     "maker's. Open the dialog anyway?"
                                  << "RT27 conversion is not available here: %1 → %2";
        QTest::newRow("zh_CN, RT27")
            << "zh_CN"
            << "kv_action_rt27"
            << QStringLiteral("此处无法进行 RT27 转换：该接收机格式属于其厂商。仍要打开对话框吗？")
            << QStringLiteral("此处无法进行 RT27 转换：%1 → %2");
        QTest::newRow("en, lever arm")
            << "en"
            << "kv_action_lever_arm"
            << "Lever-arm correction cannot run here: the aircraft offsets are their maker's. "
               "Open the dialog anyway?"
            << "Lever-arm correction is not available here: %1 (UAV type 0) → %2";
        QTest::newRow("zh_CN, lever arm")
            << "zh_CN"
            << "kv_action_lever_arm"
            << QStringLiteral("此处无法进行杆臂改正：飞机的偏移量属于其厂商。仍要打开对话框吗？")
            << QStringLiteral("此处无法进行杆臂改正：%1（无人机型号 0）→ %2");
    }

    void toolsReadInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, action);
        QFETCH(QString, question);
        QFETCH(QString, status);
        QVERIFY(SettingsModule::ApplyLanguage(language, false));
        const auto window = Window();
        const QString input = m_temp.filePath(QStringLiteral("基站 数据/接收机.T02"));
        const QString output = m_temp.filePath(QStringLiteral("输出 结果"));

        QString boxForeign, dialogForeign;
        kvtest::ModalAnswer box, dialog;
        box.ExpectText(question)
            .Do([&](QWidget* shown) {
                boxForeign = Foreign(language, shown);
                dialog.Arm();
            })
            .Click(QStringLiteral("kvbw2_ok_"));
        dialog.Do([&](QWidget* shown) {
            dialogForeign = Foreign(language, shown);
            if (auto* rt27 = shown->findChild<RT27Widget*>()) {
                rt27->ChooseRT27(input);
                rt27->ChooseRinex(output);
                kvtest::Click(shown, QStringLiteral("rtw_ok_"));
            } else if (action == QLatin1String("kv_action_lever_arm")) {
                kvtest::SetText(shown, QStringLiteral("law_hppos_line_edit_"), input);
                kvtest::SetText(shown, QStringLiteral("law_gimbal_line_edit_"), input);
                kvtest::SetText(shown, QStringLiteral("law_output_line_edit_"), output);
                kvtest::Click(shown, QStringLiteral("law_ok_btn_"));
            } else {
                kvtest::SetText(shown, QStringLiteral("ew_elevation_"), QStringLiteral("23.5"));
                kvtest::Click(shown, QStringLiteral("ew_apply_"));
            }
        });
        if (question.isEmpty())
            dialog.Arm();
        else
            box.Arm();
        Action(*window, action)->trigger();
        if (!question.isEmpty()) {
            QVERIFY2(box.Done(), qPrintable(box.Error()));
            QVERIFY2(boxForeign.isEmpty(), qPrintable(boxForeign));
        }
        QVERIFY2(dialog.Done(), qPrintable(dialog.Error()));
        QVERIFY2(dialogForeign.isEmpty(), qPrintable(dialogForeign));
        if (status.contains(QLatin1String("%1")))
            status = status.arg(QDir::toNativeSeparators(input), QDir::toNativeSeparators(output));
        QCOMPARE(window->statusBar()->currentMessage(), status);
    }
};

QTEST_MAIN(TestImageryLanguage)
#include "tst_imagerylanguage.moc"
