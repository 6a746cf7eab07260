#include "processing/tooldialogs.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "kvfd/stringconverter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <iterator>

namespace {

const QSize kFieldSize(0, 28);

const double kDialogRates[]
    = {1.0 / 2, 1.0 / 3, 1.0 / 4, 1.0 / 5, 1.0 / 8, 1.0 / 10, 1.0 / 16, 1.0 / 20};

// The text as the family libraries take it: through a wide string into the
// local narrow encoding.
std::string Narrow(const QString& text)
{
    std::string narrow;
    kvfd::StringConverter::Convert(text.toStdWString(), narrow);
    return narrow;
}

} // namespace

ToolWidget::ToolWidget(QWidget* parent, const char* prefix, QSize size, const QString& name)
    : BaseWidget(parent)
    , m_prefix(prefix)
{
    setFixedSize(size);
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(30, 16, 30, 16);
    m_grid->setHorizontalSpacing(12);
    m_grid->setVerticalSpacing(12);
    m_grid->addWidget(kvui::MakeLabel(this, tr("Process: ")), 0, 0);
    m_grid->addWidget(kvui::MakeLabel(this, name), 0, 1, 1, 2);

    m_grid->addWidget(kvui::MakeLabel(this, tr("Images: ")), 1, 0);
    m_scope = kvui::MakeAllSelectedPair(this, Name("all_btn_").constData(),
                                        Name("selected_btn_").constData(), nullptr);
    auto* scope = new QHBoxLayout();
    scope->setSpacing(30);
    scope->addWidget(m_scope.all);
    scope->addWidget(m_scope.selected);
    scope->addStretch(1);
    m_grid->addLayout(scope, 1, 1, 1, 2);
    m_grid->setColumnStretch(1, 1);
}

QByteArray ToolWidget::Name(const char* suffix) const
{
    return m_prefix + suffix;
}

QComboBox* ToolWidget::AddChoice(const QString& label, const char* name, const QStringList& items)
{
    const int row = m_grid->rowCount();
    QComboBox* combo
        = kvui::AddComboRow(m_grid, row, 0, label, Name(name).constData(), kFieldSize).combo;
    combo->addItems(items);
    combo->setCurrentIndex(0);
    return combo;
}

void ToolWidget::FinishForm(const QString& destination, const QString& ok, const QString& cancel)
{
    int row = m_grid->rowCount();
    if (!destination.isEmpty()) {
        const kvui::BrowseRow browse
            = kvui::AddBrowseRow(m_grid, row++, 0, destination, Name("output_").constData(),
                                 kFieldSize, Name("open_btn_").constData(), QSize(28, 28));
        m_output = browse.edit;
        m_open = browse.browse;
        m_open->setAutoDefault(false);
    }
    m_grid->setRowStretch(row++, 1);
    kvui::ButtonRow buttons(this);
    QPushButton* okButton = buttons.Add(Name("ok_btn_").constData(), ok, "kvcombtn");
    QPushButton* cancelButton = buttons.Add(Name("cancel_btn_").constData(), cancel, "kvquitbtn");
    m_grid->addLayout(buttons.Layout(), row, 0, 1, 3);
    connect(okButton, &QPushButton::clicked, this, &ToolWidget::ClickOK);
    connect(cancelButton, &QPushButton::clicked, this, &ToolWidget::ClickCancel);
}

void ToolWidget::ChooseDestination()
{
    const QString folder = kvui::ChooseFolder(this, tr("Open Directory"));
    if (!folder.isEmpty())
        m_output->setText(folder);
}

std::string ToolWidget::GetPath() const
{
    return m_output ? Narrow(m_output->text()) : std::string();
}

void ToolWidget::ClickOK()
{
    if (m_output && m_output->text().isEmpty())
        return;
    AcceptDialog();
}

void ToolWidget::ClickCancel()
{
    RejectDialog();
}

ColorWidget::ColorWidget(QWidget* parent)
    : ToolWidget(parent, "clrw_", QSize(520, 210), tr("Color Balance"))
{
    FinishForm(tr("Destination: "), tr("OK"), tr("Cancel"));
    connect(m_open, &QPushButton::clicked, this, &ColorWidget::Open);
}

void ColorWidget::Open()
{
    ChooseDestination();
}

EnhancementWidget::EnhancementWidget(QWidget* parent)
    : ToolWidget(parent, "ehcw_", QSize(520, 210), tr("Enhancement"))
{
    FinishForm(tr("Destination:"), tr("OK"), tr("Cancel"));
    connect(m_open, &QPushButton::clicked, this, &EnhancementWidget::OpenFolder);
}

void EnhancementWidget::OpenFolder()
{
    ChooseDestination();
}

FormatWidget::FormatWidget(QWidget* parent)
    : ToolWidget(parent, "fmtw_", QSize(511, 251), tr("Format"))
{
    m_format = AddChoice(tr("Format:"), "format_",
                         {QStringLiteral("BMP"), QStringLiteral("JPEG"), QStringLiteral("PNG"),
                          QStringLiteral("GTiff")});
    FinishForm(tr("Destination:"), tr("OK"), tr("Cancel"));
    connect(m_open, &QPushButton::clicked, this, &FormatWidget::ClickOpen);
}

std::string FormatWidget::GetFormat() const
{
    return Narrow(m_format->currentText());
}

void FormatWidget::ClickOpen()
{
    ChooseDestination();
}

PyramidWidget::PyramidWidget(QWidget* parent)
    : ToolWidget(parent, "pyrw_", QSize(520, 160), tr("Overviews"))
{
    FinishForm(QString(), tr("OK"), tr("Cancel"));
}

ResampleWidget::ResampleWidget(QWidget* parent)
    : ToolWidget(parent, "rsw_", QSize(520, 254), tr("Resample"))
{
    m_rate = AddChoice(tr("Ratio:"), "rate_",
                       {QStringLiteral("1:2"), QStringLiteral("1:3"), QStringLiteral("1:4"),
                        QStringLiteral("1:5"), QStringLiteral("1:8"), QStringLiteral("1:10"),
                        QStringLiteral("1:16"), QStringLiteral("1:20")});
    FinishForm(tr("Destination:"), tr("OK"), tr("Cancel"));
    connect(m_open, &QPushButton::clicked, this, &ResampleWidget::ClickOpen);
}

double ResampleWidget::GetRate() const
{
    const int index = qBound(0, m_rate->currentIndex(), int(std::size(kDialogRates)) - 1);
    return kDialogRates[index];
}

void ResampleWidget::ClickOpen()
{
    ChooseDestination();
}

RotateWidget::RotateWidget(QWidget* parent)
    : ToolWidget(parent, "rtw_", QSize(520, 260), tr("Rotation"))
{
    m_angle = AddChoice(tr("Angles:"), "angle_",
                        {QStringLiteral("90°"), QStringLiteral("180°"), QStringLiteral("270°")});
    FinishForm(tr("Destination:"), tr("OK"), tr("Cancel"));
    connect(m_open, &QPushButton::clicked, this, &RotateWidget::ClickOpen);
}

int RotateWidget::GetType() const
{
    return m_angle->currentIndex() + 1;
}

void RotateWidget::ClickOpen()
{
    ChooseDestination();
}

ColorDialog::ColorDialog(QWidget* parent)
    : ToolDialog(tr("Color Balance"), parent)
{ }

EnhancementDialog::EnhancementDialog(QWidget* parent)
    : ToolDialog(tr("Enhancement"), parent)
{ }

FormatDialog::FormatDialog(QWidget* parent)
    : ToolDialog(tr("Format"), parent)
{ }

PyramidDialog::PyramidDialog(QWidget* parent)
    : ToolDialog(tr("Overviews"), parent)
{ }

ResampleDialog::ResampleDialog(QWidget* parent)
    : ToolDialog(tr("Resample"), parent)
{ }

RotateDialog::RotateDialog(QWidget* parent)
    : ToolDialog(tr("Rotation"), parent)
{ }
