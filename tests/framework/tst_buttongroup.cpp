#include "framework/buttongroup.h"
#include "framework/qrightclickbutton.h"
#include "modalanswer.h"

#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The flight buttons still in the selector's layout, in order.
QList<QPushButton*> LaidOutButtons(ButtonGroup& group)
{
    QList<QPushButton*> buttons;
    auto* contents = group.findChild<QWidget*>(QStringLiteral("bg_scrollarea_contents_"));
    auto* layout = qobject_cast<QVBoxLayout*>(contents->layout());
    for (int i = 0; i < layout->count(); ++i) {
        auto* button = qobject_cast<QPushButton*>(layout->itemAt(i)->widget());
        if (button && button->objectName() == QLatin1String("kv_group_btn"))
            buttons << button;
    }
    return buttons;
}

QStringList FlightButtons(ButtonGroup& group)
{
    QStringList texts;
    for (QPushButton* button : LaidOutButtons(group))
        texts << button->text();
    return texts;
}

QPushButton* FlightButton(ButtonGroup& group, const QString& text)
{
    const QList<QPushButton*> buttons = LaidOutButtons(group);
    const auto found = std::find_if(buttons.begin(), buttons.end(), [&text](QPushButton* button) {
        return button->text() == text;
    });
    return found == buttons.end() ? nullptr : *found;
}

// Removes a flight the way the operator does: right click, then the menu action.
void RemoveByMenu(ButtonGroup& group, QPushButton* button)
{
    QTest::mouseClick(button, Qt::RightButton);
    auto* menu = group.findChild<QMenu*>();
    QTRY_VERIFY(menu->isVisible());
    menu->actions().first()->trigger();
    menu->hide();
}

} // namespace

class TestButtonGroup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // A fresh selector has flight 1; a list keeps its order and the numbering
    // goes on from the highest; Remove without a menu's button does nothing.
    void addingAListKeepsOrderAndNumbering()
    {
        ButtonGroup group;
        QSignalSpy removed(&group, &ButtonGroup::Remove);
        QCOMPARE(FlightButtons(group), QStringList {"1"});
        QVERIFY(FlightButton(group, QStringLiteral("1"))->isChecked());
        group.RemoveGroup();
        QCOMPARE(removed.count(), 0);
        group.AddGroups({3, 0, 1});
        QCOMPARE(FlightButtons(group), (QStringList {"1", "2", "4"}));
        group.findChild<QPushButton*>(QStringLiteral("kv_add_btn"))->click();
        QCOMPARE(FlightButtons(group), (QStringList {"1", "2", "4", "5"}));
    }

    // Removing the checked flight falls back to the first; removing another
    // keeps the current. The numbering goes on from the highest given so far.
    void removingAFlight_data()
    {
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("newCurrent"); // as Remove tells it; -1: unchanged
        QTest::newRow("the checked one") << "3" << 0;
        QTest::newRow("another") << "1" << -1;
    }

    void removingAFlight()
    {
        QFETCH(QString, checked);
        QFETCH(int, newCurrent);
        ButtonGroup group;
        group.show();
        group.AddGroup();
        group.AddGroup();
        FlightButton(group, checked)->click();
        QSignalSpy removed(&group, &ButtonGroup::Remove);
        RemoveByMenu(group, FlightButton(group, QStringLiteral("3")));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.last().at(0).toInt(), 2);
        QCOMPARE(removed.last().at(1).toInt(), newCurrent);
        QVERIFY(FlightButton(group, QStringLiteral("1"))->isChecked());
        group.AddGroup();
        QCOMPARE(FlightButtons(group), (QStringList {"1", "2", "4"}));
    }
};

QTEST_MAIN(TestButtonGroup)
#include "tst_buttongroup.moc"
