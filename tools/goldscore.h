#pragma once

#include "core/morphology/batchanalysis.h"

#include <QMap>
#include <QString>

#include <map>
#include <vector>

// The analyser measured on gold-annotated CoNLL-U: for each word of the gold text, whether the
// analyses that `morphologique --analyser` gives it hold the gold lemma and features.
namespace goldscore {

// The features that the program and the gold both write, among Case, Gender, Number, Person,
// Mood, Tense, Aspect, Voice, VerbForm and Degree. Each one given on both sides must be equal;
// one given on one side only is not held against the analysis.
bool sameFeatures(const QString& goldFeats, const QString& analysisFeats);

// Word counts; a word is a word line of the gold (integer ID) whose form holds a letter.
struct Counts {
    qint64 words = 0;
    qint64 analysed = 0;              // at least one analysis
    qint64 lemmaOffered = 0;          // the gold lemma among the analyses
    qint64 lemmaFeaturesOffered = 0;  // one analysis with the gold lemma and features
    qint64 firstLemma = 0;            // the first analysis has the gold lemma
    qint64 firstLemmaFeatures = 0;    // the first analysis has the gold lemma and features

    Counts& operator+=(const Counts& other);
};

struct Score {
    Counts total;
    // By part of the corpus: the sentence id ("# sent_id = caesar-gall-12") without its number.
    std::map<QString, Counts> byPart;
    // The words without analysis, and those whose gold lemma is not offered, with how often.
    QMap<QString, qint64> unanalysed;
    QMap<QString, qint64> lemmaMissed;  // "form (gold lemma)"
    // Where the first analysis goes wrong though a right one is offered: the lemmas confused
    // ("gold lemma > first lemma"), and, the lemma being right, each feature that differs
    // ("Case=Abl>Nom") and how many words each feature name fails.
    QMap<QString, qint64> lemmaConfusions;
    QMap<QString, qint64> featureConfusions;
    QMap<QString, qint64> featureMisses;
};

Score scoreConllu(const QString& conllu, analysis::WordAnalyser& analyser);

}  // namespace goldscore
