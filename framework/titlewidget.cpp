#include "framework/titlewidget.h"

#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "kvfd/kvconststringfactory.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

QPushButton* MakeTitleButton(QWidget* parent, const char* objectName, const QString& toolTip)
{
    // Never focused, so a key press always reaches the dialog's content.
    QPushButton* button = kvui::MakeToolButton(parent, objectName, toolTip, QSize(22, 22));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QString MaximizeStyle(const QString& picture)
{
    const QString rule
        = QStringLiteral("QPushButton%1{ border:2px; border-color:beige; "
                         "background-image:url(\":/top/images/1280/top_bar/%2_%3.png\"); }");
    return rule.arg(QString(), picture, QStringLiteral("nor"))
        + rule.arg(QStringLiteral(":hover"), picture, QStringLiteral("hov"))
        + rule.arg(QStringLiteral(":pressed"), picture, QStringLiteral("pre"));
}

} // namespace

TitleWidget::TitleWidget(QWidget* parent, bool showMinMax, bool maximised, bool showSave)
    : BaseWidget(parent)
    , m_maximised(maximised)
    , m_showSave(showSave)
{
    setObjectName(QStringLiteral("TitleWidget"));
    m_layout = new QVBoxLayout(this);
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(2, 2, 2, 2);

    m_titleBar = new QWidget(this);
    m_titleBar->setObjectName(QStringLiteral("kv_title_widget"));
    m_titleBar->setAutoFillBackground(true);
    m_titleBar->setFixedHeight(36);
    m_layout->addWidget(m_titleBar);
    auto* bar = new QHBoxLayout(m_titleBar);
    bar->setSpacing(12);

    m_title = new QLabel(m_titleBar);
    QFont font = m_titleBar->font();
    font.setWeight(75);
    m_title->setFont(font);
    QPalette palette = m_title->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 255, 255, 255));
    m_title->setPalette(palette);
    bar->addWidget(m_title);

    if (showSave) {
        m_saveButton = MakeTitleButton(m_titleBar, "dialog_save_btn", tr("Save"));
        bar->addWidget(m_saveButton, 0, Qt::AlignLeft);
        connect(m_saveButton, &QPushButton::clicked, this, &TitleWidget::ConfirmSave);
    }
    bar->addItem(new QSpacerItem(1, 1, QSizePolicy::Expanding, QSizePolicy::Expanding));
    if (showMinMax) {
        m_minButton = MakeTitleButton(m_titleBar, "min_btn", tr("Minimize"));
        bar->addWidget(m_minButton, 0, Qt::AlignRight);
        m_maxButton = MakeTitleButton(m_titleBar, "max_btn", tr("Maximize"));
        m_maxButton->setStyleSheet(MaximizeStyle(QStringLiteral("Full_but")));
        bar->addWidget(m_maxButton, 0, Qt::AlignRight);
        connect(m_minButton, &QPushButton::clicked, this, &TitleWidget::Minimize);
        connect(m_maxButton, &QPushButton::clicked, this, &TitleWidget::Maximize);
    }
    m_closeButton = MakeTitleButton(m_titleBar, "dialog_close_btn", tr("Close"));
    bar->addWidget(m_closeButton, 0, Qt::AlignRight);
    connect(m_closeButton, &QPushButton::clicked, this, &TitleWidget::Quit);
}

void TitleWidget::SetTitle(const QString& title)
{
    if (m_title)
        m_title->setText(title);
}

QString TitleWidget::Title() const
{
    return m_title ? m_title->text() : QString();
}

void TitleWidget::AddWidget(QWidget* widget)
{
    m_layout->addWidget(widget);
}

void TitleWidget::SetMaximizeLook(const QString& picture, const QString& toolTip)
{
    m_maxButton->setStyleSheet(MaximizeStyle(picture));
    m_maxButton->setToolTip(toolTip);
}

void TitleWidget::Maximize()
{
    QWidget* window = parentWidget();
    if (!m_maxButton || !window)
        return;
    const QRect available = QApplication::primaryScreen()->availableGeometry();
    if (m_maximised) {
        const int cx = (available.left() + available.right()) / 2;
        const int cy = (available.top() + available.bottom()) / 2;
        window->setGeometry(QRect(QPoint(cx - 640, cy - 384), QPoint(cx + 639, cy + 383)));
        SetMaximizeLook(QStringLiteral("Full_but"), tr("Maximize"));
        m_maximised = false;
    } else {
        window->setGeometry(available.adjusted(-14, -14, 14, 14));
        SetMaximizeLook(QStringLiteral("Window_but"), tr("Restore"));
        m_maximised = true;
    }
}

void TitleWidget::Minimize()
{
    if (QWidget* window = parentWidget())
        window->showMinimized();
}

void TitleWidget::Quit()
{
    Q_EMIT ConfirmQuit();
    m_isChecking = true;
    if (m_needCheck
        && KvMessageBox::Show(kvfd::KvGetConstString(130), KvMessageBox::BT_YES_NO)
            != KvMessageBox::BC_OK) {
        m_isChecking = false;
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(parentWidget()))
        dialog->reject();
    m_isChecking = false;
}

void TitleWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget* window = parentWidget();
    if (event->button() == Qt::LeftButton && window
        && m_titleBar->geometry().contains(event->pos())) {
        m_drag.Press(window, event->globalPos());
    }
    BaseWidget::mousePressEvent(event);
}

void TitleWidget::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.Move(parentWidget(), event->globalPos());
    BaseWidget::mouseMoveEvent(event);
}

void TitleWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_drag.Release();
    BaseWidget::mouseReleaseEvent(event);
}
