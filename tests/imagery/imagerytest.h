#pragma once

#include "modalanswer.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Small helpers shared by the imagery tests.
namespace imagerytest {

using kvtest::Click;
using kvtest::Text;

inline QLineEdit* Edit(QWidget* root, const char* name)
{
    return kvtest::Find<QLineEdit>(root, name);
}

// The horizontal headers of a table, separated by spaces.
inline QString Headers(const QAbstractItemView* table)
{
    QStringList headers;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        headers << table->model()->headerData(c, Qt::Horizontal).toString();
    return headers.join(' ');
}

// Writes data to path, making its folder first.
inline bool WriteFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace imagerytest
