#include "latindata/coding.h"

#include "keypads/coding.h"

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

bool isCodable(const Features& features) {
    return !features.locative;
}

}  // namespace latindata
