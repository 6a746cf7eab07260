#pragma once

#include "kvui_export.h"

#include <QWidget>
#include <vector>

class QButtonGroup;
class QMenu;
class QPushButton;
class QVBoxLayout;

// The vertical flight (sortie) selector: one checkable button per flight,
// numbered from 1, and a "+" button that adds the next one. Flights are
// 0-based in the signals. A right click on a flight offers to delete it; the
// first flight cannot be deleted.
class KVUI_EXPORT ButtonGroup : public QWidget
{
    Q_OBJECT

public:
    explicit ButtonGroup(QWidget* parent = nullptr);

    // Adds a button for every flight of the list other than 0, in ascending
    // order; buttons already there stay.
    void AddGroups(std::vector<int> flights);

Q_SIGNALS:
    void SetCurrent(int index);
    // index: the flight removed; current: the flight to show next, or -1.
    void Remove(int index, int current);

public Q_SLOTS:
    void AddGroup();
    void RemoveGroup();
    void PopMenu();
    void SetCurrent(bool checked);

private:
    void AddButton(int number);

    QWidget* m_contents = nullptr;
    QButtonGroup* m_group = nullptr;
    QMenu* m_menu = nullptr;
    QPushButton* m_firstButton = nullptr;
    QPushButton* m_addButton = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QPushButton* m_menuButton = nullptr;
    int m_highest = 1;
};
