#include "framework/framedialog.h"
#include "framework/titlewidget.h"
#include "modalanswer.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A dialog assembled as every dialog of the library is, with a default button.
class SampleDialog : public FrameDialog
{
public:
    explicit SampleDialog(QWidget* parent = nullptr)
        : FrameDialog(parent)
    {
        SetTitle(QStringLiteral("Sample"));
        auto* content = SetContent<BaseWidget>();
        content->setFixedSize(300, 200);
        auto* layout = new QVBoxLayout(content);
        ok = new QPushButton(QStringLiteral("OK"), content);
        ok->setDefault(true);
        layout->addWidget(ok);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
    QPushButton* ok = nullptr;
};

} // namespace

class TestFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // A dialog's frame cannot be maximised.
    void escapeIsIgnoredAndEnterReachesDefault()
    {
        SampleDialog dialog;
        dialog.setGeometry(10, 10, 400, 300);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect before = dialog.geometry();
        dialog.Frame()->Maximize();
        QCOMPARE(dialog.geometry(), before);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // The close button asks first when the frame is told to check; declined,
    // the dialog stays open.
    void closeButton_data()
    {
        QTest::addColumn<QString>("answer"); // of the question; empty: none asked
        QTest::newRow("no check") << "";
        QTest::newRow("declined") << "kvbw2_cancel_";
        QTest::newRow("confirmed") << "kvbw2_ok_";
    }

    void closeButton()
    {
        QFETCH(QString, answer);
        SampleDialog dialog;
        dialog.Frame()->SetNeedCheck(!answer.isEmpty());
        QSignalSpy quit(dialog.Frame(), &TitleWidget::ConfirmQuit);
        kvtest::ModalAnswer question;
        if (!answer.isEmpty())
            question.ExpectText(QStringLiteral("是否确定取消?")).Click(answer).Arm();
        QTimer::singleShot(0, [&] {
            kvtest::Click(dialog.Frame(), QStringLiteral("dialog_close_btn"));
            if (dialog.isVisible())
                dialog.done(7);
        });
        const bool declined = answer == QLatin1String("kvbw2_cancel_");
        QCOMPARE(dialog.exec(), declined ? 7 : int(QDialog::Rejected));
        QCOMPARE(question.Done(), !answer.isEmpty());
        QCOMPARE(quit.count(), 1);
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
