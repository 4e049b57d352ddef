#pragma once

#include "core/records/outcome.h"
#include "core/records/records.h"

#include <QString>

#include <vector>

namespace analysis {

// The working thesaurus in memory (the workspace's hidden lists List1 to List7): one entry per
// record in file order, at the same index in every column.
struct ThesaurusLists {
    std::vector<QString> lemmas;             // List1: full 50 characters, trailing spaces kept
    std::vector<QString> forms;              // List2: trailing spaces removed
    std::vector<QString> categories;         // List3: full 7 characters
    std::vector<QString> caseGenderNumbers;  // List4: full 15 characters
    std::vector<QString> moodTenseVoices;    // List5: full 22 characters
    std::vector<QString> translations;       // List6: full 80 characters
    std::vector<qint16> numbers;             // List7: record number

    qint64 size() const { return static_cast<qint64>(forms.size()); }
    void reserve(qint64 entries);
    // Adds one entry after all others, taking the record's fields as a load takes them.
    void append(const records::ThesaurusRecord& record);
};

// The lists of a thesaurus's records, in file order; none for a thesaurus without records.
ThesaurusLists listsFromRecords(const std::vector<records::ThesaurusRecord>& records);

// The lists as the saved analysis workspace keeps them: every text without its trailing
// spaces.
ThesaurusLists trimmedListsFromRecords(const std::vector<records::ThesaurusRecord>& records);

// Reads a thesaurus file whole; a missing file is created empty and loads as empty lists.
records::Outcome<ThesaurusLists> loadThesaurusLists(const QString& path);

// A form or field lower-cased as the thesaurus compares them (records::cp1252::toLower);
// a text that is lower-case already is shared rather than copied.
QString lowerCased(const QString& text);
// A stored or typed value as analyses are compared: without its trailing spaces, lower-cased.
QString comparable(const QString& text);

}  // namespace analysis
