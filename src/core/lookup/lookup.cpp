#include "core/lookup/lookup.h"

#include "core/records/cp1252.h"

#include <QStringView>

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>

namespace analysis {
namespace {

char16_t folded(QChar c) {
    return records::cp1252::toLower(c).unicode();
}

// Forms compared as their lower-cased texts, without building those texts.
struct FoldedHash {
    std::size_t operator()(QStringView s) const {
        std::size_t hash = 14695981039346656037ull;  // FNV-1a
        for (QChar c : s) {
            hash = (hash ^ folded(c)) * 1099511628211ull;
        }
        return hash;
    }
};

struct FoldedEqual {
    bool operator()(QStringView a, QStringView b) const {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(),
                          [](QChar x, QChar y) { return folded(x) == folded(y); });
    }
};

bool foldedLess(QStringView a, QStringView b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](QChar x, QChar y) { return folded(x) < folded(y); });
}

// The entries of one lower-cased form of the text, in list order, and the first entry that a
// scan in list order finds greater than it (the end of the lists when there is none).
struct FormEntries {
    std::vector<qint64> entries;
    qint64 firstGreater = 0;
};

using FormTable = std::unordered_map<QStringView, FormEntries, FoldedHash, FoldedEqual>;

// For each entry, the entry holding the greatest form among it and those before it. These
// never decrease, so the first greater entry is found by a binary search over them.
std::vector<qint64> runningMaxima(const ThesaurusLists& lists) {
    std::vector<qint64> maxima(lists.forms.size());
    for (std::size_t j = 0; j < maxima.size(); ++j) {
        const bool greater = j == 0 || foldedLess(lists.forms[maxima[j - 1]], lists.forms[j]);
        maxima[j] = greater ? static_cast<qint64>(j) : maxima[j - 1];
    }
    return maxima;
}

qint64 firstGreater(QStringView form, const ThesaurusLists& lists,
                    const std::vector<qint64>& maxima) {
    const auto it = std::partition_point(maxima.begin(), maxima.end(), [&](qint64 entry) {
        return !foldedLess(form, lists.forms[entry]);
    });
    return it - maxima.begin();
}

// The text's forms with their entries, and for each word its form's entries. Equal words of a
// cut text share one string: each string is folded and hashed once, then found by its address.
struct TextForms {
    FormTable table;
    std::vector<const FormEntries*> ofWord;
};

TextForms indexForms(const QStringList& words, const ThesaurusLists& lists, LookupKind kind) {
    TextForms index;
    index.ofWord.reserve(static_cast<std::size_t>(words.size()));
    std::unordered_map<const QChar*, const FormEntries*> byAddress;
    for (const QString& word : words) {
        auto [known, added] = byAddress.try_emplace(word.constData(), nullptr);
        if (added) {
            known->second = &index.table.try_emplace(word).first->second;
        }
        index.ofWord.push_back(known->second);
    }
    FormTable& table = index.table;
    for (std::size_t j = 0; j < lists.forms.size(); ++j) {
        const auto it = table.find(lists.forms[j]);
        if (it != table.end()) {
            it->second.entries.push_back(static_cast<qint64>(j));
        }
    }
    const std::vector<qint64> maxima =
        kind == LookupKind::Sorted ? runningMaxima(lists) : std::vector<qint64>{};
    for (auto& [form, found] : table) {
        found.firstGreater =
            kind == LookupKind::Sorted ? firstGreater(form, lists, maxima) : lists.size();
    }
    return index;
}

// The sorted scan gives up at the first greater entry only while nothing has matched: once
// the form has matched it goes on to the end and sees every entry of the form.
bool scanMatches(const FormEntries& found) {
    return !found.entries.empty() && found.entries.front() < found.firstGreater;
}

// The rows the lookup writes, counted beforehand so that they are written once, in place.
std::size_t rowsFound(const TextForms& index) {
    std::size_t rows = 0;
    for (const FormEntries* found : index.ofWord) {
        rows += scanMatches(*found) ? found->entries.size() : 1;
    }
    return rows;
}

// Keeps the grid's row count as the scan does. The scan adds one row each time it examines an
// entry while the next row to write equals the row count, so the count keeps up with the rows
// written and ends one beyond them after a form whose last match is followed by more entries.
// Only after the last form does that row stay empty; a later form would write into it.
class RowCounter {
  public:
    explicit RowCounter(qint64 words) : rowCount_(words + 1) {}

    void afterForm(qint64 nextRow, bool entriesAfterLastRow) {
        rowCount_ = std::max(rowCount_, nextRow + (entriesAfterLastRow ? 1 : 0));
    }
    qint64 rowCount() const { return rowCount_; }

  private:
    qint64 rowCount_;
};

// An empty thesaurus is searched as two stand-in entries, "zzzzzzz" in every text field and
// numbered 1 and 2: a text's "zzzzzzz" finds them, as it always has. They exist for the lookup
// of an empty thesaurus alone; the thesaurus itself stays empty.
const ThesaurusLists& searched(const ThesaurusLists& lists) {
    static const ThesaurusLists standIns = [] {
        const QString text = QStringLiteral("zzzzzzz");
        ThesaurusLists entries;
        for (const qint16 number : {1, 2}) {
            for (auto* column :
                 {&entries.lemmas, &entries.forms, &entries.categories, &entries.caseGenderNumbers,
                  &entries.moodTenseVoices, &entries.translations}) {
                column->push_back(text);
            }
            entries.numbers.push_back(number);
        }
        return entries;
    }();
    return lists.size() == 0 ? standIns : lists;
}

}  // namespace

LookupResult lookup(const QStringList& words, const ThesaurusLists& thesaurus, LookupKind kind,
                    const Progress& progress) {
    const ThesaurusLists& lists = searched(thesaurus);
    const TextForms index = indexForms(words, lists, kind);
    LookupResult result;
    result.rows.reserve(rowsFound(index));
    RowCounter counter(words.size());
    for (qint64 word = 0; word < words.size(); ++word) {
        if (!carryOn(progress, word, words.size())) {
            break;
        }
        const FormEntries& found = *index.ofWord[static_cast<std::size_t>(word)];
        if (!scanMatches(found)) {
            result.rows.push_back({static_cast<qint32>(word), kNotFound, false});
            counter.afterForm(static_cast<qint64>(result.rows.size()) + 1, false);
            continue;
        }
        const bool ambiguous = found.entries.size() > 1;
        for (qint64 entry : found.entries) {
            result.rows.push_back(
                {static_cast<qint32>(word), static_cast<qint32>(entry), ambiguous});
        }
        counter.afterForm(static_cast<qint64>(result.rows.size()) + 1,
                          found.entries.back() < lists.size() - 1);
    }
    result.rowCount = counter.rowCount();
    return result;
}

RowTexts rowTexts(const LookupRow& row, const QStringList& words, const ThesaurusLists& thesaurus) {
    const ThesaurusLists& lists = searched(thesaurus);
    const QString& form = words[row.word];
    if (row.entry == kNotFound) {
        const QString& e = records::kEmptyMarker;
        return {form, e, e, e, e, e, records::kNotFoundMark};
    }
    const auto j = static_cast<std::size_t>(row.entry);
    return {form,
            lists.lemmas[j],
            lists.translations[j],
            lists.categories[j],
            lists.caseGenderNumbers[j],
            lists.moodTenseVoices[j],
            QString()};
}

namespace {

// The analysis cells of the rows, built once per entry (or for not-found) however many rows
// show it: a row is then its entry's cells with its form and occurrence.
class AnalysisCells {
  public:
    explicit AnalysisCells(const ThesaurusLists& lists)
        : lists_(lists), built_(static_cast<std::size_t>(lists.size()), kNone) {
        const SharedText empty(records::kEmptyMarker);
        for (int c = kFirstAnalysisColumn; c <= kLastEnteredColumn; ++c) {
            notFound_.cells[c].text = empty;
        }
        notFound_[Column::Indicator].text = SharedText(records::kNotFoundMark);
    }

    const GridRow& of(const LookupRow& found) {
        if (found.entry == kNotFound) {
            return notFound_;
        }
        qint32& at = built_[static_cast<std::size_t>(found.entry)];
        if (at == kNone) {
            at = static_cast<qint32>(rows_.size());
            rows_.push_back(cellsOf(found));
        }
        return rows_[static_cast<std::size_t>(at)];
    }

  private:
    static constexpr qint32 kNone = -1;

    // An entry's rows are all ambiguous or none is: their form has one entry or several.
    GridRow cellsOf(const LookupRow& found) const {
        const auto j = static_cast<std::size_t>(found.entry);
        GridRow row;
        const std::array<SharedText, 5> texts{lists_.lemmas[j], lists_.translations[j],
                                              lists_.categories[j], lists_.caseGenderNumbers[j],
                                              lists_.moodTenseVoices[j]};
        const CellColour colour = found.ambiguous ? CellColour(kAmbiguityColour) : CellColour();
        for (std::size_t c = 0; c < texts.size(); ++c) {
            row.cells[c + 1] = {texts[c], colour};
        }
        return row;
    }

    const ThesaurusLists& lists_;
    std::vector<qint32> built_;  // by entry, the place of its cells in rows_
    GridRows rows_;
    GridRow notFound_;
};

}  // namespace

GridRows gridRowsOf(const LookupResult& result, const QStringList& words,
                    const ThesaurusLists& thesaurus, const Progress& progress) {
    const ThesaurusLists& lists = searched(thesaurus);
    GridRows rows;
    rows.reserve(static_cast<std::size_t>(std::max<qint64>(result.rowCount - 1, 0)));
    AnalysisCells analyses(lists);
    const CellColour formColour(kFormColour);
    const auto count = static_cast<qint64>(result.rows.size());
    qint64 lastWord = -1;
    SharedText form;
    std::unordered_map<const QChar*, SharedText> formsByAddress;  // equal words share a string
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
        if (!carryOn(progress, static_cast<qint64>(i), count)) {
            break;
        }
        const LookupRow& found = result.rows[i];
        if (found.word != lastWord) {  // the analyses of one word follow each other
            const QString& word = words[found.word];
            auto [known, added] = formsByAddress.try_emplace(word.constData());
            if (added) {
                known->second = word;
            }
            form = known->second;
            lastWord = found.word;
        }
        GridRow& row = rows.emplace_back(analyses.of(found));
        row.occurrence = found.word;
        row[Column::Form] = {form, formColour, true};
    }
    rows.resize(static_cast<std::size_t>(std::max<qint64>(result.rowCount - 1, 0)));  // empty ones
    return rows;
}

}  // namespace analysis
