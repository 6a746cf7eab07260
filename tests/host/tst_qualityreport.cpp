#include "host/qualityreport.h"
#include "host/quickmosaic.h"
#include "imagery/posfile.h"
#include "kvimage/kvimage.h"
#include "kvmath/geoprj.h"
#include "modalanswer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <map>

namespace {

constexpr double kDegree = M_PI / 180.0;

QString Photo()
{
    return QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/DJI_0024.JPG");
}

// The real photo, its camera read from its tags and its position taken to
// UTM 15N; a second entry of the same photo 20 m to the north. Its ground is
// the take-off point: the GPS altitude less the relative altitude the drone
// recorded (198.409 - 39.90 m).
kvprj::KvProject PhotoProject()
{
    kvprj::KvProject project;
    kvfd::CameraInfo camera;
    kvimage::GetCameraFormImage(Photo().toStdString(), camera);
    project.GetCameraInfoSet().AddCamera(camera);
    double lla[3] = {0, 0, 0};
    kvimage::GetGPSFromImage(Photo().toStdString(), lla);
    kvfd::CoordinateInfoSet catalogue = kvfd::CoordinateInfoSet::Catalogue();
    kvfd::CoordinateInfo wgs84, utm;
    catalogue.GetCoordinateByID(4326, wgs84);
    catalogue.GetCoordinateByID(32615, utm);
    kvmath::GeoPrj transform;
    transform.Create(wgs84, utm);
    transform.Transform(lla[0], lla[1], lla[2]);
    project.GetPrjInfo().coordinateId = 32615;
    project.GetPrjInfo().meanElevation = 198.409 - 39.90;
    kvfd::EOP eop {lla[0], lla[1], lla[2]};
    const QString folder = QFileInfo(Photo()).absolutePath();
    project.GetImageInfoSet().AddImage("DJI_0024.JPG", folder.toStdString(), eop, 0, true);
    eop.Y += 20.0;
    project.GetImageInfoSet().AddImage("DJI_0024.JPG", folder.toStdString(), eop, 0, true);
    return project;
}

// 3 flights of 6 nadir images, 100 x 80 m footprints (the long side east,
// across the flights): 24 m apart along a flight (70 % forward overlap), 60 m between
// flights (40 % side overlap).
kvprj::KvProject Grid()
{
    kvprj::KvProject project;
    kvfd::CameraInfo camera;
    camera.width = 1000;
    camera.height = 800;
    camera.focal = 10.0;
    camera.pixel_size_x = camera.pixel_size_y = 0.01;
    project.GetCameraInfoSet().AddCamera(camera);
    project.GetPrjInfo().coordinateId = 32650;
    project.GetPrjInfo().meanElevation = 10.0;
    for (int f = 0; f < 3; ++f) {
        for (int i = 0; i < 6; ++i) {
            const kvfd::EOP eop {500000.0 + 60.0 * f, 3400000.0 + 24.0 * i, 110.0};
            const int id = project.GetImageInfoSet().AddImage("F" + std::to_string(f) + "_"
                                                                  + std::to_string(i) + ".JPG",
                                                              "/nowhere", eop, 0, true);
            project.GetImageInfoSet().GetImageExt(id)->flight = f;
        }
    }
    return project;
}

} // namespace

class TestQualityReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // By hand: the FC300S's 1/2.3" sensor is 6.17 mm over 4000 pixels, the
    // lens 3.61 mm, the drone 39.90 m above its take-off point: GSD =
    // 0.0015425 mm x 39.90 m / 3.61 mm = 0.017049 m. Its footprint is
    // 2250 x 0.017049 = 38.36 m along north: 20 m apart overlap by 47.86 %.
    void realPhotoMatchesHandComputation()
    {
        const kvprj::KvProject project = PhotoProject();
        QVERIFY(project.GetImageInfoSet().GetImage(0)->GetEOP().Z > 150.0);
        kvhost::QualityJob job;
        job.resolution = 0.02;
        const kvhost::QualityReport report = kvhost::QualityReport::Assess(project, job);
        QCOMPARE(int(report.Images().size()), 2);
        for (const auto& image : report.Images()) {
            QVERIFY2(std::abs(image.gsd / 0.017049 - 1.0) < 0.01,
                     qPrintable(QString::number(image.gsd)));
            QVERIFY2(std::abs(image.forward - 47.86) < 0.5,
                     qPrintable(QString::number(image.forward)));
            QCOMPARE(image.flags, unsigned(kvhost::QF_Forward));
        }
        const QString html = report.Html();
        QVERIFY(html.contains(QLatin1String("<td>0.0170</td>")));
        QVERIFY(html.contains(QLatin1String("data:image/png;base64,iVBOR")));
    }

    // The design grid passes; each fault flags the image it was put on, and
    // no other image for the same reason (but a duplicate's twin).
    void faultsAreFlagged_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("image");
        QTest::addColumn<unsigned>("flags");
        QTest::newRow("none") << "" << -1 << 0u;
        QTest::newRow("roll") << "roll" << 7 << unsigned(kvhost::QF_Roll);
        QTest::newRow("pitch") << "pitch" << 7 << unsigned(kvhost::QF_Pitch);
        QTest::newRow("altitude 0")
            << "zero" << 8 << unsigned(kvhost::QF_ZeroAltitude | kvhost::QF_NoFootprint);
        QTest::newRow("duplicate") << "duplicate" << 17 << unsigned(kvhost::QF_Duplicate);
        QTest::newRow("jump") << "jump" << 11 << unsigned(kvhost::QF_Jump);
        QTest::newRow("coarse") << "high" << 2 << unsigned(kvhost::QF_Resolution);
        QTest::newRow("side gap") << "gap" << 13 << unsigned(kvhost::QF_Side);
        QTest::newRow("forward gap") << "forward" << 3 << unsigned(kvhost::QF_Forward);
    }

    void faultsAreFlagged()
    {
        QFETCH(QString, fault);
        QFETCH(int, image);
        QFETCH(unsigned, flags);
        kvprj::KvProject project = Grid();
        auto& images = project.GetImageInfoSet();
        if (image >= 0) {
            kvfd::EOP eop = images.GetImage(image)->GetEOP();
            if (fault == QLatin1String("roll"))
                eop.Omega = 13.0 * kDegree;
            if (fault == QLatin1String("pitch"))
                eop.Phi = -13.0 * kDegree;
            if (fault == QLatin1String("zero"))
                eop.Z = 0.0;
            if (fault == QLatin1String("duplicate"))
                eop = images.GetImage(image - 1)->GetEOP();
            if (fault == QLatin1String("jump"))
                eop.Y += 15.0; // a 39 m step among 24 m ones
            if (fault == QLatin1String("high"))
                eop.Z = 112.0; // 0.102 m > 0.1 m
            if (fault == QLatin1String("gap"))
                eop.X += 25.0; // 25 % side overlap with flight 1
            if (fault == QLatin1String("forward"))
                eop.Y -= 10.0; // 34 m from the next image: 57.5 %
            images.GetImage(image)->SetEOP(eop);
        }
        kvhost::QualityJob job;
        job.jumpFactor = 1.5;
        const kvhost::QualityReport report = kvhost::QualityReport::Assess(project, job);
        QCOMPARE(int(report.Images().size()), 18);
        for (const auto& i : report.Images()) {
            const QString what = QStringLiteral("%1: %2").arg(i.name, report.Problems(i.flags));
            if (fault.isEmpty()) {
                QVERIFY2(i.flags == 0, qPrintable(what));
                QVERIFY(std::abs(i.forward - 70.0) < 1e-6);
                QVERIFY(std::abs(i.side - 40.0) < 1e-6);
            } else if (i.id == image
                       || (fault == QLatin1String("duplicate") && i.id == image - 1)) {
                QVERIFY2((i.flags & flags) == flags, qPrintable(what));
            } else {
                QVERIFY2(!(i.flags & flags), qPrintable(what));
            }
        }
    }

    // The QA POS of the failing images reads back through the POS import.
    void qaPosRoundTrips()
    {
        kvprj::KvProject project = Grid();
        kvfd::EOP tilted = project.GetImageInfoSet().GetImage(7)->GetEOP();
        tilted.Omega = 13.25 * kDegree;
        tilted.Kappa = -91.5 * kDegree;
        project.GetImageInfoSet().GetImage(7)->SetEOP(tilted);
        project.GetImageInfoSet().GetImage(8)->SetName("照片_8.JPG");
        project.GetImageInfoSet().GetImage(8)->SetEOP(kvfd::EOP());
        const kvhost::QualityReport report = kvhost::QualityReport::Assess(project, {});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("质量/qa.txt"));
        QVERIFY(report.WriteQaPos(path).ok);

        std::vector<std::vector<std::string>> rows;
        QVERIFY(kvui::ReadPosRows(QFile::encodeName(path).toStdString(), rows));
        const std::vector<PosData> records
            = kvui::MakePosDatas(rows, 2, {"ID", "X", "Y", "Z", "Omega", "Phi", "Kappa"}, true);
        QCOMPARE(int(records.size()), report.FailingCount());
        std::map<std::string, kvfd::EOP> read;
        for (const PosData& record : records)
            read[record.name] = record.eop;
        QVERIFY(read.count("照片_8.JPG"));
        const kvfd::EOP& e = read["F1_1.JPG"];
        QVERIFY(std::abs(e.X - tilted.X) < 1e-4 && std::abs(e.Y - tilted.Y) < 1e-4
                && std::abs(e.Z - tilted.Z) < 1e-4);
        QVERIFY(std::abs(e.Omega - tilted.Omega) < 1e-8 && std::abs(e.Kappa - tilted.Kappa) < 1e-8);
    }

    // Images without positions, a project without images: every output is
    // still written and says so (the mosaic's refusal: tst_exports; the PDF:
    // tst_exportglue).
    void emptyAndUnplacedProjects_data()
    {
        QTest::addColumn<bool>("withImages");
        QTest::newRow("no images") << false;
        QTest::newRow("no positions") << true;
    }

    void emptyAndUnplacedProjects()
    {
        QFETCH(bool, withImages);
        kvprj::KvProject project = Grid();
        if (!withImages)
            project.GetImageInfoSet().Clear();
        for (int i = 0; i < project.GetImageInfoSet().Size(); ++i)
            project.GetImageInfoSet().GetImage(i)->SetEOP(kvfd::EOP());
        const kvhost::QualityReport report = kvhost::QualityReport::Assess(project, {});
        QCOMPARE(report.FailingCount(), withImages ? 18 : 0);
        QTemporaryDir dir;
        const QString html = dir.filePath(QStringLiteral("报告/report.html"));
        QVERIFY(report.WriteHtml(html).ok);
        QVERIFY(QFile(html).size() > 0);
        const QString pos = dir.filePath(QStringLiteral("qa.pos"));
        QVERIFY(report.WriteQaPos(pos).ok);
        QFile file(pos);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), withImages ? 19 : 1);
    }

    // The mosaic of the real photo covers its footprint at the asked
    // resolution: the geotransform read back by GDAL's own tool.
    void mosaicGeoTransform()
    {
        kvprj::KvProject project = PhotoProject();
        // A truncated copy of the photo is left out, not drawn half.
        QTemporaryDir dir;
        QFile photo(Photo());
        QFile cut(dir.filePath(QStringLiteral("cut.jpg")));
        QVERIFY(photo.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
        cut.write(photo.read(photo.size() / 3));
        cut.close();
        project.GetImageInfoSet().AddImage("cut.jpg", dir.path().toStdString(),
                                           project.GetImageInfoSet().GetImage(0)->GetEOP(), 0,
                                           true);
        kvhost::QuickMosaicJob job;
        job.path = dir.filePath(QStringLiteral("快拼.tif"));
        job.resolution = 0.5;
        const kvhost::QuickMosaicResult result = kvhost::QuickMosaic::Write(project, job);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.drawn, 2);
        QCOMPARE(result.skipped, 1);
        QCOMPARE(QDir(dir.path()).entryList({"*.tif*"}, QDir::Files), QStringList({"快拼.tif"}));

        const kvfd::EOP& e = project.GetImageInfoSet().GetImage(0)->GetEOP();
        const double halfWidth = 4000 * 0.017049 / 2.0, halfHeight = 2250 * 0.017049 / 2.0;
        const QString gdalinfo = QStandardPaths::findExecutable(QStringLiteral("gdalinfo"));
        if (gdalinfo.isEmpty())
            QSKIP("gdalinfo is not installed");
        QProcess info;
        info.start(gdalinfo, {QStringLiteral("-json"), job.path});
        QVERIFY(info.waitForFinished(30000));
        const QJsonObject json = QJsonDocument::fromJson(info.readAllStandardOutput()).object();
        const QJsonArray gt = json.value(QStringLiteral("geoTransform")).toArray();
        QCOMPARE(gt.size(), 6);
        QVERIFY2(std::abs(gt[0].toDouble() - (e.X - halfWidth)) < 0.5,
                 qPrintable(QString::number(gt[0].toDouble(), 'f', 3)));
        QCOMPARE(gt[1].toDouble(), 0.5);
        QVERIFY(std::abs(gt[3].toDouble() - (e.Y + 20.0 + halfHeight)) < 0.5);
        QCOMPARE(gt[5].toDouble(), -0.5);
        QVERIFY(json.value(QStringLiteral("coordinateSystem"))
                    .toObject()
                    .value(QStringLiteral("wkt"))
                    .toString()
                    .contains(QLatin1String("UTM zone 15N")));
        const QJsonArray size = json.value(QStringLiteral("size")).toArray();
        QCOMPARE(size[0].toInt(), int(std::ceil(2 * halfWidth / 0.5)));
    }
};

int main(int argc, char** argv)
{
    // The web engine refuses to start its sandbox as root, which test
    // machines often are; the page printed here is the test's own.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestQualityReport test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_qualityreport.moc"
