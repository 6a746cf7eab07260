#include "framework/framedialog.h"
#include "framework/littletitlewidget.h"
#include "framework/titlebar.h"
#include "framework/titlewidget.h"
#include "framework/titlewidget2.h"
#include "framework/transparentdialog.h"
#include "framework/treewidgetitem.h"
#include "modalanswer.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// A dialog assembled as every dialog of the library is, with a default button.
class SampleDialog : public FrameDialog
{
public:
    explicit SampleDialog(QWidget* parent = nullptr)
        : FrameDialog(parent)
    {
        SetTitle(QStringLiteral("Sample"));
        auto* content = SetContent<BaseWidget>();
        content->setFixedSize(300, 200);
        auto* layout = new QVBoxLayout(content);
        ok = new QPushButton(QStringLiteral("OK"), content);
        ok->setDefault(true);
        layout->addWidget(ok);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
    QPushButton* ok = nullptr;
};

} // namespace

class TestFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // A dialog's frame cannot be maximised.
    void escapeIsIgnoredAndEnterReachesDefault()
    {
        SampleDialog dialog;
        dialog.setGeometry(10, 10, 400, 300);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect before = dialog.geometry();
        dialog.Frame()->Maximize();
        QCOMPARE(dialog.geometry(), before);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void dragsOnlyFromTheTitleStrip()
    {
        SampleDialog dialog;
        dialog.move(100, 100);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        TitleWidget* frame = dialog.Frame();
        const QPoint start = dialog.pos();
        const auto drag = [&](QPoint from) {
            QTest::mousePress(frame, Qt::LeftButton, {}, from);
            QMouseEvent move(QEvent::MouseMove, from + QPoint(50, 30),
                             frame->mapToGlobal(from + QPoint(50, 30)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(frame, &move);
            QTest::mouseRelease(frame, Qt::LeftButton, {}, from + QPoint(50, 30));
        };
        drag(QPoint(60, 120)); // below the strip: nothing moves
        QCOMPARE(dialog.pos(), start);
        drag(QPoint(60, 15));
        QCOMPARE(dialog.pos(), start + QPoint(50, 30));
    }

    // The close button asks first when the frame is told to check; declined,
    // the dialog stays open.
    void closeButton_data()
    {
        QTest::addColumn<QString>("answer"); // of the question; empty: none asked
        QTest::newRow("no check") << "";
        QTest::newRow("declined") << "kvbw2_cancel_";
        QTest::newRow("confirmed") << "kvbw2_ok_";
    }

    void closeButton()
    {
        QFETCH(QString, answer);
        SampleDialog dialog;
        dialog.Frame()->SetNeedCheck(!answer.isEmpty());
        QSignalSpy quit(dialog.Frame(), &TitleWidget::ConfirmQuit);
        kvtest::ModalAnswer question;
        if (!answer.isEmpty())
            question.ExpectText(QStringLiteral("是否确定取消?")).Click(answer).Arm();
        QTimer::singleShot(0, [&] {
            kvtest::Click(dialog.Frame(), QStringLiteral("dialog_close_btn"));
            if (dialog.isVisible())
                dialog.done(7);
        });
        const bool declined = answer == QLatin1String("kvbw2_cancel_");
        QCOMPARE(dialog.exec(), declined ? 7 : int(QDialog::Rejected));
        QCOMPARE(question.Done(), !answer.isEmpty());
        QCOMPARE(quit.count(), 1);
    }

    void maximizeTwiceGivesTheCentredWindow()
    {
        QDialog window;
        auto* layout = new QVBoxLayout(&window);
        auto* frame = new TitleWidget(&window, true, false, true);
        layout->addWidget(frame);
        window.show();
        const QRect available = QApplication::primaryScreen()->availableGeometry();

        frame->Maximize();
        QCOMPARE(window.geometry(), available.adjusted(-14, -14, 14, 14));
        frame->Maximize();
        const QPoint centre((available.left() + available.right()) / 2,
                            (available.top() + available.bottom()) / 2);
        QCOMPARE(window.geometry().size(), QSize(1280, 768));
        QCOMPARE(window.geometry().topLeft(), centre - QPoint(640, 384));
    }

    void titleWidget2ClosesWithoutAsking()
    {
        QDialog window;
        auto* frame = new TitleWidget2(&window);
        QTimer::singleShot(0, [frame] {
            frame->findChild<QPushButton*>(QStringLiteral("dialog_close_btn"))->click();
        });
        QCOMPARE(window.exec(), int(QDialog::Rejected));
    }

    void littleTitleWidgetForwardsEachButton()
    {
        LittleTitleWidget header(nullptr);
        QStringList log;
        connect(&header, &LittleTitleWidget::ClickDisable, [&] { log << "disable"; });
        connect(&header, &LittleTitleWidget::ClickEnable, [&] { log << "enable"; });
        connect(&header, &LittleTitleWidget::ClickRemove, [&] { log << "remove"; });
        connect(&header, &LittleTitleWidget::ShowTable, [&] { log << "table"; });
        connect(&header, &LittleTitleWidget::ShowIcon, [&] { log << "icon"; });
        for (const char* name : {"ltw_ineditable_btn_", "ltw_editable_btn_", "ltw_delete_btn_",
                                 "ltw_view_list_btn_", "ltw_view_grid_btn_"})
            header.findChild<QPushButton*>(QLatin1String(name))->click();
        QCOMPARE(log, (QStringList {"disable", "enable", "remove", "table", "icon"}));
    }

    void titleBarMovesItsWindowUnlessMaximised()
    {
        QWidget window;
        QGraphicsScene scene(0, 0, 400, 300);
        new QGraphicsView(&scene, &window);
        scene.addItem(new TitleBar(400, 36, nullptr, &window));
        window.setGeometry(50, 50, 500, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const auto send = [&](QEvent::Type type, QPoint screen) {
            QGraphicsSceneMouseEvent event(type);
            event.setScenePos(QPointF(10, 10));
            event.setScreenPos(screen);
            event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
            event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton
                                                                       : Qt::LeftButton);
            QApplication::sendEvent(&scene, &event);
        };
        const auto drag = [&] {
            const QPoint start = window.pos();
            send(QEvent::GraphicsSceneMousePress, QPoint(100, 100));
            send(QEvent::GraphicsSceneMouseMove, QPoint(130, 110));
            send(QEvent::GraphicsSceneMouseRelease, QPoint(130, 110));
            return window.pos() - start;
        };
        QCOMPARE(drag(), QPoint(30, 10));
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        QCOMPARE(drag(), QPoint());
    }

    void treeItemsSortNumerically()
    {
        QTreeWidget tree;
        for (const char* text : {"10", "9", "x", "100", "-1"})
            new TreeWidgetItem(&tree, QStringList() << QString::fromLatin1(text));
        tree.sortItems(0, Qt::AscendingOrder);
        QStringList order;
        for (int i = 0; i < tree.topLevelItemCount(); ++i)
            order << tree.topLevelItem(i)->text(0);
        QCOMPARE(order, (QStringList {"-1", "x", "9", "10", "100"}));
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
