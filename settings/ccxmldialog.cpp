#include "settings/ccxmldialog.h"

#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "framework/kvstyle.h"
#include "kvfd/kvconfiguration.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CCXmlWidget::CCXmlWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("CCXmlWidget"));
    setFixedSize(520, 280);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 12, 30, 16);
    auto* group = new QGroupBox(tr("Set Coordinate"), this);
    group->setObjectName(QStringLiteral("ccw_group_"));
    layout->addWidget(group);
    auto* grid = new QGridLayout(group);
    const QSize rowSize(0, 26);
    m_type = kvui::AddComboRow(grid, 0, 0, tr("Type"), "ccw_type_", rowSize).combo;
    m_type->addItems({tr("WGS84 UTM"), tr("Beijing 54"), tr("Xian 1980"), tr("CGCS2000")});
    m_coordinate
        = kvui::AddComboRow(grid, 1, 0, tr("Coordinate"), "ccw_coordinate_", rowSize).combo;
    grid->addWidget(kvui::MakeLabel(group, tr("UnDistortion")), 2, 0);
    m_undistortion = new QCheckBox(group);
    m_undistortion->setObjectName(QStringLiteral("ccw_undistortion_"));
    kvui::SetStyleName(m_undistortion, "kvcheckbox");
    grid->addWidget(m_undistortion, 2, 1);
    const kvui::BrowseRow output = kvui::AddBrowseRow(grid, 3, 0, tr("Output"), "ccw_output_",
                                                      rowSize, "ccw_browse_", QSize(28, 26));
    m_output = output.edit;
    layout->addStretch();

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("ccw_ok_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("ccw_cancel_", tr("Cancel"), "kvquitbtn");
    ok->setDefault(true);
    layout->addLayout(buttons.Layout());

    connect(m_type, qOverload<int>(&QComboBox::currentIndexChanged), this, &CCXmlWidget::ClickType);
    connect(output.browse, &QPushButton::clicked, this, &CCXmlWidget::ClickBrowseOutput);
    connect(ok, &QPushButton::clicked, this, &CCXmlWidget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &CCXmlWidget::ClickCancel);
    ClickType(0);
}

void CCXmlWidget::ClickType(int type)
{
    m_coordinate->clear();
    m_coordinates.Clear();
    const kvfd::CoordinateInfoSet systems
        = kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet().GetCoordinates(type);
    for (int i = 0; i < systems.Size(); ++i) {
        const kvfd::CoordinateInfo c = systems.GetCoordinate(i);
        m_coordinate->addItem(String2QString(c.name).trimmed());
        m_coordinates.Add(c);
    }
}

void CCXmlWidget::Set(const kvfd::CoordinateInfo& coordinate)
{
    if (coordinate.type >= kvfd::CT_LOCAL || coordinate.type < 0)
        return;
    // Setting the combo runs ClickType only when the type changes; the list
    // must be fresh either way.
    {
        const QSignalBlocker blocker(m_type);
        m_type->setCurrentIndex(coordinate.type);
    }
    ClickType(coordinate.type);
    for (int i = 0; i < m_coordinates.Size(); ++i) {
        if (m_coordinates.GetCoordinate(i).id == coordinate.id) {
            m_coordinate->setCurrentIndex(i);
            return;
        }
    }
}

void CCXmlWidget::Get(kvfd::CoordinateInfo& coordinate, std::string& output,
                      bool& undistortion) const
{
    const int index = m_coordinate->currentIndex();
    coordinate = index >= 0 ? m_coordinates.GetCoordinate(index) : kvfd::CoordinateInfo();
    output = QString2String(m_output->text().trimmed());
    undistortion = m_undistortion->isChecked();
}

void CCXmlWidget::ClickBrowseOutput()
{
    kvui::BrowseInto(this, m_output, QT_TRANSLATE_NOOP("kvui", "选择输出目录"), nullptr,
                     kvui::BrowseMode::Folder);
}

void CCXmlWidget::ClickOK()
{
    if (m_output->text().trimmed().isEmpty())
        return;
    AcceptDialog();
}

void CCXmlWidget::ClickCancel()
{
    RejectDialog();
}

CCXmlDialog::CCXmlDialog(QWidget* parent)
    : ContentDialog(tr("CC XML Export"), parent)
{ }
