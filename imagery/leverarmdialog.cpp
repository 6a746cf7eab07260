#include "imagery/leverarmdialog.h"

#include "framework/formrows.h"
#include "framework/kvshared.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

LeverArmWidget::LeverArmWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("LeverArmWidget"));
    setFixedSize(560, 300);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(30, 20, 30, 16);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(12);
    m_type = kvui::AddComboRow(layout, 0, 0, tr("UAV Type:"), "law_uavtype_combobox_", QSize(0, 28))
                 .combo;
    m_type->addItems({QStringLiteral("Kestrel"), QStringLiteral("Heron/Egret"),
                      QStringLiteral("Osprey"), QStringLiteral("Plover")});

    const QSize editSize(0, 28);
    const QSize browseSize(32, 28);
    const auto addRow = [&](int row, const QString& label, const char* edit, const char* button,
                            const char* style) {
        return kvui::AddBrowseRow(layout, row, 0, label, edit, editSize, button, browseSize, style);
    };
    m_hpPos = addRow(1, tr("HP POS File:"), "law_hppos_line_edit_", "law_browse_hppos_btn_",
                     "kvopenfilebtn");
    m_gimbal = addRow(2, tr("Gimbal File:"), "law_gimbal_line_edit_", "law_browse_gimbal_btn_",
                      "kvopenfilebtn");
    m_orientation = addRow(3, tr("Orientation:"), "law_orientation_line_edit_",
                           "law_browse_orientation_btn_", "kvopenfilebtn");
    m_output = addRow(4, tr("Output:"), "law_output_line_edit_", "law_browse_output_btn_",
                      "kvsavefilebtn");
    ShowRow(m_orientation, false);

    kvui::ButtonRow buttons(this);
    auto* ok = buttons.Add("law_ok_btn_", tr("OK"), "kvcombtn");
    auto* cancel = buttons.Add("law_cancel_btn_", tr("Cancel"), "kvquitbtn");
    layout->addLayout(buttons.Layout(), 5, 0, 1, 3);
    layout->setRowStretch(5, 1);

    connect(m_type, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &LeverArmWidget::ClickUAVType);
    connect(m_hpPos.browse, &QPushButton::clicked, this, &LeverArmWidget::ClickBrowseHPPos);
    connect(m_gimbal.browse, &QPushButton::clicked, this, &LeverArmWidget::ClickBrowseGimbal);
    connect(m_orientation.browse, &QPushButton::clicked, this,
            &LeverArmWidget::ClickBrowseOrientation);
    connect(m_output.browse, &QPushButton::clicked, this, &LeverArmWidget::ClickBrowseOutput);
    connect(ok, &QPushButton::clicked, this, &LeverArmWidget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &LeverArmWidget::ClickCancel);
}

void LeverArmWidget::ShowRow(const kvui::BrowseRow& row, bool visible)
{
    row.label->setVisible(visible);
    row.edit->setVisible(visible);
    row.browse->setVisible(visible);
}

void LeverArmWidget::Get(int& type, std::string paths[4]) const
{
    type = m_type->currentIndex();
    const QLineEdit* fields[4] = {m_hpPos.edit, m_orientation.edit, m_gimbal.edit, m_output.edit};
    for (int i = 0; i < 4; ++i)
        paths[i] = QString2String(fields[i]->text().trimmed());
}

void LeverArmWidget::ClickUAVType(int index)
{
    ShowRow(m_gimbal, index == 0);
    ShowRow(m_orientation, index != 0);
}

void LeverArmWidget::ClickBrowseGimbal()
{
    kvui::BrowseInto(this, m_gimbal.edit, QT_TRANSLATE_NOOP("kvui", "选择云台文件"),
                     QT_TRANSLATE_NOOP("kvui", "云台文件 (*.gim);;所有文件 (*.*)"),
                     kvui::BrowseMode::OpenFile);
}

void LeverArmWidget::ClickBrowseHPPos()
{
    kvui::BrowseInto(this, m_hpPos.edit, QT_TRANSLATE_NOOP("kvui", "选择待改正GPS文件"),
                     QT_TRANSLATE_NOOP("kvui", "GPS文件 (*.txt);;所有文件 (*.*)"),
                     kvui::BrowseMode::OpenFile);
}

void LeverArmWidget::ClickBrowseOrientation()
{
    kvui::BrowseInto(this, m_orientation.edit, QT_TRANSLATE_NOOP("kvui", "选择外方位元素"),
                     QT_TRANSLATE_NOOP("kvui", "外方位元素 (*.txt);;所有文件 (*.*)"),
                     kvui::BrowseMode::OpenFile);
}

void LeverArmWidget::ClickBrowseOutput()
{
    kvui::BrowseInto(this, m_output.edit, QT_TRANSLATE_NOOP("kvui", "保存结果"),
                     QT_TRANSLATE_NOOP("kvui", "改正结果 (*.txt)"), kvui::BrowseMode::SaveFile);
}

void LeverArmWidget::ClickCancel()
{
    RejectDialog();
}

void LeverArmWidget::ClickOK()
{
    // A field of blanks names no file: Get would hand the host an empty path.
    const auto filled = [](const QLineEdit* edit) { return !edit->text().trimmed().isEmpty(); };
    // Whichever row is hidden still counts: a gimbal file typed before the
    // type was changed is a valid choice.
    if (filled(m_hpPos.edit) && filled(m_output.edit)
        && (filled(m_orientation.edit) || filled(m_gimbal.edit)))
        AcceptDialog();
}

LeverArmDialog::LeverArmDialog(QWidget* parent)
    : ContentDialog(tr("Correct Lever Arm"), parent)
{ }

bool ShowLeverArmDialog(int& type, std::string* paths)
{
    LeverArmDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    std::string got[4];
    dialog.Widget()->Get(type, got);
    if (paths)
        std::copy(got, got + 4, paths);
    return true;
}
