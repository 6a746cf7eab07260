#pragma once

#include "widgethelpers.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace kvtest {

// Answers the next modal dialog that opens after it is armed (and that has the
// button to click, when one is named), so that a test can drive code that
// calls exec(). Arm it before the code under test runs:
//
//     kvtest::ModalAnswer answer;
//     answer.ExpectText("是否确定取消?").Click("kvbw2_ok_").Arm();
//     const auto code = KvMessageBox::Show(..., KvMessageBox::BT_YES_NO);
//     QVERIFY2(answer.Done(), qPrintable(answer.Error()));
//
// Buttons are found by object name or by their form name (the "kvFormName"
// property that kvui::SetStyleName keeps when a child is renamed for the
// style sheet).
class ModalAnswer : public QObject
{
    Q_OBJECT

public:
    explicit ModalAnswer(QObject* parent = nullptr);

    // The dialog's title (window title or the label of its frame) must equal title.
    ModalAnswer& ExpectTitle(const QString& title);
    // Some label of the dialog must show exactly this text.
    ModalAnswer& ExpectText(const QString& text);
    // Clicks the button with that object or form name.
    ModalAnswer& Click(const QString& buttonName);
    // Runs action on the dialog instead of (or before) a click.
    ModalAnswer& Do(std::function<void(QWidget*)> action);
    // Starts watching; gives up after timeoutMs.
    void Arm(int timeoutMs = kPatienceMs);

    bool Done() const { return m_done; }
    QString Error() const { return m_error; }
    // The dialog that was answered (null once it is destroyed).
    QWidget* Dialog() const { return m_dialog; }
    // Texts of every label seen in the answered dialog.
    QStringList SeenTexts() const { return m_seenTexts; }

private:
    void Poll();
    void Answer(QWidget* dialog);

    QString m_title;
    QString m_text;
    QString m_button;
    std::function<void(QWidget*)> m_action;
    QTimer m_timer;
    // Dialogs open when armed (and dialogs passed over), watched so that a new
    // dialog built where a destroyed one lived is not taken for it.
    QList<QPointer<QWidget>> m_before;
    bool WasOpenBefore(QWidget* w) const;
    QPointer<QWidget> m_dialog;
    QStringList m_seenTexts;
    int m_remainingMs = 0;
    bool m_done = false;
    QString m_error;
};

// Runs action and clicks button in every window that shows it while action
// runs (by default the OK of each message box), however many open, one after
// the other or none. Returns the texts of the labels of each window answered,
// in the order they opened.
QList<QStringList> AnswerEveryBox(const std::function<void()>& action,
                                  const QString& button = QStringLiteral("kvsb_ok_btn_"));

// Answers a file chooser (QFileDialog) with path and accepts it. For a folder
// chooser, path is the folder.
void ChooseFile(QWidget* chooser, const QString& path);
// Clicks the named button and answers the file chooser it opens with path.
// False (and any other dialog closed) when no file chooser opened.
bool ClickAndChooseFile(QWidget* root, const QString& button, const QString& path);

// Points the settings store and the data folder at a temporary folder, so that
// no test touches the user's real settings or data. Call from initTestCase.
void UseTemporaryEnvironment();
// The temporary data folder set by UseTemporaryEnvironment.
QString TemporaryDataDir();

} // namespace kvtest
