#pragma once

#include "framework/basewidget.h"
#include "framework/formrows.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <string>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

// The single-tool dialogs: one algorithm run by itself on all or the selected
// images, written to a destination folder (overviews have none: they are made
// beside the images). Callers build the dialog, may call SetAll, run it with
// exec() and read the getters once it was accepted; the host runs the
// algorithm. OK without a destination is ignored.

// What the six forms share: "Process: " and the algorithm, "Images: " All or
// Selected, the algorithm's own row if any, "Destination" and OK/Cancel.
// Children are named after the form's prefix: "<prefix>all_btn_",
// "<prefix>selected_btn_", "<prefix>output_", "<prefix>open_btn_",
// "<prefix>ok_btn_", "<prefix>cancel_btn_".
class KVUI_EXPORT ToolWidget : public BaseWidget
{
    Q_OBJECT

public:
    void SetAll(bool all) { m_scope.SetAll(all); }
    bool IsSelected() const { return m_scope.IsSelected(); }
    // The destination in the local narrow encoding; empty for overviews.
    std::string GetPath() const;

public Q_SLOTS:
    void ClickOK();
    void ClickCancel();

protected:
    ToolWidget(QWidget* parent, const char* prefix, QSize size, const QString& name);

    // The algorithm's combo box on the row under the images.
    QComboBox* AddChoice(const QString& label, const char* name, const QStringList& items);
    // Ends the form; with a destination label, the destination row too.
    void FinishForm(const QString& destination, const QString& ok, const QString& cancel);
    // What each form's browse slot does.
    void ChooseDestination();

    QPushButton* m_open = nullptr;

private:
    QByteArray Name(const char* suffix) const;

    QByteArray m_prefix;
    QGridLayout* m_grid = nullptr;
    kvui::AllSelectedPair m_scope;
    QLineEdit* m_output = nullptr;
};

class KVUI_EXPORT ColorWidget : public ToolWidget
{
    Q_OBJECT

public:
    explicit ColorWidget(QWidget* parent = nullptr);

public Q_SLOTS:
    void Open();
};

class KVUI_EXPORT EnhancementWidget : public ToolWidget
{
    Q_OBJECT

public:
    explicit EnhancementWidget(QWidget* parent = nullptr);

public Q_SLOTS:
    void OpenFolder();
};

class KVUI_EXPORT FormatWidget : public ToolWidget
{
    Q_OBJECT

public:
    explicit FormatWidget(QWidget* parent = nullptr);
    std::string GetFormat() const;

public Q_SLOTS:
    void ClickOpen();

private:
    QComboBox* m_format = nullptr;
};

// Without a destination: OK always accepts.
class KVUI_EXPORT PyramidWidget : public ToolWidget
{
    Q_OBJECT

public:
    explicit PyramidWidget(QWidget* parent = nullptr);
};

class KVUI_EXPORT ResampleWidget : public ToolWidget
{
    Q_OBJECT

public:
    explicit ResampleWidget(QWidget* parent = nullptr);
    // 1/2, 1/3, 1/4, 1/5, 1/8, 1/10, 1/16 or 1/20.
    double GetRate() const;

public Q_SLOTS:
    void ClickOpen();

private:
    QComboBox* m_rate = nullptr;
};

class KVUI_EXPORT RotateWidget : public ToolWidget
{
    Q_OBJECT

public:
    explicit RotateWidget(QWidget* parent = nullptr);
    // 1 = 90°, 2 = 180°, 3 = 270°.
    int GetType() const;

public Q_SLOTS:
    void ClickOpen();

private:
    QComboBox* m_angle = nullptr;
};

// The dialogs around them; the getters are the content's.
template <class W> class ToolDialog : public kvui::ContentDialog<W>
{
public:
    void SetAll(bool all) { this->Content()->SetAll(all); }
    bool IsSelected() const { return this->Content()->IsSelected(); }

protected:
    ToolDialog(const QString& title, QWidget* parent)
        : kvui::ContentDialog<W>(title, parent)
    { }
};

class KVUI_EXPORT ColorDialog : public ToolDialog<ColorWidget>
{
    Q_OBJECT

public:
    explicit ColorDialog(QWidget* parent = nullptr);
    std::string GetPath() const { return Content()->GetPath(); }
};

class KVUI_EXPORT EnhancementDialog : public ToolDialog<EnhancementWidget>
{
    Q_OBJECT

public:
    explicit EnhancementDialog(QWidget* parent = nullptr);
    std::string GetPath() const { return Content()->GetPath(); }
};

class KVUI_EXPORT FormatDialog : public ToolDialog<FormatWidget>
{
    Q_OBJECT

public:
    explicit FormatDialog(QWidget* parent = nullptr);
    std::string GetPath() const { return Content()->GetPath(); }
    std::string GetFormat() const { return Content()->GetFormat(); }
};

class KVUI_EXPORT PyramidDialog : public ToolDialog<PyramidWidget>
{
    Q_OBJECT

public:
    explicit PyramidDialog(QWidget* parent = nullptr);
};

class KVUI_EXPORT ResampleDialog : public ToolDialog<ResampleWidget>
{
    Q_OBJECT

public:
    explicit ResampleDialog(QWidget* parent = nullptr);
    std::string GetPath() const { return Content()->GetPath(); }
    double GetRate() const { return Content()->GetRate(); }
};

class KVUI_EXPORT RotateDialog : public ToolDialog<RotateWidget>
{
    Q_OBJECT

public:
    explicit RotateDialog(QWidget* parent = nullptr);
    std::string GetPath() const { return Content()->GetPath(); }
    int GetType() const { return Content()->GetType(); }
};
