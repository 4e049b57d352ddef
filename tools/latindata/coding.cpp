#include "latindata/coding.h"

#include "core/coding/coding.h"

namespace latindata {

QString keypadCode(const keypads::Group& group, const QString& description,
                   bool* unknownDescription) {
    if (description.isEmpty()) {
        return {};
    }
    for (const keypads::Row& row : group.codeRows()) {
        if (row.description.trimmed() == description) {
            return row.code;
        }
    }
    if (unknownDescription != nullptr) {
        *unknownDescription = true;
    }
    return {};
}

Coding encode(const Features& f, bool* unknownDescription) {
    Coding coding;
    coding.caseGenderNumber = keypads::composeCaseGenderNumber(
        keypadCode(keypads::caseGroup(), f.grammaticalCase, unknownDescription),
        keypadCode(keypads::genderGroup(), f.gender, unknownDescription),
        keypadCode(keypads::personGroup(), f.person, unknownDescription),
        keypadCode(keypads::numberGroup(), f.number, unknownDescription));
    coding.moodTenseVoice = keypads::composeMoodTenseVoice(
        keypadCode(keypads::moodGroup(), f.mood, unknownDescription),
        keypadCode(keypads::tenseGroup(), f.tense, unknownDescription),
        keypadCode(keypads::voiceGroup(), f.voice, unknownDescription));
    return coding;
}

namespace {

// The description of the group's longest code that the text starts with, taken off the text
// with the blanks after it.
QString takeCode(const keypads::Group& group, QStringView& text) {
    const keypads::Row* best = nullptr;
    qsizetype bestLength = 0;
    for (const keypads::Row& row : group.codeRows()) {
        const QString code = row.code.trimmed();
        const bool ends = text.size() == code.size() ||
                          (text.size() > code.size() && text[code.size()] == QLatin1Char(' '));
        if (ends && text.startsWith(code) && code.size() > bestLength) {
            best = &row;
            bestLength = code.size();
        }
    }
    if (best == nullptr) {
        return {};
    }
    text = text.mid(bestLength).trimmed();
    return best->description.trimmed();
}

}  // namespace

Features decode(const QString& caseGenderNumber, const QString& moodTenseVoice) {
    Features f;
    QStringView cgn = QStringView(caseGenderNumber).trimmed();
    f.grammaticalCase = takeCode(keypads::caseGroup(), cgn);
    f.gender = takeCode(keypads::genderGroup(), cgn);
    f.person = takeCode(keypads::personGroup(), cgn);
    f.number = takeCode(keypads::numberGroup(), cgn);
    QStringView mtv = QStringView(moodTenseVoice).trimmed();
    f.mood = takeCode(keypads::moodGroup(), mtv);
    f.tense = takeCode(keypads::tenseGroup(), mtv);
    f.voice = takeCode(keypads::voiceGroup(), mtv);
    return f;
}

bool isCodable(const Features& features) {
    return !features.locative;
}

}  // namespace latindata
