#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "modalanswer.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace {

enum Mode { OpenFile, SaveFile, Folder };

// Runs ask() and answers the chooser it opens with answer; returns the folder
// the chooser opened in, empty when none opened.
QString Answer(const std::function<void(QFileDialog*)>& answer, const std::function<void()>& ask)
{
    QString startFolder;
    kvtest::ModalAnswer modal;
    modal
        .Do([&](QWidget* dialog) {
            auto* chooser = qobject_cast<QFileDialog*>(dialog);
            if (!chooser)
                return (void)dialog->close();
            startFolder = QDir(chooser->directory()).absolutePath();
            answer(chooser);
        })
        .Arm();
    ask();
    return startFolder;
}

void Cancel(QFileDialog* chooser)
{
    QMetaObject::invokeMethod(chooser, "reject");
}

const QString kOldText = QStringLiteral("D:/原来的/路径");

// A folder is asked for through a browse row, which must fill in the folder
// itself, not the folder above it, and keep its text when cancelled.
QString Ask(Mode mode)
{
    if (mode == Folder) {
        QWidget form;
        QLineEdit edit(kOldText, &form);
        kvui::BrowseInto(&form, &edit, u8"选择文件夹", nullptr, kvui::BrowseMode::Folder);
        return edit.text();
    }
    return mode == SaveFile
        ? kvui::ChooseFile(nullptr, u8"保存", "Text (*.txt)", kvui::FileAction::Save)
        : kvui::ChooseFile(nullptr, QStringLiteral("Open"), QStringLiteral("Text (*.txt)"));
}

QString Absolute(const QString& path)
{
    return QDir(path).absolutePath();
}

} // namespace
class TestFormKit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QVERIFY(m_root.isValid());
    }

    void init() { SetDefaultPath(m_root.path(), false); }

    // The answer's folder is remembered and the next chooser, of another
    // kind, opens there; cancelled, it changes nothing.
    void chooserRemembersTheFolder_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("folder");
        QTest::newRow("open") << int(OpenFile) << "测区 影像";
        QTest::newRow("save") << int(SaveFile) << "输出 结果";
        QTest::newRow("folder") << int(Folder) << "基站 数据";
    }

    void chooserRemembersTheFolder()
    {
        QFETCH(int, mode);
        QFETCH(QString, folder);
        const QString dir = m_root.filePath(folder);
        QVERIFY(QDir().mkpath(dir));
        const QString file = dir + QStringLiteral("/航线 1.txt");
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        // A file to save is new: replacing one would ask first.
        const QString target = mode == Folder ? dir
            : mode == SaveFile                ? dir + QStringLiteral("/新 结果.txt")
                                              : file;
        QString chosen;
        QCOMPARE(Answer([&](QFileDialog* d) { kvtest::ChooseFile(d, target); },
                        [&] { chosen = Ask(Mode(mode)); }),
                 Absolute(m_root.path()));
        QCOMPARE(Absolute(chosen), Absolute(target));
        QCOMPARE(Absolute(GetDefaultPath()), Absolute(dir));

        chosen = QStringLiteral("unset");
        QCOMPARE(Answer(Cancel, [&] { chosen = Ask(Mode((mode + 1) % 3)); }), Absolute(dir));
        QCOMPARE(chosen, (mode + 1) % 3 == Folder ? kOldText : QString());
        QCOMPARE(Absolute(GetDefaultPath()), Absolute(dir));
    }

    void numericFieldsTakeOnlyNumbers_data()
    {
        QTest::addColumn<bool>("real");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("acceptable");
        const auto row = [](const char* name, bool real, const char* typed, const char* kept,
                            bool acceptable) {
            QTest::newRow(name) << real << QString(typed) << QString(kept) << acceptable;
        };
        row("letters dropped", true, "abc-0", "-0", true);
        row("out of range", true, "20000", "20000", false);
        row("integer", false, "4x00y0", "4000", true);
    }

    void numericFieldsTakeOnlyNumbers()
    {
        QFETCH(bool, real);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, acceptable);
        QLineEdit edit;
        real ? kvui::AcceptReal(&edit, -200, 10000) : kvui::AcceptInteger(&edit, 0, 100000);
        QSignalSpy finished(&edit, &QLineEdit::editingFinished);
        QTest::keyClicks(&edit, typed);
        QCOMPARE(edit.text(), kept);
        QCOMPARE(edit.hasAcceptableInput(), acceptable);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(finished.count(), acceptable ? 1 : 0);
    }

private:
    QTemporaryDir m_root;
};

QTEST_MAIN(TestFormKit)
#include "tst_formkit.moc"
