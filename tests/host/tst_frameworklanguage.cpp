// What the framework module's and the main window's actions show, in English
// and in Chinese: the question about unsaved changes, the demonstrations' boxes,
// the folder checksum's outcome (why a save failed: tst_moduleactions). The windows themselves are
// read by the sweep of every window (tst_screenlanguage).

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
#include "languagecheck.h"
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

// The modules these cases act through, and the ones they answer to.
std::unique_ptr<KvMainWindow> Window()
{
    std::vector<std::unique_ptr<HostModule>> modules;
    modules.push_back(std::make_unique<CameraModule>());
    modules.push_back(std::make_unique<FrameworkModule>());
    modules.push_back(std::make_unique<SettingsModule>());
    modules.push_back(std::make_unique<ViewerModule>());
    return std::make_unique<KvMainWindow>(std::move(modules));
}

QString Status(const KvMainWindow& window)
{
    return window.statusBar()->currentMessage();
}

QString Foreign(const kvtest::LanguageCheck& check, QWidget* root)
{
    return check.Foreign(root).join(QLatin1Char('\n'));
}

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

    // The boxes that actions open, read whole (a project's name in them is
    // shown as it is), and what the status bar says after the answer.
    void boxesReadInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("action"); // "save question <name>" or an action
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("status");
        QTest::newRow("en, save question, named")
            << "en" << QStringLiteral("save question 东湖测区 Demo")
            << QStringLiteral("The project \"东湖测区 Demo\" has unsaved changes. Save them "
                              "before it is closed?")
            << "kvsq_cancel_btn_" << QString();
        QTest::newRow("zh_CN, save question, no name")
            << "zh_CN"
            << "save question " << QStringLiteral("工程有未保存的更改。关闭前是否保存？")
            << "kvsq_cancel_btn_" << QString();
        QTest::newRow("en, question, yes") << "en"
                                           << "kv_action_question"
                                           << "Continue processing?"
                                           << "kvbw2_ok_"
                                           << "Answer: Yes";
        QTest::newRow("zh_CN, message")
            << "zh_CN"
            << "kv_action_message" << QStringLiteral("影像数据已准备就绪。") << "kvsb_ok_btn_"
            << QStringLiteral("消息框：确定");
        QTest::newRow("zh_CN, question, no")
            << "zh_CN"
            << "kv_action_question" << QStringLiteral("是否继续处理？") << "kvbw2_cancel_"
            << QStringLiteral("回答：否");
        QTest::newRow("zh_CN, question, closed")
            << "zh_CN"
            << "kv_action_question" << QStringLiteral("是否继续处理？") << "dialog_close_btn"
            << QStringLiteral("回答：未作答即关闭");
    }

    void boxesReadInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, action);
        QFETCH(QString, text);
        QFETCH(QString, button);
        QFETCH(QString, status);
        QVERIFY(SettingsModule::ApplyLanguage(language, false));
        auto window = Window();
        QString foreign;
        kvtest::ModalAnswer answer;
        answer.ExpectText(text)
            .Do([&](QWidget* box) {
                foreign = Foreign(kvtest::LanguageCheck(language).Allow(text), box);
            })
            .Click(button)
            .Arm();
        const QString saveQuestion = QStringLiteral("save question ");
        if (action.startsWith(saveQuestion)) {
            QCOMPARE(kvui::AskToSave(nullptr, action.mid(saveQuestion.size())),
                     kvui::SaveAnswer::Cancel);
        } else {
            window->findChild<QAction*>(action)->trigger();
        }
        VERIFY_ANSWERED(answer);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
        if (!status.isEmpty())
            QCOMPARE(Status(*window), status);
    }

    // After the walk: the summary, the chooser of the list and the box that
    // says the list could not be written.
    void checksumOutcomeReadsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("failure");
        QTest::newRow("en") << "en"
                            << "Checksummed 2 files"
                            << "Save Checksum List"
                            << "Checksum lists (*.sha256)"
                            << "The checksum list could not be written!";
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("已校验 2 个文件")
                               << QStringLiteral("保存校验清单")
                               << QStringLiteral("校验清单 (*.sha256)")
                               << QStringLiteral("校验文件写入失败！");
    }

    void checksumOutcomeReadsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, summary);
        QFETCH(QString, caption);
        QFETCH(QString, filter);
        QFETCH(QString, failure);
        QVERIFY(SettingsModule::ApplyLanguage(language, false));
        const QString folder = m_dir.filePath(QStringLiteral("结果 ") + language);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(hosttest::WriteFile(folder + QStringLiteral("/DJI_0001.JPG"), "one"));
        QVERIFY(hosttest::WriteFile(folder + QStringLiteral("/说明.txt"), "two"));
        // A file where the list's folder should be: the list cannot be written.
        const QString blocker = m_dir.filePath(QStringLiteral("blocker ") + language);
        QVERIFY(hosttest::WriteFile(blocker, "not a folder"));

        auto window = Window();
        QString shownCaption, foreign;
        QStringList filters;
        kvtest::ModalAnswer box;
        box.ExpectText(failure)
            .Do([&](QWidget* dialog) {
                foreign = Foreign(kvtest::LanguageCheck(language), dialog);
            })
            .Click(QStringLiteral("kvsb_ok_btn_"));
        kvtest::ModalAnswer chooser;
        chooser.Do([&](QWidget* dialog) {
            shownCaption = dialog->windowTitle();
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                filters = files->nameFilters();
            box.Arm();
            kvtest::ChooseFile(dialog, blocker + QStringLiteral("/list.sha256"));
        });
        // The chooser is armed once the walk is over, or it would take the
        // progress dialog for it.
        connect(window->statusBar(), &QStatusBar::messageChanged, &chooser,
                [&](const QString& message) {
                    if (message == summary)
                        chooser.Arm();
                });
        window->FindModule<FrameworkModule>()->ChecksumFolder(folder);
        VERIFY_ANSWERED(chooser);
        VERIFY_ANSWERED(box);
        QCOMPARE(shownCaption, caption);
        QVERIFY2(filters.contains(filter), qPrintable(filters.join(QLatin1Char('|'))));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
        QCOMPARE(Status(*window), summary);
    }

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
