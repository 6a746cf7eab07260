#include "imagery/displaybar.h"
#include "modalanswer.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

class TestDisplayBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // Each switch says what it switches by its signal (the main window's
    // suite sees the layers follow); Clear puts every one back silently.
    void switches_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<bool>("initial");
        auto row = [](const char* button, const char* signal, bool initial) {
            QTest::newRow(button) << QString(button) << QByteArray(signal) << initial;
        };
        row("db_gps_check_btn_", SIGNAL(ShowGPS(bool)), true);
        row("db_footprint_check_btn_", SIGNAL(ShowFootprint(bool)), true);
        row("db_imageid_check_btn_", SIGNAL(ShowImageId(bool)), true);
        row("db_image_check_btn_", SIGNAL(ShowImage(bool)), false);
        row("db_flight_line_check_btn_", SIGNAL(ShowFlightLine(bool)), false);
        row("db_link_check_btn_", SIGNAL(ShowLink(bool)), false);
        row("db_imu_check_btn_", SIGNAL(ShowIMU(bool)), false);
    }

    void switches()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, signal);
        QFETCH(bool, initial);
        DisplayBar bar;
        auto* control = bar.findChild<QPushButton*>(button);
        QCOMPARE(control->isChecked(), initial);
        QSignalSpy spy(&bar, signal.constData());
        QTest::mouseClick(control, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), !initial);
        bar.Clear();
        QCOMPARE(control->isChecked(), initial);
        QCOMPARE(spy.count(), 1);
    }

    void flightSelector()
    {
        DisplayBar bar;
        auto* combo = bar.findChild<QComboBox*>("comboBox_airline");
        bar.InitCombox(2);
        const auto items = [combo] {
            QStringList texts;
            for (int k = 0; k < combo->count(); ++k)
                texts << combo->itemText(k);
            return texts;
        };
        QCOMPARE(items(), QStringList({"", "Flight1", "Flight2", "New Flight 3"}));
        QCOMPARE(combo->currentIndex(), 1);

        QSignalSpy changes(&bar, &DisplayBar::OnChangeFlight);
        combo->setCurrentIndex(3);
        Q_EMIT combo->activated(3);
        QCOMPARE(items(), QStringList({"", "Flight1", "Flight2", "Flight3", "New Flight 4"}));
        QCOMPARE(combo->currentIndex(), 3);
        combo->setCurrentIndex(0);
        Q_EMIT combo->activated(0);
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(changes.at(0).at(0).toInt(), 3);
        QCOMPARE(changes.at(1).at(0).toInt(), 1);

        bar.SetIndex(-1);
        QCOMPARE(combo->currentIndex(), 0);
        bar.SetIndex(2);
        QCOMPARE(combo->currentIndex(), 2);
        bar.SetIndex(9);
        QCOMPARE(combo->currentIndex(), 2);
        bar.InitCombox(0);
        QCOMPARE(items(), QStringList({"", "New Flight 1"}));
    }

    void thresholds_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("stored"); // degrees
        auto row = [](const char* typed, int row, int column, const char* shown, double stored) {
            QTest::newRow(typed) << row << column << QString(typed) << QString(shown) << stored;
        };
        row("400", 0, 1, "5", 5.0);
        row("word", 1, 2, "180", 180.0);
        row("12.7", 0, 2, "12.7", 12.0);
        row("360", 1, 1, "360", 360.0);
        row("-1e300", 1, 1, "5", 5.0);
        row("nan", 0, 1, "5", 5.0);
        row("十二", 0, 1, "5", 5.0);
    }
    void thresholds()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(double, stored);
        DisplayBar bar;
        auto* table = bar.findChild<QTableWidget*>("imu_setting_table_widget_");
        QSignalSpy imu(&bar, &DisplayBar::UpdateIMU);
        table->item(row, column)->setText(typed);
        QCOMPARE(table->item(row, column)->text(), shown);
        QCOMPARE(imu.count(), 0); // IMU is off
        double out[4];
        bar.GetThreshold(out);
        QCOMPARE(out[row + (column - 1) * 2], stored * 0.017453292519943295);

        QTest::mouseClick(bar.findChild<QPushButton*>("db_imu_check_btn_"), Qt::LeftButton);
        QVERIFY(bar.IsIMUChecked());
        // Another text of the same value, so that the cell changes.
        table->item(row, column)->setText(typed + ' ');
        QCOMPARE(imu.count(), shown == typed ? 1 : 0);
    }
};

QTEST_MAIN(TestDisplayBar)
#include "tst_displaybar.moc"
