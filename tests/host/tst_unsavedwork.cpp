#include "framework/kvshared.h"
#include "host/cameramodule.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "host/projectmodule.h"
#include "hosttest.h"
#include "imagery/coordinatedialog.h"
#include "kvfd/camerainfo.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"
#include "project/projectmanager.h"
#include "project/tiledscene.h"

#include <QtTest>
#include <QtWidgets>

namespace {

using hosttest::Action;
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

class TestUnsavedWork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_dir.isValid());
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
        row("project information, exit", "edit_project", "prj_quitBtn", false);
        row("images and positions, next", "image_pos", "iplw_next_btn_", true);
        row("coordinate system changed", "coordinate", "crw_ok_btn_", true);
        row("coordinate system kept", "coordinate", "crw_ok_btn_", false);
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
        QCOMPARE(window.windowTitle(), Title(kName, false));
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
            QCOMPARE(String2QString(project.GetPrjInfo().path), path);
            QCOMPARE(project.GetImageInfoSet().ValidSize(), 12);
            QCOMPARE(project.GetCameraInfoSet().Size(), 1);
            QCOMPARE(project.GetCameraInfoSet().GetCamera(0)->width, 5472);
        }
        if (information)
            QCOMPARE(replaced.count(), marked ? 1 : 0);

        hosttest::Action(window, "kv_action_save")->trigger();
        QVERIFY(!window.IsProjectModified());
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
        for (const char* way : {"close", "quit"}) {
            const QString name = QLatin1String(way);
            QTest::addRow("%s, cancel", way) << name << kCancel << false << false;
            QTest::addRow("%s, box closed", way) << name << kCloseFrame << false << false;
            QTest::addRow("%s, discard", way) << name << kDiscard << true << false;
            QTest::addRow("%s, save", way) << name << kSave << true << true;
        }
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
        QCOMPARE(window.windowTitle(), Title(kName, true));

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
        if (!goes) {
            QVERIFY(window.IsProjectModified());
            QCOMPARE(window.Context()->GetCameraInfoSet().GetCamera(0)->name,
                     std::string("edited"));
        }
        QCOMPARE(Bytes(path) == before, !saved);
        QCOMPARE(CameraInFile(path), std::string(saved ? "edited" : "FC6310"));
    }

    // Nothing unsaved, nothing asked.
    void unmodifiedProjectGoesUnasked()
    {
        KvMainWindow window;
        QVERIFY(window.OpenProject(Copy(QStringLiteral("unasked"))));
        kvtest::ModalAnswer question;
        question.Arm();
        QVERIFY(window.CloseProject());
        QVERIFY(!question.Dialog());
        QVERIFY(!window.Context());
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
        QVERIFY(QFile::copy(Survey(), path));
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
        QVERIFY(window.windowTitle().contains(QLatin1Char('*')));
        if (fault == QLatin1String("read-only")) {
            QCOMPARE(Bytes(path), before);
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
            // Writable again, the same project saves.
            QVERIFY(window.SaveProject());
            QCOMPARE(CameraInFile(path), std::string("edited"));
        }
        if (fault == QLatin1String("folder gone"))
            QVERIFY(!QFileInfo::exists(folder));
    }

    // New Project and Open ask before their wizard or chooser: Cancel shows
    // neither, Discard and Save go on to them (Save having written first).
    void replacingAsksFirst_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("button");
        for (const char* action : {"kv_action_new", "kv_action_open"}) {
            QTest::addRow("%s, cancel", action) << QString::fromLatin1(action) << kCancel;
            QTest::addRow("%s, discard", action) << QString::fromLatin1(action) << kDiscard;
            QTest::addRow("%s, save", action) << QString::fromLatin1(action) << kSave;
        }
    }

    void replacingAsksFirst()
    {
        QFETCH(QString, action);
        QFETCH(QString, button);
        const QString path = Copy(QLatin1String(QTest::currentDataTag()));
        const QByteArray before = Bytes(path);
        const QString other = Copy(QLatin1String(QTest::currentDataTag()) + QStringLiteral(" B"));
        const bool open = action == QLatin1String("kv_action_open");

        KvMainWindow window;
        QVERIFY(window.OpenProject(path));
        RenameCamera(window);
        // The wizard is left at once; the chooser opens the other project.
        kvtest::ModalAnswer next;
        next.Do([&](QWidget* dialog) {
            if (open)
                kvtest::ChooseFile(dialog, other);
            else
                qobject_cast<QDialog*>(dialog)->reject();
        });
        kvtest::ModalAnswer question;
        question.ExpectTitle(kQuestionTitle).Do([&next](QWidget*) { next.Arm(); }).Click(button);
        question.Arm();
        window.findChild<QAction*>(action)->trigger();
        VERIFY_ANSWERED(question);

        const bool goesOn = button != kCancel;
        QCOMPARE(next.Done(), goesOn);
        QCOMPARE(Bytes(path) != before, button == kSave);
        const QString openPath = String2QString(window.Context()->GetPrjInfo().path);
        QCOMPARE(openPath, open && goesOn ? other : path);
        // Unless replaced, the project keeps its changes, saved or not.
        QCOMPARE(window.Context()->GetCameraInfoSet().GetCamera(0)->name,
                 std::string(open && goesOn ? "FC6310" : "edited"));
        QCOMPARE(window.IsProjectModified(), button != kSave && !(open && goesOn));
    }

    // Opening a project on the start page asks first; Cancel leaves the page
    // up with the old project still open.
    void startPageAsksBeforeOpening_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("cancel") << kCancel;
        QTest::newRow("discard") << kDiscard;
    }

    void startPageAsksBeforeOpening()
    {
        QFETCH(QString, button);
        const QString path = Copy(QStringLiteral("page ") + QLatin1String(QTest::currentDataTag()));
        const QString other
            = Copy(QStringLiteral("page other ") + QLatin1String(QTest::currentDataTag()));
        ProjectManager::WriteConfig(
            {PrjInfo {QString(), other, QStringLiteral("other"), {}, {}, {}}});

        KvMainWindow window;
        QVERIFY(window.OpenProject(path));
        RenameCamera(window);
        bool pageStayed = false;
        kvtest::ModalAnswer page;
        page.Do([&](QWidget* dialog) {
                auto* scene = dialog->findChild<ProjectManagerWidget*>()->Scene();
                kvtest::ModalAnswer question;
                question.ExpectTitle(kQuestionTitle).Click(button).Arm();
                scene->Items().first()->Activate();
                QVERIFY2(question.Done(), qPrintable(question.Error()));
                pageStayed = dialog->isVisible();
                if (pageStayed)
                    qobject_cast<QDialog*>(dialog)->reject();
            })
            .Arm();
        const bool opened = window.FindModule<ProjectModule>()->ShowStartPage();
        VERIFY_ANSWERED(page);

        const bool cancelled = button == kCancel;
        QCOMPARE(pageStayed, cancelled);
        QCOMPARE(opened, !cancelled);
        QCOMPARE(String2QString(window.Context()->GetPrjInfo().path), cancelled ? path : other);
        QCOMPARE(window.IsProjectModified(), cancelled);
    }

    // A project made on the start page is saved while the page still shows,
    // then opens in the window saved.
    void newProjectIsSavedOverTheStartPage()
    {
        const QString saved = m_dir.filePath(QStringLiteral("照片 工程.db"));
        KvMainWindow window;
        QPointer<QWidget> page;
        bool pageShown = false;
        // Answers the save chooser whenever it comes, so that a chooser
        // opened after the page has gone fails the test instead of hanging it.
        kvtest::ModalAnswer chooser;
        chooser.ExpectTitle(QStringLiteral("Save Project As")).Do([&](QWidget* files) {
            pageShown = page && page->isVisible();
            kvtest::ChooseFile(files, saved);
        });
        kvtest::ModalAnswer startPage;
        startPage
            .Do([&](QWidget* dialog) {
                page = dialog;
                chooser.Arm();
                dialog->findChild<ProjectManagerWidget*>()->NewImageProject(
                    {QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/DJI_0024.JPG")});
            })
            .Arm();
        QVERIFY(window.FindModule<ProjectModule>()->ShowStartPage(true));
        VERIFY_ANSWERED(startPage);
        VERIFY_ANSWERED(chooser);
        QVERIFY(pageShown);
        QVERIFY(window.Context());
        QCOMPARE(String2QString(window.Context()->GetPrjInfo().path), saved);
        QVERIFY(!window.IsProjectModified());
        QVERIFY(QFileInfo(saved).isFile());
    }

private:
    // The survey fixture, saved once.
    QString Survey()
    {
        if (m_survey.isEmpty()) {
            m_survey = m_dir.filePath(QStringLiteral("东湖.db"));
            kvprj::KvProject survey = kvhost::fixtures::SurveyProject();
            if (!survey.SavePrj(QString2String(m_survey)))
                m_survey.clear();
        }
        return m_survey;
    }

    // A copy of the survey of its own, in a Chinese folder name.
    QString Copy(const QString& tag)
    {
        const QString folder = m_dir.filePath(QStringLiteral("副本 ") + tag);
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/东湖.db");
        QFile::remove(path);
        QFile::copy(Survey(), path);
        return path;
    }

    QTemporaryDir m_dir;
    QString m_survey;
};

QTEST_MAIN(TestUnsavedWork)
#include "tst_unsavedwork.moc"
