#include "camera/cameraparameterwidget.h"
#include "modalanswer.h"

#include <QLineEdit>
#include <QTest>

class TestCameraParameterWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void distortionModelFollowsTheCoefficientsSet_data()
    {
        QTest::addColumn<QStringList>("set");
        QTest::addColumn<int>("dtype");
        QTest::newRow("none") << QStringList() << 0;
        QTest::newRow("one") << QStringList {"cmpw_k1_"} << 2;
        QTest::newRow("four") << QStringList {"cmpw_k1_", "cmpw_k2_", "cmpw_k3_", "cmpw_p2_"} << 1;
    }

    void distortionModelFollowsTheCoefficientsSet()
    {
        QFETCH(QStringList, set);
        QFETCH(int, dtype);
        CameraParameterWidget widget;
        // 1e-12 is the smallest value that counts as set.
        for (const char* name : {"cmpw_k1_", "cmpw_k2_", "cmpw_k3_", "cmpw_k4_", "cmpw_p1_",
                                 "cmpw_p2_", "cmpw_alpha_", "cmpw_beta_"})
            kvtest::Find<QLineEdit>(&widget, QLatin1String(name))->setText(QStringLiteral("9e-13"));
        for (const QString& name : set)
            kvtest::Find<QLineEdit>(&widget, name)->setText(QStringLiteral("-1e-12"));
        QCOMPARE(widget.GetCamera().dtype, dtype);
    }

    // The calibration editor's fields take numbers only, by the camera
    // dialog's rules (tested there); the shown camera's own texts stay as they are.
    void typingTakesOnlyNumbers()
    {
        CameraParameterWidget widget;
        kvfd::CameraInfo camera;
        camera.name = "VR-C";
        widget.SetCamera(camera);
        const QList<QStringList> cases {{"cmpw_width_", "abc-5472", "5472"},
                                        {"cmpw_ccd_width_", "-13.2 mm", "13.2"},
                                        {"cmpw_focallength_", "3648.5px", "3648.5"},
                                        {"cmpw_alpha_", "1.5e-05", "1.5e-05"}};
        for (const QStringList& c : cases) {
            auto* edit = kvtest::Find<QLineEdit>(&widget, c[0]);
            QVERIFY2(edit, qPrintable(c[0]));
            edit->clear();
            QTest::keyClicks(edit, c[1]);
            QCOMPARE(edit->text(), c[2]);
        }
        const kvfd::CameraInfo read = widget.GetCamera();
        QVERIFY(read.width == 5472 && read.alpha == 1.5e-05);
        QVERIFY(qFuzzyCompare(read.focal, 3648.5 * 13.2 / 5472));
    }
};

QTEST_MAIN(TestCameraParameterWidget)
#include "tst_cameraparameterwidget.moc"
