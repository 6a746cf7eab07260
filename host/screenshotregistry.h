#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

// The pictures of "kvhost --screenshot DIR": every entry renders one dialog or
// panel to DIR/<name>.png. A panel or a dialog that can be shown without
// exec() is an Add; a dialog that only opens modally (KvMessageBox::Show) is an
// AddModal.
class ScreenshotRegistry
{
public:
    // Makes the widget to picture. The registry shows it as a window of its
    // own, waits until it is painted, grabs it and deletes it.
    using WidgetFactory = std::function<std::unique_ptr<QWidget>()>;
    // Opens a modal dialog and returns once it has closed. The registry grabs
    // the dialog while it is open and then clicks closeButton (an object name,
    // or the form name kept in "kvFormName"), or rejects the dialog when there
    // is no such button.
    using ModalOpener = std::function<void()>;

    // An entry of a name already added replaces it.
    void Add(const QString& name, WidgetFactory make);
    void AddModal(const QString& name, ModalOpener open, const QString& closeButton = QString());

    // A copy of the entry name (added before) rendered in another language
    // (a code of kvui::Languages()), under "<name>_<language>"; the language in
    // use before is back once the picture is taken. False when there is no
    // such entry.
    bool AddTranslated(const QString& name, const QString& language);

    QStringList Names() const;

    // Renders every entry into dir, which is created when missing. False when
    // any entry failed; failures then holds "<name>: <why>" for each.
    bool RenderAll(const QString& dir, QStringList* failures = nullptr) const;

    // Makes or opens the entry name as rendering does, in the entry's own
    // language when it has one, hands its window to look while it is shown,
    // and closes it; no picture is taken. False (with why) when there is no
    // such entry or its window never appeared; look is not called then.
    bool Inspect(const QString& name, const std::function<void(QWidget*)>& look,
                 QString* why = nullptr) const;

    // Backdrop behind translucent windows, standing in for the desktop.
    static constexpr unsigned kBackdrop = 0xff5a6472;
    // How long an entry may take to appear.
    static constexpr int kTimeoutMs = 5000;

private:
    struct Entry
    {
        QString name;
        WidgetFactory make;
        ModalOpener open;
        QString closeButton;
        QString language; // empty: the language in use
    };

    // Does something with a shown window; false, with why, when it failed.
    using WindowUse = std::function<bool(QWidget* window, QString& why)>;

    // Shows entry's window, lets rounds of events pass and hands it to use
    // before it is closed.
    bool Present(const Entry& entry, int rounds, QString& why, const WindowUse& use) const;
    bool PresentWidget(const Entry& entry, int rounds, QString& why, const WindowUse& use) const;
    bool PresentModal(const Entry& entry, int rounds, QString& why, const WindowUse& use) const;
    void Put(Entry entry);

    std::vector<Entry> m_entries;
};
