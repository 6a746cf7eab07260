#include "imagery/imageloaddialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvstyle.h"
#include "imagery/lazytablewidget.h"
#include "kvfd/flagset.h"
#include "kvfd/kvconststringfactory.h"
#include "kvfd/pathhelper.h"
#include "kvimage/kvimage.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr int kDuplicateImages = 118;
constexpr int kNoImages = 119;

// The narrow form of a path, as QString2String gives it; plain ASCII paths,
// which drone photos mostly have, are copied without the wide string between.
std::string NarrowPath(const QString& path)
{
    const QChar* chars = path.constData();
    const int size = path.size();
    std::string narrow(std::size_t(size), '\0');
    for (int i = 0; i < size; ++i) {
        const ushort c = chars[i].unicode();
        if (c >= 0x80)
            return QString2String(path);
        narrow[std::size_t(i)] = char(c);
    }
    return narrow;
}

} // namespace

namespace kvui {

QString ImageFileFilter()
{
    return QCoreApplication::translate(
        "kvui", "images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)");
}

QStringList ListImageFolder(const QString& directory)
{
    QDir dir(directory);
    if (!dir.exists())
        return {};
    const QStringList names = dir.entryList({QStringLiteral("*.jpeg"), QStringLiteral("*.jpg"),
                                             QStringLiteral("*.png"), QStringLiteral("*.bmp"),
                                             QStringLiteral("*.tif"), QStringLiteral("*.tiff")},
                                            QDir::Files | QDir::NoSymLinks);
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names)
        paths << directory + QLatin1Char('/') + name;
    return paths;
}

} // namespace kvui

ImageLoadWidget::ImageLoadWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("ImageLoadWidget"));
    setWindowTitle(QStringLiteral("ImageLoadWidget"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(800, 600);
    QPalette palette = this->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, QColor(241, 241, 241));
        palette.setColor(group, QPalette::Window, QColor(221, 221, 221));
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(221, 221, 221));
    palette.setColor(QPalette::Disabled, QPalette::Window, QColor(221, 221, 221));
    setPalette(palette);
    setAutoFillBackground(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(40, 12, 40, 20);
    grid->setVerticalSpacing(16);

    auto* listRow = new QHBoxLayout();
    listRow->setSpacing(24);
    listRow->addWidget(kvui::MakeLabel(this, tr("Image List:"), "label"));
    listRow->addSpacerItem(new QSpacerItem(450, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    QPushButton* browse
        = kvui::MakeToolButton(this, "browse_images_btn_", tr("Add Image Path"), QSize(60, 32));
    QPushButton* view = kvui::MakeToolButton(this, "view_btn_", tr("Add Images"), QSize(56, 32));
    m_removeButton
        = kvui::MakeToolButton(this, "remove_btn_", tr("Delete Selected Images"), QSize(56, 32));
    m_clearButton = kvui::MakeToolButton(this, "clear_btn_", tr("Clear"), QSize(56, 32));
    for (QPushButton* button : {browse, view, m_removeButton, m_clearButton})
        listRow->addWidget(button);
    grid->addLayout(listRow, 0, 0);

    m_table = new LazyTableWidget(this);
    m_table->setObjectName(QStringLiteral("images_table_"));
    m_table->setFixedSize(720, 450);
    grid->addWidget(m_table, 1, 0);

    kvui::ButtonRow buttons(this);
    QPushButton* back = buttons.Add("forward_btn_", tr("Back"), "kvcombtn");
    QPushButton* next = buttons.Add("next_btn_", tr("Next"), "kvcombtn");
    QPushButton* quit = buttons.Add("quit_btn_", tr("Exit"), "kvquitbtn");
    next->setDefault(true);
    grid->addLayout(buttons.Layout(), 2, 0);

    setTabOrder(m_table, browse);
    setTabOrder(browse, view);
    setTabOrder(view, m_removeButton);
    setTabOrder(m_removeButton, m_clearButton);
    setTabOrder(m_clearButton, back);
    setTabOrder(back, next);
    setTabOrder(next, quit);

    InitListWidget();

    connect(browse, &QPushButton::clicked, this, &ImageLoadWidget::OpenFolder);
    connect(view, &QPushButton::clicked, this, &ImageLoadWidget::LoadImages);
    connect(m_removeButton, &QPushButton::clicked, this, &ImageLoadWidget::Remove);
    connect(m_clearButton, &QPushButton::clicked, this, &ImageLoadWidget::Clear);
    connect(next, &QPushButton::clicked, this, &ImageLoadWidget::Next);
    connect(quit, &QPushButton::clicked, this, &ImageLoadWidget::Quit);
    connect(back, &QPushButton::clicked, this, &ImageLoadWidget::slot_Fowward);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &ImageLoadWidget::SelectionChanged);

    m_clearButton->setEnabled(false);
    m_removeButton->setEnabled(false);

    kvui::SetListFont(m_table, this);
}

void ImageLoadWidget::InitListWidget()
{
    m_table->setColumnCount(2);
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("Path")});
    m_table->setColumnWidth(0, 120);
    m_table->setColumnWidth(1, m_table->width() - 180);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
}

void ImageLoadWidget::SetProject(kvprj::KvProject* project)
{
    if (!project)
        return;
    m_project = project;
    m_images.clear();
    const kvfd::ImageInfoSet& images = project->GetImageInfoSet();
    std::vector<std::string> paths;
    paths.reserve(std::size_t(images.ValidSize()));
    for (int i = 0; i < images.Size(); ++i) {
        if (const kvfd::ImageInfo* image = images.GetImage(i))
            paths.push_back(image->GetFullName());
    }
    Merge(std::move(paths));
    UpdateTableWidget();
}

void ImageLoadWidget::OpenFolder()
{
    const QString directory = kvui::ChooseFolder(this, tr("Open Directory"));
    if (directory.isEmpty() || !QDir(directory).exists())
        return;
    const QStringList files = kvui::ListImageFolder(directory);
    if (!files.isEmpty())
        AddImages(files);
}

void ImageLoadWidget::LoadImages()
{
    AddImages(kvui::ChooseFiles(this, tr("Add Images"), kvui::ImageFileFilter()));
}

void ImageLoadWidget::AddImages(const QStringList& paths)
{
    std::vector<std::string> added;
    added.reserve(std::size_t(paths.size()));
    for (const QString& path : paths)
        added.push_back(NarrowPath(path));
    const bool duplicate = Merge(std::move(added));
    UpdateTableWidget();
    if (duplicate)
        KvMessageBox::Show(kvfd::KvGetConstString(kDuplicateImages), KvMessageBox::BT_OK);
}

bool ImageLoadWidget::Merge(std::vector<std::string> paths)
{
    // Folder listings and file choosers mostly give names in order already,
    // and then one pass tells that there is nothing to sort or drop.
    bool duplicate = false;
    if (std::adjacent_find(paths.begin(), paths.end(),
                           [](const std::string& a, const std::string& b) { return !(a < b); })
        != paths.end()) {
        std::sort(paths.begin(), paths.end());
        const auto unique = std::unique(paths.begin(), paths.end());
        duplicate = unique != paths.end();
        paths.erase(unique, paths.end());
    }
    if (paths.empty())
        return duplicate;
    // A batch that sorts after everything listed, such as the next folder of
    // a flight, is appended without touching the list.
    if (m_images.empty()) {
        m_images.swap(paths);
        return duplicate;
    }
    if (m_images.back() < paths.front()) {
        m_images.insert(m_images.end(), std::make_move_iterator(paths.begin()),
                        std::make_move_iterator(paths.end()));
        return duplicate;
    }
    std::vector<std::string> merged;
    merged.reserve(m_images.size() + paths.size());
    auto listed = m_images.begin();
    auto added = paths.begin();
    while (listed != m_images.end() || added != paths.end()) {
        if (added == paths.end() || (listed != m_images.end() && *listed < *added)) {
            merged.push_back(std::move(*listed++));
        } else if (listed == m_images.end() || *added < *listed) {
            merged.push_back(std::move(*added++));
        } else {
            duplicate = true;
            merged.push_back(std::move(*listed++));
            ++added;
        }
    }
    m_images.swap(merged);
    return duplicate;
}

void ImageLoadWidget::UpdateTableWidget()
{
    m_table->SetRows(int(m_images.size()), [this](int row) {
        const QFileInfo info(String2QString(m_images[std::size_t(row)]));
        return QStringList {info.fileName(), info.path()};
    });
    m_clearButton->setEnabled(!m_images.empty());
}

void ImageLoadWidget::SelectionChanged()
{
    m_removeButton->setEnabled(!m_table->selectedRanges().isEmpty());
}

void ImageLoadWidget::Remove()
{
    kvfd::FlagSet keep(int(m_images.size()), true);
    for (const QTableWidgetSelectionRange& range : m_table->selectedRanges()) {
        for (int row = range.topRow(); row <= range.bottomRow(); ++row)
            keep.Reset(row);
    }
    std::vector<std::string> kept;
    kept.reserve(m_images.size());
    int row = 0;
    for (std::string& path : m_images) {
        if (keep.Test(row++))
            kept.push_back(std::move(path));
    }
    m_images.swap(kept);
    UpdateTableWidget();
}

void ImageLoadWidget::Clear()
{
    m_images.clear();
    UpdateTableWidget();
}

void ImageLoadWidget::UpdateProject()
{
    if (!m_project)
        return;
    kvfd::ImageInfoSet& images = m_project->GetImageInfoSet();
    std::vector<bool> listed(std::size_t(images.Size()), false);
    for (const std::string& path : m_images) {
        const std::string name = kvfd::PathHelper::GetFileName(path);
        const std::string directory = kvfd::PathHelper::GetFileDirectory(path);
        int index = images.FindImage(name, directory);
        if (index == -1)
            index = images.AddImage(name, directory, kvfd::EOP(), 0, true);
        if (std::size_t(index) >= listed.size())
            listed.resize(std::size_t(images.Size()), false);
        listed[std::size_t(index)] = true;
    }
    const kvfd::ImageInfoSet& constImages = images;
    for (int i = 0; i < constImages.Size(); ++i) {
        if (constImages.GetImage(i) && !listed[std::size_t(i)])
            images.RemoveImage(i);
    }

    kvfd::CameraInfoSet& cameras = m_project->GetCameraInfoSet();
    for (int i = 0; i < cameras.Size(); ++i) {
        if (cameras.GetCamera(i))
            return;
    }
    for (int i = 0; i < constImages.Size(); ++i) {
        const kvfd::ImageInfo* image = constImages.GetImage(i);
        if (!image)
            continue;
        kvfd::CameraInfo camera;
        if (kvimage::GetCameraFormImage(image->GetFullName(), camera)) {
            camera.id = 0;
            cameras.AddCamera(camera);
            return;
        }
    }
}

void ImageLoadWidget::Next()
{
    if (m_images.empty()) {
        KvMessageBox::Show(kvfd::KvGetConstString(kNoImages), KvMessageBox::BT_OK);
        return;
    }
    UpdateProject();
    m_result = WR_NEXT;
    AcceptDialog();
}

void ImageLoadWidget::Quit()
{
    m_result = WR_CANCEL;
    RejectDialog();
}

void ImageLoadWidget::slot_Fowward()
{
    m_result = WR_BACK;
    AcceptDialog();
}

ImageLoadDialog::ImageLoadDialog(QWidget* parent)
    : ContentDialog(tr("Import Images"), parent)
{ }

void ImageLoadDialog::SetProject(kvprj::KvProject* project)
{
    Content()->SetProject(project);
}

WResut ImageLoadDialog::Result() const
{
    return Content() ? Content()->Result() : WR_CANCEL;
}

WResut ShowImageDialog(kvprj::KvProject& project)
{
    ImageLoadDialog dialog;
    dialog.SetProject(&project);
    if (dialog.exec() != QDialog::Accepted)
        return WR_CANCEL;
    return dialog.Result();
}
