#include "core/text/wordforms.h"

namespace analysis {

bool isWordLetter(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) {
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
    }
    return u >= 0xC0 && u <= 0xFF && u != 0xD7 && u != 0xF7;
}

QStringList cutWordForms(const QString& text) {
    QStringList words;
    const qsizetype length = text.size();
    qsizetype start = -1;  // start of the current run of letters, -1 outside one
    for (qsizetype i = 0; i <= length; ++i) {
        const bool letter = i < length && isWordLetter(text[i]);
        if (letter && start < 0) {
            start = i;
        } else if (!letter && start >= 0) {
            words.append(text.sliced(start, i - start));
            start = -1;
        }
    }
    return words;
}

}  // namespace analysis
