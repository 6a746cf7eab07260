#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <QString>

class QWidget;

namespace kvui {

enum class SaveAnswer { Save, Discard, Cancel };

// Asks whether the unsaved changes of the project named projectName are to be
// saved before the project goes: a frameless box in the message box's style
// with Save, Discard and Cancel. Closing the box is Cancel. The caller does
// the saving; the box only asks.
KVUI_EXPORT SaveAnswer AskToSave(QWidget* parent, const QString& projectName);

} // namespace kvui

// Content of the save question.
class KVUI_EXPORT SaveQuestionWidget : public BaseWidget
{
    Q_OBJECT

public:
    // The dialog's result for Discard; Save accepts and Cancel rejects.
    static constexpr int kDiscarded = 2;

    SaveQuestionWidget(QWidget* parent, const QString& projectName);

public Q_SLOTS:
    void ClickSave();
    void ClickDiscard();
    void ClickCancel();
};

class KVUI_EXPORT SaveQuestionDialog : public kvui::ContentDialog<SaveQuestionWidget>
{
    Q_OBJECT

public:
    explicit SaveQuestionDialog(const QString& projectName, QWidget* parent = nullptr);

    // Runs the box modally.
    kvui::SaveAnswer Ask();
};
