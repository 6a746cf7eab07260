#pragma once

#include "framework/titlewidget.h"
#include "framework/transparentdialog.h"
#include "kvui_export.h"

#include <utility>

// The assembly every dialog of the library shares: a TransparentDialog with a
// vertical layout holding a TitleWidget (no minimise, maximise or save button),
// and one content widget inside the frame. A dialog with one kind of content
// derives from kvui::ContentDialog below; one that picks its content (the
// message box) sets its title with its own tr() and creates the content with
// SetContent.
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

namespace kvui {

// A frame dialog around one content widget of type W (a BaseWidget taking its
// parent first). A concrete dialog is then its title, its content type and the
// forwarders to the content that its callers use:
//
//     class KVUI_EXPORT CameraDialog : public kvui::ContentDialog<CameraWidget>
//     {
//         Q_OBJECT
//     public:
//         explicit CameraDialog(QWidget* parent = nullptr)
//             : ContentDialog(tr("Camera Setting"), parent) { }
//         kvfd::CameraInfo GetCamera() const { return Content()->GetCamera(); }
//     };
//
// The title is passed in so that it is translated in the concrete dialog's own
// context. Further constructor arguments go to W after its parent.
template <class W> class ContentDialog : public FrameDialog
{
public:
    W* Content() const { return m_content; }

protected:
    template <class... Args>
    ContentDialog(const QString& title, QWidget* parent, Args&&... args)
        : FrameDialog(parent)
        , m_content(SetContent<W>(std::forward<Args>(args)...))
    {
        SetTitle(title);
    }

private:
    W* m_content;
};

} // namespace kvui
