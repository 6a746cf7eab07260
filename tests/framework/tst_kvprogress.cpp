#include "framework/kvprogressimpl.h"
#include "framework/qkvprogressdialog.h"
#include "framework/titlewidget.h"
#include "modalanswer.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <thread>

namespace {

QProgressBar* Bar(KvProgressImpl& progress)
{
    return progress.Dialog().findChild<QProgressBar*>(QStringLiteral("progress_bar_"));
}

QPushButton* Button(KvProgressImpl& progress, const char* name)
{
    return kvtest::Find<QPushButton>(&progress.Dialog(), QLatin1String(name));
}

using kvtest::kPatienceMs;

// Runs script on the GUI thread once Run() has entered the dialog's event
// loop, and runs the dialog until the worker ends it. release runs when script
// returns, a failed check included, so that a worker waiting for the script is
// let go and Run() returns instead of hanging the test.
template <class Script, class Release>
void RunWith(KvProgressImpl& progress, Script script, Release release)
{
    QTimer::singleShot(0, &progress, [&] {
        struct Guard
        {
            Release& release;
            ~Guard() { release(); }
        } guard {release};
        script();
    });
    progress.Run();
}

// Runs body on a worker thread while the GUI thread sits in Run().
class Worker
{
public:
    template <class F>
    explicit Worker(F body)
        : m_thread(body)
    { }
    ~Worker() { m_thread.join(); }

private:
    std::thread m_thread;
};

} // namespace

class TestKvProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // Cancel and the frame's close button ask first, the worker held while
    // asked; confirmed, the worker is told to stop and the dialog waits for
    // its End; declined, the run goes on.
    void cancelAsksFirst_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::newRow("cancel, confirmed") << "cancel_btn_"
                                           << "kvbw2_ok_";
        QTest::newRow("cancel, declined") << "cancel_btn_"
                                          << "kvbw2_cancel_";
    }

    void cancelAsksFirst()
    {
        QFETCH(QString, button);
        QFETCH(QString, answer);
        const bool confirmed = answer == QLatin1String("kvbw2_ok_");
        KvProgressImpl progress;
        std::atomic<bool> sawStop {false};
        std::atomic<bool> mayEnd {false};
        std::atomic<int> steps {0};
        Worker worker([&] {
            progress.Start("work", 1000000);
            for (int i = 1; i <= 1000000 && !mayEnd; ++i, ++steps) {
                if (!progress.SetInformation("item", i)) {
                    sawStop = true;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            while (!mayEnd)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            progress.End(true);
        });
        kvtest::ModalAnswer question;
        bool waitingWhileAsked = false;
        question.ExpectText(QStringLiteral("是否确定取消?"))
            .Do([&](QWidget*) { waitingWhileAsked = progress.Dialog().IsWaiting(); })
            .Click(answer);
        bool visibleBeforeEnd = false;
        RunWith(
            progress,
            [&] {
                // A start arriving after the cancel would set the range again.
                QTRY_COMPARE_WITH_TIMEOUT(Bar(progress)->maximum(), 1000000, kPatienceMs);
                question.Arm(kPatienceMs);
                kvtest::Click(&progress.Dialog(), button); // returns once answered
                if (!confirmed) {
                    const int declinedAt = steps;
                    QTRY_VERIFY_WITH_TIMEOUT(steps > declinedAt + 2, kPatienceMs);
                    return;
                }
                QTRY_VERIFY_WITH_TIMEOUT(sawStop.load(), kPatienceMs);
                visibleBeforeEnd = progress.Dialog().isVisible();
            },
            [&] { mayEnd = true; });
        QVERIFY2(question.Done(), qPrintable(question.Error()));
        QVERIFY(waitingWhileAsked);
        QCOMPARE(sawStop.load(), confirmed);
        QCOMPARE(progress.IsCanceled(), confirmed);
        QCOMPARE(progress.Success(), !confirmed); // End(true) does not undo a cancel
        if (button == QLatin1String("cancel_btn_"))
            QCOMPARE(visibleBeforeEnd, confirmed);
    }

    // Pause holds the worker in its next report until Continue.
    void pauseBlocksTheWorker()
    {
        KvProgressImpl progress;
        std::atomic<int> calls {0}; // of SetInformation, returned
        std::atomic<bool> finish {false};
        Worker worker([&] {
            progress.Start("work", 1000);
            while (!finish) {
                progress.SetInformation("item", 1);
                ++calls;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            progress.End(true);
        });
        QPushButton* pause = Button(progress, "pause_btn_");
        int atPause = -1;
        int afterWait = -1;
        RunWith(
            progress,
            [&] {
                QTRY_VERIFY_WITH_TIMEOUT(calls > 0, kPatienceMs);
                pause->click();
                QTest::qWait(100); // a call begun before the pause may still return
                atPause = calls;
                QTest::qWait(400);
                afterWait = calls;
                pause->click();
                QTRY_VERIFY_WITH_TIMEOUT(calls > afterWait, kPatienceMs);
            },
            [&] {
                finish = true;
                if (pause->text() != QStringLiteral("Pause"))
                    pause->click();
            });
        QCOMPARE(afterWait, atPause);
    }
};

QTEST_MAIN(TestKvProgress)
#include "tst_kvprogress.moc"
