#include "widgethelpers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace kvtest {

namespace {

void Fail(const QString& message)
{
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

} // namespace

QWidget* FindNamed(QWidget* root, const QString& name)
{
    if (!root)
        return nullptr;
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->objectName() == name)
            return child;
    }
    for (QWidget* child : children) {
        if (child->property("kvFormName").toString() == name)
            return child;
    }
    return nullptr;
}

void Click(QWidget* root, const QString& name)
{
    if (auto* button = Find<QAbstractButton>(root, name))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        Fail(QStringLiteral("no button \"%1\" to click").arg(name));
}

QString Text(QWidget* root, const QString& name)
{
    QWidget* child = FindNamed(root, name);
    if (auto* edit = qobject_cast<QLineEdit*>(child))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(child))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(child))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(child))
        return combo->currentText();
    if (auto* text = qobject_cast<QPlainTextEdit*>(child))
        return text->toPlainText();
    return QStringLiteral("<no %1>").arg(name);
}

void SetText(QWidget* root, const QString& name, const QString& text)
{
    QWidget* child = FindNamed(root, name);
    if (auto* edit = qobject_cast<QLineEdit*>(child))
        edit->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(child))
        plain->setPlainText(text);
    else
        Fail(QStringLiteral("no text field \"%1\"").arg(name));
}

} // namespace kvtest
