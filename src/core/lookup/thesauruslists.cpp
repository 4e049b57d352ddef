#include "core/lookup/thesauruslists.h"

#include "core/records/cp1252.h"
#include "core/records/recordfile.h"

#include <algorithm>

namespace analysis {

void ThesaurusLists::reserve(qint64 entries) {
    const auto n = static_cast<std::size_t>(entries);
    for (auto* column :
         {&lemmas, &forms, &categories, &caseGenderNumbers, &moodTenseVoices, &translations}) {
        column->reserve(n);
    }
    numbers.reserve(n);
}

namespace {

// The form without its trailing spaces, cut in place rather than copied.
QString trimmedForm(const records::ThesaurusRecord& record) {
    QString form = record.form();
    qsizetype end = form.size();
    while (end > 0 && form[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    form.truncate(end);
    return form;
}

}  // namespace

void ThesaurusLists::append(const records::ThesaurusRecord& record) {
    lemmas.push_back(record.lemma());
    forms.push_back(trimmedForm(record));
    categories.push_back(record.category());
    caseGenderNumbers.push_back(record.caseGenderNumber());
    moodTenseVoices.push_back(record.moodTenseVoice());
    translations.push_back(record.translation());
    numbers.push_back(record.number());
}

ThesaurusLists listsFromRecords(const std::vector<records::ThesaurusRecord>& records) {
    ThesaurusLists lists;
    lists.reserve(static_cast<qint64>(records.size()));
    for (const records::ThesaurusRecord& record : records) {
        lists.append(record);
    }
    return lists;
}

ThesaurusLists trimmedListsFromRecords(const std::vector<records::ThesaurusRecord>& records) {
    ThesaurusLists lists;
    lists.reserve(static_cast<qint64>(records.size()));
    for (const records::ThesaurusRecord& r : records) {
        lists.lemmas.push_back(records::trimmedRight(r.lemma()));
        lists.forms.push_back(records::trimmedRight(r.form()));
        lists.categories.push_back(records::trimmedRight(r.category()));
        lists.caseGenderNumbers.push_back(records::trimmedRight(r.caseGenderNumber()));
        lists.moodTenseVoices.push_back(records::trimmedRight(r.moodTenseVoice()));
        lists.translations.push_back(records::trimmedRight(r.translation()));
        lists.numbers.push_back(r.number());
    }
    return lists;
}

records::Outcome<ThesaurusLists> loadThesaurusLists(const QString& path) {
    const auto file = records::readAllRecords<records::ThesaurusRecord>(path);
    if (!file.ok()) {
        return file.failure();
    }
    return listsFromRecords(file.value());
}

QString lowerCased(const QString& text) {
    const auto changes = [](QChar c) { return records::cp1252::toLower(c) != c; };
    return std::any_of(text.begin(), text.end(), changes) ? records::cp1252::toLower(text) : text;
}

QString comparable(const QString& text) {
    return lowerCased(records::trimmedRight(text));
}

}  // namespace analysis
