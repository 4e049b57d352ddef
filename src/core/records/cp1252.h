#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252: the code page of every text field of the record files.
namespace records::cp1252 {

// One character per byte; bytes 0x80-0x9F map to their Windows-1252 letters and signs.
QString decode(const char* bytes, qsizetype size);
QString decode(const QByteArray& bytes);

// One byte per character; a character the code page lacks becomes '?'.
QByteArray encode(const QString& text);
char encodeChar(QChar c);

// Lower-cases like the platform does for Windows-1252 text: A-Z and the capitals
// U+00C0-U+00DE except U+00D7 become their lower-case forms; nothing else changes.
QChar toLower(QChar c);
QString toLower(const QString& text);

}  // namespace records::cp1252
