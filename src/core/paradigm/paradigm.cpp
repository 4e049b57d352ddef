#include "core/paradigm/paradigm.h"

#include "core/morphology/normalise.h"
#include "core/records/records.h"

#include <QSet>

#include <algorithm>
#include <functional>
#include <map>

namespace analysis {
namespace {

// Feature values as the database writes them, in the order of the grammars' tables.
const QStringList kCases = {QStringLiteral("nominatif"), QStringLiteral("vocatif"),
                            QStringLiteral("accusatif"), QStringLiteral("génitif"),
                            QStringLiteral("datif"),     QStringLiteral("ablatif")};
const QStringList kNumbers = {QStringLiteral("singulier"), QStringLiteral("pluriel")};
const QStringList kGenders = {QStringLiteral("masculin"), QStringLiteral("féminin"),
                              QStringLiteral("neutre")};
const QStringList kPersons = {QStringLiteral("première"), QStringLiteral("deuxième"),
                              QStringLiteral("troisième")};
const QStringList kTenses = {QStringLiteral("présent"),
                             QStringLiteral("imparfait"),
                             QStringLiteral("futur"),
                             QStringLiteral("parfait"),
                             QStringLiteral("plus-que-parfait"),
                             QStringLiteral("futur antérieur")};
const QStringList kPersonalMoods = {QStringLiteral("indicatif"), QStringLiteral("subjonctif"),
                                    QStringLiteral("impératif")};
const QStringList kDeclinedMoods = {QStringLiteral("participe"), QStringLiteral("adjectif verbal")};
// The active voice, none (an irregular verb such as sum), the deponent, then the passive.
const QStringList kVoices = {QStringLiteral("actif"), QString(), QStringLiteral("déponent"),
                             QStringLiteral("passif")};
const QStringList kDegrees = {QStringLiteral("positif"), QStringLiteral("comparatif"),
                              QStringLiteral("superlatif")};

const QString kInfinitive = QStringLiteral("infinitif");
const QString kGerund = QStringLiteral("gerondif");
const QString kSupine = QStringLiteral("supin");
const QString kFormsKey = QStringLiteral("formes");  // the one column of a list

QString capitalised(const QString& text) {
    return text.isEmpty() ? text : text.front().toUpper() + text.mid(1);
}

// Words joined by spaces, the empty ones left out.
QString words(const QStringList& parts) {
    QStringList kept = parts;
    kept.removeAll(QString());
    return kept.join(QLatin1Char(' '));
}

QString personLabel(const QString& person, const QString& number) {
    static const QStringList persons = {QStringLiteral("1re"), QStringLiteral("2e"),
                                        QStringLiteral("3e")};
    return persons.value(kPersons.indexOf(person)) + QStringLiteral(" pers. ") +
           (number == kNumbers[0] ? QStringLiteral("sg.") : QStringLiteral("pl."));
}

QString supineLabel(const QString& grammaticalCase) {
    if (grammaticalCase == u"accusatif") {
        return QStringLiteral("Supin en -um");
    }
    return grammaticalCase == u"ablatif" ? QStringLiteral("Supin en -u") : QStringLiteral("Supin");
}

QString gerundLabel(const QString& grammaticalCase) {
    return words({QStringLiteral("Gérondif"), grammaticalCase.isEmpty()
                                                  ? QString()
                                                  : QLatin1Char('(') + grammaticalCase + u')'});
}

QString infinitiveLabel(const QString& tense, const QString& voice) {
    return capitalised(words({kInfinitive, tense, voice}));
}

// A table filled cell by cell: rows and columns are feature values, shown with their labels.
class TableBuilder {
  public:
    TableBuilder(QString title, QStringList rowKeys, QStringList columnKeys)
        : title_(std::move(title)),
          rowKeys_(std::move(rowKeys)),
          columnKeys_(std::move(columnKeys)),
          forms_(std::size_t(rowKeys_.size()),
                 std::vector<QStringList>(std::size_t(columnKeys_.size()))) {}

    void add(const QString& row, const QString& column, const QString& form) {
        const qsizetype r = rowKeys_.indexOf(row);
        const qsizetype c = columnKeys_.indexOf(column);
        if (r >= 0 && c >= 0 && !at(r, c).contains(form)) {
            at(r, c) << form;
        }
    }

    // Where the data leaves out a vocative, it is spelt like the nominative.
    void fillVocatives() {
        for (qsizetype c = 0; c < columnKeys_.size(); ++c) {
            if (at(1, c).isEmpty()) {
                at(1, c) = at(0, c);
            }
        }
    }

    void identify(TableIdentity identity) { identity_ = std::move(identity); }

    ParadigmTable build(const std::function<QString(const QString&)>& rowLabel,
                        bool keepEmptyRows) const {
        ParadigmTable table;
        table.identity = identity_;
        table.title = title_;
        std::vector<qsizetype> columns;
        for (qsizetype c = 0; c < columnKeys_.size(); ++c) {
            if (!columnIsEmpty(c)) {
                columns.push_back(c);
                table.columns << capitalised(columnKeys_[c]);
            }
        }
        for (qsizetype r = 0; r < rowKeys_.size(); ++r) {
            std::vector<ParadigmCell> cells;
            for (qsizetype c : columns) {
                QStringList forms = forms_[std::size_t(r)][std::size_t(c)];
                std::sort(forms.begin(), forms.end());
                cells.push_back({forms, false});
            }
            const bool empty = std::all_of(cells.begin(), cells.end(),
                                           [](const ParadigmCell& x) { return x.forms.isEmpty(); });
            if (keepEmptyRows || !empty) {
                table.rows << rowLabel(rowKeys_[r]);
                table.cells.push_back(std::move(cells));
            }
        }
        return table;
    }

  private:
    QStringList& at(qsizetype r, qsizetype c) { return forms_[std::size_t(r)][std::size_t(c)]; }
    bool columnIsEmpty(qsizetype c) const {
        return std::all_of(forms_.begin(), forms_.end(),
                           [c](const auto& row) { return row[std::size_t(c)].isEmpty(); });
    }

    TableIdentity identity_;
    QString title_;
    QStringList rowKeys_;
    QStringList columnKeys_;
    std::vector<std::vector<QStringList>> forms_;
};

using Forms = std::vector<const LemmaForm*>;

// The values of kKeys that some form has, in the order of kKeys.
QStringList present(const QStringList& keys, const Forms& forms, QString CellFeatures::*feature) {
    QStringList found;
    for (const QString& key : keys) {
        if (std::any_of(forms.begin(), forms.end(),
                        [&](const LemmaForm* f) { return f->features.*feature == key; })) {
            found << key;
        }
    }
    return found;
}

Forms having(const Forms& forms, QString CellFeatures::*feature, const QString& value) {
    Forms kept;
    std::copy_if(forms.begin(), forms.end(), std::back_inserter(kept),
                 [&](const LemmaForm* f) { return f->features.*feature == value; });
    return kept;
}

// How an analysis finds its place in the tables.
enum class Place { Declined, Personal, Participle, List, Invariable, Other };

Place placeOf(const CellFeatures& f) {
    const bool declined = kCases.contains(f.grammaticalCase) && kNumbers.contains(f.number) &&
                          (f.gender.isEmpty() || kGenders.contains(f.gender)) &&
                          f.person.isEmpty() && kDegrees.contains(f.degree);
    if (f.mood.isEmpty()) {
        if (declined && f.tense.isEmpty() && f.voice.isEmpty()) {
            return Place::Declined;
        }
        const bool none = f.grammaticalCase.isEmpty() && f.gender.isEmpty() && f.person.isEmpty() &&
                          f.number.isEmpty() && f.tense.isEmpty() && f.voice.isEmpty();
        return none ? Place::Invariable : Place::Other;
    }
    if (kPersonalMoods.contains(f.mood)) {
        const bool personal = kPersons.contains(f.person) && kNumbers.contains(f.number) &&
                              kTenses.contains(f.tense) && kVoices.contains(f.voice) &&
                              f.grammaticalCase.isEmpty();
        return personal ? Place::Personal : Place::Other;
    }
    if (kDeclinedMoods.contains(f.mood)) {
        const bool known =
            (f.tense.isEmpty() || kTenses.contains(f.tense)) && kVoices.contains(f.voice);
        return declined && known ? Place::Participle : Place::Other;
    }
    if (f.mood == kInfinitive) {
        return f.grammaticalCase.isEmpty() && f.person.isEmpty() ? Place::List : Place::Other;
    }
    return f.mood == kGerund || f.mood == kSupine ? Place::List : Place::Other;
}

// A declension shows its six cases; the vocative the data leaves out is spelt like the
// nominative, but for a pronoun, which has none: its table leaves out the cases it lacks.
void fillAndAdd(TableBuilder& table, bool pronoun, std::vector<ParadigmTable>& out) {
    if (!pronoun) {
        table.fillVocatives();
    }
    out.push_back(table.build([](const QString& key) { return capitalised(key); }, !pronoun));
}

// The genders each analysis stands for: its own, or when it has none, every gender that has no
// form of its own in that case and number (felix, nominative of the three; felicior, of the
// masculine and feminine beside the neuter felicius).
class GenderSpread {
  public:
    GenderSpread(const Forms& forms, const QStringList& genders) : genders_(genders) {
        for (const LemmaForm* f : forms) {
            if (!f->features.gender.isEmpty()) {
                gendered_.insert(key(f->features, f->features.gender));
            }
        }
    }
    QStringList of(const CellFeatures& f) const {
        if (!f.gender.isEmpty()) {
            return {f.gender};
        }
        QStringList spread;
        for (const QString& g : genders_) {
            if (!gendered_.contains(key(f, g))) {
                spread << g;
            }
        }
        return spread;
    }

  private:
    static QString key(const CellFeatures& f, const QString& gender) {
        return f.grammaticalCase + u'|' + f.number + u'|' + gender;
    }
    QStringList genders_;
    QSet<QString> gendered_;
};

// Whether each case and number has the same forms in every gender, as a personal pronoun has.
bool sameForEveryGender(const Forms& forms, const QStringList& genders) {
    const GenderSpread spread(forms, genders);
    std::map<QString, std::map<QString, QSet<QString>>> byCell;
    for (const LemmaForm* f : forms) {
        const QString cell = f->features.grammaticalCase + u'|' + f->features.number;
        for (const QString& g : spread.of(f->features)) {
            byCell[cell][g].insert(f->form);
        }
    }
    return std::all_of(byCell.begin(), byCell.end(), [&](const auto& cell) {
        const auto& byGender = cell.second;
        return qsizetype(byGender.size()) == genders.size() &&
               std::all_of(byGender.begin(), byGender.end(),
                           [&](const auto& g) { return g.second == byGender.begin()->second; });
    });
}

// Tables of declined forms titled after `what` ("participe présent actif", or nothing for a
// noun or an adjective): by case and number, or by case and gender for each number when the
// forms have several genders; one set per degree when there are several.
void addDeclinedTables(const QString& what, const Forms& forms, bool pronoun,
                       std::vector<ParadigmTable>& out) {
    const QStringList degrees = present(kDegrees, forms, &CellFeatures::degree);
    const QStringList genders = present(kGenders, forms, &CellFeatures::gender);
    for (const QString& degree : degrees) {
        const Forms ofDegree = having(forms, &CellFeatures::degree, degree);
        const QStringList of = {what, degrees.size() > 1 ? degree : QString()};
        const QString prefix = words(of);
        if (genders.size() < 2 || sameForEveryGender(ofDegree, genders)) {
            const QString gender = genders.size() != 1 ? QString() : " (" + genders[0] + u')';
            TableBuilder table(
                capitalised(prefix.isEmpty() ? QStringLiteral("déclinaison") + gender : prefix),
                kCases, kNumbers);
            for (const LemmaForm* f : ofDegree) {
                table.add(f->features.grammaticalCase, f->features.number, f->form);
            }
            fillAndAdd(table, pronoun, out);
            continue;
        }
        const GenderSpread spread(ofDegree, genders);
        for (const QString& number : present(kNumbers, ofDegree, &CellFeatures::number)) {
            const QString title =
                prefix.isEmpty() ? number : prefix + QStringLiteral(", ") + number;
            TableBuilder table(capitalised(title), kCases, genders);
            table.identify({of, number == kNumbers[0] ? TableIdentity::Number::Singular
                                                      : TableIdentity::Number::Plural});
            for (const LemmaForm* f : having(ofDegree, &CellFeatures::number, number)) {
                for (const QString& gender : spread.of(f->features)) {
                    table.add(f->features.grammaticalCase, gender, f->form);
                }
            }
            fillAndAdd(table, pronoun, out);
        }
    }
}

// The perfect participle's masculine nominative singular, which with sum makes the passive
// (or deponent) perfect tenses; empty when the lemma has none.
QString perfectParticiple(const Forms& participles, const QString& voice) {
    QStringList found;
    for (const LemmaForm* f : participles) {
        const CellFeatures& c = f->features;
        if (c.mood == kDeclinedMoods[0] && c.tense == u"parfait" && c.voice == voice &&
            c.grammaticalCase == kCases[0] && c.number == kNumbers[0] && c.gender != u"féminin" &&
            c.gender != u"neutre") {
            found << f->form;
        }
    }
    std::sort(found.begin(), found.end());
    return found.value(0);
}

// What the database cannot hold: the passive tenses made of the participle and sum.
QString compoundTensesNote(const ParadigmTable& table, const QString& mood, const QString& voice,
                           const Forms& participles) {
    if ((voice != u"passif" && voice != u"déponent") ||
        table.columns.contains(QStringLiteral("Parfait"))) {
        return {};
    }
    const QString p = perfectParticiple(participles, voice);
    if (p.isEmpty() || mood == u"impératif") {
        return {};
    }
    if (mood == u"indicatif") {
        return QStringLiteral(
                   "Parfait, plus-que-parfait et futur antérieur : participe parfait "
                   "et sum (%1 sum, %1 eram, %1 ero).")
            .arg(p);
    }
    return QStringLiteral(
               "Parfait et plus-que-parfait : participe parfait et sum (%1 sim, %1 "
               "essem).")
        .arg(p);
}

void addPersonalTables(const Forms& forms, const Forms& participles,
                       std::vector<ParadigmTable>& out) {
    QStringList rowKeys;
    for (const QString& number : kNumbers) {
        for (const QString& person : kPersons) {
            rowKeys << person + u'|' + number;
        }
    }
    const auto rowLabel = [](const QString& key) {
        return personLabel(key.section(u'|', 0, 0), key.section(u'|', 1, 1));
    };
    for (const QString& voice : kVoices) {
        for (const QString& mood : kPersonalMoods) {
            Forms chosen;
            for (const LemmaForm* f : forms) {
                if (f->features.voice == voice && f->features.mood == mood) {
                    chosen.push_back(f);
                }
            }
            if (chosen.empty()) {
                continue;
            }
            TableBuilder table(capitalised(words({mood, voice})), rowKeys, kTenses);
            for (const LemmaForm* f : chosen) {
                table.add(f->features.person + u'|' + f->features.number, f->features.tense,
                          f->form);
            }
            out.push_back(table.build(rowLabel, false));
            out.back().note = compoundTensesNote(out.back(), mood, voice, participles);
        }
    }
}

void addParticipleTables(const Forms& participles, std::vector<ParadigmTable>& out) {
    for (const QString& mood : kDeclinedMoods) {
        for (const QString& tense : QStringList{QString()} + kTenses) {
            for (const QString& voice : kVoices) {
                Forms chosen;
                for (const LemmaForm* f : participles) {
                    const CellFeatures& c = f->features;
                    if (c.mood == mood && c.tense == tense && c.voice == voice) {
                        chosen.push_back(f);
                    }
                }
                if (!chosen.empty()) {
                    addDeclinedTables(words({mood, tense, voice}), chosen, false, out);
                }
            }
        }
    }
}

// Infinitives, gerund and supine: one row each, in the grammars' order.
void addListTable(const Forms& forms, std::vector<ParadigmTable>& out) {
    QStringList rows;
    for (const QString& voice : kVoices) {
        for (const QString& tense : QStringList{QString()} + kTenses) {
            rows << infinitiveLabel(tense, voice);
        }
    }
    for (const QString& c : QStringList{QString()} + kCases) {
        rows << gerundLabel(c);
    }
    for (const QString& c :
         QStringList{QStringLiteral("accusatif"), QStringLiteral("ablatif"), QString()}) {
        rows << supineLabel(c);
    }
    TableBuilder table(QStringLiteral("Formes nominales"), rows, {kFormsKey});
    for (const LemmaForm* f : forms) {
        const CellFeatures& c = f->features;
        const QString row = c.mood == kInfinitive ? infinitiveLabel(c.tense, c.voice)
                            : c.mood == kGerund   ? gerundLabel(c.grammaticalCase)
                                                  : supineLabel(c.grammaticalCase);
        table.add(row, kFormsKey, f->form);
    }
    out.push_back(table.build([](const QString& key) { return key; }, false));
    out.back().list = true;
}

// Forms listed under a label of their own: the invariable word, or what no table places.
void addLabelledTable(const QString& title, const Forms& forms,
                      const std::function<QString(const CellFeatures&)>& label,
                      std::vector<ParadigmTable>& out) {
    QStringList rows;
    for (const LemmaForm* f : forms) {
        if (!rows.contains(label(f->features))) {
            rows << label(f->features);
        }
    }
    TableBuilder table(title, rows, {kFormsKey});
    for (const LemmaForm* f : forms) {
        table.add(label(f->features), kFormsKey, f->form);
    }
    out.push_back(table.build([](const QString& key) { return key; }, false));
    out.back().list = true;
}

QString codedLabel(const CellFeatures& f) {
    const QString coded = words({f.caseGenderNumber, f.moodTenseVoice});
    return coded.isEmpty() ? QStringLiteral("(sans analyse)") : coded;
}

// Highlights the cells that hold a form folding to `folded`; false when none does.
bool markCells(Paradigm& paradigm, const QString& folded) {
    bool found = false;
    for (ParadigmTable& table : paradigm.tables) {
        for (auto& row : table.cells) {
            for (ParadigmCell& cell : row) {
                cell.highlighted =
                    std::any_of(cell.forms.begin(), cell.forms.end(),
                                [&](const QString& f) { return foldsTo(f, folded); });
                found = found || cell.highlighted;
            }
        }
    }
    if (found) {
        paradigm.marked = folded;
    }
    return found;
}

void markForm(Paradigm& paradigm) {
    const QString folded = foldedForm(paradigm.form.trimmed());
    if (folded.isEmpty() || markCells(paradigm, folded)) {
        return;
    }
    for (const EncliticSplit& split : encliticSplits(folded)) {
        if (markCells(paradigm, split.word)) {
            return;
        }
    }
}

}  // namespace

bool ParadigmTable::hasHighlight() const {
    return std::any_of(cells.begin(), cells.end(), [](const std::vector<ParadigmCell>& row) {
        return std::any_of(row.begin(), row.end(),
                           [](const ParadigmCell& c) { return c.highlighted; });
    });
}

bool isPluralOf(const ParadigmTable& singular, const ParadigmTable& plural) {
    using Number = TableIdentity::Number;
    return singular.identity.number == Number::Singular &&
           plural.identity.number == Number::Plural && singular.identity.of == plural.identity.of;
}

Paradigm buildParadigm(const DatabaseLemma& lemma, const std::vector<LemmaForm>& forms,
                       const QString& form) {
    Paradigm paradigm{lemma, form, {}, {}};
    std::map<Place, Forms> placed;
    for (const LemmaForm& f : forms) {
        placed[placeOf(f.features)].push_back(&f);
    }
    std::vector<ParadigmTable>& out = paradigm.tables;
    if (!placed[Place::Personal].empty()) {
        addPersonalTables(placed[Place::Personal], placed[Place::Participle], out);
    }
    if (!placed[Place::Declined].empty()) {
        const bool pronoun = lemma.category == u"DP";
        addDeclinedTables(QString(), placed[Place::Declined], pronoun, out);
    }
    if (!placed[Place::List].empty()) {
        addListTable(placed[Place::List], out);
    }
    addParticipleTables(placed[Place::Participle], out);
    if (!placed[Place::Invariable].empty()) {
        addLabelledTable(
            QStringLiteral("Mot invariable"), placed[Place::Invariable],
            [](const CellFeatures&) { return QStringLiteral("Forme"); }, out);
    }
    if (!placed[Place::Other].empty()) {
        addLabelledTable(QStringLiteral("Autres formes"), placed[Place::Other], codedLabel, out);
    }
    markForm(paradigm);
    return paradigm;
}

namespace {

bool hasForm(MorphologyDatabase& db, const DatabaseLemma& lemma, const QString& folded) {
    const std::vector<LemmaForm> forms = db.formsOfLemma(lemma.id);
    return std::any_of(forms.begin(), forms.end(),
                       [&](const LemmaForm& f) { return f.folded == folded; });
}

}  // namespace

ParadigmLookup lookUpParadigm(MorphologyDatabase& db, const QString& lemma, const QString& form,
                              const QString& category) {
    ParadigmLookup found;
    const QString name = lemma.trimmed();
    if (name.isEmpty() || name == records::kEmptyMarker) {
        found.message = QStringLiteral(
            "Aucun lemme n'est indiqué : il n'y a pas de paradigme à "
            "montrer.");
        return found;
    }
    found.lemmas = db.lemmasNamed(name);
    if (!db.isOpen()) {
        found.lemmas.clear();
        found.message = unavailableMessage(db);
        return found;
    }
    if (found.lemmas.empty()) {
        found.message = QStringLiteral(
                            "Le lemme « %1 » n'est pas dans la base morphologique : "
                            "son paradigme n'est pas connu.")
                            .arg(name);
        return found;
    }
    const QString folded = foldedForm(form.trimmed());
    // The category asked for first, then the lemma written exactly so, then one with the form.
    int best = -1;
    for (std::size_t i = 0; i < found.lemmas.size() && found.lemmas.size() > 1; ++i) {
        const DatabaseLemma& l = found.lemmas[i];
        const bool sameCategory = !category.trimmed().isEmpty() &&
                                  l.category.compare(category.trimmed(), Qt::CaseInsensitive) == 0;
        const int score = (sameCategory ? 4 : 0) + (l.lemma == name ? 2 : 0) +
                          (!folded.isEmpty() && hasForm(db, l, folded));
        if (score > best) {
            best = score;
            found.chosen = i;
        }
    }
    return found;
}

QString unavailableMessage(const MorphologyDatabase& db) {
    return QStringLiteral("La base morphologique n'est pas disponible : %1.")
        .arg(db.availability().error());
}

Paradigm paradigmOf(MorphologyDatabase& db, const DatabaseLemma& lemma, const QString& form) {
    return buildParadigm(lemma, db.formsOfLemma(lemma.id), form);
}

QString lemmaChoiceText(const DatabaseLemma& lemma) {
    return QStringLiteral("%1 (%2) – %3").arg(lemma.lemma, lemma.category, lemma.translation);
}

}  // namespace analysis
