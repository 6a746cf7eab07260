#include "framework/filechooser.h"
#include "framework/kvmessagebox.h"
#include "framework/kvprogressimpl.h"
#include "framework/kvshared.h"
#include "framework/language.h"
#include "framework/titlewidget.h"
#include "kvfd/kvconststringfactory.h"
#include "languagecheck.h"
#include "modalanswer.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <atomic>
#include <map>
#include <thread>

namespace {

constexpr int kFirstId = 101;
constexpr int kLastId = 188;

// Contexts of the host modules whose texts are still to be translated; they
// leave this list as they are translated.
const QStringList kPendingContexts;

QString Foreign(const QString& language, QWidget* root)
{
    return kvtest::LanguageCheck(language).Foreign(root).join(QLatin1Char('\n'));
}

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
        for (int id = kFirstId; id <= kLastId; ++id)
            m_written[id] = kvfd::KvGetConstString(id);
        QCOMPARE(kvui::Language(), QString());
    }

    void cleanup() { QVERIFY(kvui::SetLanguage(QString())); }

    // Every constant string reads in the language; back to the default, each
    // is again exactly as written.
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
        for (int id = kFirstId; id <= kLastId; ++id)
            QCOMPARE(kvfd::KvGetConstString(id), m_written[id]);
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
        QTest::newRow("zh_CN") << "zh_CN" << question << QString::fromUtf8(question);
        QTest::newRow("en, within data")
            << "en" << QByteArray("D:/开始/IMG_1.JPG") << QStringLiteral("D:/开始/IMG_1.JPG");
        QTest::newRow("en, a file name") << "en" << QByteArray("DJI_0001.JPG") << "DJI_0001.JPG";
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

    // The box translates what its callers pass in the local code page, and
    // its own title and buttons.
    void messageBoxReadsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("shown"); // message, title
        // Both kinds of box in both languages are also read by the host's suite.
        QTest::newRow("en, yes/no")
            << "en" << int(KvMessageBox::BT_YES_NO) << QByteArray("是否确定取消?")
            << QStringList {"Are you sure you want to cancel?", "Warning"};
        QTest::newRow("zh_CN, OK")
            << "zh_CN" << int(KvMessageBox::BT_OK) << QByteArray("工程名不合法！")
            << QStringList {"工程名不合法！", "警告"};
    }

    void messageBoxReadsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, type);
        QFETCH(QByteArray, text);
        QFETCH(QStringList, shown);
        QVERIFY(kvui::SetLanguage(language));
        QString foreign;
        kvtest::ModalAnswer answer;
        answer.ExpectTitle(shown[1])
            .ExpectText(shown[0])
            .Do([&](QWidget* box) { foreign = Foreign(language, box); })
            .Click(QStringLiteral("dialog_close_btn"))
            .Arm();
        KvMessageBox::Show(text.toStdString(), type);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
    }

    // Titles and messages a worker reports in the local code page, the
    // dialog's buttons, the cancel question and what the dialog says after it.
    void progressReadsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("shown"); // title, message, question, after the cancel
        QTest::newRow("en") << "en"
                            << QStringList {"Thumbnail Loading", "Loading thumbnails…",
                                            "Are you sure you want to cancel?", "Please wait!"};
        QTest::newRow("zh_CN") << "zh_CN"
                               << QStringList {"缩略图加载", "缩略图加载中……", "是否确定取消?",
                                               "请稍候！"};
    }

    void progressReadsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, shown);
        QVERIFY(kvui::SetLanguage(language));
        KvProgressImpl progress;
        std::atomic<bool> mayEnd {false};
        std::thread worker([&] {
            progress.Start("缩略图加载", 10);
            progress.SetInformation("缩略图加载中……", 10);
            while (!mayEnd)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            progress.End(true);
        });
        QKvProgressDialog& dialog = progress.Dialog();
        const auto label = [&dialog] {
            return dialog.findChild<QLabel*>(QStringLiteral("progress_info_"))->text();
        };
        QStringList seen;
        QString foreign;
        kvtest::ModalAnswer answer;
        answer.ExpectText(shown[2]).Click(QStringLiteral("kvbw2_ok_"));
        QTimer::singleShot(0, &progress, [&] {
            // Lets the worker end however the checks go, so that Run() returns.
            struct Release
            {
                std::atomic<bool>& flag;
                ~Release() { flag = true; }
            } release {mayEnd};
            const auto* bar = dialog.findChild<QProgressBar*>(QStringLiteral("progress_bar_"));
            QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 10, kvtest::kPatienceMs);
            seen << dialog.Frame()->Title() << label();
            foreign = Foreign(language, &dialog);
            answer.Arm();
            kvtest::Click(&dialog, QStringLiteral("cancel_btn_"));
            seen << label();
        });
        progress.Run();
        mayEnd = true;
        worker.join();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(seen, (QStringList {shown[0], shown[1], shown[3]}));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
    }

    // A caption in the local code page is translated (Qt's own texts in the
    // chooser come from Qt's catalogue, which the camera suite checks is
    // installed by SetLanguage).
    void fileChooserCaptionReadsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("en") << "en" << QStringLiteral("Please choose a working folder!");
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("请选择工作路径！");
    }

    void fileChooserCaptionReadsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, caption);
        QVERIFY(kvui::SetLanguage(language));
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
        QCOMPARE(title, caption);
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

private:
    std::map<int, std::string> m_written;
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
