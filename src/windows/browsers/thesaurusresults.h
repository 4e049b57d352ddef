#pragma once

#include "core/browsing/browsing.h"
#include "windows/browsers/resultrows.h"

namespace thesaurus {

// The rows a thesaurus browser lists: an entry's values, its record number and listed bytes.
class ThesaurusResults : public ui::ResultRows<ResultRow, 6> {
  public:
    enum Column { Form, Lemma, Translation, Category, CaseGenderNumber, MoodTenseVoice };

    using ResultRows::ResultRows;

    QString textAt(int row, int column) const override;

    // The record number of each row, in row order.
    std::vector<RecordNumber> recordNumbers() const;
    // The row listed from these bytes; -1 for none.
    int rowListedFrom(const QByteArray& listed) const;
};

}  // namespace thesaurus
