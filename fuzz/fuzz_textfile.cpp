// The text reader on any bytes: decoding (UTF-8 or Windows-1252) and the cutting into word
// forms, which must only ever hold letters and give back every letter of the text.

#include "core/text/textfile.h"
#include "core/text/wordforms.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = shell::decodeText(bytes);
    if (text.size() > bytes.size()) {
        std::abort();
    }
    qsizetype letters = 0;
    for (const QChar c : text) {
        letters += analysis::isWordLetter(c) ? 1 : 0;
    }
    qsizetype inWords = 0;
    for (const QString& word : analysis::cutWordForms(text)) {
        if (word.isEmpty()) {
            std::abort();
        }
        for (const QChar c : word) {
            if (!analysis::isWordLetter(c)) {
                std::abort();
            }
        }
        inWords += word.size();
    }
    if (inWords != letters) {
        std::abort();
    }
    return 0;
}
