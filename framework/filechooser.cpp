#include "framework/filechooser.h"

#include "framework/kvshared.h"
#include "framework/language.h"

#include <QFileDialog>

namespace kvui {

namespace {

// Captions and filters written in the local code page are translated here,
// once for every form.
QString Local(const char* text)
{
    return LocalText(text);
}

} // namespace

QString ChooseFile(QWidget* parent, const QString& caption, const QString& filter,
                   FileAction action, const QString& start)
{
    const QString at = start.isEmpty() ? GetDefaultPath() : start;
    const QString file = action == FileAction::Save
        ? QFileDialog::getSaveFileName(parent, caption, at, filter)
        : QFileDialog::getOpenFileName(parent, caption, at, filter);
    if (!file.isEmpty())
        SetDefaultPath(file, true);
    return file;
}

QString ChooseFile(QWidget* parent, const char* caption, const char* filter, FileAction action)
{
    return ChooseFile(parent, Local(caption), Local(filter), action);
}

QStringList ChooseFiles(QWidget* parent, const QString& caption, const QString& filter)
{
    const QStringList files
        = QFileDialog::getOpenFileNames(parent, caption, GetDefaultPath(), filter);
    if (!files.isEmpty())
        SetDefaultPath(files.first(), true);
    return files;
}

QStringList ChooseFiles(QWidget* parent, const char* caption, const char* filter)
{
    return ChooseFiles(parent, Local(caption), Local(filter));
}

QString ChooseFolder(QWidget* parent, const QString& caption)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, caption, GetDefaultPath(),
                                                             QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        SetDefaultPath(folder, false);
    return folder;
}

QString ChooseFolder(QWidget* parent, const char* caption)
{
    return ChooseFolder(parent, Local(caption));
}

} // namespace kvui
