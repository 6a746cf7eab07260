#include "framework/buttongroup.h"
#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvprogressimpl.h"
#include "framework/kvshared.h"
#include "framework/language.h"
#include "framework/titlewidget.h"
#include "framework/transparentdialog.h"
#include "kvfd/kvconststringfactory.h"
#include "languagecheck.h"
#include "modalanswer.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
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

        QVERIFY(kvui::SetLanguage(QString()));
        QCOMPARE(kvfd::KvGetConstString(130), std::string("是否确定取消?"));
        for (int id = kFirstId; id <= kLastId; ++id)
            QCOMPARE(kvfd::KvGetConstString(id), m_written[id]);
    }

    void unknownLanguageChangesNothing()
    {
        QVERIFY(kvui::SetLanguage(QStringLiteral("en")));
        QVERIFY(!kvui::SetLanguage(QStringLiteral("fr")));
        QVERIFY(!kvui::SetLanguage(QStringLiteral("CN")));
        QCOMPARE(kvui::Language(), QStringLiteral("en"));
        QCOMPARE(ConstString(130), QStringLiteral("Are you sure you want to cancel?"));
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
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("default, OK")
            << "" << int(KvMessageBox::BT_OK) << QByteArray("工程名不合法！")
            << QStringLiteral("工程名不合法！") << "Warning";
        QTest::newRow("en, OK") << "en" << int(KvMessageBox::BT_OK) << QByteArray("工程名不合法！")
                                << "The project name is not valid!"
                                << "Warning";
        QTest::newRow("en, yes/no")
            << "en" << int(KvMessageBox::BT_YES_NO) << QByteArray("是否确定取消?")
            << "Are you sure you want to cancel?"
            << "Warning";
        QTest::newRow("zh_CN, OK")
            << "zh_CN" << int(KvMessageBox::BT_OK) << QByteArray("工程名不合法！")
            << QStringLiteral("工程名不合法！") << QStringLiteral("警告");
        QTest::newRow("zh_CN, yes/no")
            << "zh_CN" << int(KvMessageBox::BT_YES_NO) << QByteArray("是否确定取消?")
            << QStringLiteral("是否确定取消?") << QStringLiteral("警告");
    }

    void messageBoxReadsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, type);
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QVERIFY(kvui::SetLanguage(language));
        QString foreign;
        kvtest::ModalAnswer answer;
        answer.ExpectTitle(title)
            .ExpectText(message)
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
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("stopping");
        QTest::newRow("default") << "" << QStringLiteral("缩略图加载")
                                 << QStringLiteral("缩略图加载中……")
                                 << QStringLiteral("是否确定取消?") << "Please wait!";
        QTest::newRow("en") << "en"
                            << "Thumbnail Loading"
                            << "Loading thumbnails…"
                            << "Are you sure you want to cancel?"
                            << "Please wait!";
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("缩略图加载")
                               << QStringLiteral("缩略图加载中……")
                               << QStringLiteral("是否确定取消?") << QStringLiteral("请稍候！");
    }

    void progressReadsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, question);
        QFETCH(QString, stopping);
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
        QString shownTitle, shownMessage, foreign, messageAfterCancel;
        kvtest::ModalAnswer answer;
        answer.ExpectText(question).Click(QStringLiteral("kvbw2_ok_"));
        QTimer::singleShot(0, &progress, [&] {
            // Lets the worker end however the checks go, so that Run() returns.
            struct Release
            {
                std::atomic<bool>& flag;
                ~Release() { flag = true; }
            } release {mayEnd};
            const auto* bar = dialog.findChild<QProgressBar*>(QStringLiteral("progress_bar_"));
            QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 10, kvtest::kPatienceMs);
            shownTitle = dialog.Frame()->Title();
            shownMessage = label();
            foreign = Foreign(language, &dialog);
            answer.Arm();
            kvtest::Click(&dialog, QStringLiteral("cancel_btn_"));
            messageAfterCancel = label();
        });
        progress.Run();
        mayEnd = true;
        worker.join();
        QCOMPARE(shownTitle, title);
        QCOMPARE(shownMessage, message);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(messageAfterCancel, stopping);
    }

    // The frame's tool tips, the flight selector's menu and the All/Selected
    // pair.
    void framesAndControlsReadInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("close");
        QTest::addColumn<QString>("deleteFlight");
        QTest::addColumn<QString>("all");
        QTest::newRow("default") << ""
                                 << "Close" << QStringLiteral("删除当前架次") << "All";
        QTest::newRow("en") << "en"
                            << "Close"
                            << "Delete This Flight"
                            << "All";
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("关闭")
                               << QStringLiteral("删除当前架次") << QStringLiteral("全部");
    }

    void framesAndControlsReadInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, close);
        QFETCH(QString, deleteFlight);
        QFETCH(QString, all);
        QVERIFY(kvui::SetLanguage(language));

        TransparentDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* frame = new TitleWidget(&dialog, true, false, true);
        layout->addWidget(frame);
        auto* content = new QWidget(frame);
        frame->AddWidget(content);
        auto* rows = new QVBoxLayout(content);
        auto* flights = new ButtonGroup(content);
        rows->addWidget(flights);
        const kvui::AllSelectedPair pair = kvui::MakeAllSelectedPair(content, "all_", "selected_");
        rows->addWidget(pair.all);
        rows->addWidget(pair.selected);
        frame->Maximize(); // the tool tip changes to Restore

        QCOMPARE(kvtest::Find<QPushButton>(&dialog, QStringLiteral("dialog_close_btn"))->toolTip(),
                 close);
        const QList<QAction*> menu = flights->findChild<QMenu*>()->actions();
        QCOMPARE(menu.size(), 1);
        QCOMPARE(menu.first()->text(), deleteFlight);
        QCOMPARE(pair.all->text(), all);
        const QString foreign = Foreign(language, &dialog);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
    }

    // A caption in the local code page is translated; Qt's own chooser reads
    // in the language where Qt has a catalogue for it.
    void fileChooserReadsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("default") << "" << QStringLiteral("请选择工作路径！") << "Cancel";
        QTest::newRow("en") << "en"
                            << "Please choose a working folder!"
                            << "Cancel";
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("请选择工作路径！")
                               << QStringLiteral("取消");
    }

    void fileChooserReadsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, caption);
        QFETCH(QString, cancel);
        const bool qtTranslated = language != QLatin1String("zh_CN")
            || QFileInfo::exists(QLibraryInfo::location(QLibraryInfo::TranslationsPath)
                                 + QStringLiteral("/qtbase_zh_CN.qm"));
        QVERIFY(kvui::SetLanguage(language));
        QString title, cancelText, foreign;
        kvtest::ModalAnswer answer;
        answer
            .Do([&](QWidget* chooser) {
                title = chooser->windowTitle();
                if (const auto* box = chooser->findChild<QDialogButtonBox*>()) {
                    if (const QPushButton* button = box->button(QDialogButtonBox::Cancel))
                        cancelText = button->text();
                }
                // The folder list shows paths: data.
                foreign = kvtest::LanguageCheck(language)
                              .Skip(QStringLiteral("lookInCombo"))
                              .Foreign(chooser)
                              .join(QLatin1Char('\n'));
                QMetaObject::invokeMethod(chooser, "reject", Qt::QueuedConnection);
            })
            .Arm();
        QCOMPARE(kvui::ChooseFolder(nullptr, "请选择工作路径！"), QString());
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(title, caption);
        if (!qtTranslated)
            QSKIP("Qt's own Chinese catalogue (qttranslations5-l10n) is not installed");
        QCOMPARE(cancelText.remove(QLatin1Char('&')), cancel);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
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
