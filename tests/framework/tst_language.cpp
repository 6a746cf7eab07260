#include "framework/language.h"
#include "modalanswer.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// Contexts of the host modules whose texts are still to be translated; they
// leave this list as they are translated.
const QStringList kPendingContexts;

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
