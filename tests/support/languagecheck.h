#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

namespace kvtest {

// Finds the texts of a window that are not in the language it should read in,
// so that every dialog can be checked after kvui::SetLanguage:
//
//     kvui::SetLanguage(QStringLiteral("zh_CN"));
//     CameraDialog dialog;
//     const QStringList foreign = kvtest::LanguageCheck(QStringLiteral("zh_CN"))
//                                     .Skip(QStringLiteral("csw_camera_name_")) // data
//                                     .Foreign(&dialog);
//     QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
//
// Read are: window titles, labels, button texts, every tool tip, group box
// titles, tab texts, combo box items, spin box prefixes and suffixes,
// placeholders of line and text edits, the column headers of tables and trees,
// and the titles, texts and tool tips of the actions of menus, menu bars and
// tool bars. Hidden children are read too (they may be shown later); the text
// of an edit is data and is not.
//
// Under "en" a text is foreign when it holds a Chinese character or full-width
// punctuation. Under "zh_CN" it is foreign when it holds a Latin word that is
// not allowed; allowed are single letters (axes, coefficients), the
// abbreviations, units and names of formats and programs of kAllowedWords, the
// file patterns of filters ("*.txt", "(*.*)") and whatever Allow adds. Under ""
// (the texts as written) nothing is foreign. Mnemonic ampersands are dropped
// and rich text is read without its tags.
class LanguageCheck
{
public:
    explicit LanguageCheck(const QString& language);

    // A Latin word ("zh_CN") or a whole text (either language) that may stay.
    LanguageCheck& Allow(const QString& wordOrText);
    // The child of that object or form name, with its own children, shows data
    // (names, paths, numbers): its texts are not checked.
    LanguageCheck& Skip(const QString& name);

    // "<class> <name>: <text>" for each foreign text of root and its children.
    QStringList Foreign(QWidget* root) const;
    // Every text read, as "<class> <name>: <text>".
    QStringList Texts(QWidget* root) const;
    bool IsForeign(const QString& text) const;

    static const QStringList kAllowedWords;

private:
    QString m_language;
    QSet<QString> m_allowed;
    QSet<QString> m_skipped;
};

} // namespace kvtest
