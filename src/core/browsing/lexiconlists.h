#pragma once

#include "core/grid/listing.h"
#include "core/records/outcome.h"

#include <QString>
#include <QStringList>

#include <vector>

// What the lexicon browser does with the lexicon, without any window: its lists, the letter
// listing, the lemma search, the result rows and the printed listing.
namespace lexicon {

// The lexicon in memory (the browser's hidden lists): one entry per record in file order, at
// the same index in every column.
struct LexiconLists {
    std::vector<QString> lemmas;          // List1: trailing spaces removed
    std::vector<QString> translations;    // List2: trailing spaces removed
    std::vector<QString> categories;      // List3: trailing spaces removed
    std::vector<QString> frenchFamilies;  // List4: leading spaces removed
    std::vector<QString> latinFamilies;   // List5: trailing spaces removed
    std::vector<qint16> numbers;          // List7: entry number

    qint64 size() const { return static_cast<qint64>(lemmas.size()); }
};

// Reads a lexicon whole. A missing file loads as no entries and is not created.
records::Outcome<LexiconLists> loadLexiconLists(const QString& path);

// The entries whose lemma begins with `letter` (a lower-case letter), letter case aside, in
// list order; the scan ends at the first lemma whose lower-cased initial sorts after it, the
// lexicon being in ascending order of lemma.
std::vector<qint64> entriesWithInitial(const LexiconLists& lists, QChar letter);

// The entries whose lemma begins with the text, letter case aside, in list order: a lemma
// shorter than the text never matches, an empty text matches every entry, and the text is not
// trimmed.
std::vector<qint64> entriesWithPrefix(const LexiconLists& lists, const QString& text);

// One row of a listing: an entry's values as the lists hold them.
struct LexiconRow {
    QString lemma;
    QString translation;
    QString category;
    QString frenchFamily;
    QString latinFamily;
};

// The rows of these entries, in their order.
std::vector<LexiconRow> resultRows(const LexiconLists& lists, const std::vector<qint64>& entries);

// The printed listing of result rows: per row a block of six lines, ten blocks a page.
analysis::Pages printedListing(const std::vector<QStringList>& rows);

}  // namespace lexicon
