#include "latindata/datafiles.h"

#include "latindata/coding.h"
#include "latindata/spelling.h"

#include "core/records/cp1252.h"
#include "core/records/recordfile.h"

#include <algorithm>
#include <numeric>

namespace latindata {
namespace {

QString orEmptyMarker(const QString& value) {
    return value.isEmpty() ? records::kEmptyMarker : value;
}

QString degreeWord(const Features& cell) {
    if (cell.degree == Degree::Comparative) {
        return QStringLiteral("(comparatif)");
    }
    if (cell.degree == Degree::Superlative) {
        return QStringLiteral("(superlatif)");
    }
    return {};
}

records::ThesaurusRecord thesaurusRecord(const AnalysisSet& set, const CellTable& cells,
                                         const Analysis& a, qint16 number) {
    const LemmaEntry& lemma = set.lemmas[static_cast<std::size_t>(a.lemma)];
    const Features& cell = *cells.find(a.cell);
    Features features = featuresOfAnalysis(cell, lemma.kind);
    if (a.anyGender) {
        features.gender.clear();
    }
    const Coding coding = encode(features);
    records::ThesaurusRecord r;
    r.setNumber(number);
    r.setForm(set.forms[a.form]);
    r.setCategory(lemma.kind.category);
    r.setLemma(lemma.displayed);
    r.setCaseGenderNumber(orEmptyMarker(coding.caseGenderNumber));
    r.setMoodTenseVoice(orEmptyMarker(coding.moodTenseVoice));
    r.setTranslation(orEmptyMarker(analysisTranslation(lemma.translation, cell)));
    return r;
}

struct SortKey {
    QString lowered;
    float share;
    int index;
};

}  // namespace

Features featuresOfAnalysis(const Features& cell, const LemmaKind& kind) {
    Features f = cell;
    if (kind.wordClass == WordClass::Noun && f.gender.isEmpty() && !f.isVerbal()) {
        f.gender = kind.gender;
    }
    if (!f.voice.isEmpty() && kind.deponent) {
        f.voice = QStringLiteral("déponent");
    } else if (kind.voiceless) {
        f.voice.clear();
    }
    return f;
}

QString analysisTranslation(const QString& lemmaTranslation, const Features& cell) {
    const QString word = degreeWord(cell);
    const QString text =
        word.isEmpty() ? lemmaTranslation : (word + QLatin1Char(' ') + lemmaTranslation).trimmed();
    return cutAtSeparator(text, kThesaurusTranslationWidth);
}

std::vector<records::ThesaurusRecord> thesaurusRecords(const AnalysisSet& set,
                                                       const CellTable& cells,
                                                       const std::vector<int>& chosen) {
    std::vector<SortKey> keys;
    keys.reserve(chosen.size());
    for (int i : chosen) {
        const Analysis& a = set.analyses[static_cast<std::size_t>(i)];
        keys.push_back({records::cp1252::toLower(set.forms[a.form]), a.share, i});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const SortKey& x, const SortKey& y) {
        if (x.lowered != y.lowered) {
            return x.lowered < y.lowered;
        }
        return x.share > y.share;
    });
    std::vector<records::ThesaurusRecord> recs;
    recs.reserve(keys.size());
    for (const SortKey& key : keys) {
        const Analysis& a = set.analyses[static_cast<std::size_t>(key.index)];
        recs.push_back(thesaurusRecord(set, cells, a, 0));
    }
    records::numberByPosition(recs);  // the writer refuses a file it could not number
    return recs;
}

std::vector<records::LexiconRecord> lexiconRecords(std::vector<LexiconEntry> entries, int limit) {
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const LexiconEntry& a, const LexiconEntry& b) { return a.frequency > b.frequency; });
    if (static_cast<int>(entries.size()) > limit) {
        entries.resize(static_cast<std::size_t>(limit));
    }
    std::vector<QString> lowered;
    lowered.reserve(entries.size());
    for (const LexiconEntry& e : entries) {
        lowered.push_back(records::cp1252::toLower(e.lemma));
    }
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return lowered[a] < lowered[b]; });
    std::vector<records::LexiconRecord> recs;
    recs.reserve(entries.size());
    for (std::size_t i : order) {
        const LexiconEntry& e = entries[i];
        records::LexiconRecord r;
        r.setLemma(e.lemma);
        r.setCategory(e.category);
        r.setTranslation(cutAtSeparator(e.translation, kLexiconTranslationWidth));
        r.setFrenchFamily(cutAtSeparator(e.frenchFamily, kFamilyWidth));
        r.setLatinFamily(cutAtSeparator(e.latinFamily, kFamilyWidth));
        recs.push_back(r);
    }
    records::numberByPosition(recs);
    return recs;
}

}  // namespace latindata
