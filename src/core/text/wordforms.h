#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace analysis {

// The letters of a word form: a-z, A-Z and the accented Latin letters of Windows-1252
// (U+00C0-U+00FF without the multiplication and division signs). The code page's other
// letters (œ, Œ, š, Š, ž, Ž, Ÿ) are not among them.
bool isWordLetter(QChar c);

// The maximal runs of letters of a text, in text order, exactly as written: every other
// character separates them. Repeated forms are kept at each of their places.
QStringList cutWordForms(const QString& text);

}  // namespace analysis
