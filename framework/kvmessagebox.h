#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <string>

// The library's one way to tell the operator something or ask a yes/no
// question: a small frameless "Warning" box.
class KVUI_EXPORT KvMessageBox : public FrameDialog
{
    Q_OBJECT

public:
    enum BoxType : int { BT_OK = 0, BT_YES_NO = 1 };
    enum BoxCode : int { BC_OK = 0, BC_NO = 1, BC_CLOSED = 2 };

    // Shows text (in the local code page; translated by kvui::LocalText, see
    // framework/language.h) modally. BT_OK has one OK button, BT_YES_NO has
    // Yes and No; any other type shows the frame alone. Returns BC_OK for OK
    // or Yes, BC_NO for No, BC_CLOSED for the title bar's close.
    static BoxCode Show(std::string text, BoxType type);
    static BoxCode Show(std::string text, int type) { return Show(std::move(text), BoxType(type)); }

private:
    KvMessageBox(const QString& text, BoxType type);
};

// Content of the one-button box.
class KVUI_EXPORT KvMessageBoxWidget : public BaseWidget
{
    Q_OBJECT

public:
    KvMessageBoxWidget(QWidget* parent, const QString& text);

public Q_SLOTS:
    void ClickOK();
};

// Content of the Yes/No box. No ends the dialog with -1 so that it is told
// apart from closing (0).
class KVUI_EXPORT KvMessageBoxWidget2 : public BaseWidget
{
    Q_OBJECT

public:
    KvMessageBoxWidget2(QWidget* parent, const QString& text);

public Q_SLOTS:
    void ClickOK();
    void ClickCancel();
};
