#include "framework/kvmessagebox.h"
#include "modalanswer.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

class TestKvMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // A box of no known type is its frame alone, closed by its frame. (The
    // answers of the known types are read by the host's language suite.)
    void unknownTypeIsItsFrameAlone()
    {
        kvtest::ModalAnswer answer;
        answer.ExpectTitle(QStringLiteral("Warning"))
            .Click(QStringLiteral("dialog_close_btn"))
            .Arm();
        QCOMPARE(KvMessageBox::Show(u8"工程名不合法！", 2), KvMessageBox::BC_CLOSED);
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

    void invalidUtf8IsShownNotCrashed()
    {
        kvtest::ModalAnswer answer;
        answer.Click(QStringLiteral("kvsb_ok_btn_")).Arm();
        const std::string junk("\xff\xfe\x80 abc \xe5\xb7", 11);
        QCOMPARE(KvMessageBox::Show(junk, KvMessageBox::BT_OK), KvMessageBox::BC_OK);
        QVERIFY(answer.SeenTexts().join(QString()).contains(QStringLiteral("abc")));
    }

    // A long message (a list of names, a network reason) is shown whole.
    void longMessagesAreNotCutOff()
    {
        std::string text;
        for (int i = 0; i < 10; ++i)
            text += "line " + std::to_string(i) + " of a message\n";
        kvtest::ModalAnswer answer;
        bool fits = false;
        answer
            .Do([&](QWidget* box) {
                auto* message = box->findChild<QLabel*>(QStringLiteral("kvsb_msg_"));
                fits = message->heightForWidth(message->width()) <= message->height();
            })
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        KvMessageBox::Show(text, KvMessageBox::BT_OK);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(fits);
    }
};

QTEST_MAIN(TestKvMessageBox)
#include "tst_kvmessagebox.moc"
