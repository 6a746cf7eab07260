// The GNSS utilities: the elevation query against the stand-in service, the
// RT27, lever-arm and GPS tool dialogs' rules, file choosers and entry
// functions.

#include "cloudserver.h"
#include "framework/kvshared.h"
#include "imagery/elevationdialog.h"
#include "imagery/gpstooldialog.h"
#include "imagery/leverarmdialog.h"
#include "imagery/rt27dialog.h"
#include "modalanswer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kQuery = QStringLiteral("/bing/getelevationbypoint?lat_lng=");

QLineEdit* Edit(QWidget* root, const char* name)
{
    return kvtest::Find<QLineEdit>(root, QLatin1String(name));
}

void Click(QWidget* root, const char* name)
{
    QTest::mouseClick(kvtest::Find<QPushButton>(root, QLatin1String(name)), Qt::LeftButton);
}

bool WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// A RINEX 3 file with one camera event at 2020-01-01 00:00:05.
QByteArray EventRinex()
{
    return QByteArray("     3.03").leftJustified(20, ' ') + "O" + QByteArray(39, ' ')
        + "RINEX VERSION / TYPE\n" + QByteArray(60, ' ') + "END OF HEADER\n"
        + "> 2020 01 01 00 00  5.0000000  5  0\n";
}

} // namespace

class TestGnssDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void elevation_data();
    void elevation();
    void elevationFromDem();
    void elevationButtonsEndTheDialog();
    void browse_data();
    void browse();
    void rt27();
    void leverArmRows();
    void leverArmOk_data();
    void leverArmOk();
    void gpsTool_data();
    void gpsTool();

private:
    QTemporaryDir m_temp;
    QString m_dir;
};

void TestGnssDialogs::initTestCase()
{
    kvtest::UseTemporaryEnvironment();
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QVERIFY(m_temp.isValid());
    m_dir = m_temp.filePath(QStringLiteral("测试 目录"));
    QVERIFY(QDir().mkpath(m_dir));
}

void TestGnssDialogs::elevation_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("expected"); // the field after Get; it held "keep"
    QTest::addColumn<int>("requests");     // -1: not counted

    const QString lat = QStringLiteral("30.5");
    QTest::newRow("12.5") << QStringList {"--elevation", "12.5"} << lat << "12.500000" << 1;
    QTest::newRow("-199.5 is kept")
        << QStringList {"--elevation", "-199.5"} << lat << "-199.500000" << 1;
    QTest::newRow("-200 is not") << QStringList {"--elevation", "-200"} << lat << "keep" << 1;
    QTest::newRow("10000 is not") << QStringList {"--elevation", "10000"} << lat << "keep" << 1;
    QTest::newRow("data not a number")
        << QStringList {"--elevation", "12.5", "--elevation-as-string"} << lat << "0.000000" << 1;
    QTest::newRow("status 1") << QStringList {"--status", "1"} << lat << "keep" << 1;
    QTest::newRow("not JSON") << QStringList {"--malformed"} << lat << "keep" << 1;
    QTest::newRow("reply too long") << QStringList {"--pad-bytes", "100000"} << lat << "keep" << 1;
    QTest::newRow("time-out") << QStringList {"--delay-ms", "3600"} << lat << "keep" << -1;
    QTest::newRow("URL too long") << QStringList() << "1e250"
                                  << "keep" << 0;
    QTest::newRow("nan") << QStringList() << "nan"
                         << "keep" << 0;
}

void TestGnssDialogs::elevation()
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
    if (requests < 0) // the server logs a request once its late reply is out
        return;
    const QStringList log = cloud.Requests();
    QCOMPARE(log.size(), requests);
    if (requests == 1) // latitude first, ten decimals, an encoded comma
        QVERIFY2(log[0].startsWith("GET " + kQuery + "30.5000000000%2C114.2500000000 "),
                 qPrintable(log[0]));
}

void TestGnssDialogs::elevationFromDem()
{
    // Cell (50, 40) of the test DEM holds 2520; this is its centre.
    kvtest::CloudServer cloud(
        {"--dem", QStringLiteral(KVUI_SOURCE_DIR "/tests/data/dem/storml_elev.tif")});
    QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
    ElevationDialog dialog;
    dialog.Widget()->SetPosition(-113.262865658724, 46.0659729861912);
    QCOMPARE(Edit(&dialog, "ew_longitude_")->text(), QStringLiteral("-113.26286566"));
    dialog.Widget()->ClickGet();
    // Eight decimals of the position move it by half a millimetre at most.
    QVERIFY2(qAbs(dialog.Widget()->Elevation() - 2520.0) < 0.01,
             qPrintable(Edit(&dialog, "ew_elevation_")->text()));
}

void TestGnssDialogs::elevationButtonsEndTheDialog()
{
    for (const char* button : {"ew_apply_", "ew_quit_"}) {
        ElevationDialog dialog;
        kvtest::ModalAnswer answer;
        answer.ExpectTitle("Get elevation from web").Click(button).Arm();
        const int code = dialog.exec();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(code, qstrcmp(button, "ew_apply_") == 0 ? 1 : 0);
    }
}

void TestGnssDialogs::browse_data()
{
    QTest::addColumn<int>("dialog"); // 0 RT27, 1 lever arm, 2 GPS tool
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("filter"); // empty: a folder chooser
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("save");

    QTest::newRow("RT27") << 0 << QByteArray("AddRT27") << "打开RT27/GNS文件"
                          << "Trimble RT27 File(*.rt27;*.GNS);;All(*.*)"
                          << "rtw_rt27_" << false;
    QTest::newRow("RINEX folder") << 0 << QByteArray("AddRinex") << "Save RINEX File"
                                  << ""
                                  << "rtw_rinex_" << false;
    QTest::newRow("HP POS") << 1 << QByteArray("ClickBrowseHPPos") << "选择待改正GPS文件"
                            << "GPS文件 (*.txt);;所有文件 (*.*)"
                            << "law_hppos_line_edit_" << false;
    QTest::newRow("gimbal") << 1 << QByteArray("ClickBrowseGimbal") << "选择云台文件"
                            << "云台文件 (*.gim);;所有文件 (*.*)"
                            << "law_gimbal_line_edit_" << false;
    QTest::newRow("orientation") << 1 << QByteArray("ClickBrowseOrientation") << "选择外方位元素"
                                 << "外方位元素 (*.txt);;所有文件 (*.*)"
                                 << "law_orientation_line_edit_" << false;
    QTest::newRow("lever output") << 1 << QByteArray("ClickBrowseOutput") << "保存结果"
                                  << "改正结果 (*.txt)"
                                  << "law_output_line_edit_" << true;
    QTest::newRow("airborne RINEX") << 2 << QByteArray("OpenRinex") << "打开机载RINEX数据"
                                    << "观测文件(*.*o);;所有文件(*.*)"
                                    << "gtw_rinex_" << false;
    QTest::newRow("trajectory") << 2 << QByteArray("OpenTrajectory") << "打开轨迹文件"
                                << "所有文件(*.*)"
                                << "gtw_trajectory_" << false;
    QTest::newRow("BA POS") << 2 << QByteArray("OpenBAPOS") << "打开空三POS数据"
                            << "POS文件(*.txt);;所有文件(*.*)"
                            << "gtw_ba_pos_" << false;
    QTest::newRow("output POS") << 2 << QByteArray("SavePOS") << "保存POS"
                                << "POS文件(*.txt)"
                                << "gtw_pos_" << true;
}

// Each chooser opens at the remembered folder with its caption and filter,
// and puts the choice into its field.
void TestGnssDialogs::browse()
{
    QFETCH(int, dialog);
    QFETCH(QByteArray, slot);
    QFETCH(QString, caption);
    QFETCH(QString, filter);
    QFETCH(QString, field);
    QFETCH(bool, save);

    RT27Dialog rt27;
    LeverArmDialog leverArm;
    GPSToolDialog gpsTool;
    QWidget* const content
        = QList<QWidget*> {rt27.Widget(), leverArm.Widget(), gpsTool.Widget()}[dialog];

    const QString chosen = m_dir
        + (filter.isEmpty() ? "/rinex 输出"
               : save       ? "/新 结果.txt"
                            : "/选择.txt");
    QVERIFY(filter.isEmpty() ? QDir().mkpath(chosen) : save || WriteFile(chosen, "x"));
    SetDefaultPath(m_dir, false);
    QString seenCaption, seenFilter, seenStart;
    kvtest::ModalAnswer answer;
    answer
        .Do([&](QWidget* w) {
            auto* chooser = qobject_cast<QFileDialog*>(w);
            QVERIFY(chooser);
            seenCaption = chooser->windowTitle();
            seenFilter = chooser->nameFilters().join(";;");
            seenStart = chooser->directory().absolutePath();
            chooser->selectFile(chosen);
            static_cast<QDialog*>(chooser)->accept(); // protected in QFileDialog
        })
        .Arm();
    QVERIFY(QMetaObject::invokeMethod(content, slot.constData()));
    QVERIFY2(answer.Done(), qPrintable(answer.Error()));

    QCOMPARE(seenCaption, caption);
    if (!filter.isEmpty())
        QCOMPARE(seenFilter, filter);
    QCOMPARE(seenStart, m_dir);
    QCOMPARE(kvtest::Find<QLineEdit>(content, field)->text(), chosen);
    QCOMPARE(GetDefaultPath(), filter.isEmpty() ? chosen : m_dir);
}

void TestGnssDialogs::rt27()
{
    RT27Dialog dialog;
    RT27Widget* widget = dialog.Widget();
    widget->ChooseRT27(m_dir + "/a.rt27");
    QCOMPARE(Edit(&dialog, "rtw_rinex_")->text(), m_dir); // empty: the file's folder
    widget->ChooseRinex("/out");
    widget->ChooseRT27(m_dir + "/b.GNS");
    QCOMPARE(Edit(&dialog, "rtw_rinex_")->text(), QStringLiteral("/out")); // never overwritten

    // OK needs both fields; the entry function hands out both.
    std::string files[2];
    kvtest::ModalAnswer answer;
    answer.ExpectTitle("RT27 Format Change")
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
    QCOMPARE(QString::fromStdString(files[0]), m_dir + "/c.rt27");
    QCOMPARE(QString::fromStdString(files[1]), m_dir);

    files[0] = "untouched";
    answer.Click("rtw_cancel_").Do(nullptr).Arm();
    QVERIFY(!ShowRT27Dialog(files));
    QCOMPARE(files[0], std::string("untouched"));
}

void TestGnssDialogs::leverArmRows()
{
    LeverArmDialog dialog;
    auto* type = kvtest::Find<QComboBox>(&dialog, "law_uavtype_combobox_");
    QStringList items;
    for (int i = 0; i < type->count(); ++i)
        items << type->itemText(i);
    QCOMPARE(items, QStringList({"Kestrel", "Heron/Egret", "Osprey", "Plover"}));
    const auto hidden
        = [&](const char* name) { return kvtest::FindNamed(&dialog, name)->isHidden(); };
    QVERIFY(hidden("law_orientation_line_edit_") && hidden("law_browse_orientation_btn_"));
    QVERIFY(!hidden("law_gimbal_line_edit_"));
    type->setCurrentIndex(3);
    QVERIFY(hidden("law_gimbal_line_edit_") && hidden("law_browse_gimbal_btn_"));
    QVERIFY(!hidden("law_orientation_line_edit_") && !hidden("law_browse_orientation_btn_"));

    // Get's order: HP POS, Orientation, Gimbal, Output, each trimmed.
    int got = -1;
    std::string paths[4];
    kvtest::ModalAnswer answer;
    answer
        .Do([](QWidget* w) {
            kvtest::Find<QComboBox>(w, "law_uavtype_combobox_")->setCurrentIndex(2);
            const char* names[4] = {"law_hppos_line_edit_", "law_orientation_line_edit_",
                                    "law_gimbal_line_edit_", "law_output_line_edit_"};
            for (int i = 0; i < 4; ++i)
                Edit(w, names[i])->setText(QStringLiteral(" 路径%1 ").arg(i));
        })
        .Click("law_ok_btn_")
        .Arm();
    QVERIFY(ShowLeverArmDialog(got, paths));
    QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    QCOMPARE(got, 2);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(QString::fromStdString(paths[i]), QStringLiteral("路径%1").arg(i));
}

void TestGnssDialogs::leverArmOk_data()
{
    QTest::addColumn<QStringList>("fields"); // HP POS, gimbal, orientation, output
    QTest::addColumn<QList<int>>("types"); // chosen in this order, the fields typed after the first
    QTest::addColumn<bool>("accepted");

    QTest::newRow("gimbal type, complete")
        << QStringList {"p", "g", "", "o"} << QList<int> {0} << true;
    QTest::newRow("gimbal type, no gimbal")
        << QStringList {"p", "", "", "o"} << QList<int> {0} << false;
    QTest::newRow("no output") << QStringList {"p", "g", "", ""} << QList<int> {0} << false;
    QTest::newRow("no HP POS") << QStringList {" ", "g", "", "o"} << QList<int> {0} << false;
    QTest::newRow("other type, orientation")
        << QStringList {"p", "", "r", "o"} << QList<int> {1} << true;
    QTest::newRow("other type, nothing")
        << QStringList {"p", "", "", "o"} << QList<int> {3} << false;
    QTest::newRow("gimbal typed, type switched")
        << QStringList {"p", "g", "", "o"} << QList<int> {0, 2} << true;
}

void TestGnssDialogs::leverArmOk()
{
    QFETCH(QStringList, fields);
    QFETCH(QList<int>, types);
    QFETCH(bool, accepted);

    LeverArmDialog dialog;
    dialog.show();
    auto* type = kvtest::Find<QComboBox>(&dialog, "law_uavtype_combobox_");
    type->setCurrentIndex(types.takeFirst());
    const char* names[4] = {"law_hppos_line_edit_", "law_gimbal_line_edit_",
                            "law_orientation_line_edit_", "law_output_line_edit_"};
    for (int i = 0; i < 4; ++i)
        Edit(&dialog, names[i])->setText(fields[i]);
    for (int next : types)
        type->setCurrentIndex(next);
    dialog.setResult(QDialog::Rejected);
    dialog.Widget()->ClickOK();
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
}

void TestGnssDialogs::gpsTool_data()
{
    QTest::addColumn<QByteArray>("rinex");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message"); // empty: nothing happens

    QTest::newRow("success, no BA POS") << EventRinex() << "结果 pos.txt"
                                        << "计算成功！";
    QTest::newRow("failure") << QByteArray("junk") << "结果 pos.txt"
                             << "计算失败！";
    QTest::newRow("no output") << EventRinex() << ""
                               << "";
}

void TestGnssDialogs::gpsTool()
{
    QFETCH(QByteArray, rinex);
    QFETCH(QString, output);
    QFETCH(QString, message);

    const QString rinexPath = m_dir + "/机载.20o";
    const QString trajectoryPath = m_dir + "/轨迹.txt";
    QVERIFY(WriteFile(rinexPath, rinex));
    QVERIFY(WriteFile(trajectoryPath,
                      "2020-01-01 00:00:00 30.5 114.25 100\n"
                      "2020-01-01 00:00:10 30.5001 114.25 110\n"));
    const QString outputPath = output.isEmpty() ? QString() : m_dir + '/' + output;
    if (!outputPath.isEmpty())
        QFile::remove(outputPath);

    GPSToolDialog dialog;
    dialog.show();
    QCOMPARE(Edit(&dialog, "gtw_x_")->text() + Edit(&dialog, "gtw_y_")->text()
                 + Edit(&dialog, "gtw_z_")->text(),
             QStringLiteral("-0.0562-0.0020.1052"));
    Edit(&dialog, "gtw_rinex_")->setText(rinexPath);
    Edit(&dialog, "gtw_trajectory_")->setText(trajectoryPath);
    Edit(&dialog, "gtw_pos_")->setText(outputPath);
    kvtest::ModalAnswer answer;
    answer.ExpectText(message).Click("kvsb_ok_btn_").Arm(message.isEmpty() ? 200 : 10000);
    Click(&dialog, "gtw_run_");
    QCOMPARE(answer.Done(), !message.isEmpty());
    if (!message.isEmpty())
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    QCOMPARE(QFile::exists(outputPath), message == "计算成功！");
    QVERIFY(dialog.isVisible()); // the tool stays open for another run

    Click(&dialog, "gtw_exit_");
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestGnssDialogs)
#include "tst_gnssdialogs.moc"
