// The processing dialogs' records as the image engine's jobs, whole runs of
// Tools > Batch Process on real photos, and what each processing entry of
// Tools gives the engine: it tells why an empty project or a missing raw
// folder gives it nothing to do.

#include "framework/kvshared.h"
#include "host/imageworkraster.h"
#include "host/kvmainwindow.h"
#include "host/processingadapter.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <exiv2/exiv2.hpp>
#include <functional>

using namespace kvhost;
using MakeRecord = std::function<AlgoParameter*()>;
Q_DECLARE_METATYPE(MakeRecord)
using Answer = std::function<void(QWidget*)>;
Q_DECLARE_METATYPE(Answer)

namespace {

// Both with GPS tags.
const QStringList kPhotos {"DJI_0024.JPG", "DJI_20251001213509_0003_D_LENS_CAP.JPG"};

template <class Record> MakeRecord Make(int type, std::function<void(Record&)> set)
{
    return [type, set] {
        auto* record = new Record();
        record->type = type;
        set(*record);
        return static_cast<AlgoParameter*>(record);
    };
}

// The images of folder; a camera 4000 pixels wide unless camera is false.
std::unique_ptr<kvkernel::AISContext> Project(const QString& folder, const QStringList& names,
                                              bool camera = true)
{
    auto project = std::make_unique<kvkernel::AISContext>();
    for (const QString& name : names)
        project->GetImageInfoSet().AddImage(QString2String(name), QString2String(folder),
                                            kvfd::EOP(), 0, true);
    kvfd::CameraInfo info;
    info.width = 4000;
    if (camera)
        project->GetCameraInfoSet().AddCamera(info);
    return project;
}

std::string GpsLatitude(const QString& path)
{
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    const auto it = image->exifData().findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude"));
    return it == image->exifData().end() ? std::string() : it->toString();
}

} // namespace

class TestProcessingAdapter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_sources;

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        m_sources = m_dir.filePath(QStringLiteral("源 影像"));
        QVERIFY(QDir().mkpath(m_sources));
        for (const QString& photo : kPhotos)
            QVERIFY(QFile::copy(QFINDTESTDATA("../data/images/" + photo), m_sources + '/' + photo));
    }

    void stepOfEachRecord_data()
    {
        QTest::addColumn<MakeRecord>("make");
        QTest::addColumn<QString>("expected"); // empty: refused
        const auto rotate = [](int type) {
            return Make<RotateParameter>(kvalgo::kRotate,
                                         [=](RotateParameter& r) { r.rotateType = type; });
        };
        const auto distortion = [](bool useCamera) {
            return Make<DistortionParameter>(kvalgo::kDistortion, [=](DistortionParameter& r) {
                r.camera.width = 100, r.useCamera = useCamera, r.toTif = !useCamera;
            });
        };
        QTest::newRow("1:8") << Make<ResampleParameter>(
            kvalgo::kResample, [](ResampleParameter& r) { r.rate = 0.125; })
                             << "0.125 average";
        QTest::newRow("270") << rotate(3) << "270";
        QTest::newRow("rotation 0") << rotate(0) << "";
        QTest::newRow("project's camera") << distortion(false) << "camera 4000 tif 1";
        QTest::newRow("type 2") << Make<ColorParameter>(2, [](ColorParameter&) {}) << "";
    }

    void stepOfEachRecord()
    {
        QFETCH(MakeRecord, make);
        QFETCH(QString, expected);
        const kvfd::KvPtr<AlgoParameter> record(make());
        ImageStep step;
        QString error;
        const bool ok = ToImageStep(*record, Project("/p", {"a.jpg"}).get(), step, error);
        QCOMPARE(ok, !expected.isEmpty());
        QCOMPARE(error.isEmpty(), ok);
        const QString seen = step.kind == ImageStepKind::Format ? step.format
            : step.kind == ImageStepKind::Resample ? QStringLiteral("%1 %2").arg(step.rate).arg(
                  step.method == ResampleMethod::Average ? "average" : "other")
            : step.kind == ImageStepKind::Rotate
            ? QString::number(int(step.rotation) * 90)
            : QStringLiteral("camera %1 tif %2").arg(step.camera.width).arg(step.toTif);
        if (ok)
            QCOMPARE(seen, expected);
    }

    void scopeOfTheChain_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QStringList>("images");
        QTest::newRow("all") << true << QStringList {"/p/a.jpg", "/p/c.jpg", "/p/d.jpg"};
        QTest::newRow("selected") << false << QStringList {"/p/c.jpg", "/p/d.jpg"};
    }

    // Removed images never run; the selection is the kernel's image flags.
    void scopeOfTheChain()
    {
        QFETCH(bool, all);
        QFETCH(QStringList, images);
        auto project = Project("/p", {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
        project->GetImageInfoSet().RemoveImage(1);
        project->SetEnable({0}, false);
        project->SetSelected(true);
        project->GetImageInfoSet().GetImageExt(0)->selected = false;
        AlgoChain chain;
        for (int type : {kvalgo::kPyramid, kvalgo::kColor}) {
            chain.emplace_back(Make<ColorParameter>(type, [](ColorParameter&) {})());
            chain.back()->all = all;
        }
        ImageJob job;
        QString error;
        QVERIFY2(MakeImageJob(chain, "/out", project.get(), job, error), qPrintable(error));
        QCOMPARE(job.images, images);
        project->SetSelected(false);
        QCOMPARE(MakeImageJob(chain, "/out", project.get(), job, error), all);
    }

    // Resample 1:2, rotate 90° and GTiff over the two photos: rotated halves
    // with their GPS tags. The refusals reach the operator; nothing is written.
    void batchThroughTheModule_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<bool>("intoSources");
        QTest::addColumn<QString>("told");
        QTest::newRow("three steps")
            << QList<int> {1, 2, 0} << false << "2 of 2 images were processed.";
        QTest::newRow("empty distortion") << QList<int> {4} << false << "no image size";
        QTest::newRow("into the sources") << QList<int> {1} << true << "folder of the source";
    }

    void batchThroughTheModule()
    {
        QFETCH(QList<int>, rows);
        QFETCH(bool, intoSources);
        QFETCH(QString, told);
        QTemporaryDir out;
        const QString destination = intoSources ? m_sources : out.filePath("成果");
        KvMainWindow window;
        // No camera: the batch distortion page keeps its empty fields.
        window.SetProject(Project(m_sources, kPhotos, false));
        kvtest::ModalAnswer dialog;
        dialog
            .Do([&](QWidget* d) {
                kvtest::Find<QComboBox>(d, "fmpw_format_")->setCurrentText("GTiff");
                for (int row : rows) {
                    kvtest::Find<QListWidget>(d, "bthw_algo_list_")->setCurrentRow(row);
                    kvtest::Click(d, "bthw_add_btn_");
                }
                kvtest::SetText(d, "bthw_output_line_", destination);
                kvtest::Click(d, "bthw_ok_btn_");
            })
            .Arm();
        const QStringList before = QDir(m_sources).entryList(QDir::Files);
        const QList<QStringList> boxes = kvtest::AnswerEveryBox(
            [&] { window.findChild<QAction*>("kv_action_batch")->trigger(); });
        QVERIFY2(dialog.Done(), qPrintable(dialog.Error()));
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].join('\n').contains(told), qPrintable(boxes[0].join('\n')));
        QCOMPARE(QDir(m_sources).entryList(QDir::Files), before);
        const QStringList written = QDir(destination).entryList(QDir::Files);
        QCOMPARE(written.size(), rows.size() == 3 ? 2 : intoSources ? 2 : 0);
        for (int i = 0; rows.size() == 3 && i < kPhotos.size(); ++i) {
            const QString source = m_sources + '/' + kPhotos[i];
            const QString output
                = destination + '/' + QFileInfo(source).completeBaseName() + ".tif";
            Raster half, result;
            QString error;
            QVERIFY(ReadRaster(source, 0.5, ResampleMethod::Average, half, error));
            QVERIFY2(ReadRaster(output, 1.0, ResampleMethod::Average, result, error),
                     qPrintable(error));
            QCOMPARE(QSize(result.width, result.height), QSize(half.height, half.width));
            QVERIFY(!GpsLatitude(output).empty());
            QCOMPARE(GpsLatitude(output), GpsLatitude(source));
        }
    }
};

QTEST_MAIN(TestProcessingAdapter)
#include "tst_processingadapter.moc"
