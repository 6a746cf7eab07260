// The processing entries of Tools: each dialog opens, and what an accepted
// dialog asks for reaches the image engine, which tells why an empty project
// or a missing raw folder gives it nothing to do.

#include "host/kvmainwindow.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QtTest>
#include <functional>

using Answer = std::function<void(QWidget*)>;
Q_DECLARE_METATYPE(Answer)

class TestProcessingModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void acceptedDialogsReachTheEngine_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("resample") << "kv_action_resample" << Answer([](QWidget* dialog) {
            kvtest::Find<QComboBox>(dialog, "rsw_rate_")->setCurrentText("1:8");
            kvtest::SetText(dialog, "rsw_output_", QStringLiteral("/成果"));
            kvtest::Click(dialog, "rsw_ok_btn_");
        }) << QStringList({"Resample was not started: The project has no images."});
        QTest::newRow("batch of two") << "kv_action_batch" << Answer([](QWidget* dialog) {
            auto* methods = kvtest::Find<QListWidget>(dialog, "bthw_algo_list_");
            for (int row : {2, 6}) {
                methods->setCurrentRow(row);
                kvtest::Click(dialog, "bthw_add_btn_");
            }
            kvtest::SetText(dialog, "bthw_output_line_", QStringLiteral("/批"));
            kvtest::Click(dialog, "bthw_ok_btn_");
        }) << QStringList({"Batch Process was not started: The project has no images."});
        QTest::newRow("raw to tif") << "kv_action_raw_to_tif" << Answer([](QWidget* dialog) {
            kvtest::SetText(dialog, "r2tw_raw_", QStringLiteral("/raw"));
            kvtest::SetText(dialog, "r2tw_pos_", QStringLiteral("/pos.txt"));
            kvtest::SetText(dialog, "r2tw_tif_", QStringLiteral("/tif"));
            kvtest::Click(dialog, "r2tw_ok_");
        }) << QStringList({"No raw files were found."});
        QTest::newRow("cancelled distortion")
            << "kv_action_distortion"
            << Answer([](QWidget* dialog) { kvtest::Click(dialog, "dstw_cancel_btn_"); })
            << QStringList();
    }

    void acceptedDialogsReachTheEngine()
    {
        QFETCH(QString, action);
        QFETCH(Answer, answer);
        QFETCH(QStringList, told);
        KvMainWindow window;
        window.SetProject(std::make_unique<kvkernel::AISContext>());
        kvtest::ModalAnswer dialog;
        dialog.Do(answer).Arm();
        const QList<QStringList> boxes
            = kvtest::AnswerEveryBox([&] { window.findChild<QAction*>(action)->trigger(); });
        QVERIFY2(dialog.Done(), qPrintable(dialog.Error()));
        if (told.isEmpty()) {
            QVERIFY(boxes.isEmpty());
            return;
        }
        QCOMPARE(boxes.size(), 1);
        const QString message = boxes[0].join(QLatin1Char('\n'));
        for (const QString& line : told)
            QVERIFY2(message.contains(line), qPrintable(message));
    }
};

QTEST_MAIN(TestProcessingModule)
#include "tst_processingmodule.moc"
