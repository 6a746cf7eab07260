// The rename tool's closing message in English: a box its run composes, which
// no picture of the host shows (the dialogs themselves are read by the host's
// sweep of every window, tests/host/tst_screenlanguage).

#include "framework/language.h"
#include "modalanswer.h"
#include "processing/renamedialog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestProcessingLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }
    void cleanup() { QVERIFY(kvui::SetLanguage(QString())); }

    void renameMessagesInEnglish()
    {
        QVERIFY(kvui::SetLanguage(QStringLiteral("en")));
        QTemporaryDir dir;
        for (const char* name : {"a.jpg", "a_x.jpg"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        RenameDialog dialog;
        kvtest::SetText(&dialog, "rnw_path_", dir.path());
        kvtest::Click(&dialog, "rnw_after_radio_");
        kvtest::SetText(&dialog, "rnw_after_", QStringLiteral("_x"));
        const QList<QStringList> boxes
            = kvtest::AnswerEveryBox([&] { kvtest::Click(&dialog, "rnw_run_btn_"); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].contains(QStringLiteral("Processing finished!\n1 files renamed.\n"
                                                  "These 1 files were not renamed:\na.jpg")),
                 qPrintable(boxes[0].join(QLatin1Char('|'))));
    }
};

QTEST_MAIN(TestProcessingLanguage)
#include "tst_processinglanguage.moc"
