#pragma once

#include "patience.h"

#include <QString>
#include <QWidget>

// Finding and driving the children of a form by name, as every suite does.
// Names are object names or form names (the "kvFormName" property that
// kvui::SetStyleName keeps when a child is renamed for the style sheet).
namespace kvtest {

// The first child of root with that object name, else the first with that
// form name; null when there is none.
QWidget* FindNamed(QWidget* root, const QString& name);

template <class T> T* Find(QWidget* root, const QString& name)
{
    return qobject_cast<T*>(FindNamed(root, name));
}

// Clicks the named button with the left mouse button. A missing button fails
// the running test instead of crashing it.
void Click(QWidget* root, const QString& name);

// The text of the named line edit, label, button, combo box (its current
// text) or plain text edit; "<no NAME>" when there is no such child, so that a
// comparison fails with the name in its message.
QString Text(QWidget* root, const QString& name);

// Replaces the text of the named line edit or plain text edit through
// setText: no key events, so a validator does not stop the text. A
// missing child fails the running test.
void SetText(QWidget* root, const QString& name, const QString& text);

} // namespace kvtest
