#include "imagery/coordinatedialog.h"

#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "imagery/posmatch.h"
#include "kvfd/kvconfiguration.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// The type combo lists the projected coordinate types, its index being the type.
constexpr int kProjectedTypes = kvfd::CT_LOCAL;

} // namespace

CoordinateWidget::CoordinateWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("CoordinateWidget"));
    setFixedSize(480, 260);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(40, 24, 40, 18);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(16);

    // The sheet gives these two their look by their own names.
    m_local = kvui::MakeRadioButton(this, "crw_local_coordinate_check_btn_", tr("Local"), QSize(),
                                    nullptr);
    m_projected = kvui::MakeRadioButton(this, "crw_project_coordinate_check_btn_",
                                        tr("Projected Coordinate"), QSize(), nullptr);
    m_local->setChecked(true);
    grid->addWidget(m_local, 0, 0);
    grid->addWidget(m_projected, 0, 1);

    m_type = kvui::AddComboRow(grid, 1, 0, tr("Type"), "crw_prj_type_combox_", QSize(0, 30)).combo;
    m_type->addItems({tr("WGS84 UTM"), tr("Beijing 54"), tr("Xian 1980"), tr("CGCS2000")});
    m_name = kvui::AddComboRow(grid, 2, 0, tr("Coordinate"), "crw_prj_name_combox_", QSize(0, 30))
                 .combo;
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("crw_ok_btn_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("crw_cancel_btn_", tr("Cancel"), "kvquitbtn");
    ok->setDefault(true);
    grid->addLayout(buttons.Layout(), 4, 0, 1, 2);

    // The name combo starts with the systems of the first type, so that
    // choosing Projected alone already offers a choice.
    ClickType(m_type->currentIndex());
    EnableCombos(false);

    connect(m_local, &QRadioButton::clicked, this, &CoordinateWidget::ClickLocal);
    connect(m_projected, &QRadioButton::clicked, this, &CoordinateWidget::ClickPrj);
    connect(m_type, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CoordinateWidget::ClickType);
    connect(ok, &QPushButton::clicked, this, &CoordinateWidget::Accept);
    connect(cancel, &QPushButton::clicked, this, &CoordinateWidget::Reject);
}

void CoordinateWidget::SetCoordinate(const kvfd::CoordinateInfo& coordinate)
{
    m_coordinate = coordinate;
    if (coordinate.id == -1) {
        m_local->setChecked(true);
        EnableCombos(false);
        return;
    }
    m_projected->setChecked(true);
    EnableCombos(true);
    if (coordinate.type < 0 || coordinate.type >= kProjectedTypes)
        return;
    {
        // Listed once below, not again by the index change.
        const QSignalBlocker blocker(m_type);
        m_type->setCurrentIndex(coordinate.type);
    }
    ClickType(coordinate.type);
    for (int i = 0; i < m_listed.Size(); ++i) {
        if (m_listed.GetCoordinate(i).id == coordinate.id) {
            m_name->setCurrentIndex(i);
            break;
        }
    }
}

void CoordinateWidget::Accept()
{
    if (m_local->isChecked()) {
        m_coordinate = kvui::LocalCoordinate();
    } else {
        m_coordinate = m_listed.GetCoordinate(m_name->currentIndex());
    }
    AcceptDialog();
}

void CoordinateWidget::Reject()
{
    RejectDialog();
}

void CoordinateWidget::ClickLocal()
{
    EnableCombos(!m_local->isChecked());
}

void CoordinateWidget::ClickPrj()
{
    EnableCombos(m_projected->isChecked());
}

void CoordinateWidget::ClickType(int type)
{
    m_name->clear();
    m_listed = kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet().GetCoordinates(type);
    for (int i = 0; i < m_listed.Size(); ++i)
        m_name->addItem(String2QString(m_listed.GetCoordinate(i).name).trimmed());
}

void CoordinateWidget::EnableCombos(bool enabled)
{
    m_type->setEnabled(enabled);
    m_name->setEnabled(enabled);
}

CoordinateDialog::CoordinateDialog(QWidget* parent)
    : ContentDialog(tr("Coordinate Setting"), parent)
{ }

bool ShowCoordinateDialog(kvfd::CoordinateInfo& coordinate)
{
    CoordinateDialog dialog;
    dialog.Widget()->SetCoordinate(coordinate);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    coordinate = dialog.Widget()->GetCoordinate();
    return true;
}
