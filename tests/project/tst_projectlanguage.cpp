// What the project wizard's pages, the flight image list and the start page
// show when used, in Chinese: file choosers and message boxes.
// The forms themselves are read by the host's sweep of every window
// (tests/host/tst_screenlanguage).

#include "framework/framedialog.h"
#include "framework/language.h"
#include "languagecheck.h"
#include "modalanswer.h"
#include "project/flyprjsettingdialog.h"
#include "project/projectmanager.h"
#include "project/tiledscene.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTest>
#include <functional>
#include <memory>

namespace {

QString ExistingProjectFile()
{
    const QString path = kvtest::TemporaryDataDir() + QStringLiteral("/2024-05.db");
    QFile file(path);
    return file.open(QIODevice::WriteOnly) ? path : QString();
}

// The start page lists a project whose file is there (selected) and one whose
// file has gone.
std::unique_ptr<ProjectManagerDialog> StartPage()
{
    PrjInfo there;
    there.path = ExistingProjectFile();
    there.name = QStringLiteral("2024-05");
    there.date = QStringLiteral("2024-05-06T07:08:09");
    PrjInfo gone = there;
    gone.path = kvtest::TemporaryDataDir() + QStringLiteral("/gone.db");
    gone.name = QStringLiteral("2023");
    ProjectManager::WriteConfig({there, gone});
    auto page = std::make_unique<ProjectManagerDialog>(false, nullptr);
    const QList<ProjectGraphicsItem*>& tiles = page->Widget()->Scene()->Items();
    if (!tiles.isEmpty())
        tiles.first()->setSelected(true);
    return page;
}

std::unique_ptr<QWidget> Build(const QString& form)
{
    if (form == QLatin1String("flight images"))
        return std::make_unique<FlyPrjSettingDialog>();
    return StartPage();
}

// Clicks the named button, or does to the start page's tiles what the
// operator does: a double-click on the tile whose file has gone.
void Act(QWidget* form, const QString& action)
{
    auto* page = qobject_cast<ProjectManagerDialog*>(form);
    TiledScene* scene = page ? page->Widget()->Scene() : nullptr;
    if (action == QLatin1String("open gone tile"))
        scene->Items().at(1)->Activate();
    else
        kvtest::Click(form, action);
}

} // namespace

class TestProjectLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        // No flight-planning missions of the operator's own.
        qputenv("HOME", QFile::encodeName(kvtest::TemporaryDataDir() + QStringLiteral("/home")));
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void cleanup() { QVERIFY(kvui::SetLanguage(QString())); }

    // What the pages and the tiles open, in Chinese: file choosers (caption
    // and file types, the extensions kept) and boxes, the fixed texts of the
    // constant-string table among them (a project's name stays as it is). The
    // English texts are those the other project suites answer by.
    void modalsReadInTheLanguage_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("box");
        QTest::addColumn<QString>("text");        // the chooser's caption or the box's message
        QTest::addColumn<QStringList>("filters"); // none for a folder chooser or a box
        const auto chooser = [](const char* form, const char* action, const QString& caption,
                                const QStringList& filters) {
            QTest::addRow("%s, %s", form, action) << form << action << false << caption << filters;
        };
        const auto box = [](const char* form, const char* action, const QString& message) {
            QTest::addRow("%s, %s", form, action)
                << form << action << true << message << QStringList();
        };
        chooser("flight images", "fpsw_add_images_", QStringLiteral("添加影像"),
                {QStringLiteral("影像 (*.bmp *.jpg *.tif)"), QStringLiteral("BMP 影像 (*.bmp)"),
                 QStringLiteral("JPG 影像 (*.jpg)"), QStringLiteral("TIF 影像 (*.tif)")});
        box("start page", "open gone tile", QStringLiteral("工程不存在，是否删除记录？"));
    }

    void modalsReadInTheLanguage()
    {
        const QString language = QStringLiteral("zh_CN");
        QFETCH(QString, form);
        QFETCH(QString, action);
        QFETCH(bool, box);
        QFETCH(QString, text);
        QFETCH(QStringList, filters);
        QVERIFY(kvui::SetLanguage(language));
        const std::unique_ptr<QWidget> widget = Build(form);
        QString caption, foreign;
        QStringList shownFilters;
        kvtest::ModalAnswer answer;
        if (box) {
            answer.ExpectText(text)
                .Do([&](QWidget* shown) {
                    foreign
                        = kvtest::LanguageCheck(language).Foreign(shown).join(QLatin1Char('\n'));
                })
                .Click(QStringLiteral("dialog_close_btn"));
        } else {
            answer.Do([&](QWidget* chooser) {
                caption = chooser->windowTitle();
                if (auto* files = qobject_cast<QFileDialog*>(chooser))
                    shownFilters = files->nameFilters();
                QMetaObject::invokeMethod(chooser, "reject", Qt::QueuedConnection);
            });
        }
        answer.Arm();
        Act(widget.get(), action);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
        if (!box)
            QCOMPARE(caption, text);
        if (!filters.isEmpty())
            QCOMPARE(shownFilters, filters);
    }
};

QTEST_MAIN(TestProjectLanguage)
#include "tst_projectlanguage.moc"
