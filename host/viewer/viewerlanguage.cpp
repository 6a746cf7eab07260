#include "host/viewer/viewerlanguage.h"

#include "framework/kvsettingskeys.h"
#include "framework/language.h"
#include "host/kvhostsettingskeys.h"

#include <QSettings>

// Q_INIT_RESOURCE declares the initialiser in the enclosing namespace, so it
// has to be used from the global one. kvviewer_core is a static library:
// without this its catalogues would never be registered.
static void InitViewerTranslations()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(kvviewer_translations);
        return true;
    }();
    Q_UNUSED(done);
}

namespace kvviewer {

void InitTranslations()
{
    InitViewerTranslations();
}

QString StoredLanguage()
{
    const QSettings store {QLatin1String(kvui::settings::kOrganization),
                           QLatin1String(kvui::settings::kApplication)};
    const QString code = store.value(QLatin1String(kvhost::settings::kLanguage)).toString();
    return kvui::Languages().contains(code) ? code : QString();
}

bool CodeOfName(const QString& name, QString* code)
{
    if (name == QLatin1String("default")) {
        *code = QString();
        return true;
    }
    if (name.isEmpty() || !kvui::Languages().contains(name))
        return false;
    *code = name;
    return true;
}

bool ApplyLanguage(const QString& code)
{
    InitTranslations();
    return kvui::SetLanguage(code);
}

} // namespace kvviewer
