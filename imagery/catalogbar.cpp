#include "imagery/catalogbar.h"

#include "framework/kvshared.h"
#include "kvfd/imageinfoset.h"
#include "kvkernel/aiscontext.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace {

constexpr int kColumns = 6;
constexpr int kKeyColumn = 0;
constexpr int kTextColumn = 5;
constexpr int kButtonColumnWidth = 17;
// More rows than this to move, and a sort is quicker than moving each.
constexpr std::size_t kMostRowsMoved = 64;

const char* const kEnableButton = "cb_enable_btn";
const char* const kVisibleButton = "cb_visible_btn";
const char* const kPulldownButton = "cb_pulldown_btn";

enum MenuActions { MenuEnable, MenuDisable, MenuShow, MenuHide, MenuDelete };

bool IsEnableButton(const QAbstractButton* button)
{
    return button->objectName() == QLatin1String(kEnableButton);
}

} // namespace

CatalogBar::CatalogBar(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("CatalogBar"));
    setWindowTitle(QStringLiteral("CatalogBar"));
    setFixedWidth(200);
    resize(200, 700);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(4);

    auto* views = new QHBoxLayout();
    views->setSpacing(0);
    auto* viewGroup = new QButtonGroup(this);
    viewGroup->setExclusive(true);
    const auto addView = [&](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setCheckable(true);
        button->setFixedSize(64, 32);
        viewGroup->addButton(button);
        views->addWidget(button);
        return button;
    };
    QPushButton* flightView = addView("cb_flight_view_btn_");
    QPushButton* enableView = addView("cb_enable_view_btn_");
    QPushButton* visibleView = addView("cb_visible_view_btn_");
    flightView->setChecked(true);
    layout->addLayout(views);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(2);
    line->setFixedHeight(2);
    layout->addWidget(line);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("catalog_tree_widget_"));
    m_tree->setFocusPolicy(Qt::NoFocus);
    m_tree->setStyleSheet(QStringLiteral("background-color: rgba(255, 255, 255, 0);"));
    m_tree->setFrameShape(QFrame::Box);
    m_tree->setFrameShadow(QFrame::Plain);
    m_tree->setLineWidth(0);
    m_tree->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tree->setIndentation(18);
    m_tree->setHeaderHidden(true);
    m_tree->header()->setMinimumSectionSize(0);
    // Rows have one height, which lets the view lay out many thousand rows
    // without asking each for its size.
    m_tree->setUniformRowHeights(true);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->viewport()->installEventFilter(this);
    layout->addWidget(m_tree);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("kvmenu"));
    QAction* enable = m_menu->addAction(tr("Enable"));
    QAction* disable = m_menu->addAction(tr("Disable"));
    QAction* show = m_menu->addAction(tr("Show"));
    QAction* hide = m_menu->addAction(tr("Hide"));
    QAction* remove = m_menu->addAction(tr("Delete"));

    m_buttons = new QButtonGroup(this);
    m_buttons->setExclusive(false);

    connect(m_buttons, qOverload<QAbstractButton*, bool>(&QButtonGroup::buttonToggled), this,
            &CatalogBar::ButtonToggled);
    connect(m_tree, &QTreeWidget::customContextMenuRequested, this,
            &CatalogBar::CustomMenuRequested);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &CatalogBar::ItemSelectionChanged);
    connect(flightView, &QPushButton::clicked, this, &CatalogBar::ClickFlightView);
    connect(enableView, &QPushButton::clicked, this, &CatalogBar::ClickEnableView);
    connect(visibleView, &QPushButton::clicked, this, &CatalogBar::ClickVisibleView);
    connect(enable, &QAction::triggered, this, &CatalogBar::ClickMenuEnable);
    connect(disable, &QAction::triggered, this, &CatalogBar::ClickMenuDisable);
    connect(show, &QAction::triggered, this, &CatalogBar::ClickMenuVisible);
    connect(hide, &QAction::triggered, this, &CatalogBar::ClickMenuInvisible);
    connect(remove, &QAction::triggered, this, &CatalogBar::ClickMenuDelete);

    // Rows that come into view get their buttons.
    connect(m_tree->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &CatalogBar::MakeVisibleButtons);
    const auto expanded = [this](QTreeWidgetItem* item, bool on) {
        for (auto it = m_pulldownItem.cbegin(); it != m_pulldownItem.cend(); ++it) {
            if (it.value() == item && it.key()->isChecked() != on) {
                // Expanded by the tree's own arrow: the pull-down follows.
                const bool was = m_updating;
                m_updating = true;
                it.key()->setChecked(on);
                m_updating = was;
            }
        }
        MakeVisibleButtons();
    };
    connect(m_tree, &QTreeWidget::itemExpanded, this,
            [expanded](QTreeWidgetItem* item) { expanded(item, true); });
    connect(m_tree, &QTreeWidget::itemCollapsed, this,
            [expanded](QTreeWidgetItem* item) { expanded(item, false); });
    Clear();
}

bool CatalogBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree->viewport()
        && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        MakeVisibleButtons();
    return BaseWidget::eventFilter(watched, event);
}

kvfd::ImageInfoSet* CatalogBar::Images() const
{
    kvkernel::AISContext* context = kvkernel::KvGetContext();
    return context ? &context->GetImageInfoSet() : nullptr;
}

void CatalogBar::LoadProject()
{
    Clear();
    Build();
}

void CatalogBar::Clear()
{
    const bool was = m_updating;
    m_updating = true;
    for (QAbstractButton* button : m_buttons->buttons())
        m_buttons->removeButton(button);
    m_buttonImage.clear();
    m_buttonFlight.clear();
    m_flightButtons.clear();
    m_pulldownItem.clear();
    m_imageItem.clear();
    m_imageButtons.clear();
    m_itemImage.clear();
    m_flightImages.clear();
    m_synced = false;

    m_tree->clearSelection();
    m_tree->clear();
    m_tree->setColumnCount(kColumns);
    m_tree->setColumnWidth(kKeyColumn, 0);
    for (int column = 1; column <= 4; ++column)
        m_tree->setColumnWidth(column, kButtonColumnWidth);
    m_updating = was;
}

void CatalogBar::Build()
{
    const bool was = m_updating;
    m_updating = true;
    switch (m_view) {
    case EnableView:
        InitEnableView();
        break;
    case VisibleView:
        InitVisibleView();
        break;
    default:
        InitFlightView();
        break;
    }
    m_updating = was;
    MakeVisibleButtons();
}

void CatalogBar::Update(bool rebuild)
{
    if (rebuild) {
        Clear();
        Build();
    }
    if (!isVisible()) {
        m_pending = true;
        return;
    }
    kvfd::ImageInfoSet* images = Images();
    m_updating = true;
    m_pending = false;
    m_tree->setUpdatesEnabled(false);

    // One selection for the whole tree: selecting item by item costs a
    // selection change (and a merge of the ranges so far) per item.
    QItemSelection selection;
    QAbstractItemModel* model = m_tree->model();
    const auto addRun = [&](const QModelIndex& parent, int first, int last) {
        if (first <= last)
            selection.select(model->index(first, 0, parent),
                             model->index(last, kColumns - 1, parent));
    };
    const auto syncButtons = [&](int image, const kvfd::ImageInfoExt* ext) {
        const auto buttons = m_imageButtons.constFind(image);
        if (buttons != m_imageButtons.cend()) {
            buttons->first->setChecked(ext->enabled);
            buttons->second->setChecked(ext->visible);
        }
    };
    // Walks the rows of one level; group rows keep their selection.
    const auto walk = [&](QTreeWidgetItem* parentItem, const QModelIndex& parent) {
        int first = 0;
        const int count = parentItem->childCount();
        for (int row = 0; row < count; ++row) {
            QTreeWidgetItem* item = parentItem->child(row);
            const auto found = m_itemImage.constFind(item);
            bool selected = false;
            if (found == m_itemImage.cend()) {
                selected = item->isSelected();
            } else if (const kvfd::ImageInfoExt* ext
                       = images ? images->GetImageExt(*found) : nullptr) {
                selected = ext->selected;
                syncButtons(*found, ext);
            }
            if (!selected) {
                addRun(parent, first, row - 1);
                first = row + 1;
            }
        }
        addRun(parent, first, count - 1);
    };
    QTreeWidgetItem* root = m_tree->invisibleRootItem();
    walk(root, QModelIndex());
    if (m_view == FlightView) {
        for (int row = 0; row < root->childCount(); ++row)
            walk(root->child(row), model->index(row, 0));
    }
    if (selection != m_tree->selectionModel()->selection())
        m_tree->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_synced = true;

    m_tree->setUpdatesEnabled(true);
    if (m_view == EnableView)
        UpdateEnableSort();
    else if (m_view == VisibleView)
        UpdateVisibleSort();
    else
        UpdateFlight();
    m_updating = false;
    MakeVisibleButtons();
}

void CatalogBar::LazyUpdate()
{
    if (m_pending)
        Update(false);
}

void CatalogBar::InitFlightView()
{
    const kvfd::ImageInfoSet* images = Images();
    if (!images)
        return;
    std::map<int, std::vector<int>> flights;
    for (int i = 0; i < images->Size(); ++i) {
        if (const kvfd::ImageInfoExt* ext = images->GetImageExt(i))
            flights[ext->flight].push_back(i);
    }
    for (auto& [flight, indices] : flights)
        AddItems(flight, QString2String(tr("Flight%1").arg(flight)), std::move(indices));
}

void CatalogBar::InitEnableView()
{
    InitFlatView(true);
}

void CatalogBar::InitVisibleView()
{
    InitFlatView(false);
}

void CatalogBar::InitFlatView(bool byEnabled)
{
    const kvfd::ImageInfoSet* images = Images();
    if (!images)
        return;
    for (int i = 0; i < images->Size(); ++i) {
        const kvfd::ImageInfoExt* ext = images->GetImageExt(i);
        if (ext && images->GetImage(i))
            m_flightImages[ext->flight].push_back(i);
    }
    // Each part is put in name order at once, so that the first refresh finds
    // the tree already sorted.
    const std::vector<int> order = SortOrder(byEnabled);
    QList<QTreeWidgetItem*> items;
    items.reserve(int(order.size()));
    int key = 0;
    for (int image : order) {
        auto* item = new QTreeWidgetItem();
        item->setData(kKeyColumn, Qt::DisplayRole, key++);
        item->setText(kTextColumn, String2QString(images->GetImage(image)->Name()));
        m_imageItem.insert(image, item);
        m_itemImage.insert(item, image);
        items.append(item);
    }
    m_tree->addTopLevelItems(items);
}

std::vector<int> CatalogBar::SortOrder(bool byEnabled) const
{
    std::vector<int> order;
    const kvfd::ImageInfoSet* images = Images();
    if (!images)
        return order;
    std::vector<std::pair<const std::string*, int>> flagged;
    std::vector<std::pair<const std::string*, int>> others;
    for (const std::vector<int>& flight : m_flightImages) {
        for (int image : flight) {
            const kvfd::ImageInfo* info = images->GetImage(image);
            const kvfd::ImageInfoExt* ext = images->GetImageExt(image);
            if (info && ext)
                ((byEnabled ? ext->enabled : ext->visible) ? flagged : others)
                    .emplace_back(&info->Name(), image);
        }
    }
    const auto byName = [](const auto& a, const auto& b) {
        const int compared = a.first->compare(*b.first);
        return compared != 0 ? compared < 0 : a.second < b.second;
    };
    std::sort(flagged.begin(), flagged.end(), byName);
    std::sort(others.begin(), others.end(), byName);
    order.reserve(flagged.size() + others.size());
    for (const auto* part : {&flagged, &others}) {
        for (const auto& entry : *part)
            order.push_back(entry.second);
    }
    return order;
}

void CatalogBar::AddItems(int flight, std::string name, std::vector<int> images)
{
    const kvfd::ImageInfoSet* set = Images();
    if (!set)
        return;
    auto* group = new QTreeWidgetItem();
    group->setText(kTextColumn, String2QString(name));
    const QBrush background(QColor(35, 24, 21, 128));
    for (int column = 0; column < kColumns; ++column)
        group->setBackground(column, background);

    QList<QTreeWidgetItem*> children;
    children.reserve(int(images.size()));
    const QString indent = QStringLiteral("    ");
    for (int image : images) {
        const kvfd::ImageInfo* info = set->GetImage(image);
        if (!info)
            continue;
        auto* child = new QTreeWidgetItem();
        child->setText(kTextColumn, indent + String2QString(info->Name()));
        m_imageItem.insert(image, child);
        m_itemImage.insert(child, image);
        children.append(child);
    }
    group->addChildren(children);
    m_tree->addTopLevelItem(group);

    QPushButton* pulldown = MakeButton(kPulldownButton, false);
    QPushButton* enable = MakeButton(kEnableButton, true);
    QPushButton* visible = MakeButton(kVisibleButton, true);
    m_tree->setItemWidget(group, 1, pulldown);
    m_tree->setItemWidget(group, 2, enable);
    m_tree->setItemWidget(group, 3, visible);
    m_pulldownItem.insert(pulldown, group);
    m_buttonFlight.insert(enable, flight);
    m_buttonFlight.insert(visible, flight);
    m_flightButtons.insert(flight, {enable, visible});
    m_flightImages[flight] = std::move(images);
    group->setExpanded(false);
}

QPushButton* CatalogBar::MakeButton(const char* name, bool checked)
{
    auto* button = new QPushButton();
    button->setObjectName(QLatin1String(name));
    button->setCheckable(true);
    button->setFixedSize(16, 16);
    button->setFocusPolicy(Qt::NoFocus);
    // Checked before it joins the group, so that no toggle is reported.
    button->setChecked(checked);
    m_buttons->addButton(button);
    return button;
}

void CatalogBar::MakeVisibleButtons()
{
    if (m_tree->topLevelItemCount() == 0)
        return;
    const QWidget* viewport = m_tree->viewport();
    const int x = std::clamp(m_tree->header()->sectionViewportPosition(kTextColumn) + 2, 0,
                             std::max(0, viewport->width() - 1));
    QTreeWidgetItem* item = m_tree->itemAt(QPoint(x, 1));
    if (!item)
        item = m_tree->itemAt(QPoint(viewport->width() / 2, 1));
    // The rows are found first and given buttons after: a widget added to the
    // tree makes it lay out all its rows again before the next row is found.
    const int bottom = viewport->height();
    QList<QTreeWidgetItem*> rows;
    for (; item && m_tree->visualItemRect(item).top() < bottom; item = m_tree->itemBelow(item))
        rows.append(item);
    for (QTreeWidgetItem* row : qAsConst(rows))
        MakeImageButtons(row);
}

void CatalogBar::MakeImageButtons(QTreeWidgetItem* item)
{
    const auto found = m_itemImage.constFind(item);
    if (found == m_itemImage.cend() || m_imageButtons.contains(*found))
        return;
    const int image = *found;
    const kvfd::ImageInfoSet* images = Images();
    const kvfd::ImageInfoExt* ext = images ? images->GetImageExt(image) : nullptr;
    if (!ext)
        return;
    // A tree that Update has not yet matched to the flags shows every image
    // enabled and visible, as it was built.
    QPushButton* enable = MakeButton(kEnableButton, !m_synced || ext->enabled);
    QPushButton* visible = MakeButton(kVisibleButton, !m_synced || ext->visible);
    const int column = m_view == FlightView ? 3 : 2;
    m_tree->setItemWidget(item, column, enable);
    m_tree->setItemWidget(item, column + 1, visible);
    m_buttonImage.insert(enable, image);
    m_buttonImage.insert(visible, image);
    m_imageButtons.insert(image, {enable, visible});
}

void CatalogBar::UpdateFlight(QPushButton* button, int flight, bool checked)
{
    kvkernel::AISContext* context = kvkernel::KvGetContext();
    if (!context)
        return;
    const std::vector<int> ids = m_flightImages.value(flight);
    if (IsEnableButton(button))
        context->SetEnable(ids, checked);
    else
        context->SetVisible(ids, checked);
}

void CatalogBar::UpdateImage(QPushButton* button, int image, bool checked)
{
    kvkernel::AISContext* context = kvkernel::KvGetContext();
    if (!context)
        return;
    if (IsEnableButton(button))
        context->SetEnable({image}, checked);
    else
        context->SetVisible({image}, checked);
}

void CatalogBar::UpdateFlight()
{
    for (auto it = m_flightButtons.cbegin(); it != m_flightButtons.cend(); ++it)
        UpdateFlightButton(it.key());
}

void CatalogBar::UpdateFlightButton(int flight)
{
    const auto buttons = m_flightButtons.constFind(flight);
    const kvfd::ImageInfoSet* images = Images();
    if (buttons == m_flightButtons.cend() || !images)
        return;
    int count = 0;
    int enabled = 0;
    int visible = 0;
    for (int image : m_flightImages.value(flight)) {
        if (const kvfd::ImageInfoExt* ext = images->GetImageExt(image)) {
            ++count;
            enabled += ext->enabled ? 1 : 0;
            visible += ext->visible ? 1 : 0;
        }
    }
    // A mixed flight keeps what its button showed.
    const bool was = m_updating;
    m_updating = true;
    if (enabled == count)
        buttons->first->setChecked(true);
    else if (enabled == 0)
        buttons->first->setChecked(false);
    if (visible == count)
        buttons->second->setChecked(true);
    else if (visible == 0)
        buttons->second->setChecked(false);
    m_updating = was;
}

void CatalogBar::UpdateEnableSort()
{
    UpdateSort(true);
}

void CatalogBar::UpdateVisibleSort()
{
    UpdateSort(false);
}

void CatalogBar::UpdateSort(bool byEnabled)
{
    const std::vector<int> order = SortOrder(byEnabled);
    const int count = m_tree->topLevelItemCount();
    if (int(order.size()) != count)
        return;
    // Where each row of the tree must go.
    std::vector<int> target(std::size_t(count), -1);
    QHash<int, int> position;
    position.reserve(count);
    for (int k = 0; k < count; ++k)
        position.insert(order[std::size_t(k)], k);
    bool sorted = true;
    for (int row = 0; row < count; ++row) {
        const int image = m_itemImage.value(m_tree->topLevelItem(row), -1);
        target[std::size_t(row)] = position.value(image, -1);
        if (target[std::size_t(row)] != row)
            sorted = false;
    }
    if (sorted)
        return;

    // The rows that keep their relative order (the longest increasing run of
    // targets) stay; the few others are taken out and put back in their place.
    // A flag changed on one image moves one row, where a sort lays out every
    // row again.
    std::vector<int> tails;
    std::vector<int> tailRow;
    std::vector<int> previous(std::size_t(count), -1);
    for (int row = 0; row < count; ++row) {
        const int t = target[std::size_t(row)];
        const auto at = std::lower_bound(tails.begin(), tails.end(), t);
        const std::size_t length = std::size_t(at - tails.begin());
        previous[std::size_t(row)] = length > 0 ? tailRow[length - 1] : -1;
        if (at == tails.end()) {
            tails.push_back(t);
            tailRow.push_back(row);
        } else {
            *at = t;
            tailRow[length] = row;
        }
    }
    std::vector<bool> stays(std::size_t(count), false);
    for (int row = tailRow.empty() ? -1 : tailRow.back(); row >= 0;
         row = previous[std::size_t(row)])
        stays[std::size_t(row)] = true;
    std::vector<int> moving;
    for (int row = 0; row < count; ++row) {
        if (!stays[std::size_t(row)])
            moving.push_back(order[std::size_t(target[std::size_t(row)])]);
    }

    {
        // The keys sit in a column of no width: no row needs painting again,
        // and the sort or the moves below lay the tree out.
        const QSignalBlocker quiet(m_tree->model());
        int key = 0;
        for (int image : order) {
            QTreeWidgetItem* item = m_imageItem.value(image);
            if (item && item->data(kKeyColumn, Qt::DisplayRole).toInt() != key)
                item->setData(kKeyColumn, Qt::DisplayRole, key);
            ++key;
        }
    }
    if (moving.size() > kMostRowsMoved) {
        m_tree->sortItems(kKeyColumn, Qt::AscendingOrder);
        return;
    }
    std::vector<std::pair<int, QTreeWidgetItem*>> taken;
    for (int image : moving) {
        QTreeWidgetItem* item = m_imageItem.value(image);
        DropButtons(image);
        taken.emplace_back(position.value(image),
                           m_tree->takeTopLevelItem(m_tree->indexOfTopLevelItem(item)));
    }
    std::sort(taken.begin(), taken.end());
    const kvfd::ImageInfoSet* images = Images();
    for (const auto& [to, item] : taken) {
        m_tree->insertTopLevelItem(to, item);
        const kvfd::ImageInfoExt* ext
            = images ? images->GetImageExt(m_itemImage.value(item)) : nullptr;
        if (ext && ext->selected)
            item->setSelected(true);
    }
}

void CatalogBar::DropButtons(int image)
{
    const ButtonPair buttons = m_imageButtons.take(image);
    for (QPushButton* button : {buttons.first, buttons.second}) {
        if (button) {
            m_buttons->removeButton(button);
            m_buttonImage.remove(button);
        }
    }
}

void CatalogBar::ButtonToggled(QAbstractButton* button, bool checked)
{
    if (m_updating)
        return;
    if (QTreeWidgetItem* group = m_pulldownItem.value(button)) {
        group->setExpanded(checked);
        return;
    }
    auto* push = qobject_cast<QPushButton*>(button);
    const auto flight = m_buttonFlight.constFind(button);
    if (flight != m_buttonFlight.cend()) {
        UpdateFlight(push, *flight, checked);
        UpdateFlightButton(*flight);
    } else {
        const auto image = m_buttonImage.constFind(button);
        if (image == m_buttonImage.cend())
            return;
        UpdateImage(push, *image, checked);
        const kvfd::ImageInfoSet* images = Images();
        if (const kvfd::ImageInfoExt* ext = images ? images->GetImageExt(*image) : nullptr)
            UpdateFlightButton(ext->flight);
    }
    Update(false);
    Q_EMIT UpdateView();
}

void CatalogBar::CustomMenuRequested(const QPoint& point)
{
    m_menu->popup(m_tree->viewport()->mapToGlobal(point));
}

void CatalogBar::ItemSelectionChanged()
{
    if (m_updating)
        return;
    kvkernel::AISContext* context = kvkernel::KvGetContext();
    if (!context)
        return;
    context->SetSelected(false);
    kvfd::ImageInfoSet& images = context->GetImageInfoSet();
    for (QTreeWidgetItem* item : m_tree->selectedItems()) {
        const auto found = m_itemImage.constFind(item);
        if (found == m_itemImage.cend())
            continue;
        if (kvfd::ImageInfoExt* ext = images.GetImageExt(*found))
            ext->selected = true;
    }
    Q_EMIT UpdateView();
}

void CatalogBar::ClickFlightView()
{
    m_view = FlightView;
    Update(true);
}

void CatalogBar::ClickEnableView()
{
    m_view = EnableView;
    Update(true);
}

void CatalogBar::ClickVisibleView()
{
    m_view = VisibleView;
    Update(true);
}

void CatalogBar::ClickMenuEnable()
{
    MenuAction(MenuEnable);
}

void CatalogBar::ClickMenuDisable()
{
    MenuAction(MenuDisable);
}

void CatalogBar::ClickMenuVisible()
{
    MenuAction(MenuShow);
}

void CatalogBar::ClickMenuInvisible()
{
    MenuAction(MenuHide);
}

void CatalogBar::ClickMenuDelete()
{
    MenuAction(MenuDelete);
}

void CatalogBar::MenuAction(int action)
{
    kvkernel::AISContext* context = kvkernel::KvGetContext();
    if (!context)
        return;
    std::vector<int> ids;
    context->GetSelected(ids);
    if (ids.empty())
        return;
    switch (action) {
    case MenuEnable:
        context->SetEnable(ids, true);
        break;
    case MenuDisable:
        context->SetEnable(ids, false);
        break;
    case MenuShow:
        context->SetVisible(ids, true);
        break;
    case MenuHide:
        context->SetVisible(ids, false);
        break;
    default:
        context->Remove(ids);
        Q_EMIT UpdateView();
        RemoveItems(ids);
        return;
    }
    Q_EMIT UpdateView();
    Update(false);
}

void CatalogBar::RemoveItems(const std::vector<int>& images)
{
    const bool was = m_updating;
    m_updating = true;
    for (int image : images) {
        QTreeWidgetItem* item = m_imageItem.take(image);
        if (!item)
            continue;
        DropButtons(image);
        m_itemImage.remove(item);
        for (auto& members : m_flightImages)
            members.erase(std::remove(members.begin(), members.end(), image), members.end());
        delete item;
    }
    m_updating = was;
    MakeVisibleButtons();
}
