#pragma once

#include "framework/basewidget.h"
#include "framework/kvshared.h"
#include "kvui_export.h"
#include "project/projectpagedialog.h"

class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace kvprj {
class KvProject;
}

// The project-description page, the first page of the project wizard: name,
// operator, date, description, view type and aircraft. Next checks the input
// and writes it into the project's description; a refused input is told in a
// message box and the page stays open with what the user typed.
class KVUI_EXPORT KvCreatProjectWidget : public BaseWidget
{
    Q_OBJECT

public:
    // Combo index of "其他" and the aircraft type it stands for.
    static constexpr int kOtherIndex = 5;
    static constexpr int kOtherAircraft = 99;
    // Longest name or operator that can be typed, and longest description.
    static constexpr int kMaxNameLength = 32;
    static constexpr int kMaxDescriptionLength = 128;

    explicit KvCreatProjectWidget(QWidget* parent = nullptr);

    // Shows the project's description; the project is written on Next. The
    // project is not owned and must outlive the page.
    void SetProject(kvprj::KvProject* project);
    WResut Result() const { return m_result; }

public Q_SLOTS:
    void slot_next();
    void slot_quit();

private:
    bool Validate() const;

    kvprj::KvProject* m_project = nullptr;
    WResut m_result = WR_CANCEL;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_operator = nullptr;
    QDateTimeEdit* m_date = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QRadioButton* m_nadir = nullptr;
    QRadioButton* m_oblique = nullptr;
    QComboBox* m_aircraft = nullptr;
};

class KVUI_EXPORT KvCreatProjectDialog : public kvui::ProjectPageDialog<KvCreatProjectWidget>
{
    Q_OBJECT

public:
    explicit KvCreatProjectDialog(QWidget* parent = nullptr);

    void SetProject(kvprj::KvProject* project) { Content()->SetProject(project); }
};

// Runs the description page on project, which the page edits in place on Next.
// The page's result when it was accepted, WR_CANCEL otherwise.
KVUI_EXPORT WResut ShowPrjInfoDialog(kvprj::KvProject& project);
