#pragma once

#include "kvui_export.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

// Reads INI text from memory as QSettings (IniFormat) reads a file: the same
// keys ("group/key", "[General]" being the top level) and the values that
// QSettings::value() gives for them, so that a file needs no copy on disk to
// be read. Raw bytes outside ASCII are taken as UTF-8: QSettings escapes
// every such character by default and writes UTF-8 with the UTF-8 codec, so
// files written either way read alike.
class KVUI_EXPORT IniReader
{
public:
    // Every setting of content. wellFormed, when given, says whether every
    // line could be read; what could be read is returned all the same.
    static QMap<QString, QVariant> Read(const QByteArray& content, bool* wellFormed = nullptr);
};
