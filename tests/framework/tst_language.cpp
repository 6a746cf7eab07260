#include "framework/filechooser.h"
#include "framework/kvshared.h"
#include "framework/language.h"
#include "kvfd/kvconststringfactory.h"
#include "languagecheck.h"
#include "modalanswer.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

constexpr int kFirstId = 101;
constexpr int kLastId = 188;

// Contexts of the host modules whose texts are still to be translated; they
// leave this list as they are translated.
const QStringList kPendingContexts;

QString ConstString(int id)
{
    return String2QString(kvfd::KvGetConstString(id));
}

QString Placeholders(const QString& text)
{
    QStringList found;
    auto it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found.join(QLatin1Char(' '));
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCOMPARE(kvui::Language(), QString());
    }

    void cleanup() { QVERIFY(kvui::SetLanguage(QString())); }

    // Every constant string reads in the language; back to the default, it
    // is again as written.
    void constantStrings_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancelQuestion");
        QTest::newRow("en") << "en"
                            << "Are you sure you want to cancel?";
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("是否确定取消?");
    }

    void constantStrings()
    {
        QFETCH(QString, language);
        QFETCH(QString, cancelQuestion);
        QVERIFY(kvui::SetLanguage(language));
        QCOMPARE(kvui::Language(), language);
        QCOMPARE(ConstString(130), cancelQuestion);
        const kvtest::LanguageCheck check(language);
        for (int id = kFirstId; id <= kLastId; ++id) {
            const QString text = ConstString(id);
            QVERIFY2(!text.isEmpty() && !check.IsForeign(text),
                     qPrintable(QString::number(id) + QStringLiteral(": ") + text));
        }
        // A language without a catalogue changes nothing.
        QVERIFY(!kvui::SetLanguage(QStringLiteral("fr")) && !kvui::SetLanguage("CN"));
        QCOMPARE(kvui::Language(), language);
        QCOMPARE(ConstString(130), cancelQuestion);

        QVERIFY(kvui::SetLanguage(QString()));
        QCOMPARE(kvfd::KvGetConstString(130), std::string("是否确定取消?"));
    }

    // Only fixed texts are translated: data that happens to be a text of the
    // catalogue in part, or not a text at all, is shown as it is.
    void localTextTranslatesWholeFixedTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("shown");
        const QByteArray question("是否确定取消?");
        QTest::newRow("default") << "" << question << QString::fromUtf8(question);
        QTest::newRow("en") << "en" << question << "Are you sure you want to cancel?";
        QTest::newRow("en, within data")
            << "en" << QByteArray("D:/开始/IMG_1.JPG") << QStringLiteral("D:/开始/IMG_1.JPG");
        QTest::newRow("en, not UTF-8")
            << "en" << QByteArray("\xb9\xa4\xb3\xcc") << QString::fromLocal8Bit("\xb9\xa4\xb3\xcc");
        QTest::newRow("en, empty") << "en" << QByteArray() << QString();
    }

    void localTextTranslatesWholeFixedTexts()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, text);
        QFETCH(QString, shown);
        QVERIFY(kvui::SetLanguage(language));
        QCOMPARE(kvui::LocalText(text.constData()), shown);
        QCOMPARE(kvui::LocalText(text.toStdString()), shown);
    }

    // A caption in the local code page is translated (Qt's own texts in the
    // chooser come from Qt's catalogue, which the camera suite checks is
    // installed by SetLanguage).
    void fileChooserCaptionReadsInTheLanguage()
    {
        QVERIFY(kvui::SetLanguage(QStringLiteral("en")));
        kvtest::ModalAnswer answer;
        QString title;
        answer
            .Do([&](QWidget* chooser) {
                title = chooser->windowTitle();
                QMetaObject::invokeMethod(chooser, "reject", Qt::QueuedConnection);
            })
            .Arm();
        QCOMPARE(kvui::ChooseFolder(nullptr, "请选择工作路径！"), QString());
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(title, QStringLiteral("Please choose a working folder!"));
    }

    // Every catalogue is complete: no text waits for its translation, and a
    // translation keeps the placeholders of its text.
    void cataloguesAreComplete_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(KVUI_SOURCE_DIR "/translations"));
        const QStringList names = folder.entryList({QStringLiteral("*.ts")}, QDir::Files);
        QVERIFY(names.contains(QStringLiteral("framework_en.ts")));
        QVERIFY(names.contains(QStringLiteral("framework_zh_CN.ts")));
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }

    void cataloguesAreComplete()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString language = QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 1);
        QXmlStreamReader xml(&file);
        QString context, source, missing;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("TS")) {
                QCOMPARE(xml.attributes().value(QStringLiteral("language")).toString(), language);
            } else if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                const QString translation = xml.readElementText();
                if (type == QLatin1String("vanished") || type == QLatin1String("obsolete")
                    || kPendingContexts.contains(context))
                    continue;
                ++messages;
                if (type == QLatin1String("unfinished") || translation.isEmpty())
                    missing += QStringLiteral("\n  unfinished %1: %2").arg(context, source);
                else if (Placeholders(source) != Placeholders(translation))
                    missing += QStringLiteral("\n  placeholders %1: %2 / %3")
                                   .arg(context, source, translation);
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 0);
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
