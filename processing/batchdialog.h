#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvfd/transient.h"
#include "kvui_export.h"
#include "processing/algoparameter.h"

#include <QString>
#include <vector>

class DistortionParameterWidget;
class ParameterWidgetInterface;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QStackedWidget;

// Content of the "Batch Process" dialog: an ordered chain of pre-processing
// steps, each a record made by one of the seven parameter pages at the moment
// it was added, all on the same images (the scope is locked while the chain
// holds a step), and the output folder. OK without an output folder is
// ignored; the chain may be empty.
class KVUI_EXPORT BatchWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit BatchWidget(QWidget* parent = nullptr);
    ~BatchWidget() override;

    void SetAll(bool all);
    // Replaces out by the chain; the records are shared, not copied.
    void GetBatchAlgoParameters(std::vector<kvfd::KvPtr<AlgoParameter>>& out) const;
    QString GetPath() const;

public Q_SLOTS:
    // Appends the record of the page shown to the chain.
    void AddAlgo();
    // Shows the page of a method row; refreshes the distortion page's camera
    // from the open project's first camera.
    void SelectAlgo(int row);
    void Clear();
    void Remove();
    void MoveUp();
    void MoveDown();
    void ClickOK();
    void ClickCancel();
    void OpenFolder();

private:
    void SwapChain(int a, int b);
    void MoveChainRow(int from, int to);
    void SetScopeEnabled(bool on);

    QLineEdit* m_output = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_selected = nullptr;
    QListWidget* m_methods = nullptr;
    QStackedWidget* m_parameters = nullptr;
    QListWidget* m_chainList = nullptr;
    DistortionParameterWidget* m_distortion = nullptr;

    std::vector<QString> m_names;
    std::vector<ParameterWidgetInterface*> m_pages;
    ParameterWidgetInterface* m_current = nullptr;
    std::vector<kvfd::KvPtr<AlgoParameter>> m_chain;
};

class KVUI_EXPORT BatchDialog : public kvui::ContentDialog<BatchWidget>
{
    Q_OBJECT

public:
    explicit BatchDialog(QWidget* parent = nullptr);

    void SetAll(bool all) { Content()->SetAll(all); }
    void GetBatchAlgoParameters(std::vector<kvfd::KvPtr<AlgoParameter>>& out) const
    {
        Content()->GetBatchAlgoParameters(out);
    }
    QString GetPath() const { return Content()->GetPath(); }
};
