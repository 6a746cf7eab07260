#include "framework/kvmessagebox.h"
#include "modalanswer.h"

#include <QTest>

class TestKvMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

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
};

QTEST_MAIN(TestKvMessageBox)
#include "tst_kvmessagebox.moc"
