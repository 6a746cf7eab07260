// The GNSS module's tools from the menu to their files, the POS export's
// conventions and round trips, and the calibration's camera conversion.

#include "camera/calibrationdialog.h"
#include "framework/kvshared.h"
#include "host/colmapcalibration.h"
#include "host/fixtures.h"
#include "host/gnssmodule.h"
#include "host/kvmainwindow.h"
#include "host/posexport.h"
#include "hosttest.h"
#include "imagery/posfile.h"
#include "kvfd/distortion.h"
#include "kvimage/kvimage.h"
#include "kvkernel/aiscontext.h"
#include "kvmath/geoprj.h"
#include "modalanswer.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtTest>
#include <cmath>

namespace {

using hosttest::Data;

std::unique_ptr<KvMainWindow> GnssWindow()
{
    return hosttest::WindowWith<GnssModule>();
}

constexpr double kRad = M_PI / 180.0;

kvfd::CoordinateInfo Utm50()
{
    kvfd::CoordinateInfo utm;
    utm.type = kvfd::CT_WGS84_UTM;
    utm.id = 32650;
    utm.definition = "EPSG:32650";
    return utm;
}

std::vector<PosExportImage> Images()
{
    // Angles across the range, one near the gimbal lock of each convention.
    const double angles[][3] = {{2, -3, 45}, {-10, 5, -170}, {0, 89.5, 30}, {-60, 20, 179.9}};
    std::vector<PosExportImage> images;
    for (int i = 0; i < 4; ++i) {
        PosExportImage image;
        image.name = QStringLiteral("DJI_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
        image.eop = {400000.0 + 12.3456 * i, 3500000.0 - 7.5 * i, 120.0 + i,
                     angles[i][0] * kRad,    angles[i][1] * kRad, angles[i][2] * kRad};
        image.selected = i % 2 == 0;
        image.enabled = i != 2;
        images.push_back(image);
    }
    return images;
}

// Reads a file back as the POS import does: begin line 2, degrees.
std::vector<PosData> Import(const QString& path)
{
    std::vector<std::vector<std::string>> rows;
    if (!kvui::ReadPosRows(QString2String(path), rows))
        return {};
    return kvui::MakePosDatas(rows, 2, {"ID", "X", "Y", "Z", "Omega", "Phi", "Kappa"}, true);
}

bool SameMatrix(const double* a, const double* b, double tolerance)
{
    for (int i = 0; i < 9; ++i)
        if (std::fabs(a[i] - b[i]) > tolerance)
            return false;
    return true;
}

const QString kSeries = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/brighton/");

} // namespace

class TestGnssModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_dir.isValid());
    }

    void gnssRun()
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

    // The Chinese system turns Phi the other way round about Y: a pure Phi
    // changes sign, and its matrix has the textbook's a3 = -sin(Phi) cos(Omega).
    void conventions()
    {
        double r[9], china[9], o, p, k;
        PosExport::Matrix(1, 0.0, 10 * kRad, 0.0, r);
        PosExport::Angles(0, r, o, p, k);
        QVERIFY(std::fabs(o) < 1e-12 && std::fabs(p + 10 * kRad) < 1e-12 && std::fabs(k) < 1e-12);
        PosExport::Matrix(0, 0.3, -0.2, 1.1, china);
        QVERIFY(std::fabs(china[2] + std::sin(-0.2) * std::cos(0.3)) < 1e-12);
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("coord");
        QTest::addColumn<char>("separator");
        QTest::addColumn<int>("name");
        QTest::addColumn<int>("mask");        // 1 selected, 2 enabled, 3 both
        QTest::addColumn<QList<int>>("kept"); // the images written, in order
        QTest::newRow("China, projected, tab, with ext, all")
            << 0 << 0 << '\t' << 0 << 0 << QList<int> {0, 1, 2, 3};
        QTest::newRow("International, long/lat, semicolon, with ext, both")
            << 1 << 1 << ';' << 0 << 3 << QList<int> {0};
    }

    void roundTrip()
    {
        QFETCH(int, angle);
        QFETCH(int, coord);
        QFETCH(char, separator);
        QFETCH(int, name);
        QFETCH(int, mask);
        QFETCH(QList<int>, kept);
        const QString path = m_dir.filePath(QStringLiteral("导出 %1.txt").arg(mask));
        const PosExportJob job {Images(), mask, angle, name, coord, separator, path, Utm50()};
        const PosExportResult result = PosExport::Write(job);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.written, kept.size());

        const std::vector<PosData> read = Import(job.path);
        QCOMPARE(int(read.size()), kept.size());
        kvmath::GeoPrj back;
        kvfd::CoordinateInfo wgs84;
        wgs84.id = 4326;
        wgs84.definition = "EPSG:4326";
        QVERIFY(back.Create(wgs84, Utm50()));
        for (size_t i = 0; i < read.size(); ++i) {
            const PosExportImage& image = job.images[size_t(kept[int(i)])];
            const QString expected = name == 0 ? image.name : image.name.left(8);
            QCOMPARE(QString::fromStdString(read[i].name), expected);
            double x = read[i].eop.X, y = read[i].eop.Y, z = read[i].eop.Z;
            if (coord == 1) {
                QVERIFY(x > 113.0 && x < 120.0 && y > 20.0 && y < 40.0); // longitude first
                QVERIFY(back.Transform(x, y, z));
            }
            QVERIFY2(std::fabs(x - image.eop.X) < 2e-3 && std::fabs(y - image.eop.Y) < 2e-3
                         && std::fabs(z - image.eop.Z) < 1e-4,
                     qPrintable(QStringLiteral("%1 %2").arg(x - image.eop.X).arg(y - image.eop.Y)));
            // Whatever the convention, the angles stand for the same rotation.
            double wrote[9], original[9];
            PosExport::Matrix(angle, read[i].eop.Omega, read[i].eop.Phi, read[i].eop.Kappa, wrote);
            PosExport::Matrix(1, image.eop.Omega, image.eop.Phi, image.eop.Kappa, original);
            QVERIFY(SameMatrix(wrote, original, 1e-9));
            if (angle == 1)
                QVERIFY(std::fabs(read[i].eop.Phi - image.eop.Phi) < 1e-9);
        }
    }

    void refusesAndKeepsEarlierFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("earlier.txt"));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("kept\n");
        earlier.close();

        PosExportJob job;
        job.images = Images();
        job.path = path;
        job.images[1].name = QStringLiteral("DJI 0001.JPG"); // the import would split it
        PosExportResult result = PosExport::Write(job);
        QVERIFY(!result.ok);
        QVERIFY(result.message.contains(QLatin1String("DJI 0001.JPG")));

        job.images = Images();
        job.coord = 1; // a local system has no longitude and latitude
        result = PosExport::Write(job);
        QVERIFY(!result.ok);
        QVERIFY(!result.message.isEmpty());

        job.coord = 0;
        job.path = m_dir.filePath(QStringLiteral("no such folder/pos.txt"));
        result = PosExport::Write(job);
        QVERIFY(!result.ok);
        QVERIFY(result.message.contains(QLatin1String("no such folder")));

        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("kept\n"));
    }

    // The converted camera distorts a point as COLMAP's model does: the same
    // offset in pixels at points across the frame.
    void convertsModels_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("OPENCV")
            << "1 OPENCV 1000 563 571.4 571.4 490.2 270.9 -0.031 0.012 0.0021 -0.0013";
        QTest::newRow("SIMPLE_RADIAL") << "1 SIMPLE_RADIAL 1000 563 571.4 490.2 270.9 0.05";
    }

    void convertsModels()
    {
        QFETCH(QString, line);
        const double pixel = 0.0065;
        ColmapResult result;
        QVERIFY(ColmapCalibration::ToCameraInfo(line, pixel, result));
        const std::vector<double>& p = result.params;
        const bool opencv = result.model == QLatin1String("OPENCV");
        const double f = p[0], cx = p[opencv ? 2 : 1], cy = p[opencv ? 3 : 2];
        const double k1 = p[opencv ? 4 : 3], k2 = p.size() > 4 ? p[opencv ? 5 : 4] : 0.0;
        const double p1 = opencv ? p[6] : 0.0, p2 = opencv ? p[7] : 0.0;
        QCOMPARE(result.camera.dtype, 3);
        QVERIFY(std::fabs(result.camera.focal - f * pixel) < 1e-12);
        QCOMPARE(result.camera.width, 1000);

        for (const double u : {0.5, 250.0, 900.25}) {
            for (const double v : {0.5, 400.0}) {
                // COLMAP: ideal pixel (u, v) -> normalised -> distorted -> pixel.
                const double x = (u - cx) / f, y = (v - cy) / f, r2 = x * x + y * y;
                const double radial = k1 * r2 + k2 * r2 * r2;
                const double xd = x + x * radial + 2 * p1 * x * y + p2 * (r2 + 2 * x * x);
                const double yd = y + y * radial + p1 * (r2 + 2 * y * y) + 2 * p2 * x * y;
                // kvfd counts the top-left pixel's centre as 0.
                const kvfd::ImagePoint offset
                    = kvfd::GetDistortionValue(result.camera, {u - 0.5, v - 0.5});
                QVERIFY2(std::fabs(offset.x - (f * xd + cx - u)) < 1e-9
                             && std::fabs(offset.y - (f * yd + cy - v)) < 1e-9,
                         qPrintable(QStringLiteral("%1 %2").arg(u).arg(v)));
            }
        }
    }

    void refusesMalformedCameras_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("other model") << "1 PINHOLE 1000 563 571 571 500 281";
        QTest::newRow("too few parameters") << "1 OPENCV 1000 563 571 571 500";
        QTest::newRow("not a number") << "1 RADIAL 1000 563 nan 500 281 0 0";
        QTest::newRow("text") << QStringLiteral("相机");
    }

    void refusesMalformedCameras()
    {
        QFETCH(QString, line);
        ColmapResult result;
        QVERIFY(!ColmapCalibration::ToCameraInfo(line, 0.0065, result));
        QCOMPARE(result.camera, kvfd::CameraInfo());
    }

    void refusesBadJobs()
    {
        ColmapJob job;
        job.workDir = m_dir.filePath(QStringLiteral("检校"));
        for (int i = 0; i < 6; ++i)
            job.images << kSeries + QStringLiteral("DJI_00%1.JPG").arg(24 + i);

        // No colmap on PATH.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_dir.path()));
        ColmapResult result = ColmapCalibration::Run(job, nullptr);
        qputenv("PATH", path);
        QCOMPARE(result.outcome, ColmapResult::Failed);
        QVERIFY2(result.message.contains(QLatin1String("\"colmap\"")), qPrintable(result.message));
        if (QStandardPaths::findExecutable(QStringLiteral("colmap")).isEmpty())
            QSKIP("colmap is not installed");

        ColmapJob many = job;
        while (many.images.size() <= ColmapCalibration::kMaxImages)
            many.images << job.images.first();
        result = ColmapCalibration::Run(many, nullptr);
        QCOMPARE(result.outcome, ColmapResult::Failed);
        QVERIFY(result.message.contains(QLatin1String("32")));

        // A file that is no photo, and one cut short.
        QByteArray noise(4096, Qt::Uninitialized);
        for (char& c : noise)
            c = char(QRandomGenerator::global()->generate());
        const QString fake = m_dir.filePath(QStringLiteral("假.JPG"));
        QFile file(fake);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(noise);
        file.close();
        ColmapJob broken = job;
        broken.images[2] = fake;
        result = ColmapCalibration::Run(broken, nullptr);
        QCOMPARE(result.outcome, ColmapResult::Failed);
        QVERIFY2(result.message.contains(QLatin1String("not a readable photo")),
                 qPrintable(result.message));
    }

    // The six frames of one straight survey line over flat ground. Such a strip
    // cannot separate the focal length from the flying height, so the refined
    // focal length wanders from the EXIF one by tens of per cent from run to run
    // (37 % to 77 % of it seen here); the check is that the calibration runs
    // through and its camera is in sensible units (a pixel taken for a millimetre,
    // or the photos' reduction ignored, is off by a factor of 4 or more), not the
    // 5 % a block with relief would give.
    void calibratesRealSeries()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("colmap")).isEmpty())
            QSKIP("colmap is not installed");
        if (qEnvironmentVariableIsEmpty("KVUI_SLOW_TESTS"))
            QSKIP("40 s to 3 minutes on this shared machine; set KVUI_SLOW_TESTS to run it");
        ColmapJob job;
        job.workDir = m_dir.filePath(QStringLiteral("检校 结果"));
        for (int i = 0; i < 6; ++i)
            job.images << kSeries + QStringLiteral("DJI_00%1.JPG").arg(24 + i);
        job.maxImageSize = 640;
        hosttest::StubProgress progress;
        const ColmapResult result = ColmapCalibration::Run(job, &progress);
        QVERIFY2(result.outcome == ColmapResult::Calibrated, qPrintable(result.message));
        QCOMPARE(progress.last, 100);
        QCOMPARE(result.registered, 6);
        QCOMPARE(result.camera.width, 1000);
        // EXIF: 3.61 mm, 20 mm in 35 mm terms: 36 mm x 3.61 / (20 x 1000 px) a pixel.
        QVERIFY(std::fabs(result.camera.pixel_size_x - 36.0 * 3.61 / 20000.0) < 1e-9);
        const double ratio = result.camera.focal / 3.61;
        QVERIFY2(ratio > 0.25 && ratio < 2.0, qPrintable(QString::number(result.camera.focal)));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestGnssModule)
#include "tst_gnssmodule.moc"
