#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/framedialog.h"
#include "framework/kvshared.h"
#include "modalanswer.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <memory>

namespace {

enum Mode { OpenFile, SaveFile, Folder };

// What the operator did in the chooser, and where it had opened.
struct Chooser
{
    bool opened = false;
    QString startFolder;
};

// Runs ask() and answers the chooser it opens with answer; returns what was
// seen of the chooser.
Chooser Answer(const std::function<void(QFileDialog*)>& answer, const std::function<void()>& ask)
{
    Chooser seen;
    kvtest::ModalAnswer modal;
    modal
        .Do([&](QWidget* dialog) {
            auto* chooser = qobject_cast<QFileDialog*>(dialog);
            if (!chooser) {
                dialog->close();
                return;
            }
            seen.opened = true;
            seen.startFolder = QDir(chooser->directory()).absolutePath();
            answer(chooser);
        })
        .Arm();
    ask();
    return seen;
}

void Cancel(QFileDialog* chooser)
{
    QMetaObject::invokeMethod(chooser, "reject");
}

QString Ask(Mode mode, QWidget* parent)
{
    switch (mode) {
    case Folder:
        return kvui::ChooseFolder(parent, u8"选择文件夹");
    case SaveFile:
        return kvui::ChooseFile(parent, u8"保存", "Text (*.txt)", kvui::FileAction::Save);
    case OpenFile:
        break;
    }
    return kvui::ChooseFile(parent, QStringLiteral("Open"), QStringLiteral("Text (*.txt)"));
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

    // The answer's folder is remembered and the next chooser opens there.
    void chooserRemembersTheFolder_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("folder");
        QTest::newRow("open") << int(OpenFile) << "photos";
        QTest::newRow("open, Chinese with a blank") << int(OpenFile) << "测区 影像";
        QTest::newRow("save, Chinese with a blank") << int(SaveFile) << "输出 结果";
        QTest::newRow("folder") << int(Folder) << "rinex";
        QTest::newRow("folder, Chinese with a blank") << int(Folder) << "基站 数据";
    }

    void chooserRemembersTheFolder()
    {
        QFETCH(int, mode);
        QFETCH(QString, folder);
        const QString dir = m_root.filePath(folder);
        QVERIFY(QDir().mkpath(dir));
        const QString file = dir + QStringLiteral("/航线 1.txt");
        QFile touch(file);
        QVERIFY(touch.open(QIODevice::WriteOnly));
        touch.close();
        // A file to save is new: replacing one would ask first.
        const QString target = mode == Folder ? dir
            : mode == SaveFile                ? dir + QStringLiteral("/新 结果.txt")
                                              : file;

        QString chosen;
        const Chooser seen = Answer([&](QFileDialog* d) { kvtest::ChooseFile(d, target); },
                                    [&] { chosen = Ask(Mode(mode), nullptr); });
        QVERIFY(seen.opened);
        QCOMPARE(seen.startFolder, Absolute(m_root.path()));
        QCOMPARE(Absolute(chosen), Absolute(target));
        QCOMPARE(Absolute(GetDefaultPath()), Absolute(dir));

        // The next chooser, of any kind, opens where this one ended.
        const Chooser next = Answer(Cancel, [] { Ask(OpenFile, nullptr); });
        QCOMPARE(next.startFolder, Absolute(dir));
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("open") << int(OpenFile);
        QTest::newRow("save") << int(SaveFile);
        QTest::newRow("folder") << int(Folder);
    }

    void cancelChangesNothing()
    {
        QFETCH(int, mode);
        const QString remembered = m_root.filePath(QStringLiteral("kept 保留"));
        QVERIFY(QDir().mkpath(remembered));
        SetDefaultPath(remembered, false);

        QString chosen = QStringLiteral("unset");
        QVERIFY(Answer(Cancel, [&] { chosen = Ask(Mode(mode), nullptr); }).opened);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(GetDefaultPath(), remembered);

        QWidget form;
        QLineEdit edit(&form);
        edit.setText(QStringLiteral("D:/原来的/路径.txt"));
        const kvui::BrowseMode browse[]
            = {kvui::BrowseMode::OpenFile, kvui::BrowseMode::SaveFile, kvui::BrowseMode::Folder};
        QVERIFY(Answer(Cancel, [&] {
                    kvui::BrowseInto(&form, &edit, "Browse", "All (*)", browse[mode]);
                }).opened);
        QCOMPARE(edit.text(), QStringLiteral("D:/原来的/路径.txt"));
        QCOMPARE(GetDefaultPath(), remembered);
    }

    // A browse row in folder mode fills its edit with the folder itself and
    // remembers it, not the folder above it.
    void browseRowInFolderMode()
    {
        QWidget form;
        auto* grid = new QGridLayout(&form);
        const kvui::BrowseRow row
            = kvui::AddBrowseRow(grid, 0, 0, QStringLiteral("Output:"), "fk_out_", QSize(0, 28),
                                 "fk_out_btn_", QSize(28, 28));
        QCOMPARE(row.label->buddy(), row.edit);
        QCOMPARE(row.browse->property("kvFormName").toString(), QStringLiteral("fk_out_btn_"));
        connect(row.browse, &QPushButton::clicked, &form, [&] {
            kvui::BrowseInto(&form, row.edit, u8"输出目录", nullptr, kvui::BrowseMode::Folder);
        });

        const QString dir = m_root.filePath(QStringLiteral("输出 目录"));
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(Answer([&](QFileDialog* d) { kvtest::ChooseFile(d, dir); },
                       [&] { row.browse->click(); })
                    .opened);
        QCOMPARE(Absolute(row.edit->text()), Absolute(dir));
        QCOMPARE(Absolute(GetDefaultPath()), Absolute(dir));
    }

    void severalFilesRememberTheFirstFolder()
    {
        const QString dir = m_root.filePath(QStringLiteral("多个 文件"));
        QVERIFY(QDir().mkpath(dir));
        for (const char* name : {"a.jpg", "b.jpg"}) {
            QFile file(dir + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
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
        QCOMPARE(QFileInfo(chosen.at(1)).fileName(), QStringLiteral("b.jpg"));
        QCOMPARE(Absolute(GetDefaultPath()), Absolute(dir));

        QVERIFY(
            Answer(Cancel, [&] { chosen = kvui::ChooseFiles(nullptr, "Images", nullptr); }).opened);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(Absolute(GetDefaultPath()), Absolute(dir));
    }

    void finishWithoutADialogIsSafe()
    {
        BaseWidget alone;
        alone.AcceptDialog();
        alone.RejectDialog();
        alone.FinishDialog(-1);

        // A dialog that is gone counts as none.
        auto dialog = std::make_unique<QDialog>();
        BaseWidget content;
        content.SetDialog(dialog.get());
        dialog.reset();
        QVERIFY(!content.Dialog());
        content.AcceptDialog();
        content.FinishDialog(2);
    }

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
        GreetingDialog dialog(QStringLiteral("hi"));
        Greeting* content = dialog.Content();
        QTimer::singleShot(0, content, [content, how] {
            if (how == 0)
                content->AcceptDialog();
            else if (how == 1)
                content->RejectDialog();
            else
                content->FinishDialog(-1);
        });
        QCOMPARE(dialog.exec(), code);
    }

    void contentDialogAssembly()
    {
        GreetingDialog dialog(QStringLiteral("你好"));
        QCOMPARE(dialog.Frame()->Title(), QStringLiteral("Greeting"));
        QCOMPARE(dialog.Content()->text, QStringLiteral("你好"));
        QCOMPARE(dialog.Content()->Dialog(), &dialog);
        QCOMPARE(dialog.Content()->parentWidget(), dialog.Frame());
    }

    // The pair excludes only itself: a form's other radio buttons keep their state.
    void allSelectedPair()
    {
        QWidget form;
        auto* layout = new QHBoxLayout(&form);
        QRadioButton* local = kvui::MakeRadioButton(&form, "fk_local_", QStringLiteral("Local"));
        local->setChecked(true);
        const kvui::AllSelectedPair pair = kvui::MakeAllSelectedPair(&form, "fk_all_", "fk_sel_");
        layout->addWidget(local);
        layout->addWidget(pair.all);
        layout->addWidget(pair.selected);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(kvtest::Find<QRadioButton>(&form, "fk_all_"), pair.all);
        QCOMPARE(kvtest::Find<QRadioButton>(&form, "fk_sel_"), pair.selected);
        QCOMPARE(pair.all->objectName(), QStringLiteral("kvradiobutton"));
        QCOMPARE(pair.all->text() + '/' + pair.selected->text(), QStringLiteral("All/Selected"));
        QVERIFY(pair.all->isChecked() && !pair.IsSelected());

        QTest::mouseClick(pair.selected, Qt::LeftButton);
        QVERIFY(pair.IsSelected() && !pair.all->isChecked());
        QVERIFY(local->isChecked());
        pair.SetAll(true);
        QVERIFY(pair.all->isChecked() && !pair.IsSelected());
        pair.SetAll(false);
        QVERIFY(pair.IsSelected() && !pair.all->isChecked());
        QVERIFY(local->isChecked());
    }

    void buttonRowNamesStylesAndPlaces_data()
    {
        QTest::addColumn<int>("placement");
        QTest::addColumn<QSize>("size");
        QTest::newRow("right, house size") << int(kvui::ButtonRow::Right) << kvui::kButtonSize;
        QTest::newRow("centred, larger") << int(kvui::ButtonRow::Centre) << QSize(120, 36);
    }

    void buttonRowNamesStylesAndPlaces()
    {
        QFETCH(int, placement);
        QFETCH(QSize, size);
        QWidget form;
        form.setFixedSize(600, 80);
        auto* layout = new QVBoxLayout(&form);
        layout->setContentsMargins(0, 0, 0, 0);
        kvui::ButtonRow row(&form, size, kvui::ButtonRow::Placement(placement));
        QPushButton* back = row.Add("fk_back_btn_", QStringLiteral("Back"), "kvcombtn");
        QPushButton* next = row.Add("fk_next_btn_", QStringLiteral("Next"), "kvcombtn");
        QPushButton* exit = row.Add("fk_exit_btn_", QStringLiteral("Exit"), nullptr);
        layout->addLayout(row.Layout());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(back->objectName(), QStringLiteral("kvcombtn"));
        QCOMPARE(back->property("kvFormName").toString(), QStringLiteral("fk_back_btn_"));
        QCOMPARE(kvtest::Find<QPushButton>(&form, "fk_next_btn_"), next);
        QCOMPARE(exit->objectName(), QStringLiteral("fk_exit_btn_"));
        QCOMPARE(next->text(), QStringLiteral("Next"));
        for (QPushButton* button : {back, next, exit})
            QCOMPARE(button->size(), size);
        QCOMPARE(next->x() - back->geometry().right() - 1, kvui::kButtonSpacing);
        QCOMPARE(exit->x() - next->geometry().right() - 1, kvui::kButtonSpacing);
        const int leftGap = back->x();
        const int rightGap = form.width() - exit->geometry().right() - 1;
        if (placement == kvui::ButtonRow::Right)
            QCOMPARE(rightGap, 0);
        else
            QVERIFY(qAbs(leftGap - rightGap) <= 1);
    }

    // Enter on a tool button confirms the form instead of opening its chooser.
    void numericFieldsTakeOnlyNumbers_data()
    {
        QTest::addColumn<bool>("real");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("letters dropped") << true << "abc-0"
                                         << "-0" << true;
        QTest::newRow("coefficient") << true << "1.5e-05"
                                     << "1.5e-05" << true;
        QTest::newRow("no group separator") << true << "1,000.5"
                                            << "1000.5" << true;
        QTest::newRow("out of range") << true << "20000"
                                      << "20000" << false;
        QTest::newRow("sign alone") << true << "-"
                                    << "-" << false;
        QTest::newRow("integer") << false << "4x00y0"
                                 << "4000" << true;
        QTest::newRow("integer, no point") << false << "12.5"
                                           << "125" << true;
    }

    void numericFieldsTakeOnlyNumbers()
    {
        QFETCH(bool, real);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, acceptable);
        QLineEdit edit;
        if (real)
            kvui::AcceptReal(&edit, -200, 10000);
        else
            kvui::AcceptInteger(&edit, 0, 100000);
        QSignalSpy finished(&edit, &QLineEdit::editingFinished);
        QTest::keyClicks(&edit, typed);
        QCOMPARE(edit.text(), kept);
        QCOMPARE(edit.hasAcceptableInput(), acceptable);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(finished.count(), acceptable ? 1 : 0);
    }

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
        QCOMPARE(browse->toolTip(), QStringLiteral("Import"));

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
