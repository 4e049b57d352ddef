#include "latindata/analyses.h"

#include "latindata/coding.h"
#include "latindata/inflection.h"
#include "latindata/spelling.h"

#include "core/records/cp1252.h"

#include <algorithm>
#include <map>
#include <utility>

namespace latindata {
namespace {

class FormIndex {
  public:
    explicit FormIndex(AnalysisSet& set) : set_(set) {}

    int indexOf(const QString& form) {
        const auto known = written_.constFind(form);
        if (known != written_.constEnd()) {
            return *known;
        }
        const int index = static_cast<int>(set_.forms.size());
        set_.forms.append(form);
        const QString lowered = records::cp1252::toLower(form);
        auto group = groups_.constFind(lowered);
        if (group == groups_.constEnd()) {
            group = groups_.insert(lowered, set_.groupCount++);
        }
        set_.groupOfForm.push_back(*group);
        written_.insert(form, index);
        return index;
    }

  private:
    AnalysisSet& set_;
    QHash<QString, int> written_;
    QHash<QString, int> groups_;
};

std::multimap<QString, const IrregularForm*> irregularsByLemma(const LexicalData& data) {
    std::multimap<QString, const IrregularForm*> byLemma;
    for (const IrregularForm& form : data.irregulars) {
        byLemma.emplace(form.lemmaKey, &form);
    }
    return byLemma;
}

std::vector<const IrregularForm*> irregularsOf(
    const std::multimap<QString, const IrregularForm*>& byLemma, const QString& key) {
    std::vector<const IrregularForm*> found;
    const auto [first, last] = byLemma.equal_range(key);
    for (auto it = first; it != last; ++it) {
        found.push_back(it->second);
    }
    return found;
}

// The forms of a word without singular. When its model makes no plural (a stem it needs is
// not given), the canonical form it puts in the singular cells is the plural: Carnutes.
FormsByCell withoutSingular(const FormsByCell& forms, const CellTable& cells) {
    const auto isSingular = [&](int cell) {
        const Features* f = cells.find(cell);
        return f != nullptr && f->number == QLatin1String("singulier");
    };
    const bool hasPlural = std::any_of(forms.begin(), forms.end(),
                                       [&](const auto& entry) { return !isSingular(entry.first); });
    FormsByCell out;
    for (const auto& [cell, list] : forms) {
        if (!isSingular(cell)) {
            out[cell] = list;
        } else if (!hasPlural) {
            const int plural = cells.withNumber(cell, QStringLiteral("pluriel"));
            if (plural != 0) {
                out[plural] = list;
            }
        }
    }
    return out;
}

bool isRequired(const LemmaKind& kind, const Features& cell) {
    return kind.wordClass == WordClass::Invariable ||
           (kind.wordClass == WordClass::Adverb && cell.degree == Degree::Positive);
}

// One form of one cell of a lemma, with the share of the lemma's occurrences it takes.
struct CellForm {
    QString form;
    int cell = 0;
    double share = 0;
};

void addCellForm(std::vector<CellForm>& forms, const QString& form, int cell, double share) {
    if (!form.isEmpty() && form.size() <= kFormWidth) {
        forms.push_back({form, cell, share});
    }
}

// Shares out a lemma's occurrences over its cells by their weights, and each cell's share
// over its forms. A cell the coding scheme cannot write (the locative) is left out: its forms
// are the genitive or ablative ones anyway.
std::vector<CellForm> sharedOut(const LexicalData& data, const Lemma& lemma, WordClass wordClass,
                                const FormsByCell& forms) {
    std::vector<int> cells;
    for (const auto& [cell, list] : forms) {
        const Features* features = data.cells.find(cell);
        if (features != nullptr && isCodable(*features) && !list.isEmpty()) {
            cells.push_back(cell);
        }
    }
    const std::map<int, double> shares = data.weights.cellShares(wordClass, cells);
    const double occurrences = std::max(lemma.frequency, 1);
    std::vector<CellForm> out;
    for (int cell : cells) {
        const QStringList& list = forms.at(cell);
        const auto known = shares.find(cell);
        const double cellShare = known != shares.end() ? known->second
                                 : shares.empty()      ? 1.0 / static_cast<double>(cells.size())
                                                       : 0.0;
        for (const QString& marked : list) {
            const QString form = schoolSpelling(marked);
            const double share = occurrences * cellShare / list.size();
            const QString other = assimilated(form, data.assimilations);
            if (other.isEmpty()) {
                addCellForm(out, form, cell, share);
                continue;
            }
            addCellForm(out, other, cell, share * kAssimilatedShare);
            addCellForm(out, form, cell, share * (1 - kAssimilatedShare));
        }
    }
    return out;
}

// A noun of two genders (dies, finis): each form of a cell without gender is analysed in both,
// each taking half the cell's share.
std::vector<CellForm> inBothGenders(const std::vector<CellForm>& forms, const LemmaKind& kind,
                                    const CellTable& cells) {
    std::vector<CellForm> out;
    for (const CellForm& f : forms) {
        const Features* features = cells.find(f.cell);
        const int first = cells.withGender(f.cell, kind.gender);
        const int second = cells.withGender(f.cell, kind.otherGender);
        if (features->isVerbal() || !features->gender.isEmpty() || first == 0 || second == 0) {
            out.push_back(f);
            continue;
        }
        out.push_back({f.form, first, f.share / 2});
        out.push_back({f.form, second, f.share / 2});
    }
    return out;
}

// An adjective named with a capital is an ethnic or proper adjective (Maurus, Calaber): it has
// no comparative or superlative, whatever its model could make.
bool comparesByDegree(const Lemma& lemma, const LemmaKind& kind) {
    const QString name = lemma.displayed();
    return kind.wordClass != WordClass::Adjective || name.isEmpty() || !name.front().isUpper();
}

void dropDegrees(FormsByCell& forms, const CellTable& cells) {
    std::erase_if(forms, [&](const auto& entry) {
        const Features* cell = cells.find(entry.first);
        return cell != nullptr && cell->degree != Degree::Positive;
    });
}

// What tells a cell from the others of its case and number but the gender.
QString withoutGender(const Features& f) {
    return QStringList{f.grammaticalCase,
                       f.person,
                       f.number,
                       f.mood,
                       f.tense,
                       f.voice,
                       QString::number(static_cast<int>(f.degree))}
        .join(QLatin1Char('|'));
}

// A vocative spelt like the nominative of the same gender and number is the nominative's
// analysis: its share goes to the nominative and it takes no record of its own.
std::vector<CellForm> withVocativesFolded(const std::vector<CellForm>& forms,
                                          const CellTable& cells) {
    const auto caseOf = [&](const CellForm& f) { return cells.find(f.cell)->grammaticalCase; };
    const auto caseless = [&](const CellForm& f) {
        Features features = *cells.find(f.cell);
        features.grammaticalCase.clear();
        return f.form + QLatin1Char('|') + withoutGender(features) + features.gender;
    };
    std::map<QString, std::size_t> nominatives;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (caseOf(forms[i]) == QLatin1String("nominatif")) {
            nominatives.emplace(caseless(forms[i]), i);
        }
    }
    std::vector<double> added(forms.size(), 0.0);
    std::vector<bool> folded(forms.size(), false);
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (caseOf(forms[i]) != QLatin1String("vocatif")) {
            continue;
        }
        const auto nominative = nominatives.find(caseless(forms[i]));
        if (nominative != nominatives.end()) {
            added[nominative->second] += forms[i].share;
            folded[i] = true;
        }
    }
    std::vector<CellForm> kept;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (!folded[i]) {
            kept.push_back(forms[i]);
            kept.back().share += added[i];
        }
    }
    return kept;
}

// Which analyses of a lemma may go into the thesaurus: all, only the required ones (a rare
// lemma), or none (a lemma of the extended lexicon).
enum class ThesaurusChoice { All, Required, None };

class LemmaAnalyses {
  public:
    LemmaAnalyses(AnalysisSet& set, FormIndex& index, const CellTable& cells, int lemma,
                  ThesaurusChoice choice)
        : set_(set), index_(index), cells_(cells), lemma_(lemma), choice_(choice) {}

    // A form found in the three genders of a case and number becomes one analysis without
    // gender; every other form of a cell is an analysis of its own.
    void add(const std::vector<CellForm>& all) {
        const std::vector<CellForm> forms = withVocativesFolded(all, cells_);
        std::map<std::pair<QString, QString>, std::vector<const CellForm*>> byGenderless;
        for (const CellForm& f : forms) {
            const Features& features = *cells_.find(f.cell);
            if (features.gender.isEmpty()) {
                addOne(f.form, f.cell, f.share, false);
            } else {
                byGenderless[{f.form, withoutGender(features)}].push_back(&f);
            }
        }
        for (const auto& [key, group] : byGenderless) {
            if (coversEveryGender(group)) {
                double share = 0;
                for (const CellForm* f : group) {
                    share += f->share;
                }
                addOne(key.first, group.front()->cell, share, true);
                continue;
            }
            for (const CellForm* f : group) {
                addOne(f->form, f->cell, f->share, false);
            }
        }
    }

  private:
    bool coversEveryGender(const std::vector<const CellForm*>& group) const {
        QStringList genders;
        for (const CellForm* f : group) {
            genders.append(cells_.find(f->cell)->gender);
        }
        genders.removeDuplicates();
        return genders.size() == 3;
    }

    void addOne(const QString& form, int cell, double share, bool anyGender) {
        const int formIndex = index_.indexOf(form);
        const auto [it, fresh] = seen_.try_emplace({formIndex, cell}, set_.analyses.size());
        if (!fresh) {
            set_.analyses[it->second].share += static_cast<float>(share);
            return;
        }
        const LemmaEntry& entry = set_.lemmas[static_cast<std::size_t>(lemma_)];
        const bool required = isRequired(entry.kind, *cells_.find(cell));
        const bool thesaurus =
            choice_ == ThesaurusChoice::All || (choice_ == ThesaurusChoice::Required && required);
        set_.analyses.push_back(
            {formIndex, lemma_, cell, static_cast<float>(share), required, thesaurus, anyGender});
    }

    AnalysisSet& set_;
    FormIndex& index_;
    const CellTable& cells_;
    int lemma_;
    ThesaurusChoice choice_;
    std::map<std::pair<int, int>, std::size_t> seen_;  // (form, cell) → analysis
};

}  // namespace

AnalysisSet expandLemmas(const LexicalData& data, const CategoryRules& categories,
                         QStringList* problems) {
    AnalysisSet set;
    FormIndex index(set);
    const auto irregulars = irregularsByLemma(data);
    for (std::size_t i = 0; i < data.lemmas.size(); ++i) {
        const Lemma& lemma = data.lemmas[i];
        const Model* model = data.models.find(lemma.model);
        const LemmaKind kind = categories.kindOf(lemma, data.models);
        if (model == nullptr || kind.category.isEmpty()) {
            ++set.lemmasLeftOut;
            if (model == nullptr) {
                problems->append(
                    QStringLiteral("lemma %1: unknown model %2").arg(lemma.key, lemma.model));
            }
            continue;
        }
        const QString key = lemma.matchingKey();
        const QString translation = codePageText(data.translations.value(key));
        set.lemmas.push_back({i, kind, lemma.displayed(), translation, lemma.extended});
        FormsByCell forms = inflect(lemma, *model, irregularsOf(irregulars, key));
        if (kind.pluralOnly) {
            forms = withoutSingular(forms, data.cells);
        }
        if (!comparesByDegree(lemma, kind)) {
            dropDegrees(forms, data.cells);
        }
        std::vector<CellForm> cellForms = sharedOut(data, lemma, kind.wordClass, forms);
        if (!kind.otherGender.isEmpty()) {
            cellForms = inBothGenders(cellForms, kind, data.cells);
        }
        const ThesaurusChoice choice = lemma.extended                   ? ThesaurusChoice::None
                                       : lemma.frequency < kRarestLemma ? ThesaurusChoice::Required
                                                                        : ThesaurusChoice::All;
        LemmaAnalyses(set, index, data.cells, static_cast<int>(set.lemmas.size() - 1), choice)
            .add(cellForms);
    }
    return set;
}

}  // namespace latindata
