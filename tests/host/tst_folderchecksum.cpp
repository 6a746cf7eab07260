#include "framework/kvprogressimpl.h"
#include "host/folderchecksum.h"
#include "hosttest.h"
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

using hosttest::StubProgress;

// Holds the worker at its first report until the gate opens, so that a click
// on the dialog is known to land while the walk is still running.
class GatedProgress : public KvProgressImpl
{
public:
    bool SetInformation(std::string msg, int current_step) override
    {
        reached = true;
        while (!gate)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ++reports;
        return KvProgressImpl::SetInformation(std::move(msg), current_step);
    }

    std::atomic<bool> gate {false};
    std::atomic<bool> reached {false};
    std::atomic<int> reports {0};
};

QByteArray Sha256(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

// relative path -> contents. In path order the large file comes fifth; it
// spans more chunks than one progress check covers.
std::map<QString, QByteArray> SampleFiles()
{
    QByteArray big(int(FolderChecksum::kChunkSize) * FolderChecksum::kChunksPerCheck + 7, 'b');
    big[12345] = 'x';
    return {
        {QStringLiteral(".hidden"), "hidden but still checked"},
        {QStringLiteral("DJI_0001.JPG"), "first image"},
        {QStringLiteral("DJI_0002.JPG"), QByteArray(5000, 'x')},
        {QStringLiteral("back\\slash.jpg"), "backslash"},
        {QStringLiteral("big.tif"), big},
        {QStringLiteral("empty.txt"), QByteArray()},
        {QStringLiteral("new\nline.jpg"), "newline"},
        {QStringLiteral("pos/flight 2/POS.txt"), "1 2 3\n4 5 6\n"},
        {QStringLiteral("子目录/航片_一.jpg"), "中文内容\n"},
    };
}

} // namespace

class TestFolderChecksum : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_dir.isValid());
        for (const auto& [name, data] : m_files) {
            QDir().mkpath(QFileInfo(m_dir.filePath(name)).absolutePath());
            QFile file(m_dir.filePath(name));
            QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(data) == data.size(),
                     qPrintable(name));
        }
        // A link back up the tree must neither loop nor count twice.
        QVERIFY(QFile::link(m_dir.path(), m_dir.filePath(QStringLiteral("pos/loop"))));
    }

    void hashesEveryFileInPathOrder()
    {
        StubProgress progress;
        const FolderChecksum::Result result = FolderChecksum::Run(m_dir.path(), &progress);

        QVERIFY(result.unreadable.isEmpty());
        QCOMPARE(result.entries.size(), m_files.size());
        auto expected = m_files.begin();
        for (const FolderChecksum::Entry& entry : result.entries) {
            QCOMPARE(entry.relativePath, expected->first);
            QCOMPARE(entry.sha256, Sha256(expected->second));
            ++expected;
        }
        // One report before each file and one inside the large file.
        QCOMPARE(progress.steps, (std::vector<int> {0, 1, 2, 3, 4, 4, 5, 6, 7, 8}));
        QVERIFY(progress.ended);
    }

    // The whole way: worker thread, the modal progress dialog's Cancel and its
    // question answered Yes.
    void cancelInTheDialogStopsTheWorker()
    {
        GatedProgress progress;
        FolderChecksum::Result result;
        std::thread worker([&] { result = FolderChecksum::Run(m_dir.path(), &progress); });

        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("是否确定取消?")).Click(QStringLiteral("kvbw2_ok_"));
        bool dialogWasUp = false;
        QString caption;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(progress.reached.load());
            dialogWasUp = progress.Dialog().isVisible();
            // The caption comes from the worker through the event loop.
            QTRY_VERIFY(!progress.Dialog().Frame()->Title().isEmpty());
            caption = progress.Dialog().Frame()->Title();
            answer.Arm();
            kvtest::Find<QPushButton>(&progress.Dialog(), QStringLiteral("cancel_btn_"))->click();
            progress.gate = true;
        });
        progress.Run();
        progress.gate = true; // never leave the worker waiting after a failed check
        worker.join();

        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(dialogWasUp);
        QCOMPARE(caption, QStringLiteral("文件校验中……"));
        QVERIFY(result.cancelled);
        QCOMPARE(progress.reports.load(), 1);
        QVERIFY(!progress.Dialog().isVisible());
    }

    // The written list checks out with the system's own tool, odd names included.
    void listVerifiesWithSha256sum()
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("sha256sum"));
        if (tool.isEmpty())
            QSKIP("sha256sum is not installed");
        const FolderChecksum::Result result = FolderChecksum::Run(m_dir.path(), nullptr);
        QTemporaryDir listDir;
        const QString list = listDir.filePath(QStringLiteral("list.sha256"));
        QVERIFY(FolderChecksum::WriteList(result, list));
        QVERIFY(!FolderChecksum::WriteList(result, listDir.filePath(QStringLiteral("no/list"))));

        QProcess check;
        check.setWorkingDirectory(m_dir.path());
        check.start(tool, {QStringLiteral("-c"), QStringLiteral("--strict"), list});
        QVERIFY(check.waitForFinished(30000));
        QCOMPARE(check.exitCode(), 0);
        QCOMPARE(check.readAllStandardOutput().count(": OK\n"), int(m_files.size()));
    }

private:
    QTemporaryDir m_dir;
    const std::map<QString, QByteArray> m_files = SampleFiles();
};

QTEST_MAIN(TestFolderChecksum)
#include "tst_folderchecksum.moc"
