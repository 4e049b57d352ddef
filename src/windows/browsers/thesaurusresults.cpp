#include "windows/browsers/thesaurusresults.h"

#include <algorithm>

namespace thesaurus {

QString ThesaurusResults::textAt(int row, int column) const {
    const analysis::DetailFields& values = at(row).values;
    switch (column) {
        case Form:
            return values.form;
        case Lemma:
            return values.lemma;
        case Translation:
            return values.translation;
        case Category:
            return values.category;
        case CaseGenderNumber:
            return values.caseGenderNumber;
        case MoodTenseVoice:
            return values.moodTenseVoice;
        default:
            return {};
    }
}

std::vector<RecordNumber> ThesaurusResults::recordNumbers() const {
    std::vector<RecordNumber> numbers;
    numbers.reserve(all().size());
    for (const ResultRow& row : all()) {
        numbers.push_back(row.recordNumber);
    }
    return numbers;
}

int ThesaurusResults::rowListedFrom(const QByteArray& listed) const {
    const auto found = std::find_if(all().begin(), all().end(), [&listed](const ResultRow& row) {
        return row.listed == listed;
    });
    return found == all().end() ? -1 : static_cast<int>(found - all().begin());
}

}  // namespace thesaurus
