#include "settings/demcheckdialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "framework/kvstyle.h"
#include "kvalgorithm/kvalgo.h"

#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <charconv>
#include <cmath>

namespace {

const char* const kReportFailed = QT_TRANSLATE_NOOP("kvui", "检查报告保存失败！");
const char* const kDemUnreadable = QT_TRANSLATE_NOOP("kvui", "DEM文件无法读取！");
const char* const kNoTransform = QT_TRANSLATE_NOOP("kvui", "检查点无法转换到DEM的坐标系！");

// Tokens of a check-file line. A run of separators counts as one, so that
// aligned columns ("P1   100.5") do not shift.
std::vector<std::string> SplitFields(const std::string& line)
{
    static const char kSeparators[] = "\t ,;\r";
    std::vector<std::string> fields;
    std::size_t pos = line.find_first_not_of(kSeparators);
    while (pos != std::string::npos) {
        const std::size_t end = line.find_first_of(kSeparators, pos);
        fields.push_back(line.substr(pos, end == std::string::npos ? end : end - pos));
        pos = end == std::string::npos ? end : line.find_first_not_of(kSeparators, end);
    }
    return fields;
}

// As atof: the longest leading number, 0 when there is none; but always
// with a decimal point, whatever the process locale says.
double ToNumber(const std::string& text)
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

    m_table = new QTableWidget(0, 5, this);
    m_table->setObjectName(QStringLiteral("dcw_table_"));
    m_table->setHorizontalHeaderLabels({tr("ID"), tr("X"), tr("Y"), tr("Z"), tr("DZ")});
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
    std::vector<CheckPoint> points;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.contains('\0'))
            continue;
        const std::vector<std::string> fields = SplitFields(line.toStdString());
        if (fields.size() < 4)
            continue;
        CheckPoint p;
        p.id = fields[0];
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
    m_table->clearContents();
    m_table->setRowCount(int(m_points.size()));
    for (int row = 0; row < int(m_points.size()); ++row) {
        const CheckPoint& p = m_points[std::size_t(row)];
        m_table->setItem(row, 0, new QTableWidgetItem(String2QString(p.id)));
        m_table->setItem(row, 1, new QTableWidgetItem(Fixed3(p.x)));
        m_table->setItem(row, 2, new QTableWidgetItem(Fixed3(p.y)));
        m_table->setItem(row, 3, new QTableWidgetItem(Fixed3(p.z)));
        if (p.hasDz)
            m_table->setItem(row, 4, new QTableWidgetItem(Fixed3(p.dz)));
    }
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
