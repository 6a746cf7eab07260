#include "host/viewer/viewerwindow.h"

#include "host/viewer/photoview.h"

#include <QAction>
#include <QFileInfo>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QString Degrees(double value, const char* positive, const char* negative)
{
    return QStringLiteral("%1\u00B0 %2")
        .arg(qAbs(value), 0, 'f', 6)
        .arg(QLatin1String(value < 0.0 ? negative : positive));
}

QString SizeText(const QSize& size)
{
    return QStringLiteral("%1 \u00D7 %2").arg(size.width()).arg(size.height());
}

QLabel* ValueLabel(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

// The file name of a listed path: the text after the last separator.
QString FileName(const kvviewer::ListedPhoto& photo)
{
    return photo.text.mid(photo.text.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

ViewerWindow::ViewerWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("kvv_window"));
    setWindowTitle(tr("Image Viewer"));

    m_view = new PhotoView;
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(BuildSidePanel());
    setCentralWidget(central);

    auto* tools = addToolBar(tr("Photos"));
    tools->setObjectName(QStringLiteral("kvv_tools"));
    tools->setMovable(false);
    m_first = AddAction(tr("First"), QStringLiteral("kvv_first"), QStyle::SP_MediaSkipBackward,
                        {QKeySequence(Qt::Key_Home)});
    m_previous = AddAction(tr("Previous"), QStringLiteral("kvv_previous"), QStyle::SP_ArrowBack,
                           {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_PageUp)});
    m_next = AddAction(
        tr("Next"), QStringLiteral("kvv_next"), QStyle::SP_ArrowForward,
        {QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::Key_Space)});
    m_last = AddAction(tr("Last"), QStringLiteral("kvv_last"), QStyle::SP_MediaSkipForward,
                       {QKeySequence(Qt::Key_End)});
    tools->addActions({m_first, m_previous, m_next, m_last});
    tools->addSeparator();
    QAction* zoomIn = AddAction(tr("Zoom In"), QStringLiteral("kvv_zoom_in"), QStyle::SP_ArrowUp,
                                {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal),
                                 QKeySequence(QKeySequence::ZoomIn)});
    QAction* zoomOut
        = AddAction(tr("Zoom Out"), QStringLiteral("kvv_zoom_out"), QStyle::SP_ArrowDown,
                    {QKeySequence(Qt::Key_Minus), QKeySequence(QKeySequence::ZoomOut)});
    QAction* fit = AddAction(tr("Fit"), QStringLiteral("kvv_fit"), QStyle::SP_TitleBarNormalButton,
                             {QKeySequence(Qt::Key_F), QKeySequence(Qt::Key_0)});
    tools->addActions({zoomIn, zoomOut, fit});
    tools->addSeparator();
    m_reload = AddAction(tr("Reload List"), QStringLiteral("kvv_reload"), QStyle::SP_BrowserReload,
                         {QKeySequence(QKeySequence::Refresh)});
    tools->addAction(m_reload);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    connect(zoomIn, &QAction::triggered, m_view, &PhotoView::ZoomIn);
    connect(zoomOut, &QAction::triggered, m_view, &PhotoView::ZoomOut);
    connect(fit, &QAction::triggered, m_view, &PhotoView::Fit);
    connect(m_first, &QAction::triggered, this, &ViewerWindow::First);
    connect(m_previous, &QAction::triggered, this, &ViewerWindow::Previous);
    connect(m_next, &QAction::triggered, this, &ViewerWindow::Next);
    connect(m_last, &QAction::triggered, this, &ViewerWindow::Last);
    connect(m_reload, &QAction::triggered, this, &ViewerWindow::ReloadList);
    connect(m_view, &PhotoView::ZoomChanged, this, &ViewerWindow::ShowZoom);

    m_path = new QLabel;
    m_path->setObjectName(QStringLiteral("kvv_path"));
    statusBar()->addWidget(m_path, 1);

    resize(1100, 720);
    SetPhotos({});
}

// A load still running keeps only values, never the window: it finishes on
// the pool and its answer is dropped.
ViewerWindow::~ViewerWindow() = default;

QAction* ViewerWindow::AddAction(const QString& text, const QString& name,
                                 QStyle::StandardPixmap icon, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(style()->standardIcon(icon), text, this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setToolTip(
        QStringLiteral("%1 (%2)").arg(text, keys.constFirst().toString(QKeySequence::NativeText)));
    addAction(action);
    return action;
}

QWidget* ViewerWindow::BuildSidePanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("kvv_panel"));
    panel->setFixedWidth(280);
    auto* layout = new QVBoxLayout(panel);
    // One form for all three groups, so that their values line up.
    auto* form = new QFormLayout;
    layout->addLayout(form);
    auto heading = [form](const QString& text) {
        if (form->rowCount() > 0)
            form->addItem(new QSpacerItem(0, 8));
        form->addRow(new QLabel(QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped())));
    };
    auto row = [form](const QString& label, const QString& name) {
        QLabel* value = ValueLabel(name);
        form->addRow(label, value);
        return value;
    };

    heading(tr("Photo"));
    m_file = row(tr("File:"), QStringLiteral("kvv_file"));
    m_index = row(tr("Photo:"), QStringLiteral("kvv_index"));
    heading(tr("Position"));
    m_latitude = row(tr("Latitude:"), QStringLiteral("kvv_latitude"));
    m_longitude = row(tr("Longitude:"), QStringLiteral("kvv_longitude"));
    m_altitude = row(tr("Altitude:"), QStringLiteral("kvv_altitude"));
    heading(tr("Camera"));
    m_camera = row(tr("Camera:"), QStringLiteral("kvv_camera"));
    m_focal = row(tr("Focal length:"), QStringLiteral("kvv_focal"));
    m_size = row(tr("Image size:"), QStringLiteral("kvv_size"));
    m_zoom = row(tr("Zoom:"), QStringLiteral("kvv_zoom"));

    layout->addSpacing(12);
    m_problems = ValueLabel(QStringLiteral("kvv_problems"));
    m_problems->setStyleSheet(QStringLiteral("color: #b35c00;"));
    layout->addWidget(m_problems);
    layout->addStretch();
    return panel;
}

void ViewerWindow::SetPhotos(kvviewer::PhotoList list)
{
    m_list = std::move(list);
    m_problems->setText(m_list.problems.join(QLatin1Char('\n')));
    m_problems->setVisible(!m_list.problems.isEmpty());
    m_reload->setEnabled(!m_list.source.isEmpty());
    m_current = -1;
    if (m_list.photos.empty()) {
        m_wanted->store(++m_generation);
        m_loading = false;
        m_shown = {};
        m_view->SetMessage(tr("No photos to show."));
        m_file->clear();
        m_index->setText(QStringLiteral("0 / 0"));
        m_path->clear();
        setWindowTitle(tr("Image Viewer"));
        ShowTags();
        UpdateActions();
        Q_EMIT PhotoShown(-1);
        return;
    }
    ShowPhoto(0);
}

void ViewerWindow::ShowPhoto(int index)
{
    if (index < 0 || index >= Count())
        return;
    m_current = index;
    const kvviewer::ListedPhoto& listed = m_list.photos[std::size_t(index)];
    const QString name = FileName(listed);
    m_file->setText(name);
    m_index->setText(QStringLiteral("%1 / %2").arg(index + 1).arg(Count()));
    m_path->setText(listed.text);
    setWindowTitle(tr("%1 - Image Viewer").arg(name));
    m_shown = {};
    ShowTags();
    UpdateActions();

    m_loading = true;
    m_view->SetMessage(tr("Loading %1\u2026").arg(name));
    const int generation = ++m_generation;
    auto* watcher = new QFutureWatcher<kvviewer::LoadedPhoto>(this);
    connect(watcher, &QFutureWatcher<kvviewer::LoadedPhoto>::finished, this,
            [this, watcher, index, generation] {
                watcher->deleteLater();
                Loaded(index, generation, watcher->result());
            });
    // Holding an arrow key queues a load per photo passed over; those still
    // waiting when their turn comes are skipped, or the photo the operator
    // stopped at would wait for all of them.
    m_wanted->store(generation);
    watcher->setFuture(QtConcurrent::run([path = listed.path, wanted = m_wanted, generation] {
        return wanted->load() == generation ? kvviewer::LoadPhoto(path) : kvviewer::LoadedPhoto();
    }));
}

void ViewerWindow::Loaded(int index, int generation, const kvviewer::LoadedPhoto& photo)
{
    // The operator has moved on, or the list was replaced, meanwhile.
    if (generation != m_generation)
        return;
    m_loading = false;
    m_shown = photo;
    if (photo.image.isNull()) {
        m_view->SetMessage(tr("%1 cannot be shown.\n%2")
                               .arg(FileName(m_list.photos[std::size_t(index)]), photo.error));
    } else {
        m_view->SetPhoto(photo.image, photo.fullSize);
    }
    // The view holds its own copy of the picture.
    m_shown.image = QImage();
    ShowTags();
    Q_EMIT PhotoShown(index);
}

void ViewerWindow::ShowTags()
{
    const kvviewer::PhotoTags& tags = m_shown.tags;
    const QString none = m_loading ? QString() : tr("not recorded");
    if (tags.hasPosition) {
        m_latitude->setText(Degrees(tags.latitude, "N", "S"));
        m_longitude->setText(Degrees(tags.longitude, "E", "W"));
        m_altitude->setText(tr("%1 m").arg(tags.altitude, 0, 'f', 2));
    } else {
        m_latitude->setText(none);
        m_longitude->setText(none);
        m_altitude->setText(none);
    }
    m_camera->setText(tags.camera.isEmpty() ? none : tags.camera);
    m_focal->setText(tags.focal > 0.0 ? tr("%1 mm").arg(tags.focal, 0, 'f', 2) : none);
    const QSize size = tags.imageSize.isValid() ? tags.imageSize : m_shown.fullSize;
    m_size->setText(size.isValid() ? SizeText(size) : none);
    if (!m_view->HasPhoto())
        m_zoom->clear();
}

void ViewerWindow::ShowZoom(double zoom)
{
    m_zoom->setText(m_view->HasPhoto() ? QStringLiteral("%1%").arg(qRound(zoom * 100.0))
                                       : QString());
}

void ViewerWindow::UpdateActions()
{
    m_first->setEnabled(m_current > 0);
    m_previous->setEnabled(m_current > 0);
    m_next->setEnabled(m_current >= 0 && m_current + 1 < Count());
    m_last->setEnabled(m_current >= 0 && m_current + 1 < Count());
}

void ViewerWindow::Next()
{
    ShowPhoto(m_current + 1);
}

void ViewerWindow::Previous()
{
    ShowPhoto(m_current - 1);
}

void ViewerWindow::First()
{
    ShowPhoto(0);
}

void ViewerWindow::Last()
{
    ShowPhoto(Count() - 1);
}

void ViewerWindow::ReloadList()
{
    if (!m_list.source.isEmpty())
        SetPhotos(kvviewer::ReadPhotoList(m_list.source));
}

QString ViewerWindow::Describe() const
{
    QStringList lines;
    lines << QStringLiteral("list=") + m_list.source;
    lines << QStringLiteral("count=%1").arg(Count());
    lines << QStringLiteral("current=%1").arg(m_current + 1);
    lines << QStringLiteral("loading=%1").arg(m_loading ? 1 : 0);
    if (m_current >= 0) {
        lines << QStringLiteral("file=") + m_list.photos[std::size_t(m_current)].text;
        if (!m_loading && m_view->HasPhoto())
            lines << QStringLiteral("shown=%1x%2")
                         .arg(m_shown.fullSize.width())
                         .arg(m_shown.fullSize.height());
        if (!m_shown.error.isEmpty())
            lines << QStringLiteral("error=") + m_shown.error;
    }
    const kvviewer::PhotoTags& tags = m_shown.tags;
    if (tags.hasPosition) {
        lines << QStringLiteral("latitude=%1").arg(tags.latitude, 0, 'f', 8);
        lines << QStringLiteral("longitude=%1").arg(tags.longitude, 0, 'f', 8);
        lines << QStringLiteral("altitude=%1").arg(tags.altitude, 0, 'f', 3);
    }
    if (!tags.camera.isEmpty())
        lines << QStringLiteral("camera=") + tags.camera;
    for (const QString& problem : m_list.problems)
        lines << QStringLiteral("problem=") + problem;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
