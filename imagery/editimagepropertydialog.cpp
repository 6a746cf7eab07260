#include "imagery/editimagepropertydialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "framework/kvstyle.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kTableWidth = 435;
constexpr int kColumnWidth = 145;
constexpr int kRowHeight = 30;

// The value cells take only numbers as they are typed. A cell read while it
// holds no number (an empty one) still keeps the preset value (GetEOP).
class NumberDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            kvui::AcceptReal(edit);
        return editor;
    }
};

QTableWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers,
                        const QStringList& names)
{
    auto* table = new QTableWidget(2, 3, parent);
    table->setObjectName(QLatin1String(name));
    table->setStyleSheet(QStringLiteral("gridline-color: rgb(12, 12, 12);"));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setFixedHeight(kRowHeight);
    for (int c = 0; c < 3; ++c) {
        table->setColumnWidth(c, kColumnWidth);
        auto* label = new QTableWidgetItem(names.at(c));
        label->setFlags(label->flags() & ~Qt::ItemIsEditable);
        label->setTextAlignment(Qt::AlignCenter);
        table->setItem(0, c, label);
        auto* value = new QTableWidgetItem();
        value->setTextAlignment(Qt::AlignCenter);
        table->setItem(1, c, value);
    }
    table->setItemDelegateForRow(1, new NumberDelegate(table));
    for (int r = 0; r < 2; ++r)
        table->setRowHeight(r, kRowHeight);
    table->setFixedSize(kTableWidth, kRowHeight * 3 + 2 * table->frameWidth());
    return table;
}

// Replaces value by the cell's number; a cell without one leaves it.
// The number in row 1 of column, divided by divisor; a cell that is not a
// number keeps value.
void ReadCell(const QTableWidget* table, int column, double divisor, double& value)
{
    const QTableWidgetItem* item = table->item(1, column);
    if (!item)
        return;
    bool ok = false;
    const double number = item->text().trimmed().toDouble(&ok);
    if (ok)
        value = number / divisor;
}

} // namespace

EditImagePropertyWidget::EditImagePropertyWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("EditImagePropertyWidget"));
    setFixedSize(515, 470);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 16, 40, 20);
    layout->setSpacing(10);

    auto* heading = kvui::MakeLabel(this, tr("POS Detail"), "eipw_title_");
    layout->addWidget(heading);
    m_tableXYZ = MakeTable(this, "tableWidget_XYZ", {tr("x"), tr("y"), tr("z")},
                           {tr("X"), tr("Y"), tr("Z")});
    m_tableOPK = MakeTable(this, "tableWidget_OPK", {tr("omega"), tr("phi"), tr("kappa")},
                           {tr("Omega"), tr("Phi"), tr("Kappa")});
    layout->addWidget(m_tableXYZ);
    layout->addWidget(m_tableOPK);

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    grid->addWidget(kvui::MakeLabel(this, tr("Name: ")), 0, 0);
    m_imageName = kvui::MakeLabel(this, tr("Image"), "m_ImageName");
    grid->addWidget(m_imageName, 0, 1, 1, 2);
    grid->addWidget(kvui::MakeLabel(this, tr("Path: ")), 1, 0);
    m_imagePath = kvui::MakeLineEdit(this, "m_ImagePath", QSize(0, 30));
    grid->addWidget(m_imagePath, 1, 1);
    m_btnImagePath = kvui::MakeButton(this, "m_Btn_ImagePath", tr("..."), QSize(40, 30));
    grid->addWidget(m_btnImagePath, 1, 2);
    grid->addWidget(kvui::MakeLabel(this, tr("Flight: ")), 2, 0);
    m_comboStripe = kvui::MakeComboBox(this, "m_Combox_Stripe", QSize(0, 28));
    grid->addWidget(m_comboStripe, 2, 1);
    layout->addLayout(grid);
    layout->addStretch();

    kvui::ButtonRow buttons(this);
    m_btnOK = buttons.Add("m_Btn_OK", tr("OK"), "kvcombtn");
    m_btnCancel = buttons.Add("m_Btn_Cancel", tr("Cancel"), "kvquitbtn");
    m_btnOK->setDefault(true);
    layout->addLayout(buttons.Layout());

    connect(m_btnOK, &QPushButton::clicked, this, &EditImagePropertyWidget::Accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &EditImagePropertyWidget::Reject);
    connect(m_btnImagePath, &QPushButton::clicked, this, &EditImagePropertyWidget::SetPath);
    connect(m_comboStripe, qOverload<int>(&QComboBox::activated), this,
            &EditImagePropertyWidget::Slot_ComboxActivated);
}

void EditImagePropertyWidget::SetImage(const kvfd::ImageInfo& image, int flight)
{
    m_imageName->setText(String2QString(image.Name()));
    m_imagePath->setText(String2QString(image.Path()));
    BuildFlightList(flight);
    m_preset = image.GetEOP();
    ShowEOP(m_preset);
}

void EditImagePropertyWidget::SetImages(const std::vector<const kvfd::ImageInfo*>& images,
                                        const std::vector<int>& flights)
{
    m_preset = kvfd::EOP();
    m_imagePath->clear();
    m_comboStripe->clear();
    const kvfd::ImageInfo* first = nullptr;
    bool samePath = true;
    for (const kvfd::ImageInfo* image : images) {
        if (!image)
            continue;
        if (!first)
            first = image;
        else if (image->Path() != first->Path())
            samePath = false;
    }
    if (first && samePath)
        m_imagePath->setText(String2QString(first->Path()));
    if (!flights.empty() && std::all_of(flights.begin(), flights.end(), [&flights](int flight) {
            return flight == flights.front();
        }))
        BuildFlightList(flights.front());
}

void EditImagePropertyWidget::BuildFlightList(int flight)
{
    m_comboStripe->clear();
    m_comboStripe->addItem(QString());
    for (int f = 1; f <= flight; ++f)
        m_comboStripe->addItem(tr("Flight %1").arg(f));
    m_comboStripe->addItem(tr("New Flight %1").arg(std::max(flight, 0) + 1));
    m_comboStripe->setCurrentIndex(std::max(flight, 0));
}

void EditImagePropertyWidget::ShowEOP(const kvfd::EOP& eop)
{
    const double values[6] = {eop.X,
                              eop.Y,
                              eop.Z,
                              eop.Omega * kDegreesPerRadian,
                              eop.Phi * kDegreesPerRadian,
                              eop.Kappa * kDegreesPerRadian};
    for (int c = 0; c < 3; ++c) {
        m_tableXYZ->item(1, c)->setText(QString::number(values[c], 'f', 6));
        m_tableOPK->item(1, c)->setText(QString::number(values[c + 3], 'f', 6));
    }
}

std::string EditImagePropertyWidget::GetPath() const
{
    return QString2String(m_imagePath->text());
}

int EditImagePropertyWidget::GetFlightIndex() const
{
    return m_comboStripe->currentIndex();
}

QString EditImagePropertyWidget::GetFlightText() const
{
    return m_comboStripe->currentText();
}

kvfd::EOP EditImagePropertyWidget::GetEOP() const
{
    kvfd::EOP eop = m_preset;
    ReadCell(m_tableXYZ, 0, 1.0, eop.X);
    ReadCell(m_tableXYZ, 1, 1.0, eop.Y);
    ReadCell(m_tableXYZ, 2, 1.0, eop.Z);
    ReadCell(m_tableOPK, 0, kDegreesPerRadian, eop.Omega);
    ReadCell(m_tableOPK, 1, kDegreesPerRadian, eop.Phi);
    ReadCell(m_tableOPK, 2, kDegreesPerRadian, eop.Kappa);
    return eop;
}

void EditImagePropertyWidget::Accept()
{
    AcceptDialog();
}

void EditImagePropertyWidget::Reject()
{
    RejectDialog();
}

void EditImagePropertyWidget::Slot_ComboxActivated(int index)
{
    const int count = m_comboStripe->count();
    if (index < 0 || index != count - 1)
        return;
    // The last item offers a new flight: it becomes that flight, and the next
    // new flight is offered after it.
    m_comboStripe->setItemText(index, tr("Flight %1").arg(index));
    m_comboStripe->setCurrentIndex(index);
    m_comboStripe->addItem(tr("New Flight %1").arg(count));
}

void EditImagePropertyWidget::SetPath()
{
    // Cancelling keeps the path shown: an empty path would detach the images
    // from their files.
    const QString folder = kvui::ChooseFolder(this, tr("Set Path"));
    if (!folder.isEmpty())
        m_imagePath->setText(folder);
}

EditImagePropertyDialog::EditImagePropertyDialog(QWidget* parent)
    : ContentDialog(tr("Image Property"), parent)
{ }

#include "editimagepropertydialog.moc"
