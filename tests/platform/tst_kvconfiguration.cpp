#include "kvfd/kvconfiguration.h"
#include "platformtest.h"

#include <QtTest>
#include <tuple>

using kvfd::AlgoSetting;
using kvfd::CameraInfo;
using kvfd::CameraInfoSet;
using kvfd::CoordinateInfoSet;
using kvfd::KvConfiguration;

namespace {

// A camera database as the download tool writes it: every value quoted. With
// numeric column types sqlite stores the numbers as numbers instead.
bool WriteCameraDatabase(const QString& path, bool numeric = false)
{
    return ExecOn(
        path,
        QString("CREATE TABLE camera(id %1, name TEXT, fullname TEXT, width %1, height %1,"
                " ccd_width %1, ccd_height %1, focal %1, x0 %1, y0 %1, dtype %1, k1 %1, k2 %1,"
                " k3 %1, p1 %1, p2 %1, alpha %1, beta %1, extra TEXT);"
                "INSERT INTO camera VALUES('7','FC6310','DJI Phantom 4 Pro 相机','5472','3648',"
                " '13.2','8.8','8.8','2736.5','1824.25','3','-1.5e-3','2e-6','0','1e-05',"
                " '-2e-05','0','0','ignored');"
                "INSERT INTO camera VALUES('8','ILCE-7RM2','Sony A7R II','7952','5304','35.9',"
                " '24','35','3976','2652','1','0','0','0','0','0','0.001','-0.002', NULL);")
            .arg(numeric ? "NUMERIC" : "TEXT")
            .toUtf8());
}

CameraInfoSet OneCamera()
{
    CameraInfo sentinel;
    sentinel.name = "sentinel";
    CameraInfoSet set;
    set.AddCamera(sentinel);
    return set;
}

// Every setting different from its default.
// clang-format off
const AlgoSetting kChanged = {6, 0.05, 2, 1, 4, false, true, 2, 4000, 512, 0.1, {0.3, 1e-7, -3.5},
                              1, 1, 1, 1, 5, 1, 30, 1, 3, -12, 1, 2, 3, 4};
// clang-format on

auto Tie(const AlgoSetting& s)
{
    return std::tie(s.threadCount, s.outputResolution, s.landscape, s.usage, s.seamlineMode,
                    s.adjustCalibration, s.oblique, s.device, s.featureNumber, s.blockSize,
                    s.gcpWeight, s.gpsWeight[0], s.gpsWeight[1], s.gpsWeight[2], s.hpGps, s.lsm,
                    s.demFilter, s.scenario, s.pyr, s.autoResolution, s.radius, s.dsmMethod,
                    s.dsmFilter, s.maxModels, s.qtdom, s.stdom, s.ftdom, s.sftdom);
}

} // namespace

class TestKvConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        qputenv("KVUI_DATA_DIR", m_data.path().toUtf8());
        m_ini = m_data.filePath("config/algosetting.ini");

        // No files yet: catalogue loaded, no cameras, default settings.
        KvConfiguration* config = KvConfiguration::Instance();
        QCOMPARE(config->GetCoordinateInfoSet().Size(), CoordinateInfoSet::Catalogue().Size());
        QCOMPARE(config->GetCameraInfoSet().Size(), 0);
        QVERIFY(Tie(config->GetAlgoSetting()) == Tie(AlgoSetting()));
    }

    // A download's database, its values stored as text or as numbers; files that
    // are none leave the cameras as they were and are never made.
    void cameraDatabase_data()
    {
        QTest::addColumn<QByteArray>("contents"); // null: no file
        QTest::addColumn<int>("numeric");         // -1: contents as given
        QTest::newRow("values as text") << QByteArray() << 0;
        QTest::newRow("values as numbers") << QByteArray() << 1;
        QTest::newRow("missing") << QByteArray() << -1;
        QTest::newRow("random bytes") << RandomBytes(8192) << -1;
        QTest::newRow("sqlite header, garbage")
            << QByteArray("SQLite format 3\0", 16) + RandomBytes(8192) << -1;
    }

    void cameraDatabase()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, numeric);
        const QString path = Q(KvConfiguration::CameraDatabasePath());
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile::remove(path);
        QVERIFY(numeric >= 0 ? WriteCameraDatabase(path, numeric)
                             : contents.isNull() || WriteFile(path, contents));
        CameraInfoSet cameras = OneCamera();
        const bool read = KvConfiguration::ReadCameraDatabase(Std(path), cameras);
        // The configuration reloads the same; a damaged download keeps the
        // cameras read before (the rows that read come first).
        QCOMPARE(KvConfiguration::Instance()->ReloadCameras(), read);
        QCOMPARE(KvConfiguration::Instance()->GetCameraInfoSet().Size(), 2);
        QCOMPARE(QFileInfo::exists(path), numeric >= 0 || !contents.isNull());
        if (numeric < 0) {
            QVERIFY(!read && cameras.Size() == 1 && cameras.GetCamera(0)->name == "sentinel");
            return;
        }
        QVERIFY(read);
        QCOMPARE(cameras.Size(), 2);
        CameraInfo e;
        std::tie(e.id, e.name, e.fullname, e.width, e.height, e.dtype)
            = std::make_tuple(7, "FC6310", "DJI Phantom 4 Pro 相机", 5472, 3648, 3);
        std::tie(e.ccd_width, e.ccd_height, e.focal, e.x0, e.y0, e.k1, e.k2, e.k3, e.p1, e.p2)
            = std::make_tuple(13.2, 8.8, 8.8, 2736.5, 1824.25, -1.5e-3, 2e-6, 0.0, 1e-5, -2e-5);
        e.pixel_size_x = e.ccd_width / e.width;
        e.pixel_size_y = e.ccd_height / e.height;
        QVERIFY(*cameras.GetCamera(0) == e);
        e.k6 = 1e-9; // equality covers every field, the late additions too
        QVERIFY(*cameras.GetCamera(0) != e);
        e.k6 = 0.0;
        e.mount_angle = 1;
        QVERIFY(*cameras.GetCamera(0) != e);
        QVERIFY(cameras.GetCamera(1)->alpha == 0.001 && cameras.GetCamera(1)->beta == -0.002);
        // Focal lengths match within a thousandth of a millimetre, names exactly.
        QCOMPARE(cameras.FindCamera("ILCE-7RM2", 35.0004), 1);
        QCOMPARE(cameras.FindCamera("ILCE-7RM2", 35.002), -1);
        QCOMPARE(cameras.FindCamera("ilce-7rm2", 35.0), -1);
    }

    void algoSettingRoundTrip()
    {
        KvConfiguration* config = KvConfiguration::Instance();
        QVERIFY(QDir(m_data.filePath("config")).removeRecursively());
        QVERIFY(config->SaveAlgoSetting()); // creates the folder and the file
        config->GetAlgoSetting() = kChanged;
        QVERIFY(config->SaveAlgoSetting()); // replaces the file
        QVERIFY(!QFileInfo::exists(m_ini + ".tmp"));
        config->GetAlgoSetting() = AlgoSetting();
        QVERIFY(config->LoadAlgoSetting());
        QVERIFY(Tie(config->GetAlgoSetting()) == Tie(kChanged));

        // Plain key=value lines, doubles in their shortest form.
        const QList<QByteArray> lines = ReadFile(m_ini).split('\n');
        for (const char* line :
             {"gpsWeight1=1e-07", "outputResolution=0.05", "adjustCalibration=0"})
            QVERIFY2(lines.contains(line), line);
    }

    void damagedAlgoSetting()
    {
        // Only the featureNumber, gpsWeight1 and adjustCalibration lines are readable.
        KvConfiguration* config = KvConfiguration::Instance();
        QVERIFY(QDir().mkpath(m_data.filePath("config")));
        QVERIFY(WriteFile(m_ini,
                          "threadCount=abc\nfeatureNumber = 2000 \r\ngcpWeight=1.5x\n"
                          "unknownKey=5\na line without equals\n\n=7\ngpsWeight1=0.25\n"
                          "blockSize=99999999999\noblique=maybe\nadjustCalibration=true\npyr="));
        config->GetAlgoSetting() = kChanged;
        QVERIFY(config->LoadAlgoSetting());
        AlgoSetting expected = kChanged;
        expected.featureNumber = 2000;
        expected.gpsWeight[1] = 0.25;
        expected.adjustCalibration = true;
        QVERIFY(Tie(config->GetAlgoSetting()) == Tie(expected));

        // A missing file keeps the settings.
        QVERIFY(QFile::remove(m_ini));
        QVERIFY(!config->LoadAlgoSetting());
        QVERIFY(Tie(config->GetAlgoSetting()) == Tie(expected));
    }

private:
    QTemporaryDir m_data;
    QString m_ini;
};

QTEST_GUILESS_MAIN(TestKvConfiguration)
#include "tst_kvconfiguration.moc"
