// How well the analyser does on gold-annotated Latin in CoNLL-U: the words that get at least
// one analysis, the gold lemma among them, the gold lemma with the gold features, and the same
// for the analysis put first. Each word is analysed as `morphologique --analyser` analyses it.
//   evaluation GOLD.conllu [--thesaurus=DAT] [--morphology=DATABASE] [--tags=TAGS.la|none]
//              [--missing=N] [--errors=N] [--sentences=even|odd]
// The thesaurus and the database default to those of the build tree. Figures are given by part
// of the corpus and for its prose and verse collections; --errors lists where the first analysis
// goes wrong though a right one is offered.

#include "goldscore.h"

#include "core/lookup/thesauruslists.h"
#include "core/morphology/morphology.h"
#include "core/records/recordfile.h"
#include "core/tagger/tagger.h"
#include "core/text/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace {

struct Arguments {
    QString gold;
    QString thesaurus = QStringLiteral(EVALUATION_DEFAULT_THESAURUS);
    QString morphology = QStringLiteral(EVALUATION_DEFAULT_MORPHOLOGY);
    // The tag statistics that rank analyses in context; "none" leaves the lexical order.
    QString tags;
    int missingShown = 0;
    int errorsShown = 0;
    // Only the sentences of even or odd number ("even", "odd"), to tune on one half and check
    // on the other; empty for all.
    QString half;
};

bool parseCount(const QString& text, int* out) {
    bool ok = false;
    *out = text.toInt(&ok);
    return ok;
}

bool parseArguments(const QStringList& args, Arguments* out) {
    for (const QString& arg : args) {
        if (arg.startsWith(QLatin1String("--thesaurus="))) {
            out->thesaurus = arg.mid(12);
        } else if (arg.startsWith(QLatin1String("--morphology="))) {
            out->morphology = arg.mid(13);
        } else if (arg.startsWith(QLatin1String("--tags="))) {
            out->tags = arg.mid(7);
        } else if (arg.startsWith(QLatin1String("--missing="))) {
            if (!parseCount(arg.mid(10), &out->missingShown)) {
                return false;
            }
        } else if (arg == QLatin1String("--sentences=even") ||
                   arg == QLatin1String("--sentences=odd")) {
            out->half = arg.mid(12);
        } else if (arg.startsWith(QLatin1String("--errors="))) {
            if (!parseCount(arg.mid(9), &out->errorsShown)) {
                return false;
            }
        } else if (arg.startsWith(QLatin1Char('-')) || !out->gold.isEmpty()) {
            return false;
        } else {
            out->gold = arg;
        }
    }
    return !out->gold.isEmpty();
}

double percent(qint64 part, qint64 whole) {
    return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

void printCounts(const char* name, const goldscore::Counts& c) {
    std::printf("%-20s %6lld %7.1f %7.1f %7.1f %7.1f %7.1f\n", name,
                static_cast<long long>(c.words), percent(c.analysed, c.words),
                percent(c.lemmaOffered, c.words), percent(c.lemmaFeaturesOffered, c.words),
                percent(c.firstLemma, c.words), percent(c.firstLemmaFeatures, c.words));
}

void printMostFrequent(const char* title, const QMap<QString, qint64>& forms, int shown) {
    if (shown <= 0 || forms.isEmpty()) {
        return;
    }
    std::vector<std::pair<qint64, QString>> sorted;
    for (auto f = forms.cbegin(); f != forms.cend(); ++f) {
        sorted.emplace_back(-f.value(), f.key());
    }
    std::sort(sorted.begin(), sorted.end());
    std::printf("\n%s\n", title);
    for (std::size_t i = 0; i < sorted.size() && i < static_cast<std::size_t>(shown); ++i) {
        std::printf("%6lld  %s\n", static_cast<long long>(-sorted[i].first),
                    qPrintable(sorted[i].second));
    }
}

// The collections of the gold corpus, by the parts they gather.
const std::pair<const char*, QStringList> kCollections[] = {
    {"prose",
     {QStringLiteral("caesar-gall"), QStringLiteral("cicero-catil"),
      QStringLiteral("vulgata-apoc")}},
    {"verse",
     {QStringLiteral("vergil-aen6"), QStringLiteral("ovid-met1"), QStringLiteral("propertius-1")}},
};

void printCollections(const goldscore::Score& score) {
    for (const auto& [name, parts] : kCollections) {
        goldscore::Counts gathered;
        for (const auto& [part, counts] : score.byPart) {
            if (parts.contains(part)) {
                gathered += counts;
            }
        }
        if (gathered.words > 0) {
            printCounts(name, gathered);
        }
    }
}

// The sentence blocks of a CoNLL-U text whose id ends with an even or an odd number.
QString halfOf(const QString& conllu, const QString& half) {
    static const QRegularExpression number(QStringLiteral("-([0-9]+)\\s*$"));
    QStringList kept;
    for (const QString& block : conllu.split(QStringLiteral("\n\n"))) {
        const qsizetype idAt = block.indexOf(QLatin1String("# sent_id = "));
        const QString id = block.mid(idAt, block.indexOf(u'\n', idAt) - idAt);
        const QRegularExpressionMatch m = number.match(id);
        if (idAt >= 0 && m.hasMatch() &&
            (m.captured(1).toInt() % 2 == 0) == (half == QLatin1String("even"))) {
            kept << block;
        }
    }
    return kept.join(QStringLiteral("\n\n"));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Arguments args;
    if (!parseArguments(app.arguments().mid(1), &args)) {
        std::fprintf(stderr,
                     "usage: evaluation GOLD.conllu [--thesaurus=DAT] [--morphology=DATABASE] "
                     "[--tags=TAGS.la|none] [--missing=N] [--errors=N] [--sentences=even|odd]\n");
        return 2;
    }
    const shell::TextReading gold = shell::readTextFile(args.gold);
    if (!gold.ok()) {
        std::fprintf(stderr, "evaluation: cannot read %s: %s\n", qPrintable(args.gold),
                     qPrintable(gold.error()));
        return 1;
    }
    const auto thesaurus = records::readAllRecords<records::ThesaurusRecord>(args.thesaurus);
    if (!thesaurus.ok()) {
        std::fprintf(stderr, "evaluation: %s\n", qPrintable(thesaurus.error()));
        return 1;
    }
    analysis::MorphologyDatabase morphology(args.morphology);
    if (!morphology.isOpen()) {
        std::fprintf(stderr, "evaluation: no proposals: %s\n",
                     qPrintable(morphology.availability().error()));
    }
    const analysis::ThesaurusLists lists = analysis::listsFromRecords(thesaurus.value());
    // By default the statistics shipped beside the morphology database.
    const QString tagsPath =
        args.tags.isEmpty() ? QFileInfo(args.morphology).dir().filePath(QStringLiteral("tags.la"))
                            : args.tags;
    const std::optional<analysis::TagModel> tags =
        tagsPath == QLatin1String("none") ? std::nullopt : analysis::TagModel::load(tagsPath);
    if (!tags && tagsPath != QLatin1String("none")) {
        std::fprintf(stderr, "evaluation: no ranking in context: cannot read %s\n",
                     qPrintable(tagsPath));
    }
    analysis::WordAnalyser analyser(lists, morphology, tags ? &*tags : nullptr);
    const QString text =
        args.half.isEmpty() ? gold.value().text : halfOf(gold.value().text, args.half);
    const goldscore::Score score = goldscore::scoreConllu(text, analyser);

    std::printf("%s, percent of words:\n", qPrintable(QFileInfo(args.gold).fileName()));
    std::printf("%-20s %6s %7s %7s %7s %7s %7s\n", "part", "words", "analysd", "lemma", "lem+ft",
                "1st-lem", "1st-all");
    for (const auto& [part, counts] : score.byPart) {
        printCounts(qPrintable(part), counts);
    }
    printCollections(score);
    printCounts("total", score.total);
    printMostFrequent("Most frequent words without analysis:", score.unanalysed, args.missingShown);
    printMostFrequent("Most frequent words without their gold lemma (gold lemma):",
                      score.lemmaMissed, args.missingShown);
    printMostFrequent("First lemma wrong, the gold one offered (gold > first):",
                      score.lemmaConfusions, args.errorsShown);
    printMostFrequent("Lemma right, features wrong, words failing each feature:",
                      score.featureMisses, args.errorsShown);
    printMostFrequent("Lemma right, features wrong (feature=gold>first):", score.featureConfusions,
                      args.errorsShown);
    return 0;
}
