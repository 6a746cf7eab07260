#include "modalanswer.h"

#include "framework/titlewidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace kvtest {

namespace {

constexpr int kPollMs = 10;

QSet<QWidget*> OpenModals()
{
    QSet<QWidget*> modals;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->isModal())
            modals.insert(w);
    }
    return modals;
}

QString DialogTitle(QWidget* dialog)
{
    if (auto* frame = dialog->findChild<TitleWidget*>())
        return frame->Title();
    return dialog->windowTitle();
}

} // namespace

ModalAnswer::ModalAnswer(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(kPollMs);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswer::Poll);
}

ModalAnswer& ModalAnswer::ExpectTitle(const QString& title)
{
    m_title = title;
    return *this;
}

ModalAnswer& ModalAnswer::ExpectText(const QString& text)
{
    m_text = text;
    return *this;
}

ModalAnswer& ModalAnswer::Click(const QString& buttonName)
{
    m_button = buttonName;
    return *this;
}

ModalAnswer& ModalAnswer::Do(std::function<void(QWidget*)> action)
{
    m_action = std::move(action);
    return *this;
}

void ModalAnswer::Arm(int timeoutMs)
{
    m_before.clear();
    for (QWidget* w : OpenModals())
        m_before << QPointer<QWidget>(w);
    m_remainingMs = timeoutMs;
    m_done = false;
    m_error.clear();
    m_timer.start();
}

bool ModalAnswer::WasOpenBefore(QWidget* w) const
{
    for (const QPointer<QWidget>& before : m_before) {
        if (before == w)
            return true;
    }
    return false;
}

void ModalAnswer::Poll()
{
    m_remainingMs -= kPollMs;
    for (QWidget* w : OpenModals()) {
        if (WasOpenBefore(w))
            continue;
        // Another dialog that opens first (a progress dialog, say) is not the
        // one this answer is for when it lacks the button to click.
        if (!m_button.isEmpty() && !FindNamed(w, m_button)) {
            m_before << QPointer<QWidget>(w);
            continue;
        }
        m_timer.stop();
        Answer(w);
        return;
    }
    if (m_remainingMs <= 0) {
        m_timer.stop();
        m_error = QStringLiteral("no modal dialog appeared");
    }
}

void ModalAnswer::Answer(QWidget* dialog)
{
    m_dialog = dialog;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        m_seenTexts << label->text();
    const QString title = DialogTitle(dialog);
    if (!m_title.isNull() && title != m_title)
        m_error += QStringLiteral("title is \"%1\", expected \"%2\"; ").arg(title, m_title);
    if (!m_text.isNull() && !m_seenTexts.contains(m_text))
        m_error += QStringLiteral("no label reads \"%1\" (seen: %2); ")
                       .arg(m_text, m_seenTexts.join(QStringLiteral(" | ")));
    if (m_action)
        m_action(dialog);
    if (!m_button.isEmpty()) {
        auto* button = Find<QAbstractButton>(dialog, m_button);
        if (!button) {
            m_error += QStringLiteral("no button \"%1\"; ").arg(m_button);
            // Do not leave the test hanging in exec().
            if (auto* d = qobject_cast<QDialog*>(dialog))
                d->done(QDialog::Rejected);
            else
                dialog->close();
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    m_done = m_error.isEmpty();
}

namespace {
QTemporaryDir* g_tempDir = nullptr;
}

void UseTemporaryEnvironment()
{
    if (!g_tempDir)
        g_tempDir = new QTemporaryDir(); // lives until the test program ends
    const QString root = g_tempDir->path();
    qputenv("KVUI_DATA_DIR", (root + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       root + QStringLiteral("/config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       root + QStringLiteral("/config"));
    QCoreApplication::setOrganizationName(QStringLiteral("kvui-test"));
    QCoreApplication::setApplicationName(QStringLiteral("kvui-test"));
}

QString TemporaryDataDir()
{
    return g_tempDir ? g_tempDir->path() + QStringLiteral("/data") : QString();
}

QList<QStringList> AnswerEveryBox(const std::function<void()>& action, const QString& button)
{
    QList<QStringList> boxes;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&boxes, &button] {
        for (QWidget* box : QApplication::topLevelWidgets()) {
            auto* answer = Find<QAbstractButton>(box, button);
            // An answered box is hidden at once, before its loop has returned.
            if (!answer || !box->isVisible())
                continue;
            boxes << QStringList();
            for (QLabel* label : box->findChildren<QLabel*>())
                boxes.last() << label->text();
            QTest::mouseClick(answer, Qt::LeftButton);
        }
    });
    timer.start(kPollMs);
    action();
    return boxes;
}

bool ClickAndChooseFile(QWidget* root, const QString& button, const QString& path)
{
    bool chosen = false;
    ModalAnswer answer;
    answer
        .Do([&chosen, &path](QWidget* dialog) {
            if (qobject_cast<QFileDialog*>(dialog)) {
                ChooseFile(dialog, path);
                chosen = true;
            } else {
                dialog->close();
            }
        })
        .Arm();
    Click(root, button);
    return answer.Done() && chosen;
}

void ChooseFile(QWidget* chooser, const QString& path)
{
    auto* dialog = qobject_cast<QFileDialog*>(chooser);
    if (!dialog)
        return;
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (dialog->fileMode() == QFileDialog::Directory) {
        // A folder chooser answers with the folder it shows when no name is typed.
        dialog->setDirectory(path);
        if (name)
            name->clear();
    } else {
        // selectFile() leaves the name box alone while it has the focus, so
        // the box is filled as well.
        dialog->selectFile(path);
        if (name)
            name->setText(path);
        // The test stands for an operator who has agreed to replace the file.
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    }
    QMetaObject::invokeMethod(dialog, "accept");
}

} // namespace kvtest
