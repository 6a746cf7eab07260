#include "framework/kvprogressimpl.h"
#include "framework/qkvprogressdialog.h"
#include "framework/titlewidget.h"
#include "modalanswer.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <thread>

namespace {

QLabel* Message(KvProgressImpl& progress)
{
    return progress.Dialog().findChild<QLabel*>(QStringLiteral("progress_info_"));
}

QProgressBar* Bar(KvProgressImpl& progress)
{
    return progress.Dialog().findChild<QProgressBar*>(QStringLiteral("progress_bar_"));
}

QPushButton* Button(KvProgressImpl& progress, const char* name)
{
    return kvtest::Find<QPushButton>(&progress.Dialog(), QLatin1String(name));
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
        QCOMPARE(spy.last().at(1).toInt(), 5);
        for (int step = 6; step <= 14; ++step)
            progress.SetInformation("item", step);
        QCOMPARE(spy.count(), 1);
        for (int step = 15; step <= 999; ++step)
            progress.SetInformation("item", step);
        QCOMPARE(spy.count(), 100);            // 1 % to 100 %, the last at step 995
        progress.SetInformation("last", 1000); // the last step always reports
        QCOMPARE(spy.count(), 101);
        progress.SetInformation("again", 1000);
        QCOMPARE(spy.count(), 102);
    }

    void startSetsTitleAndRange()
    {
        KvProgressImpl progress;
        Worker worker([&] {
            progress.Start(u8"文件校验中……", 40);
            progress.SetInformation(u8"第一", 20);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            progress.End(true);
        });
        progress.Run();
        QCOMPARE(Bar(progress)->maximum(), 40);
        QCOMPARE(Bar(progress)->value(), 20);
        QCOMPARE(progress.Dialog().Frame()->Title(), QStringLiteral("文件校验中……"));
        QCOMPARE(Message(progress)->text(), QStringLiteral("第一"));
        QVERIFY(progress.Success());
    }

    void confirmedCancelStopsTheWorker()
    {
        KvProgressImpl progress;
        std::atomic<bool> sawStop {false};
        std::atomic<bool> mayEnd {false};
        std::atomic<int> steps {0};
        Worker worker([&] {
            progress.Start("work", 1000000);
            for (int i = 1; i <= 1000000; ++i) {
                steps = i;
                if (!progress.SetInformation("item", i)) {
                    sawStop = true;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
            while (!mayEnd)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            progress.End(true);
        });

        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("是否确定取消?")).Click(QStringLiteral("kvbw2_ok_"));
        QString messageAfterCancel;
        int maximumAfterCancel = -1;
        bool visibleBeforeEnd = false;
        QTimer::singleShot(100, [&] {
            answer.Arm();
            Button(progress, "cancel_btn_")->click();
            QTimer::singleShot(0, [&] {
                // Cancelled, but the dialog waits for the worker's End.
                QTRY_VERIFY(sawStop.load());
                messageAfterCancel = Message(progress)->text();
                maximumAfterCancel = Bar(progress)->maximum();
                visibleBeforeEnd = progress.Dialog().isVisible();
                mayEnd = true;
            });
        });
        progress.Run();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(sawStop);
        QCOMPARE(messageAfterCancel, QStringLiteral("Please wait!"));
        QCOMPARE(maximumAfterCancel, 0);
        QVERIFY(visibleBeforeEnd);
        QVERIFY(progress.IsCanceled());
        QVERIFY(!progress.Success()); // even though the worker said End(true)
    }

    void declinedCancelGoesOn()
    {
        KvProgressImpl progress;
        std::atomic<bool> stopped {false};
        std::atomic<bool> finish {false};
        Worker worker([&] {
            progress.Start("work", 100);
            while (!finish) {
                if (!progress.SetInformation("item", 1))
                    stopped = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            progress.End(true);
        });
        kvtest::ModalAnswer answer;
        answer.Click(QStringLiteral("kvbw2_cancel_"));
        QTimer::singleShot(50, [&] {
            answer.Arm();
            Button(progress, "cancel_btn_")->click();
            QTimer::singleShot(100, [&] { finish = true; });
        });
        progress.Run();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(!stopped);
        QVERIFY(progress.Success());
    }

    void neverEndKeepsTheDialogOpen()
    {
        KvProgressImpl progress;
        progress.NeverEnd(true);
        Worker worker([&] {
            progress.Start("work", 10);
            progress.End(true);
        });
        bool openAfterEnd = false;
        QTimer::singleShot(300, [&] {
            openAfterEnd = progress.Dialog().isVisible();
            progress.Dialog().End(true); // the host closes it itself
        });
        progress.Run();
        QVERIFY(openAfterEnd);
        QVERIFY(progress.Success());
    }

    void pauseBlocksTheWorker()
    {
        KvProgressImpl progress;
        std::atomic<int> calls {0};
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
        int duringPause = -1;
        int afterPause = -1;
        QString pausedText;
        QTimer::singleShot(50, [&] {
            Button(progress, "pause_btn_")->click();
            pausedText = Button(progress, "pause_btn_")->text();
            QTimer::singleShot(300, [&] {
                const int before = calls;
                QTimer::singleShot(600, [&, before] {
                    duringPause = calls - before;
                    Button(progress, "pause_btn_")->click();
                    const int resumed = calls;
                    QTimer::singleShot(300, [&, resumed] {
                        afterPause = calls - resumed;
                        finish = true;
                    });
                });
            });
        });
        progress.Run();
        QCOMPARE(pausedText, QStringLiteral("Continue"));
        QCOMPARE(Button(progress, "pause_btn_")->text(), QStringLiteral("Pause"));
        QCOMPARE(duringPause, 0);
        QVERIFY(afterPause > 0);
    }

    void popupNoCancels()
    {
        KvProgressImpl progress;
        std::atomic<bool> result {true};
        Worker worker([&] {
            progress.Start("work", 10);
            progress.Popup(u8"可用空间较小，是否继续？");
            // The answer arrives on the GUI thread; SetInformation waits for it.
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            result = progress.SetInformation("next", 1);
            progress.End(true);
        });
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("可用空间较小，是否继续？"))
            .Click(QStringLiteral("kvbw2_cancel_"))
            .Arm();
        progress.Run();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(!result);
        QVERIFY(!progress.Success());
    }

    void closingAsksAndHoldsTheWorker()
    {
        KvProgressImpl progress;
        std::atomic<bool> stopped {false};
        bool waitingWhileAsked = false;
        Worker worker([&] {
            progress.Start("work", 100);
            while (progress.SetInformation("item", 1))
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            stopped = true;
            progress.End(false);
        });
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("是否确定取消?"))
            .Do([&](QWidget*) { waitingWhileAsked = progress.Dialog().IsWaiting(); })
            .Click(QStringLiteral("kvbw2_ok_"));
        QTimer::singleShot(50, [&] {
            answer.Arm();
            kvtest::Find<QPushButton>(&progress.Dialog(), QStringLiteral("dialog_close_btn"))
                ->click();
        });
        progress.Run();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(waitingWhileAsked);
        QVERIFY(stopped);
        QVERIFY(!progress.Success());
    }

    void errorCodeIsKept()
    {
        KvProgressImpl progress;
        QCOMPARE(progress.GetError(), 0);
        progress.SetError(42);
        QCOMPARE(progress.GetError(), 42);
    }
};

QTEST_MAIN(TestKvProgress)
#include "tst_kvprogress.moc"
