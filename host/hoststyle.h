#pragma once

#include <QString>

class QApplication;

// The look the host gives the library: the library ships no style sheet and
// names its widgets ("kvcombtn", "TitleWidget", ...) for the host's sheet to
// select on.
class HostStyle
{
public:
    static constexpr const char* kStyleSheetPath = ":/kvhost/style/kvhost.qss";

    // Registers the host's compiled resources (style sheet and pictures). They
    // live in a static library, whose resource initialisers the linker would
    // otherwise drop; call before the first use of ":/".
    static void InitResources();
    // The style sheet text; empty when the resource is missing.
    static QString StyleSheet();
    // Resources, the Fusion style with a dark palette for what the sheet does
    // not cover (the file chooser, for one), and the sheet.
    static void Apply(QApplication& app);
};
