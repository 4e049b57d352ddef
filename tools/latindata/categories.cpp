#include "latindata/categories.h"

#include "latindata/spelling.h"

#include <algorithm>

namespace latindata {
namespace {

// The category of each family of inflection models, by the model that heads it; a model
// takes the entry of the nearest model of its lineage that has one.
const QHash<QString, QString>& modelCategories() {
    static const QHash<QString, QString> table = {
        {QStringLiteral("uita"), QStringLiteral("N1")},
        {QStringLiteral("lupus"), QStringLiteral("N2")},
        {QStringLiteral("templum"), QStringLiteral("N2")},
        {QStringLiteral("miles"), QStringLiteral("N3")},
        {QStringLiteral("perseus"), QStringLiteral("N3")},
        {QStringLiteral("clio"), QStringLiteral("N3")},
        {QStringLiteral("manus"), QStringLiteral("N4")},
        {QStringLiteral("jesus"), QStringLiteral("N4")},
        {QStringLiteral("res"), QStringLiteral("N5")},
        {QStringLiteral("isaac"), QStringLiteral("N6")},
        {QStringLiteral("abraham"), QStringLiteral("N6")},
        {QStringLiteral("doctus"), QStringLiteral("A1")},
        {QStringLiteral("fortis"), QStringLiteral("A2")},
        // Pronominal adjectives (nullus, totus, alius, uter) are determiners; unus and duo
        // lead the numerals.
        {QStringLiteral("unus"), QStringLiteral("DP")},
        {QStringLiteral("alter"), QStringLiteral("DP")},
        {QStringLiteral("uter"), QStringLiteral("DP")},
        {QStringLiteral("meus"), QStringLiteral("DP")},
        {QStringLiteral("quantuscumque"), QStringLiteral("DP")},
        {QStringLiteral("qualiscumque"), QStringLiteral("DP")},
        {QStringLiteral("duo"), QStringLiteral("num")},
        {QStringLiteral("deni"), QStringLiteral("num")},
        {QStringLiteral("amo"), QStringLiteral("V1")},
        {QStringLiteral("imitor"), QStringLiteral("V1")},
        {QStringLiteral("moneo"), QStringLiteral("V2")},
        {QStringLiteral("uereor"), QStringLiteral("V2")},
        {QStringLiteral("lego"), QStringLiteral("V3")},
        {QStringLiteral("sequor"), QStringLiteral("V3")},
        {QStringLiteral("audio"), QStringLiteral("V4")},
        {QStringLiteral("potior"), QStringLiteral("V4")},
        {QStringLiteral("capio"), QStringLiteral("V5")},
        {QStringLiteral("patior"), QStringLiteral("V5")},
        {QStringLiteral("sum"), QStringLiteral("V6")},
        {QStringLiteral("fero"), QStringLiteral("V6")},
        {QStringLiteral("aio"), QStringLiteral("V6")},
        {QStringLiteral("uolo"), QStringLiteral("V6")},
        {QStringLiteral("nolo"), QStringLiteral("V6")},
        {QStringLiteral("edo"), QStringLiteral("V6")},
        {QStringLiteral("fio"), QStringLiteral("V6")},
        {QStringLiteral("eo"), QStringLiteral("V6")},
    };
    return table;
}

WordClass wordClassOf(QChar partOfSpeech) {
    switch (partOfSpeech.unicode()) {
        case 'n':
            return WordClass::Noun;
        case 'a':
            return WordClass::Adjective;
        case 'p':
            return WordClass::Pronoun;
        case 'm':
            return WordClass::Numeral;
        case 'v':
            return WordClass::Verb;
        case 'd':
            return WordClass::Adverb;
        default:
            return WordClass::Invariable;
    }
}

// The indications that decide an invariable word's category, in the order of the patterns
// tried at each position: the one written first wins ("adv., prép." is an adverb).
struct Indication {
    const char16_t* pattern;
    const char* category;  // nullptr: the hand list must say
};

constexpr Indication kIndications[] = {
    {u"prép", "PRE"},  {u"conj. coord", "CC"}, {u"conj. sub", "CS"}, {u"conj", nullptr},
    {u"adv", "ADV"},   {u"interj", "interj"},  {u"num", "num"},      {u"pron", "DP"},
    {u"indecl", "N6"}, {u"indécl", "N6"},      {u"npr", "N6"},       {u"n.", "N6"},
    {u"adj", "A1"},    {u"v.", "V6"},          {u"ite + inf", "V6"},
};

bool isDeponent(const std::vector<const Model*>& lineage) {
    return std::any_of(lineage.begin(), lineage.end(),
                       [](const Model* m) { return m->name == QLatin1String("imitor"); });
}

bool hasPassive(const Model& model) {
    const auto first = model.endings.lower_bound(267);
    return first != model.endings.end() && first->first <= 302;
}

}  // namespace

QString genderOf(QStringView indications) {
    return gendersOf(indications).value(0);
}

QStringList gendersOf(QStringView indications) {
    static const std::pair<const char16_t*, const char*> kGenders[] = {
        {u"m.", "masculin"}, {u"f.", "féminin"}, {u"n.", "neutre"}};
    QString text = indications.toString();
    text.replace(QLatin1Char(','), QLatin1Char(' '));
    QStringList genders;
    for (QStringView token : QStringView(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto* known = std::find_if(std::begin(kGenders), std::end(kGenders),
                                         [&](const auto& g) { return token == g.first; });
        if (known != std::end(kGenders)) {
            const QString gender = QString::fromUtf8(known->second);
            if (!genders.contains(gender)) {
                genders.append(gender);
            }
        } else if (!genders.isEmpty() && token != u"et" && token != u"ou") {
            break;
        }
    }
    return genders;
}

bool namesPluralOnly(QStringView indications) {
    qsizetype end = 0;
    while (end < indications.size() && indications[end].isLetter()) {
        ++end;
    }
    const QStringView first = indications.left(end);
    return first == u"ium" || first == u"um" || first == u"orum" || first == u"arum";
}

CategoryRules CategoryRules::parse(QStringView handList, QStringList* problems) {
    CategoryRules rules;
    int number = 0;
    for (QStringView line : handList.split(QLatin1Char('\n'))) {
        ++number;
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QList<QStringView> fields = line.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        if (fields.size() != 2) {
            problems->append(QStringLiteral("categories:%1: not \"key<TAB>code\"").arg(number));
            continue;
        }
        rules.byLemma_.insert(matchingKey(fields[0]), fields[1].toString());
    }
    return rules;
}

QString CategoryRules::modelCategory(const std::vector<const Model*>& lineage) const {
    const auto own = modelCategories().constFind(lineage.front()->name);
    if (own != modelCategories().constEnd()) {
        return *own;
    }
    switch (wordClassOf(lineage.front()->partOfSpeech)) {
        case WordClass::Pronoun:
            return QStringLiteral("DP");
        case WordClass::Numeral:
            return QStringLiteral("num");
        case WordClass::Adverb:
            return QStringLiteral("ADV");
        default:
            break;
    }
    for (const Model* model : lineage) {
        const auto it = modelCategories().constFind(model->name);
        if (it != modelCategories().constEnd()) {
            return *it;
        }
    }
    return {};
}

QString CategoryRules::invariableCategory(const Lemma& lemma) const {
    const QString& text = lemma.indications;
    for (qsizetype at = 0; at < text.size(); ++at) {
        for (const Indication& indication : kIndications) {
            const QStringView pattern(indication.pattern);
            if (QStringView(text).mid(at).startsWith(pattern)) {
                if (indication.category == nullptr) {
                    unlistedConjunctions_.append(lemma.key);
                    return QStringLiteral("CC");
                }
                return QString::fromLatin1(indication.category);
            }
        }
    }
    return {};
}

LemmaKind CategoryRules::kindOf(const Lemma& lemma, const ModelTable& models) const {
    LemmaKind kind;
    const std::vector<const Model*> lineage = models.lineage(lemma.model);
    if (lineage.empty()) {
        return kind;
    }
    const Model& model = *lineage.front();
    kind.wordClass = wordClassOf(model.partOfSpeech);
    const auto listed = byLemma_.constFind(lemma.matchingKey());
    if (listed != byLemma_.constEnd()) {
        kind.category = *listed;
    } else if (kind.wordClass == WordClass::Invariable) {
        kind.category = invariableCategory(lemma);
    } else if (kind.wordClass != WordClass::Verb && lemma.indications.contains(u"pron")) {
        kind.category = QStringLiteral("DP");
    } else {
        kind.category = modelCategory(lineage);
    }
    if (kind.wordClass == WordClass::Noun) {
        const QStringList genders = gendersOf(lemma.indications);
        kind.gender = genders.value(0);
        kind.otherGender = genders.value(1);
    }
    kind.pluralOnly = kind.wordClass != WordClass::Verb && namesPluralOnly(lemma.indications);
    if (kind.wordClass == WordClass::Verb) {
        kind.deponent = isDeponent(lineage);
        kind.voiceless = !kind.deponent && !hasPassive(model);
    }
    return kind;
}

}  // namespace latindata
