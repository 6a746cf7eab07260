<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AlgoSettingsModule</name>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>&amp;Algorithm Setting…</source>
        <translation>&amp;Algorithm Setting…</translation>
    </message>
    <message>
        <source>&amp;Setting…</source>
        <translation>&amp;Setting…</translation>
    </message>
    <message>
        <source>&amp;BA Setting…</source>
        <translation>&amp;BA Setting…</translation>
    </message>
    <message>
        <source>Select &amp;Method…</source>
        <translation>Select &amp;Method…</translation>
    </message>
    <message>
        <source>CC &amp;XML Export…</source>
        <translation>CC &amp;XML Export…</translation>
    </message>
    <message>
        <source>&amp;Inpho Export…</source>
        <translation>&amp;Inpho Export…</translation>
    </message>
    <message>
        <source>&amp;DEM Check…</source>
        <translation>&amp;DEM Check…</translation>
    </message>
    <message>
        <source>Quality &amp;Report…</source>
        <translation>Quality &amp;Report…</translation>
    </message>
    <message>
        <source>Algorithm settings saved</source>
        <translation>Algorithm settings saved</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Settings saved</translation>
    </message>
    <message>
        <source>Bundle adjustment: calibration %1, PPK %2, GCP %3</source>
        <translation>Bundle adjustment: calibration %1, PPK %2, GCP %3</translation>
    </message>
    <message>
        <source>matching</source>
        <translation>matching</translation>
    </message>
    <message>
        <source>adjustment</source>
        <translation>adjustment</translation>
    </message>
    <message>
        <source>PPK/RTK</source>
        <translation>PPK/RTK</translation>
    </message>
    <message>
        <source>GCP</source>
        <translation>GCP</translation>
    </message>
    <message>
        <source>quick mosaic</source>
        <translation>quick mosaic</translation>
    </message>
    <message>
        <source>DSM</source>
        <translation>DSM</translation>
    </message>
    <message>
        <source>true ortho</source>
        <translation>true ortho</translation>
    </message>
    <message>
        <source>2.5D model</source>
        <translation>2.5D model</translation>
    </message>
    <message>
        <source>3D model</source>
        <translation>3D model</translation>
    </message>
    <message>
        <source>To run: %1</source>
        <translation>To run: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>Open Quality Report</source>
        <translation>Open Quality Report</translation>
    </message>
    <message>
        <source>Reports (*.html *.htm);;All files (*)</source>
        <translation>Reports (*.html *.htm);;All files (*)</translation>
    </message>
</context>
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
        <translation type="vanished">This host does not draw a rectangular output area yet.</translation>
    </message>
    <message>
        <source>This host does not draw a polygonal output area yet.</source>
        <translation type="vanished">This host does not draw a polygonal output area yet.</translation>
    </message>
    <message>
        <source>This host does not clear output areas yet.</source>
        <translation type="vanished">This host does not clear output areas yet.</translation>
    </message>
    <message>
        <source>This host does not reset the image positions for the one-key processing yet.</source>
        <translation>This host does not reset the image positions for the one-key processing yet.</translation>
    </message>
    <message>
        <source>This host does not export SSK projects yet.</source>
        <translation type="vanished">This host does not export SSK projects yet.</translation>
    </message>
    <message>
        <source>This host does not export Inpho projects yet.</source>
        <translation type="vanished">This host does not export Inpho projects yet.</translation>
    </message>
    <message>
        <source>This host does not export PatB projects yet.</source>
        <translation type="vanished">This host does not export PatB projects yet.</translation>
    </message>
    <message>
        <source>This host does not export the POS data of the one-key processing yet.</source>
        <translation type="vanished">This host does not export the POS data of the one-key processing yet.</translation>
    </message>
    <message>
        <source>This host does not export PhotoMod projects yet.</source>
        <translation type="vanished">This host does not export PhotoMod projects yet.</translation>
    </message>
    <message>
        <source>This host does not export Context Capture XML projects yet.</source>
        <translation type="vanished">This host does not export Context Capture XML projects yet.</translation>
    </message>
    <message>
        <source>This host does not run the quality assessment yet (scale %1, resolution %2 m, forward overlap %3 %, side overlap %4 %).</source>
        <translation type="vanished">This host does not run the quality assessment yet (scale %1, resolution %2 m, forward overlap %3 %, side overlap %4 %).</translation>
    </message>
    <message>
        <source>This host does not make quality assessment reports yet.</source>
        <translation type="vanished">This host does not make quality assessment reports yet.</translation>
    </message>
    <message>
        <source>This host does not reset the image positions for the quality assessment yet.</source>
        <translation>This host does not reset the image positions for the quality assessment yet.</translation>
    </message>
    <message>
        <source>This host does not export quality assessment reports yet.</source>
        <translation type="vanished">This host does not export quality assessment reports yet.</translation>
    </message>
    <message>
        <source>This host does not export the quick DOM yet.</source>
        <translation type="vanished">This host does not export the quick DOM yet.</translation>
    </message>
    <message>
        <source>This host does not export the POS data of the quality assessment yet.</source>
        <translation type="vanished">This host does not export the POS data of the quality assessment yet.</translation>
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
    <name>ButtonWords</name>
    <message>
        <source>Batch Processing</source>
        <translation>Batch Processing</translation>
    </message>
    <message>
        <source>Run several image tools in a chain</source>
        <translation>Run several image tools in a chain</translation>
    </message>
    <message>
        <source>Flight Calibration</source>
        <translation>Flight Calibration</translation>
    </message>
    <message>
        <source>Calibrate the camera of a flight</source>
        <translation>Calibrate the camera of a flight</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Image tools</source>
        <translation>Image tools</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>GPS tools</source>
        <translation>GPS tools</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilities</translation>
    </message>
    <message>
        <source>Format Change</source>
        <translation>Format Change</translation>
    </message>
    <message>
        <source>Write the images in another format</source>
        <translation>Write the images in another format</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>Resample</translation>
    </message>
    <message>
        <source>Reduce the images by a ratio</source>
        <translation>Reduce the images by a ratio</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Rotate the images</source>
        <translation>Rotate the images</translation>
    </message>
    <message>
        <source>Overviews</source>
        <translation>Overviews</translation>
    </message>
    <message>
        <source>Build the image overviews</source>
        <translation>Build the image overviews</translation>
    </message>
    <message>
        <source>Image Correction</source>
        <translation>Image Correction</translation>
    </message>
    <message>
        <source>Correct the images before processing</source>
        <translation>Correct the images before processing</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>Distortion</translation>
    </message>
    <message>
        <source>Remove the lens distortion</source>
        <translation>Remove the lens distortion</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>Enhancement</translation>
    </message>
    <message>
        <source>Enhance the images</source>
        <translation>Enhance the images</translation>
    </message>
    <message>
        <source>Color Balance</source>
        <translation>Color Balance</translation>
    </message>
    <message>
        <source>Balance the colours of the images</source>
        <translation>Balance the colours of the images</translation>
    </message>
    <message>
        <source>EXIF</source>
        <translation>EXIF</translation>
    </message>
    <message>
        <source>Write the positions into the EXIF data</source>
        <translation>Write the positions into the EXIF data</translation>
    </message>
    <message>
        <source>RT27 to RINEX</source>
        <translation>RT27 to RINEX</translation>
    </message>
    <message>
        <source>Convert a receiver RT27 file to RINEX</source>
        <translation>Convert a receiver RT27 file to RINEX</translation>
    </message>
    <message>
        <source>ATOM to RINEX</source>
        <translation>ATOM to RINEX</translation>
    </message>
    <message>
        <source>Convert a receiver ATOM file to RINEX</source>
        <translation>Convert a receiver ATOM file to RINEX</translation>
    </message>
    <message>
        <source>Event Marks</source>
        <translation>Event Marks</translation>
    </message>
    <message>
        <source>Add the event marks to a RINEX file</source>
        <translation>Add the event marks to a RINEX file</translation>
    </message>
    <message>
        <source>GPS Solution</source>
        <translation>GPS Solution</translation>
    </message>
    <message>
        <source>Solve the camera positions from GNSS data</source>
        <translation>Solve the camera positions from GNSS data</translation>
    </message>
    <message>
        <source>Flight from GPS</source>
        <translation>Flight from GPS</translation>
    </message>
    <message>
        <source>Add a flight from GPS data</source>
        <translation>Add a flight from GPS data</translation>
    </message>
    <message>
        <source>DEM Check</source>
        <translation>DEM Check</translation>
    </message>
    <message>
        <source>Check the ground heights against a DEM</source>
        <translation>Check the ground heights against a DEM</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Rename the image files</source>
        <translation>Rename the image files</translation>
    </message>
    <message>
        <source>Lever Arm</source>
        <translation>Lever Arm</translation>
    </message>
    <message>
        <source>Correct the positions for the lever arm</source>
        <translation>Correct the positions for the lever arm</translation>
    </message>
    <message>
        <source>RAW to TIFF</source>
        <translation>RAW to TIFF</translation>
    </message>
    <message>
        <source>Convert raw photos to TIFF</source>
        <translation>Convert raw photos to TIFF</translation>
    </message>
    <message>
        <source>Show the images as tiles</source>
        <translation>Show the images as tiles</translation>
    </message>
    <message>
        <source>Show the images at their GPS positions</source>
        <translation>Show the images at their GPS positions</translation>
    </message>
    <message>
        <source>Show the GPS points</source>
        <translation>Show the GPS points</translation>
    </message>
    <message>
        <source>Show the image footprints</source>
        <translation>Show the image footprints</translation>
    </message>
    <message>
        <source>Show the image names</source>
        <translation>Show the image names</translation>
    </message>
    <message>
        <source>Show the images</source>
        <translation>Show the images</translation>
    </message>
    <message>
        <source>Show the flight lines</source>
        <translation>Show the flight lines</translation>
    </message>
    <message>
        <source>Show the links between images</source>
        <translation>Show the links between images</translation>
    </message>
    <message>
        <source>Check the IMU angles against the limits</source>
        <translation>Check the IMU angles against the limits</translation>
    </message>
    <message>
        <source>Refresh the flights</source>
        <translation>Refresh the flights</translation>
    </message>
    <message>
        <source>Refresh the images</source>
        <translation>Refresh the images</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Flights</translation>
    </message>
    <message>
        <source>The images by flight</source>
        <translation>The images by flight</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>The images by use, enabled first</source>
        <translation>The images by use, enabled first</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>The images by visibility, visible first</source>
        <translation>The images by visibility, visible first</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choose the output folder</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
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
    <name>ColmapCalibration</name>
    <message>
        <source>The calibration program %1 was not found. Install the package &quot;colmap&quot;.</source>
        <translation>The calibration program %1 was not found. Install the package &quot;colmap&quot;.</translation>
    </message>
    <message>
        <source>A calibration needs 2 to %1 photos.</source>
        <translation>A calibration needs 2 to %1 photos.</translation>
    </message>
    <message>
        <source>The work folder %1 cannot be created.</source>
        <translation>The work folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>%1 is not a readable photo.</source>
        <translation>%1 is not a readable photo.</translation>
    </message>
    <message>
        <source>The photos of one calibration must all have the same size.</source>
        <translation>The photos of one calibration must all have the same size.</translation>
    </message>
    <message>
        <source>The work folder %1 cannot be written.</source>
        <translation>The work folder %1 cannot be written.</translation>
    </message>
    <message>
        <source>The calibration program %1 could not be started.</source>
        <translation>The calibration program %1 could not be started.</translation>
    </message>
    <message>
        <source>The calibration failed in %1: %2</source>
        <translation>The calibration failed in %1: %2</translation>
    </message>
    <message>
        <source>The photos do not overlap enough for a calibration.</source>
        <translation>The photos do not overlap enough for a calibration.</translation>
    </message>
    <message>
        <source>The calibrated camera cannot be read.</source>
        <translation>The calibrated camera cannot be read.</translation>
    </message>
</context>
<context>
    <name>ExifWriter</name>
    <message>
        <source>The photo could not be written.</source>
        <translation>The photo could not be written.</translation>
    </message>
    <message>
        <source>The file is not a JPEG photo.</source>
        <translation>The file is not a JPEG photo.</translation>
    </message>
    <message>
        <source>The photo&apos;s tags cannot be read or written: %1</source>
        <translation>The photo&apos;s tags cannot be read or written: %1</translation>
    </message>
    <message>
        <source>The photo&apos;s tags cannot be read or written.</source>
        <translation>The photo&apos;s tags cannot be read or written.</translation>
    </message>
    <message>
        <source>The output folder cannot be written.</source>
        <translation>The output folder cannot be written.</translation>
    </message>
    <message>
        <source>The photo cannot be read.</source>
        <translation>The photo cannot be read.</translation>
    </message>
    <message>
        <source>The photo could not be replaced.</source>
        <translation>The photo could not be replaced.</translation>
    </message>
    <message>
        <source>The POS file %1 cannot be read.</source>
        <translation>The POS file %1 cannot be read.</translation>
    </message>
    <message>
        <source>The POS file %1 does not hold longitudes and latitudes (line &quot;%2&quot;).</source>
        <translation>The POS file %1 does not hold longitudes and latitudes (line &quot;%2&quot;).</translation>
    </message>
    <message>
        <source>The POS file %1 holds no position.</source>
        <translation>The POS file %1 holds no position.</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be created.</source>
        <translation>The output folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>No photo matches a record of the POS file.</source>
        <translation>No photo matches a record of the POS file.</translation>
    </message>
    <message>
        <source>%1 photos written, %2 without a record, %3 read-only, %4 failed.</source>
        <translation>%1 photos written, %2 without a record, %3 read-only, %4 failed.</translation>
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
    <name>GnssModule</name>
    <message>
        <source>Import G&amp;PS…</source>
        <translation>Import G&amp;PS…</translation>
    </message>
    <message>
        <source>E&amp;xport POS…</source>
        <translation>E&amp;xport POS…</translation>
    </message>
    <message>
        <source>&amp;Write EXIF…</source>
        <translation>&amp;Write EXIF…</translation>
    </message>
    <message>
        <source>C&amp;alibration…</source>
        <translation>C&amp;alibration…</translation>
    </message>
    <message>
        <source>&amp;Image Correction…</source>
        <translation>&amp;Image Correction…</translation>
    </message>
    <message>
        <source>The calibrated camera is the project&apos;s camera.</source>
        <translation>The calibrated camera is the project&apos;s camera.</translation>
    </message>
    <message>
        <source>%1 does not run in this host yet.</source>
        <translation type="vanished">%1 does not run in this host yet.</translation>
    </message>
    <message>
        <source>GNSS post-processing of %1 into %2</source>
        <translation type="vanished">GNSS post-processing of %1 into %2</translation>
    </message>
    <message>
        <source>The POS export to %1</source>
        <translation type="vanished">The POS export to %1</translation>
    </message>
    <message>
        <source>Writing the positions of %1 into the photos of %2 folders</source>
        <translation type="vanished">Writing the positions of %1 into the photos of %2 folders</translation>
    </message>
    <message>
        <source>Camera calibration</source>
        <translation type="vanished">Camera calibration</translation>
    </message>
    <message>
        <source>The image correction of %1 into %2</source>
        <translation type="vanished">The image correction of %1 into %2</translation>
    </message>
    <message>
        <source>GNSS post-processing cancelled.</source>
        <translation>GNSS post-processing cancelled.</translation>
    </message>
    <message>
        <source>The solution is in %1.
%2 epochs, %3 of them fixed (fix ratio %4 %).
Mean position: longitude %5°, latitude %6°, height %7 m.</source>
        <translation>The solution is in %1.
%2 epochs, %3 of them fixed (fix ratio %4 %).
Mean position: longitude %5°, latitude %6°, height %7 m.</translation>
    </message>
    <message>
        <source>%1 image positions written to %2.</source>
        <translation>%1 image positions written to %2.</translation>
    </message>
    <message>
        <source>The POS file was not written: %1</source>
        <translation>The POS file was not written: %1</translation>
    </message>
    <message>
        <source>EXIF writing cancelled after %1 photos.</source>
        <translation>EXIF writing cancelled after %1 photos.</translation>
    </message>
    <message>
        <source>%1 photos written, %2 without a record, %3 failed.</source>
        <translation>%1 photos written, %2 without a record, %3 failed.</translation>
    </message>
    <message>
        <source>no record in the POS file</source>
        <translation>no record in the POS file</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>read-only</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>cannot be written</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… and %1 more.</translation>
    </message>
    <message>
        <source>%1 records of the POS file name no photo.</source>
        <translation>%1 records of the POS file name no photo.</translation>
    </message>
    <message>
        <source>Calibration cancelled.</source>
        <translation>Calibration cancelled.</translation>
    </message>
    <message>
        <source>Calibrated on %1 photos (model %2): %3 × %4 pixels, focal length %5 pixels, principal point %6, %7.</source>
        <translation>Calibrated on %1 photos (model %2): %3 × %4 pixels, focal length %5 pixels, principal point %6, %7.</translation>
    </message>
    <message>
        <source>%1 holds no photos.</source>
        <translation>%1 holds no photos.</translation>
    </message>
</context>
<context>
    <name>GnssRun</name>
    <message>
        <source>Cannot open the observation file %1.</source>
        <translation>Cannot open the observation file %1.</translation>
    </message>
    <message>
        <source>%1 is not a RINEX observation file.</source>
        <translation>%1 is not a RINEX observation file.</translation>
    </message>
    <message>
        <source>The header of %1 is incomplete.</source>
        <translation>The header of %1 is incomplete.</translation>
    </message>
    <message>
        <source>%1 holds no observations.</source>
        <translation>%1 holds no observations.</translation>
    </message>
    <message>
        <source>The GNSS solver %1 was not found. Install the package &quot;rtklib&quot;.</source>
        <translation>The GNSS solver %1 was not found. Install the package &quot;rtklib&quot;.</translation>
    </message>
    <message>
        <source>The header of the base file %1 holds no position.</source>
        <translation>The header of the base file %1 holds no position.</translation>
    </message>
    <message>
        <source>No navigation file was found beside %1.</source>
        <translation>No navigation file was found beside %1.</translation>
    </message>
    <message>
        <source>The result folder %1 cannot be created.</source>
        <translation>The result folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>The result folder %1 cannot be written.</source>
        <translation>The result folder %1 cannot be written.</translation>
    </message>
    <message>
        <source>The GNSS solver %1 could not be started.</source>
        <translation>The GNSS solver %1 could not be started.</translation>
    </message>
    <message>
        <source>The GNSS solver failed: %1</source>
        <translation>The GNSS solver failed: %1</translation>
    </message>
    <message>
        <source>The GNSS solver found no solution. Check the observation and navigation files and the chosen satellite systems.</source>
        <translation>The GNSS solver found no solution. Check the observation and navigation files and the chosen satellite systems.</translation>
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
    <name>ImageWork</name>
    <message>
        <source>No destination folder was given.</source>
        <translation>No destination folder was given.</translation>
    </message>
    <message>
        <source>The destination folder is the folder of the source images or lies inside it; choose another folder, so that no source is overwritten.</source>
        <translation>The destination folder is the folder of the source images or lies inside it; choose another folder, so that no source is overwritten.</translation>
    </message>
    <message>
        <source>Not processed: the job was cancelled.</source>
        <translation>Not processed: the job was cancelled.</translation>
    </message>
    <message>
        <source>Another image of the job has the same name; it was not written twice.</source>
        <translation>Another image of the job has the same name; it was not written twice.</translation>
    </message>
    <message>
        <source>The finished output could not be moved into place.</source>
        <translation>The finished output could not be moved into place.</translation>
    </message>
    <message>
        <source>The file is not an image that can be read.</source>
        <translation>The file is not an image that can be read.</translation>
    </message>
    <message>
        <source>The folder of the image cannot be written.</source>
        <translation>The folder of the image cannot be written.</translation>
    </message>
    <message>
        <source>The job was cancelled: %1 of %2 images were processed.</source>
        <translation>The job was cancelled: %1 of %2 images were processed.</translation>
    </message>
    <message>
        <source>%1 of %2 images were processed.</source>
        <translation>%1 of %2 images were processed.</translation>
    </message>
    <message>
        <source>...and more.</source>
        <translation>...and more.</translation>
    </message>
    <message>
        <source>No images were given.</source>
        <translation>No images were given.</translation>
    </message>
    <message>
        <source>The distortion camera has no image size or pixel size; fill in the camera parameters first.</source>
        <translation>The distortion camera has no image size or pixel size; fill in the camera parameters first.</translation>
    </message>
    <message>
        <source>The resample rate must lie between 0 and 1.</source>
        <translation>The resample rate must lie between 0 and 1.</translation>
    </message>
    <message>
        <source>The output format is not one of BMP, JPEG, PNG and GTiff.</source>
        <translation>The output format is not one of BMP, JPEG, PNG and GTiff.</translation>
    </message>
    <message>
        <source>No raw files were found.</source>
        <translation>No raw files were found.</translation>
    </message>
    <message>
        <source>No record of the POS file names one of the raw files, or none holds a longitude and latitude.</source>
        <translation>No record of the POS file names one of the raw files, or none holds a longitude and latitude.</translation>
    </message>
    <message>
        <source>No POS record names this file; it has no GPS position from the POS file.</source>
        <translation>No POS record names this file; it has no GPS position from the POS file.</translation>
    </message>
    <message>
        <source>The image holds values of a kind other than 8 or 16 bits per channel.</source>
        <translation>The image holds values of a kind other than 8 or 16 bits per channel.</translation>
    </message>
    <message>
        <source>The image is too large to process.</source>
        <translation>The image is too large to process.</translation>
    </message>
    <message>
        <source>The image could not be read to its end.</source>
        <translation>The image could not be read to its end.</translation>
    </message>
    <message>
        <source>No writer for the chosen format.</source>
        <translation>No writer for the chosen format.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>The image could not be written.</source>
        <translation>The image could not be written.</translation>
    </message>
    <message>
        <source>The image could not be opened for overviews.</source>
        <translation>The image could not be opened for overviews.</translation>
    </message>
    <message>
        <source>The overviews could not be written.</source>
        <translation>The overviews could not be written.</translation>
    </message>
    <message>
        <source>The output could not be opened to copy the tags.</source>
        <translation>The output could not be opened to copy the tags.</translation>
    </message>
    <message>
        <source>The output format holds no photo tags; they were not copied.</source>
        <translation>The output format holds no photo tags; they were not copied.</translation>
    </message>
    <message>
        <source>The photo tags could not be copied: %1</source>
        <translation>The photo tags could not be copied: %1</translation>
    </message>
    <message>
        <source>The file is not a camera raw file.</source>
        <translation>The file is not a camera raw file.</translation>
    </message>
    <message>
        <source>The raw file could not be developed: %1</source>
        <translation>The raw file could not be developed: %1</translation>
    </message>
    <message>
        <source>The POS file cannot be read.</source>
        <translation>The POS file cannot be read.</translation>
    </message>
    <message>
        <source>The camera has no focal length or pixel size.</source>
        <translation>The camera has no focal length or pixel size.</translation>
    </message>
    <message>
        <source>The image&apos;s shape is not the camera&apos;s (%1 x %2).</source>
        <translation>The image&apos;s shape is not the camera&apos;s (%1 x %2).</translation>
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
    <name>PosExport</name>
    <message>
        <source>No POS file was chosen.</source>
        <translation>No POS file was chosen.</translation>
    </message>
    <message>
        <source>The project&apos;s coordinate system cannot be converted to longitude and latitude.</source>
        <translation>The project&apos;s coordinate system cannot be converted to longitude and latitude.</translation>
    </message>
    <message>
        <source>The image name &quot;%1&quot; holds a separator of POS files.</source>
        <translation>The image name &quot;%1&quot; holds a separator of POS files.</translation>
    </message>
    <message>
        <source>The position of %1 cannot be converted to longitude and latitude.</source>
        <translation>The position of %1 cannot be converted to longitude and latitude.</translation>
    </message>
    <message>
        <source>The POS file %1 cannot be written.</source>
        <translation>The POS file %1 cannot be written.</translation>
    </message>
</context>
<context>
    <name>ProcessingAdapter</name>
    <message>
        <source>The rotation %1 is none of 90°, 180° and 270°.</source>
        <translation>The rotation %1 is none of 90°, 180° and 270°.</translation>
    </message>
    <message>
        <source>The processing step %1 is not known to this host.</source>
        <translation>The processing step %1 is not known to this host.</translation>
    </message>
    <message>
        <source>Open a project first.</source>
        <translation>Open a project first.</translation>
    </message>
    <message>
        <source>The chain has no steps; add at least one.</source>
        <translation>The chain has no steps; add at least one.</translation>
    </message>
    <message>
        <source>A step of the chain is empty.</source>
        <translation>A step of the chain is empty.</translation>
    </message>
    <message>
        <source>The project has no images.</source>
        <translation>The project has no images.</translation>
    </message>
    <message>
        <source>No image is selected.</source>
        <translation>No image is selected.</translation>
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
        <translation type="vanished">This host does not yet run %1.</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation type="vanished">Steps: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation type="vanished">Output: %1</translation>
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
    <message>
        <source>%1 was not started: %2</source>
        <translation>%1 was not started: %2</translation>
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
        <translation type="vanished">Language changed. Windows opened from now on use it; restart kvhost to see it in every menu.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Language changed. The menus follow at once and windows opened from now on use it; restart kvhost to see it in the bars already shown.</source>
        <translation>Language changed. The menus follow at once and windows opened from now on use it; restart kvhost to see it in the bars already shown.</translation>
    </message>
</context>
<context>
    <name>SurveyModule</name>
    <message>
        <source>Pan</source>
        <translation type="vanished">Pan</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="vanished">Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="vanished">Zoom Out</translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="vanished">Select</translation>
    </message>
    <message>
        <source>Select By Rectangle</source>
        <translation type="vanished">Select By Rectangle</translation>
    </message>
    <message>
        <source>Select By Polygon</source>
        <translation type="vanished">Select By Polygon</translation>
    </message>
    <message>
        <source>Boundary Rectangle</source>
        <translation type="vanished">Boundary Rectangle</translation>
    </message>
    <message>
        <source>Boundary Polygon</source>
        <translation type="vanished">Boundary Polygon</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="vanished">Fit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">Delete</translation>
    </message>
    <message>
        <source>No Map</source>
        <translation type="vanished">No Map</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="vanished">Satellite</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>AMap Hybrid</source>
        <translation type="vanished">AMap Hybrid</translation>
    </message>
    <message>
        <source>AMap Sat</source>
        <translation type="vanished">AMap Sat</translation>
    </message>
    <message>
        <source>Google Hybrid</source>
        <translation type="vanished">Google Hybrid</translation>
    </message>
    <message>
        <source>Google Sat</source>
        <translation type="vanished">Google Sat</translation>
    </message>
</context>
<context>
    <name>SurveyView</name>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>WorkspaceGlue</name>
    <message>
        <source>Drag the output rectangle on the map.</source>
        <translation>Drag the output rectangle on the map.</translation>
    </message>
    <message>
        <source>Click the corners of the output area on the map; double-click the last one.</source>
        <translation>Click the corners of the output area on the map; double-click the last one.</translation>
    </message>
    <message>
        <source>The output area was cleared.</source>
        <translation>The output area was cleared.</translation>
    </message>
    <message>
        <source>The output area has %1 corners.</source>
        <translation>The output area has %1 corners.</translation>
    </message>
</context>
<context>
    <name>WorkspaceModule</name>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Image Processing</source>
        <translation>Image Processing</translation>
    </message>
    <message>
        <source>Flight calibration</source>
        <translation>Flight calibration</translation>
    </message>
    <message>
        <source>Batch processing</source>
        <translation>Batch processing</translation>
    </message>
    <message>
        <source>Format change</source>
        <translation>Format change</translation>
    </message>
    <message>
        <source>Resampling</source>
        <translation>Resampling</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Overviews</source>
        <translation>Overviews</translation>
    </message>
    <message>
        <source>Image correction</source>
        <translation>Image correction</translation>
    </message>
    <message>
        <source>Distortion correction</source>
        <translation>Distortion correction</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>Enhancement</translation>
    </message>
    <message>
        <source>Colour balance</source>
        <translation>Colour balance</translation>
    </message>
    <message>
        <source>EXIF writing</source>
        <translation>EXIF writing</translation>
    </message>
    <message>
        <source>GPS solution</source>
        <translation>GPS solution</translation>
    </message>
    <message>
        <source>Flight from GPS</source>
        <translation>Flight from GPS</translation>
    </message>
    <message>
        <source>RT27 format change</source>
        <translation>RT27 format change</translation>
    </message>
    <message>
        <source>ATOM conversion</source>
        <translation>ATOM conversion</translation>
    </message>
    <message>
        <source>RINEX event marks</source>
        <translation>RINEX event marks</translation>
    </message>
    <message>
        <source>DEM check</source>
        <translation>DEM check</translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation>Renaming</translation>
    </message>
    <message>
        <source>Lever-arm correction</source>
        <translation>Lever-arm correction</translation>
    </message>
    <message>
        <source>Raw to TIFF</source>
        <translation>Raw to TIFF</translation>
    </message>
    <message>
        <source>Tile view chosen</source>
        <translation>Tile view chosen</translation>
    </message>
    <message>
        <source>Geographic view chosen</source>
        <translation>Geographic view chosen</translation>
    </message>
    <message>
        <source>%1: kvhost does not run this tool yet.</source>
        <translation>%1: kvhost does not run this tool yet.</translation>
    </message>
    <message>
        <source>Select the images to put into Flight%1 first.</source>
        <translation>Select the images to put into Flight%1 first.</translation>
    </message>
    <message>
        <source>Flight%1 now holds the %2 selected images.</source>
        <translation>Flight%1 now holds the %2 selected images.</translation>
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
    <name>kvhost::ExportGlue</name>
    <message>
        <source>Context Capture XML export</source>
        <translation>Context Capture XML export</translation>
    </message>
    <message>
        <source>Inpho export</source>
        <translation>Inpho export</translation>
    </message>
    <message>
        <source>SSK export</source>
        <translation>SSK export</translation>
    </message>
    <message>
        <source>PhotoMod export</source>
        <translation>PhotoMod export</translation>
    </message>
    <message>
        <source>PatB export</source>
        <translation>PatB export</translation>
    </message>
    <message>
        <source>POS export</source>
        <translation>POS export</translation>
    </message>
    <message>
        <source>Quality report</source>
        <translation>Quality report</translation>
    </message>
    <message>
        <source>Quality assessment: %1 of %2 images fail</source>
        <translation>Quality assessment: %1 of %2 images fail</translation>
    </message>
    <message>
        <source>Run the quality assessment first.</source>
        <translation>Run the quality assessment first.</translation>
    </message>
    <message>
        <source>Quality assessment</source>
        <translation>Quality assessment</translation>
    </message>
    <message>
        <source>Export Folder</source>
        <translation>Export Folder</translation>
    </message>
    <message>
        <source>QA POS export</source>
        <translation>QA POS export</translation>
    </message>
    <message>
        <source>Quick DOM export</source>
        <translation>Quick DOM export</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 failed: %2</translation>
    </message>
    <message>
        <source>%1: %2 file(s) written.</source>
        <translation>%1: %2 file(s) written.</translation>
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
    <message>
        <source>相机检校中……</source>
        <translation>Calibrating the camera…</translation>
    </message>
    <message>
        <source>EXIF写入中……</source>
        <translation>Writing EXIF tags…</translation>
    </message>
    <message>
        <source>GNSS解算中……</source>
        <translation>Solving GNSS positions…</translation>
    </message>
    <message>
        <source>图像处理中……</source>
        <translation>Processing images...</translation>
    </message>
    <message>
        <source>处理参数保存失败！</source>
        <translation>The processing settings could not be saved!</translation>
    </message>
    <message>
        <source>导出将在后续步骤中执行。</source>
        <translation type="vanished">The export will run in a later step.</translation>
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
