// The record readers on any bytes: a file of any length read as thesaurus, analysis and lexicon
// records, the shape test of thesauri, and the in-memory lists built from the records.

#include "core/grid/analysisfile.h"
#include "core/lookup/thesauruslists.h"
#include "core/records/recordfile.h"
#include "core/records/records.h"

#include <cstdlib>
#include <cstring>

namespace {

template <class R>
std::vector<R> recordsOf(const QByteArray& bytes) {
    std::vector<R> out(static_cast<std::size_t>(bytes.size() / R::Length));
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (!out[i].fromBytes(bytes.mid(static_cast<qsizetype>(i) * R::Length, R::Length))) {
            std::abort();
        }
    }
    return out;
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const auto thesaurus = recordsOf<records::ThesaurusRecord>(bytes);
    const analysis::ThesaurusLists lists = analysis::listsFromRecords(thesaurus);
    check(lists.size() == static_cast<qint64>(thesaurus.size()));
    for (const records::ThesaurusRecord& r : thesaurus) {
        // A record read and written again is the same bytes: any byte survives the code page.
        records::ThesaurusRecord copy;
        copy.setNumber(r.number());
        copy.setAnalysis(r.form(), r.category(), r.lemma(), r.caseGenderNumber(),
                         r.moodTenseVoice(), r.translation());
        check(std::memcmp(copy.data(), r.data(), 206) == 0);
    }
    const records::ThesaurusShape shape = records::thesaurusShape(bytes);
    check(shape.wholeRecords == (size % 216 == 0));
    check(records::notAThesaurusReason(QStringLiteral("f"), shape).isEmpty() ==
          shape.isThesaurus());

    for (const records::AnalysisRecord& r : recordsOf<records::AnalysisRecord>(bytes)) {
        // Saved again, a row keeps every byte but the reserved ones.
        check(analysis::analysisRecord(analysis::gridRow(r)).toBytes().mid(2, 206) ==
              r.toBytes().mid(2, 206));
    }
    for (const records::LexiconRecord& r : recordsOf<records::LexiconRecord>(bytes)) {
        check(r.lemma().size() == 70 && r.latinFamily().size() == 70);
    }
    return 0;
}
