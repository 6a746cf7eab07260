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
};

QTEST_MAIN(TestCameraParameterWidget)
#include "tst_cameraparameterwidget.moc"
