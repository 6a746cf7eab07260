#include "processing/batchdialog.h"

#include "framework/formrows.h"
#include "kvkernel/aiscontext.h"
#include "processing/distortionparameterwidget.h"
#include "processing/parameterwidgets.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

struct TypeName
{
    int code;
    const char* name;
};

const TypeName kTypeNames[] = {
    {kvalgo::kColor, QT_TRANSLATE_NOOP("BatchWidget", "Color Balance")},
    {kvalgo::kDistortion, QT_TRANSLATE_NOOP("BatchWidget", "Distortion")},
    {kvalgo::kEnhance, QT_TRANSLATE_NOOP("BatchWidget", "Enhancement")},
    {kvalgo::kFormat, QT_TRANSLATE_NOOP("BatchWidget", "Format")},
    {kvalgo::kPyramid, QT_TRANSLATE_NOOP("BatchWidget", "Overviews")},
    {kvalgo::kResample, QT_TRANSLATE_NOOP("BatchWidget", "Resample")},
    {kvalgo::kRotate, QT_TRANSLATE_NOOP("BatchWidget", "Rotation")},
};

// The methods list's order.
const int kMethodOrder[]
    = {kvalgo::kFormat,     kvalgo::kResample, kvalgo::kRotate, kvalgo::kPyramid,
       kvalgo::kDistortion, kvalgo::kEnhance,  kvalgo::kColor};

const char* const kHeaderStyle
    = "QLabel{color: white; font: 12pt \"微软雅黑\"; background-color: rgb(189, 186, 185);"
      " border-top-left-radius: 6px; border-top-right-radius: 6px; padding-left: 8px;}";
// The bodies are white whatever the application's colours, so their text is
// dark in any case.
const char* const kListStyle = "QListWidget{background-color: white; border: none;"
                               " color: rgb(51, 51, 51);}";
const char* const kPagesStyle
    = "QStackedWidget{background-color: white; border: none;} QLabel{color: rgb(51, 51, 51);}";
const char* const kStripStyle
    = "QWidget#%1{background-color: rgb(189, 186, 185); border-bottom-left-radius: 6px;"
      " border-bottom-right-radius: 6px;}";

QLabel* Header(QWidget* parent, const QString& text)
{
    QLabel* label = kvui::MakeLabel(parent, text, nullptr, QSize(0, 32));
    label->setStyleSheet(QString::fromUtf8(kHeaderStyle));
    return label;
}

// The rounded strip under a column, holding its buttons.
QWidget* Strip(QWidget* parent, const char* name)
{
    auto* strip = new QWidget(parent);
    strip->setObjectName(QLatin1String(name));
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setFixedHeight(40);
    strip->setStyleSheet(QString::fromLatin1(kStripStyle).arg(QLatin1String(name)));
    return strip;
}

} // namespace

QString AlgoTypeName(int code)
{
    for (const TypeName& entry : kTypeNames) {
        if (entry.code == code)
            return QCoreApplication::translate("BatchWidget", entry.name);
    }
    return QString();
}

BatchWidget::BatchWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setFixedSize(1120, 750);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 16, 30, 16);
    layout->setSpacing(12);

    auto* top = new QGridLayout();
    top->setHorizontalSpacing(10);
    top->setVerticalSpacing(10);
    layout->addLayout(top);
    const kvui::BrowseRow output
        = kvui::AddBrowseRow(top, 0, 0, tr("Output Path: "), "bthw_output_line_", QSize(0, 28),
                             "bthw_browse_btn_", QSize(28, 28), nullptr);
    m_output = output.edit;
    output.browse->setAutoDefault(false);
    top->addWidget(kvui::MakeLabel(this, tr("Images: ")), 1, 0);
    m_all = kvui::MakeRadioButton(this, "bthw_all_radio_", tr("All"), QSize(), nullptr);
    m_selected
        = kvui::MakeRadioButton(this, "bthw_select_radio_", tr("Selected"), QSize(), nullptr);
    m_all->setChecked(true);
    auto* scope = new QHBoxLayout();
    scope->setSpacing(30);
    scope->addWidget(m_all);
    scope->addWidget(m_selected);
    scope->addStretch(1);
    top->addLayout(scope, 1, 1, 1, 2);
    top->setColumnStretch(1, 1);

    auto* columns = new QHBoxLayout();
    columns->setSpacing(12);
    layout->addLayout(columns, 1);

    auto* methodsColumn = new QVBoxLayout();
    methodsColumn->setSpacing(0);
    methodsColumn->addWidget(Header(this, tr("Methods")));
    m_methods = new QListWidget(this);
    m_methods->setObjectName(QStringLiteral("bthw_algo_list_"));
    m_methods->setStyleSheet(QString::fromLatin1(kListStyle));
    m_methods->setFixedWidth(200);
    methodsColumn->addWidget(m_methods, 1);
    methodsColumn->addWidget(Strip(this, "bthw_methods_strip_"));
    columns->addLayout(methodsColumn);

    auto* parameterColumn = new QVBoxLayout();
    parameterColumn->setSpacing(0);
    parameterColumn->addWidget(Header(this, tr("Parameter Setting")));
    m_parameters = new QStackedWidget(this);
    m_parameters->setObjectName(QStringLiteral("bthw_parameter_widget_"));
    m_parameters->setStyleSheet(QString::fromLatin1(kPagesStyle));
    parameterColumn->addWidget(m_parameters, 1);
    QWidget* addStrip = Strip(this, "bthw_parameter_strip_");
    auto* addRow = new QHBoxLayout(addStrip);
    addRow->setContentsMargins(8, 4, 8, 4);
    QPushButton* add = kvui::MakeToolButton(addStrip, "bthw_add_btn_", tr("Add"), QSize(32, 32));
    addRow->addStretch(1);
    addRow->addWidget(add);
    parameterColumn->addWidget(addStrip);
    columns->addLayout(parameterColumn, 1);

    auto* chainColumn = new QVBoxLayout();
    chainColumn->setSpacing(0);
    chainColumn->addWidget(Header(this, tr("Methods")));
    m_chainList = new QListWidget(this);
    m_chainList->setObjectName(QStringLiteral("bthw_selected_algo_list_"));
    m_chainList->setStyleSheet(QString::fromLatin1(kListStyle));
    m_chainList->setFixedWidth(200);
    chainColumn->addWidget(m_chainList, 1);
    QWidget* chainStrip = Strip(this, "bthw_chain_strip_");
    auto* chainButtons = new QHBoxLayout(chainStrip);
    chainButtons->setContentsMargins(8, 4, 8, 4);
    QPushButton* clear
        = kvui::MakeToolButton(chainStrip, "bthw_clear_btn_", tr("Clear"), QSize(32, 32));
    QPushButton* remove
        = kvui::MakeToolButton(chainStrip, "bthw_remove_btn_", tr("Delete"), QSize(32, 32));
    QPushButton* up = kvui::MakeToolButton(chainStrip, "bthw_up_btn_", tr("Up"), QSize(32, 32));
    QPushButton* down
        = kvui::MakeToolButton(chainStrip, "bthw_down_btn_", tr("Down"), QSize(32, 32));
    for (QPushButton* button : {clear, remove, up, down})
        chainButtons->addWidget(button);
    chainColumn->addWidget(chainStrip);
    columns->addLayout(chainColumn);

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("bthw_ok_btn_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("bthw_cancel_btn_", tr("Cancel"), "kvquitbtn");
    layout->addLayout(buttons.Layout());

    connect(m_methods, &QListWidget::currentRowChanged, this, &BatchWidget::SelectAlgo);
    connect(add, &QPushButton::clicked, this, &BatchWidget::AddAlgo);
    connect(clear, &QPushButton::clicked, this, &BatchWidget::Clear);
    connect(remove, &QPushButton::clicked, this, &BatchWidget::Remove);
    connect(up, &QPushButton::clicked, this, &BatchWidget::MoveUp);
    connect(down, &QPushButton::clicked, this, &BatchWidget::MoveDown);
    connect(ok, &QPushButton::clicked, this, &BatchWidget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &BatchWidget::ClickCancel);
    connect(output.browse, &QPushButton::clicked, this, &BatchWidget::OpenFolder);

    auto* format = new FormatParameterWidget(m_parameters);
    auto* resample = new ResampleParameterWidget(m_parameters);
    auto* rotate = new RotateParameterWidget(m_parameters);
    auto* pyramid = new PyramidParameterWidget(m_parameters);
    m_distortion = new DistortionParameterWidget(m_parameters);
    auto* enhance = new EnhancementParameterWidget(m_parameters);
    auto* color = new ColorParameterWidget(m_parameters);
    const std::pair<QWidget*, const char*> pages[]
        = {{format, "bthw_format_param_widget_"},        {resample, "bthw_resample_param_widget_"},
           {rotate, "bthw_rotate_param_widget_"},        {pyramid, "bthw_pyramid_param_widget_"},
           {m_distortion, "bthw_distort_param_widget_"}, {enhance, "bthw_enhance_param_widget_"},
           {color, "bthw_color_param_widget_"}};
    for (const auto& page : pages) {
        page.first->setObjectName(QLatin1String(page.second));
        m_parameters->addWidget(page.first);
    }

    m_chain.clear();
    for (int code : kMethodOrder)
        m_names.push_back(AlgoTypeName(code));
    m_pages = {format, resample, rotate, pyramid, m_distortion, enhance, color};
    for (const QString& name : m_names)
        m_methods->addItem(QStringLiteral("  ") + name);
    m_methods->setCurrentRow(0);
    m_current = m_pages[0];
}

BatchWidget::~BatchWidget() = default;

void BatchWidget::SetAll(bool all)
{
    m_all->setChecked(all);
    m_selected->setChecked(!all);
}

void BatchWidget::GetBatchAlgoParameters(std::vector<kvfd::KvPtr<AlgoParameter>>& out) const
{
    out = m_chain;
}

QString BatchWidget::GetPath() const
{
    return m_output->text();
}

void BatchWidget::AddAlgo()
{
    const int row = m_methods->currentRow();
    if (row < 0 || row >= int(m_names.size()))
        return;
    m_chainList->addItem(m_names[row]);
    SetScopeEnabled(false);
    kvfd::KvPtr<AlgoParameter> record;
    if (m_current)
        record = m_current->GetParameter();
    if (record)
        record->all = m_all->isChecked();
    m_chain.push_back(record);
}

void BatchWidget::SelectAlgo(int row)
{
    if (kvkernel::AISContext* project = kvkernel::KvGetContext()) {
        if (const kvfd::CameraInfo* camera = project->GetCameraInfoSet().GetCamera(0))
            m_distortion->SetCamera(kvfd::CameraInfo(*camera));
    }
    if (row < 0 || row >= int(m_pages.size()))
        return;
    m_parameters->setCurrentIndex(row);
    m_current = m_pages[row];
}

void BatchWidget::Clear()
{
    m_chainList->clear();
    m_chain.clear();
    SetScopeEnabled(true);
}

void BatchWidget::Remove()
{
    const int row = m_chainList->currentRow();
    if (row < 0 || row >= int(m_chain.size()))
        return;
    delete m_chainList->takeItem(row);
    m_chain.erase(m_chain.begin() + row);
    if (m_chain.empty())
        SetScopeEnabled(true);
}

void BatchWidget::MoveUp()
{
    const int row = m_chainList->currentRow();
    if (row <= 0 || row >= int(m_chain.size()))
        return;
    SwapChain(row - 1, row);
    MoveChainRow(row, row - 1);
}

void BatchWidget::MoveDown()
{
    const int row = m_chainList->currentRow();
    if (row < 0 || row >= m_chainList->count() - 1 || row + 1 >= int(m_chain.size()))
        return;
    SwapChain(row, row + 1);
    MoveChainRow(row, row + 1);
}

void BatchWidget::SwapChain(int a, int b)
{
    // Through a copy: the record never drops to no owner on the way.
    const kvfd::KvPtr<AlgoParameter> held = m_chain[a];
    m_chain[a] = m_chain[b];
    m_chain[b] = held;
}

void BatchWidget::MoveChainRow(int from, int to)
{
    QListWidgetItem* item = m_chainList->takeItem(from);
    m_chainList->insertItem(to, item);
    m_chainList->setCurrentRow(to);
    item->setSelected(true);
}

void BatchWidget::SetScopeEnabled(bool on)
{
    m_all->setEnabled(on);
    m_selected->setEnabled(on);
}

void BatchWidget::ClickOK()
{
    if (!m_output->text().isEmpty())
        AcceptDialog();
}

void BatchWidget::ClickCancel()
{
    RejectDialog();
}

void BatchWidget::OpenFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Open Directory"), QString(),
                                                             QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        m_output->setText(folder);
}

BatchDialog::BatchDialog(QWidget* parent)
    : ContentDialog(tr("Batch Process"), parent)
{ }
