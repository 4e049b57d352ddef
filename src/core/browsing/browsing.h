#pragma once

#include "core/grid/gridrows.h"
#include "core/grid/listing.h"
#include "core/lookup/thesauruslists.h"
#include "core/records/outcome.h"
#include "core/records/records.h"

#include <QString>
#include <QStringList>

#include <vector>

// What the thesaurus browsers do with a thesaurus, without any window: their lists, the letter
// listing, the form search, the result rows, the printed listing and the two writes in place.
namespace thesaurus {

// Which padding the browser lists keep. Base: every text field without its trailing spaces,
// except case-gender-number, which loses its leading spaces and keeps its trailing ones.
// Other: every field as stored except the form, which loses its trailing spaces.
enum class Trimming { Base, Other };

// Reads a thesaurus whole into the browser lists List1 to List7, in file order. A missing file
// loads as no records and is not created: an empty file left at a data file's place would hide the
// shipped copy.
// When `records` is given it receives the file's bytes, so that a write can later check that a
// record still holds what was listed.
records::Outcome<analysis::ThesaurusLists> loadBrowserLists(const QString& path, Trimming trimming,
                                                            QByteArray* records = nullptr);

// Whether a letter listing ends at the first entry whose lower-cased initial sorts after the
// letter (the sorted base thesaurus, the lexicon) or looks at every entry.
enum class Scan { StopAtLaterInitial, Whole };

// The indices of the keys whose first character, lower-cased, is `letter`, in list order.
// An empty key, or one that begins with a digit, "_" or "$", is never listed and never ends
// the scan; an accented initial sorts after "z".
std::vector<qint64> entriesWithInitial(const std::vector<QString>& keys, QChar letter, Scan scan);

// The indices of the entries whose form equals the text, letter case aside; the text is not
// trimmed, so a leading or trailing space finds nothing, and an empty text finds nothing.
// Deleted records (form "$$$") are no entries: they are never found.
std::vector<qint64> entriesWithForm(const analysis::ThesaurusLists& lists, const QString& text);

// A record's number as its number field holds it: the writes in place go to that record.
using RecordNumber = qint64;

// One row of a listing: an entry's six values as the lists hold them (padding kept where the
// lists keep it), the number of its record and, when the browser keeps the file's bytes, the
// 216 bytes the entry was listed from, which a write checks the file still holds.
struct ResultRow {
    analysis::DetailFields values;
    RecordNumber recordNumber = 0;
    QByteArray listed;
};

// The rows of these entries; `fileRecords`, when not empty, gives each row its listed bytes.
std::vector<ResultRow> resultsOf(const analysis::ThesaurusLists& lists,
                                 const std::vector<qint64>& entries,
                                 const QByteArray& fileRecords = {});

// The printed listing of result rows: per row a block of seven lines, ten blocks a page.
analysis::Pages printedListing(const std::vector<QStringList>& rows);

// The two writes in place. Each refuses, writing nothing, unless the file still holds at
// `number` exactly the 216 bytes that were listed (`listed`): another program may have changed
// the record, or replaced the file, since it was read. A deleted record is never rewritten.
// A failed write puts the old bytes back, so that no partial record is left. A missing file
// is reported, not created.
// Why a rewrite of a listed record did not happen: the record is no longer the one listed, or
// the file could not be read or written.
enum class WriteFailure { Failed, Stale };
// On success, the 216 bytes the file now holds at the record's place; on failure, what went
// wrong and that nothing was changed, in French.
using WriteResult = records::Outcome<QByteArray, WriteFailure>;

// Overwrites record `number` with the deletion marker: form "$$$", "_" in the five analysis
// fields, its own number; the reserved field keeps what the file holds.
WriteResult markDeleted(const QString& path, qint64 number, const QByteArray& listed);

// Rewrites record `number` in place with these values, each padded or cut to its field; an
// empty value becomes spaces.
WriteResult rewriteEntry(const QString& path, qint64 number, const QByteArray& listed,
                         const analysis::DetailFields& values);

// The record rewriteEntry writes for these values, number and reserved field aside.
records::ThesaurusRecord entryRecord(const analysis::DetailFields& values);

// The six values of a record's 216 bytes, without trailing spaces: what the record really holds.
analysis::DetailFields valuesOf(const QByteArray& record);

}  // namespace thesaurus
