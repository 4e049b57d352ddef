#pragma once

#include "latindata/categories.h"
#include "latindata/cells.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <map>
#include <vector>

// How often each cell of a word occurs in running text, from the counts of the corpus tags
// (tags.la). A tag names a word class and, for declined words, a case and a number ("n31":
// noun, accusative singular); for verbs it names the mood and whether the tense is the present
// ("v11": present indicative, "v1 ": another indicative) or, for participles, gerunds and
// supines, a case and a number ("w61").
namespace latindata {

class CellWeights {
  public:
    // The counts of the file's first part, "tag,count" lines; the trigrams after them are not
    // used.
    static CellWeights fromTags(QStringView text, const CellTable& cells);

    // The share of a word's occurrences that each of its cells takes: each tag the word has a
    // cell of keeps its count, shared among those cells; the shares sum to 1. A cell without
    // a tag for the class has none.
    std::map<int, double> cellShares(WordClass wordClass, const std::vector<int>& cells) const;

    // The tag a cell of a word class counts under; empty when none applies.
    static QString tagOf(WordClass wordClass, const Features& cell);

  private:
    double countOf(const QString& tag) const;

    QHash<QString, double> tagCounts_;
    const CellTable* cells_ = nullptr;
};

// What the tags do not tell apart, the cells of one tag share by rough proportions of
// classical prose: the positive degree, the third person, the active voice, the perfect among
// the past tenses, the perfect participle among the verbal nouns and adjectives are the most
// frequent. The result is a cell's weight relative to the other cells of its tag.
double shareWithinTag(const Features& cell);

}  // namespace latindata
