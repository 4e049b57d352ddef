#include "core/lookup/storing.h"

namespace analysis {
namespace {

struct TypedField {
    const char* label;
    const QString& value;
    records::Field field;
};

}  // namespace

records::ThesaurusRecord recordToStore(const QString& formCell, const DetailFields& f) {
    records::ThesaurusRecord r;
    r.setAnalysis(formCell.isEmpty() ? records::kEmptyMarker : f.form,
                  records::orEmptyMarker(f.category), records::orEmptyMarker(f.lemma),
                  records::orEmptyMarker(f.caseGenderNumber),
                  records::orEmptyMarker(f.moodTenseVoice), records::orEmptyMarker(f.translation));
    return r;
}

bool holdsAnalysis(const ThesaurusLists& lists, const records::ThesaurusRecord& toStore,
                   qint64 except) {
    const QString form = comparable(toStore.form());
    const QString lemma = comparable(toStore.lemma());
    const QString translation = comparable(toStore.translation());
    const QString category = comparable(toStore.category());
    const QString caseGenderNumber = comparable(toStore.caseGenderNumber());
    const QString moodTenseVoice = comparable(toStore.moodTenseVoice());
    for (qint64 j = 0; j < lists.size(); ++j) {
        const auto i = static_cast<std::size_t>(j);
        if (j != except && comparable(lists.forms[i]) == form &&
            comparable(lists.lemmas[i]) == lemma &&
            comparable(lists.translations[i]) == translation &&
            comparable(lists.categories[i]) == category &&
            comparable(lists.caseGenderNumbers[i]) == caseGenderNumber &&
            comparable(lists.moodTenseVoices[i]) == moodTenseVoice) {
            return true;
        }
    }
    return false;
}

QStringList storingLosses(const DetailFields& f) {
    namespace fields = records::fields;
    const TypedField typed[] = {
        {"Forme", f.form, fields::kForm},
        {"Lemme", f.lemma, fields::kLemma},
        {"Traduction", f.translation, fields::kTranslation},
        {"Cat. gramm.", f.category, fields::kCategory},
        {"Cas, genre, nombre", f.caseGenderNumber, fields::kCaseGenderNumber},
        {"Mode, temps, voix", f.moodTenseVoice, fields::kMoodTenseVoice}};
    QStringList losses;
    for (const TypedField& t : typed) {
        QStringList what;
        if (records::isCut(t.value, t.field.width)) {
            what << QStringLiteral("coupé après %1 caractères").arg(t.field.width);
        }
        if (records::hasUnencodable(t.value.left(t.field.width))) {
            what << QStringLiteral("caractères non enregistrables remplacés par « ? »");
        }
        if (!what.isEmpty()) {
            losses << QStringLiteral("%1 : %2").arg(QString::fromUtf8(t.label),
                                                    what.join(QStringLiteral(", ")));
        }
    }
    return losses;
}

}  // namespace analysis
