#pragma once

#include "framework/basewidget.h"
#include "kvui_export.h"

#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

// The side bar of the quality-assessment run: the design parameters (map
// scale, ground resolution, forward and side overlap) and the run, report and
// reset buttons. Choosing a scale proposes its resolution; the fields are not
// checked, text that is no number reads as 0.
class KVUI_EXPORT QaSettingBar : public BaseWidget
{
    Q_OBJECT

public:
    explicit QaSettingBar(QWidget* parent = nullptr);

    // The current scale text ("1:1000"), in the local code page.
    std::string GetScale() const;
    double GetResolution() const;
    int GetInOverlap() const;
    int GetOffOverlap() const;

Q_SIGNALS:
    void RunQA();
    void ShowReport();
    void ResetPos();

protected:
    void resizeEvent(QResizeEvent* event) override;

private Q_SLOTS:
    void RunQAS();
    // Sets the resolution of the scale at index (denominator x 0.0001 m).
    void ChangeSacle(int index);

private:
    QComboBox* m_scale;
    QLineEdit* m_resolution;
    QLineEdit* m_inOverlap;
    QLineEdit* m_offOverlap;
    QPushButton* m_run;
    QPushButton* m_report;
    QPushButton* m_reset;
};
