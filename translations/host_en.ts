<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BarsModule</name>
    <message>
        <source>Choose the output folder</source>
        <translation>Choose the output folder</translation>
    </message>
    <message>
        <source>Output area: rectangle</source>
        <translation>Output area: rectangle</translation>
    </message>
    <message>
        <source>Output area: polygon</source>
        <translation>Output area: polygon</translation>
    </message>
    <message>
        <source>Clear the output area</source>
        <translation>Clear the output area</translation>
    </message>
    <message>
        <source>Reset POS</source>
        <translation>Reset POS</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Export Report</translation>
    </message>
    <message>
        <source>Export Quick DOM</source>
        <translation>Export Quick DOM</translation>
    </message>
    <message>
        <source>Export QA POS</source>
        <translation>Export QA POS</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>Features</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Adjust</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaic</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>Matching</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimize</translation>
    </message>
    <message>
        <source>Bundle Adjustment</source>
        <translation>Bundle Adjustment</translation>
    </message>
    <message>
        <source>Model Report</source>
        <translation>Model Report</translation>
    </message>
    <message>
        <source>Quick DSM</source>
        <translation>Quick DSM</translation>
    </message>
    <message>
        <source>No Map</source>
        <translation>No Map</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>One-Key Processing</source>
        <translation>One-Key Processing</translation>
    </message>
    <message>
        <source>One-Key Export</source>
        <translation>One-Key Export</translation>
    </message>
    <message>
        <source>Procedures</source>
        <translation>Procedures</translation>
    </message>
    <message>
        <source>Quality Assessment</source>
        <translation>Quality Assessment</translation>
    </message>
    <message>
        <source>QA Export</source>
        <translation>QA Export</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processing</translation>
    </message>
    <message>
        <source>This host does not run the one-key processing yet (output folder %1, resolution %2 m).</source>
        <translation>This host does not run the one-key processing yet (output folder %1, resolution %2 m).</translation>
    </message>
    <message>
        <source>This host does not draw a rectangular output area yet.</source>
        <translation>This host does not draw a rectangular output area yet.</translation>
    </message>
    <message>
        <source>This host does not draw a polygonal output area yet.</source>
        <translation>This host does not draw a polygonal output area yet.</translation>
    </message>
    <message>
        <source>This host does not clear output areas yet.</source>
        <translation>This host does not clear output areas yet.</translation>
    </message>
    <message>
        <source>This host does not reset the image positions for the one-key processing yet.</source>
        <translation>This host does not reset the image positions for the one-key processing yet.</translation>
    </message>
    <message>
        <source>This host does not export SSK projects yet.</source>
        <translation>This host does not export SSK projects yet.</translation>
    </message>
    <message>
        <source>This host does not export Inpho projects yet.</source>
        <translation>This host does not export Inpho projects yet.</translation>
    </message>
    <message>
        <source>This host does not export PatB projects yet.</source>
        <translation>This host does not export PatB projects yet.</translation>
    </message>
    <message>
        <source>This host does not export the POS data of the one-key processing yet.</source>
        <translation>This host does not export the POS data of the one-key processing yet.</translation>
    </message>
    <message>
        <source>This host does not export PhotoMod projects yet.</source>
        <translation>This host does not export PhotoMod projects yet.</translation>
    </message>
    <message>
        <source>This host does not export Context Capture XML projects yet.</source>
        <translation>This host does not export Context Capture XML projects yet.</translation>
    </message>
    <message>
        <source>This host does not run the quality assessment yet (scale %1, resolution %2 m, forward overlap %3 %, side overlap %4 %).</source>
        <translation>This host does not run the quality assessment yet (scale %1, resolution %2 m, forward overlap %3 %, side overlap %4 %).</translation>
    </message>
    <message>
        <source>This host does not make quality assessment reports yet.</source>
        <translation>This host does not make quality assessment reports yet.</translation>
    </message>
    <message>
        <source>This host does not reset the image positions for the quality assessment yet.</source>
        <translation>This host does not reset the image positions for the quality assessment yet.</translation>
    </message>
    <message>
        <source>This host does not export quality assessment reports yet.</source>
        <translation>This host does not export quality assessment reports yet.</translation>
    </message>
    <message>
        <source>This host does not export the quick DOM yet.</source>
        <translation>This host does not export the quick DOM yet.</translation>
    </message>
    <message>
        <source>This host does not export the POS data of the quality assessment yet.</source>
        <translation>This host does not export the POS data of the quality assessment yet.</translation>
    </message>
    <message>
        <source>This host does not run the feature matching yet.</source>
        <translation>This host does not run the feature matching yet.</translation>
    </message>
    <message>
        <source>This host does not run the optimization yet.</source>
        <translation>This host does not run the optimization yet.</translation>
    </message>
    <message>
        <source>This host does not run the bundle adjustment yet.</source>
        <translation>This host does not run the bundle adjustment yet.</translation>
    </message>
    <message>
        <source>This host does not make model reports yet.</source>
        <translation>This host does not make model reports yet.</translation>
    </message>
    <message>
        <source>This host does not make the quick DSM yet.</source>
        <translation>This host does not make the quick DSM yet.</translation>
    </message>
</context>
<context>
    <name>CameraModule</name>
    <message>
        <source>unnamed camera</source>
        <translation>unnamed camera</translation>
    </message>
    <message>
        <source>%1, %2 × %3 px, focal length %4 mm, pixel %5 µm</source>
        <translation>%1, %2 × %3 px, focal length %4 mm, pixel %5 µm</translation>
    </message>
    <message>
        <source>&amp;Camera…</source>
        <translation>&amp;Camera…</translation>
    </message>
    <message>
        <source>&amp;Refresh Camera Database</source>
        <translation>&amp;Refresh Camera Database</translation>
    </message>
    <message>
        <source>&amp;Get Camera From Cloud…</source>
        <translation>&amp;Get Camera From Cloud…</translation>
    </message>
    <message>
        <source>Project camera: %1</source>
        <translation>Project camera: %1</translation>
    </message>
    <message>
        <source>Downloaded camera: %1</source>
        <translation>Downloaded camera: %1</translation>
    </message>
    <message>
        <source>正在更新相机数据库……</source>
        <translation>Updating the camera database…</translation>
    </message>
    <message>
        <source>相机数据库已更新（%1 台相机）</source>
        <translation>The camera database has been updated (%1 cameras)</translation>
    </message>
    <message>
        <source>相机数据库更新失败</source>
        <translation>The camera database could not be updated</translation>
    </message>
</context>
<context>
    <name>FrameworkModule</name>
    <message>
        <source>Open Image &amp;Viewer</source>
        <translation>Open Image &amp;Viewer</translation>
    </message>
    <message>
        <source>&amp;Message (OK)…</source>
        <translation>&amp;Message (OK)…</translation>
    </message>
    <message>
        <source>&amp;Question (Yes/No)…</source>
        <translation>&amp;Question (Yes/No)…</translation>
    </message>
    <message>
        <source>&amp;Checksum Folder…</source>
        <translation>&amp;Checksum Folder…</translation>
    </message>
    <message>
        <source>Message box: OK</source>
        <translation>Message box: OK</translation>
    </message>
    <message>
        <source>Message box: closed</source>
        <translation>Message box: closed</translation>
    </message>
    <message>
        <source>Answer: Yes</source>
        <translation>Answer: Yes</translation>
    </message>
    <message>
        <source>Answer: No</source>
        <translation>Answer: No</translation>
    </message>
    <message>
        <source>Answer: closed without answering</source>
        <translation>Answer: closed without answering</translation>
    </message>
    <message>
        <source>Checksum Folder</source>
        <translation>Checksum Folder</translation>
    </message>
    <message>
        <source>Checksum cancelled after %1 of %2 files</source>
        <translation>Checksum cancelled after %1 of %2 files</translation>
    </message>
    <message>
        <source>Checksummed %1 files</source>
        <translation>Checksummed %1 files</translation>
    </message>
    <message>
        <source>, %1 unreadable</source>
        <translation>, %1 unreadable</translation>
    </message>
    <message>
        <source>Save Checksum List</source>
        <translation>Save Checksum List</translation>
    </message>
    <message>
        <source>Checksum lists (*.sha256);;All files (*)</source>
        <translation>Checksum lists (*.sha256);;All files (*)</translation>
    </message>
    <message>
        <source>; list saved to %1</source>
        <translation>; list saved to %1</translation>
    </message>
    <message>
        <source>Sent %1 images to the image viewer</source>
        <translation>Sent %1 images to the image viewer</translation>
    </message>
    <message>
        <source>Dialog content</source>
        <translation>Dialog content</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Start page</translation>
    </message>
</context>
<context>
    <name>ImageTablePanel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Omega (°)</source>
        <translation>Omega (°)</translation>
    </message>
    <message>
        <source>Phi (°)</source>
        <translation>Phi (°)</translation>
    </message>
    <message>
        <source>Kappa (°)</source>
        <translation>Kappa (°)</translation>
    </message>
    <message>
        <source>Flight</source>
        <translation>Flight</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>ImageryModule</name>
    <message>
        <source>Get &amp;Elevation…</source>
        <translation>Get &amp;Elevation…</translation>
    </message>
    <message>
        <source>&amp;RT27 Format Change…</source>
        <translation>&amp;RT27 Format Change…</translation>
    </message>
    <message>
        <source>Correct &amp;Lever Arm…</source>
        <translation>Correct &amp;Lever Arm…</translation>
    </message>
    <message>
        <source>&amp;GPS Tool…</source>
        <translation>&amp;GPS Tool…</translation>
    </message>
    <message>
        <source>Elevation: %1 m</source>
        <translation>Elevation: %1 m</translation>
    </message>
    <message>
        <source>RT27 conversion is not available here: %1 → %2</source>
        <translation>RT27 conversion is not available here: %1 → %2</translation>
    </message>
    <message>
        <source>Lever-arm correction is not available here: %1 (UAV type %2) → %3</source>
        <translation>Lever-arm correction is not available here: %1 (UAV type %2) → %3</translation>
    </message>
    <message>
        <source>RT27 conversion cannot run here: the receiver format is its maker&apos;s. Open the dialog anyway?</source>
        <translation>RT27 conversion cannot run here: the receiver format is its maker&apos;s. Open the dialog anyway?</translation>
    </message>
    <message>
        <source>Lever-arm correction cannot run here: the aircraft offsets are their maker&apos;s. Open the dialog anyway?</source>
        <translation>Lever-arm correction cannot run here: the aircraft offsets are their maker&apos;s. Open the dialog anyway?</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Project files (*.db)</source>
        <translation>Project files (*.db)</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Flights</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Cameras</source>
        <translation>&amp;Cameras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;About kvhost</source>
        <translation>&amp;About kvhost</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>Could not open %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Opened %1</translation>
    </message>
    <message>
        <source>Could not save %1</source>
        <translation>Could not save %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>Project closed</source>
        <translation>Project closed</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Save Project As</translation>
    </message>
    <message>
        <source>About kvhost</source>
        <translation>About kvhost</translation>
    </message>
    <message>
        <source>kvhost shows the kvui widget library at work: projects, cameras, the flight selector, message boxes and progress dialogs.</source>
        <translation>kvhost shows the kvui widget library at work: projects, cameras, the flight selector, message boxes and progress dialogs.</translation>
    </message>
    <message>
        <source>Camera web service: %1</source>
        <translation>Camera web service: %1</translation>
    </message>
    <message>
        <source>Flight %1 selected</source>
        <translation>Flight %1 selected</translation>
    </message>
    <message>
        <source>Flight %1 removed</source>
        <translation>Flight %1 removed</translation>
    </message>
    <message>
        <source>; flight %1 selected</source>
        <translation>; flight %1 selected</translation>
    </message>
    <message>
        <source>No project open</source>
        <translation>No project open</translation>
    </message>
    <message>
        <source>kvhost</source>
        <translation>kvhost</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Project: %1 · %2 images</source>
        <translation>Project: %1 · %2 images</translation>
    </message>
    <message>
        <source>%1 – kvhost</source>
        <translation>%1 – kvhost</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>The file is read-only.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>A folder of that name is in the way.</translation>
    </message>
    <message>
        <source>Its folder does not exist.</source>
        <translation>Its folder does not exist.</translation>
    </message>
    <message>
        <source>Its folder is read-only.</source>
        <translation>Its folder is read-only.</translation>
    </message>
    <message>
        <source>The disk may be full, or another program may be using the file.</source>
        <translation>The disk may be full, or another program may be using the file.</translation>
    </message>
    <message>
        <source>&amp;Demonstrations</source>
        <translation>&amp;Demonstrations</translation>
    </message>
</context>
<context>
    <name>ProcessingModule</name>
    <message>
        <source>&amp;Color Balance…</source>
        <translation>&amp;Color Balance…</translation>
    </message>
    <message>
        <source>&amp;Enhancement…</source>
        <translation>&amp;Enhancement…</translation>
    </message>
    <message>
        <source>&amp;Format…</source>
        <translation>&amp;Format…</translation>
    </message>
    <message>
        <source>&amp;Overviews…</source>
        <translation>&amp;Overviews…</translation>
    </message>
    <message>
        <source>Re&amp;sample…</source>
        <translation>Re&amp;sample…</translation>
    </message>
    <message>
        <source>Ro&amp;tation…</source>
        <translation>Ro&amp;tation…</translation>
    </message>
    <message>
        <source>&amp;Distortion…</source>
        <translation>&amp;Distortion…</translation>
    </message>
    <message>
        <source>&amp;Batch Process…</source>
        <translation>&amp;Batch Process…</translation>
    </message>
    <message>
        <source>Raw To &amp;Tif…</source>
        <translation>Raw To &amp;Tif…</translation>
    </message>
    <message>
        <source>Re&amp;name Files…</source>
        <translation>Re&amp;name Files…</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>Resample</translation>
    </message>
    <message>
        <source>This host does not yet run %1.</source>
        <translation>This host does not yet run %1.</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Steps: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Output: %1</translation>
    </message>
    <message>
        <source>Color Balance</source>
        <translation>Color Balance</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>Enhancement</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Overviews</source>
        <translation>Overviews</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>Distortion</translation>
    </message>
    <message>
        <source>Batch Process</source>
        <translation>Batch Process</translation>
    </message>
    <message>
        <source>Raw To Tif</source>
        <translation>Raw To Tif</translation>
    </message>
</context>
<context>
    <name>ProjectModule</name>
    <message>
        <source>Start &amp;Page…</source>
        <translation>Start &amp;Page…</translation>
    </message>
    <message>
        <source>Project from &amp;Photos…</source>
        <translation>Project from &amp;Photos…</translation>
    </message>
    <message>
        <source>&amp;New Project…</source>
        <translation>&amp;New Project…</translation>
    </message>
    <message>
        <source>Project &amp;Information…</source>
        <translation>Project &amp;Information…</translation>
    </message>
    <message>
        <source>&amp;Images and Positions…</source>
        <translation>&amp;Images and Positions…</translation>
    </message>
    <message>
        <source>Project &amp;Summary…</source>
        <translation>Project &amp;Summary…</translation>
    </message>
    <message>
        <source>&amp;Coordinate System…</source>
        <translation>&amp;Coordinate System…</translation>
    </message>
    <message>
        <source>&amp;Open Project…</source>
        <translation>&amp;Open Project…</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Save Project</translation>
    </message>
    <message>
        <source>Save Project &amp;As…</source>
        <translation>Save Project &amp;As…</translation>
    </message>
    <message>
        <source>&amp;Close Project</source>
        <translation>&amp;Close Project</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Project ▾</source>
        <translation>Project ▾</translation>
    </message>
    <message>
        <source>Project menu</source>
        <translation>Project menu</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Opened %1</translation>
    </message>
    <message>
        <source>Project wizard left; nothing was created</source>
        <translation>Project wizard left; nothing was created</translation>
    </message>
    <message>
        <source>Coordinate system: %1</source>
        <translation>Coordinate system: %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Main Menu</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>Default (English and Chinese)</source>
        <translation>Default (English and Chinese)</translation>
    </message>
    <message>
        <source>Language changed. Windows opened from now on use it; restart kvhost to see it in every menu.</source>
        <translation>Language changed. Windows opened from now on use it; restart kvhost to see it in every menu.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
</context>
<context>
    <name>SurveyModule</name>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
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
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Select By Rectangle</source>
        <translation>Select By Rectangle</translation>
    </message>
    <message>
        <source>Select By Polygon</source>
        <translation>Select By Polygon</translation>
    </message>
    <message>
        <source>Boundary Rectangle</source>
        <translation>Boundary Rectangle</translation>
    </message>
    <message>
        <source>Boundary Polygon</source>
        <translation>Boundary Polygon</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>No Map</source>
        <translation>No Map</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
</context>
<context>
    <name>kvhost</name>
    <message>
        <source>The positions cannot be transformed into the chosen coordinate system.</source>
        <translation>The positions cannot be transformed into the chosen coordinate system.</translation>
    </message>
    <message>
        <source>The position of %1 cannot be transformed.</source>
        <translation>The position of %1 cannot be transformed.</translation>
    </message>
    <message>
        <source>This host does not write %1 projects.</source>
        <translation>This host does not write %1 projects.</translation>
    </message>
    <message>
        <source>The project has no enabled image with a camera.</source>
        <translation>The project has no enabled image with a camera.</translation>
    </message>
    <message>
        <source>Choose an export folder.</source>
        <translation>Choose an export folder.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only: nothing was exported.</source>
        <translation>The folder %1 is read-only: nothing was exported.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>Undistorted images cannot be written yet: nothing was exported.</source>
        <translation>Undistorted images cannot be written yet: nothing was exported.</translation>
    </message>
    <message>
        <source>The image %1 could not be undistorted.</source>
        <translation>The image %1 could not be undistorted.</translation>
    </message>
    <message>
        <source>The camera file %1 could not be written.</source>
        <translation>The camera file %1 could not be written.</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>resolution</translation>
    </message>
    <message>
        <source>forward overlap</source>
        <translation>forward overlap</translation>
    </message>
    <message>
        <source>side overlap</source>
        <translation>side overlap</translation>
    </message>
    <message>
        <source>roll</source>
        <translation>roll</translation>
    </message>
    <message>
        <source>pitch</source>
        <translation>pitch</translation>
    </message>
    <message>
        <source>altitude 0</source>
        <translation>altitude 0</translation>
    </message>
    <message>
        <source>duplicate position</source>
        <translation>duplicate position</translation>
    </message>
    <message>
        <source>position jump</source>
        <translation>position jump</translation>
    </message>
    <message>
        <source>no footprint</source>
        <translation>no footprint</translation>
    </message>
    <message>
        <source>Quality Report</source>
        <translation>Quality Report</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Resolution (m)</source>
        <translation>Resolution (m)</translation>
    </message>
    <message>
        <source>Forward overlap (%)</source>
        <translation>Forward overlap (%)</translation>
    </message>
    <message>
        <source>Side overlap (%)</source>
        <translation>Side overlap (%)</translation>
    </message>
    <message>
        <source>Mean elevation (m)</source>
        <translation>Mean elevation (m)</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Images failing</source>
        <translation>Images failing</translation>
    </message>
    <message>
        <source>Footprints</source>
        <translation>Footprints</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Flight</source>
        <translation>Flight</translation>
    </message>
    <message>
        <source>GSD (m)</source>
        <translation>GSD (m)</translation>
    </message>
    <message>
        <source>Forward (%)</source>
        <translation>Forward (%)</translation>
    </message>
    <message>
        <source>Side (%)</source>
        <translation>Side (%)</translation>
    </message>
    <message>
        <source>Roll (°)</source>
        <translation>Roll (°)</translation>
    </message>
    <message>
        <source>Pitch (°)</source>
        <translation>Pitch (°)</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problems</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>The report could not be printed.</translation>
    </message>
    <message>
        <source>A quick mosaic needs a projected coordinate system, not longitude and latitude.</source>
        <translation>A quick mosaic needs a projected coordinate system, not longitude and latitude.</translation>
    </message>
    <message>
        <source>No image has a ground footprint: no mosaic was written.</source>
        <translation>No image has a ground footprint: no mosaic was written.</translation>
    </message>
    <message>
        <source>No image could be read: no mosaic was written.</source>
        <translation>No image could be read: no mosaic was written.</translation>
    </message>
    <message>
        <source>The mosaic %1 could not be written.</source>
        <translation>The mosaic %1 could not be written.</translation>
    </message>
    <message>
        <source>No enabled image has a position.</source>
        <translation>No enabled image has a position.</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>工程文件无法打开！</source>
        <translation>The project file cannot be opened!</translation>
    </message>
    <message>
        <source>工程文件保存失败！</source>
        <translation>The project file could not be saved!</translation>
    </message>
    <message>
        <source>是否将该相机保存到工程？</source>
        <translation>Save this camera to the project?</translation>
    </message>
    <message>
        <source>网络错误!</source>
        <translation>Network error!</translation>
    </message>
    <message>
        <source>数据不存在!</source>
        <translation>The data does not exist!</translation>
    </message>
    <message>
        <source>校验文件写入失败！</source>
        <translation>The checksum list could not be written!</translation>
    </message>
    <message>
        <source>影像数据已准备就绪。</source>
        <translation>The image data is ready.</translation>
    </message>
    <message>
        <source>是否继续处理？</source>
        <translation>Continue processing?</translation>
    </message>
    <message>
        <source>是否删除选中的影像？</source>
        <translation>Delete the selected images?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Demo host of the kvui widget library.</source>
        <translation>Demo host of the kvui widget library.</translation>
    </message>
    <message>
        <source>Render every dialog and panel to PNG files in DIR and exit.</source>
        <translation>Render every dialog and panel to PNG files in DIR and exit.</translation>
    </message>
    <message>
        <source>Show every text in LANGUAGE (en, zh_CN, or default: the texts as written) instead of the language chosen in Settings, without changing that choice.</source>
        <translation>Show every text in LANGUAGE (en, zh_CN, or default: the texts as written) instead of the language chosen in Settings, without changing that choice.</translation>
    </message>
    <message>
        <source>Project file to open.</source>
        <translation>Project file to open.</translation>
    </message>
    <message>
        <source>unknown language %1</source>
        <translation>unknown language %1</translation>
    </message>
</context>
</TS>
