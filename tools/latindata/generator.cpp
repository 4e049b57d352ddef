#include "latindata/generator.h"

#include "latindata/datafiles.h"
#include "latindata/families.h"
#include "latindata/inflection.h"
#include "latindata/spelling.h"

#include "records/cp1252.h"

#include <QDir>
#include <QFile>
#include <QSet>

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

std::vector<LexiconEntry> lexiconEntries(const LexicalData& data, const AnalysisSet& set,
                                         const HandLists& lists) {
    std::vector<FamilyCandidate> candidates;
    candidates.reserve(set.lemmas.size());
    for (const LemmaEntry& entry : set.lemmas) {
        candidates.push_back(familyCandidate(data, entry));
    }
    const std::vector<std::vector<int>> families = latinFamilies(candidates);
    std::vector<LexiconEntry> entries;
    entries.reserve(set.lemmas.size());
    for (std::size_t i = 0; i < set.lemmas.size(); ++i) {
        const LemmaEntry& entry = set.lemmas[i];
        const Lemma& lemma = data.lemmas[entry.source];
        entries.push_back({entry.displayed, entry.kind.category, entry.translation,
                           codePageText(lists.frenchFamilies.value(lemma.matchingKey())),
                           latinFamilyText(set, families[i], entry.displayed), lemma.frequency});
    }
    return entries;
}

void countWhatWasKept(const AnalysisSet& set, const std::vector<int>& chosen, Generated* out) {
    out->lemmasUsed = static_cast<qsizetype>(set.lemmas.size());
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
        expectedAll += a.share;
    }
    out->formsKept = keptGroups.size();
    out->expectedShareKept = expectedAll > 0 ? expectedKept / expectedAll : 0;
}

}  // namespace

bool readLexicalData(const QString& folder, LexicalData* data, QStringList* problems) {
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
    data->models = ModelTable::parse(models, problems);
    data->cells = CellTable::parse(cells, problems);
    data->lemmas = parseLemmas(lemmas, problems);
    data->translations = parseTranslations(translations);
    data->irregulars = parseIrregulars(irregulars, problems);
    data->weights = CellWeights::fromTags(tags, data->cells);
    data->assimilations = parseAssimilations(assimilations);
    return true;
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
