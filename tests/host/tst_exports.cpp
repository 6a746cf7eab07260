#include "host/blocksexchange.h"
#include "host/footprint.h"
#include "host/inphoexport.h"
#include "host/patbexport.h"
#include "host/quickmosaic.h"
#include "kvmath/geoprj.h"
#include "modalanswer.h"
#include "writefaults.h"

#include <QDir>
#include <QFile>
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
        QCOMPARE(block.photogroups, 2);
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
        QCOMPARE(result.files.size(), 2);

        std::map<int, std::array<double, 6>> read;
        QVERIFY(ReadPatb(dir.filePath(QStringLiteral("patb.ori")), read));
        QCOMPARE(int(read.size()), 4);
        const double unit = (gon ? 200.0 : 180.0) / M_PI;
        for (const auto& entry : read) {
            const kvfd::EOP& e = project.GetImageInfoSet().GetImage(entry.first - 1)->GetEOP();
            const auto& v = entry.second;
            QVERIFY(project.GetImageInfoSet().GetImageExt(entry.first - 1)->enabled);
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

        QStringList undistorted;
        job.undistort = [&](const QString& source, const QString& target, const kvfd::CameraInfo&) {
            undistorted << source;
            QFile file(target);
            return file.open(QIODevice::WriteOnly) && file.write("image") == 5;
        };
        result = kvhost::InphoExport::Export(project, job);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(undistorted.size(), 4);
        QCOMPARE(Entries(job.imagesFolder).size(), 4);
        QCOMPARE(Entries(job.folder),
                 QStringList({"camera_0.prj", "camera_1.prj", "exterior_orientations.txt"}));
        QFile camera(QDir(job.folder).filePath(QStringLiteral("camera_0.prj")));
        QVERIFY(camera.open(QIODevice::ReadOnly));
        QVERIFY(camera.readAll().contains("$FOCAL_LENGTH : 8.8"));

        QFile text(QDir(job.folder).filePath(QLatin1String(kvhost::InphoExport::kOrientationFile)));
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QStringList lines
            = QString::fromUtf8(text.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[1], QStringLiteral("# offset 500080 3400007"));
        const QStringList first = lines[2].split(QLatin1Char(' '));
        QCOMPARE(first.value(0), QStringLiteral("图像_0.JPG"));
        QCOMPARE(first.value(1).toDouble() + 500080.0, 500000.125);
        QCOMPARE(first.value(2).toDouble() + 3400007.0, 3400000.5);
        QCOMPARE(first.value(6).toDouble(), 10.0);
    }

    // Bad input: a clear message and nothing left in the folder.
    void badInput_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("fault");
        for (const char* format : {"cc", "patb", "inpho", "mosaic"}) {
            for (const char* fault : {"read-only", "no images", "disabled", "no positions"})
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
        if (fault == QLatin1String("disabled")) {
            for (int i = 0; i < project.GetImageInfoSet().Size(); ++i)
                project.GetImageInfoSet().GetImageExt(i)->enabled = false;
        }
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
        if (fault == QLatin1String("read-only"))
            QVERIFY2(result.message.contains(QLatin1String("read-only")),
                     qPrintable(result.message));
        else
            QVERIFY(!result.message.isEmpty());
        QCOMPARE(Entries(folder), QStringList());
    }
};

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
