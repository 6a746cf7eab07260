#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <string>

class QLineEdit;

// Content of the "RT27 Format Change" dialog: a Trimble RT27 (or GNS)
// receiver file and the folder the host writes its RINEX conversion to. OK
// needs both.
class KVUI_EXPORT RT27Widget : public BaseWidget
{
    Q_OBJECT

public:
    explicit RT27Widget(QWidget* parent = nullptr);

    QString RT27() const;
    QString Rinex() const;

    // What AddRT27 does with a chosen file: remembers its folder, shows the
    // file and, when no RINEX folder is set yet, proposes the file's folder.
    void ChooseRT27(const QString& file);
    // What AddRinex does with a chosen folder.
    void ChooseRinex(const QString& folder);

public Q_SLOTS:
    void AddRinex();
    void AddRT27();
    void ClickOK();
    void ClickCancel();

private:
    QLineEdit* m_rt27 = nullptr;
    QLineEdit* m_rinex = nullptr;
};

class KVUI_EXPORT RT27Dialog : public kvui::ContentDialog<RT27Widget>
{
    Q_OBJECT

public:
    explicit RT27Dialog(QWidget* parent = nullptr);

    // The two fields as narrow strings in the local code page.
    std::string GetRT27() const;
    std::string GetRinex() const;
    RT27Widget* Widget() const { return Content(); }
};

// Runs the RT27 dialog; when it is accepted files[0] receives the RT27 file
// and files[1] the RINEX folder. Returns whether it was accepted.
KVUI_EXPORT bool ShowRT27Dialog(std::string* files);
