#pragma once

#include "framework/basewidget.h"
#include "kvui_export.h"

class QPushButton;

// Step-by-step processing in three groups: features (matching), bundle
// adjustment (optimize, adjust) and mosaic (model report, quick DSM). A group
// button shows that group's steps in place of the others; the bundle
// adjustment group shows first. Each step only emits its signal.
class KVUI_EXPORT ProcedureBar : public BaseWidget
{
    Q_OBJECT

public:
    explicit ProcedureBar(QWidget* parent = nullptr);

Q_SIGNALS:
    void ClickMatching();
    void ClickOptimize();
    void ClickBA();
    void ClickModelReport();
    void ClickQDSM();

private Q_SLOTS:
    void ShowFeatureGroup();
    void ShowBAGroup();
    void ShowMosaicGroup();

private:
    QPushButton* m_matching;
    QPushButton* m_ba;
    QPushButton* m_optimize;
    QPushButton* m_mosaic;
    QPushButton* m_modelReport;
    QPushButton* m_qdsm;
};
