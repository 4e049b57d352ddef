// Builds the base thesaurus, the lexicon and the morphology database from the Latin lexical
// data folder.
//   mklatindata DATA_FOLDER CATEGORIES.tsv FAMILIES.tsv CORRECTIONS.la DONNEES.tsv LEXIQUE.tsv
//               OUTPUT_FOLDER
// Writes OUTPUT_FOLDER/donnees.dat, lexique.dat and morphologie.sqlite from the data corrected
// by CORRECTIONS.la; the hand-written analyses and lemmas (DONNEES.tsv, LEXIQUE.tsv) are always
// among them. Without the data:
//   mklatindata --hand-only DONNEES.tsv OUTPUT_FOLDER
// writes the morphology database of the hand-written analyses alone.

#include "latindata/datafiles.h"
#include "latindata/families.h"
#include "latindata/generator.h"
#include "latindata/handdata.h"
#include "latindata/morphologydb.h"

#include "core/morphology/morphology.h"

#include "core/records/paths.h"
#include "core/records/recordfile.h"

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
bool write(const QString& folder, const QString& name, std::vector<R> recs) {
    if (!records::numberByPosition(recs)) {
        complain(QStringLiteral("%1: %2 records, more than a 16-bit record number can hold")
                     .arg(name)
                     .arg(recs.size()));
        return false;
    }
    const records::Outcome<void> written =
        records::replaceFile(QDir(folder).filePath(name), latindata::fileBytes(recs));
    if (!written.ok()) {
        complain(written.error());
        return false;
    }
    return true;
}

bool writeMorphology(const QString& folder, const latindata::MorphologyTables& tables) {
    QString error;
    if (!latindata::writeMorphologyDatabase(
            QDir(folder).filePath(analysis::MorphologyDatabase::kFileName), tables, &error)) {
        complain(error);
        return false;
    }
    return true;
}

QString morphologySummary(const latindata::MorphologyTables& tables, qint64 milliseconds) {
    return QStringLiteral("morphology database: %1 analyses of %2 lemmas, written in %3 s")
        .arg(tables.analyses.size())
        .arg(tables.lemmas.size())
        .arg(static_cast<double>(milliseconds) / 1000.0, 0, 'f', 1);
}

int handOnly(const QString& handAnalysesPath, const QString& folder) {
    QString text;
    QStringList problems;
    if (!readHandList(handAnalysesPath, &text)) {
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    latindata::MorphologyTables tables;
    latindata::addHandAnalyses(tables, latindata::parseHandAnalyses(text, &problems));
    reportProblems(problems);
    QDir().mkpath(folder);
    if (!problems.isEmpty() || !writeMorphology(folder, tables)) {
        return 1;
    }
    say(morphologySummary(tables, timer.elapsed()));
    return 0;
}

QString summary(const latindata::Generated& out, qint64 milliseconds) {
    return QStringLiteral(
               "%1 lemmas and %10 of the extended lexicon (%2 left out), %3 analyses of %4 "
               "forms; kept %5 forms in %6 thesaurus records (expected to find %7 % of the "
               "corpus occurrences), %8 lexicon records, in %9 s")
        .arg(out.lemmasUsed)
        .arg(out.lemmasLeftOut)
        .arg(out.analysesMade)
        .arg(out.formsMade)
        .arg(out.formsKept)
        .arg(out.thesaurus.size())
        .arg(100.0 * out.expectedShareKept, 0, 'f', 1)
        .arg(out.lexicon.size())
        .arg(static_cast<double>(milliseconds) / 1000.0, 0, 'f', 1)
        .arg(out.lemmasExtended);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    if (args.size() == 3 && args[0] == QLatin1String("--hand-only")) {
        return handOnly(args[1], args[2]);
    }
    if (args.size() != 7) {
        complain(
            QStringLiteral("usage: mklatindata DATA_FOLDER CATEGORIES.tsv FAMILIES.tsv "
                           "CORRECTIONS.la DONNEES.tsv LEXIQUE.tsv OUTPUT_FOLDER\n"
                           "       mklatindata --hand-only DONNEES.tsv OUTPUT_FOLDER"));
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    QStringList problems;
    latindata::LexicalData data;
    QString categoryText;
    QString familyText;
    QString correctionText;
    QString handAnalysesText;
    QString handLemmasText;
    if (!readHandList(args[1], &categoryText) || !readHandList(args[2], &familyText) ||
        !readHandList(args[3], &correctionText) || !readHandList(args[4], &handAnalysesText) ||
        !readHandList(args[5], &handLemmasText)) {
        return 1;
    }
    const latindata::Corrections corrections =
        latindata::parseCorrections(correctionText, &problems);
    if (!latindata::readLexicalData(args[0], &data, &problems, corrections)) {
        reportProblems(problems);
        return 1;
    }
    const auto handAnalyses = latindata::parseHandAnalyses(handAnalysesText, &problems);
    const auto handLemmas = latindata::parseHandLemmas(handLemmasText, &problems);
    latindata::HandLists lists{latindata::CategoryRules::parse(categoryText, &problems),
                               latindata::parseFrenchFamilies(familyText, &problems)};
    // The hand-written analyses take their room first.
    const int limit = static_cast<int>(records::kMaxRecordNumber);
    latindata::MorphologyTables morphology;
    latindata::Generated out = latindata::generate(
        data, lists, limit - static_cast<int>(handAnalyses.size()), &problems, &morphology);
    const qint64 generated = timer.elapsed();
    out.thesaurus = latindata::mergeAnalyses(handAnalyses, out.thesaurus);
    out.lexicon = latindata::mergeLemmas(handLemmas, out.lexicon, limit);
    reportProblems(problems);
    QDir().mkpath(args[6]);
    if (!write(args[6], records::paths::kBaseThesaurusName, out.thesaurus) ||
        !write(args[6], records::paths::kLexiconName, out.lexicon)) {
        return 1;
    }
    say(summary(out, generated));
    QElapsedTimer databaseTimer;
    databaseTimer.start();
    latindata::addHandAnalyses(morphology, handAnalyses);
    if (!writeMorphology(args[6], morphology)) {
        return 1;
    }
    say(morphologySummary(morphology, databaseTimer.elapsed()));
    return 0;
}
