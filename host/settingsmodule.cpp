#include "host/settingsmodule.h"

#include "framework/kvsettingskeys.h"
#include "framework/language.h"
#include "host/kvhostsettingskeys.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "host/viewer/viewerlanguage.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

// Q_INIT_RESOURCE declares the initialiser in the enclosing namespace, so it
// has to be used from the global one. The host is a static library: without
// this its catalogues would never be registered.
static void InitHostTranslations()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(kvhost_translations);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {

struct Choice
{
    const char* name; // after "kv_action_language_", and on the command line
    const char* code;
    // Each language is offered in its own words, so that an operator who
    // cannot read the current one still finds his; null for "Default".
    const char* ownName;
};

const Choice kChoices[] = {
    {"en", "en", "English"},
    {"zh_CN", "zh_CN", "简体中文"},
    {"default", "", nullptr},
};

QSettings Store()
{
    return QSettings(QLatin1String(kvui::settings::kOrganization),
                     QLatin1String(kvui::settings::kApplication));
}

// The entries' texts and which one is checked, for the current language.
void SyncLanguageEntries(QMenu* menu)
{
    for (QAction* action : menu->actions()) {
        const QString code = action->data().toString();
        if (code.isEmpty())
            action->setText(SettingsModule::tr("Default (English and Chinese)"));
        action->setChecked(code == kvui::Language());
    }
}

QMenu* MakeLanguageMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("kv_menu_language"));
    auto* group = new QActionGroup(menu);
    for (const Choice& choice : kChoices) {
        QAction* action
            = menu->addAction(choice.ownName ? QString::fromUtf8(choice.ownName) : QString());
        action->setObjectName(QStringLiteral("kv_action_language_") + QLatin1String(choice.name));
        action->setData(QLatin1String(choice.code));
        action->setCheckable(true);
        group->addAction(action);
    }
    SyncLanguageEntries(menu);
    return menu;
}

} // namespace

void SettingsModule::Install(KvMainWindow& window)
{
    m_window = &window;
    QMenuBar* bar = window.menuBar();
    m_menu = new QMenu(bar);
    m_menu->setObjectName(QStringLiteral("kv_menu_settings"));
    bar->insertMenu(window.Menu(KvMainWindow::MenuId::Help)->menuAction(), m_menu);
    m_languages = MakeLanguageMenu(m_menu);
    m_menu->addMenu(m_languages);
    for (QAction* action : m_languages->actions()) {
        connect(action, &QAction::triggered, this,
                [this, code = action->data().toString()] { ChooseLanguage(code); });
    }
    // The menu learns of every change of language, however it was made.
    m_menu->installEventFilter(this);
    Retranslate();
}

void SettingsModule::Screenshots(ScreenshotRegistry& registry) const
{
    registry.Add(QStringLiteral("settings_language"),
                 [] { return std::unique_ptr<QWidget>(MakeLanguageMenu(nullptr)); });
}

bool SettingsModule::CodeOfName(const QString& name, QString* code)
{
    for (const Choice& choice : kChoices) {
        if (name == QLatin1String(choice.name)) {
            *code = QLatin1String(choice.code);
            return true;
        }
    }
    return false;
}

QString SettingsModule::StoredLanguage()
{
    const QString code = Store().value(QLatin1String(kvhost::settings::kLanguage)).toString();
    return kvui::Languages().contains(code) ? code : QString();
}

bool SettingsModule::ApplyLanguage(const QString& code, bool store)
{
    InitHostTranslations();
    // The host pictures the viewer's window.
    kvviewer::InitTranslations();
    if (!kvui::SetLanguage(code))
        return false;
    if (store)
        Store().setValue(QLatin1String(kvhost::settings::kLanguage), code);
    return true;
}

void SettingsModule::ChooseLanguage(const QString& code)
{
    if (code == kvui::Language() || !ApplyLanguage(code, true)) {
        SyncLanguageEntries(m_languages);
        return;
    }
    m_window->ShowStatus(tr("Language changed. The menus follow at once and windows opened from "
                            "now on use it; restart kvhost to see it in the bars already shown."));
}

bool SettingsModule::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_menu && event->type() == QEvent::LanguageChange)
        Retranslate();
    return HostModule::eventFilter(watched, event);
}

void SettingsModule::Retranslate()
{
    m_menu->setTitle(tr("&Settings"));
    m_languages->setTitle(tr("&Language"));
    SyncLanguageEntries(m_languages);
}
