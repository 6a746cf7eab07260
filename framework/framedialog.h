#pragma once

#include "framework/titlewidget.h"
#include "framework/transparentdialog.h"
#include "kvui_export.h"

#include <utility>

// The assembly every dialog of the library shares: a TransparentDialog with a
// vertical layout holding a TitleWidget (no minimise, maximise or save button),
// and one content widget inside the frame. A concrete dialog sets its title
// with its own tr() and creates its content with SetContent:
//
//     ImageDialog::ImageDialog(QWidget* parent) : FrameDialog(parent)
//     {
//         SetTitle(tr("Load Images"));
//         m_widget = SetContent<ImageLoadWidget>();
//     }
class KVUI_EXPORT FrameDialog : public TransparentDialog
{
    Q_OBJECT

public:
    explicit FrameDialog(QWidget* parent = nullptr);

    TitleWidget* Frame() const { return m_frame; }

protected:
    void SetTitle(const QString& title) { m_frame->SetTitle(title); }

    // Creates W(frame, args...), hands it this dialog and adds it below the
    // title bar.
    template <class W, class... Args> W* SetContent(Args&&... args)
    {
        auto* widget = new W(m_frame, std::forward<Args>(args)...);
        widget->SetDialog(this);
        m_frame->AddWidget(widget);
        return widget;
    }

private:
    TitleWidget* m_frame;
};
