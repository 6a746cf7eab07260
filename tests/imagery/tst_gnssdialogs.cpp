#include "cloudserver.h"
#include "imagery/elevationdialog.h"
#include "imagery/gpstooldialog.h"
#include "imagery/leverarmdialog.h"
#include "imagery/rt27dialog.h"
#include "imagerytest.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
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

    // Each query that brings no height says why under the fields, keeps the
    // field as it was and withholds Apply; "stopped" is a service that no
    // longer listens.
    void elevation_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("expected"); // the field after Get; it held "keep"
        QTest::addColumn<int>("requests");
        QTest::addColumn<QString>("reason");
        const QString invalid
            = QStringLiteral("Invalid position: longitude within ±180°, latitude within ±90°.");
        auto row = [](const char* name, const QString& args, const char* latitude,
                      const char* expected, int requests, const QString& reason = QString()) {
            QTest::newRow(name) << args.split(' ', Qt::SkipEmptyParts) << QString(latitude)
                                << QString(expected) << requests << reason;
        };
        row("12.5", "--elevation 12.5", "30.5", "12.500000", 1);
        row("10000 is not", "--elevation 10000", "30.5", "keep", 1,
            "The service's elevation 10000 m lies outside −200…10000 m.");
        row("data not a number", "--elevation 12.5 --elevation-as-string", "30.5", "0.000000", 1);
        row("status 1", "--status 1", "30.5", "keep", 1,
            "Refused by the service (status 1): no elevation for this position.");
        row("HTTP 503", "--http-status 503", "30.5", "keep", 1,
            "Refused by the service: HTTP status 503.");
        row("not JSON", "--malformed", "30.5", "keep", 1,
            "Unusable answer from the service: it is not a JSON object.");
        row("reply too long", "--pad-bytes 100000", "30.5", "keep", 1,
            "Unusable answer from the service: The reply is over 0.0625 MB");
        row("time-out", "--delay-ms 3500", "30.5", "keep", 1,
            "Time-out: the service did not answer within 3 s.");
        // Not "no data": the network's own reason.
        row("unreachable", "stopped", "30.5", "keep", 0, "Service unreachable: Connection refused");
        row("URL too long", "", "1e250", "keep", 0, invalid);
    }

    void elevation()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, latitude);
        QFETCH(QString, expected);
        QFETCH(int, requests);
        QFETCH(QString, reason);
        const bool stopped = args.removeAll(QStringLiteral("stopped")) > 0;
        kvtest::CloudServer cloud(args);
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        if (stopped)
            cloud.Stop();
        ElevationDialog dialog;
        dialog.show();
        Edit(&dialog, "ew_longitude_")->setText("114.25");
        Edit(&dialog, "ew_latitude_")->setText(latitude);
        Edit(&dialog, "ew_elevation_")->setText("keep");
        Click(&dialog, "ew_get_");
        QCOMPARE(Edit(&dialog, "ew_elevation_")->text(), expected);
        QCOMPARE(Text(&dialog, "ew_reason_"), reason);
        QCOMPARE(kvtest::Find<QPushButton>(&dialog, "ew_apply_")->isEnabled(), reason.isEmpty());
        if (stopped)
            return;
        if (requests > 0)
            cloud.WaitForRequests(QStringLiteral("/"), requests);
        const QStringList log = cloud.Requests();
        QCOMPARE(log.size(), requests);
        if (requests == 1) // latitude first, ten decimals, an encoded comma
            QVERIFY2(log[0].startsWith("GET /bing/getelevationbypoint?lat_lng="
                                       "30.5000000000%2C114.2500000000 "),
                     qPrintable(log[0]));
    }

    // After a query that brought nothing, the field's old value is not
    // applied as an answer: Apply waits for a typed or fetched height.
    void applyWaitsForANewHeight()
    {
        kvtest::CloudServer cloud({"--status", "1"});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        ElevationDialog dialog;
        dialog.show();
        auto* apply = kvtest::Find<QPushButton>(&dialog, "ew_apply_");
        QLineEdit* elevation = Edit(&dialog, "ew_elevation_");
        QTest::keyClicks(elevation, "35");

        dialog.Widget()->SetPosition(114.25, 30.5);
        Click(&dialog, "ew_get_");
        QCOMPARE(elevation->text(), QStringLiteral("35"));
        dialog.setResult(QDialog::Rejected);
        dialog.Widget()->ClickApply();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        // Editing the field answers the failed query; an empty field is no height.
        QTest::keyClick(elevation, Qt::Key_Backspace);
        QTest::keyClick(elevation, Qt::Key_Backspace);
        QCOMPARE(Text(&dialog, "ew_reason_"), QString());
        QVERIFY(!apply->isEnabled());
        QTest::keyClicks(elevation, "36.5");
        Click(&dialog, "ew_apply_");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Widget()->Elevation(), 36.5);
    }

    // A folder the operator chose is never replaced by the file's (the main
    // window's suite sees the file's own folder taken and both handed out);
    // OK needs both fields; Cancel hands out nothing.
    void rt27()
    {
        RT27Dialog dialog;
        dialog.Widget()->ChooseRinex("/out");
        dialog.Widget()->ChooseRT27(m_dir + "/b.GNS");
        QCOMPARE(Edit(&dialog, "rtw_rinex_")->text(), QStringLiteral("/out"));

        std::string files[2] = {"untouched", "untouched"};
        kvtest::ModalAnswer answer;
        answer
            .Do([&](QWidget* w) {
                Edit(w, "rtw_rt27_")->setText(m_dir + "/c.rt27");
                Edit(w, "rtw_rinex_")->setText("  ");
                Click(w, "rtw_ok_");
                QVERIFY(w->isVisible());
            })
            .Click("rtw_cancel_")
            .Arm();
        QVERIFY(!ShowRT27Dialog(files));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(QString::fromStdString(files[0] + files[1]), QStringLiteral("untoucheduntouched"));
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
        row("no HP POS", " |g||o", "0", false);
        row("other type, orientation", "p||r|o", "1", true);
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
};

QTEST_MAIN(TestGnssDialogs)
#include "tst_gnssdialogs.moc"
