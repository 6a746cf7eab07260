// The rename tool on real folders (Chinese and undecodable names included)
// and the raw-to-TIFF dialog's paths.

#include "modalanswer.h"
#include "processing/raw2tifdialog.h"
#include "processing/renamedialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

using kvtest::Click;
using kvtest::SetText;

namespace {

void Write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList Files(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Runs the rename with the rule before (or after) the titles of folder's
// files; returns the texts of every message box, joined.
QString Rename(RenameDialog& dialog, const QString& folder, const QString& rule, bool before)
{
    SetText(&dialog, "rnw_path_", folder);
    Click(&dialog, before ? "rnw_before_radio_" : "rnw_after_radio_");
    SetText(&dialog, before ? "rnw_before_" : "rnw_after_", rule);
    QStringList texts;
    for (const QStringList& box : kvtest::AnswerEveryBox([&] { Click(&dialog, "rnw_run_btn_"); }))
        texts << box.join(QLatin1Char('|'));
    return texts.join(QLatin1Char('#'));
}

} // namespace

class TestRenameDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void rulesGoBeforeOrAfterTheTitle_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<bool>("before");
        QTest::addColumn<QStringList>("renamed");
        QTest::newRow("before, extension keeps its case")
            << QStringList({"x.jpg", "y.JPG"}) << "A_" << true
            << QStringList({"A_x.jpg", "A_y.JPG"});
        QTest::newRow("after, no trailing dot without extension")
            << QStringList({"README", "a.b.tif"}) << "_v2" << false
            << QStringList({"README_v2", "a.b_v2.tif"});
        QTest::newRow("chinese names, rule trimmed")
            << QStringList({"影像 1.jpg", "航带.pos"}) << " 测区_ " << true
            << QStringList({"测区_影像 1.jpg", "测区_航带.pos"});
    }

    void rulesGoBeforeOrAfterTheTitle()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, rule);
        QFETCH(bool, before);
        QFETCH(QStringList, renamed);
        for (const QString& name : files)
            Write(m_dir->filePath(name), name.toUtf8());
        const QString folder = m_dir->path() + QStringLiteral("/"); // a slash at the end is fine
        RenameDialog dialog;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        const QString message = Rename(dialog, folder, rule, before);
        QVERIFY2(message.contains(QStringLiteral("处理结束!")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("已重命名 2 个文件。")), qPrintable(message));
        QVERIFY2(!message.contains(QStringLiteral("未重命名")), qPrintable(message));
        QCOMPARE(accepted.count(), 1);
        QStringList expected = renamed;
        expected.sort();
        QCOMPARE(Files(m_dir->path()), expected);
        for (int i = 0; i < files.size(); ++i)
            QCOMPARE(Read(m_dir->filePath(renamed[i])), files[i].toUtf8());
        if (!before)
            return;
        RenameDialog again; // run again, the rule is added again
        Rename(again, folder, rule, true);
        QCOMPARE(Read(m_dir->filePath(rule.trimmed() + renamed[0])), files[0].toUtf8());
    }

    void aTakenNameIsNeverReplaced()
    {
        Write(m_dir->filePath("x.jpg"), "first");
        Write(m_dir->filePath("x_b.jpg"), "second");
        QVERIFY(QDir(m_dir->path()).mkdir("y_b.jpg"));
        Write(m_dir->filePath("y.jpg"), "third");
        RenameDialog dialog;
        const QString message = Rename(dialog, m_dir->path(), "_b", false);
        // x.jpg and y.jpg would take names in use; x_b.jpg moves on.
        QCOMPARE(Read(m_dir->filePath("x.jpg")), QByteArray("first"));
        QCOMPARE(Read(m_dir->filePath("x_b.jpg")), QByteArray("<missing>"));
        QCOMPARE(Read(m_dir->filePath("x_b_b.jpg")), QByteArray("second"));
        QCOMPARE(Read(m_dir->filePath("y.jpg")), QByteArray("third"));
        QVERIFY2(message.contains(QStringLiteral("已重命名 1 个文件。")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("以下 2 个文件未重命名：\nx.jpg\ny.jpg")),
                 qPrintable(message));
    }

    void undecodableNamesAreRenamedByTheirBytes()
    {
        const QByteArray folder = QFile::encodeName(m_dir->path());
        const QByteArray raw = folder + "/\xff\xfe.jpg";
        const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        RenameDialog dialog;
        const QString message = Rename(dialog, m_dir->path(), "A_", true);
        QVERIFY2(message.contains(QStringLiteral("已重命名 1 个文件。")), qPrintable(message));
        QCOMPARE(::access((folder + "/A_\xff\xfe.jpg").constData(), F_OK), 0);
    }

    void refusedRunsKeepTheDialogOpen_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("message");
        const auto row
            = [](const char* name, const char* folder, const char* rule, const char* message) {
                  QTest::newRow(name) << QString(folder) << QString(rule) << QString(message);
              };
        row("missing folder", "不存在", "A_", "文件夹不存在！");
        row("empty folder text", "", "A_", "文件夹不存在！");
        row("a file, not a folder", "x.jpg", "A_", "文件夹不存在！");
        row("separator in the rule", ".", "../A_", "名称中不能含有“/”！");
        row("empty rule", ".", "  ", "");
    }

    void refusedRunsKeepTheDialogOpen()
    {
        QFETCH(QString, folder);
        QFETCH(QString, rule);
        QFETCH(QString, message);
        Write(m_dir->filePath("x.jpg"), "x");
        const QString path = folder.isEmpty() ? folder : m_dir->filePath(folder);
        RenameDialog dialog;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        const QString shown = Rename(dialog, path, rule, true);
        if (message.isEmpty())
            QCOMPARE(shown, QString());
        else
            QVERIFY2(shown.split(QLatin1Char('|')).contains(message), qPrintable(shown));
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(Files(m_dir->path()), QStringList({"x.jpg"}));
    }

    void rawToTifReturnsThePaths_data()
    {
        QTest::addColumn<bool>("usePos");
        QTest::addColumn<QString>("pos");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("with POS") << true << " /数据/pos.txt " << true;
        QTest::newRow("POS needed while checked") << true << "" << false;
        QTest::newRow("unchecked POS still returned") << false << "/p.txt" << true;
        QTest::newRow("unchecked, empty") << false << "" << true;
    }

    void rawToTifReturnsThePaths()
    {
        QFETCH(bool, usePos);
        QFETCH(QString, pos);
        QFETCH(bool, accepted);
        std::string paths[3] = {"keep", "keep", "keep"};
        bool okAccepted = false;
        kvtest::ModalAnswer answer;
        answer
            .Do([&](QWidget* dialog) {
                SetText(dialog, "r2tw_raw_", QStringLiteral(" /原始 "));
                SetText(dialog, "r2tw_pos_", pos);
                Click(dialog, "r2tw_ok_");
                okAccepted = !dialog->isVisible();
                SetText(dialog, "r2tw_tif_", QStringLiteral("/tif"));
                if (!usePos)
                    Click(dialog, "r2tw_use_pos_");
                QCOMPARE(kvtest::FindNamed(dialog, "r2tw_pos_")->isEnabled(), usePos);
                Click(dialog, "r2tw_ok_");
                if (dialog->isVisible())
                    Click(dialog, "r2tw_cancel_");
            })
            .Arm();
        const bool result = ShowRaw2TifDialog(paths);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(!okAccepted); // no TIF folder yet
        QCOMPARE(result, accepted);
        if (!accepted) {
            QCOMPARE(paths[0], std::string("keep"));
            return;
        }
        QCOMPARE(paths[0], std::string("/原始"));
        QCOMPARE(paths[1], pos.trimmed().toStdString());
        QCOMPARE(paths[2], std::string("/tif"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestRenameDialog)
#include "tst_renamedialog.moc"
