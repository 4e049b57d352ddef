#include "latindata/generator.h"

#include "latindata/datafiles.h"
#include "latindata/families.h"
#include "latindata/inflection.h"
#include "latindata/spelling.h"

#include "core/records/cp1252.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>

namespace latindata {
namespace {

bool readText(const QString& folder, const QString& name, QString* text, QStringList* problems) {
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        problems->append(
            QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString()));
        return false;
    }
    *text = QString::fromUtf8(file.readAll());
    text->remove(QLatin1Char('\r'));
    return true;
}

QStringList loweredStems(const std::map<int, QStringList>& stems, int radical) {
    QStringList out;
    const auto it = stems.find(radical);
    if (it == stems.end()) {
        return out;
    }
    for (const QString& stem : it->second) {
        const QString s = records::cp1252::toLower(schoolSpelling(stem));
        if (!s.isEmpty() && !out.contains(s)) {
            out.append(s);
        }
    }
    return out;
}

FamilyCandidate familyCandidate(const LexicalData& data, const LemmaEntry& entry) {
    const Lemma& lemma = data.lemmas[entry.source];
    FamilyCandidate c;
    c.word = records::cp1252::toLower(entry.displayed);
    c.category = entry.kind.category;
    c.model = lemma.model;
    c.frequency = lemma.frequency;
    const Model* model = data.models.find(lemma.model);
    for (const QString& canonical : lemma.canonicals) {
        const std::map<int, QStringList> stems = stemsOf(lemma, *model, canonical);
        c.stems0 += loweredStems(stems, 0);
        c.stems1 += loweredStems(stems, 1);
        c.stems2 += loweredStems(stems, 2);
    }
    c.stems0.removeDuplicates();
    c.stems1.removeDuplicates();
    c.stems2.removeDuplicates();
    return c;
}

// The other lemmas of the family, once each, the most frequent first.
QString latinFamilyText(const AnalysisSet& set, const std::vector<int>& members,
                        const QString& self) {
    QStringList words;
    for (int m : members) {
        const QString& word = set.lemmas[static_cast<std::size_t>(m)].displayed;
        if (word != self && !words.contains(word)) {
            words.append(word);
        }
    }
    return words.join(QStringLiteral(", "));
}

// The lemmas of the main lexicon, by their index in the set.
std::vector<std::size_t> lexiconLemmas(const AnalysisSet& set) {
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < set.lemmas.size(); ++i) {
        if (!set.lemmas[i].extended) {
            kept.push_back(i);
        }
    }
    return kept;
}

std::vector<LexiconEntry> lexiconEntries(const LexicalData& data, const AnalysisSet& set,
                                         const HandLists& lists) {
    const std::vector<std::size_t> kept = lexiconLemmas(set);
    std::vector<FamilyCandidate> candidates;
    candidates.reserve(kept.size());
    for (std::size_t i : kept) {
        candidates.push_back(familyCandidate(data, set.lemmas[i]));
    }
    const std::vector<std::vector<int>> families = latinFamilies(candidates);
    std::vector<LexiconEntry> entries;
    entries.reserve(kept.size());
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const LemmaEntry& entry = set.lemmas[kept[k]];
        const Lemma& lemma = data.lemmas[entry.source];
        std::vector<int> members;
        for (int m : families[k]) {
            members.push_back(static_cast<int>(kept[static_cast<std::size_t>(m)]));
        }
        entries.push_back({entry.displayed, entry.kind.category, entry.translation,
                           codePageText(lists.frenchFamilies.value(lemma.matchingKey())),
                           latinFamilyText(set, members, entry.displayed), lemma.frequency});
    }
    return entries;
}

void countWhatWasKept(const AnalysisSet& set, const std::vector<int>& chosen, Generated* out) {
    out->lemmasExtended = std::count_if(set.lemmas.begin(), set.lemmas.end(),
                                        [](const LemmaEntry& e) { return e.extended; });
    out->lemmasUsed = static_cast<qsizetype>(set.lemmas.size()) - out->lemmasExtended;
    out->lemmasLeftOut = set.lemmasLeftOut;
    out->analysesMade = static_cast<qsizetype>(set.analyses.size());
    out->formsMade = set.forms.size();
    QSet<int> keptGroups;
    double expectedKept = 0;
    for (int i : chosen) {
        const Analysis& a = set.analyses[static_cast<std::size_t>(i)];
        keptGroups.insert(set.groupOfForm[a.form]);
        expectedKept += a.share;
    }
    double expectedAll = 0;
    for (const Analysis& a : set.analyses) {
        expectedAll += a.thesaurus ? a.share : 0;
        out->analysesForThesaurus += a.thesaurus ? 1 : 0;
    }
    out->formsKept = keptGroups.size();
    out->expectedShareKept = expectedAll > 0 ? expectedKept / expectedAll : 0;
}

// The extended lexicon, when the folder has one: its lemmas after those of the main lexicon,
// its translations for the lemmas the main lexicon lacks.
bool readExtendedLexicon(const QString& folder, LexicalData* data, QStringList* problems) {
    const QDir dir(folder);
    if (!dir.exists(QStringLiteral("lem_ext.la"))) {
        return true;
    }
    QString lemmas, translations;
    if (!readText(folder, QStringLiteral("lem_ext.la"), &lemmas, problems) ||
        !readText(folder, QStringLiteral("lem_ext.fr"), &translations, problems)) {
        return false;
    }
    addExtendedLemmas(data->lemmas, lemmas, problems);
    const QHash<QString, QString> extra = parseTranslations(translations);
    for (auto it = extra.constBegin(); it != extra.constEnd(); ++it) {
        if (!data->translations.contains(it.key())) {
            data->translations.insert(it.key(), it.value());
        }
    }
    return true;
}

}  // namespace

bool readLexicalData(const QString& folder, LexicalData* data, QStringList* problems,
                     const Corrections& corrections) {
    QString models, cells, lemmas, translations, irregulars, tags, assimilations;
    if (!readText(folder, QStringLiteral("modeles.la"), &models, problems) ||
        !readText(folder, QStringLiteral("morphos.fr"), &cells, problems) ||
        !readText(folder, QStringLiteral("lemmes.la"), &lemmas, problems) ||
        !readText(folder, QStringLiteral("lemmes.fr"), &translations, problems) ||
        !readText(folder, QStringLiteral("irregs.la"), &irregulars, problems) ||
        !readText(folder, QStringLiteral("tags.la"), &tags, problems) ||
        !readText(folder, QStringLiteral("assimilations.la"), &assimilations, problems)) {
        return false;
    }
    data->models = ModelTable::parse(correctedModels(models, corrections), problems);
    data->cells = CellTable::parse(cells, problems);
    data->lemmas = parseLemmas(correctedLemmas(lemmas, corrections), problems);
    data->translations = parseTranslations(correctedTranslations(translations, corrections));
    data->irregulars = parseIrregulars(correctedIrregulars(irregulars, corrections), problems);
    data->weights = CellWeights::fromTags(tags, data->cells);
    data->assimilations = parseAssimilations(assimilations);
    return readExtendedLexicon(folder, data, problems);
}

Generated generate(const LexicalData& data, const HandLists& lists, int recordLimit,
                   QStringList* problems, MorphologyTables* morphology) {
    QStringList ignored;
    QStringList* report = problems != nullptr ? problems : &ignored;
    const AnalysisSet set = expandLemmas(data, lists.categories, report);
    if (morphology != nullptr) {
        *morphology = morphologyOf(set, data);
    }
    const std::vector<int> chosen = selectAnalyses(set, recordLimit);
    Generated out;
    out.thesaurus = thesaurusRecords(set, data.cells, chosen);
    out.lexicon = lexiconRecords(lexiconEntries(data, set, lists), recordLimit);
    countWhatWasKept(set, chosen, &out);
    for (const QString& key : lists.categories.unlistedConjunctions()) {
        report->append(
            QStringLiteral("conjunction %1 is not in the hand list: filed as CC").arg(key));
    }
    return out;
}

}  // namespace latindata
