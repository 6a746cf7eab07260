#include "languagecheck.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBox>
#include <QTreeView>
#include <QWidget>

namespace kvtest {

const QStringList LanguageCheck::kAllowedWords = {
    // Abbreviations the Chinese texts keep.
    QStringLiteral("EXIF"),
    QStringLiteral("POS"),
    QStringLiteral("GPS"),
    QStringLiteral("GNSS"),
    QStringLiteral("IMU"),
    QStringLiteral("RINEX"),
    QStringLiteral("RTK"),
    QStringLiteral("PPK"),
    QStringLiteral("RT"),
    QStringLiteral("GNS"),
    QStringLiteral("DEM"),
    QStringLiteral("DSM"),
    QStringLiteral("DOM"),
    QStringLiteral("UTM"),
    QStringLiteral("WGS"),
    QStringLiteral("CGCS"),
    QStringLiteral("ID"),
    QStringLiteral("SN"),
    QStringLiteral("CCD"),
    QStringLiteral("URL"),
    QStringLiteral("SHA"),
    // Formats and programs.
    QStringLiteral("XML"),
    QStringLiteral("TIFF"),
    QStringLiteral("TIF"),
    QStringLiteral("JPG"),
    QStringLiteral("JPEG"),
    QStringLiteral("PNG"),
    QStringLiteral("RAW"),
    QStringLiteral("CSV"),
    QStringLiteral("TXT"),
    QStringLiteral("SSK"),
    QStringLiteral("Inpho"),
    QStringLiteral("PatB"),
    QStringLiteral("PHOTOMOD"),
    QStringLiteral("ContextCapture"),
    QStringLiteral("kvhost"),
    QStringLiteral("kvui"),
    QStringLiteral("kvcloud"),
    // Units.
    QStringLiteral("mm"),
    QStringLiteral("cm"),
    QStringLiteral("km"),
    QStringLiteral("px"),
    QStringLiteral("ms"),
    QStringLiteral("KB"),
    QStringLiteral("MB"),
    QStringLiteral("GB"),
    QStringLiteral("Hz"),
    QStringLiteral("dpi"),
    // Languages name themselves in their own words.
    QStringLiteral("English"),
};

namespace {

// Chinese characters, CJK punctuation and full-width forms.
const QRegularExpression kHan(QStringLiteral("[\\x{3000}-\\x{303f}\\x{3400}-\\x{9fff}"
                                             "\\x{f900}-\\x{faff}\\x{ff00}-\\x{ffef}]"));
const QRegularExpression kLatinWord(QStringLiteral("[A-Za-z]+"));
// "*.txt", "*.*", "*.*o", "*": file patterns of a filter.
const QRegularExpression kFilePattern(QStringLiteral("\\*(\\.[A-Za-z0-9*?]+)*"));

QString Shown(QString text)
{
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    // "&&" shows one ampersand; a single one marks the mnemonic.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.trimmed();
}

QString NameOf(const QObject* object)
{
    const QString form = object->property("kvFormName").toString();
    const QString name = object->objectName();
    return QLatin1String(object->metaObject()->className()) + QLatin1Char(' ')
        + (form.isEmpty() || form == name ? name : form + QLatin1Char('/') + name);
}

void ReadActions(const QWidget* widget, QStringList& texts)
{
    for (const QAction* action : widget->actions()) {
        if (action->isSeparator())
            continue;
        const QString where = NameOf(action);
        texts << where + QStringLiteral(": ") + action->text();
        if (Shown(action->toolTip()) != Shown(action->text()))
            texts << where + QStringLiteral(" (tool tip): ") + action->toolTip();
    }
}

void ReadHeader(const QAbstractItemView* view, QStringList& texts)
{
    const QAbstractItemModel* model = view->model();
    if (!model)
        return;
    for (int column = 0; column < model->columnCount(); ++column)
        texts << NameOf(view) + QStringLiteral(" (header): ")
                + model->headerData(column, Qt::Horizontal).toString();
}

// The texts one widget shows of its own, children aside.
void Read(const QWidget* widget, QStringList& texts)
{
    const QString where = NameOf(widget) + QStringLiteral(": ");
    if (widget->isWindow() || qobject_cast<const QDockWidget*>(widget))
        texts << where + widget->windowTitle();
    if (!widget->toolTip().isEmpty())
        texts << NameOf(widget) + QStringLiteral(" (tool tip): ") + widget->toolTip();

    if (const auto* label = qobject_cast<const QLabel*>(widget))
        texts << where + label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        texts << where + button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        texts << where + group->title();
    else if (const auto* menu = qobject_cast<const QMenu*>(widget))
        texts << where + menu->title();
    else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        texts << where + edit->placeholderText();
    else if (const auto* edit = qobject_cast<const QTextEdit*>(widget))
        texts << where + edit->placeholderText();
    else if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget))
        texts << where + edit->placeholderText();
    else if (const auto* spin = qobject_cast<const QSpinBox*>(widget))
        texts << where + spin->prefix() + QLatin1Char(' ') + spin->suffix();
    else if (const auto* spin = qobject_cast<const QDoubleSpinBox*>(widget))
        texts << where + spin->prefix() + QLatin1Char(' ') + spin->suffix();
    else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        for (int i = 0; i < combo->count(); ++i)
            texts << where + combo->itemText(i);
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << where + tabs->tabText(i) << where + tabs->tabToolTip(i);
    } else if (const auto* box = qobject_cast<const QToolBox*>(widget)) {
        for (int i = 0; i < box->count(); ++i)
            texts << where + box->itemText(i);
    } else if (const auto* table = qobject_cast<const QTableView*>(widget)) {
        ReadHeader(table, texts);
    } else if (const auto* tree = qobject_cast<const QTreeView*>(widget)) {
        ReadHeader(tree, texts);
    }
    ReadActions(widget, texts);
}

} // namespace

LanguageCheck::LanguageCheck(const QString& language)
    : m_language(language)
{
    for (const QString& word : kAllowedWords)
        m_allowed << word;
    m_allowed << QStringLiteral("简体中文");
}

LanguageCheck& LanguageCheck::Allow(const QString& wordOrText)
{
    m_allowed << wordOrText;
    return *this;
}

LanguageCheck& LanguageCheck::Skip(const QString& name)
{
    m_skipped << name;
    return *this;
}

QStringList LanguageCheck::Texts(QWidget* root) const
{
    QStringList texts;
    if (!root)
        return texts;
    const auto skipped = [this, root](const QWidget* widget) {
        for (; widget; widget = widget->parentWidget()) {
            if (m_skipped.contains(widget->objectName())
                || m_skipped.contains(widget->property("kvFormName").toString()))
                return true;
            if (widget == root)
                break;
        }
        return false;
    };
    QList<QWidget*> widgets {root};
    widgets += root->findChildren<QWidget*>();
    for (const QWidget* widget : qAsConst(widgets)) {
        if (!skipped(widget))
            Read(widget, texts);
    }
    // Only what shows something.
    QStringList shown;
    for (const QString& text : qAsConst(texts)) {
        const int colon = text.indexOf(QStringLiteral(": "));
        if (!Shown(text.mid(colon + 2)).isEmpty())
            shown << text;
    }
    return shown;
}

bool LanguageCheck::IsForeign(const QString& raw) const
{
    const QString text = Shown(raw);
    if (m_language.isEmpty() || text.isEmpty() || m_allowed.contains(text))
        return false;
    if (m_language == QLatin1String("en"))
        return text.contains(kHan);
    QString words = text;
    words.remove(kFilePattern);
    auto it = kLatinWord.globalMatch(words);
    while (it.hasNext()) {
        const QString word = it.next().captured();
        if (word.size() > 1 && !m_allowed.contains(word))
            return true;
    }
    return false;
}

QStringList LanguageCheck::Foreign(QWidget* root) const
{
    QStringList foreign;
    for (const QString& text : Texts(root)) {
        const int colon = text.indexOf(QStringLiteral(": "));
        if (IsForeign(text.mid(colon + 2)))
            foreign << text;
    }
    return foreign;
}

} // namespace kvtest
