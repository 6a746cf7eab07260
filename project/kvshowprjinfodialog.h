#pragma once

#include "framework/basewidget.h"
#include "framework/kvshared.h"
#include "kvprj/kvproject.h"
#include "kvui_export.h"
#include "project/projectpagedialog.h"

#include <memory>

class QLabel;
class LazyTableWidget;

namespace kvmath {
class GeoPrj;
}

// The read-only summary of a project, the last page of the project wizard: its
// description, camera and coordinate system, and every image with its position
// in the project's coordinate system. Works on its own copy of the project.
class KVUI_EXPORT KvShowPrjInfoWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit KvShowPrjInfoWidget(QWidget* parent = nullptr);
    ~KvShowPrjInfoWidget() override;

    // Copies project, projects the copy's image positions (longitude and
    // latitude in degrees) into the project's coordinate system and shows it.
    void SetProject(const kvprj::KvProject& project);
    WResut Result() const { return m_result; }
    // The copy as shown, positions projected.
    const kvprj::KvProject& Project() const;

public Q_SLOTS:
    // Finish: refused, with a message, while the project has no image.
    void slot_OkBtn_clicked();
    void slot_CancelBtn_clicked();
    void slot_ForwardBtn_clicked();

private:
    // Makes the transformation to the project's system; the positions are
    // projected row by row as the table shows them, and all at once only
    // when Project() is asked for.
    void PrepareProjection();
    void ProjectPositions() const;
    void Fill();
    void FillTable();

    // Mutable: Project() projects the positions on first request.
    mutable kvprj::KvProject m_project;
    mutable bool m_projected = true;
    std::unique_ptr<kvmath::GeoPrj> m_transform;
    WResut m_result = WR_CANCEL;
    QLabel* m_name = nullptr;
    QLabel* m_meanHeight = nullptr;
    QLabel* m_operator = nullptr;
    QLabel* m_camera = nullptr;
    QLabel* m_coordinate = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_description = nullptr;
    LazyTableWidget* m_table = nullptr;
};

class KVUI_EXPORT KvShowPrjInfoDialog : public kvui::ProjectPageDialog<KvShowPrjInfoWidget>
{
    Q_OBJECT

public:
    explicit KvShowPrjInfoDialog(QWidget* parent = nullptr);

    // Shows a copy of project; the project itself is never changed.
    void SetProject(kvprj::KvProject* project);
};

// Shows the summary of a copy of project. The page's result (WR_NEXT for
// Finish, WR_BACK for Back) when it was accepted, WR_CANCEL otherwise.
KVUI_EXPORT WResut ShowPreviewDialog(kvprj::KvProject& project);
