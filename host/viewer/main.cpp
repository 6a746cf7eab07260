// Lumo_Viewer, the image viewer that the library's LoadImagesToViewer starts
// beside the host program.
//
//   Lumo_Viewer <code 1> <code 2>   shows the photos of <data folder>/viewer.ini;
//                                   a viewer already showing that list is asked
//                                   to read it again instead, and this one ends
//   Lumo_Viewer PHOTO...            shows the photos given, in a window of its own
//
// Started without arguments, or with launch codes that are not the pair in
// order, it says so on stderr and ends with status 2.
//
// Its texts are in the language the operator chose in the host; a first
// "--language LANGUAGE" (en, zh_CN or default) names another for this run.
//
// Two environment variables let a test watch a viewer it cannot see:
//   KVUI_VIEWER_REPORT=FILE   after each photo is shown (or found unshowable)
//                             FILE is replaced by "key=value" lines: pid, the
//                             list, count, current (from 1), file, shown
//                             (WxH), error, latitude, longitude, altitude,
//                             camera and each problem of the list
//   KVUI_VIEWER_QUIT_MS=N     the viewer ends N ms after it started

#include "framework/kvshared.h"
#include "host/viewer/photolist.h"
#include "host/viewer/viewerinstance.h"
#include "host/viewer/viewerlanguage.h"
#include "host/viewer/viewerwindow.h"

#include <QApplication>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimer>
#include <cstdio>

namespace {

void Say(FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

QString Usage()
{
    return QCoreApplication::translate(
               "kvui",
               "Usage: %1 PHOTO...\n"
               "Shows the photos given. The application starts the viewer with its own\n"
               "launch codes to show the photos it has listed.")
               .arg(QLatin1String(kvui::kViewerProgram))
        + QLatin1Char('\n')
        + QCoreApplication::translate(
               "kvui",
               "Before the photos or the codes, --language LANGUAGE shows every text in\n"
               "LANGUAGE (en, zh_CN, or default: the texts as written) instead of the\n"
               "language chosen in the application.");
}

// Takes a leading "--language NAME" or "--language=NAME" off the arguments
// and gives whether there was one. An option without its value names no
// language at all: name is then empty, which is no language's name.
bool TakeLanguage(QList<QByteArray>& arguments, QString* name)
{
    static const QByteArray option("--language");
    if (arguments.isEmpty())
        return false;
    const QByteArray first = arguments.takeFirst();
    if (first == option) {
        *name = arguments.isEmpty() ? QString() : QString::fromLocal8Bit(arguments.takeFirst());
        return true;
    }
    if (first.startsWith(option + '=')) {
        *name = QString::fromLocal8Bit(first.mid(option.size() + 1));
        return true;
    }
    arguments.prepend(first);
    return false;
}

bool LooksLikeLaunchCode(const QByteArray& argument)
{
    static const QRegularExpression code(
        QStringLiteral("^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-"
                       "[0-9A-Fa-f]{12}$"));
    return code.match(QString::fromLatin1(argument)).hasMatch();
}

void WriteReport(const QString& file, const ViewerWindow& window)
{
    QSaveFile report(file);
    if (!report.open(QIODevice::WriteOnly))
        return;
    report.write(QStringLiteral("pid=%1\n").arg(QCoreApplication::applicationPid()).toUtf8());
    report.write(window.Describe().toUtf8());
    report.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(kvui::kViewerProgram));

    // QApplication has taken its own options out of argv; the rest are kept as
    // bytes, so that a photo whose name is no valid UTF-8 still opens.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);

    // Before anything is said or shown, the help text included.
    kvviewer::ApplyLanguage(kvviewer::StoredLanguage());
    QString languageName;
    if (TakeLanguage(arguments, &languageName)) {
        QString code;
        if (!kvviewer::CodeOfName(languageName, &code)) {
            Say(stderr,
                QCoreApplication::translate("kvui",
                                            "%1: unknown language \"%2\" (en, zh_CN or default).")
                    .arg(QLatin1String(kvui::kViewerProgram), languageName));
            return 2;
        }
        kvviewer::ApplyLanguage(code);
    }

    const bool launched = arguments.size() == 2 && arguments[0] == kvui::kViewerCode1
        && arguments[1] == kvui::kViewerCode2;
    if (!launched) {
        if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
            Say(stdout, Usage());
            return 0;
        }
        if (arguments.isEmpty()) {
            Say(stderr,
                QCoreApplication::translate(
                    "kvui",
                    "%1: no photos given, and not started by the application (its launch "
                    "codes are missing).")
                    .arg(QLatin1String(kvui::kViewerProgram)));
            Say(stderr, Usage());
            return 2;
        }
        for (const QByteArray& argument : arguments) {
            if (LooksLikeLaunchCode(argument)) {
                Say(stderr,
                    QCoreApplication::translate(
                        "kvui", "%1: these are not the launch codes of the application.")
                        .arg(QLatin1String(kvui::kViewerProgram)));
                return 2;
            }
        }
    }

    const QString listFile = kvviewer::ListFilePath();
    ViewerInstance instance(listFile);
    if (launched) {
        if (instance.HandOver() || (!instance.Listen() && instance.HandOver()))
            return 0;
    }

    ViewerWindow window;
    const QString report = qEnvironmentVariable("KVUI_VIEWER_REPORT");
    if (!report.isEmpty()) {
        QObject::connect(&window, &ViewerWindow::PhotoShown, &window,
                         [&report, &window] { WriteReport(report, window); });
    }
    bool quitAfterOk = false;
    const int quitMs = qEnvironmentVariableIntValue("KVUI_VIEWER_QUIT_MS", &quitAfterOk);
    if (quitAfterOk && quitMs >= 0)
        QTimer::singleShot(quitMs, &app, &QCoreApplication::quit);

    QObject::connect(&instance, &ViewerInstance::ListRequested, &window, [&window] {
        window.ReloadList();
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.raise();
        window.activateWindow();
    });
    window.SetPhotos(launched ? kvviewer::ReadPhotoList(listFile)
                              : kvviewer::PhotoListFromArguments(arguments));
    window.show();
    return app.exec();
}
