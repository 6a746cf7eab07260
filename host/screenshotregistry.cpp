#include "host/screenshotregistry.h"

#include "framework/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace {

void Pump(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

// Rounds of events after a window appears: a picture needs layouts, polish
// and the first paints settled, which a grab right after show() would miss;
// reading texts needs only the work queued by showing.
constexpr int kPaintRounds = 10;
constexpr int kInspectRounds = 1;

// Waits for the window system to show window, then lets rounds of events pass.
bool WaitShown(QWidget* window, int rounds)
{
    QElapsedTimer clock;
    clock.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed())) {
        if (clock.elapsed() > ScreenshotRegistry::kTimeoutMs)
            return false;
        Pump(1);
    }
    Pump(rounds);
    return true;
}

bool Save(QWidget* window, const QString& file, QString& why)
{
    const QPixmap grabbed = window->grab();
    if (grabbed.isNull()) {
        why = QStringLiteral("grab gave no picture");
        return false;
    }
    // Frameless dialogs are translucent around their frame; lay them on a
    // desktop-like backdrop so the picture shows the frame's edge.
    QImage image(grabbed.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor::fromRgba(ScreenshotRegistry::kBackdrop));
    QPainter painter(&image);
    painter.drawPixmap(0, 0, grabbed);
    painter.end();
    if (!image.save(file, "PNG")) {
        why = QStringLiteral("cannot write %1").arg(file);
        return false;
    }
    return true;
}

QAbstractButton* FindButton(QWidget* dialog, const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    const auto buttons = dialog->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (button->objectName() == name || button->property("kvFormName").toString() == name)
            return button;
    }
    return nullptr;
}

QSet<QWidget*> VisibleModals()
{
    QSet<QWidget*> modals;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->isModal())
            modals.insert(w);
    }
    return modals;
}

} // namespace

void ScreenshotRegistry::Add(const QString& name, WidgetFactory make)
{
    Put({name, std::move(make), nullptr, QString(), QString()});
}

void ScreenshotRegistry::AddModal(const QString& name, ModalOpener open, const QString& closeButton)
{
    Put({name, nullptr, std::move(open), closeButton, QString()});
}

void ScreenshotRegistry::Put(Entry entry)
{
    for (Entry& existing : m_entries) {
        if (existing.name == entry.name) {
            existing = std::move(entry);
            return;
        }
    }
    m_entries.push_back(std::move(entry));
}

QStringList ScreenshotRegistry::Names() const
{
    QStringList names;
    for (const Entry& entry : m_entries)
        names << entry.name;
    return names;
}

bool ScreenshotRegistry::AddTranslated(const QString& name, const QString& language)
{
    for (const Entry& entry : m_entries) {
        if (entry.name == name) {
            Entry copy = entry;
            copy.name = name + QLatin1Char('_') + language;
            copy.language = language;
            Put(std::move(copy));
            return true;
        }
    }
    return false;
}

bool ScreenshotRegistry::RenderAll(const QString& dir, QStringList* failures) const
{
    QStringList failed;
    if (!QDir().mkpath(dir)) {
        failed << QStringLiteral("*: cannot create %1").arg(dir);
    } else {
        for (const Entry& entry : m_entries) {
            const QString file = QDir(dir).filePath(entry.name + QStringLiteral(".png"));
            QString why;
            const bool ok = Present(entry, kPaintRounds, why, [&](QWidget* window, QString& fault) {
                return Save(window, file, fault);
            });
            if (!ok)
                failed << entry.name + QStringLiteral(": ") + why;
        }
    }
    if (failures)
        *failures = failed;
    return failed.isEmpty();
}

bool ScreenshotRegistry::Inspect(const QString& name, const std::function<void(QWidget*)>& look,
                                 QString* why) const
{
    QString fault;
    bool ok = false;
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const Entry& e) { return e.name == name; });
    if (entry == m_entries.end()) {
        fault = QStringLiteral("no such entry");
    } else {
        ok = Present(*entry, kInspectRounds, fault, [&](QWidget* window, QString&) {
            look(window);
            return true;
        });
    }
    if (why)
        *why = fault;
    return ok;
}

bool ScreenshotRegistry::Present(const Entry& entry, int rounds, QString& why,
                                 const WindowUse& use) const
{
    const QString language = kvui::Language();
    if (!entry.language.isNull())
        kvui::SetLanguage(entry.language);
    const bool ok = entry.make ? PresentWidget(entry, rounds, why, use)
                               : PresentModal(entry, rounds, why, use);
    if (!entry.language.isNull())
        kvui::SetLanguage(language);
    return ok;
}

bool ScreenshotRegistry::PresentWidget(const Entry& entry, int rounds, QString& why,
                                       const WindowUse& use) const
{
    std::unique_ptr<QWidget> widget = entry.make();
    if (!widget) {
        why = QStringLiteral("nothing to show");
        return false;
    }
    widget->show();
    if (!WaitShown(widget.get(), rounds)) {
        why = QStringLiteral("the window never appeared");
        return false;
    }
    const bool used = use(widget.get(), why);
    widget->hide();
    return used;
}

bool ScreenshotRegistry::PresentModal(const Entry& entry, int rounds, QString& why,
                                      const WindowUse& use) const
{
    const QSet<QWidget*> before = VisibleModals();
    bool seen = false;
    bool used = false;
    QElapsedTimer clock;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || before.contains(dialog) || !dialog->isVisible()) {
            if (clock.elapsed() > kTimeoutMs) {
                poll.stop();
                why = QStringLiteral("no modal dialog appeared");
            }
            return;
        }
        poll.stop();
        seen = true;
        if (WaitShown(dialog, rounds))
            used = use(dialog, why);
        else
            why = QStringLiteral("the dialog never appeared");
        if (QAbstractButton* button = FindButton(dialog, entry.closeButton))
            button->click();
        else if (auto* modal = qobject_cast<QDialog*>(dialog))
            modal->reject();
        else
            dialog->close();
    });
    clock.start();
    poll.start();
    entry.open();
    poll.stop();
    if (!seen && why.isEmpty())
        why = QStringLiteral("no modal dialog appeared");
    return used;
}
