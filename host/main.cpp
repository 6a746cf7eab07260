#include "framework/kvsettingskeys.h"
#include "host/algosettingsmodule.h"
#include "host/hostmodule.h"
#include "host/hoststyle.h"
#include "host/kvmainwindow.h"
#include "host/projectmodule.h"
#include "host/screenshotregistry.h"
#include "host/settingsmodule.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char** argv)
{
    // The quality report's web view shares OpenGL contexts with the widgets;
    // it must be said before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The web engine reads its sandbox switch once, when it starts; as root
    // (containers, CI) it refuses the sandbox and the report viewer and the
    // PDF printing would stay blank, so that is settled before anything runs.
    AlgoSettingsModule::PrepareWebView();
    QApplication app(argc, argv);
    // The library keeps its settings under these names; the host shares them.
    QCoreApplication::setOrganizationName(QLatin1String(kvui::settings::kOrganization));
    QCoreApplication::setApplicationName(QLatin1String(kvui::settings::kApplication));
    HostStyle::Apply(app);
    // Before anything is built, the help text included.
    SettingsModule::ApplyLanguage(SettingsModule::StoredLanguage(), false);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Demo host of the kvui widget library."));
    parser.addHelpOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QCoreApplication::translate("main",
                                    "Render every dialog and panel to PNG files in DIR and exit."),
        QStringLiteral("DIR"));
    parser.addOption(screenshot);
    const QCommandLineOption language(
        QStringLiteral("language"),
        QCoreApplication::translate("main",
                                    "Show every text in LANGUAGE (en, zh_CN, or default: the "
                                    "texts as written) instead of the language chosen in "
                                    "Settings, without changing that choice."),
        QStringLiteral("LANGUAGE"));
    parser.addOption(language);
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QCoreApplication::translate("main", "Project file to open."),
                                 QStringLiteral("[project.db]"));
    parser.process(app);

    if (parser.isSet(language)) {
        QString code;
        if (!SettingsModule::CodeOfName(parser.value(language), &code)) {
            std::fprintf(stderr, "kvhost: %s\n",
                         qPrintable(QCoreApplication::translate("main", "unknown language %1")
                                        .arg(parser.value(language))));
            return 2;
        }
        SettingsModule::ApplyLanguage(code, false);
    }

    if (parser.isSet(screenshot)) {
        ScreenshotRegistry registry;
        kvhost::AddHostScreenshots(registry);
        QStringList failures;
        const bool ok = registry.RenderAll(parser.value(screenshot), &failures);
        for (const QString& failure : failures)
            std::fprintf(stderr, "kvhost: %s\n", qPrintable(failure));
        return ok ? 0 : 1;
    }

    KvMainWindow window;
    if (!parser.positionalArguments().isEmpty()) {
        window.OpenProject(parser.positionalArguments().constFirst());
    } else if (!window.FindModule<ProjectModule>()->ShowStartPage()) {
        // As the application does: it starts on the start page, and closing
        // that page without a project ends it.
        return 0;
    }
    window.show();
    return app.exec();
}
