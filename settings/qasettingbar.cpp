#include "settings/qasettingbar.h"

#include "framework/formrows.h"
#include "framework/kvshared.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>

namespace {

const char* const kScales[] = {"1:500", "1:1000", "1:2000", "1:10000", "1:25000", "1:50000"};
// The ground resolution of each scale, as it is written into the field.
const char* const kResolutions[] = {"0.05", "0.1", "0.2", "1", "2.5", "5"};

constexpr const char* kFieldSheet = "background-color:rgb(35, 24, 21);\n"
                                    "border:2px solid rgb(217, 217, 217);\n"
                                    "border-radius:4px;\n"
                                    "color:rgb(255, 255, 255);";

void Enlarge(QWidget* widget, int points)
{
    QFont font = widget->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + points);
    else
        font.setPixelSize(font.pixelSize() + points);
    widget->setFont(font);
}

} // namespace

QaSettingBar::QaSettingBar(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("QaSettingBar"));
    setFixedSize(200, 700);

    auto place
        = [](QWidget* widget, int x, int y, int w, int h) { widget->setGeometry(x, y, w, h); };
    auto field = [this](const char* name, const char* text) {
        QLineEdit* edit = kvui::MakeLineEdit(this, name, QSize(), nullptr);
        edit->setStyleSheet(QLatin1String(kFieldSheet));
        edit->setText(QLatin1String(text));
        return edit;
    };

    QLabel* design = kvui::MakeLabel(this, tr("Design Parameter"), "qasb_design_label_");
    place(design, 20, 20, 170, 30);
    Enlarge(design, 3);

    place(kvui::MakeLabel(this, tr("Rate"), "qasb_scale_label_"), 20, 64, 160, 24);
    m_scale = kvui::MakeComboBox(this, "qasb_scale_combo_", QSize(), nullptr);
    for (const char* scale : kScales)
        m_scale->addItem(QLatin1String(scale));
    m_scale->setCurrentIndex(1);
    m_scale->setStyleSheet(
        QLatin1String(kFieldSheet)
        + QStringLiteral("\n QAbstractItemView {\n    border: 2px solid red;\n}"));
    place(m_scale, 20, 92, 160, 28);

    QLabel* resolution = kvui::MakeLabel(this, tr("Resolution:(m)"), "qasb_resolution_label_");
    place(resolution, 20, 132, 160, 24);
    m_resolution = field("qasb_resolution_edit_", "0.1");
    place(m_resolution, 20, 160, 160, 28);

    QLabel* inOverlap = kvui::MakeLabel(this, tr("Flight Lap"), "qasb_in_overlap_label_");
    place(inOverlap, 20, 200, 160, 24);
    m_inOverlap = field("qasb_in_overlap_edit_", "60");
    place(m_inOverlap, 20, 228, 136, 28);
    QLabel* inUnit = kvui::MakeLabel(this, QStringLiteral("%"), "qasb_in_overlap_unit_");
    place(inUnit, 162, 228, 20, 28);

    QLabel* offOverlap = kvui::MakeLabel(this, tr("Side Lap"), "qasb_off_overlap_label_");
    place(offOverlap, 20, 268, 160, 24);
    m_offOverlap = field("qasb_off_overlap_edit_", "30");
    place(m_offOverlap, 20, 296, 136, 28);
    place(kvui::MakeLabel(this, QStringLiteral("%"), "qasb_off_overlap_unit_"), 162, 296, 20, 28);

    for (QWidget* label : {resolution, inOverlap, offOverlap, inUnit})
        Enlarge(label, 1);

    m_reset = kvui::MakeToolButton(this, "qasb_reset_btn_", QString(), QSize());
    m_report = kvui::MakeToolButton(this, "qasb_report_btn_", QString(), QSize());
    m_run = kvui::MakeToolButton(this, "qasb_run_btn_", QString(), QSize());

    connect(m_scale, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &QaSettingBar::ChangeSacle);
    connect(m_run, &QPushButton::clicked, this, &QaSettingBar::RunQAS);
    connect(m_report, &QPushButton::clicked, this, &QaSettingBar::ShowReport);
    connect(m_reset, &QPushButton::clicked, this, &QaSettingBar::ResetPos);
}

std::string QaSettingBar::GetScale() const
{
    return QString2String(m_scale->currentText());
}

double QaSettingBar::GetResolution() const
{
    return m_resolution->text().toDouble();
}

int QaSettingBar::GetInOverlap() const
{
    return m_inOverlap->text().toInt();
}

int QaSettingBar::GetOffOverlap() const
{
    return m_offOverlap->text().toInt();
}

void QaSettingBar::resizeEvent(QResizeEvent* event)
{
    BaseWidget::resizeEvent(event);
    m_reset->setGeometry(36, height() - 180, 120, 32);
    m_report->setGeometry(36, height() - 130, 120, 32);
    m_run->setGeometry(30, height() - 80, 132, 40);
}

void QaSettingBar::RunQAS()
{
    Q_EMIT RunQA();
}

void QaSettingBar::ChangeSacle(int index)
{
    if (index < 0 || index >= int(std::size(kResolutions)))
        return;
    m_resolution->setText(QLatin1String(kResolutions[index]));
}
