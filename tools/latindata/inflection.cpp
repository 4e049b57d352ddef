#include "latindata/inflection.h"

#include "latindata/spelling.h"

namespace latindata {
namespace {

QStringList stemsByRule(const RadicalRule& rule, const QString& canonical) {
    switch (rule.kind) {
        case RadicalRule::Kind::Strip:
            return {dropLetters(canonical, rule.strip) + rule.add};
        case RadicalRule::Kind::Canonical:
            return {canonical};
        case RadicalRule::Kind::FromLemma:
            return {};
    }
    return {};
}

void addForm(QStringList& forms, const QString& form) {
    if (!forms.contains(form)) {
        forms.append(form);
    }
}

void addEndings(FormsByCell& forms, const Model& model, const std::map<int, QStringList>& stems) {
    for (const auto& [cell, endings] : model.endings) {
        for (const Ending& ending : endings) {
            const auto stem = stems.find(ending.radical);
            if (stem == stems.end()) {
                continue;
            }
            for (const QString& s : stem->second) {
                addForm(forms[cell], s + ending.text);
            }
        }
    }
}

// A form that already ends with the suffix (the model wrote it into the ending) keeps it once.
QString withSuffix(const QString& form, const QString& suffix) {
    return matchingKey(form).endsWith(matchingKey(suffix)) ? form : form + suffix;
}

void addSuffixes(FormsByCell& forms, const Model& model) {
    if (!model.alwaysSuffixes.empty()) {
        for (auto& [cell, list] : forms) {
            QStringList suffixed;
            for (const QString& form : list) {
                for (const Suffix& suffix : model.alwaysSuffixes) {
                    addForm(suffixed, withSuffix(form, suffix.text));
                }
            }
            list = suffixed;
        }
    }
    for (const Suffix& suffix : model.optionalSuffixes) {
        for (int cell : suffix.cells) {
            const auto it = forms.find(cell);
            if (it == forms.end()) {
                continue;
            }
            const QStringList plain = it->second;
            for (const QString& form : plain) {
                addForm(it->second, withSuffix(form, suffix.text));
            }
        }
    }
}

void addIrregulars(FormsByCell& forms, const std::vector<const IrregularForm*>& irregulars) {
    for (const IrregularForm* irregular : irregulars) {
        if (irregular->exclusive) {
            for (int cell : irregular->cells) {
                forms.erase(cell);
            }
        }
    }
    for (const IrregularForm* irregular : irregulars) {
        for (int cell : irregular->cells) {
            addForm(forms[cell], irregular->form);
        }
    }
}

}  // namespace

std::map<int, QStringList> stemsOf(const Lemma& lemma, const Model& model,
                                   const QString& canonical) {
    std::map<int, QStringList> stems;
    for (const auto& [radical, rule] : model.radicals) {
        stems[radical] = stemsByRule(rule, canonical);
    }
    if (lemma.stem1) {
        stems[1] = *lemma.stem1;
    }
    if (lemma.stem2) {
        stems[2] = *lemma.stem2;
    }
    return stems;
}

FormsByCell inflect(const Lemma& lemma, const Model& model,
                    const std::vector<const IrregularForm*>& irregulars) {
    FormsByCell forms;
    for (const QString& canonical : lemma.canonicals) {
        addEndings(forms, model, stemsOf(lemma, model, canonical));
    }
    addSuffixes(forms, model);
    addIrregulars(forms, irregulars);
    return forms;
}

}  // namespace latindata
