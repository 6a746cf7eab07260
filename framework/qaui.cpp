#include "framework/qaui.h"

qaui::qaui(QWidget* parent)
    : QWidget(parent)
{ }
