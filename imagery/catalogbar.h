#pragma once

#include "framework/basewidget.h"
#include "kvui_export.h"

#include <QHash>
#include <QMap>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kvfd {
class ImageInfoSet;
}

// The images of the open project as a tree, by flight or as flat lists ordered
// by the enabled or the visible flag, with small buttons that enable and show
// them. Its source of truth is the per-image flags of the kernel's context
// (kvkernel::KvGetContext()): every refresh reads them there, every change the
// operator makes is written there, followed by UpdateView() so that the host
// redraws.
//
// The small buttons of an image row are made when the row first comes into
// view (or its flight is expanded), so a project of many thousand images loads
// as fast as a small one; a row in view always has them.
class KVUI_EXPORT CatalogBar : public BaseWidget
{
    Q_OBJECT

public:
    enum View { FlightView = 0, EnableView = 1, VisibleView = 2 };

    explicit CatalogBar(QWidget* parent = nullptr);

    // Empties the tree and builds the current view of the context's images.
    void LoadProject();
    void Clear();
    // True rebuilds the tree first. A hidden bar only remembers that it must
    // refresh, which LazyUpdate() then does.
    void Update(bool rebuild);
    void LazyUpdate();

    int CurrentView() const { return m_view; }

Q_SIGNALS:
    void UpdateView();

public Q_SLOTS:
    void ButtonToggled(QAbstractButton* button, bool checked);
    void CustomMenuRequested(const QPoint& point);
    void ItemSelectionChanged();
    void ClickFlightView();
    void ClickEnableView();
    void ClickVisibleView();
    void ClickMenuEnable();
    void ClickMenuDisable();
    void ClickMenuVisible();
    void ClickMenuInvisible();
    void ClickMenuDelete();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using ButtonPair = std::pair<QPushButton*, QPushButton*>; // enable, visible

    void InitFlightView();
    void InitEnableView();
    void InitVisibleView();
    void InitFlatView(bool byEnabled);
    void AddItems(int flight, std::string name, std::vector<int> images);
    void UpdateFlight(QPushButton* button, int flight, bool checked);
    void UpdateImage(QPushButton* button, int image, bool checked);
    void UpdateFlight();
    void UpdateFlightButton(int flight);
    void UpdateEnableSort();
    void UpdateVisibleSort();
    void UpdateSort(bool byEnabled);
    // The images with the flag set, then the others, each part by name.
    std::vector<int> SortOrder(bool byEnabled) const;

    QPushButton* MakeButton(const char* name, bool checked);
    // Gives the image rows in view their buttons.
    void MakeVisibleButtons();
    void MakeImageButtons(QTreeWidgetItem* item);
    // Forgets the buttons of the image's row (the tree deletes them with it).
    void DropButtons(int image);
    void Build();
    void MenuAction(int action);
    void RemoveItems(const std::vector<int>& images);
    kvfd::ImageInfoSet* Images() const;

    int m_view = FlightView;
    bool m_updating = false;
    bool m_pending = false;
    // Set once Update has matched the buttons to the flags since the tree was
    // built: buttons made before show the state a fresh tree shows.
    bool m_synced = false;

    QTreeWidget* m_tree = nullptr;
    QMenu* m_menu = nullptr;
    QButtonGroup* m_buttons = nullptr;

    QHash<QAbstractButton*, int> m_buttonImage;
    QHash<QAbstractButton*, int> m_buttonFlight;
    QMap<int, ButtonPair> m_flightButtons;
    QHash<QAbstractButton*, QTreeWidgetItem*> m_pulldownItem;
    QHash<int, QTreeWidgetItem*> m_imageItem;
    QHash<int, ButtonPair> m_imageButtons;
    QHash<QTreeWidgetItem*, int> m_itemImage;
    // The images of each flight, in index order, for the group buttons.
    QMap<int, std::vector<int>> m_flightImages;
};
