#include "framework/kvshared.h"
#include "framework/language.h"
#include "host/hostmodule.h"
#include "host/hoststyle.h"
#include "host/imagetablepanel.h"
#include "host/kvmainwindow.h"
#include "host/projectmodule.h"
#include "host/screenshotregistry.h"
#include "imagery/imageposloaddialog.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"
#include "project/projectmanager.h"
#include "project/tiledscene.h"
#include "wizardanswers.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString kProjectName = QStringLiteral("第一测区");

// Three images: the second disabled, the third in flight 2.
QString SaveSampleProject(const QString& folder)
{
    kvprj::KvProject project;
    kvprj::CopyText(project.GetPrjInfo().name, kProjectName.toUtf8().constData());
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (int i = 0; i < 3; ++i) {
        const kvfd::EOP eop {
            1000.0 + i, 2000.0, 150.25, qDegreesToRadians(1.5), 0.0, qDegreesToRadians(90.0 + i)};
        const int index = images.AddImage("IMG_" + std::to_string(i + 1) + ".JPG", "/survey/raw",
                                          eop, 0, i != 1);
        images.GetImageExt(index)->flight = i == 2 ? 1 : 0;
    }
    const QString path = folder + QLatin1Char('/') + kProjectName + QStringLiteral(".db");
    return project.SavePrj(QString2String(path)) ? path : QString();
}

QString Cell(KvMainWindow& window, int row, int column)
{
    QTableWidgetItem* item = window.ImageTable()->item(row, column);
    return item ? item->text() : QString();
}

QAction* Action(KvMainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

#define VERIFY_ANSWERED(answer) QVERIFY2((answer).Done(), qPrintable((answer).Error()))

class TestKvMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        HostStyle::Apply(*qApp);
        QVERIFY(m_dir.isValid());
        m_project = SaveSampleProject(m_dir.path());
        QVERIFY(!m_project.isEmpty());
    }

    void opensAndClosesAProject()
    {
        {
            KvMainWindow window;
            QVERIFY(!kvkernel::KvGetContext());
            QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);
            QVERIFY(window.OpenProject(m_project));
            QCOMPARE(changed.count(), 1);
            QCOMPARE(kvkernel::KvGetContext(), window.Context());
            QVERIFY(window.ProjectLabel()->text().contains(kProjectName));
            QCOMPARE(window.ImageTable()->rowCount(), 3);
            QCOMPARE(Cell(window, 2, ImageTablePanel::NameColumn), QStringLiteral("IMG_3.JPG"));
            QCOMPARE(Cell(window, 1, ImageTablePanel::XColumn), QStringLiteral("1001.000"));
            QCOMPARE(Cell(window, 0, ImageTablePanel::OmegaColumn), QStringLiteral("1.5000"));
            QCOMPARE(Cell(window, 2, ImageTablePanel::KappaColumn), QStringLiteral("92.0000"));
            QCOMPARE(Cell(window, 2, ImageTablePanel::FlightColumn), QStringLiteral("2"));
            QCOMPARE(Cell(window, 1, ImageTablePanel::EnabledColumn), QStringLiteral("No"));
            window.CloseProject();
            QVERIFY(!window.Context());
            QVERIFY(!kvkernel::KvGetContext());
            QCOMPARE(window.ImageTable()->rowCount(), 0);
            QVERIFY(window.OpenProject(m_project));
        }
        QVERIFY(!kvkernel::KvGetContext());
    }

    // File > New Project: the wizard on a real photo, the project saved where
    // the operator says, shown in the window and reopened unchanged.
    void newProjectIsCreatedSavedAndShown()
    {
        const QString photo = m_dir.filePath(QStringLiteral("新 照片/DJI_0024.JPG"));
        QVERIFY(QDir().mkpath(QFileInfo(photo).path()));
        QVERIFY(
            QFile::copy(QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/DJI_0024.JPG"), photo));
        const QString saved = m_dir.filePath(QStringLiteral("新工程.db"));

        KvMainWindow window;
        kvtest::ModalAnswer save;
        save.Do([&](QWidget* dialog) { kvtest::ChooseFile(dialog, saved); });
        kvtest::WizardAnswers wizard(
            QStringLiteral("新工程"), {photo},
            [](QWidget* page) { page->findChild<ImagePosLoadWidget*>()->SetExifPOS(); },
            [&](QWidget*) { save.Arm(); });
        wizard.Arm();
        Action(window, "kv_action_new")->trigger();
        QVERIFY2(wizard.Done(), qPrintable(wizard.Error()));
        VERIFY_ANSWERED(save);

        QVERIFY(window.Context());
        QCOMPARE(String2QString(window.Context()->GetPrjInfo().path), saved);
        QCOMPARE(window.ImageTable()->rowCount(), 1);
        QCOMPARE(Cell(window, 0, ImageTablePanel::NameColumn), QStringLiteral("DJI_0024.JPG"));
        QCOMPARE(window.Context()->GetPrjInfo().coordinateId, 32615);

        const kvprj::KvProject created = *window.Context();
        QVERIFY(window.OpenProject(saved));
        const kvfd::ImageInfo* image = window.Context()->GetImageInfoSet().GetImage(0);
        QVERIFY(image);
        QCOMPARE(image->GetEOP(), created.GetImageInfoSet().GetImage(0)->GetEOP());
        QCOMPARE(*window.Context()->GetCameraInfoSet().GetCamera(0),
                 *created.GetCameraInfoSet().GetCamera(0));
    }

    // Saving puts the project at the front of the start page's list; the start
    // page opens it in the window with a double click on its tile.
    void startPageOpensTheSavedProject()
    {
        const QString path = m_dir.filePath(QStringLiteral("起始 页.db"));
        {
            KvMainWindow window;
            QVERIFY(window.OpenProject(m_project));
            QVERIFY(window.SaveProjectAs(path));
            window.CloseProject();
        }
        QList<PrjInfo> list;
        ProjectManager::ReadConfig(list);
        QVERIFY(!list.isEmpty());
        QCOMPARE(list.first().path, path);
        QCOMPARE(list.first().name, kProjectName);

        KvMainWindow window;
        kvtest::ModalAnswer page;
        page.Do([&](QWidget* dialog) {
                auto* scene = dialog->findChild<ProjectManagerWidget*>()->Scene();
                for (ProjectGraphicsItem* tile : scene->Items())
                    if (tile->Info()->path == path)
                        return tile->Activate();
            })
            .Arm();
        QVERIFY(window.FindModule<ProjectModule>()->ShowStartPage());
        VERIFY_ANSWERED(page);
        QVERIFY(window.Context());
        QCOMPARE(String2QString(window.Context()->GetPrjInfo().path), path);
        QCOMPARE(window.ImageTable()->rowCount(), 3);
    }

    // Save As opens at the project's own file; a name typed without a suffix
    // gets ".db", and cancelling leaves the project where it was.
    void saveAsStartsAtTheProject_data()
    {
        QTest::addColumn<QString>("typed"); // empty: cancel
        QTest::addColumn<QString>("saved");
        QTest::newRow("no suffix") << QStringLiteral("副本 一") << QStringLiteral("副本 一.db");
        QTest::newRow("suffix") << QStringLiteral("副本二.db") << QStringLiteral("副本二.db");
        QTest::newRow("cancel") << QString() << QString();
    }

    void saveAsStartsAtTheProject()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        const QString folder
            = m_dir.filePath(QStringLiteral("另存 为 ") + QLatin1String(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));
        const QString source = folder + QStringLiteral("/原工程.db");
        QVERIFY(QFile::copy(m_project, source));

        KvMainWindow window;
        QVERIFY(window.OpenProject(source));
        QString shownFolder;
        QString shownName;
        kvtest::ModalAnswer chooser;
        chooser.ExpectTitle(QStringLiteral("Save Project As"))
            .Do([&](QWidget* dialog) {
                auto* files = qobject_cast<QFileDialog*>(dialog);
                shownFolder = files->directory().absolutePath();
                shownName = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
                if (typed.isEmpty())
                    files->reject();
                else
                    kvtest::ChooseFile(dialog, folder + QLatin1Char('/') + typed);
            })
            .Arm();
        Action(window, "kv_action_save_as")->trigger();
        VERIFY_ANSWERED(chooser);
        QCOMPARE(shownFolder, folder);
        QCOMPARE(shownName, QStringLiteral("原工程.db"));

        const QString expected = saved.isEmpty() ? source : folder + QLatin1Char('/') + saved;
        QCOMPARE(String2QString(window.Context()->GetPrjInfo().path), expected);
        QVERIFY(QFileInfo(expected).isFile());
        QCOMPARE(QDir(folder).entryList({QStringLiteral("*.db")}, QDir::Files).size(),
                 saved.isEmpty() ? 1 : 2);
    }

    void damagedFileKeepsTheOpenProject_data()
    {
        QTest::addColumn<QByteArray>("contents"); // null: no file
        QFile valid(m_project);
        QVERIFY(valid.open(QIODevice::ReadOnly));
        const QByteArray project = valid.readAll();
        QTest::newRow("garbage") << QByteArray("this is not a project file\n");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("truncated") << project.left(project.size() / 2);
        QTest::newRow("header only") << project.left(100);
        QTest::newRow("oversized") << QByteArray(24 << 20, '\xff');
    }

    void damagedFileKeepsTheOpenProject()
    {
        QFETCH(QByteArray, contents);
        const QString broken = m_dir.filePath(QStringLiteral("损坏 工程.db"));
        QFile::remove(broken);
        if (!contents.isNull())
            QVERIFY(WriteFile(broken, contents));

        KvMainWindow window;
        QVERIFY(window.OpenProject(m_project));
        kvkernel::AISContext* before = window.Context();
        QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("工程文件无法打开！"))
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        QVERIFY(!window.OpenProject(broken));
        VERIFY_ANSWERED(answer);
        QCOMPARE(window.Context(), before);
        QCOMPARE(kvkernel::KvGetContext(), before);
        QCOMPARE(window.ImageTable()->rowCount(), 3);
        QCOMPARE(changed.count(), 0);
    }

    void screenshotsAreWritten()
    {
        const QString target = m_dir.filePath(QStringLiteral("shots/new"));
        ScreenshotRegistry registry;
        kvhost::AddHostScreenshots(registry);
        QStringList failures;
        QVERIFY2(registry.RenderAll(target, &failures),
                 qPrintable(failures.join(QLatin1Char('\n'))));
        for (const char* name : {"main_window",
                                 "message_ok",
                                 "message_yes_no",
                                 "progress_dialog",
                                 "flight_selector",
                                 "title_widget",
                                 "title_widget2",
                                 "little_title_widget",
                                 "camera_dialog",
                                 "get_camera_dialog",
                                 "get_camera_network_error",
                                 "get_camera_no_data",
                                 "wizard_1_description",
                                 "wizard_2_images",
                                 "wizard_3_image_pos",
                                 "wizard_4_preview",
                                 "pos_import",
                                 "coordinate_dialog",
                                 "image_property",
                                 "image_info",
                                 "elevation_dialog",
                                 "rt27_dialog",
                                 "lever_arm_dialog",
                                 "gps_tool_dialog",
                                 "project_menu",
                                 "flight_project_images",
                                 "start_page",
                                 "start_page_flight",
                                 "start_page_image_mode",
                                 "start_page_selected",
                                 "start_page_delete_question",
                                 "save_question"})
            QVERIFY2(!QImage(QDir(target).filePath(QLatin1String(name) + QStringLiteral(".png")))
                          .isNull(),
                     name);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!kvkernel::KvGetContext());

        // The pictures in each language differ from each other, and the
        // language in use is back afterwards.
        QCOMPARE(kvui::Language(), QString());
        for (const char* name : {"main_window", "camera_dialog", "gps_tool_dialog"}) {
            const auto picture = [&target, name](const char* language) {
                return QImage(QDir(target).filePath(
                    QStringLiteral("%1_%2.png").arg(QLatin1String(name), QLatin1String(language))));
            };
            QVERIFY2(!picture("en").isNull() && !picture("zh_CN").isNull(), name);
            QVERIFY2(picture("en") != picture("zh_CN"), name);
        }
    }

private:
    QTemporaryDir m_dir;
    QString m_project;
};

QTEST_MAIN(TestKvMainWindow)
#include "tst_kvmainwindow.moc"
