#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "framework/kvshared.h"
#include "kvprj/kvproject.h"
#include "kvui_export.h"

#include <QStringList>
#include <set>
#include <string>
#include <vector>

class LazyTableWidget;
class QPushButton;

namespace kvui {

// The file types offered when the operator picks images to add.
KVUI_EXPORT QString ImageFileFilter();

// The image files directly inside directory (no sub-folders, no symbolic
// links) whose names end in .jpeg, .jpg, .png, .bmp, .tif or .tiff in any
// letter case, each as directory + "/" + name, in the folder's listing order.
// Empty when the folder does not exist or holds no such file.
KVUI_EXPORT QStringList ListImageFolder(const QString& directory);

} // namespace kvui

// Content of the "Import Images" wizard page: a list of image files, kept in
// byte-wise order of their paths and without duplicates, that "Next" writes
// into the project's image set. The project is not touched before "Next".
class KVUI_EXPORT ImageLoadWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit ImageLoadWidget(QWidget* parent = nullptr);

    // Lists the images of project (null is ignored); Next writes into it.
    void SetProject(kvprj::KvProject* project);
    WResut Result() const { return m_result; }

    // Adds the files to the list, as the folder and file choosers do: paths
    // already listed are skipped and reported once, the others stay added.
    void AddImages(const QStringList& paths);
    // The listed paths in list order.
    std::vector<std::string> Images() const { return {m_images.begin(), m_images.end()}; }

public Q_SLOTS:
    void OpenFolder();
    void LoadImages();
    void Remove();
    void Clear();
    void Next();
    void Quit();
    void slot_Fowward();
    void SelectionChanged();

private:
    void InitListWidget();
    void UpdateTableWidget();
    void UpdateProject();

    kvprj::KvProject* m_project = nullptr;
    // Narrow full paths; std::string orders them byte by byte.
    std::set<std::string> m_images;
    // The entries of m_images in list order, so that the table can ask for
    // any row without walking the set.
    std::vector<const std::string*> m_rows;
    WResut m_result = WR_CANCEL;

    LazyTableWidget* m_table = nullptr;
    QPushButton* m_removeButton = nullptr;
    QPushButton* m_clearButton = nullptr;
};

// The "Import Images" dialog around ImageLoadWidget.
class KVUI_EXPORT ImageLoadDialog : public kvui::ContentDialog<ImageLoadWidget>
{
    Q_OBJECT

public:
    explicit ImageLoadDialog(QWidget* parent = nullptr);

    void SetProject(kvprj::KvProject* project);
    WResut Result() const;
    ImageLoadWidget* Widget() const { return Content(); }
};

// Runs the image page on project: the page's result when it was accepted
// (the project then holds exactly the listed images after WR_NEXT),
// WR_CANCEL otherwise.
KVUI_EXPORT WResut ShowImageDialog(kvprj::KvProject& project);
