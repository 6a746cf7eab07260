#pragma once

#include "host/hostmodule.h"

class QAction;
class QMenu;

// Settings ▸ Language: every text of the library and the host in English, in
// Chinese, or as written (English titles, Chinese messages). The choice is kept
// in the settings store and applied at the next start before any window is
// built. Windows opened after a change are built in the new language and the
// main window's own menus follow at once; the other modules' menu entries keep
// their language until kvhost starts again, and the operator is told so.
class SettingsModule : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("settings"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

    // The language code (kvui::Languages()) of a name as the command line and
    // the action names spell it: "default", "en", "zh_CN". False when unknown.
    static bool CodeOfName(const QString& name, QString* code);
    // The language kept in the settings store; "" when none or an unknown one.
    static QString StoredLanguage();
    // Puts the library and the host into the language code (kvui::SetLanguage
    // with the host's own translations); with store, kvhost starts in it from
    // now on. False, and nothing changes, for an unknown code.
    static bool ApplyLanguage(const QString& code, bool store);

public Q_SLOTS:
    // What an entry of the Language menu does.
    void ChooseLanguage(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();

    KvMainWindow* m_window = nullptr;
    QMenu* m_menu = nullptr;
    QMenu* m_languages = nullptr;
};
