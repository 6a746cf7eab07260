#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// Content of the "EXIF" dialog: the image folders that are to receive
// positions from a POS file in their EXIF tags, the POS file, how its records
// are matched to images (by file name or by order) and whether the images are
// written in place or as copies under a destination folder. Each source
// folder's output is its own folder without a destination, else the
// destination joined with the folder's name; folders of one name are told
// apart by "_1", "_2", ... in list order. It only collects the choices.
class KVUI_EXPORT ExifWidget : public BaseWidget
{
    Q_OBJECT

public:
    using FolderList = std::vector<std::pair<std::string, std::string>>;

    explicit ExifWidget(QWidget* parent = nullptr);

    // The pairs (source folder, output folder) in list order, the trimmed POS
    // path, match 0 by file name or 1 by order.
    void Get(FolderList& folders, std::string& posPath, int& match) const;
    // Appends a source folder unless it is listed already; what "添加" does
    // with the chosen folder.
    void AddFolder(const QString& folder);

public Q_SLOTS:
    void OpenPos();
    void OpenOut();
    void ClickCancel();
    void ClickOK();
    void ClickCopy(bool checked);
    void AddPath();
    void RemovePath();
    void ClearPath();
    void SelectionChanged();

private:
    // Recomputes the output folders and redraws the table.
    void UpdateFolders();

    FolderList m_folders;
    QTableWidget* m_table = nullptr;
    QPushButton* m_remove = nullptr;
    QLineEdit* m_pos = nullptr;
    QCheckBox* m_copy = nullptr;
    QLineEdit* m_output = nullptr;
    QPushButton* m_browseOutput = nullptr;
    QRadioButton* m_byFile = nullptr;
};

class KVUI_EXPORT ExifDialog : public kvui::ContentDialog<ExifWidget>
{
    Q_OBJECT

public:
    explicit ExifDialog(QWidget* parent = nullptr);

    void Get(ExifWidget::FolderList& folders, std::string& posPath, int& match) const
    {
        Content()->Get(folders, posPath, match);
    }
    ExifWidget* Widget() const { return Content(); }
};

// Runs the EXIF dialog; when it is accepted fills the three outputs and
// returns true, otherwise leaves them untouched.
KVUI_EXPORT bool ShowExifDialog(std::vector<std::pair<std::string, std::string>>& folders,
                                std::string& posPath, int& match);
