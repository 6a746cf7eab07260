#pragma once

#include "kvui_export.h"

#include <QString>
#include <string>
#include <vector>

// Result of one wizard page.
enum WResut : int {
    WR_CANCEL = 0, // the user left the wizard
    WR_BACK = 1,   // back to the previous page
    WR_NEXT = 2,   // on to the next page (or finish after the last)
};

// The text in the local 8-bit code page, as the family libraries take it.
KVUI_EXPORT std::string QString2String(const QString& text);
// Text of the family libraries (local 8-bit code page) as a QString: the one
// way such text reaches a widget.
KVUI_EXPORT QString String2QString(const std::string& text);

// The folder every file chooser of the library opens at; empty until set.
KVUI_EXPORT QString GetDefaultPath();
// Remembers path for the next chooser; with isFile the folder holding the file.
KVUI_EXPORT void SetDefaultPath(QString path, bool isFile);

// Writes the paths to <data>/viewer.ini and starts the image viewer beside the
// host program. A viewer that is not installed is not an error.
KVUI_EXPORT void LoadImagesToViewer(const std::vector<std::string>& paths);

class QFileDevice;

namespace kvui {
// Asks the system to put file's written bytes on the disk; false when it
// refuses (a full or failing disk), so that a writer never moves a file into
// place whose bytes may not be there.
KVUI_EXPORT bool SyncToDisk(QFileDevice& file);

// File name of the image viewer program, looked for beside the host.
constexpr const char* kViewerProgram = "Lumo_Viewer";
// The two launch codes the viewer expects on its command line.
constexpr const char* kViewerCode1 = "5D2C81A0-7E4B-4F19-A6C3-0B9E2D47F815";
constexpr const char* kViewerCode2 = "1A7F3C92-84D6-4B0E-9F25-C6E8B3D0A417";
} // namespace kvui
