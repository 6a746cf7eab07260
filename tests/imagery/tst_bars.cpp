#include "imagery/catalogbar.h"
#include "imagery/displaybar.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

// A project whose image k is named names[k] and flies in flights[k].
std::unique_ptr<kvkernel::AISContext> Project(const QStringList& names, const QList<int>& flights)
{
    auto context = std::make_unique<kvkernel::AISContext>();
    kvfd::ImageInfoSet& images = context->GetImageInfoSet();
    for (int k = 0; k < names.size(); ++k) {
        const int i = images.AddImage(names[k].toStdString(), "/photos", kvfd::EOP(), 0, true);
        images.GetImageExt(i)->flight = flights.value(k);
    }
    return context;
}

QStringList Texts(QTreeWidgetItem* parent)
{
    QStringList texts;
    for (int k = 0; k < parent->childCount(); ++k)
        texts << parent->child(k)->text(5).trimmed();
    return texts;
}

} // namespace

// The catalogue bar and the display bar beside it.
class TestBars : public QObject
{
    Q_OBJECT

    std::unique_ptr<kvkernel::AISContext> m_context;
    std::unique_ptr<CatalogBar> m_bar;
    QTreeWidget* m_tree = nullptr;

    // Shows a fresh bar over project.
    void Open(std::unique_ptr<kvkernel::AISContext> project)
    {
        m_bar.reset();
        m_context = std::move(project);
        kvkernel::KvSetContext(m_context.get());
        m_bar = std::make_unique<CatalogBar>();
        m_bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_bar.get()));
        m_tree = m_bar->findChild<QTreeWidget*>("catalog_tree_widget_");
        QVERIFY(m_tree);
        m_bar->LoadProject();
        m_bar->Update(false);
    }

    QPushButton* Button(QTreeWidgetItem* item, int column)
    {
        return qobject_cast<QPushButton*>(m_tree->itemWidget(item, column));
    }

    kvfd::ImageInfoExt* Ext(int i) { return m_context->GetImageInfoSet().GetImageExt(i); }

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }
    void cleanup()
    {
        m_bar.reset();
        kvkernel::KvSetContext(nullptr);
    }

    void flightsInOrder()
    {
        Open(Project({"c1", "a1", "b1", "c2"}, {3, 1, 2, 3}));
        QStringList groups;
        for (int k = 0; k < 3; ++k)
            groups << m_tree->topLevelItem(k)->text(5);
        QCOMPARE(groups, QStringList({"Flight1", "Flight2", "Flight3"}));
        QCOMPARE(Texts(m_tree->topLevelItem(2)), QStringList({"c1", "c2"}));
    }

    // A flight's button follows its images only when they all agree.
    void groupButton()
    {
        Open(Project({"a", "b", "c"}, {1, 1, 2}));
        QTreeWidgetItem* flight = m_tree->topLevelItem(0);
        QPushButton* flightEnable = Button(flight, 2);
        QTest::mouseClick(Button(flight, 1), Qt::LeftButton);
        QPushButton* first = Button(flight->child(0), 3);
        QPushButton* second = Button(flight->child(1), 3);

        QSignalSpy views(m_bar.get(), &CatalogBar::UpdateView);
        QTest::mouseClick(first, Qt::LeftButton);
        QVERIFY(!Ext(0)->enabled && flightEnable->isChecked());
        QTest::mouseClick(second, Qt::LeftButton);
        QVERIFY(!Ext(1)->enabled && !flightEnable->isChecked());
        QCOMPARE(views.count(), 2);

        // The flight's visible button hides every image of it, and only those.
        QTest::mouseClick(Button(flight, 3), Qt::LeftButton);
        QVERIFY(!Ext(0)->visible && !Ext(1)->visible && Ext(2)->visible);
    }

    void hiddenBarWaitsForLazyUpdate()
    {
        Open(Project({"a", "b"}, {1, 1}));
        m_bar->hide();
        Ext(1)->selected = true;
        m_bar->Update(false);
        QVERIFY(!m_tree->topLevelItem(0)->child(1)->isSelected());
        m_bar->show();
        m_bar->LazyUpdate();
        QVERIFY(m_tree->topLevelItem(0)->child(1)->isSelected());
    }

    // A disabled image moves below the enabled ones; each part is in name order.
    void enableView()
    {
        Open(Project({"d", "b", "a", "c"}, {1, 1, 2, 2}));
        QTest::mouseClick(m_bar->findChild<QPushButton*>("cb_enable_view_btn_"), Qt::LeftButton);
        QCOMPARE(Texts(m_tree->invisibleRootItem()), QStringList({"a", "b", "c", "d"}));
        Ext(1)->selected = true; // "b"
        m_bar->ClickMenuDisable();
        QCOMPARE(Texts(m_tree->invisibleRootItem()), QStringList({"a", "c", "d", "b"}));
        QVERIFY(m_tree->topLevelItem(3)->isSelected()); // moved with its selection

        QTest::mouseClick(m_bar->findChild<QPushButton*>("cb_visible_view_btn_"), Qt::LeftButton);
        m_bar->ClickMenuInvisible();
        QCOMPARE(Texts(m_tree->invisibleRootItem()), QStringList({"a", "c", "d", "b"}));
        QVERIFY(!Ext(1)->visible);
    }

    // Rows get their buttons when they come into view.
    void manyImages()
    {
        QStringList names;
        for (int k = 0; k < 3000; ++k)
            names << QString("IMG_%1").arg(k, 5, 10, QChar('0'));
        Open(Project(names, QList<int>()));
        m_bar->ClickEnableView();
        QTreeWidgetItem* last = m_tree->topLevelItem(2999);
        QVERIFY(Button(m_tree->topLevelItem(0), 2));
        QVERIFY(!Button(last, 2));
        m_tree->verticalScrollBar()->setValue(m_tree->verticalScrollBar()->maximum());
        QVERIFY(Button(last, 3) && Button(last, 3)->isChecked());
    }

    // The display bar.

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

QTEST_MAIN(TestBars)
#include "tst_bars.moc"
