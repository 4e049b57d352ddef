#include "latindata/handdata.h"

#include "core/records/cp1252.h"
#include "core/records/recordfile.h"
#include "core/records/tsv.h"

#include <QSet>

#include <algorithm>

namespace latindata {
namespace {

QString key(const QString& value) {
    return records::cp1252::toLower(records::trimmedRight(value));
}

// A form of a lemma that the hand list analyses is analysed by the hand list alone.
QString formOfLemma(const records::ThesaurusRecord& r) {
    return key(r.form()) + QLatin1Char('\t') + key(r.lemma());
}

template <class R, class Key>
std::vector<R> sortedAndNumbered(std::vector<R> recs, Key sortKey) {
    std::stable_sort(recs.begin(), recs.end(),
                     [&](const R& a, const R& b) { return sortKey(a) < sortKey(b); });
    records::numberByPosition(recs);  // the writer refuses a file it could not number
    return recs;
}

}  // namespace

std::vector<records::ThesaurusRecord> parseHandAnalyses(const QString& tsv, QStringList* problems) {
    std::vector<records::ThesaurusRecord> out;
    for (const auto& line : records::tsv::parse(tsv, records::tsv::kThesaurusFields,
                                                QStringLiteral("donnees.tsv"), problems)) {
        out.push_back(records::tsv::thesaurusRecord(line.fields, 0));
    }
    return out;
}

std::vector<records::LexiconRecord> parseHandLemmas(const QString& tsv, QStringList* problems) {
    std::vector<records::LexiconRecord> out;
    for (const auto& line : records::tsv::parse(tsv, records::tsv::kLexiconFields,
                                                QStringLiteral("lexique.tsv"), problems)) {
        out.push_back(records::tsv::lexiconRecord(line.fields, 0));
    }
    return out;
}

std::vector<records::ThesaurusRecord> mergeAnalyses(
    const std::vector<records::ThesaurusRecord>& hand,
    const std::vector<records::ThesaurusRecord>& generated) {
    QSet<QString> given;
    std::vector<records::ThesaurusRecord> all = hand;
    for (const records::ThesaurusRecord& r : hand) {
        given.insert(formOfLemma(r));
    }
    for (const records::ThesaurusRecord& r : generated) {
        if (!given.contains(formOfLemma(r))) {
            all.push_back(r);
        }
    }
    return sortedAndNumbered(std::move(all),
                             [](const records::ThesaurusRecord& r) { return key(r.form()); });
}

std::vector<records::LexiconRecord> mergeLemmas(
    const std::vector<records::LexiconRecord>& hand,
    const std::vector<records::LexiconRecord>& generated, int limit) {
    QSet<QString> known;
    std::vector<records::LexiconRecord> all = generated;
    for (const records::LexiconRecord& r : generated) {
        known.insert(key(r.lemma()) + QLatin1Char('\t') + key(r.category()));
    }
    for (const records::LexiconRecord& r : hand) {
        const QString k = key(r.lemma()) + QLatin1Char('\t') + key(r.category());
        if (!known.contains(k) && static_cast<int>(all.size()) < limit) {
            known.insert(k);
            all.push_back(r);
        }
    }
    return sortedAndNumbered(std::move(all),
                             [](const records::LexiconRecord& r) { return key(r.lemma()); });
}

}  // namespace latindata
