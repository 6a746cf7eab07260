#include "processing/imageprocesswidget.h"

#include "framework/kvshared.h"
#include "framework/littletitlewidget.h"
#include "framework/mytablewidget.h"
#include "kvfd/imageinfoset.h"
#include "kvfd/kvconststringfactory.h"
#include "kvkernel/kvprogress.h"
#include "kvprj/kvproject.h"
#include "processing/thumbnail.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHeaderView>
#include <QItemSelection>
#include <QListWidget>
#include <QMetaType>
#include <QPixmap>
#include <QPointer>
#include <QStackedWidget>
#include <QThreadPool>
#include <QVBoxLayout>
#include <QVector>
#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace {

// "缩略图加载", "缩略图加载中……"
constexpr int kThumbnailTitle = 186;
constexpr int kThumbnailText = 187;
constexpr int kColumns = 8;
// How long the calling thread waits for the workers between two rounds of
// painting.
constexpr int kPaintIntervalMs = 30;

} // namespace

ImageProcessWidget::ImageProcessWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ImageProcessWidget"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_title = new LittleTitleWidget(this);
    layout->addWidget(m_title);

    m_table = new MyTableWidget(100, kColumns, this);
    m_table->setObjectName(QStringLiteral("ipw_table_widget_"));
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("Format"), tr("Resample"), tr("Rotation"),
                                        tr("Overviews"), tr("Distortion"), tr("Enhancement"),
                                        tr("Color Balance")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setStyleSheet(
        QStringLiteral("QTableWidget { selection-background-color: rgb(51, 153, 255); "
                       "show-decoration-selected: 1 }"));
    QFont tableFont = font();
    tableFont.setPointSize(qMax(1, tableFont.pointSize() - 1));
    tableFont.setStyleHint(QFont::TypeWriter);
    tableFont.setFixedPitch(true);
    m_table->setFont(tableFont);

    m_icons = new QListWidget(this);
    m_icons->setObjectName(QStringLiteral("ipw_icon_list_"));
    m_icons->setIconSize(QSize(kThumbnailSize, kThumbnailSize));
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setViewMode(QListView::IconMode);
    m_icons->setMovement(QListView::Static);
    m_icons->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_icons->setSpacing(10);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("ipw_stacked_widget_"));
    m_pages->addWidget(m_table);
    m_pages->addWidget(m_icons);
    m_pages->setCurrentWidget(m_table);
    layout->addWidget(m_pages);

    connect(m_title, &LittleTitleWidget::ClickEnable, this, &ImageProcessWidget::ClickEnable);
    connect(m_title, &LittleTitleWidget::ClickDisable, this, &ImageProcessWidget::ClickDisable);
    connect(m_title, &LittleTitleWidget::ClickRemove, this, &ImageProcessWidget::ClickRemove);
    connect(m_title, &LittleTitleWidget::ShowTable, this, &ImageProcessWidget::ShowTable);
    connect(m_title, &LittleTitleWidget::ShowIcon, this, &ImageProcessWidget::ShowIcon);
}

void ImageProcessWidget::Update(const kvprj::KvProject& project, bool selectionOnly)
{
    if (!QMetaType::isRegistered(QMetaType::type("QVector<int>")))
        qRegisterMetaType<QVector<int>>("QVector<int>");
    const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    m_table->setUpdatesEnabled(false);

    // The rows to select as runs, one selection for the whole table.
    QItemSelection selection;
    QAbstractItemModel* model = m_table->model();
    std::vector<int> rows;
    if (selectionOnly) {
        for (int i = 0; i < images.Size(); ++i) {
            const kvfd::ImageInfoExt* ext = images.GetImageExt(i);
            if (images.GetImage(i) && ext && ext->selected && m_rowOfImage.contains(i))
                rows.push_back(m_rowOfImage.value(i));
        }
    } else {
        m_rowOfImage.clear();
        m_imageOfRow.clear();
        m_table->clearContents();
        m_table->setRowCount(images.ValidSize());
        m_table->setIconSize(QSize(48, 24));
        const QIcon radio(QStringLiteral(":/tool/images/1280/Tool/Tool_Radio_but_nor.png"));
        int r = 0;
        for (int i = 0; i < images.Size(); ++i) {
            const kvfd::ImageInfo* image = images.GetImage(i);
            if (!image)
                continue;
            m_rowOfImage.insert(i, r);
            m_imageOfRow.insert(r, i);
            for (int column = 1; column < kColumns; ++column)
                m_table->setItem(r, column, new QTableWidgetItem(radio, QString()));
            m_table->setItem(r, 0, new QTableWidgetItem(String2QString(image->Name())));
            const kvfd::ImageInfoExt* ext = images.GetImageExt(i);
            if (ext && ext->selected)
                rows.push_back(r);
            ++r;
        }
    }
    // Consecutive rows make one range, so selecting all of many thousand rows
    // stays one range.
    std::sort(rows.begin(), rows.end());
    for (std::size_t k = 0; k < rows.size();) {
        std::size_t end = k;
        while (end + 1 < rows.size() && rows[end + 1] <= rows[end] + 1)
            ++end;
        selection.select(model->index(rows[k], 0), model->index(rows[end], kColumns - 1));
        k = end + 1;
    }
    m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_table->setUpdatesEnabled(true);
}

void ImageProcessWidget::GenerateThumbnail(const kvprj::KvProject& project,
                                           kvkernel::KvProgress* progress)
{
    m_thumbs.clear();
    const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    if (progress)
        progress->Start(kvfd::KvGetConstString(kThumbnailTitle), images.ValidSize());

    // The workers see only these copies of the paths, never the image set.
    struct Job
    {
        int index;
        QString path;
        QImage thumb;
    };
    auto jobs = std::make_shared<std::vector<Job>>();
    for (int i = 0; i < images.Size(); ++i) {
        if (const kvfd::ImageInfo* image = images.GetImage(i))
            jobs->push_back({i, QString::fromLocal8Bit(image->GetFullName().c_str()), QImage()});
    }
    auto done = std::make_shared<std::atomic<int>>(0);
    QThreadPool pool;
    pool.setMaxThreadCount(QThread::idealThreadCount());
    for (std::size_t k = 0; k < jobs->size(); ++k) {
        pool.start(QRunnable::create([jobs, done, k] {
            Job& job = (*jobs)[k];
            job.thumb = kvui::thumbnail::Make(job.path, kThumbnailSize);
            done->fetch_add(1, std::memory_order_release);
        }));
    }

    // The workers decode; this thread reports and keeps the windows painted,
    // without taking input that could change the project under them.
    const std::string text = kvfd::KvGetConstString(kThumbnailText);
    int reported = 0;
    const auto report = [&] {
        const int now = done->load(std::memory_order_acquire);
        for (; reported < now; ++reported) {
            if (progress)
                progress->SetInformation(text, reported + 1);
        }
    };
    // Painting runs other code of the host, which might close this page.
    const QPointer<ImageProcessWidget> alive(this);
    while (!pool.waitForDone(kPaintIntervalMs)) {
        report();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    report();
    if (!alive) {
        if (progress)
            progress->End(false);
        return;
    }

    // Pixmaps belong to this thread.
    for (const Job& job : *jobs)
        m_thumbs.insert(job.index,
                        job.thumb.isNull() ? QIcon() : QIcon(QPixmap::fromImage(job.thumb)));
    if (progress)
        progress->End(true);
    m_loaded = true;
}

void ImageProcessWidget::UpdateView()
{
    m_icons->setUpdatesEnabled(false);
    m_icons->clear();
    m_icons->setIconSize(QSize(kThumbnailSize, kThumbnailSize));
    // A missing index gets an empty icon, so that position and image index
    // stay the same.
    for (int k = 0; k < m_thumbs.size(); ++k)
        m_icons->addItem(new QListWidgetItem(m_thumbs[k], QString()));
    m_icons->setUpdatesEnabled(true);
}

void ImageProcessWidget::ResetLoad()
{
    m_thumbs.clear();
}

void ImageProcessWidget::ShowTable()
{
    m_pages->setCurrentWidget(m_table);
}

void ImageProcessWidget::ShowIcon()
{
    if (!m_loaded) {
        Q_EMIT GenerateThumbnail();
        UpdateView();
    }
    m_pages->setCurrentWidget(m_icons);
}
