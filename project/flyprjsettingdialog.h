#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <QStringList>
#include <set>
#include <string>
#include <vector>

class QPushButton;
class LazyTableWidget;

// The image list of a project built from a flight mission: the user adds
// folders and single images, removes or clears them, and confirms a list that
// is not empty. Each path is listed once; the list is kept sorted.
class KVUI_EXPORT FlyPrjSettingWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit FlyPrjSettingWidget(QWidget* parent = nullptr);

    // Adds the paths that are not listed yet; when any was listed already,
    // tells the user once.
    void AddImages(const QStringList& paths);
    // The listed paths in the local code page, in list order.
    std::vector<std::string> GetImages() const;

public Q_SLOTS:
    void ClickAddFolder();
    void ClickAddImages();
    void ClickRemove();
    void ClickClear();
    void ClickOK();
    void ClickCancel();
    void SelectionChanged();

private:
    void UpdateTable();

    std::set<std::string> m_images;
    // The entries of m_images in table order, for the rows the table asks for.
    std::vector<const std::string*> m_rows;
    LazyTableWidget* m_table = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_clear = nullptr;
};

class KVUI_EXPORT FlyPrjSettingDialog : public kvui::ContentDialog<FlyPrjSettingWidget>
{
    Q_OBJECT

public:
    explicit FlyPrjSettingDialog(QWidget* parent = nullptr);

    std::vector<std::string> GetImages() const { return Content()->GetImages(); }
    FlyPrjSettingWidget* Widget() const { return Content(); }
};
