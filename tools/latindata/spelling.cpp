#include "latindata/spelling.h"

#include "core/morphology/normalise.h"
#include "core/records/cp1252.h"

#include <QList>

#include <algorithm>

namespace latindata {
namespace {

constexpr char16_t kCombiningMacron = 0x0304;
constexpr char16_t kCombiningBreve = 0x0306;
constexpr char16_t kCombiningDotBelow = 0x0323;

bool isCombiningMark(char16_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

void addMark(MarkedLetter& letter, char16_t mark) {
    if (mark == kCombiningMacron || mark == kCombiningBreve) {
        letter.lengthMark = true;
    } else if (mark == kCombiningDotBelow) {
        letter.nonSyllabic = true;
    }
}

// Letters written with characters from outside the Latin alphabet.
QString latinLettersFor(QChar c) {
    switch (c.unicode()) {
        case 0x045E:  // Cyrillic short u, used in the data for y with breve
            return QStringLiteral("y");
        case 0x040E:
            return QStringLiteral("Y");
        case 0x00E6:
            return QStringLiteral("ae");
        case 0x00C6:
            return QStringLiteral("Ae");
        case 0x0153:
            return QStringLiteral("oe");
        case 0x0152:
            return QStringLiteral("Oe");
        default:
            return {};
    }
}

void appendCharacter(std::vector<MarkedLetter>& letters, QChar c) {
    const char16_t u = c.unicode();
    if (isCombiningMark(u)) {
        if (!letters.empty()) {
            addMark(letters.back(), u);
        }
        return;
    }
    if (u < 0x80) {
        letters.push_back({c});
        return;
    }
    const QString replacement = latinLettersFor(c);
    if (!replacement.isEmpty()) {
        for (QChar r : replacement) {
            letters.push_back({r});
        }
        return;
    }
    const QString parts = c.decomposition();
    if (parts.isEmpty() || parts[0].unicode() >= 0x80 || !parts[0].isLetter()) {
        return;  // not a Latin letter
    }
    letters.push_back({parts[0]});
    for (qsizetype i = 1; i < parts.size(); ++i) {
        addMark(letters.back(), parts[i].unicode());
    }
}

bool isVowel(QChar c) {
    switch (c.toLower().unicode()) {
        case 'a':
        case 'e':
        case 'i':
        case 'o':
        case 'u':
        case 'y':
            return true;
        default:
            return false;
    }
}

bool isAsciiLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

bool isSeparator(QChar c) {
    return c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char(':');
}

bool opensBracket(QChar c) {
    return c == QLatin1Char('(') || c == QLatin1Char('[');
}

bool closesBracket(QChar c) {
    return c == QLatin1Char(')') || c == QLatin1Char(']');
}

QString withoutTrailingSeparators(QString text) {
    while (!text.isEmpty() && (text.back().isSpace() || isSeparator(text.back()))) {
        text.chop(1);
    }
    return text;
}

}  // namespace

std::vector<MarkedLetter> markedLetters(QStringView word) {
    std::vector<MarkedLetter> letters;
    letters.reserve(word.size());
    for (QChar c : word) {
        appendCharacter(letters, c);
    }
    return letters;
}

QString schoolSpelling(QStringView word) {
    const std::vector<MarkedLetter> letters = markedLetters(word);
    QString out;
    out.reserve(static_cast<qsizetype>(letters.size()));
    bool afterVowel = false;  // the letter written last is a vowel
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const MarkedLetter& letter = letters[i];
        QChar c = letter.base;
        if (!isAsciiLetter(c)) {
            continue;
        }
        if (c == QLatin1Char('j') || c == QLatin1Char('J')) {
            c = c == QLatin1Char('j') ? QLatin1Char('i') : QLatin1Char('I');
        } else if ((c == QLatin1Char('u') || c == QLatin1Char('U')) && !letter.lengthMark &&
                   !letter.nonSyllabic && (out.isEmpty() || afterVowel) && i + 1 < letters.size() &&
                   isVowel(letters[i + 1].base)) {
            c = c == QLatin1Char('u') ? QLatin1Char('v') : QLatin1Char('V');
        }
        out.append(c);
        afterVowel = isVowel(c) && c != QLatin1Char('v') && c != QLatin1Char('V');
    }
    return out;
}

QString matchingKey(QStringView word) {
    QString out;
    for (const MarkedLetter& letter : markedLetters(word)) {
        out.append(QChar(analysis::foldIJUV(letter.base.unicode())));
    }
    return out;
}

std::vector<Assimilation> parseAssimilations(QStringView text) {
    std::vector<Assimilation> list;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (line.startsWith(QLatin1Char('!')) || colon <= 0) {
            continue;
        }
        list.push_back({schoolSpelling(line.left(colon)), schoolSpelling(line.mid(colon + 1))});
    }
    std::stable_sort(list.begin(), list.end(), [](const Assimilation& a, const Assimilation& b) {
        return a.from.size() > b.from.size();
    });
    return list;
}

QString assimilated(const QString& form, const std::vector<Assimilation>& assimilations) {
    const QString lowered = form.toLower();
    for (const Assimilation& a : assimilations) {
        if (lowered.startsWith(a.from) && lowered.size() > a.from.size()) {
            QString out = a.to + form.mid(a.from.size());
            if (form[0].isUpper()) {
                out[0] = out[0].toUpper();
            }
            return out;
        }
    }
    return {};
}

QString withoutHomonymNumber(QStringView key) {
    qsizetype end = key.size();
    while (end > 0 && key[end - 1].isDigit()) {
        --end;
    }
    return key.left(end).toString();
}

QString codePageText(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.isSpace()) {
            if (!out.isEmpty() && out.back() != QLatin1Char(' ')) {
                out.append(QLatin1Char(' '));
            }
            continue;
        }
        if (records::cp1252::encodeChar(c) != '?' || c == QLatin1Char('?')) {
            out.append(c);
            continue;
        }
        const QString parts = c.decomposition();
        if (!parts.isEmpty() && records::cp1252::encodeChar(parts[0]) != '?') {
            out.append(parts[0]);
        }
    }
    return out.trimmed();
}

QString cutAtSeparator(const QString& text, int width) {
    if (text.size() <= width) {
        return text;
    }
    qsizetype bestCut = -1;
    qsizetype lastBlank = -1;
    int depth = 0;
    for (qsizetype i = 0; i <= width && i < text.size(); ++i) {
        const QChar c = text[i];
        if (depth == 0 && (isSeparator(c) || opensBracket(c))) {
            if (!withoutTrailingSeparators(text.left(i)).isEmpty()) {
                bestCut = i;
            }
        }
        if (depth == 0 && c == QLatin1Char(' ')) {
            lastBlank = i;
        }
        depth += opensBracket(c) ? 1 : closesBracket(c) ? -1 : 0;
        depth = std::max(depth, 0);
    }
    if (bestCut > 0) {
        return withoutTrailingSeparators(text.left(bestCut));
    }
    if (lastBlank > 0) {
        return withoutTrailingSeparators(text.left(lastBlank));
    }
    return text.left(width);
}

}  // namespace latindata
