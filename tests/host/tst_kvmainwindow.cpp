#include "camera/downloadthread.h"
#include "cloudserver.h"
#include "framework/kvshared.h"
#include "host/hostmodule.h"
#include "host/hoststyle.h"
#include "host/imagetablepanel.h"
#include "host/kvmainwindow.h"
#include "host/projectmodule.h"
#include "host/screenshotregistry.h"
#include "imagery/imageposloaddialog.h"
#include "kvfd/kvconfiguration.h"
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

// Alternating field names and texts.
void Fill(QWidget* form, std::initializer_list<const char*> fields)
{
    for (auto field = fields.begin(); field != fields.end(); field += 2)
        if (auto* edit = kvtest::Find<QLineEdit>(form, QLatin1String(*field)))
            edit->setText(QString::fromUtf8(field[1]));
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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

    void damagedFileKeepsTheOpenProject_data()
    {
        QTest::addColumn<QByteArray>("contents"); // null: no file
        QTest::newRow("garbage") << QByteArray("this is not a project file\n");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("missing") << QByteArray();
    }

    void damagedFileKeepsTheOpenProject()
    {
        QFETCH(QByteArray, contents);
        const QString broken = m_dir.filePath(QStringLiteral("broken.db"));
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

    void camerasAreStoredInTheProject()
    {
        kvtest::CloudServer cloud;
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        KvMainWindow window;
        QAction* camera = Action(window, "kv_action_camera");
        QVERIFY(!camera->isEnabled());
        QVERIFY(window.OpenProject(m_project));
        QVERIFY(camera->isEnabled());
        const kvfd::CameraInfoSet& cameras = window.Context()->GetCameraInfoSet();
        QCOMPARE(cameras.Size(), 0);

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

        kvtest::ModalAnswer download;
        download
            .Do([](QWidget* dialog) {
                Fill(dialog, {"gcw_cameraid_", "1001", "gcw_lensid_", "1"});
            })
            .Click(QStringLiteral("gcw_ok_btn_"))
            .Arm();
        kvtest::ModalAnswer offer;
        offer.ExpectText(QStringLiteral("是否将该相机保存到工程？"))
            .Click(QStringLiteral("kvbw2_ok_"))
            .Arm();
        Action(window, "kv_action_cloud_camera")->trigger();
        VERIFY_ANSWERED(download);
        VERIFY_ANSWERED(offer);
        QCOMPARE(cameras.Size(), 1); // the project camera is replaced
        QVERIFY(cameras.GetCamera(0)->name != "UAV-CAM");
        QVERIFY(cameras.GetCamera(0)->width > 0);
    }

    void cameraDatabaseIsRefreshed_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("three cameras")
            << QStringList() << QStringLiteral("相机数据库已更新（3 台相机）");
        QTest::newRow("service fails")
            << QStringList {QStringLiteral("--status"), QStringLiteral("1")}
            << QStringLiteral("相机数据库更新失败");
    }

    void cameraDatabaseIsRefreshed()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, outcome);
        QTemporaryDir data;
        QVERIFY(WriteFile(data.filePath(QStringLiteral("cameras.json")), ThreeCameras()));
        kvtest::CloudServer cloud(QStringList {QStringLiteral("--data"), data.path()} + faults);
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        DownloadThread::SetTimeouts(2000, 10);
        KvMainWindow window;
        QAction* refresh = Action(window, "kv_action_refresh_cameras");
        refresh->trigger();
        QVERIFY(!refresh->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(refresh->isEnabled(), 20000);
        DownloadThread::ResetTimeouts();
        QCOMPARE(window.statusBar()->currentMessage(), outcome);
        if (faults.isEmpty())
            QCOMPARE(kvfd::KvConfiguration::Instance()->GetCameraInfoSet().Size(), 3);
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
                                 "start_page_selected"})
            QVERIFY2(!QImage(QDir(target).filePath(QLatin1String(name) + QStringLiteral(".png")))
                          .isNull(),
                     name);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!kvkernel::KvGetContext());
    }

private:
    QTemporaryDir m_dir;
    QString m_project;
};

QTEST_MAIN(TestKvMainWindow)
#include "tst_kvmainwindow.moc"
