#pragma once

#include "analysis/thesauruslists.h"
#include "records/records.h"

#include <QString>

namespace analysis {

// The detail fields of a workspace, Text1 to Text6.
struct DetailFields {
    QString form;
    QString lemma;
    QString translation;
    QString category;
    QString caseGenderNumber;
    QString moodTenseVoice;
};

// Whether the lists already hold this analysis: same form once lower-cased, and the five
// analysis fields equal once lower-cased and stripped of trailing spaces.
bool holdsAnalysis(const ThesaurusLists& lists, const DetailFields& fields);

// The record a validation stores: "_" for the form when the row's form cell is empty and for
// each empty analysis field.
records::ThesaurusRecord recordToStore(const QString& formCell, const DetailFields& fields);

}  // namespace analysis
