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
// a semicolon or a line break. A field that a spreadsheet would take for a formula (one that
// begins with "=", "+", "-", "@", a tab or a carriage return) gets a leading apostrophe, so
// that it shows as text; a plain number such as "-3" and a lone "-" are kept as they are.
QByteArray csvBytes(const QStringList& header, const QList<QStringList>& rows);

// The same table a piece at a time, for tables too large to hold twice: the byte-order mark,
// then each line (CR LF ended) in UTF-8.
inline const QByteArray kCsvByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
QByteArray csvLine(const QStringList& values);

}  // namespace analysis
