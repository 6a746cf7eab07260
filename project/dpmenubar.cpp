#include "project/dpmenubar.h"

#include "framework/formrows.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFrame* MakeLine(QWidget* parent, const char* name)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedSize(148, 4);
    line->setStyleSheet(QStringLiteral("background-color: rgb(202, 200, 201);"));
    return line;
}

} // namespace

DPMenuWidget::DPMenuWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("DPMenuWidget"));
    setFixedSize(168, 236);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const QSize size(168, 56);
    QPushButton* edit = kvui::MakeButton(this, "dpmn_edit_btn_", QString(), size);
    QPushButton* save = kvui::MakeButton(this, "dpmn_save_btn_", QString(), size);
    QPushButton* saveAs = kvui::MakeButton(this, "dpmn_save_as_btn_", QString(), size);
    QPushButton* main = kvui::MakeButton(this, "dpmn_main_btn_", QString(), size);
    layout->addWidget(edit);
    layout->addWidget(MakeLine(this, "line_2"), 0, Qt::AlignHCenter);
    layout->addWidget(save);
    layout->addWidget(MakeLine(this, "line_3"), 0, Qt::AlignHCenter);
    layout->addWidget(saveAs);
    layout->addWidget(MakeLine(this, "line_4"), 0, Qt::AlignHCenter);
    layout->addWidget(main);

    connect(edit, &QPushButton::clicked, this, &DPMenuWidget::EditProject);
    connect(save, &QPushButton::clicked, this, &DPMenuWidget::SaveProject);
    connect(saveAs, &QPushButton::clicked, this, &DPMenuWidget::SaveasProject);
    connect(main, &QPushButton::clicked, this, &DPMenuWidget::PopupMain);
}

DpMenuBar::DpMenuBar(QWidget* parent)
    : TransparentDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_widget = new DPMenuWidget(this);
    m_widget->setObjectName(QStringLiteral("DPMenu"));
    m_widget->SetDialog(this);
    layout->addWidget(m_widget);

    connect(m_widget, &DPMenuWidget::NewProject, this, &DpMenuBar::NewProject);
    connect(m_widget, &DPMenuWidget::EditProject, this, &DpMenuBar::EditProject);
    connect(m_widget, &DPMenuWidget::SaveProject, this, &DpMenuBar::SaveProject2);
    connect(m_widget, &DPMenuWidget::SaveasProject, this, &DpMenuBar::SaveasProject);
    connect(m_widget, &DPMenuWidget::PopupMain, this, &DpMenuBar::PopupMain);
}

DpMenuBar::~DpMenuBar()
{
    Q_EMIT Quit();
}

void DpMenuBar::SaveProject2()
{
    Q_EMIT SaveProject();
    close();
}
