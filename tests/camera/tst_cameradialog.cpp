#include "camera/cameradialog.h"
#include "camera/camerafile.h"
#include "camera/camerasettingwidget.h"
#include "camera/camerawidget.h"
#include "framework/kvshared.h"
#include "kvfd/kvconfiguration.h"
#include "modalanswer.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <cmath>

using kvfd::CameraInfo;

namespace {

CameraInfo MakeCamera(const char* name, const char* fullname, int width, int height,
                      double ccdWidth, double ccdHeight, double focal)
{
    CameraInfo camera;
    camera.id = 7;
    camera.name = name;
    camera.fullname = fullname;
    camera.width = width;
    camera.height = height;
    camera.ccd_width = ccdWidth;
    camera.ccd_height = ccdHeight;
    camera.pixel_size_x = ccdWidth / width;
    camera.pixel_size_y = ccdHeight / height;
    camera.focal = focal;
    camera.x0 = width / 2.0 + 3.25;
    camera.y0 = height / 2.0 - 1.5;
    camera.k1 = -0.0123456789;
    camera.k2 = 0.000321;
    camera.k3 = 1e-7;
    camera.p1 = 0.0004;
    camera.p2 = -0.0002;
    camera.alpha = 0.001;
    camera.beta = -0.002;
    camera.k4 = 2e-9;
    return camera;
}

// Entries 3 and 4 share name and focal length: a look-up finds 3.
kvfd::CameraInfoSet TestDatabase()
{
    kvfd::CameraInfoSet cameras;
    cameras.AddCamera(MakeCamera("VR-P1", "Varnel P1 35mm", 8192, 5460, 35.9, 24.0, 35.0));
    cameras.AddCamera(MakeCamera("VR-M3", "Varnel M3 12mm", 5280, 3956, 17.3, 13.0, 12.29));
    cameras.AddCamera(MakeCamera("VR-X6", u8"Varnel X6 广角", 6000, 4000, 13.2, 8.8, 8.8));
    cameras.AddCamera(MakeCamera("VR-T2", "Varnel T2 first", 4000, 3000, 6.4, 4.8, 4.5));
    cameras.AddCamera(MakeCamera("VR-T2", "Varnel T2 second", 4000, 3000, 6.4, 4.8, 4.5));
    return cameras;
}

// The dialog's named controls.
struct Form
{
    explicit Form(QWidget* root)
        : root(root)
    { }
    QLineEdit* Edit(const char* name) const
    {
        return kvtest::Find<QLineEdit>(root, QLatin1String(name));
    }
    QComboBox* Combo(const char* name) const
    {
        return kvtest::Find<QComboBox>(root, QLatin1String(name));
    }
    QPushButton* Button(const char* name) const
    {
        return kvtest::Find<QPushButton>(root, QLatin1String(name));
    }
    QString Text(const char* name) const { return Edit(name)->text(); }
    void Type(const char* name, const QString& text) const { Edit(name)->setText(text); }

    QWidget* root;
};

const char* const kCoefficientEdits[]
    = {"csw_k1_", "csw_k2_", "csw_k3_", "csw_k4_", "csw_p1_", "csw_p2_", "csw_alpha_", "csw_beta_"};

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Answers the next file chooser with path (or cancels it for an empty path),
// noting what it offered.
struct FileChooserAnswer
{
    void Arm(const QString& path)
    {
        answer
            .Do([this, path](QWidget* widget) {
                auto* chooser = qobject_cast<QFileDialog*>(widget);
                if (!chooser) {
                    widget->close();
                    return;
                }
                title = chooser->windowTitle();
                filters = chooser->nameFilters();
                folder = chooser->directory().absolutePath();
                if (path.isEmpty()) {
                    chooser->reject();
                } else {
                    chooser->selectFile(path);
                    static_cast<QDialog*>(chooser)->accept(); // protected in QFileDialog
                }
            })
            .Arm();
    }

    kvtest::ModalAnswer answer;
    QString title;
    QStringList filters;
    QString folder;
};

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

    void newDialogShowsDefaultRecordAndDatabaseList()
    {
        CameraDialog dialog;
        const Form form(&dialog);
        QComboBox* list = form.Combo("csw_camera_base_");
        QCOMPARE(list->count(), 6);
        QCOMPARE(list->itemText(0), QString());
        QCOMPARE(list->itemText(1), QStringLiteral("Varnel P1 35mm"));
        QCOMPARE(list->itemText(3), QStringLiteral("Varnel X6 广角"));
        QCOMPARE(list->currentIndex(), 0);
        QVERIFY(!form.Button("csw_reload_camera_")->isEnabled());

        QCOMPARE(form.Text("csw_camera_name_"), QString());
        QCOMPARE(form.Text("csw_width_"), QStringLiteral("-1"));
        QCOMPARE(form.Text("csw_height_"), QStringLiteral("-1"));
        QCOMPARE(form.Text("csw_ccd_width_"), QStringLiteral("-1.000000"));
        QCOMPARE(form.Text("csw_x0_"), QStringLiteral("-1.000000"));
        QCOMPARE(form.Text("csw_focal_length_"), QStringLiteral("1.000000"));
        for (const char* name : kCoefficientEdits)
            QCOMPARE(form.Text(name), QStringLiteral("0"));
        QCOMPARE(form.Combo("csw_angle_")->currentIndex(), 0);
        QVERIFY(!form.Button("csw_fisheye_")->isChecked());
    }

    // The host's style sheet selects on these names; tests and the host still
    // reach the controls by their form names.
    void controlsCarryStyleNames()
    {
        CameraDialog dialog;
        const Form form(&dialog);
        QCOMPARE(form.Edit("csw_k3_")->objectName(), QStringLiteral("kvlineedit"));
        QCOMPARE(form.Combo("csw_angle_")->objectName(), QStringLiteral("kvcombobox"));
        QCOMPARE(form.Button("csw_fisheye_")->objectName(), QStringLiteral("kvcheckbox"));
        QCOMPARE(form.Button("csw_recenter_camera_")->objectName(), QStringLiteral("kvcombtn"));
        QCOMPARE(form.Button("cw_ok_btn_")->objectName(), QStringLiteral("kvcombtn"));
        QCOMPARE(form.Button("cw_cancel_btn_")->objectName(), QStringLiteral("kvquitbtn"));
        QCOMPARE(form.Button("csw_import_")->objectName(), QStringLiteral("csw_import_"));
    }

    void presetLooksUpTheDatabase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("focal");
        QTest::addColumn<int>("selected");
        QTest::newRow("found") << "VR-M3" << 12.29 << 2;
        QTest::newRow("focal within a thousandth") << "VR-M3" << 12.2905 << 2;
        QTest::newRow("other focal length") << "VR-M3" << 12.3 << 0;
        QTest::newRow("unknown name") << "VR-M9" << 12.29 << 0;
        QTest::newRow("first of two equal keys") << "VR-T2" << 4.5 << 4;
    }

    void presetLooksUpTheDatabase()
    {
        QFETCH(QString, name);
        QFETCH(double, focal);
        QFETCH(int, selected);
        // The preset differs from the database entry in everything but the key.
        CameraInfo preset = MakeCamera(qPrintable(name), "own", 1000, 800, 10.0, 8.0, focal);
        preset.k1 = 0.5;
        CameraDialog dialog;
        dialog.SetCamera(preset);
        const Form form(&dialog);
        QCOMPARE(form.Combo("csw_camera_base_")->currentIndex(), selected);
        QCOMPARE(form.Button("csw_reload_camera_")->isEnabled(), selected > 0);
        QCOMPARE(form.Text("csw_width_"), QStringLiteral("1000"));
        QCOMPARE(form.Text("csw_k1_"), QStringLiteral("0.5"));
        QCOMPARE(form.Text("csw_focal_length_"), QStringLiteral("%1").arg(focal * 100, 0, 'f', 6));
    }

    void pickingAndReloadingDatabaseCameras()
    {
        CameraDialog dialog;
        const Form form(&dialog);
        QComboBox* list = form.Combo("csw_camera_base_");
        list->setCurrentIndex(3);
        QCOMPARE(form.Text("csw_camera_name_"), QStringLiteral("VR-X6"));
        QCOMPARE(form.Text("csw_width_"), QStringLiteral("6000"));
        QCOMPARE(form.Text("csw_focal_length_"), QStringLiteral("4000.000000"));
        QCOMPARE(form.Text("csw_k1_"), QStringLiteral("-0.0123456789"));
        QVERIFY(form.Button("csw_reload_camera_")->isEnabled());

        form.Type("csw_width_", QStringLiteral("123"));
        form.Type("csw_k2_", QStringLiteral("9"));
        QTest::mouseClick(form.Button("csw_reload_camera_"), Qt::LeftButton);
        QCOMPARE(form.Text("csw_width_"), QStringLiteral("6000"));
        QCOMPARE(form.Text("csw_k2_"), QStringLiteral("0.000321"));

        // The second of two cameras with one key stays selected and shown.
        list->setCurrentIndex(5);
        QCOMPARE(list->currentIndex(), 5);
        dialog.Widget()->Accept();
        QCOMPARE(dialog.GetCamera().name, std::string("VR-T2"));

        // The empty entry: nothing to reload, nothing changes.
        list->setCurrentIndex(0);
        QVERIFY(!form.Button("csw_reload_camera_")->isEnabled());
        form.Type("csw_width_", QStringLiteral("77"));
        dialog.Widget()->SettingWidget()->ReloadCamera();
        QCOMPARE(form.Text("csw_width_"), QStringLiteral("77"));
    }

    void zeroCentresThePrincipalPoint_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("x0");
        QTest::addColumn<QString>("y0");
        QTest::newRow("6000 x 4000") << "6000"
                                     << "4000"
                                     << "2999.500000"
                                     << "1999.500000";
        QTest::newRow("one pixel") << "1"
                                   << "1"
                                   << "0.000000"
                                   << "0.000000";
        QTest::newRow("letters") << "abc"
                                 << ""
                                 << "-0.500000"
                                 << "-0.500000";
        QTest::newRow("int limits")
            << QString::number(INT_MIN) << QString::number(INT_MAX) << "-1073741824.500000"
            << "1073741823.000000";
    }

    void zeroCentresThePrincipalPoint()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, x0);
        QFETCH(QString, y0);
        CameraDialog dialog;
        dialog.SetCamera(MakeCamera("VR-Z", "", 6000, 4000, 13.2, 8.8, 8.8));
        const Form form(&dialog);
        form.Type("csw_width_", width);
        form.Type("csw_height_", height);
        QTest::mouseClick(form.Button("csw_recenter_camera_"), Qt::LeftButton);
        QCOMPARE(form.Text("csw_x0_"), x0);
        QCOMPARE(form.Text("csw_y0_"), y0);
        for (const char* name : kCoefficientEdits)
            QCOMPARE(form.Text(name), QStringLiteral("0"));
        QCOMPARE(form.Text("csw_width_"), width);
    }

    void fisheyeLocksTheDecentringTerms()
    {
        CameraDialog dialog;
        dialog.SetCamera(MakeCamera("VR-F", "", 6000, 4000, 13.2, 8.8, 8.8));
        const Form form(&dialog);
        QPushButton* fisheye = form.Button("csw_fisheye_");
        QTest::mouseClick(fisheye, Qt::LeftButton);
        QVERIFY(fisheye->isChecked());
        for (const char* name : {"csw_p1_", "csw_p2_", "csw_alpha_", "csw_beta_"})
            QVERIFY2(!form.Edit(name)->isEnabled(), name);
        for (const char* name : {"csw_k1_", "csw_k2_", "csw_k3_", "csw_k4_"})
            QVERIFY2(form.Edit(name)->isEnabled(), name);
        dialog.Widget()->Accept();
        CameraInfo accepted = dialog.GetCamera();
        QCOMPARE(accepted.dtype, 6);
        QCOMPARE(accepted.p1, 0.0004); // locked, still read

        // A fisheye record comes back checked; unchecking returns to model 1.
        CameraDialog again;
        again.SetCamera(accepted);
        const Form form2(&again);
        QVERIFY(form2.Button("csw_fisheye_")->isChecked());
        QVERIFY(!form2.Edit("csw_beta_")->isEnabled());
        QTest::mouseClick(form2.Button("csw_fisheye_"), Qt::LeftButton);
        QVERIFY(form2.Edit("csw_beta_")->isEnabled());
        again.Widget()->Accept();
        QCOMPARE(again.GetCamera().dtype, 1);
    }

    void focalIsTypedInPixelsAndKeptInMillimetres()
    {
        CameraDialog dialog;
        const Form form(&dialog);
        form.Type("csw_width_", QStringLiteral("6000"));
        form.Type("csw_height_", QStringLiteral("4000"));
        form.Type("csw_ccd_width_", QStringLiteral("13.2"));
        form.Type("csw_ccd_height_", QStringLiteral("8.8"));
        form.Type("csw_focal_length_", QStringLiteral("3000"));
        const CameraInfo camera = dialog.Widget()->SettingWidget()->GetCamera();
        QVERIFY(std::fabs(camera.focal - 6.6) < 1e-12);
        QVERIFY(std::fabs(camera.pixel_size_x - 0.0022) < 1e-15);
        QVERIFY(std::fabs(camera.pixel_size_y - 0.0022) < 1e-15);

        CameraDialog again;
        again.SetCamera(camera);
        QCOMPARE(Form(&again).Text("csw_focal_length_"), QStringLiteral("3000.000000"));
    }

    void mountAngle_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("shown");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("90") << 1 << 1;
        QTest::newRow("180") << 2 << 2;
        QTest::newRow("270") << 3 << 3;
        QTest::newRow("out of range") << 7 << 0;
        QTest::newRow("negative") << -1 << 0;
    }

    void mountAngle()
    {
        QFETCH(int, angle);
        QFETCH(int, shown);
        CameraInfo camera = MakeCamera("VR-A", "", 6000, 4000, 13.2, 8.8, 8.8);
        camera.mount_angle = angle;
        CameraDialog dialog;
        dialog.SetCamera(camera);
        QCOMPARE(Form(&dialog).Combo("csw_angle_")->currentIndex(), shown);
        dialog.Widget()->Accept();
        QCOMPARE(dialog.GetCamera().mount_angle, shown);
    }

    void typedTextThatIsNoNumberReadsAsZero_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("width letters") << "csw_width_"
                                       << "wide" << 0.0;
        QTest::newRow("width empty") << "csw_width_"
                                     << "" << 0.0;
        QTest::newRow("width too big") << "csw_width_"
                                       << "99999999999" << 0.0;
        QTest::newRow("width with decimals") << "csw_width_"
                                             << "6000.5" << 0.0;
        QTest::newRow("height blanks around") << "csw_height_"
                                              << " 4000 " << 4000.0;
        QTest::newRow("ccd comma") << "csw_ccd_width_"
                                   << "13,2" << 0.0;
        QTest::newRow("x0 overflow") << "csw_x0_"
                                     << "1e400" << 0.0;
        QTest::newRow("k1 exponent") << "csw_k1_"
                                     << "-1.5e-8" << -1.5e-8;
        QTest::newRow("beta letters") << "csw_beta_"
                                      << "beta" << 0.0;
        QTest::newRow("k4 huge") << "csw_k4_"
                                 << "1e300" << 1e300;
    }

    void typedTextThatIsNoNumberReadsAsZero()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(double, value);
        CameraDialog dialog;
        dialog.SetCamera(MakeCamera("VR-B", "", 6000, 4000, 13.2, 8.8, 8.8));
        const Form form(&dialog);
        form.Type(qPrintable(edit), text);
        QTest::mouseClick(form.Button("cw_ok_btn_"), Qt::LeftButton);
        const CameraInfo camera = dialog.GetCamera();
        const QMap<QString, double> read {
            {"csw_width_", double(camera.width)},
            {"csw_height_", double(camera.height)},
            {"csw_ccd_width_", camera.ccd_width},
            {"csw_x0_", camera.x0},
            {"csw_k1_", camera.k1},
            {"csw_beta_", camera.beta},
            {"csw_k4_", camera.k4},
        };
        QCOMPARE(read.value(edit), value);

        // Whatever was read shows again without harm.
        CameraDialog again;
        again.SetCamera(camera);
        QCOMPARE(Form(&again).Text("csw_camera_name_"), QStringLiteral("VR-B"));
    }

    void nameKeepsItsCharacters()
    {
        CameraDialog dialog;
        const Form form(&dialog);
        form.Type("csw_camera_name_", QStringLiteral("相机 α-7"));
        dialog.Widget()->Accept();
        QCOMPARE(dialog.GetCamera().name, std::string(u8"相机 α-7"));
        CameraDialog again;
        again.SetCamera(dialog.GetCamera());
        QCOMPARE(Form(&again).Text("csw_camera_name_"), QStringLiteral("相机 α-7"));
    }

    void showCameraDialog_data()
    {
        QTest::addColumn<bool>("useGiven");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("preset, OK") << true << "cw_ok_btn_" << true;
        QTest::newRow("preset, Cancel") << true << "cw_cancel_btn_" << false;
        QTest::newRow("preset, closed") << true << "dialog_close_btn" << false;
        QTest::newRow("empty, OK") << false << "cw_ok_btn_" << true;
        QTest::newRow("empty, Cancel") << false << "cw_cancel_btn_" << false;
    }

    void showCameraDialog()
    {
        QFETCH(bool, useGiven);
        QFETCH(QString, button);
        QFETCH(bool, accepted);
        const CameraInfo original = *TestDatabase().GetCamera(2);
        CameraInfo camera = original;

        QString shownName;
        kvtest::ModalAnswer answer;
        answer.ExpectTitle(QStringLiteral("Camera Setting"))
            .Do([&shownName](QWidget* dialog) {
                const Form form(dialog);
                shownName = form.Text("csw_camera_name_");
                form.Type("csw_height_", QStringLiteral("3000"));
            })
            .Click(button)
            .Arm();
        QCOMPARE(ShowCameraDialog(camera, useGiven), accepted);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(shownName, useGiven ? QStringLiteral("VR-X6") : QString());

        if (!accepted) {
            QVERIFY(camera == original);
            return;
        }
        // OK replaces the record as a whole.
        QCOMPARE(camera.height, 3000);
        QCOMPARE(camera.id, -1);
        QCOMPARE(camera.fullname, std::string());
        QCOMPARE(camera.width, useGiven ? 6000 : -1);
        QCOMPARE(camera.name, useGiven ? std::string("VR-X6") : std::string());
    }

    void importThroughTheButton()
    {
        const QString path = m_files.filePath(QStringLiteral("import/typed.xml"));
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        WriteFile(path,
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CAMERA>\n"
                  "  <name>VR-M3</name>\n  <fullname>ignored</fullname>\n"
                  "  <width>5280</width>\n  <height>3956</height>\n"
                  "  <focal>12.29000000</focal>\n"
                  "  <ccd_width>17.30000000</ccd_width>\n"
                  "  <ccd_height>13.00000000</ccd_height>\n"
                  "  <x0>2640.25000000</x0>\n  <y0>1977.50000000</y0>\n"
                  "  <dtype>6</dtype>\n  <k1>0.125</k1>\n  <p2>-0.0005</p2>\n"
                  "</CAMERA>\n");
        SetDefaultPath(m_files.path(), false);

        CameraDialog dialog;
        const Form form(&dialog);
        FileChooserAnswer chooser;
        chooser.Arm(path);
        QTest::mouseClick(form.Button("csw_import_"), Qt::LeftButton);
        QVERIFY2(chooser.answer.Done(), qPrintable(chooser.answer.Error()));
        QCOMPARE(chooser.title, QStringLiteral("Import Camera"));
        QCOMPARE(chooser.filters, QStringList {QStringLiteral("Varnel Camera File (*.xml)")});
        QCOMPARE(chooser.folder, QDir(m_files.path()).absolutePath());
        // The next chooser opens where this one ended.
        QCOMPARE(QDir(GetDefaultPath()).absolutePath(), QFileInfo(path).absolutePath());

        QCOMPARE(form.Text("csw_camera_name_"), QStringLiteral("VR-M3"));
        QCOMPARE(form.Text("csw_width_"), QStringLiteral("5280"));
        QCOMPARE(form.Text("csw_x0_"), QStringLiteral("2640.250000"));
        QCOMPARE(form.Text("csw_k1_"), QStringLiteral("0.125"));
        QCOMPARE(form.Text("csw_p2_"), QStringLiteral("-0.0005"));
        QCOMPARE(form.Text("csw_focal_length_"),
                 QStringLiteral("%1").arg(12.29 / (17.3 / 5280), 0, 'f', 6));
        QVERIFY(form.Button("csw_fisheye_")->isChecked());
        // Name and focal length match a database camera.
        QCOMPARE(form.Combo("csw_camera_base_")->currentIndex(), 2);
    }

    void failedOrCancelledImportChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("not XML") << QByteArray("width=12") << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("chooser cancelled")
            << QByteArray("<CAMERA><width>1</width></CAMERA>") << true;
    }

    void failedOrCancelledImportChangesNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, cancel);
        const QString path = m_files.filePath(QStringLiteral("broken.xml"));
        WriteFile(path, content);

        CameraDialog dialog;
        const CameraInfo shown = MakeCamera("VR-K", "", 6000, 4000, 13.2, 8.8, 8.8);
        dialog.SetCamera(shown);
        const Form form(&dialog);
        FileChooserAnswer chooser;
        chooser.Arm(cancel ? QString() : path);
        QTest::mouseClick(form.Button("csw_import_"), Qt::LeftButton);
        QVERIFY2(chooser.answer.Done(), qPrintable(chooser.answer.Error()));
        QCOMPARE(form.Text("csw_width_"), QStringLiteral("6000"));
        QCOMPARE(form.Text("csw_camera_name_"), QStringLiteral("VR-K"));
    }

    void exportRoundTripsThroughXml()
    {
        CameraInfo edited = MakeCamera("VR-E", "", 6000, 4000, 13.2, 8.8, 6.6);
        edited.mount_angle = 3;
        CameraDialog dialog;
        dialog.SetCamera(edited);
        const Form form(&dialog);
        form.Type("csw_k3_", QStringLiteral("0.25"));
        const CameraInfo expected = dialog.Widget()->SettingWidget()->GetCamera();

        const QString path = m_files.filePath(QStringLiteral("export/out.xml"));
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        SetDefaultPath(m_files.path(), false);
        FileChooserAnswer chooser;
        chooser.Arm(path);
        QTest::mouseClick(form.Button("csw_export_"), Qt::LeftButton);
        QVERIFY2(chooser.answer.Done(), qPrintable(chooser.answer.Error()));
        QCOMPARE(chooser.title, QStringLiteral("Save Camera"));
        QCOMPARE(chooser.filters.size(), 3);
        QCOMPARE(chooser.filters.at(0), QStringLiteral("Varnel Camera File (*.xml)"));
        QCOMPARE(chooser.filters.at(1), QStringLiteral("Inpho Camera File (*.prj)"));
        QVERIFY(chooser.filters.at(2).endsWith(
            QStringLiteral("Context Capture Optical properties (*.opt)")));
        QCOMPARE(QDir(GetDefaultPath()).absolutePath(), QFileInfo(path).absolutePath());

        CameraInfo read;
        QVERIFY(ImportCameraFile(read, path));
        QCOMPARE(read.name, expected.name);
        QCOMPARE(read.width, 6000);
        QCOMPARE(read.height, 4000);
        QVERIFY(std::fabs(read.focal - 6.6) < 1e-8);
        QVERIFY(std::fabs(read.pixel_size_x - 0.0022) < 1e-12);
        QCOMPARE(read.x0, expected.x0);
        QCOMPARE(read.k1, expected.k1);
        QCOMPARE(read.k3, 0.25);
        QCOMPARE(read.beta, expected.beta);
        QCOMPARE(read.dtype, 1);
        // The dialog itself is unchanged by exporting.
        QCOMPARE(form.Text("csw_k3_"), QStringLiteral("0.25"));
        QCOMPARE(form.Combo("csw_angle_")->currentIndex(), 3);
    }

private:
    QTemporaryDir m_files;
};

QTEST_MAIN(TestCameraDialog)
#include "tst_cameradialog.moc"
