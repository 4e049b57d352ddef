#include "core/morphology/udfeatures.h"

#include "core/morphology/normalise.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

namespace analysis {
namespace {

struct CategoryPos {
    const char* code;
    const char* upos;
};

constexpr std::array kCategoryPos{
    CategoryPos{"N1", "NOUN"},     CategoryPos{"N2", "NOUN"},     CategoryPos{"N3", "NOUN"},
    CategoryPos{"N4", "NOUN"},     CategoryPos{"N5", "NOUN"},     CategoryPos{"N6", "NOUN"},
    CategoryPos{"A1", "ADJ"},      CategoryPos{"A2", "ADJ"},      CategoryPos{"V1", "VERB"},
    CategoryPos{"V2", "VERB"},     CategoryPos{"V3", "VERB"},     CategoryPos{"V4", "VERB"},
    CategoryPos{"V5", "VERB"},     CategoryPos{"V6", "VERB"},     CategoryPos{"DP", "PRON"},
    CategoryPos{"CC", "CCONJ"},    CategoryPos{"CS", "SCONJ"},    CategoryPos{"PRE", "ADP"},
    CategoryPos{"ADV", "ADV"},     CategoryPos{"interj", "INTJ"}, CategoryPos{"num", "NUM"},
    CategoryPos{"partic", "PART"},
};

// One abbreviation of the keypads (one or two words) and the features it stands for.
struct Abbreviation {
    const char* text;
    std::array<const char*, 2> features;
};

// Two-word abbreviations come before the one-word abbreviation they begin with.
constexpr std::array kAbbreviations{
    // case, gender, person, number
    Abbreviation{"nom.", {"Case=Nom"}},
    Abbreviation{"voc.", {"Case=Voc"}},
    Abbreviation{"acc.", {"Case=Acc"}},
    Abbreviation{"gén.", {"Case=Gen"}},
    Abbreviation{"dat.", {"Case=Dat"}},
    Abbreviation{"abl.", {"Case=Abl"}},
    Abbreviation{"loc.", {"Case=Loc"}},
    Abbreviation{"m.", {"Gender=Masc"}},
    Abbreviation{"f.", {"Gender=Fem"}},
    Abbreviation{"nt.", {"Gender=Neut"}},
    Abbreviation{"1", {"Person=1"}},
    Abbreviation{"2", {"Person=2"}},
    Abbreviation{"3", {"Person=3"}},
    Abbreviation{"sg.", {"Number=Sing"}},
    Abbreviation{"pl.", {"Number=Plur"}},
    // mood
    Abbreviation{"ind.", {"Mood=Ind", "VerbForm=Fin"}},
    Abbreviation{"subj.", {"Mood=Sub", "VerbForm=Fin"}},
    Abbreviation{"imp.", {"Mood=Imp", "VerbForm=Fin"}},
    Abbreviation{"part.", {"VerbForm=Part"}},
    Abbreviation{"inf.", {"VerbForm=Inf"}},
    Abbreviation{"gér.", {"VerbForm=Ger"}},
    Abbreviation{"adj. verb.", {"VerbForm=Gdv"}},
    Abbreviation{"sup.", {"VerbForm=Sup"}},
    // tense
    Abbreviation{"prés.", {"Aspect=Imp", "Tense=Pres"}},
    Abbreviation{"impf.", {"Aspect=Imp", "Tense=Past"}},
    Abbreviation{"fut. ant.", {"Aspect=Perf", "Tense=Fut"}},
    Abbreviation{"fut.", {"Aspect=Imp", "Tense=Fut"}},
    Abbreviation{"parf.", {"Aspect=Perf", "Tense=Past"}},
    Abbreviation{"pqp.", {"Aspect=Perf", "Tense=Pqp"}},
    // voice: a deponent has the passive's forms
    Abbreviation{"act.", {"Voice=Act"}},
    Abbreviation{"pas.", {"Voice=Pass"}},
    Abbreviation{"dép.", {"Voice=Pass"}},
};

// The features of one coded value, abbreviation after abbreviation; a word that is no
// abbreviation is passed over.
void addFeatures(const QString& coded, QStringList& features) {
    const QStringList words = coded.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size();) {
        qsizetype taken = 1;
        for (const Abbreviation& a : kAbbreviations) {
            const QString text = QString::fromUtf8(a.text);
            const qsizetype size = text.count(QLatin1Char(' ')) + 1;
            if (i + size <= words.size() && words.mid(i, size).join(QLatin1Char(' ')) == text) {
                for (const char* feature : a.features) {
                    if (feature != nullptr) {
                        features << QString::fromLatin1(feature);
                    }
                }
                taken = size;
                break;
            }
        }
        i += taken;
    }
}

bool isAdjective(const QString& category) {
    return category == u"A1" || category == u"A2";
}

QString degreeOf(const QString& category, const QString& translation) {
    if (translation.startsWith(u"(comparatif)")) {
        return QStringLiteral("Degree=Cmp");
    }
    if (translation.startsWith(u"(superlatif)")) {
        return QStringLiteral("Degree=Sup");
    }
    return isAdjective(category) ? QStringLiteral("Degree=Pos") : QString();
}

}  // namespace

QString uposOf(const QString& category, const QString& lemma) {
    const QString code = category.trimmed();
    for (const CategoryPos& c : kCategoryPos) {
        if (code == QLatin1String(c.code)) {
            const QString upos = QString::fromLatin1(c.upos);
            if (upos == u"NOUN" && !lemma.isEmpty() && lemma.front().isUpper()) {
                return QStringLiteral("PROPN");
            }
            if (upos == u"VERB" && foldedForm(lemma.trimmed()) == u"sum") {
                return QStringLiteral("AUX");
            }
            return upos;
        }
    }
    return QStringLiteral("X");
}

QString featsOf(const QString& category, const QString& caseGenderNumber,
                const QString& moodTenseVoice, const QString& translation) {
    QStringList features;
    addFeatures(caseGenderNumber, features);
    addFeatures(moodTenseVoice, features);
    // A future participle or infinitive is written by its tense alone.
    if (features.contains(u"Tense=Fut") && !features.contains(u"VerbForm=Fin")) {
        features.removeAll(QStringLiteral("Aspect=Imp"));
    }
    const QString degree = degreeOf(category.trimmed(), translation);
    if (!degree.isEmpty()) {
        features << degree;
    }
    features.removeDuplicates();
    std::sort(features.begin(), features.end());
    return features.isEmpty() ? QStringLiteral("_") : features.join(QLatin1Char('|'));
}

}  // namespace analysis
