<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ViewerWindow</name>
    <message>
        <source>Image Viewer</source>
        <translation>Image Viewer</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>First</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Reload List</source>
        <translation>Reload List</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Photo:</source>
        <translation>Photo:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altitude:</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Camera:</translation>
    </message>
    <message>
        <source>Focal length:</source>
        <translation>Focal length:</translation>
    </message>
    <message>
        <source>Image size:</source>
        <translation>Image size:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>No photos to show.</source>
        <translation>No photos to show.</translation>
    </message>
    <message>
        <source>%1 - Image Viewer</source>
        <translation>%1 - Image Viewer</translation>
    </message>
    <message>
        <source>Loading %1…</source>
        <translation>Loading %1…</translation>
    </message>
    <message>
        <source>%1 cannot be shown.
%2</source>
        <translation>%1 cannot be shown.
%2</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>not recorded</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>Usage: %1 PHOTO...
Shows the photos given. The application starts the viewer with its own
launch codes to show the photos it has listed.</source>
        <translation>Usage: %1 PHOTO...
Shows the photos given. The application starts the viewer with its own
launch codes to show the photos it has listed.</translation>
    </message>
    <message>
        <source>%1: no photos given, and not started by the application (its launch codes are missing).</source>
        <translation>%1: no photos given, and not started by the application (its launch codes are missing).</translation>
    </message>
    <message>
        <source>%1: these are not the launch codes of the application.</source>
        <translation>%1: these are not the launch codes of the application.</translation>
    </message>
    <message>
        <source>Lines skipped because they hold NUL bytes (the list is not all text): %1.</source>
        <translation>Lines skipped because they hold NUL bytes (the list is not all text): %1.</translation>
    </message>
    <message>
        <source>Lines skipped because they are longer than %1 bytes: %2.</source>
        <translation>Lines skipped because they are longer than %1 bytes: %2.</translation>
    </message>
    <message>
        <source>Only the first %1 photos are shown; photos left out: %2.</source>
        <translation>Only the first %1 photos are shown; photos left out: %2.</translation>
    </message>
    <message>
        <source>Paths that are not valid UTF-8 (shown with � for the bad bytes): %1.</source>
        <translation>Paths that are not valid UTF-8 (shown with � for the bad bytes): %1.</translation>
    </message>
    <message>
        <source>Listed files not found: %1.</source>
        <translation>Listed files not found: %1.</translation>
    </message>
    <message>
        <source>The photo list %1 does not exist.</source>
        <translation>The photo list %1 does not exist.</translation>
    </message>
    <message>
        <source>The photo list %1 cannot be read: %2.</source>
        <translation>The photo list %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>The photo list is longer than %1 MiB; only its beginning was read.</source>
        <translation>The photo list is longer than %1 MiB; only its beginning was read.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>The file cannot be opened: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>This is not a file.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>The file cannot be read as a picture: %1.</source>
        <translation>The file cannot be read as a picture: %1.</translation>
    </message>
    <message>
        <source>%1: unknown language &quot;%2&quot; (en, zh_CN or default).</source>
        <translation>%1: unknown language &quot;%2&quot; (en, zh_CN or default).</translation>
    </message>
    <message>
        <source>Before the photos or the codes, --language LANGUAGE shows every text in
LANGUAGE (en, zh_CN, or default: the texts as written) instead of the
language chosen in the application.</source>
        <translation>Before the photos or the codes, --language LANGUAGE shows every text in
LANGUAGE (en, zh_CN, or default: the texts as written) instead of the
language chosen in the application.</translation>
    </message>
</context>
</TS>
