#include "camera/cameraparameterwidget.h"
#include "modalanswer.h"

#include <QLineEdit>
#include <QTest>
#include <cmath>

using kvfd::CameraInfo;

namespace {

const char* const kCoefficients[] = {"cmpw_k1_", "cmpw_k2_", "cmpw_k3_",    "cmpw_k4_",
                                     "cmpw_p1_", "cmpw_p2_", "cmpw_alpha_", "cmpw_beta_"};

QLineEdit* Edit(QWidget* root, const char* name)
{
    return kvtest::Find<QLineEdit>(root, QLatin1String(name));
}

} // namespace

class TestCameraParameterWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void modelFollowsTheCoefficientsSet_data()
    {
        QTest::addColumn<QStringList>("set"); // edits given a non-zero value
        QTest::addColumn<int>("dtype");
        QTest::newRow("none") << QStringList() << 0;
        QTest::newRow("k1") << QStringList {"cmpw_k1_"} << 2;
        QTest::newRow("k1 k2") << QStringList {"cmpw_k1_", "cmpw_k2_"} << 2;
        QTest::newRow("alpha beta k4")
            << QStringList {"cmpw_alpha_", "cmpw_beta_", "cmpw_k4_"} << 2;
        QTest::newRow("k1 k2 k3 p1")
            << QStringList {"cmpw_k1_", "cmpw_k2_", "cmpw_k3_", "cmpw_p1_"} << 1;
        QTest::newRow("all eight")
            << QStringList {"cmpw_k1_", "cmpw_k2_", "cmpw_k3_",    "cmpw_k4_",
                            "cmpw_p1_", "cmpw_p2_", "cmpw_alpha_", "cmpw_beta_"}
            << 1;
    }

    void modelFollowsTheCoefficientsSet()
    {
        QFETCH(QStringList, set);
        QFETCH(int, dtype);
        CameraParameterWidget widget;
        // Values at the edge: 1e-12 counts as set, anything below as not.
        for (const char* name : kCoefficients)
            Edit(&widget, name)->setText(QStringLiteral("9e-13"));
        for (const QString& name : set)
            Edit(&widget, qPrintable(name))->setText(QStringLiteral("-1e-12"));
        QCOMPARE(widget.GetCamera().dtype, dtype);
    }

    void showsAndReadsTheCamera()
    {
        CameraInfo camera;
        camera.name = u8"广角 W-1";
        camera.fullname = "not shown";
        camera.width = 6000;
        camera.height = 4000;
        camera.ccd_width = 13.2;
        camera.ccd_height = 8.8;
        camera.pixel_size_x = 0.0022;
        camera.pixel_size_y = 0.0022;
        camera.focal = 6.6;
        camera.x0 = 2999.5;
        camera.y0 = 1999.123456789;
        camera.k1 = -0.0123456789012;
        camera.beta = 3e-9;
        camera.mount_angle = 2;
        CameraParameterWidget widget;
        widget.SetCamera(camera);
        QCOMPARE(Edit(&widget, "cmpw_name_")->text(), QStringLiteral("广角 W-1"));
        QCOMPARE(Edit(&widget, "cmpw_focallength_")->text(), QStringLiteral("3000"));
        QCOMPARE(Edit(&widget, "cmpw_ccd_width_")->text(), QStringLiteral("13.2"));
        QCOMPARE(Edit(&widget, "cmpw_y0_")->text(), QStringLiteral("1999.12"));
        QCOMPARE(Edit(&widget, "cmpw_k1_")->text(), QStringLiteral("-0.0123456789"));
        QCOMPARE(Edit(&widget, "cmpw_beta_")->text(), QStringLiteral("3e-09"));

        const CameraInfo read = widget.GetCamera();
        QCOMPARE(read.name, camera.name);
        QCOMPARE(read.fullname, std::string());
        QCOMPARE(read.width, 6000);
        QVERIFY(std::fabs(read.focal - 6.6) < 1e-12);
        QVERIFY(std::fabs(read.pixel_size_y - 0.0022) < 1e-15);
        QCOMPARE(read.y0, 1999.12);
        QCOMPARE(read.mount_angle, 0);
        QCOMPARE(read.dtype, 2);
    }

    void typedTextThatIsNoNumberReadsAsZero_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "abc";
        QTest::newRow("empty") << "";
        QTest::newRow("overflow") << "1e999";
        QTest::newRow("decimal comma") << "6,5";
    }

    void typedTextThatIsNoNumberReadsAsZero()
    {
        QFETCH(QString, text);
        CameraParameterWidget widget;
        for (QLineEdit* edit : widget.findChildren<QLineEdit*>())
            edit->setText(text);
        const CameraInfo read = widget.GetCamera();
        QCOMPARE(read.width, 0);
        QCOMPARE(read.height, 0);
        QCOMPARE(read.ccd_width, 0.0);
        QCOMPARE(read.x0, 0.0);
        QCOMPARE(read.k1, 0.0);
        QCOMPARE(read.dtype, 0);
        // A record read from nonsense shows again without harm.
        widget.SetCamera(read);
        QCOMPARE(Edit(&widget, "cmpw_width_")->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestCameraParameterWidget)
#include "tst_cameraparameterwidget.moc"
