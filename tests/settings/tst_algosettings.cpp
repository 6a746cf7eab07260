#include "kvfd/kvconfiguration.h"
#include "modalanswer.h"
#include "settings/basettingdialog.h"
#include "settings/ccxmldialog.h"
#include "settings/inphodialog.h"
#include "settings/matchsettingwidget.h"
#include "settings/runsettingdialog.h"
#include "settings/settingdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

namespace {

QCheckBox* Box(QWidget* root, const char* name)
{
    return kvtest::Find<QCheckBox>(root, QLatin1String(name));
}

QComboBox* Combo(QWidget* root, const char* name)
{
    return kvtest::Find<QComboBox>(root, QLatin1String(name));
}

} // namespace

class TestAlgoSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    // Values outside the tables leave the combos where they were; Get writes
    // only the form's fields.
    void matchSetting()
    {
        MatchSettingWidget dialog;
        QCOMPARE(dialog.GetBlockSize(), -1);
        kvfd::AlgoSetting in;
        in.featureNumber = 8000;
        in.blockSize = 3000;
        in.gcpWeight = 0.125;
        in.gpsWeight[2] = 7;
        in.pyr = 3;
        in.ftdom = 1;
        dialog.Set(in);
        QCOMPARE(kvtest::Text(&dialog, "msw_gcp_weight_"), QStringLiteral("0.13"));
        QCOMPARE(kvtest::Text(&dialog, "msw_scale_"), QStringLiteral("1:8"));
        in.featureNumber = 12345;
        in.blockSize = 999;
        dialog.Set(in);
        QCOMPARE(dialog.GetFeatureNumber(), 8000);
        QCOMPARE(dialog.GetBlockSize(), 3000);

        kvtest::SetText(&dialog, "msw_radius_", QStringLiteral("abc"));
        kvfd::AlgoSetting out;
        out.threadCount = 5;
        out.landscape = 2;
        out.seamlineMode = 4;
        dialog.Get(out);
        QVERIFY(out.threadCount == 5 && out.landscape == 2 && out.seamlineMode == 4);
        QCOMPARE(out.featureNumber, 8000);
        QCOMPARE(out.gpsWeight[2], 7.0);
        QCOMPARE(out.radius, 0);
        QCOMPARE(out.ftdom, 1);

        // STDOM, FTDOM and SFTDOM exclude each other; QTDOM stands apart,
        // and a record with none of them clears all three.
        Box(&dialog, "msw_qtdom_")->click();
        Box(&dialog, "msw_stdom_")->click();
        QVERIFY(!Box(&dialog, "msw_ftdom_")->isChecked());
        QVERIFY(Box(&dialog, "msw_qtdom_")->isChecked());
        in.ftdom = 0;
        dialog.Set(in);
        dialog.Get(out);
        QCOMPARE(out.stdom + out.ftdom + out.sftdom + out.qtdom, 0);
    }

    void runSetting()
    {
        kvfd::KvConfiguration::Instance()->GetAlgoSetting().hpGps = 1;
        RunSettingDialog dialog;
        kvfd::KvConfiguration::Instance()->GetAlgoSetting().hpGps = 0;
        QVERIFY(Box(&dialog, "rsw_ppk_rtk_")->isChecked());
        Box(&dialog, "rsw_gcp_")->setChecked(true);
        Box(&dialog, "rsw_dsm_")->setChecked(true);
        bool flags[9];
        dialog.Get(flags);
        const bool all[9] = {true, true, true, true, true, true, false, false, false};
        QVERIFY(std::equal(flags, flags + 9, all));

        Box(&dialog, "rsw_adjustment_")->click();
        QVERIFY(!Box(&dialog, "rsw_ppk_rtk_")->isEnabled()
                && !Box(&dialog, "rsw_gcp_")->isEnabled());
        dialog.Get(flags);
        QVERIFY(!flags[1] && !flags[2] && !flags[3]);
        RunSettingDialog plain;
        QVERIFY(!Box(&plain, "rsw_ppk_rtk_")->isChecked());
    }

    // Set of a local system changes nothing; an id not among its type
    // leaves the first system; OK needs a non-blank output.
    void ccXml()
    {
        CCXmlDialog dialog;
        const kvfd::CoordinateInfoSet all
            = kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet();
        const kvfd::CoordinateInfo firstUtm
            = all.GetCoordinates(kvfd::CT_WGS84_UTM).GetCoordinate(0);
        const kvfd::CoordinateInfoSet cgcs = all.GetCoordinates(kvfd::CT_CGCS2000);
        QVERIFY(cgcs.Size() > 2);
        dialog.Set(cgcs.GetCoordinate(2));
        QCOMPARE(Combo(&dialog, "ccw_type_")->currentIndex(), 3);
        kvfd::CoordinateInfo local;
        local.type = kvfd::CT_LOCAL;
        dialog.Set(local);
        kvfd::CoordinateInfo got;
        std::string output = "keep";
        bool undistortion = true;
        dialog.Get(got, output, undistortion);
        QCOMPARE(got.id, cgcs.GetCoordinate(2).id);
        QCOMPARE(output, std::string());
        QVERIFY(!undistortion);

        kvfd::CoordinateInfo unknown = firstUtm;
        unknown.id = 1;
        dialog.Set(unknown);
        dialog.Get(got, output, undistortion);
        QCOMPARE(got.id, firstUtm.id);

        QSignalSpy finished(&dialog, &QDialog::finished);
        kvtest::SetText(&dialog, "ccw_output_", QStringLiteral("   "));
        kvtest::Click(&dialog, "ccw_ok_");
        QCOMPARE(finished.count(), 0);
        kvtest::SetText(&dialog, "ccw_output_", QStringLiteral(" /tmp/导出 "));
        kvtest::Click(&dialog, "ccw_ok_");
        QCOMPARE(finished.count(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.Get(got, output, undistortion);
        QCOMPARE(QString::fromLocal8Bit(output.c_str()), QStringLiteral("/tmp/导出"));
    }
};

QTEST_MAIN(TestAlgoSettings)
#include "tst_algosettings.moc"
