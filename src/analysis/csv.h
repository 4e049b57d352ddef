#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Tables written for spreadsheets and flash-card programs.
namespace analysis {

// A table as CSV (RFC 4180): UTF-8 with a byte-order mark (so that spreadsheets take it as
// UTF-8), fields separated by commas, lines ended by CR LF, the header line first. Every field
// loses its trailing spaces, and is quoted, its quotes doubled, when it holds a quote, a comma,
// a semicolon or a line break.
QByteArray csvBytes(const QStringList& header, const QList<QStringList>& rows);

}  // namespace analysis
