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
#include <QLabel>
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

    void escapeIsIgnoredAndEnterReachesDefault()
    {
        SampleDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void frameAssembly()
    {
        SampleDialog dialog;
        TitleWidget* frame = dialog.Frame();
        QCOMPARE(frame->Title(), QStringLiteral("Sample"));
        QVERIFY(!frame->findChild<QPushButton*>(QStringLiteral("min_btn")));
        QCOMPARE(dialog.ok->parentWidget()->parentWidget(), frame);
    }

    void dragsOnlyFromTheTitleStrip()
    {
        SampleDialog dialog;
        dialog.move(100, 100);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        TitleWidget* frame = dialog.Frame();
        const QPoint start = dialog.pos();

        // Below the strip: nothing moves.
        const QPoint body(60, 120);
        QTest::mousePress(frame, Qt::LeftButton, {}, body);
        QMouseEvent move(QEvent::MouseMove, body + QPoint(50, 30), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(frame, &move);
        QTest::mouseRelease(frame, Qt::LeftButton, {}, body + QPoint(50, 30));
        QCOMPARE(dialog.pos(), start);

        // On the strip: the dialog follows the mouse.
        const QPoint onStrip(60, 15);
        QTest::mousePress(frame, Qt::LeftButton, {}, onStrip);
        QMouseEvent drag(QEvent::MouseMove, onStrip + QPoint(50, 30),
                         frame->mapToGlobal(onStrip + QPoint(50, 30)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(frame, &drag);
        QTest::mouseRelease(frame, Qt::LeftButton, {}, onStrip + QPoint(50, 30));
        QCOMPARE(dialog.pos(), start + QPoint(50, 30));
    }

    void declinedQuitKeepsTheDialogOpen()
    {
        SampleDialog dialog;
        dialog.Frame()->SetNeedCheck(true);
        QSignalSpy quit(dialog.Frame(), &TitleWidget::ConfirmQuit);
        bool checkingDuringQuestion = false;
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("是否确定取消?"))
            .Do([&](QWidget*) { checkingDuringQuestion = dialog.Frame()->IsChecking(); })
            .Click(QStringLiteral("kvbw2_cancel_"))
            .Arm();
        dialog.show();
        QTest::mouseClick(dialog.Frame()->findChild<QPushButton*>("dialog_close_btn"),
                          Qt::LeftButton);
        QTRY_VERIFY(answer.Done() || !answer.Error().isEmpty());
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(checkingDuringQuestion);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.Frame()->IsChecking());
        QCOMPARE(quit.count(), 1);
    }

    void confirmedQuitRejects()
    {
        SampleDialog dialog;
        dialog.Frame()->SetNeedCheck(true);
        kvtest::ModalAnswer answer;
        answer.Click(QStringLiteral("kvbw2_ok_")).Arm();
        QTimer::singleShot(0, [&] {
            QTest::mouseClick(dialog.Frame()->findChild<QPushButton*>("dialog_close_btn"),
                              Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(!dialog.Frame()->IsChecking());
    }

    void closeWithoutCheckRejectsAtOnce()
    {
        SampleDialog dialog;
        QTimer::singleShot(
            0, [&] { dialog.Frame()->findChild<QPushButton*>("dialog_close_btn")->click(); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

    void maximizeTwiceGivesTheCentredWindow()
    {
        QDialog window;
        auto* layout = new QVBoxLayout(&window);
        auto* frame = new TitleWidget(&window, true, false, true);
        layout->addWidget(frame);
        window.show();
        QVERIFY(frame->findChild<QPushButton*>(QStringLiteral("min_btn")));
        QVERIFY(frame->findChild<QPushButton*>(QStringLiteral("dialog_save_btn")));
        const QRect available = QApplication::primaryScreen()->availableGeometry();

        frame->Maximize();
        QCOMPARE(window.geometry(), available.adjusted(-14, -14, 14, 14));
        frame->Maximize();
        const QPoint centre((available.left() + available.right()) / 2,
                            (available.top() + available.bottom()) / 2);
        QCOMPARE(window.geometry().size(), QSize(1280, 768));
        QCOMPARE(window.geometry().topLeft(), centre - QPoint(640, 384));
    }

    void maximizeWithoutButtonDoesNothing()
    {
        SampleDialog dialog;
        dialog.setGeometry(10, 10, 400, 300);
        const QRect before = dialog.geometry();
        dialog.Frame()->Maximize();
        QCOMPARE(dialog.geometry(), before);
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
        auto* layout = new QVBoxLayout(&window);
        QGraphicsScene scene(0, 0, 400, 300);
        auto* view = new QGraphicsView(&scene, &window);
        layout->addWidget(view);
        auto* bar = new TitleBar(400, 36, nullptr, &window);
        scene.addItem(bar);
        window.setGeometry(50, 50, 500, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto send = [&](QEvent::Type type, QPoint screen) {
            QGraphicsSceneMouseEvent event(type);
            event.setScenePos(QPointF(10, 10));
            event.setScreenPos(screen);
            event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
            event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton
                                                                       : Qt::LeftButton);
            QApplication::sendEvent(&scene, &event);
        };
        const QPoint start = window.pos();
        send(QEvent::GraphicsSceneMousePress, QPoint(100, 100));
        send(QEvent::GraphicsSceneMouseMove, QPoint(130, 110));
        send(QEvent::GraphicsSceneMouseRelease, QPoint(130, 110));
        QCOMPARE(window.pos(), start + QPoint(30, 10));
        QCOMPARE(bar->pos(), QPointF(0, 0)); // the item itself never moves

        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        const QPoint maximisedPos = window.pos();
        send(QEvent::GraphicsSceneMousePress, QPoint(100, 100));
        send(QEvent::GraphicsSceneMouseMove, QPoint(160, 140));
        send(QEvent::GraphicsSceneMouseRelease, QPoint(160, 140));
        QCOMPARE(window.pos(), maximisedPos);
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
