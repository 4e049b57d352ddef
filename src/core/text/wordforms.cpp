#include "core/text/wordforms.h"

#include <QHashFunctions>

#include <unordered_map>

namespace analysis {

bool isWordLetter(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) {
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
    }
    return u >= 0xC0 && u <= 0xFF && u != 0xD7 && u != 0xF7;
}

namespace {

struct ViewHash {
    std::size_t operator()(QStringView view) const { return qHash(view); }
};

}  // namespace

// A text repeats its words: equal words share one string, which saves an allocation and its
// memory for every repetition.
QStringList cutWordForms(const QString& text) {
    QStringList words;
    std::unordered_map<QStringView, QString, ViewHash> seen;
    const qsizetype length = text.size();
    qsizetype start = -1;  // start of the current run of letters, -1 outside one
    for (qsizetype i = 0; i <= length; ++i) {
        const bool letter = i < length && isWordLetter(text[i]);
        if (letter && start < 0) {
            start = i;
        } else if (!letter && start >= 0) {
            const QStringView word = QStringView(text).sliced(start, i - start);
            auto [it, added] = seen.try_emplace(word);
            if (added) {
                it->second = word.toString();
            }
            words.append(it->second);
            start = -1;
        }
    }
    return words;
}

}  // namespace analysis
