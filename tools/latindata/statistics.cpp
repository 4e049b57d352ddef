#include "latindata/statistics.h"

#include <algorithm>

namespace latindata {
namespace {

QChar caseDigit(const Features& f) {
    static const QStringList order = {QStringLiteral("nominatif"), QStringLiteral("vocatif"),
                                      QStringLiteral("accusatif"), QStringLiteral("génitif"),
                                      QStringLiteral("datif"),     QStringLiteral("ablatif")};
    const qsizetype index = order.indexOf(f.grammaticalCase);
    return index < 0 ? QChar() : QChar(static_cast<char16_t>(u'1' + index));
}

QChar numberDigit(const Features& f) {
    if (f.number.isEmpty()) {
        return QChar();
    }
    return f.number == QLatin1String("singulier") ? QLatin1Char('1') : QLatin1Char('2');
}

QString declinedTag(QChar wordLetter, const Features& f) {
    const QChar c = caseDigit(f);
    const QChar n = numberDigit(f);
    return c.isNull() || n.isNull() ? QString() : QString(wordLetter) + c + n;
}

// The personal moods and the infinitive count the present apart from the other tenses: "v11"
// is the present indicative, "v1 " any other indicative.
QString verbTag(const Features& f) {
    static const QStringList moods = {QStringLiteral("indicatif"), QStringLiteral("subjonctif"),
                                      QStringLiteral("impératif"), QStringLiteral("infinitif")};
    const qsizetype mood = moods.indexOf(f.mood);
    if (mood < 0) {
        return declinedTag(QLatin1Char('w'), f);
    }
    const QChar tense = f.tense == QLatin1String("présent") ? QLatin1Char('1') : QLatin1Char(' ');
    return QStringLiteral("v%1%2").arg(mood + 1).arg(tense);
}

bool isNominal(const Features& f) {
    return !f.isVerbal() && !f.invariable && !f.grammaticalCase.isEmpty();
}

bool isAdverbial(const Features& f) {
    return !f.isVerbal() && !f.invariable && f.grammaticalCase.isEmpty() && !f.locative &&
           f.gender.isEmpty() && f.number.isEmpty();
}

// Which cells a class of words has: nouns have no gender of their own and no degrees;
// pronouns and numerals have cells of either kind.
bool belongsTo(WordClass wordClass, const Features& f) {
    switch (wordClass) {
        case WordClass::Noun:
            return isNominal(f) && f.gender.isEmpty() && f.degree == Degree::Positive;
        case WordClass::Adjective:
            return isNominal(f) && !f.gender.isEmpty();
        case WordClass::Pronoun:
        case WordClass::Numeral:
            return isNominal(f);
        case WordClass::Verb:
            return f.isVerbal();
        case WordClass::Adverb:
            return isAdverbial(f);
        case WordClass::Invariable:
            return f.invariable;
    }
    return false;
}

double degreeShare(Degree degree) {
    return degree == Degree::Positive ? 1.0 : 0.1;
}

double personShare(const QString& person) {
    static const QHash<QString, double> shares = {{QStringLiteral("première"), 0.10},
                                                  {QStringLiteral("deuxième"), 0.05},
                                                  {QStringLiteral("troisième"), 0.85}};
    return shares.value(person, 1.0);
}

double voiceShare(const QString& voice) {
    return voice == QLatin1String("passif") ? 0.25 : 0.75;
}

double tenseShare(const QString& tense) {
    static const QHash<QString, double> shares = {
        {QStringLiteral("parfait"), 0.4},          {QStringLiteral("imparfait"), 0.3},
        {QStringLiteral("futur"), 0.15},           {QStringLiteral("plus-que-parfait"), 0.1},
        {QStringLiteral("futur antérieur"), 0.05},
    };
    return shares.value(tense, 1.0);
}

double verbalNounShare(const Features& f) {
    if (f.mood == QLatin1String("participe")) {
        static const QHash<QString, double> shares = {{QStringLiteral("parfait"), 0.45},
                                                      {QStringLiteral("présent"), 0.2},
                                                      {QStringLiteral("futur"), 0.05}};
        return shares.value(f.tense, 0.05);
    }
    static const QHash<QString, double> shares = {{QStringLiteral("gerondif"), 0.15},
                                                  {QStringLiteral("adjectif verbal"), 0.1},
                                                  {QStringLiteral("supin"), 0.05}};
    return shares.value(f.mood, 1.0);
}

}  // namespace

double shareWithinTag(const Features& f) {
    double share = degreeShare(f.degree) * personShare(f.person);
    if (!f.voice.isEmpty()) {
        share *= voiceShare(f.voice);
    }
    if (f.mood == QLatin1String("indicatif") || f.mood == QLatin1String("subjonctif") ||
        f.mood == QLatin1String("infinitif")) {
        share *= tenseShare(f.tense);
    } else if (f.isVerbal() && f.mood != QLatin1String("impératif")) {
        share *= verbalNounShare(f);
    }
    return share;
}

QString CellWeights::tagOf(WordClass wordClass, const Features& f) {
    if (!belongsTo(wordClass, f)) {
        return {};
    }
    switch (wordClass) {
        case WordClass::Noun:
            return declinedTag(QLatin1Char('n'), f);
        case WordClass::Adjective:
            return declinedTag(QLatin1Char('a'), f);
        case WordClass::Pronoun:
            return declinedTag(QLatin1Char('p'), f);
        case WordClass::Numeral:
            return declinedTag(QLatin1Char('m'), f);
        case WordClass::Verb:
            return verbTag(f);
        case WordClass::Adverb:
            return QStringLiteral("d  ");
        case WordClass::Invariable:
            return {};
    }
    return {};
}

// A tag the file never counted still gets one occurrence, so that its cells keep an order.
double CellWeights::countOf(const QString& tag) const {
    return std::max(tagCounts_.value(tag), 1.0);
}

CellWeights CellWeights::fromTags(QStringView text, const CellTable& cells) {
    CellWeights weights;
    weights.cells_ = &cells;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        if (line.startsWith(QLatin1Char('!')) || comma != 3) {
            continue;  // comments, and the trigrams, whose names are longer
        }
        weights.tagCounts_.insert(line.left(3).toString(),
                                  line.mid(comma + 1).trimmed().toDouble());
    }
    return weights;
}

std::map<int, double> CellWeights::cellShares(WordClass wordClass,
                                              const std::vector<int>& cells) const {
    std::map<int, QString> tags;
    QHash<QString, double> sharesPerTag;
    for (int cell : cells) {
        const Features* features = cells_ == nullptr ? nullptr : cells_->find(cell);
        const QString tag = features == nullptr ? QString() : tagOf(wordClass, *features);
        if (!tag.isEmpty()) {
            tags[cell] = tag;
            sharesPerTag[tag] += shareWithinTag(*features);
        }
    }
    double total = 0;
    for (auto it = sharesPerTag.constBegin(); it != sharesPerTag.constEnd(); ++it) {
        total += countOf(it.key());
    }
    std::map<int, double> shares;
    for (const auto& [cell, tag] : tags) {
        const double withinTag = shareWithinTag(*cells_->find(cell)) / sharesPerTag.value(tag);
        shares[cell] = countOf(tag) * withinTag / total;
    }
    return shares;
}

}  // namespace latindata
