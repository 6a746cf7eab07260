#pragma once

#include "kvui_export.h"

#include <QStringList>
#include <QTableWidget>
#include <functional>

// A QTableWidget for lists of any length: the caller gives a row count and a
// function that returns the texts of one row, and the widget makes the items
// of the first kSampleRows rows at once and those of any other row only when
// it is first painted. item() of a row that was never in view is therefore
// null; everything else (row count, selection, headers) is a plain
// QTableWidget's. Column fits look at the sample rows only.
class KVUI_EXPORT LazyTableWidget : public QTableWidget
{
    Q_OBJECT

public:
    using RowTexts = std::function<QStringList(int row)>;

    // Rows made at once and read when columns are fitted to their contents.
    static constexpr int kSampleRows = 100;

    explicit LazyTableWidget(QWidget* parent = nullptr);
    LazyTableWidget(int rows, int columns, QWidget* parent = nullptr);

    // Replaces the contents by count rows whose texts texts(row) gives; texts
    // is kept and called again for rows that come into view later.
    void SetRows(int count, RowTexts texts);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void MakeRows(int first, int last);

    RowTexts m_texts;
};
