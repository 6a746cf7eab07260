#include "camera/camerawidget.h"

#include "camera/camerasettingwidget.h"
#include "framework/formrows.h"

#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

CameraWidget::CameraWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("CameraWidget"));
    setFixedSize(800, 600);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("cw_scroll_area_"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFixedWidth(750);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    auto* contents = new QWidget();
    contents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    auto* contentsLayout = new QVBoxLayout(contents);
    contentsLayout->setContentsMargins(0, 0, 0, 0);
    m_setting = new CameraSettingWidget(contents);
    contentsLayout->addWidget(m_setting);
    scroll->setWidget(contents);
    layout->addWidget(scroll, 1, Qt::AlignHCenter);

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("cw_ok_btn_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("cw_cancel_btn_", tr("Cancel"), "kvquitbtn");
    // Enter in any field confirms, as in every dialog of the library.
    ok->setDefault(true);
    layout->addLayout(buttons.Layout());

    connect(ok, &QPushButton::clicked, this, &CameraWidget::Accept);
    connect(cancel, &QPushButton::clicked, this, &CameraWidget::Reject);
}

void CameraWidget::SetCamera(const kvfd::CameraInfo& camera)
{
    m_setting->SetCamera(camera);
}

void CameraWidget::Accept()
{
    m_camera = m_setting->GetCamera();
    AcceptDialog();
}

void CameraWidget::Reject()
{
    RejectDialog();
}
