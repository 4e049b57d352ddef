#include "analysis/storing.h"

namespace analysis {
namespace {

QString comparable(const QString& value) {
    return lowerCased(records::trimmedRight(value));
}

QString orEmptyMarker(const QString& value) {
    return value.isEmpty() ? records::kEmptyMarker : value;
}

}  // namespace

bool holdsAnalysis(const ThesaurusLists& lists, const DetailFields& f) {
    const QString form = lowerCased(f.form);
    const QString lemma = comparable(f.lemma);
    const QString translation = comparable(f.translation);
    const QString category = comparable(f.category);
    const QString caseGenderNumber = comparable(f.caseGenderNumber);
    const QString moodTenseVoice = comparable(f.moodTenseVoice);
    for (qint64 j = 0; j < lists.size(); ++j) {
        const auto i = static_cast<std::size_t>(j);
        if (lowerCased(lists.forms[i]) == form && comparable(lists.lemmas[i]) == lemma &&
            comparable(lists.translations[i]) == translation &&
            comparable(lists.categories[i]) == category &&
            comparable(lists.caseGenderNumbers[i]) == caseGenderNumber &&
            comparable(lists.moodTenseVoices[i]) == moodTenseVoice) {
            return true;
        }
    }
    return false;
}

records::ThesaurusRecord recordToStore(const QString& formCell, const DetailFields& f) {
    records::ThesaurusRecord r;
    r.setAnalysis(formCell.isEmpty() ? records::kEmptyMarker : f.form, orEmptyMarker(f.category),
                  orEmptyMarker(f.lemma), orEmptyMarker(f.caseGenderNumber),
                  orEmptyMarker(f.moodTenseVoice), orEmptyMarker(f.translation));
    return r;
}

}  // namespace analysis
