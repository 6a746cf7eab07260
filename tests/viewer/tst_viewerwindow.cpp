#include "modalanswer.h"
#include "viewertest.h"
#include "widgethelpers.h"

#include <QAction>
#include <QLabel>
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
            = {{Qt::Key_Right, 2}, {Qt::Key_Right, 3}, {Qt::Key_Right, 3}, {Qt::Key_Left, 2},
               {Qt::Key_Home, 1},  {Qt::Key_Left, 1},  {Qt::Key_End, 3}};
        for (const auto& [key, place] : steps) {
            QTest::keyClick(window.View(), key);
            QVERIFY(WaitLoaded(window));
            QCOMPARE(Label(window, "kvv_index"), QStringLiteral("%1 / 3").arg(place));
            QCOMPARE(Label(window, "kvv_file"), names[place - 1]);
            QCOMPARE(Action(window, "kvv_previous")->isEnabled(), place > 1);
            QCOMPARE(Action(window, "kvv_next")->isEnabled(), place < 3);
        }
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
