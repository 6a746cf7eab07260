#include "imagery/exportsettingdialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvshared.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// Indexed by the separator combo.
const char kSeparators[] = "\t ,;";

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

ExportSettingWidget::ExportSettingWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("ExportSettingWidget"));
    resize(540, 300);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(30, 16, 30, 16);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    // One row of choices after its label.
    const auto addRow
        = [this, grid](int row, const QString& label, std::initializer_list<QWidget*> widgets) {
              grid->addWidget(kvui::MakeLabel(this, label), row, 0);
              auto* line = new QHBoxLayout();
              for (QWidget* widget : widgets)
                  line->addWidget(widget);
              line->addStretch();
              grid->addLayout(line, row, 1, 1, 2);
          };
    const auto exclusive = [this](QRadioButton* a, QRadioButton* b) {
        auto* group = new QButtonGroup(this);
        group->addButton(a);
        group->addButton(b);
        a->setChecked(true);
    };

    m_all = MakeCheckBox(this, "esw_all_check_", tr("All"));
    m_selected = MakeCheckBox(this, "esw_selected_check_", tr("Selected"));
    m_enabled = MakeCheckBox(this, "esw_enable_check_", tr("Enabled"));
    m_all->setChecked(true);
    addRow(0, tr("Image: "), {m_all, m_selected, m_enabled});

    m_china = kvui::MakeRadioButton(this, "esw_china_", tr("China"), QSize(), nullptr);
    QRadioButton* international
        = kvui::MakeRadioButton(this, "esw_international_", tr("International"), QSize(), nullptr);
    exclusive(m_china, international);
    addRow(1, tr("Angle: "), {m_china, international});

    QRadioButton* projected
        = kvui::MakeRadioButton(this, "esw_projected_", tr("Projected"), QSize(), nullptr);
    m_longLat = kvui::MakeRadioButton(this, "esw_longlat_", tr("LongLat"), QSize(), nullptr);
    exclusive(projected, m_longLat);
    addRow(2, tr("Coord: "), {projected, m_longLat});

    m_gap = kvui::MakeComboBox(this, "esw_gap_", QSize(140, 28));
    m_gap->addItems({tr("Tab"), tr("Space"), tr("Comma"), tr("Semicolon")});
    addRow(3, tr("Seperator: "), {m_gap});

    QRadioButton* withExt
        = kvui::MakeRadioButton(this, "esw_with_ext_", tr("With Ext"), QSize(), nullptr);
    m_withoutExt
        = kvui::MakeRadioButton(this, "esw_without_ext_", tr("Without Ext"), QSize(), nullptr);
    exclusive(withExt, m_withoutExt);
    addRow(4, tr("Name:  "), {withExt, m_withoutExt});

    const kvui::BrowseRow output
        = kvui::AddBrowseRow(grid, 5, 0, tr("Destination:"), "esw_output_", QSize(0, 28),
                             "esw_save_btn_", QSize(28, 28), "kvsavefilebtn");
    m_output = output.edit;
    m_output->setReadOnly(true);

    kvui::ButtonRow buttons(this);
    m_ok = buttons.Add("esw_ok_btn_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("esw_cancel_btn_", tr("Cancel"), "kvquitbtn");
    m_ok->setEnabled(false);
    grid->setRowStretch(6, 1);
    grid->addLayout(buttons.Layout(), 7, 0, 1, 3);

    connect(m_all, &QCheckBox::stateChanged, this, &ExportSettingWidget::ClickAllCheck);
    connect(m_selected, &QCheckBox::stateChanged, this, &ExportSettingWidget::ClickSelectedCheck);
    connect(m_enabled, &QCheckBox::stateChanged, this, &ExportSettingWidget::ClickEnableCheck);
    connect(output.browse, &QPushButton::clicked, this, &ExportSettingWidget::ClickSave);
    connect(m_ok, &QPushButton::clicked, this, &ExportSettingWidget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &ExportSettingWidget::ClickCancel);
}

void ExportSettingWidget::Get(int& images, int& angle, int& name, int& coord, char& separator,
                              std::string& path) const
{
    if (m_all->isChecked()) {
        images = 0;
    } else {
        if (m_selected->isChecked())
            images |= 1;
        if (m_enabled->isChecked())
            images |= 2;
    }
    angle = m_china->isChecked() ? 0 : 1;
    name = m_withoutExt->isChecked() ? 1 : 0;
    coord = m_longLat->isChecked() ? 1 : 0;
    const int index = m_gap->currentIndex();
    separator = index >= 0 && index < 4 ? kSeparators[index] : kSeparators[0];
    path = QString2String(m_output->text());
}

// The boxes are set here without their own handlers running, so each rule
// acts once: "All" excludes the others, and one box is always checked.
void ExportSettingWidget::ClickAllCheck(int state)
{
    const QSignalBlocker selected(m_selected);
    const QSignalBlocker enabled(m_enabled);
    const QSignalBlocker all(m_all);
    if (state == Qt::Checked) {
        m_selected->setChecked(false);
        m_enabled->setChecked(false);
    } else if (!m_selected->isChecked() && !m_enabled->isChecked()) {
        m_all->setChecked(true);
    }
}

void ExportSettingWidget::ClickSelectedCheck(int state)
{
    const QSignalBlocker all(m_all);
    if (state == Qt::Checked)
        m_all->setChecked(false);
    else if (!m_enabled->isChecked())
        m_all->setChecked(true);
}

void ExportSettingWidget::ClickEnableCheck(int state)
{
    const QSignalBlocker all(m_all);
    if (state == Qt::Checked)
        m_all->setChecked(false);
    else if (!m_selected->isChecked())
        m_all->setChecked(true);
}

void ExportSettingWidget::ClickSave()
{
    const QString file
        = kvui::ChooseFile(this, tr("Save POS"), tr("Text File (*.txt)"), kvui::FileAction::Save);
    if (file.isEmpty())
        return;
    m_output->setText(file);
    m_ok->setEnabled(true);
}

void ExportSettingWidget::ClickOK()
{
    AcceptDialog();
}

void ExportSettingWidget::ClickCancel()
{
    RejectDialog();
}

ExportSettingDialog::ExportSettingDialog(QWidget* parent)
    : ContentDialog(tr("Export Setting"), parent)
{ }
