#include "framework/language.h"

#include "framework/stringtable.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <atomic>
#include <vector>

// Translatable literals are written without the u8 prefix (lupdate skips
// u8"..."), so the compiler must keep them in UTF-8, as the catalogues are.
static_assert(sizeof("中") == 4, "compile with a UTF-8 execution character set");

namespace kvui {

namespace {

QString g_language;
// LocalText runs on worker threads too (progress reports); the code itself is
// only read and written on the GUI thread.
std::atomic<bool> g_translating {false};

std::vector<QPointer<QTranslator>>& Installed()
{
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

void Install(const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        Installed().emplace_back(translator);
    else
        delete translator;
}

} // namespace

QStringList Languages()
{
    return {QString(), QStringLiteral("en"), QStringLiteral("zh_CN")};
}

QString Language()
{
    return g_language;
}

bool SetLanguage(const QString& code)
{
    if (!QCoreApplication::instance() || !Languages().contains(code))
        return false;
    for (const QPointer<QTranslator>& translator : Installed()) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    Installed().clear();

    if (!code.isEmpty()) {
        // Translators installed later are asked first: Qt's own go in first,
        // so that where a text is both Qt's and ours, ours wins. Qt has no
        // catalogue for English, its own language.
        Install(QStringLiteral("qtbase_") + code,
                QLibraryInfo::location(QLibraryInfo::TranslationsPath));
        const QDir catalogues(QStringLiteral(":/i18n"));
        const QStringList names = catalogues.entryList(
            {QStringLiteral("*_") + code + QStringLiteral(".qm")}, QDir::Files, QDir::Name);
        for (const QString& name : names)
            Install(name, catalogues.path());
    }
    g_language = code;
    g_translating = !code.isEmpty();
    RegisterConstStrings(!code.isEmpty());
    return true;
}

QString LocalText(const char* text)
{
    if (!text)
        return QString();
    const QString written = QString::fromLocal8Bit(text);
    if (!g_translating)
        return written;
    // translate() hands back the text decoded as UTF-8 when it has no
    // translation; the text as written is then decoded as the code page says.
    const QString translated = QCoreApplication::translate(kTextContext, text);
    return translated == QString::fromUtf8(text) ? written : translated;
}

QString LocalText(const std::string& text)
{
    if (!g_translating)
        return QString::fromLocal8Bit(text.data(), static_cast<int>(text.size()));
    return LocalText(text.c_str());
}

} // namespace kvui
