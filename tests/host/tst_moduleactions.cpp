// The host's menu entries on a saved survey: what each does to the project
// and its files, and the question before unsaved work is left.

#include "camera/downloadthread.h"
#include "cloudserver.h"
#include "framework/kvshared.h"
#include "host/cameramodule.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "host/projectmodule.h"
#include "hosttest.h"
#include "imagery/coordinatedialog.h"
#include "imagery/rt27dialog.h"
#include "kvfd/camerainfo.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"
#include "project/projectmanager.h"
#include "project/tiledscene.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>
#include <QtWidgets>

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

using hosttest::Bytes;

const QString kName = QStringLiteral("东湖测区");
const QString kQuestionTitle = QStringLiteral("Unsaved Changes");
const QString kSave = QStringLiteral("kvsq_save_btn_");
const QString kDiscard = QStringLiteral("kvsq_discard_btn_");
const QString kCancel = QStringLiteral("kvsq_cancel_btn_");
// The frame's own close button: the same as Cancel.
const QString kCloseFrame = QStringLiteral("dialog_close_btn");

// An edit as the camera module makes it.
void RenameCamera(KvMainWindow& window, const char* name = "edited")
{
    kvfd::CameraInfo camera = *window.Context()->GetCameraInfoSet().GetCamera(0);
    camera.name = name;
    QVERIFY(window.FindModule<CameraModule>()->SetProjectCamera(camera));
}

std::string CameraInFile(const QString& path)
{
    kvprj::KvProject project;
    if (!project.OpenPrj(QString2String(path)) || !project.GetCameraInfoSet().GetCamera(0))
        return "<unreadable>";
    return project.GetCameraInfoSet().GetCamera(0)->name;
}

QString Title(const QString& name, bool modified)
{
    return name + (modified ? QStringLiteral("*") : QString()) + QStringLiteral(" – kvhost");
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
        QTest::addColumn<QString>("status");
        QTest::newRow("saved") << 3 << "Checksummed 3 files; list saved to ";
        QTest::newRow("empty folder") << 0 << "Checksummed 0 files";
    }

    void checksumListIsSaved()
    {
        QFETCH(int, files);
        QFETCH(QString, status);
        const bool save = files > 0;
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
        chooseList.Do([&](QWidget* chooser) { kvtest::ChooseFile(chooser, list); });
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

        // The list's lines are sha256sum's own (tst_folderchecksum).
        const QByteArray written = hosttest::Bytes(list);
        QCOMPARE(written.count('\n'), files);
        QVERIFY2(written.contains(u8"  第二架次/DJI_0101.JPG\n"), written.constData());
    }

    // A camera for images of another size than the project's is stored only
    // when the operator, told both sizes, says so; no other question comes.
    void cloudCameraOfAnotherImageSize_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("width");
        QTest::newRow("kept") << "kvbw2_cancel_" << 5472;
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

    // Every way the host edits the open project marks it; leaving a dialog
    // without applying does not, and saving clears the mark. The information
    // and camera dialogs open on the project's own values and keep the edit
    // only when applied; the elevation: tst_moduleactions.
    void editsMarkTheProject_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("marked");
        const auto row = [](const char* tag, const char* action, const char* button, bool marked) {
            QTest::newRow(tag) << QStringLiteral("kv_action_") + action << QString(button)
                               << marked;
        };
        row("project information, next", "edit_project", "prj_nextBtn", true);
        row("coordinate system changed", "coordinate", "crw_ok_btn_", true);
        row("camera, ok", "camera", "cw_ok_btn_", true);
        row("camera, cancel", "camera", "cw_cancel_btn_", false);
    }

    void editsMarkTheProject()
    {
        QFETCH(QString, action);
        QFETCH(QString, button);
        QFETCH(bool, marked);
        const QString path = Copy(QStringLiteral("edit ") + QLatin1String(QTest::currentDataTag()));
        KvMainWindow window;
        QVERIFY(window.OpenProject(path));
        QSignalSpy replaced(&window, &KvMainWindow::ProjectChanged);
        const bool information = action.endsWith(QLatin1String("edit_project"));
        const bool camera = action.endsWith(QLatin1String("camera"));
        const QString field = information ? "prj_operator" : "csw_camera_name_";
        QString shown;
        kvtest::ModalAnswer answer;
        answer
            .Do([&](QWidget* dialog) {
                if (information || camera) {
                    shown = kvtest::Text(dialog, field);
                    kvtest::SetText(dialog, field, QStringLiteral("李工 改"));
                } else if (action.endsWith(QLatin1String("coordinate")) && marked) {
                    kvfd::CoordinateInfo local;
                    local.id = -1;
                    dialog->findChild<CoordinateWidget*>()->SetCoordinate(local);
                }
            })
            .Click(button)
            .Arm();
        hosttest::Action(window, action)->trigger();
        VERIFY_ANSWERED(answer);
        QCOMPARE(window.IsProjectModified(), marked);
        QCOMPARE(window.windowTitle(), Title(kName, marked));
        const kvkernel::AISContext& project = *window.Context();
        const QString before = information ? QStringLiteral("王工") : QStringLiteral("FC6310");
        const QString now
            = String2QString(information ? project.GetPrjInfo().prjOperator
                                         : project.GetCameraInfoSet().GetCamera(0)->name);
        if (information || camera) {
            QCOMPARE(shown, before);
            QCOMPARE(now, marked ? QStringLiteral("李工 改") : before);
        }
        if (information)
            QCOMPARE(replaced.count(), marked ? 1 : 0);

        hosttest::Action(window, "kv_action_save")->trigger();
        QCOMPARE(window.windowTitle(), Title(kName, false));
    }

    // Close Project and Quit ask about unsaved changes: Cancel (or closing
    // the box) keeps everything, Discard goes without writing, Save writes
    // and goes.
    void leavingAsks_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("goes");
        QTest::addColumn<bool>("saved");
        QTest::newRow("close, cancel") << "close" << kCancel << false << false;
        QTest::newRow("close, discard") << "close" << kDiscard << true << false;
        QTest::newRow("quit, save") << "quit" << kSave << true << true;
    }

    void leavingAsks()
    {
        QFETCH(QString, way);
        QFETCH(QString, button);
        QFETCH(bool, goes);
        QFETCH(bool, saved);
        const QString path = Copy(QLatin1String(QTest::currentDataTag()));
        const QByteArray before = Bytes(path);
        KvMainWindow window;
        QVERIFY(window.OpenProject(path));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RenameCamera(window);

        kvtest::ModalAnswer question;
        question.ExpectTitle(kQuestionTitle).Click(button).Arm();
        Action(window, way == QLatin1String("quit") ? "kv_action_quit" : "kv_action_close")
            ->trigger();
        VERIFY_ANSWERED(question);
        QVERIFY(question.SeenTexts().join(QLatin1Char('|')).contains(kName));

        if (way == QLatin1String("quit"))
            QCOMPARE(window.isVisible(), !goes);
        else
            QCOMPARE(window.Context() == nullptr, goes);
        if (!goes)
            QVERIFY(window.IsProjectModified());
        QCOMPARE(Bytes(path) == before, !saved);
        QCOMPARE(CameraInFile(path), std::string(saved ? "edited" : "FC6310"));
    }

    // A save that cannot be made keeps the project open and modified and says
    // why; the file stays as it was.
    void failedSaveKeepsTheProject_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason"); // empty: the save chooser is cancelled
        QTest::newRow("read-only file") << "read-only"
                                        << "The file is read-only.";
        QTest::newRow("folder gone") << "folder gone"
                                     << "Its folder does not exist.";
        QTest::newRow("never saved, no file chosen") << "new"
                                                     << "";
    }

    void failedSaveKeepsTheProject()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        const QString folder
            = m_dir.filePath(QStringLiteral("保存 失败 ") + QLatin1String(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/东湖.db");
        QVERIFY(QFile::copy(m_survey, path));
        const QByteArray before = Bytes(path);

        KvMainWindow window;
        if (fault == QLatin1String("new")) {
            window.SetProject(kvhost::fixtures::DemoProject());
            window.SetProjectModified(true);
        } else {
            QVERIFY(window.OpenProject(path));
            RenameCamera(window);
        }
        kvkernel::AISContext* project = window.Context();
        if (fault == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        if (fault == QLatin1String("folder gone"))
            QVERIFY(QDir(folder).removeRecursively());

        kvtest::ModalAnswer why;
        why.Do([](QWidget* dialog) {
            if (auto* chooser = qobject_cast<QFileDialog*>(dialog))
                chooser->reject();
            else
                kvtest::Click(dialog, QStringLiteral("kvsb_ok_btn_"));
        });
        kvtest::ModalAnswer question;
        question.Do([&why](QWidget*) { why.Arm(); }).Click(kSave).Arm();
        QVERIFY(!window.CloseProject());
        VERIFY_ANSWERED(question);
        VERIFY_ANSWERED(why);
        if (!reason.isEmpty())
            QVERIFY2(why.SeenTexts().contains(QStringLiteral("工程文件保存失败！\n") + reason),
                     qPrintable(why.SeenTexts().join(QLatin1Char('|'))));

        QCOMPARE(window.Context(), project);
        QVERIFY(window.IsProjectModified());
        if (fault == QLatin1String("read-only")) {
            QCOMPARE(Bytes(path), before);
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
            // Writable again, the same project saves.
            QVERIFY(window.SaveProject());
            QCOMPARE(CameraInFile(path), std::string("edited"));
        }
    }

private:
    // A copy of the survey of its own, in a Chinese folder name.
    QString Copy(const QString& tag)
    {
        const QString folder = m_dir.filePath(QStringLiteral("副本 ") + tag);
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/东湖.db");
        QFile::remove(path);
        QFile::copy(m_survey, path);
        return path;
    }

    QTemporaryDir m_dir;
    QString m_survey;
};

QTEST_MAIN(TestModuleActions)
#include "tst_moduleactions.moc"
