#pragma once

#include "host/viewer/photolist.h"
#include "host/viewer/photoloader.h"

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QStyle>
#include <atomic>
#include <memory>

class PhotoView;
class QAction;
class QLabel;

// The image viewer's window: the listed photos one at a time, with previous
// and next (buttons, arrow keys, Page Up/Down, Home/End), zoom and pan, and a
// side panel of the shown photo's name, place in the list, position and
// camera. Photos are read on a worker thread, so a large one never stops the
// window; a photo that cannot be shown says why in its place.
class ViewerWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit ViewerWindow(QWidget* parent = nullptr);
    ~ViewerWindow() override;

    // Replaces the photos and shows the first; the list's problems go to the
    // side panel.
    void SetPhotos(kvviewer::PhotoList list);
    const kvviewer::PhotoList& Photos() const { return m_list; }
    int Count() const { return int(m_list.photos.size()); }
    // Index of the shown photo; -1 without photos.
    int Current() const { return m_current; }
    // Whether the shown photo is still being read.
    bool IsLoading() const { return m_loading; }
    // What the window shows, as "key=value" lines (see main.cpp's report).
    QString Describe() const;
    PhotoView* View() const { return m_view; }

public Q_SLOTS:
    void ShowPhoto(int index);
    void Next();
    void Previous();
    void First();
    void Last();
    // Reads the list file again (the host has sent other photos).
    void ReloadList();

Q_SIGNALS:
    // The photo at index is on screen, or the reason it cannot be.
    void PhotoShown(int index);

private:
    QWidget* BuildSidePanel();
    QAction* AddAction(const QString& text, const QString& name, QStyle::StandardPixmap icon,
                       const QList<QKeySequence>& keys);
    void Loaded(int index, int generation, const kvviewer::LoadedPhoto& photo);
    void ShowTags();
    void UpdateActions();
    void ShowZoom(double zoom);

    kvviewer::PhotoList m_list;
    int m_current = -1;
    bool m_loading = false;
    // Tells the answer of the latest request from those of photos already
    // left behind.
    int m_generation = 0;
    // The generation wanted now, shared with the loads on the worker threads.
    std::shared_ptr<std::atomic<int>> m_wanted = std::make_shared<std::atomic<int>>(0);
    kvviewer::LoadedPhoto m_shown;

    PhotoView* m_view = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_next = nullptr;
    QAction* m_first = nullptr;
    QAction* m_last = nullptr;
    QAction* m_reload = nullptr;
    QLabel* m_file = nullptr;
    QLabel* m_index = nullptr;
    QLabel* m_latitude = nullptr;
    QLabel* m_longitude = nullptr;
    QLabel* m_altitude = nullptr;
    QLabel* m_camera = nullptr;
    QLabel* m_focal = nullptr;
    QLabel* m_size = nullptr;
    QLabel* m_zoom = nullptr;
    QLabel* m_problems = nullptr;
    QLabel* m_path = nullptr;
};
