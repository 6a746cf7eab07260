#pragma once

#include "kvui_export.h"
#include "processing/parameterwidgetinterface.h"

#include <QWidget>

class QComboBox;

// The batch chain's pages of six algorithms (the distortion page is
// DistortionParameterWidget). Each shows "Process: " and its algorithm's name
// and, where the algorithm has a value, one combo box; GetParameter makes a
// new record of the page's subtype from it.

class KVUI_EXPORT ColorParameterWidget : public QWidget, public ParameterWidgetInterface
{
    Q_OBJECT

public:
    explicit ColorParameterWidget(QWidget* parent = nullptr);
    kvfd::KvPtr<AlgoParameter> GetParameter() override;
};

class KVUI_EXPORT EnhancementParameterWidget : public QWidget, public ParameterWidgetInterface
{
    Q_OBJECT

public:
    explicit EnhancementParameterWidget(QWidget* parent = nullptr);
    kvfd::KvPtr<AlgoParameter> GetParameter() override;
};

// "Format:" BMP, JPEG, PNG or GTiff; the record's format is the item's text.
class KVUI_EXPORT FormatParameterWidget : public QWidget, public ParameterWidgetInterface
{
    Q_OBJECT

public:
    explicit FormatParameterWidget(QWidget* parent = nullptr);
    kvfd::KvPtr<AlgoParameter> GetParameter() override;

private:
    QComboBox* m_format = nullptr;
};

class KVUI_EXPORT PyramidParameterWidget : public QWidget, public ParameterWidgetInterface
{
    Q_OBJECT

public:
    explicit PyramidParameterWidget(QWidget* parent = nullptr);
    kvfd::KvPtr<AlgoParameter> GetParameter() override;
};

// "Ratio:" 1:2 to 1:20, nine ratios (the single-tool dialog has no 1:6).
class KVUI_EXPORT ResampleParameterWidget : public QWidget, public ParameterWidgetInterface
{
    Q_OBJECT

public:
    explicit ResampleParameterWidget(QWidget* parent = nullptr);
    kvfd::KvPtr<AlgoParameter> GetParameter() override;

private:
    QComboBox* m_rate = nullptr;
};

// "Angles:" 90°, 180°, 270°; rotateType is the item's index + 1.
class KVUI_EXPORT RotateParameterWidget : public QWidget, public ParameterWidgetInterface
{
    Q_OBJECT

public:
    explicit RotateParameterWidget(QWidget* parent = nullptr);
    kvfd::KvPtr<AlgoParameter> GetParameter() override;

private:
    QComboBox* m_angle = nullptr;
};
