#include "cloudserver.h"
#include "framework/kvshared.h"
#include "imagery/elevationdialog.h"
#include "imagery/gpstooldialog.h"
#include "imagery/leverarmdialog.h"
#include "imagery/rt27dialog.h"
#include "imagerytest.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>

using namespace imagerytest;

namespace {

// The lever-arm fields in the order HP POS, gimbal, orientation, output.
const char* const kLeverArmFields[4] = {"law_hppos_line_edit_", "law_gimbal_line_edit_",
                                        "law_orientation_line_edit_", "law_output_line_edit_"};

} // namespace

class TestGnssDialogs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    QString m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        m_dir = m_temp.filePath("测试 目录");
        QVERIFY(QDir().mkpath(m_dir));
    }

    void elevation_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("expected"); // the field after Get; it held "keep"
        QTest::addColumn<int>("requests");
        auto row = [](const char* name, const QString& args, const char* latitude,
                      const char* expected, int requests) {
            QTest::newRow(name) << args.split(' ', Qt::SkipEmptyParts) << QString(latitude)
                                << QString(expected) << requests;
        };
        row("12.5", "--elevation 12.5", "30.5", "12.500000", 1);
        row("-199.5 is kept", "--elevation -199.5", "30.5", "-199.500000", 1);
        row("-200 is not", "--elevation -200", "30.5", "keep", 1);
        row("10000 is not", "--elevation 10000", "30.5", "keep", 1);
        row("data not a number", "--elevation 12.5 --elevation-as-string", "30.5", "0.000000", 1);
        row("status 1", "--status 1", "30.5", "keep", 1);
        row("not JSON", "--malformed", "30.5", "keep", 1);
        row("reply too long", "--pad-bytes 100000", "30.5", "keep", 1);
        row("URL too long", "", "1e250", "keep", 0);
        row("nan", "", "nan", "keep", 0);
    }

    void elevation()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, latitude);
        QFETCH(QString, expected);
        QFETCH(int, requests);
        kvtest::CloudServer cloud(args);
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        ElevationDialog dialog;
        dialog.show();
        Edit(&dialog, "ew_longitude_")->setText("114.25");
        Edit(&dialog, "ew_latitude_")->setText(latitude);
        Edit(&dialog, "ew_elevation_")->setText("keep");
        Click(&dialog, "ew_get_");
        QCOMPARE(Edit(&dialog, "ew_elevation_")->text(), expected);
        if (requests > 0)
            cloud.WaitForRequests(QStringLiteral("/"), requests);
        const QStringList log = cloud.Requests();
        QCOMPARE(log.size(), requests);
        if (requests == 1) // latitude first, ten decimals, an encoded comma
            QVERIFY2(log[0].startsWith("GET /bing/getelevationbypoint?lat_lng="
                                       "30.5000000000%2C114.2500000000 "),
                     qPrintable(log[0]));
    }

    // Each chooser opens at the remembered folder with its caption and filter
    // (empty: a folder chooser), and puts the choice into its field.
    void browse_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("save");
        auto row = [](const char* slot, const char* caption, const char* filter, const char* field,
                      bool save) {
            QTest::newRow(slot) << QByteArray(slot) << QString(caption) << QString(filter)
                                << QString(field) << save;
        };
        row("AddRT27", "打开RT27/GNS文件", "Trimble RT27 File(*.rt27;*.GNS);;All(*.*)", "rtw_rt27_",
            false);
        row("AddRinex", "Save RINEX File", "", "rtw_rinex_", false);
        row("ClickBrowseHPPos", "选择待改正GPS文件", "GPS文件 (*.txt);;所有文件 (*.*)",
            "law_hppos_line_edit_", false);
        row("ClickBrowseGimbal", "选择云台文件", "云台文件 (*.gim);;所有文件 (*.*)",
            "law_gimbal_line_edit_", false);
        row("ClickBrowseOrientation", "选择外方位元素", "外方位元素 (*.txt);;所有文件 (*.*)",
            "law_orientation_line_edit_", false);
        row("ClickBrowseOutput", "保存结果", "改正结果 (*.txt)", "law_output_line_edit_", true);
        row("OpenRinex", "打开机载RINEX数据", "观测文件(*.*o);;所有文件(*.*)", "gtw_rinex_", false);
        row("OpenTrajectory", "打开轨迹文件", "所有文件(*.*)", "gtw_trajectory_", false);
        row("OpenBAPOS", "打开空三POS数据", "POS文件(*.txt);;所有文件(*.*)", "gtw_ba_pos_", false);
        row("SavePOS", "保存POS", "POS文件(*.txt)", "gtw_pos_", true);
    }

    void browse()
    {
        QFETCH(QByteArray, slot);
        QFETCH(QString, caption);
        QFETCH(QString, filter);
        QFETCH(QString, field);
        QFETCH(bool, save);
        RT27Dialog rt27;
        LeverArmDialog leverArm;
        GPSToolDialog gpsTool;
        const QList<QWidget*> all {rt27.Widget(), leverArm.Widget(), gpsTool.Widget()};
        QWidget* const content = all[QStringList {"rtw", "law", "gtw"}.indexOf(field.left(3))];
        const QString chosen = m_dir
            + (filter.isEmpty() ? "/rinex 输出"
                   : save       ? "/新 结果.txt"
                                : "/选择.txt");
        QVERIFY(filter.isEmpty() ? QDir().mkpath(chosen) : save || WriteFile(chosen, "x"));
        SetDefaultPath(m_dir, false);
        QString seen;
        kvtest::ModalAnswer answer;
        answer
            .Do([&](QWidget* w) {
                auto* chooser = qobject_cast<QFileDialog*>(w);
                QVERIFY(chooser);
                seen = chooser->windowTitle() + '|' + chooser->directory().absolutePath();
                if (!filter.isEmpty())
                    seen += '|' + chooser->nameFilters().join(";;");
                kvtest::ChooseFile(chooser, chosen);
            })
            .Arm();
        QVERIFY(QMetaObject::invokeMethod(content, slot.constData()));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(seen, caption + '|' + m_dir + (filter.isEmpty() ? "" : '|' + filter));
        QCOMPARE(kvtest::Find<QLineEdit>(content, field)->text(), chosen);
        QCOMPARE(GetDefaultPath(), filter.isEmpty() ? chosen : m_dir);
    }

    void rt27()
    {
        RT27Dialog dialog;
        dialog.Widget()->ChooseRT27(m_dir + "/a.rt27");
        QCOMPARE(Edit(&dialog, "rtw_rinex_")->text(), m_dir); // empty: the file's folder
        dialog.Widget()->ChooseRinex("/out");
        dialog.Widget()->ChooseRT27(m_dir + "/b.GNS");
        QCOMPARE(Edit(&dialog, "rtw_rinex_")->text(), QStringLiteral("/out")); // never overwritten

        // OK needs both fields; the entry function hands out both.
        std::string files[2];
        kvtest::ModalAnswer answer;
        answer
            .Do([&](QWidget* w) {
                Edit(w, "rtw_rt27_")->setText(m_dir + "/c.rt27");
                Edit(w, "rtw_rinex_")->setText("  ");
                Click(w, "rtw_ok_");
                QVERIFY(w->isVisible());
                Edit(w, "rtw_rinex_")->setText(m_dir);
            })
            .Click("rtw_ok_")
            .Arm();
        QVERIFY(ShowRT27Dialog(files));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(QString::fromStdString(files[0] + '|' + files[1]), m_dir + "/c.rt27|" + m_dir);
        files[0] = "untouched";
        answer.Click("rtw_cancel_").Do(nullptr).Arm();
        QVERIFY(!ShowRT27Dialog(files));
        QCOMPARE(files[0], std::string("untouched"));
    }

    void leverArmRows()
    {
        LeverArmDialog dialog;
        auto* type = kvtest::Find<QComboBox>(&dialog, "law_uavtype_combobox_");
        const auto hidden
            = [&](const char* name) { return kvtest::FindNamed(&dialog, name)->isHidden(); };
        QVERIFY(hidden("law_orientation_line_edit_") && hidden("law_browse_orientation_btn_"));
        QVERIFY(!hidden("law_gimbal_line_edit_"));
        type->setCurrentIndex(3);
        QVERIFY(hidden("law_gimbal_line_edit_") && hidden("law_browse_gimbal_btn_"));
        QVERIFY(!hidden("law_orientation_line_edit_") && !hidden("law_browse_orientation_btn_"));

        // Get's order: HP POS, orientation, gimbal, output, each trimmed.
        int got = -1;
        std::string paths[4];
        kvtest::ModalAnswer answer;
        answer
            .Do([](QWidget* w) {
                kvtest::Find<QComboBox>(w, "law_uavtype_combobox_")->setCurrentIndex(2);
                for (int i = 0; i < 4; ++i)
                    Edit(w, kLeverArmFields[i])->setText(QStringLiteral(" 路径%1 ").arg(i));
            })
            .Click("law_ok_btn_")
            .Arm();
        QVERIFY(ShowLeverArmDialog(got, paths));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(got, 2);
        QCOMPARE(QString::fromStdString(paths[0] + paths[1] + paths[2] + paths[3]),
                 QStringLiteral("路径0路径2路径1路径3"));
    }

    void leverArmOk_data()
    {
        QTest::addColumn<QString>("fields"); // HP POS|gimbal|orientation|output
        QTest::addColumn<QString>("types");  // chosen in order, the fields typed after the first
        QTest::addColumn<bool>("accepted");
        auto row = [](const char* name, const char* fields, const char* types, bool accepted) {
            QTest::newRow(name) << QString(fields) << QString(types) << accepted;
        };
        row("gimbal type, complete", "p|g||o", "0", true);
        row("gimbal type, no gimbal", "p|||o", "0", false);
        row("no output", "p|g||", "0", false);
        row("no HP POS", " |g||o", "0", false);
        row("other type, orientation", "p||r|o", "1", true);
        row("other type, nothing", "p|||o", "3", false);
        row("gimbal typed, type switched", "p|g||o", "0 2", true);
    }

    void leverArmOk()
    {
        QFETCH(QString, fields);
        QFETCH(QString, types);
        QFETCH(bool, accepted);
        LeverArmDialog dialog;
        dialog.show();
        auto* type = kvtest::Find<QComboBox>(&dialog, "law_uavtype_combobox_");
        type->setCurrentIndex(types.section(' ', 0, 0).toInt());
        for (int i = 0; i < 4; ++i)
            Edit(&dialog, kLeverArmFields[i])->setText(fields.section('|', i, i));
        for (const QString& next : types.split(' ').mid(1))
            type->setCurrentIndex(next.toInt());
        dialog.setResult(QDialog::Rejected);
        dialog.Widget()->ClickOK();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    }

    void gpsTool_data()
    {
        QTest::addColumn<bool>("goodRinex");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("message"); // empty: nothing happens
        QTest::newRow("success, no BA POS") << true << "结果 pos.txt" << QString("计算成功！");
        QTest::newRow("failure") << false << "结果 pos.txt" << QString("计算失败！");
        QTest::newRow("no output") << true << "" << QString();
    }

    void gpsTool()
    {
        QFETCH(bool, goodRinex);
        QFETCH(QString, output);
        QFETCH(QString, message);
        // A RINEX 3 file with one camera event at 2020-01-01 00:00:05.
        const QByteArray rinex = QByteArray("     3.03").leftJustified(20, ' ') + "O"
            + QByteArray(39, ' ') + "RINEX VERSION / TYPE\n" + QByteArray(60, ' ')
            + "END OF HEADER\n> 2020 01 01 00 00  5.0000000  5  0\n";
        QVERIFY(WriteFile(m_dir + "/机载.20o", goodRinex ? rinex : "junk"));
        QVERIFY(WriteFile(m_dir + "/轨迹.txt",
                          "2020-01-01 00:00:00 30.5 114.25 100\n"
                          "2020-01-01 00:00:10 30.5001 114.25 110\n"));
        const QString outputPath = output.isEmpty() ? QString() : m_dir + '/' + output;
        QFile::remove(outputPath);

        GPSToolDialog dialog;
        dialog.show();
        QCOMPARE(Edit(&dialog, "gtw_x_")->text() + Edit(&dialog, "gtw_y_")->text()
                     + Edit(&dialog, "gtw_z_")->text(),
                 QStringLiteral("-0.0562-0.0020.1052"));
        Edit(&dialog, "gtw_rinex_")->setText(m_dir + "/机载.20o");
        Edit(&dialog, "gtw_trajectory_")->setText(m_dir + "/轨迹.txt");
        Edit(&dialog, "gtw_pos_")->setText(outputPath);
        kvtest::ModalAnswer answer;
        answer.ExpectText(message).Click("kvsb_ok_btn_").Arm(message.isEmpty() ? 200 : 10000);
        Click(&dialog, "gtw_run_");
        QVERIFY2(answer.Done() == !message.isEmpty(), qPrintable(answer.Error()));
        QCOMPARE(QFile::exists(outputPath), message == "计算成功！");
        QVERIFY(dialog.isVisible()); // the tool stays open for another run
        Click(&dialog, "gtw_exit_");
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestGnssDialogs)
#include "tst_gnssdialogs.moc"
