#pragma once

class QAbstractButton;
class QWidget;

namespace kvhost {

// The library's tool buttons carry no text: their look is meant to come from
// the style sheet through the object name. This host draws only some of them,
// so the others get a short word and a tool tip here, by object name.
// Buttons that already have a text, an icon or a style-sheet picture are left
// alone, and so are names this host does not know.
void GiveButtonsWords(QWidget* root);

// Whether the application style sheet paints a picture on this button.
bool HasStyleSheetPicture(const QAbstractButton& button);

} // namespace kvhost
