#include "goldscore.h"

#include "core/tagger/formcounts.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>
static QString gTraceText;

namespace goldscore {
namespace {

const QStringList kComparedFeatures = {QStringLiteral("Case"),     QStringLiteral("Gender"),
                                       QStringLiteral("Number"),   QStringLiteral("Person"),
                                       QStringLiteral("Mood"),     QStringLiteral("Tense"),
                                       QStringLiteral("Aspect"),   QStringLiteral("Voice"),
                                       QStringLiteral("VerbForm"), QStringLiteral("Degree")};

QMap<QString, QString> featureMap(const QString& feats) {
    QMap<QString, QString> map;
    for (const QString& pair : feats.split(u'|', Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(u'=');
        if (equals > 0 && kComparedFeatures.contains(pair.left(equals))) {
            map.insert(pair.left(equals), pair.mid(equals + 1));
        }
    }
    return map;
}

bool hasLetter(const QString& form) {
    return std::any_of(form.begin(), form.end(), [](QChar c) { return c.isLetter(); });
}

// The part of the corpus a sentence belongs to: its id without the trailing number.
QString partOf(const QString& sentenceId) {
    const qsizetype dash = sentenceId.lastIndexOf(u'-');
    return dash > 0 ? sentenceId.left(dash) : sentenceId;
}

// The features given on both sides that differ, as "Name=gold>offered".
QStringList featureDifferences(const QString& goldFeats, const QString& analysisFeats) {
    const QMap<QString, QString> gold = featureMap(goldFeats);
    const QMap<QString, QString> offered = featureMap(analysisFeats);
    QStringList differences;
    for (auto g = gold.cbegin(); g != gold.cend(); ++g) {
        const auto o = offered.constFind(g.key());
        if (o != offered.cend() && *o != *g) {
            differences << QStringLiteral("%1=%2>%3").arg(g.key(), *g, *o);
        }
    }
    return differences;
}

void countRankingError(const Counts& c, const QStringList& columns,
                       const analysis::WordAnalysis& first, Score& score) {
    if (c.lemmaOffered && !c.firstLemma) {
        ++score.lemmaConfusions[QStringLiteral("%1 > %2").arg(columns[2], first.lemma)];
    } else if (c.firstLemma && c.lemmaFeaturesOffered && !c.firstLemmaFeatures) {
        for (const QString& difference : featureDifferences(columns[5], first.feats)) {
            ++score.featureConfusions[difference];
            ++score.featureMisses[difference.left(difference.indexOf(u'='))];
        }
    }
}

// The gold cites an adverb under the adjective or the noun it comes from ("multo": multus,
// "partim": pars, "magis": magnus); the program cites it under itself. An analysis as an
// adverb of the same form is that lemma.
bool citedUnderItsSource(const QStringList& columns, const analysis::WordAnalysis& a) {
    return columns[3] == QLatin1String("ADV") && a.upos == QLatin1String("ADV") &&
           analysis::comparableLemma(a.lemma) == analysis::comparableLemma(columns[1]);
}

Counts countWord(const QStringList& columns, const std::vector<analysis::WordAnalysis>& analyses,
                 Score& score) {
    Counts c;
    c.words = 1;
    const QString& form = columns[1];
    const QString goldLemma = analysis::comparableLemma(columns[2]);
    const QString& goldFeats = columns[5];
    c.analysed = analyses.empty() ? 0 : 1;
    for (std::size_t i = 0; i < analyses.size(); ++i) {
        const bool lemma = analysis::comparableLemma(analyses[i].lemma) == goldLemma ||
                           citedUnderItsSource(columns, analyses[i]);
        const bool full = lemma && sameFeatures(goldFeats, analyses[i].feats);
        c.lemmaOffered |= lemma;
        c.lemmaFeaturesOffered |= full;
        if (i == 0) {
            c.firstLemma = lemma;
            c.firstLemmaFeatures = full;
        }
    }
    if (analyses.empty()) {
        ++score.unanalysed[form];
        return c;
    }
    if (!c.lemmaOffered) {
        ++score.lemmaMissed[QStringLiteral("%1 (%2)").arg(form, columns[2])];
    }
    countRankingError(c, columns, analyses.front(), score);
    if (qEnvironmentVariableIsSet("GOLD_TRACE") && c.lemmaFeaturesOffered &&
        !c.firstLemmaFeatures) {
        const auto& f = analyses.front();
        QString alts;
        for (const auto& a : analyses)
            alts += a.lemma + QLatin1Char(':') + a.caseGenderNumber + QLatin1Char('/') +
                    a.moodTenseVoice + QLatin1String(" | ");
        std::fprintf(stderr, "TRACE\t%s\t%s\t%s\t%s\t%s\t%s %s %s\t%s\n", qPrintable(gTraceText),
                     qPrintable(columns[0]), qPrintable(form), qPrintable(columns[2]),
                     qPrintable(goldFeats), qPrintable(f.lemma), qPrintable(f.caseGenderNumber),
                     qPrintable(f.moodTenseVoice), qPrintable(alts));
    }
    return c;
}

}  // namespace

Counts& Counts::operator+=(const Counts& o) {
    words += o.words;
    analysed += o.analysed;
    lemmaOffered += o.lemmaOffered;
    lemmaFeaturesOffered += o.lemmaFeaturesOffered;
    firstLemma += o.firstLemma;
    firstLemmaFeatures += o.firstLemmaFeatures;
    return *this;
}

bool sameFeatures(const QString& goldFeats, const QString& analysisFeats) {
    const QMap<QString, QString> gold = featureMap(goldFeats);
    const QMap<QString, QString> offered = featureMap(analysisFeats);
    for (auto g = gold.cbegin(); g != gold.cend(); ++g) {
        const auto o = offered.constFind(g.key());
        if (o != offered.cend() && *o != *g) {
            return false;
        }
    }
    return true;
}

Score scoreConllu(const QString& conllu, analysis::WordAnalyser& analyser) {
    Score score;
    QString part;
    const QStringList lines = conllu.split(u'\n');
    // Ranked sentence by sentence, as the analyser ranks them.
    const std::vector<std::vector<analysis::WordAnalysis>> analyses =
        analysis::analysesOfWordLines(lines, analyser);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (line.startsWith(QStringLiteral("# sent_id = "))) {
            part = partOf(line.mid(12).trimmed());
            continue;
        }
        if (line.startsWith(QStringLiteral("# text = "))) {
            gTraceText = line.mid(9);
            continue;
        }
        const QStringList columns = line.split(u'\t');
        bool isNumber = false;
        columns[0].toInt(&isNumber);
        if (columns.size() < 10 || !isNumber || !hasLetter(columns[1])) {
            continue;
        }
        const Counts word = countWord(columns, analyses[static_cast<std::size_t>(n)], score);
        score.total += word;
        score.byPart[part] += word;
    }
    return score;
}

}  // namespace goldscore
