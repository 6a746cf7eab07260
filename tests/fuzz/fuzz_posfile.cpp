// POS text files: any bytes are read into rows of fields, and the rows into
// records, without crashing and as the reader's rules promise.

#include "fuzzsupport.h"
#include "imagery/posfile.h"

#include <QStringList>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    const std::string path = kvfuzz::WriteScratch(
        "pos.txt", QByteArray(reinterpret_cast<const char*>(data), int(size)));

    std::vector<std::vector<std::string>> rows {{"left from before"}};
    kvfuzz::Check(kvui::ReadPosRows(path, rows), "a readable POS file is read");
    for (const auto& row : rows) {
        kvfuzz::Check(!row.empty(), "a line without fields is not stored");
        for (const std::string& field : row) {
            kvfuzz::Check(!field.empty(), "empty fields are dropped");
            kvfuzz::Check(field.find_first_of(std::string("\t ,;\r\n\0", 8)) == std::string::npos,
                          "no separator stays inside a field");
            kvui::PosNumber(field);
        }
    }

    static const QStringList labels
        = {QStringLiteral("ID"),   QStringLiteral("X"),     QStringLiteral("Y"),
           QStringLiteral("Z"),    QStringLiteral("Omega"), QStringLiteral("-Phi"),
           QStringLiteral("Kappa")};
    kvfuzz::Check(kvui::MakePosDatas(rows, 1, labels, true).size() == rows.size(),
                  "one record per row");
    // A begin line beyond the rows gives nothing rather than reading past them.
    kvfuzz::Check(kvui::MakePosDatas(rows, int(rows.size()) + 1, labels, false).empty(),
                  "no record past the last row");
    return 0;
}
