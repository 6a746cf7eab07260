#include "framework/kvprogressimpl.h"
#include "framework/qkvprogressdialog.h"
#include "host/folderchecksum.h"
#include "kvkernel/kvprogress.h"
#include "modalanswer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <map>
#include <thread>

namespace {

// Records what the walk reports; SetInformation answers false once it has
// answered true `allowed` times (never, with -1).
class StubProgress : public kvkernel::KvProgress
{
public:
    explicit StubProgress(int allowed = -1)
        : m_allowed(allowed)
    { }

    void Start(std::string title, int total_step) override
    {
        this->title = std::move(title);
        total = total_step;
        ++starts;
    }
    bool SetInformation(std::string msg, int current_step) override
    {
        messages.push_back(std::move(msg));
        steps.push_back(current_step);
        if (m_allowed >= 0 && m_answeredTrue >= m_allowed)
            return false;
        ++m_answeredTrue;
        return true;
    }
    void End(bool success) override
    {
        ended = success;
        ++ends;
    }
    bool Success() override { return ended; }
    void NeverEnd(bool) override { }
    kvfd::KvError GetError() override { return 0; }
    void SetError(kvfd::KvError) override { }
    void Popup(std::string) override { }

    std::string title;
    int total = -1;
    int starts = 0;
    int ends = 0;
    bool ended = false;
    std::vector<std::string> messages;
    std::vector<int> steps;

private:
    int m_allowed;
    int m_answeredTrue = 0;
};

// Passes everything on to the real progress, but holds the worker at its
// first report until the test opens the gate, so that a click on the dialog
// is known to land while the walk is still running.
class GatedProgress : public kvkernel::KvProgress
{
public:
    explicit GatedProgress(KvProgressImpl& inner)
        : m_inner(inner)
    { }

    void Start(std::string title, int total_step) override { m_inner.Start(title, total_step); }
    bool SetInformation(std::string msg, int current_step) override
    {
        reached = true;
        while (!gate)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const bool goOn = m_inner.SetInformation(msg, current_step);
        ++reports;
        return goOn;
    }
    void End(bool success) override
    {
        ended = true;
        m_inner.End(success);
    }
    bool Success() override { return m_inner.Success(); }
    void NeverEnd(bool on) override { m_inner.NeverEnd(on); }
    kvfd::KvError GetError() override { return m_inner.GetError(); }
    void SetError(kvfd::KvError error) override { m_inner.SetError(error); }
    void Popup(std::string msg) override { m_inner.Popup(msg); }

    std::atomic<bool> gate {false};
    std::atomic<bool> reached {false};
    std::atomic<bool> ended {false};
    std::atomic<int> reports {0};

private:
    KvProgressImpl& m_inner;
};

QByteArray Sha256(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

bool WriteFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// relative path -> contents of the files every test folder holds.
std::map<QString, QByteArray> SampleFiles()
{
    return {
        {QStringLiteral("DJI_0001.JPG"), QByteArray("first image")},
        {QStringLiteral("DJI_0002.JPG"), QByteArray(5000, 'x')},
        {QStringLiteral("empty.txt"), QByteArray()},
        {QStringLiteral(".hidden"), QByteArray("hidden but still checked")},
        {QStringLiteral("子目录/航片_一.jpg"), QByteArray("中文内容\n")},
        {QStringLiteral("pos/flight 2/POS.txt"), QByteArray("1 2 3\n4 5 6\n")},
    };
}

void Populate(const QString& root, const std::map<QString, QByteArray>& files)
{
    for (const auto& [name, data] : files)
        QVERIFY2(WriteFile(root + QLatin1Char('/') + name, data), qPrintable(name));
}

QPushButton* DialogButton(KvProgressImpl& progress, const char* name)
{
    return kvtest::Find<QPushButton>(&progress.Dialog(), QLatin1String(name));
}

} // namespace

class TestFolderChecksum : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void hashesEveryFileInPathOrder()
    {
        QTemporaryDir dir;
        const auto files = SampleFiles();
        Populate(dir.path(), files);
        StubProgress progress;
        const FolderChecksum::Result result = FolderChecksum::Run(dir.path(), &progress);

        QVERIFY(!result.cancelled);
        QCOMPARE(result.folder, QDir(dir.path()).absolutePath());
        QCOMPARE(result.total, int(files.size()));
        QCOMPARE(result.entries.size(), files.size());
        QVERIFY(result.unreadable.isEmpty());
        QStringList order;
        for (const FolderChecksum::Entry& entry : result.entries) {
            order << entry.relativePath;
            const auto expected = files.find(entry.relativePath);
            QVERIFY2(expected != files.end(), qPrintable(entry.relativePath));
            QCOMPARE(entry.sha256, Sha256(expected->second));
            QCOMPARE(entry.size, qint64(expected->second.size()));
        }
        QStringList sorted = order;
        sorted.sort();
        QCOMPARE(order, sorted);
        QVERIFY(order.contains(QStringLiteral("子目录/航片_一.jpg")));
    }

    void reportsThroughTheProgress()
    {
        QTemporaryDir dir;
        Populate(dir.path(), SampleFiles());
        StubProgress progress;
        const FolderChecksum::Result result = FolderChecksum::Run(dir.path(), &progress);

        QCOMPARE(progress.starts, 1);
        QCOMPARE(progress.title, std::string(u8"文件校验中……"));
        QCOMPARE(progress.total, 6);
        // One report before each file, counting the files already done.
        QCOMPARE(progress.steps, (std::vector<int> {0, 1, 2, 3, 4, 5}));
        std::vector<std::string> names;
        for (const auto& entry : result.entries)
            names.push_back(entry.relativePath.toStdString());
        QCOMPARE(progress.messages, names);
        QCOMPARE(progress.ends, 1);
        QVERIFY(progress.ended);
    }

    void stopsWhenTheProgressSaysSo_data()
    {
        QTest::addColumn<int>("allowed");
        QTest::newRow("before the first file") << 0;
        QTest::newRow("after two files") << 2;
        QTest::newRow("before the last file") << 5;
    }

    void stopsWhenTheProgressSaysSo()
    {
        QFETCH(int, allowed);
        QTemporaryDir dir;
        Populate(dir.path(), SampleFiles());
        StubProgress progress(allowed);
        const FolderChecksum::Result result = FolderChecksum::Run(dir.path(), &progress);

        QVERIFY(result.cancelled);
        QCOMPARE(result.total, 6);
        QCOMPARE(int(result.entries.size()), allowed);
        // Nothing is asked after the refusal.
        QCOMPARE(int(progress.steps.size()), allowed + 1);
        QCOMPARE(progress.ends, 1);
        QVERIFY(!progress.ended);
        // What was hashed before the stop is still right.
        const auto files = SampleFiles();
        for (const auto& entry : result.entries)
            QCOMPARE(entry.sha256, Sha256(files.at(entry.relativePath)));
    }

    // A large file is read in chunks and asks the progress again on the way,
    // so a cancel does not wait for the whole file.
    void largeFileIsChunkedAndCancellable()
    {
        QTemporaryDir dir;
        const int chunks = FolderChecksum::kChunksPerCheck * 2 + 3;
        QByteArray data(int(FolderChecksum::kChunkSize) * chunks, '\0');
        for (int i = 0; i < data.size(); i += 4096)
            data[i] = char(i / 4096);
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("big.tif")), data));

        StubProgress all;
        const FolderChecksum::Result whole = FolderChecksum::Run(dir.path(), &all);
        QCOMPARE(whole.entries.size(), std::size_t(1));
        QCOMPARE(whole.entries.front().sha256, Sha256(data));
        QCOMPARE(whole.entries.front().size, qint64(data.size()));
        QCOMPARE(int(all.steps.size()), 1 + chunks / FolderChecksum::kChunksPerCheck);

        StubProgress stopMidFile(1);
        const FolderChecksum::Result cut = FolderChecksum::Run(dir.path(), &stopMidFile);
        QVERIFY(cut.cancelled);
        QVERIFY(cut.entries.empty());
        QCOMPARE(stopMidFile.steps.size(), std::size_t(2));
        QVERIFY(!stopMidFile.ended);
    }

    void missingOrEmptyFolder()
    {
        QTemporaryDir dir;
        for (const QString& folder : {dir.path(), dir.filePath(QStringLiteral("missing"))}) {
            StubProgress progress;
            const FolderChecksum::Result result = FolderChecksum::Run(folder, &progress);
            QVERIFY(!result.cancelled);
            QCOMPARE(result.total, 0);
            QVERIFY(result.entries.empty());
            QCOMPARE(progress.total, 0);
            QCOMPARE(progress.ends, 1);
            QVERIFY(progress.ended);
        }
    }

    void worksWithoutProgress()
    {
        QTemporaryDir dir;
        Populate(dir.path(), SampleFiles());
        const FolderChecksum::Result result = FolderChecksum::Run(dir.path(), nullptr);
        QCOMPARE(result.entries.size(), SampleFiles().size());
    }

    // A link back up the tree must not make the walk endless or count twice.
    void linkedFoldersAreNotFollowed()
    {
        QTemporaryDir dir;
        Populate(dir.path(), SampleFiles());
        QVERIFY(QFile::link(dir.path(), dir.filePath(QStringLiteral("pos/loop"))));
        const FolderChecksum::Result result = FolderChecksum::Run(dir.path(), nullptr);
        QCOMPARE(result.entries.size(), SampleFiles().size());
    }

    void listHasTheFormatOfSha256sum()
    {
        QTemporaryDir dir;
        Populate(dir.path(), SampleFiles());
        const FolderChecksum::Result result = FolderChecksum::Run(dir.path(), nullptr);
        QTemporaryDir listDir;
        const QString list = listDir.filePath(QStringLiteral("list.sha256"));
        QVERIFY(FolderChecksum::WriteList(result, list));
        QFile file(list);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), int(result.entries.size()) + 1);
        QVERIFY(lines.last().isEmpty());
        for (std::size_t i = 0; i < result.entries.size(); ++i) {
            const auto& entry = result.entries[i];
            QCOMPARE(lines.at(int(i)), entry.sha256 + "  " + entry.relativePath.toUtf8());
        }
    }

    // The written list checks out with the system's own tool, odd names included.
    void listVerifiesWithSha256sum()
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("sha256sum"));
        if (tool.isEmpty())
            QSKIP("sha256sum is not installed");
        QTemporaryDir dir;
        auto files = SampleFiles();
        files[QStringLiteral("back\\slash.jpg")] = "backslash";
        files[QStringLiteral("new\nline.jpg")] = "newline";
        Populate(dir.path(), files);
        const FolderChecksum::Result result = FolderChecksum::Run(dir.path(), nullptr);
        QCOMPARE(result.entries.size(), files.size());
        QTemporaryDir listDir;
        const QString list = listDir.filePath(QStringLiteral("list.sha256"));
        QVERIFY(FolderChecksum::WriteList(result, list));

        QProcess check;
        check.setWorkingDirectory(dir.path());
        check.start(tool, {QStringLiteral("-c"), QStringLiteral("--strict"), list});
        QVERIFY(check.waitForFinished(30000));
        QCOMPARE(check.exitCode(), 0);
        QCOMPARE(check.readAllStandardOutput().count("OK"), int(files.size()));

        // A changed file fails the check: the list holds real hashes.
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("DJI_0001.JPG")), "changed"));
        check.start(tool, {QStringLiteral("-c"), list});
        QVERIFY(check.waitForFinished(30000));
        QVERIFY(check.exitCode() != 0);
    }

    void listIntoMissingFolderFails()
    {
        QTemporaryDir dir;
        FolderChecksum::Result result;
        result.entries.push_back({QStringLiteral("a"), Sha256("a"), 1});
        QVERIFY(!FolderChecksum::WriteList(result, dir.filePath(QStringLiteral("no/such/list"))));
    }

    void runWithDialogMatchesTheDirectRun()
    {
        QTemporaryDir dir;
        Populate(dir.path(), SampleFiles());
        const FolderChecksum::Result direct = FolderChecksum::Run(dir.path(), nullptr);
        const FolderChecksum::Result shown = FolderChecksum::RunWithDialog(dir.path(), nullptr);
        QVERIFY(!shown.cancelled);
        QCOMPARE(shown.total, direct.total);
        QCOMPARE(shown.entries.size(), direct.entries.size());
        for (std::size_t i = 0; i < direct.entries.size(); ++i) {
            QCOMPARE(shown.entries[i].relativePath, direct.entries[i].relativePath);
            QCOMPARE(shown.entries[i].sha256, direct.entries[i].sha256);
        }
    }

    // The whole way: worker thread, KvProgressImpl, the modal dialog's Cancel
    // and its question answered Yes.
    void cancelInTheDialogStopsTheWorker()
    {
        QTemporaryDir dir;
        Populate(dir.path(), SampleFiles());
        KvProgressImpl progress;
        GatedProgress gated(progress);
        FolderChecksum::Result result;
        std::thread worker([&] { result = FolderChecksum::Run(dir.path(), &gated); });

        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("是否确定取消?")).Click(QStringLiteral("kvbw2_ok_"));
        bool dialogWasUp = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(gated.reached.load());
            dialogWasUp = progress.Dialog().isVisible();
            answer.Arm();
            DialogButton(progress, "cancel_btn_")->click();
            gated.gate = true;
        });
        progress.Run();
        gated.gate = true; // never leave the worker waiting, even after a failed check
        worker.join();

        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(dialogWasUp);
        QVERIFY(result.cancelled);
        QVERIFY(result.entries.empty());
        QVERIFY(gated.ended.load());
        QCOMPARE(gated.reports.load(), 1);
        QVERIFY(!progress.Success());
        QVERIFY(!progress.Dialog().isVisible());
    }

    void answeringNoLetsTheWorkerFinish()
    {
        QTemporaryDir dir;
        Populate(dir.path(), SampleFiles());
        KvProgressImpl progress;
        GatedProgress gated(progress);
        FolderChecksum::Result result;
        std::thread worker([&] { result = FolderChecksum::Run(dir.path(), &gated); });

        kvtest::ModalAnswer answer;
        answer.Click(QStringLiteral("kvbw2_cancel_"));
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(gated.reached.load());
            answer.Arm();
            DialogButton(progress, "cancel_btn_")->click();
            gated.gate = true;
        });
        progress.Run();
        gated.gate = true;
        worker.join();

        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(!result.cancelled);
        QCOMPARE(result.entries.size(), SampleFiles().size());
        QVERIFY(progress.Success());
    }

    // Pause holds the worker inside its report until Continue.
    void pauseHoldsTheWorker()
    {
        QTemporaryDir dir;
        Populate(dir.path(), SampleFiles());
        KvProgressImpl progress;
        GatedProgress gated(progress);
        FolderChecksum::Result result;
        std::thread worker([&] { result = FolderChecksum::Run(dir.path(), &gated); });

        int reportsWhilePaused = -1;
        bool endedWhilePaused = true;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(gated.reached.load());
            QPushButton* pause = DialogButton(progress, "pause_btn_");
            pause->click();
            gated.gate = true;
            QTest::qWait(600);
            reportsWhilePaused = gated.reports.load();
            endedWhilePaused = gated.ended.load();
            pause->click();
        });
        progress.Run();
        gated.gate = true;
        worker.join();

        QCOMPARE(reportsWhilePaused, 0);
        QVERIFY(!endedWhilePaused);
        QVERIFY(!result.cancelled);
        QCOMPARE(result.entries.size(), SampleFiles().size());
        QVERIFY(progress.Success());
    }
};

QTEST_MAIN(TestFolderChecksum)
#include "tst_folderchecksum.moc"
