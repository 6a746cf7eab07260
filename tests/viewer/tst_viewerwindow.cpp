#include "modalanswer.h"
#include "viewertest.h"
#include "widgethelpers.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using kvtest::kDji;
using kvtest::kMissing;
using kvtest::kTiny;
using kvtest::Label;
using kvtest::ViewMessage;
using kvtest::WaitLoaded;

QAction* Action(const ViewerWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

// Sends a mouse event with the buttons held, which QTest::mouseMove cannot.
void SendMouse(QWidget* target, QEvent::Type type, const QPoint& at, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestViewerWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ViewerWindow> m_window;

    ViewerWindow& Shown(const QList<QByteArray>& photos)
    {
        return ShownList(kvviewer::PhotoListFromArguments(photos));
    }
    ViewerWindow& ShownList(const kvviewer::PhotoList& photos)
    {
        m_window = std::make_unique<ViewerWindow>();
        m_window->SetPhotos(photos);
        m_window->show();
        // Shortcuts work in the active window; without a window manager
        // nothing activates it.
        QApplication::setActiveWindow(m_window.get());
        return *m_window;
    }

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }
    void cleanup() { m_window.reset(); }

    // Previous and next by keys, first and last, and nothing past either end;
    // every step shows the photo's name and place. (The tool bar's buttons
    // trigger the same actions.)
    void navigation()
    {
        ViewerWindow& window = Shown({kTiny, kMissing, kDji});
        QVERIFY(WaitLoaded(window));
        const QStringList names {"tiny_drone_image.jpg", "DJI_0009.JPG", "DJI_0024.JPG"};
        const std::pair<Qt::Key, int> steps[]
            = {{Qt::Key_Right, 2},  {Qt::Key_Right, 3}, {Qt::Key_Right, 3},    {Qt::Key_Left, 2},
               {Qt::Key_Left, 1},   {Qt::Key_Left, 1},  {Qt::Key_PageDown, 2}, {Qt::Key_Space, 3},
               {Qt::Key_PageUp, 2}, {Qt::Key_End, 3},   {Qt::Key_Home, 1}};
        for (const auto& [key, place] : steps) {
            QTest::keyClick(window.View(), key);
            QVERIFY(WaitLoaded(window));
            QCOMPARE(Label(window, "kvv_index"), QStringLiteral("%1 / 3").arg(place));
            QCOMPARE(Label(window, "kvv_file"), names[place - 1]);
            QCOMPARE(Action(window, "kvv_previous")->isEnabled(), place > 1);
            QCOMPARE(Action(window, "kvv_next")->isEnabled(), place < 3);
        }
    }

    // The side panel of a photo with position and camera, and of one without
    // tags (a missing photo's is in the language suite).
    void sidePanel_data()
    {
        QTest::addColumn<QByteArray>("photo");
        QTest::addColumn<QString>("values");
        const QString none = QStringLiteral("not recorded|");
        QTest::newRow("position and camera")
            << kTiny << "41.226370° N|81.705501° W|438.19 m|Canon PowerShot S110|5.20 mm|48 × 36";
        QTest::newRow("no tags") << QFile::encodeName(
            kvtest::kImages + QStringLiteral("/drone-testdata-agung-1-example.jpg"))
                                 << none.repeated(5) + QStringLiteral("1172 × 878");
    }

    void sidePanel()
    {
        QFETCH(QByteArray, photo);
        QFETCH(QString, values);
        ViewerWindow& window = Shown({photo});
        QVERIFY(WaitLoaded(window));
        QStringList shown;
        for (const char* name : {"kvv_latitude", "kvv_longitude", "kvv_altitude", "kvv_camera",
                                 "kvv_focal", "kvv_size"})
            shown << Label(window, name);
        QCOMPARE(shown.join(QLatin1Char('|')), values);
    }

    // Photos are read on a worker thread: the window answers at once, and the
    // answers for photos the operator has already left are dropped.
    void loadingNeverBlocksAndOnlyTheLastAnswerCounts()
    {
        ViewerWindow window;
        QSignalSpy shown(&window, &ViewerWindow::PhotoShown);
        window.SetPhotos(kvviewer::PhotoListFromArguments({kDji, kTiny, kDji}));
        QVERIFY(window.IsLoading());
        QVERIFY(ViewMessage(window).startsWith(QStringLiteral("Loading DJI_0024.JPG")));
        window.Next();
        window.Next();
        QVERIFY(WaitLoaded(window));
        QTest::qWait(100);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().first().toInt(), 2);
    }

    // Zoom by keys, buttons and the wheel, relative to the photo's own
    // pixels, up to its limit; Fit comes back and follows the window's size.
    void zoom()
    {
        ViewerWindow& window = Shown({kDji});
        QVERIFY(WaitLoaded(window));
        PhotoView* view = window.View();
        QVERIFY(view->IsFitted());
        const double fitted = view->Zoom();
        QTest::keyClick(view, Qt::Key_Minus);
        QVERIFY(qFuzzyCompare(view->Zoom(), fitted / PhotoView::kStep));
        QVERIFY(!view->IsFitted());
        QWheelEvent wheel(QPointF(100, 100), view->viewport()->mapToGlobal(QPoint(100, 100)),
                          QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(view->viewport(), &wheel);
        QVERIFY(qFuzzyCompare(view->Zoom(), fitted * PhotoView::kStep));
        QTest::keyClick(view, Qt::Key_Plus);
        QVERIFY(qFuzzyCompare(view->Zoom(), fitted * PhotoView::kStep * PhotoView::kStep));
        for (int i = 0; i < 60; ++i)
            Action(window, "kvv_zoom_in")->trigger();
        QVERIFY(qFuzzyCompare(view->Zoom(), PhotoView::kMaxZoom));
        QCOMPARE(Label(window, "kvv_zoom"), QStringLiteral("1600%"));

        QTest::keyClick(view, Qt::Key_F);
        QVERIFY(qFuzzyCompare(view->Zoom(), fitted));
        window.resize(window.width() + 400, window.height() + 300);
        QVERIFY(QTest::qWaitFor([&] { return view->Zoom() > fitted * 1.1; }, 5000));
        QVERIFY(view->IsFitted());
    }

    // Dragging a zoomed photo moves it with the mouse.
    void pan()
    {
        ViewerWindow& window = Shown({kDji});
        QVERIFY(WaitLoaded(window));
        PhotoView* view = window.View();
        for (int i = 0; i < 3; ++i)
            view->ZoomIn();
        QScrollBar* across = view->horizontalScrollBar();
        QScrollBar* down = view->verticalScrollBar();
        QVERIFY(across->maximum() > 100 && down->maximum() > 100);
        const QPoint before(across->value(), down->value());
        QWidget* surface = view->viewport();
        const QPoint from = surface->rect().center();
        SendMouse(surface, QEvent::MouseButtonPress, from, Qt::LeftButton);
        SendMouse(surface, QEvent::MouseMove, from + QPoint(-80, -60), Qt::LeftButton);
        SendMouse(surface, QEvent::MouseButtonRelease, from + QPoint(-80, -60), Qt::NoButton);
        QCOMPARE(QPoint(across->value(), down->value()), before + QPoint(80, 60));
    }

    void nothingToShow()
    {
        ViewerWindow& window = Shown({});
        QCOMPARE(Label(window, "kvv_index"), QStringLiteral("0 / 0"));
        for (const char* name : {"kvv_first", "kvv_previous", "kvv_next", "kvv_last", "kvv_reload"})
            QVERIFY2(!Action(window, name)->isEnabled(), name);
        window.Next();
        QCOMPARE(window.Current(), -1);
    }

    // The list's problems stay in view; Reload reads the list file again, as
    // a second launch from the host asks.
    void listProblemsAndReload()
    {
        QTemporaryDir dir;
        const QString list = dir.filePath(QStringLiteral("viewer.ini"));
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kTiny + '\n' + kMissing + '\n');
        file.close();
        ViewerWindow& window = ShownList(kvviewer::ReadPhotoList(list));
        QVERIFY(WaitLoaded(window));
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("kvv_problems"))->isVisible());

        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(kDji + "\r\n" + kTiny + "\r\n" + kDji + "\r\n");
        file.close();
        window.Last();
        Action(window, "kvv_reload")->trigger();
        QVERIFY(WaitLoaded(window));
        QCOMPARE(Label(window, "kvv_index"), QStringLiteral("1 / 3"));
        QVERIFY(!window.findChild<QLabel*>(QStringLiteral("kvv_problems"))->isVisible());
    }
};

QTEST_MAIN(TestViewerWindow)
#include "tst_viewerwindow.moc"
