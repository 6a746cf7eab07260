#pragma once

#include "kvui_export.h"
#include "project/projectrecord.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QString>

// text cut for a tile: at most n characters stay whole; a longer text keeps
// its leading characters up to a width of 2n (a character beyond Latin-1
// counts twice) followed by "...".
KVUI_EXPORT QString ShortenText(const QString& text, int n);

// A picture button of the tile scene: normal, hover and press pictures, and a
// click signal on release.
class KVUI_EXPORT PixmapItem : public QObject, public QGraphicsPixmapItem
{
    Q_OBJECT

public:
    explicit PixmapItem(QGraphicsPixmapItem* parent = nullptr);

    void SetNormalPixmap(const QPixmap& pixmap);
    void SetHoverPixmap(const QPixmap& pixmap);
    void SetPressPixmap(const QPixmap& pixmap);
    void SetCheckedPixmap(const QPixmap& pixmap);

Q_SIGNALS:
    void PixmapItemClicked();

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    QPixmap m_normal;
    QPixmap m_hover;
    QPixmap m_press;
    QPixmap m_checked;
};

// One project or flight mission on the start page: a 225 x 164 thumbnail with
// the entry's name, date and operator; hovered or selected, also its
// description and (for a project) the end of its file path, so that projects
// of one name are told apart. Double-clicking opens it, or, when its project
// file has gone, offers to drop the entry.
class KVUI_EXPORT ProjectGraphicsItem : public QObject, public QGraphicsPixmapItem
{
    Q_OBJECT

public:
    static constexpr int kWidth = 225;
    static constexpr int kHeight = 164;

    explicit ProjectGraphicsItem(QGraphicsItem* parent = nullptr);

    // Scaled to the tile; tiles made from one picture share the scaled copies.
    void SetPixmap(const QPixmap& pixmap);
    // Also sets the tool tip to the entry's path.
    void SetPrjInfo(const PrjInfo& info);
    const PrjInfo& GetPrjInfo() const { return m_info; }
    PrjInfo* Info() { return &m_info; }
    // The project's file path as the tile shows it in that font: native
    // separators, its start dropped to fit the tile. Empty for a flight
    // mission, whose "path" names no file.
    QString ShownPath(const QFont& font) const;

    // The entry's project file is gone and the entry is no flight mission.
    bool IsStale() const;
    // What a double-click does: asks about a stale entry (DeleteMe on Yes),
    // opens any other (OpenMe).
    void Activate();

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

Q_SIGNALS:
    void OpenMe(PrjInfo* prj);
    void DeleteMe();

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    QPixmap m_thumbnail;
    QPixmap m_highlight;
    bool m_hovered = false;
    PrjInfo m_info;
};

// The tiles of the start page, four to a row, filtered by a search key, with
// Export, Copy and Delete buttons under the one selected tile. Delete asks
// before it drops the entry; the project file always stays. Owns its tiles.
class KVUI_EXPORT TiledScene : public QGraphicsScene
{
    Q_OBJECT

public:
    explicit TiledScene(QObject* parent = nullptr);
    ~TiledScene() override;

    // Removes and deletes every tile and clears the selection.
    void RemoveAll();
    // Shows the tiles whose name holds key (any case; all for an empty key),
    // four to a row, and hides the others.
    void Layout(const QString& key);
    // The tiles; whoever creates a tile adds it to the scene and appends it here.
    QList<ProjectGraphicsItem*>& Items() { return m_items; }
    const QString& Key() const { return m_key; }
    void SetButtonsEnabled(bool enabled);
    bool ButtonsEnabled() const { return m_buttonsEnabled; }
    // Drops one tile as the Delete button drops the selected ones.
    void RemoveTile(ProjectGraphicsItem* tile);

    PixmapItem* ExportButton() const { return m_export; }
    PixmapItem* CopyButton() const { return m_copy; }
    PixmapItem* DeleteButton() const { return m_delete; }

Q_SIGNALS:
    void AddItem(QString filename);
    void RemoveItem(PrjInfo* info);

public Q_SLOTS:
    void SelectionChanged();
    void CopyItem();
    void ExportItem();
    void RemoveItem();

private:
    ProjectGraphicsItem* SingleSelected() const;
    // The Delete button: RemoveItem() once the operator agrees.
    void AskRemoveSelected();
    // Asks whether to drop the entry of a tile whose file has gone.
    void AskRemoveStale(ProjectGraphicsItem* tile);
    void Detach(ProjectGraphicsItem* tile);

    QList<ProjectGraphicsItem*> m_items;
    QString m_key;
    bool m_buttonsEnabled = true;
    PixmapItem* m_export = nullptr;
    PixmapItem* m_copy = nullptr;
    PixmapItem* m_delete = nullptr;
};
