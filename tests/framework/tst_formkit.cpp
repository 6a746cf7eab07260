#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/framedialog.h"
#include "framework/kvshared.h"
#include "modalanswer.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

// A content widget that takes a further constructor argument.
class Greeting : public BaseWidget
{
public:
    Greeting(QWidget* parent, const QString& text)
        : BaseWidget(parent)
        , text(text)
    { }
    QString text;
};

class GreetingDialog : public kvui::ContentDialog<Greeting>
{
public:
    explicit GreetingDialog(const QString& text)
        : ContentDialog(QStringLiteral("Greeting"), nullptr, text)
    { }
};

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

    void severalFilesRememberTheFirstFolder()
    {
        const QString dir = m_root.filePath(QStringLiteral("多个 文件"));
        QVERIFY(QDir().mkpath(dir));
        for (const char* name : {"a.jpg", "b.jpg"})
            QVERIFY(QFile(dir + QLatin1Char('/') + QLatin1String(name)).open(QIODevice::WriteOnly));
        QStringList chosen;
        Answer(
            [&](QFileDialog* d) {
                d->setDirectory(dir);
                d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(QStringLiteral("\"a.jpg\" \"b.jpg\""));
                QMetaObject::invokeMethod(d, "accept");
            },
            [&] { chosen = kvui::ChooseFiles(nullptr, "Images", "images (*.jpg)"); });
        QCOMPARE(chosen.size(), 2);
        QCOMPARE(Absolute(GetDefaultPath()), Absolute(dir));
    }

    void finishWithoutADialogIsSafe()
    {
        BaseWidget alone;
        alone.AcceptDialog();
        alone.FinishDialog(-1);
        // A dialog that is gone counts as none.
        auto dialog = std::make_unique<QDialog>();
        BaseWidget content;
        content.SetDialog(dialog.get());
        dialog.reset();
        QVERIFY(!content.Dialog());
        content.AcceptDialog();
    }

    // The content, made with the dialog's further argument, ends its dialog.
    void finishEndsTheDialogWithItsCode_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("code");
        QTest::newRow("accept") << 0 << int(QDialog::Accepted);
        QTest::newRow("reject") << 1 << int(QDialog::Rejected);
        QTest::newRow("finish -1") << 2 << -1;
    }

    void finishEndsTheDialogWithItsCode()
    {
        QFETCH(int, how);
        QFETCH(int, code);
        GreetingDialog dialog(QStringLiteral("你好"));
        Greeting* content = dialog.Content();
        QCOMPARE(content->text, QStringLiteral("你好"));
        QTimer::singleShot(0, content, [content, how] {
            how == 0       ? content->AcceptDialog()
                : how == 1 ? content->RejectDialog()
                           : content->FinishDialog(-1);
        });
        QCOMPARE(dialog.exec(), code);
    }

    // The pair excludes only itself: a form's other radio buttons keep their state.
    void allSelectedPair()
    {
        QWidget form;
        QRadioButton* local = kvui::MakeRadioButton(&form, "fk_local_", QStringLiteral("Local"));
        local->setChecked(true);
        const kvui::AllSelectedPair pair = kvui::MakeAllSelectedPair(&form, "fk_all_", "fk_sel_");
        QVERIFY(pair.all->isChecked() && !pair.IsSelected());
        QTest::mouseClick(pair.selected, Qt::LeftButton);
        QVERIFY(pair.IsSelected() && !pair.all->isChecked() && local->isChecked());
        pair.SetAll(true);
        QVERIFY(pair.all->isChecked() && !pair.IsSelected());
        pair.SetAll(false);
        QVERIFY(pair.IsSelected() && local->isChecked());
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
        row("coefficient", true, "1.5e-05", "1.5e-05", true);
        row("no group separator", true, "1,000.5", "1000.5", true);
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

    // Enter on a tool button confirms the form instead of opening its chooser.
    void toolButtonIsNeverTheDefault()
    {
        QDialog dialog;
        auto* layout = new QHBoxLayout(&dialog);
        QPushButton* browse
            = kvui::MakeToolButton(&dialog, "fk_import_", QStringLiteral("Import"), QSize(60, 32));
        kvui::ButtonRow row(&dialog);
        QPushButton* ok = row.Add("fk_ok_btn_", QStringLiteral("OK"), "kvcombtn");
        ok->setDefault(true);
        layout->addWidget(browse);
        layout->addLayout(row.Layout());
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        QSignalSpy browsed(browse, &QPushButton::clicked);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        browse->setFocus();
        QTest::keyClick(browse, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(browsed.count(), 0);
    }

private:
    QTemporaryDir m_root;
};

QTEST_MAIN(TestFormKit)
#include "tst_formkit.moc"
