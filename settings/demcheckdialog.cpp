#include "settings/demcheckdialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "framework/kvstyle.h"
#include "kvalgorithm/kvalgo.h"

#include <QAbstractTableModel>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// About ten million points.
constexpr qint64 kMaxCheckFileBytes = qint64(512) * 1024 * 1024;

const char* const kReportFailed = QT_TRANSLATE_NOOP("kvui", "检查报告保存失败！");
const char* const kDemUnreadable = QT_TRANSLATE_NOOP("kvui", "DEM文件无法读取！");
const char* const kNoTransform = QT_TRANSLATE_NOOP("kvui", "检查点无法转换到DEM的坐标系！");

// Fields of a check-file line. A run of separators counts as one, so that
// aligned columns ("P1   100.5") do not shift.
std::vector<std::string_view> SplitFields(std::string_view line)
{
    static constexpr std::string_view kSeparators = "\t ,;\r";
    std::vector<std::string_view> fields;
    std::size_t pos = line.find_first_not_of(kSeparators);
    while (pos != std::string_view::npos) {
        const std::size_t end = line.find_first_of(kSeparators, pos);
        fields.push_back(line.substr(pos, end == std::string_view::npos ? end : end - pos));
        pos = end == std::string_view::npos ? end : line.find_first_not_of(kSeparators, end);
    }
    return fields;
}

// As atof: the longest leading number, 0 when there is none; but always
// with a decimal point, whatever the process locale says.
double ToNumber(std::string_view text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    double value = 0;
    const auto result = std::from_chars(first, last, value);
    return result.ec == std::errc() ? value : 0.0;
}

QString Fixed3(double value)
{
    return QString::number(value, 'f', 3);
}

} // namespace

// The points as the table shows them: formatted when painted, so that a
// check file of many points fills the table at once.
class DemCheckModel : public QAbstractTableModel
{
public:
    DemCheckModel(const std::vector<DemCheckWidget::CheckPoint>& points, QObject* parent)
        : QAbstractTableModel(parent)
        , m_points(points)
    { }

    void Refill()
    {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(m_points.size());
    }

    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 5; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return QVariant();
        const DemCheckWidget::CheckPoint& p = m_points[std::size_t(index.row())];
        switch (index.column()) {
        case 0:
            return String2QString(p.id);
        case 1:
            return Fixed3(p.x);
        case 2:
            return Fixed3(p.y);
        case 3:
            return Fixed3(p.z);
        default:
            return p.hasDz ? Fixed3(p.dz) : QString();
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
            && section < m_headers.size())
            return m_headers[section];
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    void SetHeaders(const QStringList& headers) { m_headers = headers; }

private:
    const std::vector<DemCheckWidget::CheckPoint>& m_points;
    QStringList m_headers;
};

DemCheckWidget::DemCheckWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("DemCheckWidget"));
    setFixedSize(800, 600);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 12, 20, 16);
    const QSize rowSize(0, 28);
    const QSize browseSize(28, 28);
    const kvui::BrowseRow dem = kvui::AddBrowseRow(grid, 0, 0, tr("DEM File : "), "dcw_dem_",
                                                   rowSize, "dcw_open_dem_", browseSize);
    const kvui::BrowseRow check = kvui::AddBrowseRow(grid, 1, 0, tr("Check File : "), "dcw_check_",
                                                     rowSize, "dcw_open_check_", browseSize);
    m_dem = dem.edit;
    m_check = check.edit;
    grid->addWidget(kvui::MakeLabel(this, tr("Check File Format: ID X Y Z"), "dcw_format_"), 2, 0,
                    1, 3);

    m_model = new DemCheckModel(m_points, this);
    m_model->SetHeaders({tr("ID"), tr("X"), tr("Y"), tr("Z"), tr("DZ")});
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("dcw_table_"));
    m_table->setModel(m_model);
    // Rows of one height, so that the view need not measure many points.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    kvui::SetListFont(m_table, this);
    grid->addWidget(m_table, 3, 0, 1, 3);

    kvui::ButtonRow buttons(this);
    QPushButton* clear = buttons.Add("dcw_clear_", tr("Clear"), "kvcombtn");
    QPushButton* save = buttons.Add("dcw_save_", tr("Save"), "kvcombtn");
    QPushButton* run = buttons.Add("dcw_run_", tr("Run"), "kvcombtn");
    grid->addLayout(buttons.Layout(), 4, 0, 1, 3);

    connect(dem.browse, &QPushButton::clicked, this, &DemCheckWidget::ClickOpenDem);
    connect(check.browse, &QPushButton::clicked, this, &DemCheckWidget::ClickOpenCheck);
    connect(clear, &QPushButton::clicked, this, &DemCheckWidget::ClickClear);
    connect(save, &QPushButton::clicked, this, &DemCheckWidget::ClickSave);
    connect(run, &QPushButton::clicked, this, &DemCheckWidget::ClickRun);
}

void DemCheckWidget::ClickOpenDem()
{
    const QString file = kvui::ChooseFile(this, tr("Open DEM File"),
                                          QStringLiteral("DEM File(*.grd *.tif);; All(*.*)"));
    if (!file.isEmpty())
        m_dem->setText(file);
}

void DemCheckWidget::ClickOpenCheck()
{
    const QString file = kvui::ChooseFile(this, tr("Open Check File"),
                                          QStringLiteral("Check File(*.txt);; All(*.*)"));
    if (file.isEmpty())
        return;
    LoadCheckFile(file);
}

void DemCheckWidget::SetDemFile(const QString& path)
{
    m_dem->setText(path);
}

bool DemCheckWidget::LoadCheckFile(const QString& path)
{
    m_check->setText(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Read whole: line by line through QIODevice costs more than the points.
    // A file far beyond any survey's check points is not read at all.
    if (file.size() > kMaxCheckFileBytes)
        return false;
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    std::vector<CheckPoint> points;
    const std::string_view all(text.constData(), std::size_t(text.size()));
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        if (end == std::string_view::npos)
            end = all.size();
        const std::string_view line = all.substr(start, end - start);
        start = end + 1;
        // A NUL byte is no text: what looks like fields around it is not.
        if (line.find('\0') != std::string_view::npos)
            continue;
        const std::vector<std::string_view> fields = SplitFields(line);
        if (fields.size() < 4)
            continue;
        CheckPoint p;
        p.id = std::string(fields[0]);
        p.x = ToNumber(fields[1]);
        p.y = ToNumber(fields[2]);
        p.z = ToNumber(fields[3]);
        points.push_back(std::move(p));
    }
    m_points = std::move(points);
    FillTable();
    return true;
}

void DemCheckWidget::FillTable()
{
    m_model->Refill();
}

void DemCheckWidget::ClickClear()
{
    m_points.clear();
    FillTable();
}

void DemCheckWidget::ClickRun()
{
    if (m_check->text().isEmpty() || m_dem->text().isEmpty())
        return;
    std::vector<kvalgo::Point3_T<double>> points;
    points.reserve(m_points.size());
    for (const CheckPoint& p : m_points)
        points.emplace_back(p.x, p.y, p.z);
    std::vector<double> dz;
    kvalgo::DemCheckInfo info;
    if (!kvalgo::KvAlgo::DEMCheck(QString2String(m_dem->text()), points, dz, std::string(),
                                  &info)) {
        KvMessageBox::Show(info.outcome == kvalgo::DemCheckInfo::NoTransform ? kNoTransform
                                                                             : kDemUnreadable,
                           KvMessageBox::BT_OK);
        return;
    }
    const std::size_t n = std::min(m_points.size(), dz.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (std::fabs(dz[i] - kvalgo::KvAlgo::kNoDifference) > 1e-6) {
            m_points[i].dz = dz[i];
            m_points[i].hasDz = true;
        }
    }
    FillTable();
}

bool DemCheckWidget::WriteReport(const QString& path) const
{
    QByteArray text("ID\tX\tY\tZ\tDZ\n");
    for (const CheckPoint& p : m_points) {
        text += QByteArray::fromStdString(p.id);
        for (double v : {p.x, p.y, p.z})
            text += '\t' + QByteArray::number(v, 'f', 3);
        if (p.hasDz)
            text += '\t' + QByteArray::number(p.dz, 'f', 3);
        text += '\n';
    }
    // Written aside and moved into place: a failed write leaves no half
    // report, and an earlier report at that path stays whole.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush()
        && kvui::SyncToDisk(file) && file.commit();
}

void DemCheckWidget::ClickSave()
{
    const QString file
        = kvui::ChooseFile(this, tr("Save Check Report"), QStringLiteral("Check Report(*.txt)"),
                           kvui::FileAction::Save);
    if (file.isEmpty())
        return;
    if (!WriteReport(file))
        KvMessageBox::Show(kReportFailed, KvMessageBox::BT_OK);
}

DEMCheckDialog::DEMCheckDialog(QWidget* parent)
    : ContentDialog(tr("DEM Check"), parent)
{ }

bool ShowDEMDialog()
{
    DEMCheckDialog dialog;
    dialog.exec();
    return true;
}
