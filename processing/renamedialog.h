#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

class QLineEdit;
class QRadioButton;

// Content of the "Rename" dialog: renames every file of a folder by putting a
// text before or after its title (the extension stays as it is). A name that
// is taken already is never replaced: that file keeps its name. The closing
// message tells how many files were renamed and names those that were not; a
// folder that does not exist is told instead, and the dialog stays open.
class KVUI_EXPORT RenameWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit RenameWidget(QWidget* parent = nullptr);

public Q_SLOTS:
    void ClickOpenPath();
    void ClickBefore();
    void ClickAfter();
    void ClickRun();
    void ClickExit();

private:
    QLineEdit* m_path = nullptr;
    QRadioButton* m_before = nullptr;
    QRadioButton* m_after = nullptr;
    QLineEdit* m_beforeText = nullptr;
    QLineEdit* m_afterText = nullptr;
};

class KVUI_EXPORT RenameDialog : public kvui::ContentDialog<RenameWidget>
{
    Q_OBJECT

public:
    explicit RenameDialog(QWidget* parent = nullptr);
};

KVUI_EXPORT void ShowRenameDialog();

namespace kvui {

// Renames from to to unless to exists (as a file, folder or link): on no file
// system does an existing file get replaced. False when nothing was renamed.
KVUI_EXPORT bool RenameWithoutReplacing(const std::string& from, const std::string& to);

} // namespace kvui
