// The exchange files, PATB and Inpho exports, and the quality report with its
// QA POS and quick mosaic: read back, and bad input refused with nothing left.

#include "host/blocksexchange.h"
#include "host/footprint.h"
#include "host/inphoexport.h"
#include "host/patbexport.h"
#include "host/qualityreport.h"
#include "host/quickmosaic.h"
#include "hosttest.h"
#include "imagery/posfile.h"
#include "kvimage/kvimage.h"
#include "kvmath/geoprj.h"
#include "modalanswer.h"
#include "writefaults.h"

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
#include <QXmlStreamReader>
#include <cmath>
#include <map>

namespace {

constexpr double kDegree = M_PI / 180.0;

kvfd::CameraInfo Camera(const char* name)
{
    kvfd::CameraInfo camera;
    camera.name = name;
    camera.width = 4000;
    camera.height = 3000;
    camera.focal = 8.8;
    camera.pixel_size_x = camera.pixel_size_y = 0.0033;
    camera.x0 = 2010.5;
    camera.y0 = 1490.25;
    camera.dtype = 3;
    camera.k1 = -0.012;
    camera.p1 = 0.0004;
    return camera;
}

// Two cameras, five images in UTM 50N: the third disabled, the last tilted.
kvprj::KvProject Project()
{
    kvprj::KvProject project;
    project.GetPrjInfo().coordinateId = 32650;
    kvprj::CopyText(project.GetPrjInfo().name, std::string("东湖 block"));
    project.GetCameraInfoSet().AddCamera(Camera("A"));
    project.GetCameraInfoSet().AddCamera(Camera("B"));
    for (int i = 0; i < 5; ++i) {
        const kvfd::EOP eop {500000.125 + 40.0 * i,
                             3400000.5 + 3.0 * i,
                             150.0 + i,
                             i == 4 ? 7.0 * kDegree : 0.0,
                             i == 4 ? -4.0 * kDegree : 0.0,
                             (10.0 + 30.0 * i) * kDegree};
        project.GetImageInfoSet().AddImage("图像_" + std::to_string(i) + ".JPG", "/data/照片", eop,
                                           i % 2, i != 2);
    }
    return project;
}

struct Photo
{
    QString path;
    double m[3][3];
    double c[3];
};

// What a consumer of the exchange file sees: photos by id, and the SRS.
struct Block
{
    QString definition;
    std::map<int, Photo> photos;
    int photogroups = 0;
};

bool ReadBlock(const QString& path, Block& block)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    int id = -1;
    Photo photo {};
    bool inCenter = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString name = xml.name().toString();
            if (name == QLatin1String("Photogroup"))
                ++block.photogroups;
            else if (name == QLatin1String("Definition"))
                block.definition = xml.readElementText();
            else if (name == QLatin1String("Id") && block.photogroups > 0)
                id = xml.readElementText().toInt();
            else if (name == QLatin1String("ImagePath"))
                photo.path = xml.readElementText();
            else if (name.startsWith(QLatin1String("M_")))
                photo.m[name.at(2).digitValue()][name.at(3).digitValue()]
                    = xml.readElementText().toDouble();
            else if (name == QLatin1String("Center"))
                inCenter = true;
            else if (inCenter && name.size() == 1)
                photo.c[name.at(0).unicode() - 'x'] = xml.readElementText().toDouble();
        } else if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("Center"))
                inCenter = false;
            if (xml.name() == QLatin1String("Photo"))
                block.photos[id] = photo;
        }
    }
    return !xml.hasError();
}

// A PATB orientation file read back: number -> X Y Z omega phi kappa.
bool ReadPatb(const QString& path, std::map<int, std::array<double, 6>>& out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    while (!file.atEnd()) {
        const QStringList f
            = QString::fromLatin1(file.readLine()).simplified().split(QLatin1Char(' '));
        if (f.value(0) == QLatin1String("-99"))
            return file.atEnd();
        if (f.size() != 7)
            return false;
        std::array<double, 6> v;
        for (int i = 0; i < 6; ++i)
            v[std::size_t(i)] = f[i + 1].toDouble();
        out[f[0].toInt()] = v;
    }
    return false; // no end marker: cut short
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QString PhotoPath()
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
    kvimage::GetCameraFormImage(PhotoPath().toStdString(), camera);
    project.GetCameraInfoSet().AddCamera(camera);
    double lla[3] = {0, 0, 0};
    kvimage::GetGPSFromImage(PhotoPath().toStdString(), lla);
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
    const QString folder = QFileInfo(PhotoPath()).absolutePath();
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

class TestExports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // Every enabled image, and only those, with its centre and a rotation
    // that takes the camera's viewing direction to +z and its right to +x.
    void blocksExchangeHoldsEveryPose_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("definition");
        QTest::newRow("project's UTM") << 32650 << "EPSG:32650";
        QTest::newRow("next zone") << 32651 << "EPSG:32651";
        QTest::newRow("local") << -1 << "";
    }

    void blocksExchangeHoldsEveryPose()
    {
        QFETCH(int, target);
        QFETCH(QString, definition);
        const kvprj::KvProject project = Project();
        QTemporaryDir dir;
        kvhost::BlocksExchangeJob job;
        job.folder = dir.filePath(QStringLiteral("输出"));
        kvfd::CoordinateInfoSet::Catalogue().GetCoordinateByID(target, job.coordinate);
        const kvhost::ExportResult result = kvhost::BlocksExchange::Export(project, job);
        QVERIFY2(result.ok, qPrintable(result.message));

        Block block;
        QVERIFY(ReadBlock(QDir(job.folder).filePath(kvhost::BlocksExchange::kFileName), block));
        QCOMPARE(block.definition, definition);
        QCOMPARE(int(block.photos.size()), 4);
        QVERIFY(!block.photos.count(2));
        for (const auto& entry : block.photos) {
            const kvfd::ImageInfo& image = *project.GetImageInfoSet().GetImage(entry.first);
            const Photo& photo = entry.second;
            QCOMPARE(QDir::fromNativeSeparators(photo.path),
                     QString::fromStdString(image.GetFullName()));
            // The target's view of the project's map: the centre and the
            // direction of a point 10 m further along an axis.
            kvfd::CoordinateInfo from;
            QVERIFY(kvfd::CoordinateInfoSet::Catalogue().GetCoordinateByID(32650, from));
            kvmath::GeoPrj transform;
            const bool moved = target != -1 && target != 32650;
            QCOMPARE(transform.Create(from, job.coordinate), target != -1);
            const auto toTarget = [&](double p[3]) {
                if (moved)
                    QVERIFY(transform.Transform(p[0], p[1], p[2]));
            };
            const kvfd::EOP& e = image.GetEOP();
            double centre[3] = {e.X, e.Y, e.Z};
            toTarget(centre);
            for (int i = 0; i < 3; ++i)
                QVERIFY(std::abs(photo.c[i] - centre[i]) < 1e-6);
            // 6 degrees off its meridian the next zone's scale is 1.0055: it
            // stretches horizontal directions against vertical ones, which no
            // rotation follows; its grid turns by 3 degrees, which must.
            const double tolerance = moved ? 2e-3 : 1e-9;
            const double axes[2][3] = {{0, 0, -1}, {1, 0, 0}}; // viewing direction, right
            const double expected[2][3] = {{0, 0, 1}, {1, 0, 0}};
            for (int a = 0; a < 2; ++a) {
                double d[3];
                kvhost::Footprint::Rotate(e, axes[a], d);
                double p[3] = {e.X + 10 * d[0], e.Y + 10 * d[1], e.Z + 10 * d[2]};
                toTarget(p);
                const double length
                    = std::hypot(p[0] - centre[0], p[1] - centre[1], p[2] - centre[2]);
                for (int i = 0; i < 3; ++i)
                    d[i] = (p[i] - centre[i]) / length;
                for (int i = 0; i < 3; ++i) {
                    const double v
                        = photo.m[i][0] * d[0] + photo.m[i][1] * d[1] + photo.m[i][2] * d[2];
                    QVERIFY2(std::abs(v - expected[a][i]) < tolerance, qPrintable(photo.path));
                }
            }
        }
    }

    void patbRoundTrips_data()
    {
        QTest::addColumn<bool>("gon");
        QTest::newRow("degrees") << false;
        QTest::newRow("gon") << true;
    }

    void patbRoundTrips()
    {
        QFETCH(bool, gon);
        const kvprj::KvProject project = Project();
        QTemporaryDir dir;
        kvhost::PatbJob job;
        job.folder = dir.path();
        job.gon = gon;
        const kvhost::ExportResult result = kvhost::PatbExport::Export(project, job);
        QVERIFY2(result.ok, qPrintable(result.message));

        std::map<int, std::array<double, 6>> read;
        QVERIFY(ReadPatb(dir.filePath(QStringLiteral("patb.ori")), read));
        QCOMPARE(int(read.size()), 4);
        const double unit = (gon ? 200.0 : 180.0) / M_PI;
        for (const auto& entry : read) {
            const kvfd::EOP& e = project.GetImageInfoSet().GetImage(entry.first - 1)->GetEOP();
            const auto& v = entry.second;
            QVERIFY(std::abs(v[0] - e.X) < 1e-4 && std::abs(v[1] - e.Y) < 1e-4
                    && std::abs(v[2] - e.Z) < 1e-4);
            QVERIFY(std::abs(v[3] - e.Omega * unit) < 1e-6 && std::abs(v[4] - e.Phi * unit) < 1e-6
                    && std::abs(v[5] - e.Kappa * unit) < 1e-6);
        }
        QFile names(dir.filePath(QStringLiteral("patb_images.txt")));
        QVERIFY(names.open(QIODevice::ReadOnly));
        QCOMPARE(names.readLine(), QByteArray("1 图像_0.JPG\n"));
    }

    // The camera files come from the library's writer; the orientations are
    // reduced to the block's centre; undistorted images need the hook.
    void inphoExport()
    {
        const kvprj::KvProject project = Project();
        QTemporaryDir dir;
        kvhost::InphoJob job;
        job.folder = dir.filePath(QStringLiteral("inpho"));
        job.imagesFolder = dir.filePath(QStringLiteral("无畸变"));
        kvhost::ExportResult result = kvhost::InphoExport::Export(project, job);
        QVERIFY(!result.ok);
        QVERIFY(!result.message.isEmpty());
        QVERIFY(Entries(job.folder).isEmpty());

        job.undistort = [](const QString&, const QString& target, const kvfd::CameraInfo&) {
            return hosttest::WriteFile(target, "image");
        };
        result = kvhost::InphoExport::Export(project, job);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(Entries(job.imagesFolder).size(), 4);
        QCOMPARE(Entries(job.folder),
                 QStringList({"camera_0.prj", "camera_1.prj", "exterior_orientations.txt"}));

        QFile text(QDir(job.folder).filePath(QLatin1String(kvhost::InphoExport::kOrientationFile)));
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QStringList lines
            = QString::fromUtf8(text.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[1], QStringLiteral("# offset 500080 3400007"));
        const QStringList first = lines[2].split(QLatin1Char(' '));
        QCOMPARE(first.value(1).toDouble() + 500080.0, 500000.125);
        QCOMPARE(first.value(6).toDouble(), 10.0);
    }

    // Bad input: a clear message and nothing left in the folder.
    void badInput_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("fault");
        for (const char* format : {"cc", "patb", "inpho", "mosaic"}) {
            for (const char* fault : {"read-only", "no images", "no positions"})
                QTest::addRow("%s %s", format, fault) << format << fault;
        }
    }

    void badInput()
    {
        QFETCH(QString, format);
        QFETCH(QString, fault);
        kvprj::KvProject project = Project();
        if (fault == QLatin1String("no images"))
            project.GetImageInfoSet().Clear();
        if (fault == QLatin1String("no positions")) {
            for (int i = 0; i < project.GetImageInfoSet().Size(); ++i)
                project.GetImageInfoSet().GetImage(i)->SetEOP(kvfd::EOP());
        }
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("只读"));
        QVERIFY(QDir().mkpath(folder));
        std::unique_ptr<kvtest::WriteFaults> faults;
        if (fault == QLatin1String("read-only")) {
            if (!kvtest::WriteFaults::Available())
                QSKIP("write faults are not linked");
            faults = std::make_unique<kvtest::WriteFaults>(kvtest::FaultCall::Any, 1, EROFS, true,
                                                           folder);
        }

        kvhost::ExportResult result;
        if (format == QLatin1String("cc")) {
            kvhost::BlocksExchangeJob job;
            job.folder = folder;
            result = kvhost::BlocksExchange::Export(project, job);
        } else if (format == QLatin1String("patb")) {
            result = kvhost::PatbExport::Export(project, {folder});
        } else if (format == QLatin1String("inpho")) {
            kvhost::InphoJob job;
            job.folder = folder;
            result = kvhost::InphoExport::Export(project, job);
        } else {
            result = kvhost::QuickMosaic::Write(project, {folder + QStringLiteral("/m.tif")});
        }
        if (faults)
            faults->Disarm();

        // The exchange file may list photos without poses, for the
        // triangulation to find them.
        if (fault == QLatin1String("no positions") && format == QLatin1String("cc")) {
            QVERIFY2(result.ok, qPrintable(result.message));
            QFile file(result.files.value(0));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray xml = file.readAll();
            QCOMPARE(xml.count("<Photo>"), 4);
            QVERIFY(!xml.contains("<Pose>"));
            return;
        }
        QVERIFY(!result.ok);
        QVERIFY(result.files.isEmpty());
        QVERIFY(!result.message.isEmpty());
        QCOMPARE(Entries(folder), QStringList());
    }

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
        QVERIFY(report.Html().contains(QLatin1String("<td>0.0170</td>")));
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
        QVERIFY(std::abs(e.X - tilted.X) < 1e-4 && std::abs(e.Omega - tilted.Omega) < 1e-8
                && std::abs(e.Kappa - tilted.Kappa) < 1e-8);
    }

    // The mosaic of the real photo covers its footprint at the asked
    // resolution: the geotransform read back by GDAL's own tool.
    void mosaicGeoTransform()
    {
        kvprj::KvProject project = PhotoProject();
        // A truncated copy of the photo is left out, not drawn half.
        QTemporaryDir dir;
        QFile photo(PhotoPath());
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
    }
};

int main(int argc, char** argv)
{
    // The web engine refuses to start its sandbox as root, which test
    // machines often are; the page printed here is the test's own.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestExports test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_exports.moc"
