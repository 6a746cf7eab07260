// Every processing dialog, and the rename tool's messages, read wholly in
// English and in Chinese.

#include "framework/language.h"
#include "languagecheck.h"
#include "modalanswer.h"
#include "processing/batchdialog.h"
#include "processing/distortiondialog.h"
#include "processing/raw2tifdialog.h"
#include "processing/renamedialog.h"
#include "processing/tooldialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace {

std::vector<std::function<std::unique_ptr<QWidget>()>> Forms()
{
    return {[] { return std::make_unique<ColorDialog>(); },
            [] { return std::make_unique<EnhancementDialog>(); },
            [] { return std::make_unique<FormatDialog>(); },
            [] { return std::make_unique<PyramidDialog>(); },
            [] { return std::make_unique<ResampleDialog>(); },
            [] { return std::make_unique<RotateDialog>(); },
            [] { return std::make_unique<DistortionDialog>(); },
            [] { return std::make_unique<BatchDialog>(); },
            [] { return std::make_unique<Raw2TifDialog>(); },
            [] { return std::make_unique<RenameDialog>(); }};
}

} // namespace

class TestProcessingLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }
    void cleanup() { QVERIFY(kvui::SetLanguage(QString())); }

    void formsReadInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        QTest::newRow("zh_CN") << "zh_CN";
    }

    void formsReadInTheLanguage()
    {
        QFETCH(QString, language);
        QVERIFY(kvui::SetLanguage(language));
        // Names of models and formats stay as they are.
        kvtest::LanguageCheck check(language);
        for (const char* word : {"AUS", "Brown", "Bronw", "Inpho", "GTiff", "BMP", "JPEG", "PNG"})
            check.Allow(QLatin1String(word));
        for (const auto& make : Forms()) {
            const std::unique_ptr<QWidget> form = make();
            const QStringList foreign = check.Foreign(form.get());
            QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
        }
    }

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
