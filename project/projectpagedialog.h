#pragma once

#include "framework/framedialog.h"
#include "framework/kvshared.h"

#include <QDialog>

namespace kvprj {
class KvProject;
}

namespace kvui {

// A page of the project wizard in its frame: a content dialog whose content W
// says with Result() where the wizard goes once the dialog is done. The
// concrete dialog adds SetProject, which hands the project to its content.
template <class W> class ProjectPageDialog : public ContentDialog<W>
{
public:
    WResut Result() const { return this->Content()->Result(); }
    W* Widget() const { return this->Content(); }

protected:
    using ContentDialog<W>::ContentDialog;
};

// Runs the page Dialog modally on project: the page's result when it was
// accepted, WR_CANCEL when it was closed any other way.
template <class Dialog> WResut RunProjectPage(kvprj::KvProject& project)
{
    Dialog dialog;
    dialog.SetProject(&project);
    return dialog.exec() == QDialog::Accepted ? dialog.Result() : WR_CANCEL;
}

} // namespace kvui
