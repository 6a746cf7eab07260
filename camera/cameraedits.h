#pragma once

#include "kvfd/camerainfo.h"

class QLineEdit;

// The line edits that show one camera record, shared by the camera setting form
// and the calibration camera editor. The focal length is typed in pixels and
// held in millimetres.
struct CameraEdits
{
    QLineEdit* name = nullptr;
    QLineEdit* focal = nullptr;
    QLineEdit* width = nullptr;
    QLineEdit* height = nullptr;
    QLineEdit* ccdWidth = nullptr;
    QLineEdit* ccdHeight = nullptr;
    QLineEdit* x0 = nullptr;
    QLineEdit* y0 = nullptr;
    QLineEdit* k1 = nullptr;
    QLineEdit* k2 = nullptr;
    QLineEdit* k3 = nullptr;
    QLineEdit* k4 = nullptr;
    QLineEdit* p1 = nullptr;
    QLineEdit* p2 = nullptr;
    QLineEdit* alpha = nullptr;
    QLineEdit* beta = nullptr;

    // The record typed into the edits: name, sizes, focal length, principal
    // point and coefficients; pixel sizes follow from sensor and image size.
    // Text that is not a number, or does not fit, counts as 0. Every other
    // field keeps its default.
    kvfd::CameraInfo Read() const;
    // Lets the numeric edits take only numbers as they are typed: positive
    // image size, sensor size and focal length, any principal point and any
    // coefficient (written as 1.5e-05 as well). Text put in by SetCamera, the
    // default record's -1 included, is shown as it is.
    void AcceptNumbers() const;
    // Shows a record: sizes, focal length (in pixels) and principal point with
    // six digits in sizeFormat ('f' fixed, 'g' general), coefficients 'g' 10.
    void Show(const kvfd::CameraInfo& camera, char sizeFormat) const;
};

// The number typed into an edit; 0 when the text is not a number or does not fit.
int EditInt(const QLineEdit* edit);
double EditDouble(const QLineEdit* edit);
