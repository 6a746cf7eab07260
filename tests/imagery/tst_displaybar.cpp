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

    void switches_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<bool>("initial");
        QTest::newRow("GPS") << "db_gps_check_btn_" << QByteArray(SIGNAL(ShowGPS(bool))) << true;
        QTest::newRow("Footprint")
            << "db_footprint_check_btn_" << QByteArray(SIGNAL(ShowFootprint(bool))) << true;
        QTest::newRow("Image ID") << "db_imageid_check_btn_"
                                  << QByteArray(SIGNAL(ShowImageId(bool))) << true;
        QTest::newRow("Image") << "db_image_check_btn_" << QByteArray(SIGNAL(ShowImage(bool)))
                               << false;
        QTest::newRow("Flight") << "db_flight_line_check_btn_"
                                << QByteArray(SIGNAL(ShowFlightLine(bool))) << false;
        QTest::newRow("Link") << "db_link_check_btn_" << QByteArray(SIGNAL(ShowLink(bool)))
                              << false;
        QTest::newRow("IMU") << "db_imu_check_btn_" << QByteArray(SIGNAL(ShowIMU(bool))) << false;
    }
    void switches()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, signal);
        QFETCH(bool, initial);
        DisplayBar bar;
        auto* control = bar.findChild<QPushButton*>(button);
        QVERIFY(control);
        QCOMPARE(control->isChecked(), initial);
        QSignalSpy spy(&bar, signal.constData());
        QTest::mouseClick(control, Qt::LeftButton);
        QTest::mouseClick(control, Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toBool(), !initial);
        QCOMPARE(spy.at(1).at(0).toBool(), initial);
        control->setChecked(!initial);
        bar.Clear();
        QCOMPARE(control->isChecked(), initial);
        QCOMPARE(spy.count(), 2);
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
        QTest::newRow("400") << 0 << 1 << "400"
                             << "5" << 5.0;
        QTest::newRow("word") << 1 << 2 << "word"
                              << "180" << 180.0;
        QTest::newRow("12.7") << 0 << 2 << "12.7"
                              << "12.7" << 12.0;
        QTest::newRow("360") << 1 << 1 << "360"
                             << "360" << 360.0;
        QTest::newRow("-1e300") << 1 << 1 << "-1e300"
                                << "5" << 5.0;
        QTest::newRow("nan") << 0 << 1 << "nan"
                             << "5" << 5.0;
        QTest::newRow("中文") << 0 << 1 << "十二"
                              << "5" << 5.0;
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
        QCOMPARE(table->item(0, 0)->text(), QString("Roll"));
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
