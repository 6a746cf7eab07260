#include "camera/calibrationdialog.h"
#include "framework/kvshared.h"
#include "host/fixtures.h"
#include "host/gnssmodule.h"
#include "host/kvmainwindow.h"
#include "imagery/posfile.h"
#include "kvimage/kvimage.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QAction>
#include <QComboBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

QString Data(const char* path)
{
    return QStringLiteral(KVUI_SOURCE_DIR "/tests/data/") + QLatin1String(path);
}

std::unique_ptr<KvMainWindow> GnssWindow()
{
    std::vector<std::unique_ptr<HostModule>> modules;
    modules.push_back(std::make_unique<GnssModule>());
    return std::make_unique<KvMainWindow>(std::move(modules));
}

// Three images: selected and enabled, only selected, only enabled; a removed
// slot between them.
std::unique_ptr<kvkernel::AISContext> FlagProject()
{
    auto project = std::make_unique<kvkernel::AISContext>();
    kvfd::ImageInfoSet& images = project->GetImageInfoSet();
    const bool flags[4][2] = {{true, true}, {false, false}, {true, false}, {false, true}};
    for (int i = 0; i < 4; ++i) {
        kvfd::EOP eop;
        eop.X = 500000.0 + 10 * i;
        eop.Y = 3300000.0 + 10 * i;
        eop.Z = 120.0 + i;
        eop.Omega = 0.01 * (i + 1);
        eop.Phi = -0.02 * (i + 1);
        eop.Kappa = 1.5 - 0.1 * i;
        const int index = images.AddImage("影像_" + std::to_string(i) + ".JPG", "/data/东湖", eop,
                                          0, flags[i][1]);
        images.GetImageExt(index)->selected = flags[i][0];
    }
    images.RemoveImage(1);
    project->GetPrjInfo().coordinateId = 32650;
    return project;
}

} // namespace

class TestGnssModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void gnssJob_data();
    void gnssJob();
    void projectJobs_data();
    void projectJobs();
    void gnssRun();
    void posExportThroughDialog();
    void exifIntoCopies();
    void imageCorrection();
    void calibration();
    void actionsOpenInHost_data();
    void actionsOpenInHost();
    void updateWritesProjectCamera();

private:
    QTemporaryDir m_dir;
};

void TestGnssModule::initTestCase()
{
    kvtest::UseTemporaryEnvironment();
    QVERIFY(m_dir.isValid());
}

void TestGnssModule::gnssJob_data()
{
    QTest::addColumn<int>("useBase");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("nav");
    QTest::newRow("rover alone") << 0 << 0 << 1;
    QTest::newRow("header base, base navigation") << 1 << 0 << 0;
    QTest::newRow("automatic base") << 1 << 1 << 1;
    QTest::newRow("entered base") << 1 << 2 << 0;
}

void TestGnssModule::gnssJob()
{
    QFETCH(int, useBase);
    QFETCH(int, mode);
    QFETCH(int, nav);
    kvgps::GPSParam param;
    param.use_base = useBase;
    param.positioning = useBase;
    param.base_position_mode = mode;
    param.nav_source = nav;
    param.base_longitude = 114.123456789012;
    param.rover_obs_path = QString2String(QStringLiteral("/data/观测/rover.22o"));
    param.output_dir = QString2String(QStringLiteral("/data/结果"));
    const GnssJob job = kvhost::ToGnssJob(param);
    QCOMPARE(job.useBase, useBase == 1);
    QCOMPARE(job.positioning, useBase);
    QCOMPARE(job.basePositionMode, mode);
    QCOMPARE(job.navSource, nav);
    QCOMPARE(job.baseLongitude, 114.123456789012);
    QCOMPARE(job.roverObsPath, QStringLiteral("/data/观测/rover.22o"));
    QCOMPARE(job.outputDir, QStringLiteral("/data/结果"));
}

void TestGnssModule::projectJobs_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("angle");
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("exported"); // lines the export writes besides the header
    QTest::newRow("all, China, tab") << 0 << 0 << '\t' << 3;
    QTest::newRow("selected, International, semicolon") << 1 << 1 << ';' << 2;
    QTest::newRow("enabled, comma") << 2 << 0 << ',' << 2;
    QTest::newRow("selected and enabled, space") << 3 << 1 << ' ' << 1;
}

// The export job carries each image's flags and the scope; the calibration
// job takes all or the selected images.
void TestGnssModule::projectJobs()
{
    QFETCH(int, mask);
    QFETCH(int, angle);
    QFETCH(char, separator);
    QFETCH(int, exported);
    const auto project = FlagProject();
    const QString path = m_dir.filePath(QStringLiteral("导出 %1.txt").arg(mask));
    const PosExportJob job
        = kvhost::ToPosExportJob(*project, mask, angle, 1, 0, separator, QString2String(path));
    QCOMPARE(int(job.images.size()), 3);
    QCOMPARE(job.images[1].name, QStringLiteral("影像_2.JPG"));
    QVERIFY(job.images[1].selected && !job.images[1].enabled);
    QVERIFY(!job.images[2].selected && job.images[2].enabled);
    QCOMPARE(job.images[2].eop.Kappa, 1.2);
    QCOMPARE(job.images_mask, mask);
    QCOMPARE(job.angle, angle);
    QCOMPARE(job.name, 1);
    QCOMPARE(job.separator, separator);
    QCOMPARE(job.path, path);
    QCOMPARE(job.coordinate.id, 32650);
    const PosExportResult result = PosExport::Write(job);
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(result.written, exported);

    const ColmapJob calibration = kvhost::ToColmapJob(*project, mask & 1, {}, m_dir.path());
    QCOMPARE(calibration.images.size(), mask & 1 ? 2 : 3);
    QCOMPARE(calibration.images.first(), QStringLiteral("/data/东湖/影像_0.JPG"));
}

void TestGnssModule::gnssRun()
{
    if (QStandardPaths::findExecutable(QStringLiteral("rnx2rtkp")).isEmpty())
        QSKIP("rnx2rtkp (package rtklib) is not installed");
    const QString data = m_dir.filePath(QStringLiteral("观测 数据"));
    QVERIFY(QDir().mkpath(data));
    for (const char* name : {"30400920.05o", "30400920.05n", "07590920.05o", "07590920.05n"})
        QVERIFY(QFile::copy(Data("rinex/") + QLatin1String(name),
                            QDir(data).filePath(QLatin1String(name))));
    kvgps::GPSParam param;
    param.use_base = 1;
    param.positioning = 1;
    param.nav_source = 0;
    param.rover_obs_path = QString2String(QDir(data).filePath(QStringLiteral("30400920.05o")));
    param.base_obs_path = QString2String(QDir(data).filePath(QStringLiteral("07590920.05o")));
    param.output_dir = QString2String(m_dir.filePath(QStringLiteral("GNSS 结果")));
    const auto window = GnssWindow();
    GnssResult result;
    const QList<QStringList> boxes = kvtest::AnswerEveryBox(
        [&] { result = window->FindModule<GnssModule>()->RunGNSSPositioning(param); });
    QCOMPARE(int(result.outcome), int(GnssResult::Solved));
    QVERIFY(QFileInfo(result.solutionPath).size() > 0);
    QCOMPARE(boxes.size(), 1);
    const QString told = boxes[0].join(QLatin1Char(' '));
    QVERIFY2(told.contains(QStringLiteral("%1 epochs").arg(result.epochs)), qPrintable(told));
    QVERIFY2(told.contains(QString::number(result.meanLatitude, 'f', 8)), qPrintable(told));
}

// Export through the menu: International angles and semicolons, read back by
// the POS import.
void TestGnssModule::posExportThroughDialog()
{
    const auto window = GnssWindow();
    window->SetProject(FlagProject());
    const QString path = m_dir.filePath(QStringLiteral("菜单 导出.txt"));
    kvtest::ModalAnswer answer;
    answer
        .Do([&path](QWidget* dialog) {
            kvtest::Click(dialog, QStringLiteral("esw_international_"));
            if (auto* gap = kvtest::Find<QComboBox>(dialog, QStringLiteral("esw_gap_")))
                gap->setCurrentIndex(3);
            if (kvtest::ClickAndChooseFile(dialog, QStringLiteral("esw_save_btn_"), path))
                kvtest::Click(dialog, QStringLiteral("esw_ok_btn_"));
        })
        .Arm();
    const QList<QStringList> boxes = kvtest::AnswerEveryBox(
        [&] { window->findChild<QAction*>(QStringLiteral("kv_action_export_pos"))->trigger(); });
    QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes[0].join(QLatin1Char(' ')).contains(QStringLiteral("3 image positions")),
             qPrintable(boxes[0].join(QLatin1Char(' '))));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().split('\n').value(1).count(';'), 6);
    std::vector<std::vector<std::string>> rows;
    QVERIFY(kvui::ReadPosRows(QString2String(path), rows));
    const QStringList labels {
        QStringLiteral("ID"),    QStringLiteral("X"),   QStringLiteral("Y"),    QStringLiteral("Z"),
        QStringLiteral("Omega"), QStringLiteral("Phi"), QStringLiteral("Kappa")};
    const std::vector<PosData> read = kvui::MakePosDatas(rows, 2, labels, true);
    QCOMPARE(int(read.size()), 3);
    const kvfd::ImageInfoSet& images = window->Context()->GetImageInfoSet();
    const kvfd::EOP& last = images.GetImage(3)->GetEOP();
    QCOMPARE(String2QString(read[2].name), QStringLiteral("影像_3.JPG"));
    QVERIFY(std::fabs(read[2].eop.X - last.X) < 1e-3);
    QVERIFY(std::fabs(read[2].eop.Phi - last.Phi) < 1e-6);
    QVERIFY(std::fabs(read[2].eop.Kappa - last.Kappa) < 1e-6);
}

void TestGnssModule::exifIntoCopies()
{
    const QString source = m_dir.filePath(QStringLiteral("航片 源"));
    QVERIFY(QDir().mkpath(source));
    for (const char* name : {"DJI_0024.JPG", "tiny_drone_image.jpg"})
        QVERIFY(QFile::copy(Data("images/") + QLatin1String(name),
                            QDir(source).filePath(QLatin1String(name))));
    const QString pos = m_dir.filePath(QStringLiteral("位置.txt"));
    QFile file(pos);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Name Longitude Latitude Height\nDJI_0024 114.25 30.5 88.5\nother.jpg 1 2 3\n");
    file.close();
    const QString output = m_dir.filePath(QStringLiteral("输出/航片 源"));
    const auto window = GnssWindow();
    ExifResult result;
    const QList<QStringList> boxes = kvtest::AnswerEveryBox([&] {
        result = window->FindModule<GnssModule>()->RunExifWriting(
            {{QString2String(source), QString2String(output)}}, QString2String(pos), 0);
    });
    QCOMPARE(result.written, 1);
    QCOMPARE(result.unmatched, 1);
    QCOMPARE(boxes.size(), 1);
    const QString told = boxes[0].join(QLatin1Char('\n'));
    QVERIFY2(told.contains(QStringLiteral("tiny_drone_image.jpg: no record in the POS file")),
             qPrintable(told));
    QVERIFY2(told.contains(QStringLiteral("1 records of the POS file")), qPrintable(told));
    double lla[3] = {};
    QVERIFY(kvimage::GetGPSFromImage(
        QString2String(QDir(output).filePath(QStringLiteral("DJI_0024.JPG"))), lla));
    QVERIFY(std::fabs(lla[0] - 114.25) < 1e-6 && std::fabs(lla[1] - 30.5) < 1e-6);
    QVERIFY(QFileInfo::exists(QDir(output).filePath(QStringLiteral("tiny_drone_image.jpg"))));
}

void TestGnssModule::imageCorrection()
{
    const QString input = m_dir.filePath(QStringLiteral("畸变 原始"));
    QVERIFY(QDir().mkpath(input));
    QVERIFY(QFile::copy(Data("images/tiny_drone_image.jpg"),
                        QDir(input).filePath(QStringLiteral("小图.JPG"))));
    QVERIFY(QFile(QDir(input).filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly));
    kvfd::CameraInfo camera;
    camera.width = 48;
    camera.height = 36;
    camera.ccd_width = 4.8;
    camera.ccd_height = 3.6;
    camera.pixel_size_x = camera.pixel_size_y = 0.1;
    camera.focal = 5.0;
    camera.x0 = 23.5;
    camera.y0 = 17.5;
    camera.dtype = 3;
    camera.k1 = -0.2;
    const QString output = m_dir.filePath(QStringLiteral("畸变 结果"));
    const auto window = GnssWindow();
    kvhost::ImageJobResult result;
    kvtest::AnswerEveryBox([&] {
        result = window->FindModule<GnssModule>()->RunImageCorrection(
            QString2String(input), QString2String(output), camera, true, true);
    });
    QCOMPARE(int(result.outcomes.size()), 1);
    QCOMPARE(result.Done(), 1);
    QCOMPARE(result.outcomes[0].output, QDir(output).filePath(QStringLiteral("小图.tif")));
    QVERIFY(QFileInfo(result.outcomes[0].output).size() > 0);

    // A destination inside the input folder is refused and not left behind;
    // an empty folder is told, not run.
    const QString inside = QDir(input).filePath(QStringLiteral("结果"));
    kvtest::AnswerEveryBox([&] {
        result = window->FindModule<GnssModule>()->RunImageCorrection(
            QString2String(input), QString2String(inside), camera, false, false);
    });
    QVERIFY(result.refused);
    QVERIFY(!QFileInfo::exists(inside));
    const QList<QStringList> boxes = kvtest::AnswerEveryBox([&] {
        result = window->FindModule<GnssModule>()->RunImageCorrection(
            QString2String(output + QStringLiteral("/无")), QString2String(output), camera, false,
            false);
    });
    QVERIFY(result.refused);
    QCOMPARE(boxes.size(), 1);
}

void TestGnssModule::calibration()
{
    if (QStandardPaths::findExecutable(QStringLiteral("colmap")).isEmpty())
        QSKIP("colmap is not installed");
    if (qEnvironmentVariableIsEmpty("KVUI_SLOW_TESTS"))
        QSKIP("minutes on this shared machine; set KVUI_SLOW_TESTS to run it");
    auto project = std::make_unique<kvkernel::AISContext>();
    const QDir brighton(Data("images/brighton"));
    const QStringList names = brighton.entryList({QStringLiteral("*.JPG")}, QDir::Files);
    for (const QString& name : names.mid(0, 6))
        project->GetImageInfoSet().AddImage(QString2String(name), QString2String(brighton.path()),
                                            {}, 0, true);
    const auto window = GnssWindow();
    window->SetProject(std::move(project));
    ColmapResult result;
    kvtest::AnswerEveryBox([&] {
        result = window->FindModule<GnssModule>()->RunCalibration(false, kvfd::CameraInfo());
    });
    QCOMPARE(int(result.outcome), int(ColmapResult::Calibrated));
    QVERIFY(result.camera.width > 0);
}

void TestGnssModule::actionsOpenInHost_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("GPS") << "kv_action_import_gps"
                         << "gpslw_cancel_";
    QTest::newRow("POS export") << "kv_action_export_pos"
                                << "esw_cancel_btn_";
    QTest::newRow("EXIF") << "kv_action_write_exif"
                          << "exw_cancel_";
    QTest::newRow("calibration") << "kv_action_calibration"
                                 << "clbw_cancel_btn_";
    QTest::newRow("image correction") << "kv_action_image_correction"
                                      << "icw_cancel_btn_";
}

// In the host as it is built, with all its modules and a project open, each
// menu entry opens its dialog; a cancel runs nothing.
void TestGnssModule::actionsOpenInHost()
{
    QFETCH(QString, action);
    QFETCH(QString, cancel);
    KvMainWindow window;
    window.SetProject(FlagProject());
    QAction* entry = window.findChild<QAction*>(action);
    QVERIFY(entry);
    kvtest::ModalAnswer answer;
    answer.Click(cancel).Arm();
    const QList<QStringList> boxes = kvtest::AnswerEveryBox([entry] { entry->trigger(); });
    QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    QVERIFY(boxes.isEmpty());
    QVERIFY(!window.IsProjectModified());
}

// "Update" puts the camera of the calibrated tab into the project.
void TestGnssModule::updateWritesProjectCamera()
{
    const auto window = GnssWindow();
    window->SetProject(FlagProject());
    const kvfd::CameraInfo calibrated = kvhost::fixtures::SampleCamera();
    kvtest::ModalAnswer answer;
    answer
        .Do([&calibrated](QWidget* dialog) {
            if (auto* calibration = qobject_cast<CalibrationDialog*>(dialog))
                calibration->UpdateCamera(calibrated);
            kvtest::Click(dialog, QStringLiteral("clbw_update_btn_"));
            kvtest::Click(dialog, QStringLiteral("clbw_cancel_btn_"));
        })
        .Arm();
    window->findChild<QAction*>(QStringLiteral("kv_action_calibration"))->trigger();
    QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    const kvfd::CameraInfo* camera = window->Context()->GetCameraInfoSet().GetCamera(0);
    QVERIFY(camera);
    QCOMPARE(camera->width, calibrated.width);
    QVERIFY2(std::fabs(camera->focal - calibrated.focal) < 1e-3,
             qPrintable(QStringLiteral("%1 %2").arg(camera->focal).arg(calibrated.focal)));
    QVERIFY(window->IsProjectModified());
}

QTEST_MAIN(TestGnssModule)
#include "tst_gnssmodule.moc"
