#include "camera/calibrationdialog.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

namespace {

kvfd::CameraInfo Camera(double k1)
{
    kvfd::CameraInfo camera;
    camera.name = "FC6310";
    camera.width = 5472;
    camera.height = 3648;
    camera.ccd_width = 13.2;
    camera.ccd_height = 8.8;
    camera.pixel_size_x = camera.pixel_size_y = 13.2 / 5472;
    camera.focal = 8.8;
    camera.x0 = 2736;
    camera.y0 = 1824;
    camera.k1 = k1;
    return camera;
}

} // namespace

class TestCalibration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }
    void cleanup() { kvkernel::KvSetContext(nullptr); }

    // More than 32 taking part is refused with a message and no signal;
    // "Selected" counts only the selected images, "All" every one.
    void imageCount_data()
    {
        QTest::addColumn<int>("images"); // -1: no project
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("selectedMode");
        QTest::addColumn<int>("emitted");
        QTest::newRow("33") << 33 << 0 << false << 0;
        QTest::newRow("selected 32 of 40") << 40 << 32 << true << 1;
        QTest::newRow("selected 33 of 40") << 40 << 33 << true << 0;
        QTest::newRow("no project") << -1 << 0 << false << 0;
    }

    void imageCount()
    {
        QFETCH(int, images);
        QFETCH(int, selected);
        QFETCH(bool, selectedMode);
        QFETCH(int, emitted);
        kvkernel::AISContext project;
        kvfd::ImageInfoSet& set = project.GetImageInfoSet();
        for (int i = 0; i < images; ++i) {
            set.AddImage("DJI_" + std::to_string(i) + ".JPG", "/航拍", {}, 0, true);
            set.GetImageExt(i)->selected = i < selected;
        }
        if (images >= 0)
            kvkernel::KvSetContext(&project);

        CalibrationDialog dialog;
        dialog.SetAll(!selectedMode);
        QCOMPARE(dialog.IsSelected(), selectedMode);
        QSignalSpy runs(&dialog, &CalibrationDialog::RunCalibration);
        const QList<QStringList> boxes = kvtest::AnswerEveryBox(
            [&] { kvtest::Click(&dialog, QStringLiteral("clbw_run_btn_")); });
        QCOMPARE(runs.count(), emitted);
        const bool refused = images >= 0 && emitted == 0;
        QCOMPARE(boxes.size(), refused ? 1 : 0);
        if (refused)
            QVERIFY(boxes[0].contains(QStringLiteral("影像数量大于32！")));
    }

    // The initial tab keeps what SetCamera showed; GetCamera reads the
    // calibrated tab and picks the distortion model from its coefficients.
    void cameras()
    {
        CalibrationDialog dialog;
        dialog.SetCamera(Camera(1e-9));
        dialog.UpdateCamera(Camera(0.0));
        QWidget* raw = dialog.findChild<QWidget*>(QStringLiteral("raw_widget_"));
        QWidget* calibrated = dialog.findChild<QWidget*>(QStringLiteral("new_widget_"));
        QCOMPARE(kvtest::Text(raw, QStringLiteral("cmpw_k1_")), QStringLiteral("1e-09"));
        QCOMPARE(kvtest::Text(calibrated, QStringLiteral("cmpw_k1_")), QStringLiteral("0"));
        QCOMPARE(dialog.GetCamera().dtype, 0);
        dialog.UpdateCamera(Camera(2e-9));
        QCOMPARE(dialog.GetCamera().dtype, 2);
    }
};

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
