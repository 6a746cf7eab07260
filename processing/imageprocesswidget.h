#pragma once

#include "kvui_export.h"

#include <QIcon>
#include <QMap>
#include <QWidget>

class LittleTitleWidget;
class MyTableWidget;
class QListWidget;
class QStackedWidget;

namespace kvkernel {
class KvProgress;
}
namespace kvprj {
class KvProject;
}

// The project's images on two pages: a table (one row per image, one column
// per processing step) and thumbnails. Thumbnails are made on request, all at
// once, and kept in memory only: the icon page asks the host for them with
// the signal GenerateThumbnail() the first time it is shown.
class KVUI_EXPORT ImageProcessWidget : public QWidget
{
    Q_OBJECT

public:
    // Thumbnails fit this square, keeping the photo's shape.
    static constexpr int kThumbnailSize = 100;

    explicit ImageProcessWidget(QWidget* parent = nullptr);

    // Makes the thumbnail of every image, in parallel; the calling thread
    // keeps painting (the progress dialog moves) but takes no user input
    // until all are made. A file that cannot be read gets an empty icon.
    void GenerateThumbnail(const kvprj::KvProject& project, kvkernel::KvProgress* progress);
    // Refills the table, or with selectionOnly only its selection.
    void Update(const kvprj::KvProject& project, bool selectionOnly);
    // Refills the icon list from the thumbnails; an icon's position is its
    // image's index.
    void UpdateView();
    bool LoadThumbnail() const { return m_loaded; }
    // Drops the thumbnails; the page still counts them as made.
    void ResetLoad();

    // The thumbnails by image index.
    const QMap<int, QIcon>& Thumbnails() const { return m_thumbs; }

Q_SIGNALS:
    // Asks the host to call GenerateThumbnail(project, progress) before it returns.
    void GenerateThumbnail();
    void ClickEnable();
    void ClickDisable();
    void ClickRemove();

public Q_SLOTS:
    void ShowTable();
    void ShowIcon();

private:
    LittleTitleWidget* m_title = nullptr;
    QStackedWidget* m_pages = nullptr;
    MyTableWidget* m_table = nullptr;
    QListWidget* m_icons = nullptr;
    bool m_loaded = false;
    QMap<int, QIcon> m_thumbs;
    QMap<int, int> m_rowOfImage;
    QMap<int, int> m_imageOfRow;
};
