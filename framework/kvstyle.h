#pragma once

#include "kvui_export.h"

class QWidget;

namespace kvui {

// Gives a form's child the object name the host's style sheet selects on
// ("kvcombtn", "kvquitbtn", "kvlineedit", ...). The form's own name for the
// child stays readable as the property "kvFormName", so tests and the host can
// still tell two "kvcombtn" buttons apart.
KVUI_EXPORT void SetStyleName(QWidget* widget, const char* styleName);

} // namespace kvui
