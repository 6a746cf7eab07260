#include "project/tiledscene.h"

#include "framework/filechooser.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "kvfd/kvconststringfactory.h"
#include "kvprj/kvproject.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionGraphicsItem>
#include <cstdio>

namespace {

constexpr int kProjectMissing = 128;

constexpr int kColumns = 4;
constexpr int kColumnStep = 245;
constexpr int kRowStep = 250;
constexpr int kLeft = 2;
constexpr int kTop = 20;
constexpr int kSceneWidth = 970;
// Where a hovered tile shows its path: above the name, clear of the buttons
// under a selected tile.
constexpr int kPathLeft = 16;
constexpr int kPathBaseline = 32;

const char* const kButtonFolder = ":/project/images/1280/Engineering/";

bool AskRemove()
{
    return KvMessageBox::Show(kvfd::KvGetConstString(kProjectMissing), KvMessageBox::BT_YES_NO)
        == KvMessageBox::BC_OK;
}

// The tile-sized copies of a picture. Every tile of the start page shows the
// same thumbnail, so the scaled copy and its highlight are made once per
// picture and shared (QPixmap data is implicitly shared), not once per tile.
void TilePixmaps(const QPixmap& source, QPixmap& thumbnail, QPixmap& highlight)
{
    const QString key = QStringLiteral("kvtile-%1").arg(source.cacheKey());
    const QString highlightKey = key + QStringLiteral("-hl");
    if (QPixmapCache::find(key, &thumbnail) && QPixmapCache::find(highlightKey, &highlight))
        return;

    const QSize size(ProjectGraphicsItem::kWidth, ProjectGraphicsItem::kHeight);
    if (source.isNull()) {
        thumbnail = QPixmap(size);
        thumbnail.fill(QColor(60, 60, 60));
    } else {
        thumbnail = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    highlight = QPixmap(size);
    highlight.fill(QColor(49, 154, 211, 80));
    QPainter painter(&highlight);
    painter.drawPixmap(0, 0, thumbnail);
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(188, 235, 30, 80));
    painter.end();
    QPixmapCache::insert(key, thumbnail);
    QPixmapCache::insert(highlightKey, highlight);
}

QString ShownDate(const QString& date)
{
    return QDateTime::fromString(date, Qt::ISODate).date().toString(Qt::ISODate);
}

} // namespace

QString ShortenText(const QString& text, int n)
{
    if (text.size() <= n)
        return text;
    int width = 0;
    int kept = 0;
    while (kept < text.size() && width < 2 * n) {
        width += text.at(kept).unicode() < 255 ? 1 : 2;
        ++kept;
    }
    return kept < text.size() ? text.left(kept) + QStringLiteral("...") : text;
}

// ---------------------------------------------------------------------------

PixmapItem::PixmapItem(QGraphicsPixmapItem* parent)
    : QGraphicsPixmapItem(parent)
{
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::LeftButton);
}

void PixmapItem::SetNormalPixmap(const QPixmap& pixmap)
{
    m_normal = pixmap;
    setPixmap(pixmap);
}

void PixmapItem::SetHoverPixmap(const QPixmap& pixmap)
{
    m_hover = pixmap;
}

void PixmapItem::SetPressPixmap(const QPixmap& pixmap)
{
    m_press = pixmap;
}

void PixmapItem::SetCheckedPixmap(const QPixmap& pixmap)
{
    m_checked = pixmap;
}

void PixmapItem::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    if (!m_hover.isNull())
        setPixmap(m_hover);
    QGraphicsPixmapItem::hoverEnterEvent(event);
}

void PixmapItem::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    setPixmap(m_normal);
    QGraphicsPixmapItem::hoverLeaveEvent(event);
}

void PixmapItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_press.isNull())
        setPixmap(m_press);
    // Accepting the press is what brings the release here.
    event->accept();
}

void PixmapItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    setPixmap(m_press);
    event->accept();
    emit PixmapItemClicked();
}

// ---------------------------------------------------------------------------

ProjectGraphicsItem::ProjectGraphicsItem(QGraphicsItem* parent)
    : QGraphicsPixmapItem(parent)
{
    setAcceptHoverEvents(true);
    setAcceptTouchEvents(true);
    setFlag(QGraphicsItem::ItemIsSelectable, true);
    setShapeMode(QGraphicsPixmapItem::BoundingRectShape);
}

void ProjectGraphicsItem::SetPixmap(const QPixmap& pixmap)
{
    TilePixmaps(pixmap, m_thumbnail, m_highlight);
    setPixmap(m_hovered ? m_highlight : m_thumbnail);
}

void ProjectGraphicsItem::SetPrjInfo(const PrjInfo& info)
{
    m_info = info;
    setToolTip(info.path);
}

QString ProjectGraphicsItem::ShownPath(const QFont& font) const
{
    if (!m_info.identifier.isEmpty())
        return QString();
    // The end of a path (folder and file name) is what tells two projects of
    // one name apart; the start goes first.
    return QFontMetrics(font).elidedText(QDir::toNativeSeparators(m_info.path), Qt::ElideLeft,
                                         kWidth - 2 * kPathLeft);
}

bool ProjectGraphicsItem::IsStale() const
{
    if (QFileInfo(m_info.path).isFile())
        return false;
    // A flight mission has no file: its path is the mission's name and
    // description. Its identifier tells it apart even when the mission's name
    // differs from the name shown on the tile.
    if (!m_info.identifier.isEmpty())
        return false;
    const bool mission = !m_info.path.isEmpty() && !m_info.name.isEmpty()
        && !m_info.description.isEmpty()
        && m_info.path == m_info.name + QLatin1Char(' ') + m_info.description;
    return !mission;
}

void ProjectGraphicsItem::Activate()
{
    if (IsStale()) {
        if (AskRemove())
            emit DeleteMe();
        return;
    }
    emit OpenMe(&m_info);
}

QRectF ProjectGraphicsItem::boundingRect() const
{
    return QRectF(0, 0, kWidth, kHeight);
}

void ProjectGraphicsItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/,
                                QWidget* /*widget*/)
{
    const QPixmap shown = pixmap();
    const QRect area(0, 0, kWidth, kHeight);
    painter->drawPixmap(0, 0, shown);

    QFont normal = painter->font();
    QFont large = normal;
    large.setPointSize(normal.pointSize() + 4);
    painter->setPen(Qt::white);

    const QString date = ShownDate(m_info.date);
    if (m_hovered || isSelected()) {
        painter->fillRect(area, QColor(35, 24, 21, 154));
        painter->setFont(normal);
        painter->drawText(QPointF(kPathLeft, kPathBaseline), ShownPath(normal));
        painter->setFont(large);
        painter->drawText(QPointF(16, 60), ShortenText(m_info.name, 8));
        painter->setFont(normal);
        painter->drawText(QPointF(16, 85), date);
        painter->drawText(QPointF(110, 85), ShortenText(m_info.user, 6));
        painter->drawText(QPointF(16, 110), ShortenText(m_info.description, 12));
    } else {
        painter->setFont(large);
        painter->drawText(QPointF(16, 125), ShortenText(m_info.name, 8));
        painter->setFont(normal);
        painter->drawText(QPointF(16, 150), date);
        painter->drawText(QPointF(110, 150), ShortenText(m_info.user, 8));
    }

    if (isSelected()) {
        QPen pen(Qt::black);
        pen.setDashPattern({5, 3});
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        const QRect rect = shown.isNull() ? area : shown.rect();
        painter->drawRect(QRectF(rect).adjusted(-1, -1, 0, 0));
    }
}

void ProjectGraphicsItem::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    m_hovered = true;
    setPixmap(m_highlight);
    QGraphicsPixmapItem::hoverEnterEvent(event);
}

void ProjectGraphicsItem::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    m_hovered = false;
    setPixmap(m_thumbnail);
    QGraphicsPixmapItem::hoverLeaveEvent(event);
}

void ProjectGraphicsItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    Activate();
}

// ---------------------------------------------------------------------------

TiledScene::TiledScene(QObject* parent)
    : QGraphicsScene(parent)
{
    // Two thousand tiles move on every keystroke of the search box; a linear
    // item list is cheaper to keep than the spatial index.
    setItemIndexMethod(QGraphicsScene::NoIndex);

    auto makeButton = [this](const QString& tip, const char* image) {
        const QString folder = QLatin1String(kButtonFolder);
        const QPixmap normal(folder + QLatin1String(image) + QStringLiteral("_nor.png"));
        auto* button = new PixmapItem();
        button->SetNormalPixmap(normal);
        button->SetHoverPixmap(QPixmap(folder + QLatin1String(image) + QStringLiteral("_hov.png")));
        button->SetPressPixmap(normal);
        button->SetCheckedPixmap(normal);
        button->setToolTip(tip);
        button->setZValue(1);
        button->hide();
        addItem(button);
        return button;
    };
    m_export = makeButton(tr("Export"), "eng_Export_but");
    m_copy = makeButton(tr("Copy"), "eng_Copy_but");
    m_delete = makeButton(tr("Delete"), "eng_Delete_but");

    connect(m_export, &PixmapItem::PixmapItemClicked, this, &TiledScene::ExportItem);
    connect(m_copy, &PixmapItem::PixmapItemClicked, this, &TiledScene::CopyItem);
    connect(m_delete, &PixmapItem::PixmapItemClicked, this, &TiledScene::AskRemoveSelected);
    connect(this, &QGraphicsScene::selectionChanged, this, &TiledScene::SelectionChanged);
}

TiledScene::~TiledScene()
{
    // The scene deletes the tiles still in it; the slots must not run meanwhile.
    disconnect(this, &QGraphicsScene::selectionChanged, this, &TiledScene::SelectionChanged);
}

void TiledScene::RemoveAll()
{
    clearSelection();
    const QList<ProjectGraphicsItem*> tiles = m_items;
    m_items.clear();
    for (ProjectGraphicsItem* tile : tiles) {
        removeItem(tile);
        delete tile;
    }
    SelectionChanged();
}

void TiledScene::Layout(const QString& key)
{
    m_key = key;
    int shown = 0;
    for (ProjectGraphicsItem* tile : qAsConst(m_items)) {
        if (key.isEmpty() || tile->GetPrjInfo().name.contains(key, Qt::CaseInsensitive)) {
            tile->setPos((shown % kColumns) * kColumnStep + kLeft,
                         (shown / kColumns) * kRowStep + kTop);
            tile->show();
            ++shown;
        } else {
            tile->hide();
        }
    }
    const int rows = (shown + kColumns - 1) / kColumns;
    setSceneRect(0, 0, kSceneWidth, kRowStep * rows);
    // The selected tile may have moved (or been hidden): its buttons follow.
    SelectionChanged();
}

void TiledScene::SetButtonsEnabled(bool enabled)
{
    m_buttonsEnabled = enabled;
    SelectionChanged();
}

ProjectGraphicsItem* TiledScene::SingleSelected() const
{
    ProjectGraphicsItem* single = nullptr;
    for (ProjectGraphicsItem* tile : m_items) {
        if (!tile->isSelected())
            continue;
        if (single)
            return nullptr;
        single = tile;
    }
    return single;
}

void TiledScene::SelectionChanged()
{
    ProjectGraphicsItem* tile = m_buttonsEnabled ? SingleSelected() : nullptr;
    if (!tile || !tile->isVisible()) {
        m_export->hide();
        m_copy->hide();
        m_delete->hide();
        return;
    }
    const QPointF at = tile->pos();
    m_export->setPos(at.x() + 20, at.y() + 120);
    m_copy->setPos(at.x() + 60, at.y() + 120);
    m_delete->setPos(at.x() + 100, at.y() + 120);
    m_export->show();
    m_copy->show();
    m_delete->show();
}

void TiledScene::AskRemoveStale(ProjectGraphicsItem* tile)
{
    if (AskRemove())
        RemoveTile(tile);
}

void TiledScene::CopyItem()
{
    ProjectGraphicsItem* tile = SingleSelected();
    if (!tile)
        return;
    const QFileInfo source(tile->GetPrjInfo().path);
    if (!source.isFile()) {
        AskRemoveStale(tile);
        return;
    }
    const QString stem = source.path() + QLatin1Char('/') + source.completeBaseName();
    const QString suffix = source.suffix();
    for (int k = 1; k <= 9999; ++k) {
        const QString target = suffix.isEmpty()
            ? stem + QStringLiteral("_%1").arg(k)
            : stem + QStringLiteral("_%1.%2").arg(k).arg(suffix);
        if (QFileInfo::exists(target))
            continue;
        if (kvprj::KvProject::CopyTo(QString2String(source.filePath()), QString2String(target)))
            emit AddItem(target);
        return;
    }
}

void TiledScene::ExportItem()
{
    ProjectGraphicsItem* tile = SingleSelected();
    if (!tile)
        return;
    const QString source = tile->GetPrjInfo().path;
    if (!QFileInfo(source).isFile()) {
        AskRemoveStale(tile);
        return;
    }
    QWidget* parent = views().isEmpty() ? nullptr : views().first();
    const QString target = kvui::ChooseFile(parent, tr("Export Project"), tr("Project File (*.db)"),
                                            kvui::FileAction::Save);
    if (target.isEmpty())
        return;
    const QFileInfo targetInfo(target);
    if (!targetInfo.exists()) {
        kvprj::KvProject::CopyTo(QString2String(source), QString2String(target));
        return;
    }
    // The user agreed to replace the target, which CopyTo refuses: copy beside
    // it first, so that a failed copy leaves the old file in place.
    if (targetInfo.canonicalFilePath() == QFileInfo(source).canonicalFilePath())
        return;
    QString aside;
    for (int k = 0; aside.isEmpty() || QFileInfo::exists(aside); ++k)
        aside = target + QStringLiteral(".part%1").arg(k);
    if (!kvprj::KvProject::CopyTo(QString2String(source), QString2String(aside)))
        return;
    // rename(2) replaces the target in one step: until it succeeds the old
    // file stays whole (QFile::rename would refuse an existing target).
    if (std::rename(QFile::encodeName(aside).constData(), QFile::encodeName(target).constData())
        != 0)
        QFile::remove(aside);
}

void TiledScene::Detach(ProjectGraphicsItem* tile)
{
    emit RemoveItem(tile->Info());
    m_items.removeOne(tile);
    removeItem(tile);
    // The tile may be the sender of the signal that brought us here.
    tile->deleteLater();
}

void TiledScene::AskRemoveSelected()
{
    ProjectGraphicsItem* tile = SingleSelected();
    if (!tile)
        return;
    const QString question = tr("Remove \"%1\" from the list? The project file itself is kept.")
                                 .arg(tile->GetPrjInfo().name);
    if (KvMessageBox::Show(QString2String(question), KvMessageBox::BT_YES_NO)
        == KvMessageBox::BC_OK)
        RemoveItem();
}

void TiledScene::RemoveItem()
{
    const QList<ProjectGraphicsItem*> tiles = m_items;
    for (ProjectGraphicsItem* tile : tiles) {
        if (tile->isSelected())
            Detach(tile);
    }
    Layout(m_key);
}

void TiledScene::RemoveTile(ProjectGraphicsItem* tile)
{
    if (!tile || !m_items.contains(tile))
        return;
    Detach(tile);
    Layout(m_key);
}
