#include "settings/procedurebar.h"

#include "framework/formrows.h"

#include <QLabel>
#include <QPushButton>

ProcedureBar::ProcedureBar(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("ProcedureWidget"));
    setWindowTitle(QStringLiteral("ProcedureWidget"));
    setFixedSize(200, 420);

    QLabel* title = kvui::MakeLabel(this, tr("   Procedures"), "pw_title_label_");
    QFont bold = title->font();
    bold.setWeight(75);
    title->setFont(bold);
    title->setGeometry(0, 10, 200, 30);

    auto button = [this](const char* name, int x, int y, int w, int h) {
        QPushButton* made = kvui::MakeToolButton(this, name, QString(), QSize());
        made->setGeometry(x, y, w, h);
        return made;
    };
    QPushButton* featureGroup = button("pw_feature_group_btn_", 10, 50, 56, 40);
    QPushButton* baGroup = button("pw_ba_group_btn_", 72, 50, 56, 40);
    QPushButton* mosaicGroup = button("pw_mosaic_group_btn_", 134, 50, 56, 40);
    // The steps of one group share the places below the group buttons.
    m_matching = button("pw_feature_btn_", 30, 110, 140, 40);
    m_optimize = button("pw_adjust_btn_", 30, 110, 140, 40);
    m_ba = button("pw_ba_btn_", 30, 166, 140, 40);
    m_qdsm = button("pw_qdsm_btn_", 30, 110, 140, 40);
    m_modelReport = button("pw_model_report_btn_", 30, 166, 140, 40);
    m_mosaic = button("pw_mosaic_btn_", 30, 222, 140, 40);

    connect(featureGroup, &QPushButton::clicked, this, &ProcedureBar::ShowFeatureGroup);
    connect(baGroup, &QPushButton::clicked, this, &ProcedureBar::ShowBAGroup);
    connect(mosaicGroup, &QPushButton::clicked, this, &ProcedureBar::ShowMosaicGroup);
    connect(m_matching, &QPushButton::clicked, this, &ProcedureBar::ClickMatching);
    connect(m_ba, &QPushButton::clicked, this, &ProcedureBar::ClickBA);
    connect(m_optimize, &QPushButton::clicked, this, &ProcedureBar::ClickOptimize);
    connect(m_modelReport, &QPushButton::clicked, this, &ProcedureBar::ClickModelReport);
    connect(m_qdsm, &QPushButton::clicked, this, &ProcedureBar::ClickQDSM);

    // The mosaic step is not offered by any group.
    for (QPushButton* hidden : {m_matching, m_mosaic, m_modelReport, m_qdsm})
        hidden->hide();
}

void ProcedureBar::ShowFeatureGroup()
{
    m_matching->show();
    for (QPushButton* hidden : {m_optimize, m_ba, m_modelReport, m_qdsm, m_mosaic})
        hidden->hide();
}

void ProcedureBar::ShowBAGroup()
{
    m_optimize->show();
    m_ba->show();
    for (QPushButton* hidden : {m_matching, m_modelReport, m_qdsm, m_mosaic})
        hidden->hide();
}

void ProcedureBar::ShowMosaicGroup()
{
    m_qdsm->show();
    m_modelReport->show();
    for (QPushButton* hidden : {m_matching, m_optimize, m_ba})
        hidden->hide();
}
