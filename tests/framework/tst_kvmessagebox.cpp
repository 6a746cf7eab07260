#include "framework/kvmessagebox.h"
#include "framework/titlewidget.h"
#include "modalanswer.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestKvMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void answerCodes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("code");
        QTest::newRow("ok") << int(KvMessageBox::BT_OK) << "kvsb_ok_btn_"
                            << int(KvMessageBox::BC_OK);
        QTest::newRow("ok closed")
            << int(KvMessageBox::BT_OK) << "dialog_close_btn" << int(KvMessageBox::BC_CLOSED);
        QTest::newRow("yes") << int(KvMessageBox::BT_YES_NO) << "kvbw2_ok_"
                             << int(KvMessageBox::BC_OK);
        QTest::newRow("no") << int(KvMessageBox::BT_YES_NO) << "kvbw2_cancel_"
                            << int(KvMessageBox::BC_NO);
        QTest::newRow("yes/no closed")
            << int(KvMessageBox::BT_YES_NO) << "dialog_close_btn" << int(KvMessageBox::BC_CLOSED);
        QTest::newRow("frame only") << 2 << "dialog_close_btn" << int(KvMessageBox::BC_CLOSED);
    }

    void answerCodes()
    {
        QFETCH(int, type);
        QFETCH(QString, button);
        QFETCH(int, code);
        kvtest::ModalAnswer answer;
        answer.ExpectTitle(QStringLiteral("Warning")).Click(button).Arm();
        QCOMPARE(int(KvMessageBox::Show("message", type)), code);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    }

    void chineseTextIsShown()
    {
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("工程名不合法！"))
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        KvMessageBox::Show(u8"工程名不合法！", KvMessageBox::BT_OK);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    }

    void enterConfirmsAndEscapeDoesNot()
    {
        kvtest::ModalAnswer answer;
        answer
            .Do([](QWidget* box) {
                QTest::keyClick(box, Qt::Key_Escape);
                QVERIFY(box->isVisible());
                QTest::keyClick(box, Qt::Key_Return);
            })
            .Arm();
        QCOMPARE(KvMessageBox::Show("question", KvMessageBox::BT_YES_NO), KvMessageBox::BC_OK);
    }

    void oneButtonForm()
    {
        QWidget* box = nullptr;
        kvtest::ModalAnswer answer;
        answer
            .Do([&](QWidget* dialog) {
                box = dialog;
                auto* form = dialog->findChild<QWidget*>(QStringLiteral("KvMessageBox"));
                QVERIFY(form);
                QCOMPARE(form->size(), QSize(400, 160));
                auto* ok = kvtest::Find<QPushButton>(dialog, QStringLiteral("kvsb_ok_btn_"));
                QVERIFY(ok);
                QCOMPARE(ok->objectName(), QStringLiteral("kvquitbtn"));
                QCOMPARE(ok->text(), QStringLiteral("OK"));
                QCOMPARE(ok->size(), QSize(120, 36));
                auto* icon = dialog->findChild<QLabel*>(QStringLiteral("kvsb_icon_"));
                QVERIFY(icon);
                QCOMPARE(icon->size(), QSize(42, 42));
                auto* message = dialog->findChild<QLabel*>(QStringLiteral("kvsb_msg_"));
                QCOMPARE(message->font().pointSize(), form->font().pointSize() + 3);
                QCOMPARE(message->alignment(), Qt::AlignCenter);
            })
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        KvMessageBox::Show("text", KvMessageBox::BT_OK);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(box);
    }

    void twoButtonForm()
    {
        kvtest::ModalAnswer answer;
        answer
            .Do([](QWidget* dialog) {
                auto* form = dialog->findChild<QWidget*>(QStringLiteral("KvMessageBoxWidget2"));
                QVERIFY(form);
                QCOMPARE(form->size(), QSize(400, 150));
                auto* yes = kvtest::Find<QPushButton>(dialog, QStringLiteral("kvbw2_ok_"));
                auto* no = kvtest::Find<QPushButton>(dialog, QStringLiteral("kvbw2_cancel_"));
                QCOMPARE(yes->objectName(), QStringLiteral("kvcombtn"));
                QCOMPARE(yes->text(), QStringLiteral("Yes"));
                QCOMPARE(no->objectName(), QStringLiteral("kvquitbtn"));
                QCOMPARE(no->text(), QStringLiteral("No"));
                QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("kvbw2_icon_")));
            })
            .Click(QStringLiteral("kvbw2_cancel_"))
            .Arm();
        QCOMPARE(KvMessageBox::Show("q", KvMessageBox::BT_YES_NO), KvMessageBox::BC_NO);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    }

    void invalidUtf8IsShownNotCrashed()
    {
        kvtest::ModalAnswer answer;
        answer.Click(QStringLiteral("kvsb_ok_btn_")).Arm();
        const std::string junk("\xff\xfe\x80 abc \xe5\xb7", 11);
        QCOMPARE(KvMessageBox::Show(junk, KvMessageBox::BT_OK), KvMessageBox::BC_OK);
        QVERIFY(answer.SeenTexts().join(QString()).contains(QStringLiteral("abc")));
    }
};

QTEST_MAIN(TestKvMessageBox)
#include "tst_kvmessagebox.moc"
