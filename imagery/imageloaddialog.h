#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "framework/kvshared.h"
#include "kvprj/kvproject.h"
#include "kvui_export.h"

#include <QStringList>
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
    std::vector<std::string> Images() const { return m_images; }

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
    // Merges paths, sorted and without duplicates, into m_images; true when
    // one of them was listed already.
    bool Merge(std::vector<std::string> paths);

    kvprj::KvProject* m_project = nullptr;
    // Narrow full paths; std::string orders them byte by byte.
    // Sorted byte-wise and without duplicates: a set that the table can index
    // by row and that grows by appending when paths come in order.
    std::vector<std::string> m_images;
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
