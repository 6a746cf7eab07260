#include "camera/downloadthread.h"
#include "cloudserver.h"
#include "framework/buttongroup.h"
#include "framework/kvshared.h"
#include "host/hostscreenshots.h"
#include "host/hoststyle.h"
#include "host/imagetablepanel.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

namespace {

const QString kProjectName = QStringLiteral("第一测区");

// Writes a project of three images (the second disabled, the third in flight
// 2) and returns its path.
QString SaveSampleProject(const QString& folder)
{
    kvprj::KvProject project;
    kvprj::CopyText(project.GetPrjInfo().name, kProjectName.toUtf8().constData());
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (int i = 0; i < 3; ++i) {
        kvfd::EOP eop;
        eop.X = 1000.0 + i;
        eop.Y = 2000.0;
        eop.Z = 150.25;
        eop.Omega = qDegreesToRadians(1.5);
        eop.Phi = 0;
        eop.Kappa = qDegreesToRadians(90.0 + i);
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

QSet<QWidget*> VisibleWindows()
{
    QSet<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            windows.insert(w);
    return windows;
}

// Share of pixels that differ from the backdrop: a blank picture is 0.
double PaintedShare(const QImage& image)
{
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += image.pixel(x, y) != ScreenshotRegistry::kBackdrop ? 1 : 0;
    return double(painted) / (image.width() * image.height());
}

QAction* Action(KvMainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

void Type(QWidget* form, const char* name, const QString& text)
{
    if (auto* edit = kvtest::Find<QLineEdit>(form, QLatin1String(name)))
        edit->setText(text);
}

QString Shown(QWidget* form, const char* name)
{
    auto* edit = kvtest::Find<QLineEdit>(form, QLatin1String(name));
    return edit ? edit->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

} // namespace

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

    void opensASavedProject()
    {
        KvMainWindow window;
        QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);
        QVERIFY(window.OpenProject(m_project));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(QString::fromUtf8(window.Context()->GetPrjInfo().name), kProjectName);

        QCOMPARE(window.ImageTable()->rowCount(), 3);
        QCOMPARE(Cell(window, 2, ImageTablePanel::NameColumn), QStringLiteral("IMG_3.JPG"));
        QCOMPARE(Cell(window, 1, ImageTablePanel::XColumn), QStringLiteral("1001.000"));
        QCOMPARE(Cell(window, 0, ImageTablePanel::ZColumn), QStringLiteral("150.250"));
        // Angles are stored in radians and shown in degrees; flights count from 1.
        QCOMPARE(Cell(window, 0, ImageTablePanel::OmegaColumn), QStringLiteral("1.5000"));
        QCOMPARE(Cell(window, 2, ImageTablePanel::KappaColumn), QStringLiteral("92.0000"));
        QCOMPARE(Cell(window, 2, ImageTablePanel::FlightColumn), QStringLiteral("2"));
        QCOMPARE(Cell(window, 1, ImageTablePanel::EnabledColumn), QStringLiteral("No"));
        QVERIFY(window.ProjectLabel()->text().contains(kProjectName));
        QCOMPARE(window.FlightSelector()
                     ->findChildren<QPushButton*>(QStringLiteral("kv_group_btn"))
                     .size(),
                 2);
    }

    void damagedFileKeepsTheOpenProject_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("garbage") << true << QByteArray("this is not a project file\n");
        QTest::newRow("empty") << true << QByteArray();
        QTest::newRow("missing") << false << QByteArray();
    }

    void damagedFileKeepsTheOpenProject()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, contents);
        const QString broken = m_dir.filePath(QStringLiteral("broken.db"));
        QFile::remove(broken);
        if (exists) {
            QFile file(broken);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }

        KvMainWindow window;
        QVERIFY(window.OpenProject(m_project));
        kvkernel::AISContext* before = window.Context();
        QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("工程文件无法打开！"))
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        QVERIFY(!window.OpenProject(broken));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));

        QCOMPARE(window.Context(), before);
        QCOMPARE(kvkernel::KvGetContext(), before);
        QCOMPARE(window.ImageTable()->rowCount(), 3);
        QCOMPARE(changed.count(), 0);
    }

    // The library sees the open project, and never one that is gone.
    void contextFollowsOpenAndClose()
    {
        {
            KvMainWindow window;
            QVERIFY(!kvkernel::KvGetContext());
            QVERIFY(window.OpenProject(m_project));
            QCOMPARE(kvkernel::KvGetContext(), window.Context());
            window.CloseProject();
            QVERIFY(!window.Context());
            QVERIFY(!kvkernel::KvGetContext());
            QCOMPARE(window.ImageTable()->rowCount(), 0);
            QVERIFY(window.OpenProject(m_project));
            QVERIFY(kvkernel::KvGetContext());
        }
        QVERIFY(!kvkernel::KvGetContext());
    }

    void cameraNeedsAProject()
    {
        KvMainWindow window;
        const QStringList names {QStringLiteral("kv_action_camera"),
                                 QStringLiteral("kv_action_refresh_cameras"),
                                 QStringLiteral("kv_action_cloud_camera")};
        QStringList inMenu;
        for (QAction* action : window.Menu(KvMainWindow::MenuId::Cameras)->actions())
            inMenu << action->objectName();
        QCOMPARE(inMenu, names);

        QAction* camera = Action(window, "kv_action_camera");
        QVERIFY(!camera->isEnabled());
        QVERIFY(Action(window, "kv_action_cloud_camera")->isEnabled());
        QVERIFY(window.OpenProject(m_project));
        QVERIFY(camera->isEnabled());
        window.CloseProject();
        QVERIFY(!camera->isEnabled());
    }

    // The first camera is added, then edited in place; Cancel keeps it.
    void cameraIsStoredInTheProject()
    {
        KvMainWindow window;
        QVERIFY(window.OpenProject(m_project));
        const kvfd::CameraInfoSet& cameras = window.Context()->GetCameraInfoSet();
        QCOMPARE(cameras.Size(), 0);

        kvtest::ModalAnswer add;
        add.ExpectTitle(QStringLiteral("Camera Setting"))
            .Do([](QWidget* dialog) {
                QCOMPARE(Shown(dialog, "csw_camera_name_"), QString());
                Type(dialog, "csw_camera_name_", QStringLiteral("UAV-CAM"));
                Type(dialog, "csw_width_", QStringLiteral("6000"));
                Type(dialog, "csw_height_", QStringLiteral("4000"));
                Type(dialog, "csw_ccd_width_", QStringLiteral("13.2"));
                Type(dialog, "csw_ccd_height_", QStringLiteral("8.8"));
                Type(dialog, "csw_focal_length_", QStringLiteral("3000"));
            })
            .Click(QStringLiteral("cw_ok_btn_"))
            .Arm();
        Action(window, "kv_action_camera")->trigger();
        QVERIFY2(add.Done(), qPrintable(add.Error()));
        QCOMPARE(cameras.Size(), 1);
        QCOMPARE(cameras.GetCamera(0)->name, std::string("UAV-CAM"));
        QCOMPARE(cameras.GetCamera(0)->focal, 6.6);
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("UAV-CAM")));

        kvtest::ModalAnswer edit;
        QString presetName;
        edit.Do([&presetName](QWidget* dialog) {
                presetName = Shown(dialog, "csw_camera_name_");
                Type(dialog, "csw_camera_name_", QStringLiteral("UAV-CAM 2"));
            })
            .Click(QStringLiteral("cw_ok_btn_"))
            .Arm();
        Action(window, "kv_action_camera")->trigger();
        QVERIFY2(edit.Done(), qPrintable(edit.Error()));
        QCOMPARE(presetName, QStringLiteral("UAV-CAM"));
        QCOMPARE(cameras.Size(), 1);
        QCOMPARE(cameras.GetCamera(0)->name, std::string("UAV-CAM 2"));
        QCOMPARE(cameras.GetCamera(0)->width, 6000);

        kvtest::ModalAnswer cancel;
        cancel.Do([](QWidget* dialog) { Type(dialog, "csw_camera_name_", QStringLiteral("lost")); })
            .Click(QStringLiteral("cw_cancel_btn_"))
            .Arm();
        Action(window, "kv_action_camera")->trigger();
        QVERIFY2(cancel.Done(), qPrintable(cancel.Error()));
        QCOMPARE(cameras.GetCamera(0)->name, std::string("UAV-CAM 2"));
    }

    void cloudCameraIsOffered_data()
    {
        QTest::addColumn<QString>("answerButton");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("status");
        QTest::newRow("saved") << "kvbw2_ok_" << 1 << "Project camera: ";
        QTest::newRow("declined") << "kvbw2_cancel_" << 0 << "Downloaded camera: ";
    }

    void cloudCameraIsOffered()
    {
        QFETCH(QString, answerButton);
        QFETCH(int, stored);
        QFETCH(QString, status);
        kvtest::CloudServer cloud;
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        KvMainWindow window;
        QVERIFY(window.OpenProject(m_project));

        kvtest::ModalAnswer download;
        download
            .Do([](QWidget* dialog) {
                Type(dialog, "gcw_cameraid_", QStringLiteral("1001"));
                Type(dialog, "gcw_lensid_", QStringLiteral("1"));
            })
            .Click(QStringLiteral("gcw_ok_btn_"))
            .Arm();
        kvtest::ModalAnswer offer;
        offer.ExpectText(QStringLiteral("是否将该相机保存到工程？")).Click(answerButton).Arm();
        Action(window, "kv_action_cloud_camera")->trigger();
        QVERIFY2(download.Done(), qPrintable(download.Error()));
        QVERIFY2(offer.Done(), qPrintable(offer.Error()));
        QVERIFY2(window.statusBar()->currentMessage().startsWith(status),
                 qPrintable(window.statusBar()->currentMessage()));
        const kvfd::CameraInfoSet& cameras = window.Context()->GetCameraInfoSet();
        QCOMPARE(cameras.Size(), stored);
        if (stored)
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
        QJsonArray list;
        for (const char* name : {"Cam A", "Cam B", "Cam C"})
            list.append(QJsonObject {{QStringLiteral("name"), QLatin1String(name)},
                                     {QStringLiteral("fullname"), QLatin1String(name)},
                                     {QStringLiteral("width"), QStringLiteral("4000")},
                                     {QStringLiteral("height"), QStringLiteral("3000")},
                                     {QStringLiteral("ccdwidth"), QStringLiteral("6.4")},
                                     {QStringLiteral("ccdheight"), QStringLiteral("4.8")},
                                     {QStringLiteral("focallength"), QStringLiteral("4.5")}});
        QFile file(data.filePath(QStringLiteral("cameras.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(list).toJson());
        file.close();

        kvtest::CloudServer cloud(QStringList {QStringLiteral("--data"), data.path()} + faults);
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        // Ten failed attempts in well under a second.
        DownloadThread::SetTimeouts(2000, 10);
        KvMainWindow window;
        QAction* refresh = Action(window, "kv_action_refresh_cameras");
        refresh->trigger();
        QVERIFY(!refresh->isEnabled());
        QVERIFY(window.CameraDownload());
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("正在更新相机数据库……"));
        QTRY_VERIFY_WITH_TIMEOUT(refresh->isEnabled(), 20000);
        DownloadThread::ResetTimeouts();
        QCOMPARE(window.statusBar()->currentMessage(), outcome);
        QVERIFY(!window.CameraDownload());
        if (faults.isEmpty())
            QCOMPARE(kvfd::KvConfiguration::Instance()->GetCameraInfoSet().Size(), 3);
    }

    // A window closed while the download runs waits for it and goes quietly.
    void closingDuringRefresh()
    {
        kvtest::CloudServer cloud({QStringLiteral("--delay-ms"), QStringLiteral("400")});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        QElapsedTimer clock;
        clock.start();
        {
            KvMainWindow window;
            Action(window, "kv_action_refresh_cameras")->trigger();
            QVERIFY(window.CameraDownload()->isRunning());
        }
        QVERIFY(clock.elapsed() < 10000);
    }

    // What "kvhost --screenshot DIR" does, in process.
    void screenshotsAreWritten()
    {
        const QString target = m_dir.filePath(QStringLiteral("shots/new"));
        ScreenshotRegistry registry;
        kvhost::AddHostScreenshots(registry);
        for (const char* name :
             {"main_window", "message_ok", "message_yes_no", "progress_dialog", "flight_selector",
              "title_widget", "title_widget2", "little_title_widget", "camera_dialog",
              "get_camera_dialog", "get_camera_network_error", "get_camera_no_data"})
            QVERIFY2(registry.Names().contains(QLatin1String(name)), name);

        const QSet<QWidget*> before = VisibleWindows();
        QStringList failures;
        QVERIFY2(registry.RenderAll(target, &failures),
                 qPrintable(failures.join(QLatin1Char('\n'))));
        for (const QString& name : registry.Names()) {
            const QImage image(QDir(target).filePath(name + QStringLiteral(".png")));
            QVERIFY2(!image.isNull(), qPrintable(name));
            QVERIFY2(PaintedShare(image) > 0.5, qPrintable(name));
        }
        // A message box is grabbed while open, not some other window.
        const QImage box(QDir(target).filePath(QStringLiteral("message_ok.png")));
        QVERIFY(box.width() > 400 && box.width() < 480);

        // Nothing is left open behind.
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_VERIFY(VisibleWindows().subtract(before).isEmpty());
        QVERIFY(!kvkernel::KvGetContext());
    }

private:
    QTemporaryDir m_dir;
    QString m_project;
};

QTEST_MAIN(TestKvMainWindow)
#include "tst_kvmainwindow.moc"
