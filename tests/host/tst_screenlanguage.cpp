// Every window "kvhost --screenshot" shows, read in English and in Chinese:
// each dialog, bar and panel of the library and the host is built as for its
// picture and its texts are checked, without taking the picture.

#include "framework/language.h"
#include "host/hostmodule.h"
#include "host/screenshotregistry.h"
#include "host/settingsmodule.h"
#include "languagecheck.h"
#include "modalanswer.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QRegularExpression>
#include <QTest>

namespace {

// What stays as it is in either language.
kvtest::LanguageCheck Check(const QString& language)
{
    kvtest::LanguageCheck check(language);
    for (const char* word :
         {// Names of aircraft, makers, map providers, formats and programs.
          "Kestrel", "Heron", "Egret", "Osprey", "Plover", "Varnel", "Context", "Capture", "AMap",
          "Google", "Inpho", "PhotoMod", "CC", "ATOM", "GTiff", "BMP", "HTTP", "JSON",
          // Satellite systems, devices and algorithms by their own names,
          // and the option values the host's algorithms take as they are.
          "GLONASS", "SBAS", "UTC", "CUDA", "GLSL", "CPU", "TIN", "AUS", "Brown", "Bronw", "SRTECH",
          "DEFAULT", "OBLIQUE", "LOWEST", "IWD", "TDOM", "QTDOM", "STDOM", "FTDOM", "SFTDOM",
          // Symbols of measures: vertical height, offsets, height difference.
          "VH", "dx", "dy", "DZ",
          // Keys as the keyboard names them.
          "Home", "End",
          // Form names the bars carry as window titles; docked, they never
          // show them. "TitleWidget" is the title the frame's picture gives.
          "CatalogBar", "ProcedureWidget", "TitleWidget"})
        check.Allow(QLatin1String(word));
    // Widgets that show data only.
    for (const char* name : {
             "csw_camera_base_",     // the cameras of the database
             "m_ImageName",          // an image's file name
             "crw_prj_name_combox_", // the catalogue's coordinate systems
             "ccw_coordinate_",      // the same, for the CC XML export
             "label_PrjInfo_Name",   // the project summary's values
             "label_prjInfo_meanHeight", "label_prjInfo_Operator", "label_prjInfo_cameraName",
             "label_prjInfo_coordinate", "label_PrjInfo_WorkDate", "label_PrjInfo_describe",
             "progress_info_", // the file a progress is at
             "kvv_camera",     // the viewed photo's camera
         })
        check.Skip(QLatin1String(name));
    return check;
}

// Data inside texts that are otherwise words: the fixture projects' and
// missions' names, paths and file names. They are cut out before a text is
// judged.
const QRegularExpression
    kData(QStringLiteral("演示测区 Demo|东湖测区|Mission "
                         "\\d+|航线规划|(?:/[^/\\s]+)+|[\\w.-]+\\.(?:JPG|jpg|txt|db)\\b"));

// The window's foreign texts, with the tool tips of the items of its graphics
// views (the buttons under the start page's tiles), which are no widgets.
QStringList Foreign(const QString& language, QWidget* window)
{
    const kvtest::LanguageCheck check = Check(language);
    QStringList texts = check.Texts(window);
    for (const QGraphicsView* view : window->findChildren<QGraphicsView*>()) {
        if (!view->scene())
            continue;
        for (const QGraphicsItem* item : view->scene()->items())
            texts << QStringLiteral("graphics item (tool tip): ") + item->toolTip();
    }
    QStringList foreign;
    for (const QString& text : qAsConst(texts)) {
        QString words = text.mid(text.indexOf(QStringLiteral(": ")) + 2);
        if (check.IsForeign(words.remove(kData)))
            foreign << text;
    }
    return foreign;
}

} // namespace

class TestScreenLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        // No flight-planning missions of the operator's own.
        qputenv("HOME", QFile::encodeName(kvtest::TemporaryDataDir() + QStringLiteral("/home")));
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        kvhost::AddHostScreenshots(m_registry);
        QVERIFY(m_registry.Names().size() > 50);
    }

    void cleanupTestCase() { QVERIFY(SettingsModule::ApplyLanguage(QString(), false)); }

    void windowsReadInTheLanguage_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("language");
        // The copies in a fixed language repeat entries swept here anyway.
        const QRegularExpression copy(QStringLiteral("_(en|zh_CN)$"));
        for (const QString& entry : m_registry.Names()) {
            if (copy.match(entry).hasMatch())
                continue;
            for (const char* language : {"en", "zh_CN"})
                QTest::addRow("%s %s", qPrintable(entry), language) << entry << language;
        }
    }

    void windowsReadInTheLanguage()
    {
        QFETCH(QString, entry);
        QFETCH(QString, language);
        QVERIFY(SettingsModule::ApplyLanguage(language, false));
        QStringList foreign;
        QString why;
        QVERIFY2(m_registry.Inspect(
                     entry, [&](QWidget* window) { foreign = Foreign(language, window); }, &why),
                 qPrintable(why));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
    }

    // An entry pinned to a language is read in it and the language in use is
    // back afterwards; a name that is not there is refused unseen.
    void inspectionKeepsTheLanguage()
    {
        QVERIFY(SettingsModule::ApplyLanguage(QStringLiteral("en"), false));
        QString during;
        QVERIFY(m_registry.Inspect(QStringLiteral("camera_dialog_zh_CN"),
                                   [&](QWidget*) { during = kvui::Language(); }));
        QCOMPARE(during, QStringLiteral("zh_CN"));
        QCOMPARE(kvui::Language(), QStringLiteral("en"));

        bool looked = false;
        QString why;
        QVERIFY(!m_registry.Inspect(
            QStringLiteral("no_such_entry"), [&](QWidget*) { looked = true; }, &why));
        QVERIFY(!looked);
        QVERIFY(!why.isEmpty());
    }

private:
    ScreenshotRegistry m_registry;
};

QTEST_MAIN(TestScreenLanguage)
#include "tst_screenlanguage.moc"
