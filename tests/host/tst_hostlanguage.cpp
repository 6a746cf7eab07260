// The host modules' menus, questions and status messages, in English and in
// Chinese.

#include "cloudserver.h"
#include "host/cameramodule.h"
#include "host/kvmainwindow.h"
#include "host/settingsmodule.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "languagecheck.h"
#include "modalanswer.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QtTest>

namespace {

std::unique_ptr<KvMainWindow> WindowWith(std::unique_ptr<HostModule> module)
{
    std::vector<std::unique_ptr<HostModule>> modules;
    modules.push_back(std::move(module));
    auto window = std::make_unique<KvMainWindow>(std::move(modules));
    window->SetProject(std::make_unique<kvkernel::AISContext>());
    return window;
}

QAction* Action(const KvMainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

QString Status(const KvMainWindow& window)
{
    return window.statusBar()->currentMessage();
}

QString Foreign(const QString& language, QWidget* root)
{
    return kvtest::LanguageCheck(language).Foreign(root).join(QLatin1Char('\n'));
}

} // namespace

class TestHostLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void cleanup() { QVERIFY(SettingsModule::ApplyLanguage(QString(), false)); }

    // The Cameras menu; the refresh of the camera database as it runs and
    // once it ended; the offer of a downloaded camera and the camera it puts
    // into the project.
    void cameraModuleReadsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("editCamera");
        QTest::addColumn<QString>("updating");
        QTest::addColumn<QString>("updated");
        QTest::addColumn<QString>("offer");
        QTest::addColumn<QString>("stored");
        QTest::newRow("en") << "en"
                            << "&Camera…"
                            << "Updating the camera database…"
                            << "The camera database has been updated (%1 cameras)"
                            << "Save this camera to the project?"
                            << "Project camera: unnamed camera, 6000 × 4000 px";
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("相机(&C)…")
                               << QStringLiteral("正在更新相机数据库……")
                               << QStringLiteral("相机数据库已更新（%1 台相机）")
                               << QStringLiteral("是否将该相机保存到工程？")
                               << QStringLiteral("工程相机：未命名相机，6000 × 4000 px");
    }

    void cameraModuleReadsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, editCamera);
        QFETCH(QString, updating);
        QFETCH(QString, updated);
        QFETCH(QString, offer);
        QFETCH(QString, stored);
        QVERIFY(SettingsModule::ApplyLanguage(language, false));
        kvtest::CloudServer cloud;
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        auto window = WindowWith(std::make_unique<CameraModule>());

        QCOMPARE(Action(*window, "kv_action_camera")->text(), editCamera);
        QString foreign = Foreign(language, window->Menu(KvMainWindow::MenuId::Cameras));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));

        QAction* refresh = Action(*window, "kv_action_refresh_cameras");
        refresh->trigger();
        QCOMPARE(Status(*window), updating);
        QTRY_VERIFY_WITH_TIMEOUT(refresh->isEnabled(), 2 * kvtest::kPatienceMs);
        QCOMPARE(Status(*window),
                 updated.arg(kvfd::KvConfiguration::Instance()->GetCameraInfoSet().Size()));

        kvtest::ModalAnswer download;
        download
            .Do([](QWidget* dialog) {
                kvtest::SetText(dialog, QStringLiteral("gcw_cameraid_"), QStringLiteral("1002"));
                kvtest::SetText(dialog, QStringLiteral("gcw_lensid_"), QStringLiteral("1"));
            })
            .Click(QStringLiteral("gcw_ok_btn_"))
            .Arm();
        kvtest::ModalAnswer question;
        question.ExpectText(offer)
            .Do([&](QWidget* box) { foreign = Foreign(language, box); })
            .Click(QStringLiteral("kvbw2_ok_"))
            .Arm();
        Action(*window, "kv_action_cloud_camera")->trigger();
        QVERIFY2(download.Done(), qPrintable(download.Error()));
        QVERIFY2(question.Done(), qPrintable(question.Error()));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
        const QString status = Status(*window);
        QVERIFY2(status.startsWith(stored), qPrintable(status));
        QVERIFY2(!kvtest::LanguageCheck(language).IsForeign(status), qPrintable(status));
    }
};

QTEST_MAIN(TestHostLanguage)
#include "tst_hostlanguage.moc"
