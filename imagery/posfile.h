#pragma once

#include "imagery/posdata.h"
#include "kvui_export.h"

#include <QStringList>
#include <string>
#include <vector>

// Reading POS text files: one record per line, fields separated by tabs,
// spaces, commas or semicolons, and turning the stored rows into PosData
// records once the operator has said which column holds what.
namespace kvui {

// Reads every line of the file at path (a narrow path in the local code page)
// into rows, replacing what rows held. A line is split at tab, space, comma,
// semicolon, carriage return and NUL; runs of separators count as one and
// empty fields are dropped; a line without any field is not stored. A line is
// read whole however long it is; a UTF-8 byte-order mark at the start of the
// file is skipped. The file is read in pieces, so memory holds the rows but
// not the file; the rows a call replaced are kept (up to 2^20 fields) for the
// thread's next call to reuse their memory. Returns false, with rows untouched, when the file
// cannot be opened or read, is not a regular file (a folder, a pipe, a device; a pipe without a
// writer does not block), is larger than 1 GiB or holds more than 2^25 fields. Nothing throws.
KVUI_EXPORT bool ReadPosRows(const std::string& path, std::vector<std::vector<std::string>>& rows);

// The number a field starts with, read like the C library's atof in the C
// locale whatever the program's locale: the longest leading decimal number
// (leading white space skipped), 0 when there is none.
KVUI_EXPORT double PosNumber(const std::string& field);

// One record per row from beginLine (1-based, values below 1 count as 1) to the
// last. labels[c] says what column c holds: "ID" the name, "X", "Y", "Z",
// "Omega", "Phi", "Kappa" that value, "-Phi" the negated Phi, anything else
// nothing. Fields beyond a row's end keep the EOP defaults. With degrees the
// three angles are converted to radians. Empty when beginLine is beyond the
// last row.
KVUI_EXPORT std::vector<PosData> MakePosDatas(const std::vector<std::vector<std::string>>& rows,
                                              int beginLine, const QStringList& labels,
                                              bool degrees);

} // namespace kvui
