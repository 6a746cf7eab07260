#pragma once

#include <QString>

// The language of the image viewer: the one the operator chose in the host's
// Settings ▸ Language (the library's settings store), unless its command line
// names another. The viewer's own texts are in its catalogues
// (translations/viewer_*.ts), built into kvviewer_core; the library's come
// with kvui.
namespace kvviewer {

// Makes the viewer's catalogues known to kvui::SetLanguage. A program that
// shows the viewer's window (the viewer, and the host's pictures of it) calls
// it before SetLanguage; calling it again does nothing.
void InitTranslations();

// The language the host keeps in the settings store; "" (the texts as
// written) when none or an unknown one is kept.
QString StoredLanguage();

// The code of a language as the command line names it: "en", "zh_CN", or
// "default" for the texts as written. False, and code untouched, otherwise.
bool CodeOfName(const QString& name, QString* code);

// InitTranslations, then kvui::SetLanguage(code). False, and nothing changes,
// for an unknown code.
bool ApplyLanguage(const QString& code);

} // namespace kvviewer
