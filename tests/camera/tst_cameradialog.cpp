#include "camera/cameradialog.h"
#include "framework/kvshared.h"
#include "kvfd/kvconfiguration.h"
#include "modalanswer.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>

using kvfd::CameraInfo;

namespace {

CameraInfo MakeCamera(const char* name, int width, int height, double ccdWidth, double ccdHeight,
                      double focal)
{
    CameraInfo c;
    std::tie(c.id, c.name, c.width, c.height, c.ccd_width, c.ccd_height, c.focal)
        = std::make_tuple(7, name, width, height, ccdWidth, ccdHeight, focal);
    std::tie(c.pixel_size_x, c.pixel_size_y, c.x0, c.y0) = std::make_tuple(
        ccdWidth / width, ccdHeight / height, width / 2.0 + 3.25, height / 2.0 - 1.5);
    std::tie(c.k1, c.k2, c.k3, c.k4, c.p1, c.p2, c.alpha, c.beta)
        = std::make_tuple(-0.0123456789, 0.000321, 1e-7, 2e-9, 0.0004, -0.0002, 0.001, -0.002);
    return c;
}

// List entries 4 and 5 share name and focal length.
kvfd::CameraInfoSet TestDatabase()
{
    kvfd::CameraInfoSet cameras;
    cameras.AddCamera(MakeCamera("VR-P1", 8192, 5460, 35.9, 24.0, 35.0));
    cameras.AddCamera(MakeCamera("VR-M3", 5280, 3956, 17.3, 13.0, 12.29));
    cameras.AddCamera(MakeCamera("VR-X6", 6000, 4000, 13.2, 8.8, 8.8));
    cameras.AddCamera(MakeCamera("VR-T2", 4000, 3000, 6.4, 4.8, 4.5));
    cameras.AddCamera(MakeCamera("VR-T2", 4000, 3000, 6.4, 4.8, 4.5));
    return cameras;
}

const char* const kCoefficients[]
    = {"csw_k1_", "csw_k2_", "csw_k3_", "csw_k4_", "csw_p1_", "csw_p2_", "csw_alpha_", "csw_beta_"};

using kvtest::Click;
using kvtest::SetText;
using kvtest::Text;

} // namespace

class TestCameraDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QVERIFY(m_files.isValid());
    }

    void init() { kvfd::KvConfiguration::Instance()->SetCameraInfoSet(TestDatabase()); }

    void presetIsLookedUpInTheDatabase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("focal");
        QTest::addColumn<int>("selected");
        QTest::newRow("found") << "VR-M3" << 12.29 << 2;
        QTest::newRow("other focal length") << "VR-M3" << 12.3 << 0;
    }

    void presetIsLookedUpInTheDatabase()
    {
        QFETCH(QString, name);
        QFETCH(double, focal);
        QFETCH(int, selected);
        CameraInfo preset = MakeCamera(qPrintable(name), 1000, 800, 10.0, 8.0, focal);
        preset.k1 = 0.5;
        preset.mount_angle = 7; // no such angle: shown as 0°
        CameraDialog dialog;
        dialog.SetCamera(preset);
        QCOMPARE(kvtest::Find<QComboBox>(&dialog, "csw_camera_base_")->currentIndex(), selected);
        QCOMPARE(kvtest::Find<QPushButton>(&dialog, "csw_reload_camera_")->isEnabled(),
                 selected > 0);
        // The preset is shown, not the database camera.
        QCOMPARE(Text(&dialog, "csw_k1_"), QStringLiteral("0.5"));
        QCOMPARE(kvtest::Find<QComboBox>(&dialog, "csw_angle_")->currentIndex(), 0);
        if (selected == 0)
            return;

        // Reload shows the listed camera again, over what was typed.
        SetText(&dialog, "csw_k2_", QStringLiteral("9"));
        Click(&dialog, "csw_reload_camera_");
        QCOMPARE(Text(&dialog, "csw_k2_"), QStringLiteral("0.000321"));
        // Another pick is shown; the second of two equal keys does not jump to the first.
        QComboBox* list = kvtest::Find<QComboBox>(&dialog, "csw_camera_base_");
        list->setCurrentIndex(3);
        QCOMPARE(Text(&dialog, "csw_focal_length_"), QStringLiteral("4000.000000"));
        list->setCurrentIndex(5);
        QCOMPARE(list->currentIndex(), 5);
    }

    // Zero centres and clears distortion; the focal length is typed in pixels,
    // kept in mm; a fisheye has no decentring terms.
    void zeroFocalLengthAndFisheye()
    {
        CameraDialog dialog;
        dialog.SetCamera(MakeCamera("VR-F", 6000, 4000, 13.2, 8.8, 8.8));
        Click(&dialog, "csw_recenter_camera_");
        QCOMPARE(Text(&dialog, "csw_x0_") + ' ' + Text(&dialog, "csw_y0_"),
                 QStringLiteral("2999.500000 1999.500000"));
        for (const char* name : kCoefficients)
            QCOMPARE(Text(&dialog, name), QStringLiteral("0"));
        SetText(&dialog, "csw_focal_length_", QStringLiteral("3000"));
        Click(&dialog, "csw_fisheye_");
        QVERIFY(!kvtest::Find<QLineEdit>(&dialog, "csw_p1_")->isEnabled());
        QVERIFY(kvtest::Find<QLineEdit>(&dialog, "csw_k4_")->isEnabled());
        Click(&dialog, "cw_ok_btn_");
        const CameraInfo camera = dialog.GetCamera();
        QCOMPARE(camera.dtype, 6);
        QVERIFY(qFuzzyCompare(camera.focal, 6.6) && qFuzzyCompare(camera.pixel_size_y, 0.0022));
        QVERIFY(camera.x0 == 2999.5 && camera.k1 == 0.0 && camera.beta == 0.0);

        CameraDialog again;
        again.SetCamera(camera);
        QCOMPARE(Text(&again, "csw_focal_length_"), QStringLiteral("3000.000000"));
        Click(&again, "csw_fisheye_");
        QVERIFY(kvtest::Find<QLineEdit>(&again, "csw_beta_")->isEnabled());
        Click(&again, "cw_ok_btn_");
        QCOMPARE(again.GetCamera().dtype, 1);
    }

    // Numeric fields take only what makes a number as it is typed: letters,
    // units, group separators and a sign where no negative value fits are
    // refused, exponents of coefficients are kept. Text set whole (shown
    // null), as a paste would, that is no number reads as zero.
    void numbersOnly_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("value");
        const QString set;
        // clang-format off
        QTest::newRow("width")                          << "csw_width_"        << "abc-6000" << "6000"    << 6000.0;
        QTest::newRow("principal point, decimal comma") << "csw_y0_"           << "1999,5"   << "19995"   << 19995.0;
        QTest::newRow("coefficient with exponent")      << "csw_k1_"           << "1.5e-05"  << "1.5e-05" << 1.5e-05;
        QTest::newRow("set overflow")                   << "csw_x0_"           << "1e400"       << set << 0.0;
        // clang-format on
    }

    void numbersOnly()
    {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(double, value);
        CameraDialog dialog;
        dialog.SetCamera(MakeCamera("VR-B", 6000, 4000, 13.2, 8.8, 8.8));
        auto* field = kvtest::Find<QLineEdit>(&dialog, edit);
        if (shown.isNull()) {
            SetText(&dialog, edit, typed);
        } else {
            field->clear();
            QTest::keyClicks(field, typed);
            QCOMPARE(field->text(), shown);
        }
        Click(&dialog, "cw_ok_btn_");
        const CameraInfo camera = dialog.GetCamera();
        const QMap<QString, double> read {{"csw_width_", double(camera.width)},
                                          {"csw_focal_length_", camera.focal / camera.pixel_size_x},
                                          {"csw_x0_", camera.x0},
                                          {"csw_y0_", camera.y0},
                                          {"csw_k1_", camera.k1},
                                          {"csw_p2_", camera.p2}};
        QVERIFY2(qFuzzyCompare(1.0 + read.value(edit), 1.0 + value),
                 qPrintable(QString::number(read.value(edit), 'g', 17)));
    }

    void exportAndImportThroughTheFileChooser()
    {
        const QString path = m_files.filePath(QStringLiteral("camera.xml"));
        CameraDialog exporting;
        exporting.SetCamera(MakeCamera("VR-M3", 5280, 3956, 17.3, 13.0, 12.29));
        SetText(&exporting, "csw_k3_", QStringLiteral("0.25"));
        Click(&exporting, "csw_fisheye_");
        QVERIFY(kvtest::ClickAndChooseFile(&exporting, "csw_export_", path));
        // The next chooser opens where this one ended.
        QCOMPARE(QFileInfo(GetDefaultPath()).absoluteFilePath(),
                 QFileInfo(m_files.path()).absoluteFilePath());

        CameraDialog importing;
        QVERIFY(kvtest::ClickAndChooseFile(&importing, "csw_import_", path));
        for (const char* name : {"csw_camera_name_", "csw_focal_length_", "csw_k3_"})
            QCOMPARE(Text(&importing, name), Text(&exporting, name));
        QVERIFY(kvtest::Find<QPushButton>(&importing, "csw_fisheye_")->isChecked());
        // Name and focal length are those of a database camera.
        QCOMPARE(kvtest::Find<QComboBox>(&importing, "csw_camera_base_")->currentIndex(), 2);
    }

private:
    QTemporaryDir m_files;
};

QTEST_MAIN(TestCameraDialog)
#include "tst_cameradialog.moc"
