#include "imagery/lazytablewidget.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

LazyTableWidget::LazyTableWidget(QWidget* parent)
    : LazyTableWidget(0, 0, parent)
{ }

LazyTableWidget::LazyTableWidget(int rows, int columns, QWidget* parent)
    : QTableWidget(rows, columns, parent)
{
    horizontalHeader()->setResizeContentsPrecision(kSampleRows);
    verticalHeader()->setResizeContentsPrecision(kSampleRows);
}

void LazyTableWidget::SetRows(int count, RowTexts texts)
{
    m_texts = std::move(texts);
    clearContents();
    setRowCount(count);
    MakeRows(0, std::min(count, kSampleRows) - 1);
}

void LazyTableWidget::MakeRows(int first, int last)
{
    if (!m_texts || first < 0)
        return;
    // Each item set alone would tell the view its cell changed, and the view
    // would paint again the rows it is about to paint.
    const QSignalBlocker blocker(model());
    const int columns = columnCount();
    for (int row = first; row <= last && row < rowCount(); ++row) {
        if (item(row, 0))
            continue;
        const QStringList texts = m_texts(row);
        for (int column = 0; column < columns && column < texts.size(); ++column)
            setItem(row, column, new QTableWidgetItem(texts.at(column)));
    }
}

void LazyTableWidget::paintEvent(QPaintEvent* event)
{
    const int first = rowAt(event->rect().top());
    if (first >= 0) {
        const int last = rowAt(event->rect().bottom());
        MakeRows(first, last >= 0 ? last : rowCount() - 1);
    }
    QTableWidget::paintEvent(event);
}
