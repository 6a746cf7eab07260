#pragma once

#include "kvui_export.h"

#include <QString>
#include <QStringList>
#include <string>

// The language the operator reads. By default every text stays as written:
// English titles and labels, Chinese messages, captions and file filters, and
// the Chinese constant strings of KvGetConstString. SetLanguage puts all of
// them into one language, from the translations built into the library (and
// into the host: every catalogue embedded under ":/i18n/" whose name ends in
// "_<code>.qm" is loaded).
//
// How a text becomes translatable:
//
// - Inside a class with Q_OBJECT: tr("..."), whatever its script, in the
//   class's own context.
// - Elsewhere: QCoreApplication::translate(kvui::kTextContext, "...").
// - A fixed text in the local code page (const char*, std::string) that reaches
//   the operator through KvMessageBox::Show, the progress reports of
//   KvProgressImpl, the const char* forms of kvui::ChooseFile, ChooseFiles,
//   ChooseFolder and BrowseInto, or the constant-string table: mark the literal
//   where it is written, QT_TRANSLATE_NOOP("kvui", "工程名不合法！"), and pass
//   it on unchanged; those functions translate it. Where such a literal is
//   shown some other way, show it with kvui::LocalText(text) instead of
//   QString::fromLocal8Bit or String2QString.
//
// The literal must be written without the u8 prefix: lupdate does not see
// u8"..." strings. The sources are UTF-8 and are compiled with a UTF-8
// execution character set, so the bytes are the same.
//
// Text that is data (names of projects, images and cameras, paths, numbers)
// is never translated: keep it out of tr() and LocalText.
namespace kvui {

// The context of translatable texts outside QObject classes, and of every
// local-code-page literal.
constexpr const char* kTextContext = "kvui";

// The codes SetLanguage takes: "" (the texts as written), "en", "zh_CN".
KVUI_EXPORT QStringList Languages();
// The code of the language set last; "" until SetLanguage chose another.
KVUI_EXPORT QString Language();
// Replaces the translations installed on the application by those of code
// (the library's, the host's and Qt's own for its standard dialogs) and
// registers the constant strings 101-188 again in that language; "" removes
// them and restores the texts as written. Widgets that exist already receive
// QEvent::LanguageChange; windows opened afterwards are built in the language.
// An unknown code changes nothing and gives false. Needs the QApplication.
KVUI_EXPORT bool SetLanguage(const QString& code);

// A fixed text in the local code page as the operator reads it: its
// translation in kTextContext when the language has one, otherwise the text
// itself decoded from the local code page (what String2QString gives).
KVUI_EXPORT QString LocalText(const char* text);
KVUI_EXPORT QString LocalText(const std::string& text);

} // namespace kvui
