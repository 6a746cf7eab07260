#pragma once

#include "kvui_export.h"

class QTableView;
class QWidget;

namespace kvui {

// Gives a form's child the object name the host's style sheet selects on
// ("kvcombtn", "kvquitbtn", "kvlineedit", ...). The form's own name for the
// child stays readable as the property "kvFormName", so tests and the host can
// still tell two "kvcombtn" buttons apart.
KVUI_EXPORT void SetStyleName(QWidget* widget, const char* styleName);

// Tables that list images or POS records: the form's font one point smaller,
// in the system's fixed-pitch family, for the cells and both headers.
KVUI_EXPORT void SetListFont(QTableView* table, const QWidget* form);

} // namespace kvui
