#include "processing/parameterwidgets.h"

#include "framework/formrows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QStringList>
#include <iterator>

namespace {

// "Process: " and the algorithm's name on the first row of a page.
QGridLayout* PageLayout(QWidget* page, const QString& process, const QString& name)
{
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(30, 20, 30, 20);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(16);
    grid->addWidget(kvui::MakeLabel(page, process), 0, 0);
    grid->addWidget(kvui::MakeLabel(page, name), 0, 1);
    grid->setColumnStretch(2, 1);
    return grid;
}

QComboBox* AddCombo(QGridLayout* grid, const QString& label, const char* name,
                    const QStringList& items)
{
    QComboBox* combo = kvui::AddComboRow(grid, 1, 0, label, name, QSize(160, 28), nullptr).combo;
    combo->addItems(items);
    combo->setCurrentIndex(0);
    grid->setRowStretch(2, 1);
    return combo;
}

// The steps every page shares: a fresh record of the page's type for all
// images, without a path, handed out in its first KvPtr.
template <class Record> Record* NewRecord(int type)
{
    auto* record = new Record();
    record->type = type;
    record->all = true;
    record->path.clear();
    return record;
}

const double kPageRates[]
    = {1.0 / 2, 1.0 / 3, 1.0 / 4, 1.0 / 5, 1.0 / 6, 1.0 / 8, 1.0 / 10, 1.0 / 16, 1.0 / 20};

} // namespace

ColorParameterWidget::ColorParameterWidget(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(570, 173);
    PageLayout(this, tr("Process: "), tr("Color Balance"))->setRowStretch(1, 1);
}

kvfd::KvPtr<AlgoParameter> ColorParameterWidget::GetParameter()
{
    return kvfd::KvPtr<AlgoParameter>(NewRecord<ColorParameter>(kvalgo::kColor));
}

EnhancementParameterWidget::EnhancementParameterWidget(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(520, 134);
    PageLayout(this, tr("Process: "), tr("Enhancement"))->setRowStretch(1, 1);
}

kvfd::KvPtr<AlgoParameter> EnhancementParameterWidget::GetParameter()
{
    return kvfd::KvPtr<AlgoParameter>(NewRecord<EnhanceParameter>(kvalgo::kEnhance));
}

FormatParameterWidget::FormatParameterWidget(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(552, 148);
    QGridLayout* grid = PageLayout(this, tr("Process:"), tr("Format"));
    m_format = AddCombo(grid, tr("Format:"), "fmpw_format_",
                        {QStringLiteral("BMP"), QStringLiteral("JPEG"), QStringLiteral("PNG"),
                         QStringLiteral("GTiff")});
}

kvfd::KvPtr<AlgoParameter> FormatParameterWidget::GetParameter()
{
    auto* record = NewRecord<FormatParameter>(kvalgo::kFormat);
    record->format = m_format->currentText().toStdString();
    return kvfd::KvPtr<AlgoParameter>(record);
}

PyramidParameterWidget::PyramidParameterWidget(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(545, 175);
    PageLayout(this, tr("Process: "), tr("Overviews"))->setRowStretch(1, 1);
}

kvfd::KvPtr<AlgoParameter> PyramidParameterWidget::GetParameter()
{
    return kvfd::KvPtr<AlgoParameter>(NewRecord<PyramidParameter>(kvalgo::kPyramid));
}

ResampleParameterWidget::ResampleParameterWidget(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(519, 134);
    QGridLayout* grid = PageLayout(this, tr("Process: "), tr("Resample"));
    m_rate = AddCombo(grid, tr("Ratio:"), "rspw_rate_",
                      {QStringLiteral("1:2"), QStringLiteral("1:3"), QStringLiteral("1:4"),
                       QStringLiteral("1:5"), QStringLiteral("1:6"), QStringLiteral("1:8"),
                       QStringLiteral("1:10"), QStringLiteral("1:16"), QStringLiteral("1:20")});
}

kvfd::KvPtr<AlgoParameter> ResampleParameterWidget::GetParameter()
{
    auto* record = NewRecord<ResampleParameter>(kvalgo::kResample);
    const int index = qBound(0, m_rate->currentIndex(), int(std::size(kPageRates)) - 1);
    record->rate = kPageRates[index];
    return kvfd::KvPtr<AlgoParameter>(record);
}

RotateParameterWidget::RotateParameterWidget(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(484, 172);
    QGridLayout* grid = PageLayout(this, tr("Process:"), tr("Rotation"));
    m_angle = AddCombo(grid, tr("Angles:"), "rtpw_angle_",
                       {QStringLiteral("90°"), QStringLiteral("180°"), QStringLiteral("270°")});
}

kvfd::KvPtr<AlgoParameter> RotateParameterWidget::GetParameter()
{
    auto* record = NewRecord<RotateParameter>(kvalgo::kRotate);
    record->rotateType = m_angle->currentIndex() + 1;
    return kvfd::KvPtr<AlgoParameter>(record);
}
