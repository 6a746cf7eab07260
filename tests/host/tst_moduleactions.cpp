#include "camera/downloadthread.h"
#include "cloudserver.h"
#include "framework/kvshared.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "hosttest.h"
#include "imagery/rt27dialog.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

namespace {

using hosttest::Action;
using hosttest::WriteFile;

// Alternating field names and texts.
void Fill(QWidget* form, std::initializer_list<const char*> fields)
{
    for (auto field = fields.begin(); field != fields.end(); field += 2)
        if (auto* edit = kvtest::Find<QLineEdit>(form, QLatin1String(*field)))
            edit->setText(QString::fromUtf8(field[1]));
}

QByteArray ThreeCameras()
{
    QStringList items;
    for (const QChar letter : QStringLiteral("ABC"))
        items << QStringLiteral(R"({"name": "Cam %1", "fullname": "Cam %1", "width": "4000",)"
                                R"( "height": "3000", "ccdwidth": "6.4", "ccdheight": "4.8",)"
                                R"( "focallength": "4.5"})")
                     .arg(letter);
    return ('[' + items.join(QLatin1Char(',')) + ']').toUtf8();
}

QString Status(KvMainWindow& window)
{
    return window.statusBar()->currentMessage();
}

} // namespace

class TestModuleActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_dir.isValid());
        // The survey of the pictures, saved where a Chinese folder name must
        // survive every conversion on its way.
        const QString folder = m_dir.filePath(QStringLiteral("测区 工程"));
        QVERIFY(QDir().mkpath(folder));
        m_survey = folder + QStringLiteral("/东湖.db");
        kvprj::KvProject survey = kvhost::fixtures::SurveyProject();
        QVERIFY(survey.SavePrj(QString2String(m_survey)));
    }

    void checksumListIsSaved_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("status");
        QTest::newRow("saved") << 3 << true << "Checksummed 3 files; list saved to ";
        QTest::newRow("not saved") << 3 << false << "Checksummed 3 files";
        QTest::newRow("empty folder") << 0 << false << "Checksummed 0 files";
    }

    void checksumListIsSaved()
    {
        QFETCH(int, files);
        QFETCH(bool, save);
        QFETCH(QString, status);
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("航拍 原片"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/第二架次")));
        const QStringList names {QStringLiteral("DJI_0001.JPG"), QStringLiteral("说明.txt"),
                                 QStringLiteral("第二架次/DJI_0101.JPG")};
        for (int i = 0; i < files; ++i)
            QVERIFY(
                WriteFile(folder + QLatin1Char('/') + names.at(i), QByteArray(1000 + 77 * i, 'a')));
        const QString list = root.filePath(QStringLiteral("校验 列表.sha256"));

        KvMainWindow window;
        kvtest::ModalAnswer chooseFolder;
        chooseFolder.Do([&](QWidget* chooser) { kvtest::ChooseFile(chooser, folder); }).Arm();
        // The list is asked for once the summary is up, after the progress
        // dialog has gone.
        kvtest::ModalAnswer chooseList;
        chooseList.Do([&](QWidget* chooser) {
            if (save)
                kvtest::ChooseFile(chooser, list);
            else
                qobject_cast<QDialog*>(chooser)->reject();
        });
        bool armed = false;
        connect(window.statusBar(), &QStatusBar::messageChanged, &chooseList,
                [&](const QString& message) {
                    if (!armed && message.startsWith(QLatin1String("Checksummed"))) {
                        armed = true;
                        chooseList.Arm();
                    }
                });
        Action(window, QStringLiteral("kv_action_checksum"))->trigger();
        VERIFY_ANSWERED(chooseFolder);
        QVERIFY2(Status(window).startsWith(status), qPrintable(Status(window)));
        QCOMPARE(QFile::exists(list), save);
        if (files == 0) {
            QVERIFY(!chooseList.Dialog());
            return;
        }
        VERIFY_ANSWERED(chooseList);
        if (!save)
            return;

        // The list's lines are sha256sum's own (tst_folderchecksum).
        const QByteArray written = hosttest::Bytes(list);
        QCOMPARE(written.count('\n'), files);
        QVERIFY2(written.contains(u8"  第二架次/DJI_0101.JPG\n"), written.constData());
    }

    void camerasAreStoredInTheProject()
    {
        kvtest::CloudServer cloud;
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        KvMainWindow window;
        QAction* camera = Action(window, QStringLiteral("kv_action_camera"));
        QVERIFY(window.OpenProject(m_survey));
        window.Context()->GetCameraInfoSet() = kvfd::CameraInfoSet();
        const kvfd::CameraInfoSet& cameras = window.Context()->GetCameraInfoSet();

        kvtest::ModalAnswer add;
        add.ExpectTitle(QStringLiteral("Camera Setting"))
            .Do([](QWidget* dialog) {
                Fill(dialog,
                     {"csw_camera_name_", "UAV-CAM", "csw_width_", "6000", "csw_height_", "4000",
                      "csw_ccd_width_", "13.2", "csw_ccd_height_", "8.8", "csw_focal_length_",
                      "3000"});
            })
            .Click(QStringLiteral("cw_ok_btn_"))
            .Arm();
        camera->trigger();
        VERIFY_ANSWERED(add);
        QCOMPARE(cameras.Size(), 1);
        QCOMPARE(cameras.GetCamera(0)->name, std::string("UAV-CAM"));
        QCOMPARE(cameras.GetCamera(0)->width, 6000);
        QCOMPARE(cameras.GetCamera(0)->focal, 6.6);

        // A downloaded camera for images of the same size is simply offered.
        kvtest::ModalAnswer download;
        download
            .Do([](QWidget* dialog) {
                Fill(dialog, {"gcw_cameraid_", "1002", "gcw_lensid_", "1"});
            })
            .Click(QStringLiteral("gcw_ok_btn_"))
            .Arm();
        kvtest::ModalAnswer offer;
        offer.ExpectText(QStringLiteral("是否将该相机保存到工程？"))
            .Click(QStringLiteral("kvbw2_ok_"))
            .Arm();
        Action(window, QStringLiteral("kv_action_cloud_camera"))->trigger();
        VERIFY_ANSWERED(download);
        VERIFY_ANSWERED(offer);
        QCOMPARE(cameras.Size(), 1); // the project camera is replaced
        QVERIFY(cameras.GetCamera(0)->name != "UAV-CAM");
        QCOMPARE(cameras.GetCamera(0)->width, 6000);
    }

    // A camera for images of another size than the project's is stored only
    // when the operator, told both sizes, says so; no other question comes.
    void cloudCameraOfAnotherImageSize_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("width");
        QTest::newRow("kept") << "kvbw2_cancel_" << 5472;
        QTest::newRow("closed") << "dialog_close_btn" << 5472;
        QTest::newRow("replaced") << "kvbw2_ok_" << 6000;
    }

    void cloudCameraOfAnotherImageSize()
    {
        QFETCH(QString, button);
        QFETCH(int, width);
        kvtest::CloudServer cloud;
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        KvMainWindow window;
        QVERIFY(window.OpenProject(m_survey));
        const kvfd::CameraInfo before = *window.Context()->GetCameraInfoSet().GetCamera(0);
        QCOMPARE(before.width, 5472);

        // Each answer is armed while the dialog before it is open, so that it
        // cannot take that one; a second question would go to "another".
        kvtest::ModalAnswer download;
        kvtest::ModalAnswer size;
        kvtest::ModalAnswer another;
        download
            .Do([&](QWidget* dialog) {
                Fill(dialog, {"gcw_cameraid_", "1002", "gcw_lensid_", "1"});
                size.Do([&](QWidget*) { another.Click(QStringLiteral("kvbw2_cancel_")).Arm(); })
                    .Click(button)
                    .Arm();
            })
            .Click(QStringLiteral("gcw_ok_btn_"))
            .Arm();
        Action(window, QStringLiteral("kv_action_cloud_camera"))->trigger();
        VERIFY_ANSWERED(download);
        VERIFY_ANSWERED(size);
        QVERIFY(!another.Done());
        const QString question = size.SeenTexts().join(QLatin1Char(' '));
        QVERIFY2(question.contains(QStringLiteral("6000 × 4000"))
                     && question.contains(QStringLiteral("5472 × 3648")),
                 qPrintable(question));

        const kvfd::CameraInfoSet& cameras = window.Context()->GetCameraInfoSet();
        QCOMPARE(cameras.Size(), 1);
        QCOMPARE(cameras.GetCamera(0)->width, width);
        if (width == before.width)
            QVERIFY(*cameras.GetCamera(0) == before);
    }

    // The status bar tells how the refresh ended, and why the database in use
    // was kept.
    void cameraDatabaseIsRefreshed_data()
    {
        QTest::addColumn<QStringList>("faults"); // "closed port": no service at all
        QTest::addColumn<QString>("outcome");
        QTest::newRow("three cameras")
            << QStringList() << QStringLiteral("相机数据库已更新（3 台相机）");
        QTest::newRow("service fails")
            << QStringList {QStringLiteral("--status"), QStringLiteral("1")}
            << QStringLiteral("相机服务无有效回复，保留现有相机数据库");
        QTest::newRow("malformed reply")
            << QStringList {QStringLiteral("--malformed")}
            << QStringLiteral("相机服务无有效回复，保留现有相机数据库");
        QTest::newRow("no camera listed")
            << QStringList {QStringLiteral("--empty-data")}
            << QStringLiteral("相机服务未返回任何相机，保留现有相机数据库");
        QTest::newRow("service unreachable")
            << QStringList {QStringLiteral("closed port")}
            << QStringLiteral(
                   "The camera service is not available (Connection refused); the camera "
                   "database in use is kept");
    }

    void cameraDatabaseIsRefreshed()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, outcome);
        QTemporaryDir data;
        QVERIFY(WriteFile(data.filePath(QStringLiteral("cameras.json")), ThreeCameras()));
        // The database in use holds cameras, which an empty list must not drop.
        {
            kvtest::CloudServer first(QStringList {QStringLiteral("--data"), data.path()});
            QVERIFY2(first.Start(), qPrintable(first.Error()));
            DownloadThread seed;
            seed.start();
            QVERIFY(seed.wait(20000));
            QCOMPARE(seed.GetStatus(), DownloadThread::Replaced);
        }
        const bool closed = faults == QStringList {QStringLiteral("closed port")};
        kvtest::CloudServer cloud(QStringList {QStringLiteral("--data"), data.path()}
                                  + (closed ? QStringList() : faults));
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        if (closed)
            cloud.Stop(); // the address stays set, its port is closed
        DownloadThread::SetTimeouts(2000, 10);
        KvMainWindow window;
        QAction* refresh = Action(window, QStringLiteral("kv_action_refresh_cameras"));
        refresh->trigger();
        QVERIFY(!refresh->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(refresh->isEnabled(), 20000);
        DownloadThread::ResetTimeouts();
        QCOMPARE(Status(window), outcome);
        if (faults.isEmpty())
            QCOMPARE(kvfd::KvConfiguration::Instance()->GetCameraInfoSet().Size(), 3);
    }

    // A window closed while the camera database is still downloading waits
    // for the download and hears nothing more from it.
    void closingDuringADownloadIsSafe()
    {
        kvtest::CloudServer cloud({QStringLiteral("--delay-ms"), QStringLiteral("400")});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        {
            KvMainWindow window;
            Action(window, QStringLiteral("kv_action_refresh_cameras"))->trigger();
            QTest::qWait(50);
        }
        QTest::qWait(600);
    }

    // The elevation asked for the project's first image becomes its mean
    // elevation when applied, an edit of the project; Quit keeps the
    // project's own (nonsense from the service: tst_gnssdialogs).
    void elevationOfTheProject_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<double>("elevation");
        QTest::addColumn<QString>("status");
        QTest::newRow("applied") << "ew_apply_" << 37.5 << "Elevation: 37.50 m";
        QTest::newRow("left") << "ew_quit_" << 23.5 << "";
    }

    void elevationOfTheProject()
    {
        QFETCH(QString, button);
        QFETCH(double, elevation);
        QFETCH(QString, status);
        kvtest::CloudServer cloud({QStringLiteral("--elevation"), QStringLiteral("37.5")});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        KvMainWindow window;
        QVERIFY(window.OpenProject(m_survey));
        window.statusBar()->clearMessage();
        QString position;
        kvtest::ModalAnswer answer;
        answer
            .Do([&](QWidget* dialog) {
                position = kvtest::Text(dialog, "ew_longitude_") + QLatin1Char(' ')
                    + kvtest::Text(dialog, "ew_latitude_");
                kvtest::Find<QPushButton>(dialog, QStringLiteral("ew_get_"))->click();
            })
            .Click(button)
            .Arm();
        Action(window, QStringLiteral("kv_action_elevation"))->trigger();
        VERIFY_ANSWERED(answer);
        QCOMPARE(position, QStringLiteral("114.30000000 30.50000000"));
        QCOMPARE(window.Context()->GetPrjInfo().meanElevation, elevation);
        QCOMPARE(window.IsProjectModified(), !status.isEmpty());
        QCOMPARE(Status(window), status);
    }

    // RT27 conversion and lever-arm correction cannot run in this host: a
    // question says so before their dialogs; No opens none.
    void toolsThatCannotRunSaySo_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("dialogButton");
        QTest::newRow("RT27") << "kv_action_rt27"
                              << "RT27 conversion cannot run here: the receiver format is its "
                                 "maker's. Open the dialog anyway?"
                              << "rtw_cancel_";
        QTest::newRow("lever arm") << "kv_action_lever_arm"
                                   << "Lever-arm correction cannot run here: the aircraft "
                                      "offsets are their maker's. Open the dialog anyway?"
                                   << "law_cancel_btn_";
    }

    void toolsThatCannotRunSaySo()
    {
        QFETCH(QString, action);
        QFETCH(QString, question);
        QFETCH(QString, dialogButton);
        KvMainWindow window;
        for (const bool open : {false, true}) {
            kvtest::ModalAnswer box, dialog;
            box.ExpectText(question)
                .Do([&](QWidget*) {
                    if (open)
                        dialog.Arm();
                })
                .Click(open ? QStringLiteral("kvbw2_ok_") : QStringLiteral("kvbw2_cancel_"))
                .Arm();
            dialog.Click(dialogButton);
            Action(window, action)->trigger();
            VERIFY_ANSWERED(box);
            QCOMPARE(dialog.Done(), open);
        }
    }

    // The paths the RT27 dialog collects reach the status bar unchanged,
    // Chinese folder names included.
    void rt27PathsSurviveTheirConversions()
    {
        const QString file = m_dir.filePath(QStringLiteral("基站 数据/接收机.T02"));
        KvMainWindow window;
        kvtest::ModalAnswer box, answer;
        box.Do([&](QWidget*) { answer.Arm(); }).Click(QStringLiteral("kvbw2_ok_")).Arm();
        answer.Do([&](QWidget* dialog) { dialog->findChild<RT27Widget*>()->ChooseRT27(file); })
            .Click(QStringLiteral("rtw_ok_"));
        Action(window, QStringLiteral("kv_action_rt27"))->trigger();
        VERIFY_ANSWERED(box);
        VERIFY_ANSWERED(answer);
        QCOMPARE(Status(window),
                 QStringLiteral("RT27 conversion is not available here: %1 → %2")
                     .arg(QDir::toNativeSeparators(file),
                          QDir::toNativeSeparators(QFileInfo(file).path())));
    }

private:
    QTemporaryDir m_dir;
    QString m_survey;
};

QTEST_MAIN(TestModuleActions)
#include "tst_moduleactions.moc"
