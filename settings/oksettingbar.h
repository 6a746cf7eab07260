#pragma once

#include "framework/basewidget.h"
#include "kvui_export.h"

class QLineEdit;
class QPushButton;

// The side bar of the one-key (fully automatic) run: output resolution,
// output folder, output-area tools and the start button. It keeps no state
// beyond its controls; the host reads them when Run arrives and does the run.
// The only checks made here are those of the output folder: Run is not emitted
// without one, and a folder that is not empty is taken only once the operator
// agrees to overwrite it.
class KVUI_EXPORT OKSettingBar : public BaseWidget
{
    Q_OBJECT

public:
    // The tool codes of UpdateCheckStatus that are this bar's area tools.
    enum Tool : int { kOutputRect = 200, kOutputPolygon = 201 };

    explicit OKSettingBar(QWidget* parent = nullptr);

    // The resolution text as a number; 0 when it is none.
    double GetResolution() const;
    QString GetSavePath() const;
    // True when "Normal" is not checked.
    bool IsQuick() const;
    bool IsFine() const;

public Q_SLOTS:
    // Checks the rectangle button exactly for kOutputRect and the polygon
    // button exactly for kOutputPolygon.
    void UpdateCheckStatus(int tool);
    // Back to the start: "Normal", resolution "0.1", no destination.
    void Clear();

Q_SIGNALS:
    void Run();
    void SelectOuputRect();
    void SelectOutputPolygon();
    void SelectOutputClear();
    void ResetPos();

protected:
    void resizeEvent(QResizeEvent* event) override;

private Q_SLOTS:
    void SaveDOM();
    void RunS();

private:
    QLineEdit* m_resolution;
    QLineEdit* m_savePath;
    QPushButton* m_normal;
    QPushButton* m_fine;
    QPushButton* m_rect;
    QPushButton* m_polygon;
    QPushButton* m_clear;
    QPushButton* m_reset;
    QPushButton* m_run;
};
