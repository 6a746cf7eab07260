// The processing dialogs' records as the image engine's jobs, and whole runs
// of Tools > Batch Process on real photos.

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

namespace {

// Both with GPS tags.
const QStringList kPhotos {"DJI_0024.JPG", "DJI_20251001213509_0003_D_LENS_CAP.JPG"};

kvfd::CameraInfo Camera(int width)
{
    kvfd::CameraInfo camera;
    camera.width = width;
    camera.height = width * 3 / 4;
    camera.pixel_size_x = camera.pixel_size_y = 0.0045;
    return camera;
}

template <class Record> MakeRecord Make(int type, std::function<void(Record&)> set = {})
{
    return [type, set] {
        auto* record = new Record();
        record->type = type;
        if (set)
            set(*record);
        return static_cast<AlgoParameter*>(record);
    };
}

// Images "a", "b" (removed), "c", "d" in folder; "c" and "d" selected; one camera.
std::unique_ptr<kvkernel::AISContext> Project(const QString& folder, const QStringList& names,
                                              int camera = 4000)
{
    auto project = std::make_unique<kvkernel::AISContext>();
    kvfd::ImageInfoSet& images = project->GetImageInfoSet();
    for (const QString& name : names)
        images.AddImage(QString2String(name), QString2String(folder), kvfd::EOP(), 0, true);
    if (camera)
        project->GetCameraInfoSet().AddCamera(Camera(camera));
    return project;
}

QString GpsLatitude(const QString& path)
{
    try {
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        const auto it = image->exifData().findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude"));
        return it == image->exifData().end() ? QString() : QString::fromStdString(it->toString());
    } catch (const std::exception&) {
        return {};
    }
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
        QTest::addColumn<QString>("expected"); // "" when refused
        const auto rotate = [](int type) {
            return Make<RotateParameter>(kvalgo::kRotate,
                                         [type](RotateParameter& r) { r.rotateType = type; });
        };
        const auto format = [](const char* name) {
            return Make<FormatParameter>(kvalgo::kFormat,
                                         [name](FormatParameter& r) { r.format = name; });
        };
        const auto distortion = [](bool useCamera, bool toTif) {
            return Make<DistortionParameter>(kvalgo::kDistortion, [=](DistortionParameter& r) {
                r.camera = Camera(100), r.useCamera = useCamera, r.toTif = toTif;
            });
        };
        QTest::newRow("jpg") << format("jpg") << "Format JPEG";
        QTest::newRow("TIF") << format("TIF") << "Format GTiff";
        QTest::newRow("unknown format kept") << format("WebP") << "Format WebP";
        QTest::newRow("1:8") << Make<ResampleParameter>(
            kvalgo::kResample, [](ResampleParameter& r) { r.rate = 0.125; })
                             << "Resample 0.125 average";
        QTest::newRow("270") << rotate(3) << "Rotate 3";
        QTest::newRow("rotation 0") << rotate(0) << "";
        QTest::newRow("own camera") << distortion(true, false) << "Distortion 100 tif 0 center 1";
        QTest::newRow("project's camera")
            << distortion(false, true) << "Distortion 4000 tif 1 center 1";
        QTest::newRow("overviews") << Make<PyramidParameter>(kvalgo::kPyramid) << "Overviews";
        QTest::newRow("balance") << Make<ColorParameter>(kvalgo::kColor) << "ColorBalance";
        QTest::newRow("type 2") << Make<ColorParameter>(2) << "";
    }

    void stepOfEachRecord()
    {
        QFETCH(MakeRecord, make);
        QFETCH(QString, expected);
        const kvfd::KvPtr<AlgoParameter> record(make());
        const auto project = Project(QStringLiteral("/nowhere"), {"a.jpg"});
        ImageStep step;
        QString error;
        const bool ok = ToImageStep(*record, project.get(), step, error);
        QCOMPARE(ok, !expected.isEmpty());
        if (!ok) {
            QVERIFY(!error.isEmpty());
            return;
        }
        const char* kinds[] = {"Format",     "Resample", "Rotate",      "Overviews",
                               "Distortion", "Enhance",  "ColorBalance"};
        QString seen = QLatin1String(kinds[int(step.kind)]);
        if (step.kind == ImageStepKind::Format)
            seen += ' ' + step.format;
        if (step.kind == ImageStepKind::Resample)
            seen += QStringLiteral(" %1 %2").arg(step.rate).arg(
                step.method == ResampleMethod::Average ? "average" : "other");
        if (step.kind == ImageStepKind::Rotate)
            seen += QStringLiteral(" %1").arg(int(step.rotation));
        if (step.kind == ImageStepKind::Distortion)
            seen += QStringLiteral(" %1 tif %2 center %3")
                        .arg(step.camera.width)
                        .arg(step.toTif)
                        .arg(step.toCenter);
        QCOMPARE(seen, expected);
    }

    void scopeOfTheChain_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QStringList>("images");
        QTest::newRow("all") << true << QStringList {"/p/a.jpg", "/p/c.jpg", "/p/d.jpg"};
        QTest::newRow("selected") << false << QStringList {"/p/c.jpg", "/p/d.jpg"};
    }

    void scopeOfTheChain()
    {
        QFETCH(bool, all);
        QFETCH(QStringList, images);
        auto project = Project(QStringLiteral("/p"), {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
        project->GetImageInfoSet().RemoveImage(1);
        project->GetImageInfoSet().GetImageExt(2)->selected = true;
        project->GetImageInfoSet().GetImageExt(3)->selected = true;
        AlgoChain chain {kvfd::KvPtr<AlgoParameter>(Make<PyramidParameter>(kvalgo::kPyramid)()),
                         kvfd::KvPtr<AlgoParameter>(Make<ColorParameter>(kvalgo::kColor)())};
        for (auto& record : chain)
            record->all = all;
        ImageJob job;
        QString error;
        QVERIFY2(MakeImageJob(chain, "/out", project.get(), job, error), qPrintable(error));
        QCOMPARE(job.images, images);
        QCOMPARE(int(job.steps.size()), 2);
        QCOMPARE(job.steps[1].kind, ImageStepKind::ColorBalance);
        // Nothing selected: told, no job.
        project->SetSelected(false);
        QCOMPARE(MakeImageJob(chain, "/out", project.get(), job, error), all);
    }

    // Resample 1:2, rotate 90° and GTiff over the two photos: rotated halves,
    // GPS kept; the refusals reach the operator and write nothing.
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
        window.SetProject(Project(m_sources, kPhotos, 0));
        kvtest::ModalAnswer dialog;
        dialog
            .Do([&](QWidget* d) {
                auto* methods = kvtest::Find<QListWidget>(d, "bthw_algo_list_");
                kvtest::Find<QComboBox>(d, "fmpw_format_")->setCurrentText("GTiff");
                for (int row : rows) {
                    methods->setCurrentRow(row);
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
        if (rows.size() != 3) {
            QVERIFY(!QDir(out.filePath("成果")).exists() || QDir(out.filePath("成果")).isEmpty());
            return;
        }
        for (const QString& photo : kPhotos) {
            const QString source = m_sources + '/' + photo;
            const QString output
                = destination + '/' + QFileInfo(photo).completeBaseName() + QStringLiteral(".tif");
            Raster in, written;
            QString error;
            QVERIFY(ReadRaster(source, 0.5, ResampleMethod::Average, in, error));
            QVERIFY2(ReadRaster(output, 1.0, ResampleMethod::Average, written, error),
                     qPrintable(error));
            QCOMPARE(DriverOf(output), QStringLiteral("GTiff"));
            QCOMPARE(QSize(written.width, written.height), QSize(in.height, in.width));
            QVERIFY(!GpsLatitude(output).isEmpty());
            QCOMPARE(GpsLatitude(output), GpsLatitude(source));
        }
    }
};

QTEST_MAIN(TestProcessingAdapter)
#include "tst_processingadapter.moc"
