#pragma once

#include "kvui_export.h"

#include <QString>
#include <QStringList>

class QWidget;

// The file and folder choosers of every form. Each opens a QFileDialog at the
// one remembered folder (GetDefaultPath()) and, when the operator answers,
// remembers where the answer lies (SetDefaultPath), so the next chooser of any
// form opens there. Cancelling returns an empty answer and remembers nothing.
//
// Caption and filter come either as text in the local code page (const char*,
// as the forms keep their Chinese captions; marked for translation with
// QT_TRANSLATE_NOOP("kvui", ...) and translated here, see framework/language.h)
// or as tr() text:
//
//     const QString file = kvui::ChooseFile(this, tr("Import POS"),
//                                           QStringLiteral("Text File(*.txt);; All(*.*)"));
//     if (!file.isEmpty())
//         LoadFile(file);
//
//     const QString folder = kvui::ChooseFolder(this, QT_TRANSLATE_NOOP("kvui", "选择输出目录"));
namespace kvui {

enum class FileAction {
    Open, // an existing file to read
    Save, // a file to write; the dialog asks before replacing one
};

// One file; its folder is remembered. A non-empty start (a file or folder)
// opens there instead of the remembered folder, as when a file name is
// proposed.
KVUI_EXPORT QString ChooseFile(QWidget* parent, const QString& caption, const QString& filter,
                               FileAction action = FileAction::Open,
                               const QString& start = QString());
KVUI_EXPORT QString ChooseFile(QWidget* parent, const char* caption, const char* filter,
                               FileAction action = FileAction::Open);

// Several existing files; the folder of the first is remembered.
KVUI_EXPORT QStringList ChooseFiles(QWidget* parent, const QString& caption, const QString& filter);
KVUI_EXPORT QStringList ChooseFiles(QWidget* parent, const char* caption, const char* filter);

// A folder (only folders are shown); the folder itself is remembered.
KVUI_EXPORT QString ChooseFolder(QWidget* parent, const QString& caption);
KVUI_EXPORT QString ChooseFolder(QWidget* parent, const char* caption);

} // namespace kvui
