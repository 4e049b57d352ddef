#pragma once

#include <QList>
#include <QStringList>

#include <functional>

class QWidget;

namespace ui {

inline const QString kCsvFilter = QStringLiteral("Fichiers CSV (*.csv)|*.csv");

// The export command of every window: asks where to write the table, asks before replacing a
// file, writes it whole or not at all, and says how it went. An empty table is not written.
// True when the file was written.
bool exportCsv(QWidget* window, const QStringList& header, const QList<QStringList>& rows);
// The same for a table too large to copy: `count` rows, each given by `rowAt` as it is written.
bool exportCsv(QWidget* window, const QStringList& header, qint64 count,
               const std::function<QStringList(qint64)>& rowAt);

}  // namespace ui
