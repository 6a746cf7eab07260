#include "camera/cameraimagesize.h"
#include "modalanswer.h"

#include <QTest>

class TestCameraImageSize : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // Only a camera of another size than a known project size is asked
    // about; the answer decides, and closing the box is no Yes.
    void askedOnlyWhenTheSizesDiffer_data()
    {
        QTest::addColumn<QSize>("downloaded");
        QTest::addColumn<QSize>("inProject");
        QTest::addColumn<QString>("button"); // empty: no question
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("same size") << QSize(5472, 3648) << QSize(5472, 3648) << "" << true;
        QTest::newRow("other width, yes")
            << QSize(6000, 3648) << QSize(5472, 3648) << "kvbw2_ok_" << true;
        QTest::newRow("turned, closed")
            << QSize(3648, 5472) << QSize(5472, 3648) << "dialog_close_btn" << false;
    }

    void askedOnlyWhenTheSizesDiffer()
    {
        QFETCH(QSize, downloaded);
        QFETCH(QSize, inProject);
        QFETCH(QString, button);
        QFETCH(bool, confirmed);
        kvfd::CameraInfo cloud;
        cloud.width = downloaded.width();
        cloud.height = downloaded.height();
        kvfd::CameraInfo project;
        project.width = inProject.width();
        project.height = inProject.height();

        bool result = false;
        const QList<QStringList> boxes
            = kvtest::AnswerEveryBox([&] { result = kvui::ConfirmImageSize(cloud, project); },
                                     button.isEmpty() ? QStringLiteral("kvbw2_ok_") : button);
        QCOMPARE(result, confirmed);
        QCOMPARE(boxes.size(), button.isEmpty() ? 0 : 1);
        if (boxes.isEmpty())
            return;
        const QString question = boxes.first().join(QLatin1Char(' '));
        for (const QSize size : {downloaded, inProject}) {
            const QString named = QStringLiteral("%1 × %2").arg(size.width()).arg(size.height());
            QVERIFY2(question.contains(named), qPrintable(question));
        }
    }
};

QTEST_MAIN(TestCameraImageSize)
#include "tst_cameraimagesize.moc"
