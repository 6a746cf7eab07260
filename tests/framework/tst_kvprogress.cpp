#include "framework/kvprogressimpl.h"
#include "framework/qkvprogressdialog.h"
#include "framework/titlewidget.h"
#include "modalanswer.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
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

    // Reports are cut to one per whole percent, plus the last step.
    void reportsAreThrottled()
    {
        KvProgressImpl progress;
        QSignalSpy spy(&progress, &KvProgressImpl::OnSetInformation);
        progress.Start("title", 1000);
        for (int step = 1; step <= 4; ++step)
            QVERIFY(progress.SetInformation("item", step));
        QCOMPARE(spy.count(), 0);
        progress.SetInformation("item", 5); // 0.5 % rounds to 1
        QCOMPARE(spy.count(), 1);
        for (int step = 6; step <= 999; ++step)
            progress.SetInformation("item", step);
        QCOMPARE(spy.count(), 100);            // 1 % to 100 %, the last at step 995
        progress.SetInformation("last", 1000); // the last step always reports
        QCOMPARE(spy.count(), 101);
    }

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
        QTest::newRow("close, confirmed") << "dialog_close_btn"
                                          << "kvbw2_ok_";
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

    void neverEndKeepsTheDialogOpen()
    {
        KvProgressImpl progress;
        progress.NeverEnd(true);
        std::atomic<bool> ended {false};
        Worker worker([&] {
            progress.Start("work", 10);
            progress.End(true);
            ended = true;
        });
        bool openAfterEnd = false;
        RunWith(
            progress,
            [&] {
                QTRY_VERIFY_WITH_TIMEOUT(ended.load(), kPatienceMs);
                // Whatever the worker sent was posted before it ended.
                QCoreApplication::processEvents();
                openAfterEnd = progress.Dialog().isVisible();
            },
            [&] { progress.Dialog().End(true); }); // the host closes it itself
        QVERIFY(openAfterEnd);
        QVERIFY(progress.Success());
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

    void popupNoCancels()
    {
        KvProgressImpl progress;
        std::atomic<bool> result {true};
        Worker worker([&] {
            progress.Start("work", 10);
            progress.Popup(u8"可用空间较小，是否继续？");
            // The question reaches the screen through the GUI thread's queue;
            // from then on SetInformation waits for the answer.
            const auto giveUp
                = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPatienceMs);
            while (!progress.Dialog().IsWaiting() && !progress.IsCanceled()
                   && std::chrono::steady_clock::now() < giveUp)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            result = progress.SetInformation("next", 1);
            progress.End(true);
        });
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("可用空间较小，是否继续？"))
            .Click(QStringLiteral("kvbw2_cancel_"))
            .Arm(kPatienceMs);
        progress.Run();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(!result);
        QVERIFY(!progress.Success());
    }
};

QTEST_MAIN(TestKvProgress)
#include "tst_kvprogress.moc"
