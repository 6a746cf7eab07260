#include "project/kvcreatprojectdialog.h"

#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvstyle.h"
#include "kvfd/kvconststringfactory.h"
#include "kvprj/kvproject.h"
#include "project/projectrecord.h"

#include <QComboBox>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

namespace {

constexpr int kEmptyName = 120;
constexpr int kBadName = 121;
constexpr int kLongDescription = 122;

// The project's texts are stored as local code page bytes in fixed arrays of
// the description record. A Chinese character takes several bytes there, so a
// 32-character name can be longer than its 64-byte field; text that would not
// fit cannot be typed, so nothing the user sees on this page is cut on Next.
class ByteLimitValidator : public QValidator
{
    Q_OBJECT

public:
    ByteLimitValidator(std::size_t maxBytes, QObject* parent)
        : QValidator(parent)
        , m_maxBytes(maxBytes)
    { }

    State validate(QString& input, int&) const override
    {
        return QString2String(input).size() <= m_maxBytes ? Acceptable : Invalid;
    }

private:
    std::size_t m_maxBytes;
};

void ShowMessage(int id)
{
    KvMessageBox::Show(kvfd::KvGetConstString(id), KvMessageBox::BT_OK);
}

QLineEdit* MakeTextRow(QGridLayout* grid, int row, const QString& label, const char* name,
                       std::size_t fieldBytes)
{
    QWidget* parent = grid->parentWidget();
    QLabel* caption = kvui::MakeLabel(parent, label);
    QLineEdit* edit = kvui::MakeLineEdit(parent, name, QSize());
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    edit->setMinimumHeight(30);
    edit->setMaxLength(KvCreatProjectWidget::kMaxNameLength);
    edit->setValidator(new ByteLimitValidator(fieldBytes - 1, edit));
    grid->addWidget(edit, row, 1, 1, 2);
    return edit;
}

} // namespace

KvCreatProjectWidget::KvCreatProjectWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("KvCreatProjectWidget"));
    setMinimumSize(800, 600);
    const kvprj::PrjInfo field;

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(60, 40, 60, 30);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);

    m_name = MakeTextRow(grid, 0, tr("Name:"), "prj_name", sizeof field.name);
    m_name->setMinimumWidth(580);
    m_operator = MakeTextRow(grid, 1, tr("Operator:"), "prj_operator", sizeof field.prjOperator);

    grid->addWidget(kvui::MakeLabel(this, tr("Date:")), 2, 0);
    m_date = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    m_date->setObjectName(QStringLiteral("prj_date_"));
    m_date->setDisplayFormat(QStringLiteral("yyyy/M/d H:mm:ss"));
    m_date->setMinimumHeight(24);
    m_date->setMaximumWidth(180);
    grid->addWidget(m_date, 2, 1);

    m_aircraft = kvui::AddComboRow(grid, 3, 0, tr("UAV:"), "prj_uav_type_", QSize()).combo;
    m_aircraft->setMaximumWidth(180);
    // The family's five aircraft, then any other aircraft.
    m_aircraft->addItems({QStringLiteral("Kestrel"), QStringLiteral("Heron"),
                          QStringLiteral("Egret"), QStringLiteral("Osprey"),
                          QStringLiteral("Plover"), tr("其他")});
    m_aircraft->setCurrentIndex(kOtherIndex);

    m_nadir = kvui::MakeRadioButton(this, "prj_nadir_", QString(), QSize(20, 20));
    m_oblique = kvui::MakeRadioButton(this, "prj_oblique_", QString(), QSize(20, 20));
    m_nadir->setChecked(true);
    auto* views = new QHBoxLayout();
    views->setSpacing(10);
    views->addWidget(m_nadir);
    views->addWidget(kvui::MakeLabel(this, tr("Nadir")));
    views->addSpacing(30);
    views->addWidget(m_oblique);
    views->addWidget(kvui::MakeLabel(this, tr("Oblique")));
    views->addStretch();
    grid->addLayout(views, 4, 1, 1, 2);

    grid->addWidget(kvui::MakeLabel(this, tr("Description:")), 5, 0, Qt::AlignTop);
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("prj_surveyDescribe"));
    kvui::SetStyleName(m_description, "kvtextedit");
    grid->addWidget(m_description, 5, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);

    kvui::ButtonRow buttons(this, kvui::kButtonSize, kvui::ButtonRow::Centre);
    QPushButton* next = buttons.Add("prj_nextBtn", tr("Next"), "kvcombtn");
    QPushButton* quit = buttons.Add("prj_quitBtn", tr("Exit"), "kvquitbtn");
    next->setDefault(true);
    grid->addLayout(buttons.Layout(), 6, 0, 1, 3);

    connect(next, &QPushButton::clicked, this, &KvCreatProjectWidget::slot_next);
    connect(quit, &QPushButton::clicked, this, &KvCreatProjectWidget::slot_quit);
}

void KvCreatProjectWidget::SetProject(kvprj::KvProject* project)
{
    m_project = project;
    if (!m_project)
        return;
    const kvprj::PrjInfo& info = m_project->GetPrjInfo();
    m_name->setText(FieldText(info.name));
    m_operator->setText(FieldText(info.prjOperator));
    m_description->setPlainText(FieldText(info.description));
    // A date that is missing (or unreadable) leaves the current time.
    const QDateTime date = QDateTime::fromString(FieldText(info.date), Qt::ISODate);
    if (date.isValid())
        m_date->setDateTime(date);
    if (info.viewType == 1)
        m_nadir->setChecked(true);
    else
        m_oblique->setChecked(true);
    // Types the combo does not know are shown as "other".
    const bool known = info.aircraftType >= 0 && info.aircraftType < kOtherIndex;
    m_aircraft->setCurrentIndex(known ? info.aircraftType : kOtherIndex);
}

bool KvCreatProjectWidget::Validate() const
{
    const QString name = m_name->text();
    if (name.isEmpty()) {
        ShowMessage(kEmptyName);
        return false;
    }
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : name) {
        if (forbidden.contains(c)) {
            ShowMessage(kBadName);
            return false;
        }
    }
    // Also refused when it would not fit its field, so that nothing is cut.
    const QString description = m_description->toPlainText();
    if (description.length() > kMaxDescriptionLength
        || QString2String(description).size() >= sizeof(kvprj::PrjInfo::description)) {
        ShowMessage(kLongDescription);
        return false;
    }
    return true;
}

void KvCreatProjectWidget::slot_next()
{
    if (!Validate() || !m_dialog)
        return;
    if (m_project) {
        kvprj::PrjInfo& info = m_project->GetPrjInfo();
        kvprj::CopyText(info.name, QString2String(m_name->text()));
        kvprj::CopyText(info.prjOperator, QString2String(m_operator->text()));
        kvprj::CopyText(info.date, QString2String(m_date->dateTime().toString(Qt::ISODate)));
        kvprj::CopyText(info.description, QString2String(m_description->toPlainText()));
        info.viewType = m_nadir->isChecked() ? 1 : 0;
        const int index = m_aircraft->currentIndex();
        info.aircraftType = index == kOtherIndex ? kOtherAircraft : index;
    }
    m_result = WR_NEXT;
    AcceptDialog();
}

void KvCreatProjectWidget::slot_quit()
{
    m_result = WR_CANCEL;
    RejectDialog();
}

KvCreatProjectDialog::KvCreatProjectDialog(QWidget* parent)
    : ProjectPageDialog(tr("Project Information"), parent)
{ }

WResut ShowPrjInfoDialog(kvprj::KvProject& project)
{
    return kvui::RunProjectPage<KvCreatProjectDialog>(project);
}

#include "kvcreatprojectdialog.moc"
