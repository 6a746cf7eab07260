#include "imagery/posloaddialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "framework/kvstyle.h"
#include "imagery/posfile.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

namespace {

// A file's widest row beyond this many fields is not a POS table: the columns
// of the previous load stay.
constexpr std::size_t kMaxColumns = 20;
// Rows measured when a column is fitted to its contents; a POS file may hold
// a hundred thousand rows of the same shape.
constexpr int kResizePrecision = 200;
// Cells show at most this many bytes of a field: a junk file may hold a field
// of many megabytes, which no cell can lay out.
constexpr std::size_t kMaxCellBytes = 256;

} // namespace

// The rows of a POS file from the begin line on, one field per column, read
// straight from the widget's rows: a table item per cell would cost seconds
// and hundreds of megabytes for a large file.
class PosRowsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    PosRowsModel(const std::vector<std::vector<std::string>>* rows, QObject* parent)
        : QAbstractTableModel(parent)
        , m_rows(rows)
    { }

    void Reset(std::size_t firstRow, int rowCount, const QStringList& labels)
    {
        beginResetModel();
        m_firstRow = firstRow;
        m_rowCount = rowCount;
        m_labels = labels;
        endResetModel();
    }

    void SetLabels(const QStringList& labels)
    {
        m_labels = labels;
        if (!m_labels.isEmpty())
            Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_labels.size() - 1);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_rowCount;
    }

    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_labels.size();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return QVariant();
        const std::size_t r = m_firstRow + std::size_t(index.row());
        if (r >= m_rows->size())
            return QVariant();
        const std::vector<std::string>& row = (*m_rows)[r];
        const std::size_t c = std::size_t(index.column());
        if (c >= row.size())
            return QVariant();
        const std::string& field = row[c];
        if (field.size() <= kMaxCellBytes)
            return String2QString(field);
        return String2QString(field.substr(0, kMaxCellBytes)) + QChar(0x2026);
    }

    // A label is the key that names a column's meaning ("Omega"); it is shown
    // as the button that set it reads.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
            if (section < 0 || section >= m_labels.size())
                return QVariant();
            return PosLoadWidget::tr(m_labels[section].toUtf8().constData());
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    const std::vector<std::vector<std::string>>* m_rows;
    std::size_t m_firstRow = 0;
    int m_rowCount = 0;
    QStringList m_labels;
};

namespace {

QLabel* MinimumLabel(QWidget* parent, const QString& text, int minimumWidth)
{
    QLabel* label = kvui::MakeLabel(parent, text);
    label->setMinimumWidth(minimumWidth);
    return label;
}

} // namespace

PosLoadWidget::PosLoadWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("PosLoadWidget"));
    setWindowTitle(QStringLiteral("PosLoadWidget"));
    setFixedSize(800, 600);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 255));
    palette.setColor(QPalette::Window, QColor(221, 221, 221));
    setPalette(palette);
    setAutoFillBackground(true);

    auto* grid = new QGridLayout(this);
    const QMargins margins = grid->contentsMargins();
    grid->setContentsMargins(40, margins.top(), 40, 20);

    // Row 0: the file.
    auto* fileRow = new QHBoxLayout();
    fileRow->addWidget(MinimumLabel(this, tr("File:"), 40));
    m_posEdit = kvui::MakeLineEdit(this, "plw_pos_line_edit_", QSize(240, 30));
    fileRow->addWidget(m_posEdit);
    QPushButton* browse
        = kvui::MakeToolButton(this, "plw_browse_pos_btn_", QString(), QSize(60, 32));
    fileRow->addWidget(browse);
    fileRow->addStretch(1);
    grid->addLayout(fileRow, 0, 0);

    // Row 1: section title.
    auto* titleRow = new QHBoxLayout();
    titleRow->addWidget(MinimumLabel(this, tr("Import Setting"), 100));
    titleRow->addStretch(1);
    grid->addLayout(titleRow, 1, 0);

    // Row 2: begin line, angle unit, matching, BLH.
    auto* settingRow = new QHBoxLayout();
    settingRow->addWidget(MinimumLabel(this, tr("From"), 40));
    m_beginLineEdit = kvui::MakeLineEdit(this, "plw_begin_line_edit_", QSize(60, 28));
    m_beginLineEdit->setText(QStringLiteral("1"));
    kvui::AcceptInteger(m_beginLineEdit, 1, 1000000);
    settingRow->addWidget(m_beginLineEdit);
    settingRow->addWidget(MinimumLabel(this, tr("Lines"), 50));
    settingRow->addSpacing(36);
    settingRow->addWidget(MinimumLabel(this, tr("Degree Unit"), 65));
    m_degreeCombo = kvui::MakeComboBox(this, "plw_degree_combox_", QSize(60, 24));
    m_degreeCombo->addItems({tr("Degree"), tr("Radian")});
    settingRow->addWidget(m_degreeCombo);
    settingRow->addSpacing(36);
    settingRow->addWidget(MinimumLabel(this, tr("Match"), 70));
    m_matchCombo = kvui::MakeComboBox(this, "plw_match_combox_", QSize(100, 24));
    m_matchCombo->addItems({tr("With Ext"), tr("Without Ext"), tr("Order")});
    settingRow->addWidget(m_matchCombo);
    settingRow->addSpacing(36);
    m_longLat = new QCheckBox(tr("BLH"), this);
    m_longLat->setObjectName(QStringLiteral("plw_is_longlat_"));
    settingRow->addWidget(m_longLat);
    settingRow->addStretch(1);
    grid->addLayout(settingRow, 2, 0);

    // Row 3: the column label buttons.
    struct LabelButton
    {
        const char* name;
        QString text;
        void (PosLoadWidget::*slot)();
    };
    const LabelButton labelButtons[] = {
        {"plw_id_btn_", tr("ID"), &PosLoadWidget::ClickID},
        {"plw_x_btn_", tr("X"), &PosLoadWidget::ClickX},
        {"plw_y_btn_", tr("Y"), &PosLoadWidget::ClickY},
        {"plw_z_btn_", tr("Z"), &PosLoadWidget::ClickZ},
        {"plw_omega_btn_", tr("Omega"), &PosLoadWidget::ClickOmega},
        {"plw_phi_btn_", tr("Phi"), &PosLoadWidget::ClickPhi},
        {"plw_nphi_btn_", tr("-Phi"), &PosLoadWidget::ClickNPhi},
        {"plw_kappa_btn_", tr("Kappa"), &PosLoadWidget::ClickKappa},
        {"plw_question_btn_", tr("?"), &PosLoadWidget::ClickQuestion},
    };
    auto* labelRow = new QHBoxLayout();
    labelRow->setSpacing(8);
    labelRow->addSpacing(120);
    for (const LabelButton& entry : labelButtons) {
        QPushButton* button = kvui::MakeButton(this, entry.name, entry.text, QSize(52, 30));
        connect(button, &QPushButton::clicked, this, entry.slot);
        labelRow->addWidget(button);
    }
    labelRow->addSpacing(120);
    grid->addLayout(labelRow, 3, 0);

    // Row 4: the file's rows.
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("pos_table_widget_"));
    m_table->setFixedWidth(720);
    m_table->setMinimumHeight(380);
    m_table->setMaximumHeight(400);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectColumns);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_model = new PosRowsModel(&m_rows, m_table);
    m_table->setModel(m_model);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setResizeContentsPrecision(kResizePrecision);
    kvui::SetListFont(m_table, this);
    grid->addWidget(m_table, 4, 0, Qt::AlignHCenter);

    // Row 5: OK and Cancel.
    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("plw_ok_btn_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("plw_cancel_btn_", tr("Cancel"), "kvquitbtn");
    grid->addLayout(buttons.Layout(), 5, 0);

    connect(browse, &QPushButton::clicked, this, &PosLoadWidget::LoadPos);
    connect(ok, &QPushButton::clicked, this, &PosLoadWidget::Next);
    connect(cancel, &QPushButton::clicked, this, &PosLoadWidget::Quit);
    connect(m_beginLineEdit, &QLineEdit::textChanged, this, &PosLoadWidget::BeginLineChanged);
}

std::vector<PosData> PosLoadWidget::GetPosDatas() const
{
    return kvui::MakePosDatas(m_rows, m_beginLine, m_labels, m_degreeCombo->currentIndex() == 0);
}

PosMatchType PosLoadWidget::GetMatchType() const
{
    return PosMatchType(m_matchCombo->currentIndex());
}

bool PosLoadWidget::IsLatLong() const
{
    return m_longLat->isChecked();
}

void PosLoadWidget::LoadPos()
{
    const QString file
        = kvui::ChooseFile(this, tr("Import POS"), tr("Text File(*.txt);; All(*.*)"));
    if (!file.isEmpty())
        LoadFile(file);
}

void PosLoadWidget::LoadFile(const QString& path)
{
    SetDefaultPath(path, true);
    const std::string previous = m_path;
    m_path = QString2String(path);
    if (!Load()) {
        m_path = previous;
        return;
    }
    m_posEdit->setText(path);
    InitTableWidget();
    UpdateTableWidget();
}

bool PosLoadWidget::Load()
{
    return kvui::ReadPosRows(m_path, m_rows);
}

void PosLoadWidget::InitTableWidget()
{
    std::size_t widest = 0;
    for (std::size_t r = std::size_t(m_beginLine) - 1; r < m_rows.size(); ++r)
        widest = std::max(widest, m_rows[r].size());
    if (widest > kMaxColumns)
        return;
    static const char* const kFirstLabels[] = {"ID", "X", "Y", "Z"};
    m_labels.clear();
    for (std::size_t c = 0; c < widest; ++c)
        m_labels << QLatin1String(c < 4 ? kFirstLabels[c] : "?");
}

void PosLoadWidget::UpdateTableWidget()
{
    m_table->setUpdatesEnabled(false);
    const std::size_t first = std::size_t(m_beginLine) - 1;
    const int rows = first < m_rows.size() ? int(m_rows.size() - first) : 0;
    m_model->Reset(first, rows, m_labels);
    if (rows > 0)
        m_table->resizeColumnsToContents();
    m_table->setUpdatesEnabled(true);
}

void PosLoadWidget::SetHeadText(const QString& label)
{
    const QItemSelection selection = m_table->selectionModel()->selection();
    if (selection.isEmpty())
        return;
    const int column = selection.first().left();
    if (column < 0 || column >= m_labels.size())
        return;
    m_labels[column] = label;
    const bool phi = label.contains(QLatin1String("Phi"));
    for (int c = 0; c < m_labels.size(); ++c) {
        if (c == column)
            continue;
        if (m_labels[c] == label || (phi && m_labels[c].contains(QLatin1String("Phi"))))
            m_labels[c] = QStringLiteral("?");
    }
    m_model->SetLabels(m_labels);
}

void PosLoadWidget::BeginLineChanged(const QString& text)
{
    m_beginLine = std::max(1, text.toInt());
    UpdateTableWidget();
}

void PosLoadWidget::Next()
{
    const bool complete = m_labels.contains(QLatin1String("ID"))
        && m_labels.contains(QLatin1String("X")) && m_labels.contains(QLatin1String("Y"))
        && m_labels.contains(QLatin1String("Z"));
    if (!complete) {
        QMessageBox::information(this, tr("Warning"), tr("Please Set ID X Y Z"), QMessageBox::Ok);
        return;
    }
    AcceptDialog();
}

void PosLoadWidget::Quit()
{
    RejectDialog();
}

void PosLoadWidget::ClickID()
{
    SetHeadText(QStringLiteral("ID"));
}

void PosLoadWidget::ClickX()
{
    SetHeadText(QStringLiteral("X"));
}

void PosLoadWidget::ClickY()
{
    SetHeadText(QStringLiteral("Y"));
}

void PosLoadWidget::ClickZ()
{
    SetHeadText(QStringLiteral("Z"));
}

void PosLoadWidget::ClickOmega()
{
    SetHeadText(QStringLiteral("Omega"));
}

void PosLoadWidget::ClickPhi()
{
    SetHeadText(QStringLiteral("Phi"));
}

void PosLoadWidget::ClickNPhi()
{
    SetHeadText(QStringLiteral("-Phi"));
}

void PosLoadWidget::ClickKappa()
{
    SetHeadText(QStringLiteral("Kappa"));
}

void PosLoadWidget::ClickQuestion()
{
    SetHeadText(QStringLiteral("?"));
}

PosLoadDialog::PosLoadDialog(QWidget* parent)
    : ContentDialog(tr("Import GNSS/IMU"), parent)
{ }

#include "posloaddialog.moc"
