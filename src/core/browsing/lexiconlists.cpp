#include "core/browsing/lexiconlists.h"

#include "core/browsing/browsing.h"
#include "core/lookup/thesauruslists.h"
#include "core/records/cp1252.h"
#include "core/records/fieldtexts.h"

namespace lexicon {

records::Outcome<LexiconLists> loadLexiconLists(const QString& path) {
    namespace f = records::fields;
    using records::Padding;
    const auto read = records::readExistingRecords(path, records::LexiconRecord::Length);
    if (!read.ok()) {
        return read.failure();
    }
    const records::WholeFile& file = read.value();
    LexiconLists lists;
    for (auto* column : {&lists.lemmas, &lists.translations, &lists.categories,
                         &lists.frenchFamilies, &lists.latinFamilies}) {
        column->reserve(static_cast<std::size_t>(file.count));
    }
    lists.numbers.reserve(static_cast<std::size_t>(file.count));
    records::SharedTexts categories;
    records::SharedTexts frenchFamilies;
    records::SharedTexts latinFamilies;
    for (qint64 i = 0; i < file.count; ++i) {
        const char* record = file.bytes.constData() + i * records::LexiconRecord::Length;
        lists.lemmas.push_back(records::fieldText(record, f::kLexiconLemma, Padding::NoTrailing));
        lists.translations.push_back(
            records::fieldText(record, f::kLexiconTranslation, Padding::NoTrailing));
        lists.categories.push_back(
            categories.text(records::fieldBytes(record, f::kLexiconCategory, Padding::NoTrailing)));
        lists.frenchFamilies.push_back(
            frenchFamilies.text(records::fieldBytes(record, f::kFrenchFamily, Padding::NoLeading)));
        lists.latinFamilies.push_back(
            latinFamilies.text(records::fieldBytes(record, f::kLatinFamily, Padding::NoTrailing)));
        lists.numbers.push_back(records::int16At(record, f::kLexiconNumber.offset));
    }
    return lists;
}

std::vector<qint64> entriesWithInitial(const LexiconLists& lists, QChar letter) {
    return thesaurus::entriesWithInitial(lists.lemmas, letter, thesaurus::Scan::StopAtLaterInitial);
}

namespace {

bool beginsWithLowered(const QString& lemma, const QString& lowered) {
    if (lemma.size() < lowered.size()) {
        return false;
    }
    for (qsizetype i = 0; i < lowered.size(); ++i) {
        if (records::cp1252::toLower(lemma[i]) != lowered[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<qint64> entriesWithPrefix(const LexiconLists& lists, const QString& text) {
    const QString lowered = analysis::lowerCased(text);
    std::vector<qint64> found;
    for (std::size_t i = 0; i < lists.lemmas.size(); ++i) {
        if (beginsWithLowered(lists.lemmas[i], lowered)) {
            found.push_back(static_cast<qint64>(i));
        }
    }
    return found;
}

std::vector<LexiconRow> resultRows(const LexiconLists& lists, const std::vector<qint64>& entries) {
    std::vector<LexiconRow> rows;
    rows.reserve(entries.size());
    for (const qint64 entry : entries) {
        const auto i = static_cast<std::size_t>(entry);
        rows.push_back({lists.lemmas[i], lists.translations[i], lists.categories[i],
                        lists.frenchFamilies[i], lists.latinFamilies[i]});
    }
    return rows;
}

analysis::Pages printedListing(const std::vector<QStringList>& rows) {
    static const QStringList labels = {
        QStringLiteral("Lemme: "), QStringLiteral("Traduction : "), QStringLiteral("Catégorie : "),
        QStringLiteral("Famille française : "), QStringLiteral("Famille latine : ")};
    return analysis::labelledListing(labels, rows);
}

}  // namespace lexicon
