// Builds the base thesaurus and the lexicon from the Latin lexical data folder.
//   mklatindata DATA_FOLDER CATEGORIES.tsv FAMILIES.tsv DONNEES.tsv LEXIQUE.tsv OUTPUT_FOLDER
// Writes OUTPUT_FOLDER/donnees.dat and OUTPUT_FOLDER/lexique.dat; the hand-written analyses and
// lemmas (DONNEES.tsv, LEXIQUE.tsv) are always among them.

#include "latindata/datafiles.h"
#include "latindata/families.h"
#include "latindata/generator.h"
#include "latindata/handdata.h"

#include "records/paths.h"
#include "records/recordfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kProblemsShown = 20;

void say(const QString& text) {
    std::printf("mklatindata: %s\n", qPrintable(text));
}

void complain(const QString& text) {
    std::fprintf(stderr, "mklatindata: %s\n", qPrintable(text));
}

bool readHandList(const QString& path, QString* text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        complain(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    *text = QString::fromUtf8(file.readAll());
    return true;
}

void reportProblems(const QStringList& problems) {
    for (qsizetype i = 0; i < problems.size() && i < kProblemsShown; ++i) {
        complain(problems[i]);
    }
    if (problems.size() > kProblemsShown) {
        complain(QStringLiteral("... and %1 more").arg(problems.size() - kProblemsShown));
    }
}

template <class R>
bool write(const QString& folder, const QString& name, const std::vector<R>& recs) {
    QString error;
    if (!records::replaceFile(QDir(folder).filePath(name), latindata::fileBytes(recs), &error)) {
        complain(error);
        return false;
    }
    return true;
}

QString summary(const latindata::Generated& out, qint64 milliseconds) {
    return QStringLiteral(
               "%1 lemmas (%2 left out), %3 analyses of %4 forms; kept %5 forms in %6 "
               "thesaurus records (expected to find %7 % of the corpus occurrences), "
               "%8 lexicon records, in %9 s")
        .arg(out.lemmasUsed)
        .arg(out.lemmasLeftOut)
        .arg(out.analysesMade)
        .arg(out.formsMade)
        .arg(out.formsKept)
        .arg(out.thesaurus.size())
        .arg(100.0 * out.expectedShareKept, 0, 'f', 1)
        .arg(out.lexicon.size())
        .arg(static_cast<double>(milliseconds) / 1000.0, 0, 'f', 1);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    if (args.size() != 6) {
        complain(
            QStringLiteral("usage: mklatindata DATA_FOLDER CATEGORIES.tsv FAMILIES.tsv "
                           "DONNEES.tsv LEXIQUE.tsv OUTPUT_FOLDER"));
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    QStringList problems;
    latindata::LexicalData data;
    QString categoryText;
    QString familyText;
    QString handAnalysesText;
    QString handLemmasText;
    if (!latindata::readLexicalData(args[0], &data, &problems) ||
        !readHandList(args[1], &categoryText) || !readHandList(args[2], &familyText) ||
        !readHandList(args[3], &handAnalysesText) || !readHandList(args[4], &handLemmasText)) {
        reportProblems(problems);
        return 1;
    }
    const auto handAnalyses = latindata::parseHandAnalyses(handAnalysesText, &problems);
    const auto handLemmas = latindata::parseHandLemmas(handLemmasText, &problems);
    latindata::HandLists lists{latindata::CategoryRules::parse(categoryText, &problems),
                               latindata::parseFrenchFamilies(familyText, &problems)};
    // The hand-written analyses take their room first.
    const int limit = static_cast<int>(records::kMaxRecordNumber);
    latindata::Generated out =
        latindata::generate(data, lists, limit - static_cast<int>(handAnalyses.size()), &problems);
    out.thesaurus = latindata::mergeAnalyses(handAnalyses, out.thesaurus);
    out.lexicon = latindata::mergeLemmas(handLemmas, out.lexicon, limit);
    reportProblems(problems);
    QDir().mkpath(args[5]);
    if (!write(args[5], records::paths::kBaseThesaurusName, out.thesaurus) ||
        !write(args[5], records::paths::kLexiconName, out.lexicon)) {
        return 1;
    }
    say(summary(out, timer.elapsed()));
    return 0;
}
